#pragma once
// Start-up milestones on stderr when TLV_CHRONO is set: how the time to the first frame is measured.
namespace tlv {
void jalon(const char* quoi);

// The length of a scope (one refresh: compose and present) on stderr when TLV_CHRONO is set, as
// "chrono-pas 1.234 ms  quoi".
class Duree {
  public:
    explicit Duree(const char* quoi);
    ~Duree();
    Duree(const Duree&) = delete;
    Duree& operator=(const Duree&) = delete;

  private:
    const char* quoi_;
    double debut_;
};
} // namespace tlv
