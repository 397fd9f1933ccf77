#pragma once
// The screens shown, bottom to top: the loop routes input to the top one, the composition draws them all.
#include <vector>

#include "rect.h"

namespace tlv {

class Calque;

class PileCalques {
  public:
    void empile(Calque& c) { calques_.push_back(&c); }
    void retire(const Calque& c);
    Calque* dessus() const { return calques_.empty() ? nullptr : calques_.back(); }
    bool vide() const { return calques_.empty(); }
    const std::vector<Calque*>& calques() const { return calques_; }
    // A screen shown above `c` hides all of `r` (screen pixels).
    bool recouvert(const Calque& c, const Rect& r) const;

  private:
    std::vector<Calque*> calques_;
};

} // namespace tlv
