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

// Belote: a bistro swing in F, piano over a walking bass, 20 bars.
Partition swingbelote() {
    Partition p;
    p.noiresparminute = 120;
    p.croches = 8;
    p.style = Partition::Style::sautillant;
    p.chant = Partition::Timbre::piano;
    p.accords = {"F",   "Dm7", "Gm7", "C7", "F",  "F7", "Bb", "Bbm", "F",  "D7",
                 "Gm7", "C7",  "Am7", "D7", "G7", "C7", "F",  "Dm7", "G7", "C7"};
    p.melodie = "A4 2 C5 2 F5 3 E5 1 | D5 2 F5 2 A5 4 | G5 3 F5 1 D5 2 Bb4 2 | C5 2 E5 2 G5 2 Bb5 2 |"
                "A5 4 G5 2 F5 2 | Eb5 2 F5 2 A5 2 C6 2 | D6 3 C6 1 Bb5 2 F5 2 | Db5 2 F5 2 Bb5 4 |"
                "A5 2 G5 2 F5 2 C5 2 | F#5 2 A5 2 C6 2 A5 2 | Bb5 3 A5 1 G5 2 D5 2 | E5 2 G5 2 Bb5 2 G5 2 |"
                "C6 3 B5 1 A5 2 E5 2 | F#5 2 A5 2 D6 4 | B5 2 A5 2 G5 2 F5 2 | E5 4 r 2 C5 2 |"
                "F5 2 A5 2 C6 2 A5 2 | F5 2 D5 2 A4 4 | B4 2 D5 2 F5 2 G5 2 | E5 2 C5 2 Bb4 2 G4 2";
    return p;
}

// Memo: a slow ballad in D minor, bells over a soft pad and a plucked arpeggio, 12 bars.
Partition baladememo() {
    Partition p;
    p.noiresparminute = 84;
    p.croches = 8;
    p.style = Partition::Style::balade;
    p.chant = Partition::Timbre::cloche;
    p.accords = {"Dm", "Bb", "F", "C", "Gm", "Dm", "A7", "Dm", "F", "C", "Bb", "A7"};
    p.melodie = "r 2 A5 2 F5 2 D5 2 | F5 4 D5 2 Bb4 2 | C5 6 A4 2 | E5 4 G5 4 |"
                "Bb5 4 A5 2 G5 2 | F5 6 r 2 | E5 2 G5 2 C#6 4 | D6 6 r 2 |"
                "C6 2 A5 2 F5 4 | G5 2 E5 2 C5 4 | D5 2 F5 2 Bb5 4 | A5 4 G5 2 E5 2";
    return p;
}

// Quadrel: a brisk plucked tune in A minor over a bouncing bass, 18 bars.
Partition airquadrel() {
    Partition p;
    p.noiresparminute = 132;
    p.croches = 8;
    p.style = Partition::Style::sautillant;
    p.chant = Partition::Timbre::pince;
    p.accords = {"Am", "Am", "Dm", "E7", "Am", "C", "G", "E7", "F",
                 "G",  "C",  "Am", "Dm", "G",  "C", "F", "Dm", "E7"};
    p.melodie = "E5 1 A5 1 C6 1 A5 1 E5 2 A4 2 | C5 1 E5 1 A5 2 G5 2 E5 2 | F5 1 A5 1 D6 2 C6 2 A5 2 |"
                "G#5 2 B5 2 E5 2 D5 2 | C5 1 E5 1 A5 1 B5 1 C6 2 A5 2 | G5 2 E5 2 C5 2 E5 2 |"
                "D5 1 G5 1 B5 2 D6 2 B5 2 | G#5 2 E5 2 B4 2 D5 2 | C5 1 F5 1 A5 2 C6 2 A5 2 |"
                "B5 2 G5 2 D5 2 G5 2 | E5 1 G5 1 C6 2 E6 2 C6 2 | A5 4 E5 2 C5 2 | D5 1 F5 1 A5 2 F5 2 D5 2 |"
                "B4 2 D5 2 G5 2 B5 2 | C6 2 G5 2 E5 2 G5 2 | A5 2 F5 2 C5 2 F5 2 | D5 2 F5 2 A5 2 D6 2 |"
                "B5 2 G#5 2 E5 2 D5 2";
    return p;
}

} // namespace

Partition morceau(int numero) {
    switch (numero) {
    case 0:
        return valselanceur();
    case 1:
        return swingbelote();
    case 2:
        return baladememo();
    case 3:
        return airquadrel();
    default:
        throw std::runtime_error("pas de morceau " + std::to_string(numero));
    }
}

} // namespace tlv
