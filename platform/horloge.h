#pragma once
// Milliseconds since start: the real monotonic clock, or a virtual one that jumps to deadlines.
#include <chrono>
#include <cstdint>

namespace tlv {

class Horloge {
  public:
    virtual ~Horloge() = default;
    virtual std::int64_t ms() const = 0;
    virtual bool virtuelle() const = 0;
    // The virtual clock moves forward to t (never back); the real one ignores it.
    virtual void avance_a(std::int64_t t) { (void)t; }
};

class HorlogeReelle final : public Horloge {
  public:
    std::int64_t ms() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                     debut_)
            .count();
    }
    bool virtuelle() const override { return false; }

  private:
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
};

class HorlogeVirtuelle final : public Horloge {
  public:
    std::int64_t ms() const override { return t_; }
    bool virtuelle() const override { return true; }
    void avance_a(std::int64_t t) override {
        if (t > t_) t_ = t;
    }

  private:
    std::int64_t t_ = 0;
};

} // namespace tlv
