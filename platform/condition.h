#pragma once
// A condition a wait checks, passed down the call without copying it: a lambda of the caller's, or nothing.
// Lighter than std::function for a header every screen reads.

namespace tlv {

class Condition {
  public:
    Condition() = default;
    template <class F>
    Condition(const F& f) // NOLINT: a lambda converts implicitly, as to std::function
        : objet_(&f), appel_([](const void* o) { return static_cast<bool>((*static_cast<const F*>(o))()); }) {
    }

    explicit operator bool() const { return appel_ != nullptr; }
    bool operator()() const { return appel_(objet_); }

  private:
    const void* objet_ = nullptr;
    bool (*appel_)(const void*) = nullptr;
};

} // namespace tlv
