#pragma once
// A timer control: calls its action every `intervalle` ms while enabled, from the event loop.
#include <cstdint>
#include <functional>

namespace tlv {

class Plateforme;

class Minuterie {
  public:
    Minuterie(Plateforme& pf, int intervalle_ms, std::function<void()> action);
    ~Minuterie();
    Minuterie(const Minuterie&) = delete;
    Minuterie& operator=(const Minuterie&) = delete;

    void active(bool oui);
    bool active() const { return actif_; }
    void intervalle(int ms) { intervalle_ = ms > 0 ? ms : 1; }

    // For the loop.
    std::int64_t echeance() const { return echeance_; }
    void declenche(std::int64_t maintenant);

  private:
    Plateforme& pf_;
    int intervalle_;
    std::function<void()> action_;
    bool actif_ = false;
    bool en_cours_ = false;
    std::int64_t echeance_ = 0;
};

} // namespace tlv
