#pragma once
// Time since start: the real monotonic clock, or a virtual one that jumps to deadlines. Kept in microseconds
// so a wait computed from it never ends before the time asked; the program reads whole milliseconds.
#include <chrono>
#include <cstdint>

namespace tlv {

class Horloge {
  public:
    virtual ~Horloge() = default;
    virtual std::int64_t us() const = 0;
    std::int64_t ms() const { return us() / 1000; }
    virtual bool virtuelle() const = 0;
    // The virtual clock moves forward (never back); the real one ignores it.
    virtual void avance_a_us(std::int64_t t) { (void)t; }
    void avance_a(std::int64_t t_ms) { avance_a_us(t_ms * 1000); }
};

class HorlogeReelle final : public Horloge {
  public:
    std::int64_t us() const override {
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                     debut_)
            .count();
    }
    bool virtuelle() const override { return false; }

  private:
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
};

class HorlogeVirtuelle final : public Horloge {
  public:
    std::int64_t us() const override { return t_; }
    bool virtuelle() const override { return true; }
    void avance_a_us(std::int64_t t) override {
        if (t > t_) t_ = t;
    }

  private:
    std::int64_t t_ = 0;
};

} // namespace tlv
