#pragma once
// The one random source of the program: SplitMix64, so that a seed replays a whole run.
#include <cstdint>

namespace tlv {

class Rnd {
  public:
    explicit Rnd(std::uint64_t graine = 0) : etat_(graine) {}
    void graine(std::uint64_t g) { etat_ = g; }
    std::uint64_t etat() const { return etat_; }

    std::uint64_t suivant() {
        etat_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = etat_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A double in [0, 1) with 53 random bits.
    double operator()() { return static_cast<double>(suivant() >> 11) * 0x1.0p-53; }

  private:
    std::uint64_t etat_;
};

} // namespace tlv
