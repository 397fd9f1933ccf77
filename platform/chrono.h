#pragma once
// Start-up milestones on stderr when TLV_CHRONO is set: how the time to the first frame is measured.
namespace tlv {
void jalon(const char* quoi);
}
