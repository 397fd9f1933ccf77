#pragma once
// The window pixels of a clip's frames as sent once: the clip loops, so each frame is sent again from here,
// neither composed nor resampled, while nothing around it changes.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "surface.h"

struct SDL_Surface;

namespace tlv {

class ImagesGardees {
  public:
    // Beyond this, frames are sent as they come without being kept (a loop that does not fit is kept in
    // part: the frames kept first stay).
    static constexpr std::size_t Budget = std::size_t{16} << 20;
    explicit ImagesGardees(std::size_t budget = Budget) : budget_(budget) {}

    // The frames of `zone` (screen pixels) shown at `d` (window pixels) of `s`: keeps `d` under `cle`.
    // Frames of another zone or window are forgotten first.
    void garde(std::uint64_t cle, const Rect& zone, const SDL_Surface& s, const Rect& d);
    // Writes the frame kept under `cle` for `zone` back into `s`; its rectangle, empty when there is none.
    Rect remet(std::uint64_t cle, const Rect& zone, SDL_Surface& s) const;
    // Something else changed window pixels `d`: frames showing any of them are stale.
    void touche(const Rect& d);
    void oublie();
    std::size_t octets() const { return octets_; }
    std::size_t nombre() const { return images_.size(); }

  private:
    bool meme_fenetre(const SDL_Surface& s) const;
    std::size_t budget_;
    Rect zone_{}, d_{};
    int sw_ = 0, sh_ = 0;
    std::uint32_t format_ = 0;
    std::unordered_map<std::uint64_t, std::vector<std::uint8_t>> images_;
    std::size_t octets_ = 0;
};

} // namespace tlv
