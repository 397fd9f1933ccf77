// The tunes: written as chords and melodies, rendered by our synthesis, looped seamlessly, encoded with
// oggenc.
#pragma once
#include <string>
#include <vector>

#include "assets/son.h"

namespace tlv {

// One tune as a score: tempo, bar length, chords (one a bar) and a melody line.
struct Partition {
    float noiresparminute = 120;
    int croches = 8;                  // eighth notes in a bar
    std::vector<std::string> accords; // one chord a bar: "G", "Em", "D7", "Cm", "Bb", "F#m7"...
    std::string melodie;              // "B4 2 D5 2 r 2 | ..." notes with durations in eighths
    enum class Style { valse, balade, sautillant } style = Style::valse;
    enum class Timbre { anche, piano, cloche, pince } chant = Timbre::anche;
};

// The MIDI notes of a chord name, root in octave 3 (C3 = 48).
std::vector<int> accord(const std::string& nom);
// Parses a melody into (midi or -1 for a rest, eighths) pairs.
std::vector<std::pair<int, int>> notes(const std::string& melodie);

// Renders the score; the tail past the last bar is folded onto the start, so the loop has no seam.
Son joue(const Partition& p);

// The launcher tune and the three game tunes.
Partition morceau(int numero);

// Encodes to Ogg Vorbis with oggenc (vorbis-tools) with a fixed stream serial, so the bytes are reproducible.
void ecritogg(const std::string& chemin, const Son& s, int serie);

} // namespace tlv
