#pragma once
// What a write tells its caller: done, or why not, as an errno code the message to the player is made of.
// The reason travels with the failure: nothing in between can overwrite it.
#include <cerrno>
#include <optional>
#include <utility>

namespace tlv {

class [[nodiscard]] Resultat {
  public:
    Resultat() = default; // done
    // A failure always has a reason: one the system did not give stands as an input-output error.
    static Resultat echec(int erreur) {
        Resultat r;
        r.erreur_ = erreur > 0 ? erreur : EIO;
        return r;
    }
    bool ok() const { return erreur_ == 0; }
    explicit operator bool() const { return ok(); }
    int erreur() const { return erreur_; } // 0 when done

  private:
    int erreur_ = 0;
};

// A value that a write gives back, or the reason it could not be had.
template <class T> class [[nodiscard]] Valeur {
  public:
    Valeur(T v) : valeur_(std::move(v)) {}
    Valeur(Resultat echec) : resultat_(echec) {} // a failure
    explicit operator bool() const { return valeur_.has_value(); }
    const std::optional<T>& valeur() const { return valeur_; }
    Resultat resultat() const { return resultat_; }

  private:
    std::optional<T> valeur_;
    Resultat resultat_;
};

} // namespace tlv
