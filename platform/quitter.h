#pragma once
// Thrown by every wait when the window is closed (or the robot script ends): it unwinds all nested
// modal loops to the entry point.
namespace tlv {
struct Quitter {};
} // namespace tlv
