// The four tunes of the collection, written out as scores.
#include <stdexcept>

#include "assets/musique.h"

namespace tlv {

namespace {

// The launcher: a musette waltz in G, accordion over oom-pah-pah, 32 bars.
Partition valselanceur() {
    Partition p;
    p.noiresparminute = 160;
    p.croches = 6;
    p.style = Partition::Style::valse;
    p.chant = Partition::Timbre::anche;
    p.accords = {"G",  "G",  "Em", "Em", "Am", "D7", "G", "D7", "G", "G7", "C",  "Cm", "G",  "D7", "G", "G",
                 "Em", "B7", "Em", "Em", "Am", "D7", "G", "G",  "C", "D7", "Bm", "Em", "Am", "D7", "G", "D7"};
    p.melodie = "B4 2 D5 2 G5 2 | F#5 3 E5 1 D5 2 | E5 2 G5 2 B5 2 | A5 4 G5 2 |"
                "E5 2 A5 2 C6 2 | B5 2 A5 2 F#5 2 | G5 4 D5 2 | C5 2 A4 2 F#4 2 |"
                "G4 2 B4 2 D5 2 | F5 3 E5 1 D5 2 | E5 2 G5 2 C6 2 | Eb5 3 D5 1 C5 2 |"
                "B4 2 D5 2 G5 2 | F#5 2 A5 2 C6 2 | B5 4 A5 1 G5 1 | G5 4 r 2 |"
                "B4 2 E5 2 G5 2 | F#5 3 D#5 1 B4 2 | G5 2 F#5 2 E5 2 | B5 4 r 2 |"
                "C6 2 B5 2 A5 2 | F#5 2 A5 2 D5 2 | G5 4 B4 2 | D5 4 r 2 |"
                "E5 2 G5 2 C6 2 | D6 3 C6 1 A5 2 | B5 2 F#5 2 D5 2 | E5 4 G5 2 |"
                "A5 2 E5 2 C5 2 | D5 2 F#5 2 A5 2 | G5 2 B5 2 D6 2 | C6 2 A5 2 F#5 2";
    return p;
}

} // namespace

Partition morceau(int numero) {
    switch (numero) {
    case 0:
        return valselanceur();
    default:
        throw std::runtime_error("pas de morceau " + std::to_string(numero));
    }
}

} // namespace tlv
