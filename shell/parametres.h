#pragma once
// The two timing settings, one number each in "tlvbelo.ini" (Belote, whole seconds) and
// "tlvmemo.ini" (Memo, tenths of a second) in the score folder.
#include <optional>
#include <string>
#include <string_view>

#include "reglages.h"

namespace tlv {

// Ranges of the timing dialogs' sliders, in seconds.
inline constexpr int tempobelotemin = 2, tempobelotemax = 12;
inline constexpr int tempomemomin = 0, tempomemomax = 5;

// Read at start-up into `tempobelote` / `tempomemo` (seconds). A missing, empty, unreadable or
// out-of-range file is rewritten with the default (4 s, 10 tenths) and the default is used.
void lisparambelote(Reglages& r);
void lisparammemo(Reglages& r);

// Rewrite the files with the current values (Memo in tenths).
Resultat sauveparambelote(const Reglages& r);
Resultat sauveparammemo(const Reglages& r);

// The Memo dialog's slider on opening: `tempomemo` to the nearest whole second, a half going to the
// even number, kept within the slider's range.
int curseurmemo(float tempomemo);
// The Belote dialog's slider on opening: `tempobelote` kept within the slider's range.
int curseurbelote(int tempobelote);
// When a dialog closes, however it was closed: the slider's value becomes the setting and is saved.
Resultat fermeturememo(Reglages& r, int curseur);
Resultat fermeturebelote(Reglages& r, int curseur);

// A number as the settings files print it: a blank before a non-negative number and one after it;
// up to 7 significant digits for a real (" 4 ", " 15 ", " 2.5 ", " .5 ", "-3 ").
std::string imprimenombre(int n);
std::string imprimenombre(float x);
// The number on a settings line, blanks around it allowed; nothing when the line holds anything else.
std::optional<double> lisnombre(std::string_view ligne);

// Nearest whole number, a half going to the even one (1.5 -> 2, 2.5 -> 2, -0.5 -> 0).
double arrondipair(double x);

} // namespace tlv
