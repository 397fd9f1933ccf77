// Sound: float sample buffers, a few synthesis voices, and 16-bit PCM WAV output.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tlv {

inline constexpr int frequence = 44100;

// Stereo buffer, samples in -1..1.
struct Son {
    std::vector<float> g, d;
    explicit Son(size_t n = 0) : g(n, 0.f), d(n, 0.f) {}
    size_t taille() const { return g.size(); }
    void agrandit(size_t n) {
        if (n > g.size()) g.resize(n, 0.f), d.resize(n, 0.f);
    }
};

// Adds a mono signal at sample `debut` with a stereo position in -1 (left) .. 1 (right).
void ajoute(Son& s, const std::vector<float>& m, size_t debut, float gain, float panoramique = 0);

// Synthesis voices, each returns a mono note of `duree` seconds (release included).
// A soft electric-piano like tone (FM), a bell, a plucked string, a warm pad, a soft bass.
std::vector<float> piano(float hz, float duree, float force = 1);
std::vector<float> cloche(float hz, float duree, float force = 1);
std::vector<float> pince(float hz, float duree, float force = 1);
std::vector<float> nappe(float hz, float duree, float force = 1);
std::vector<float> basse(float hz, float duree, float force = 1);
// Accordion-like reeds: three detuned saws (the musette beat), filtered, with a short swell.
std::vector<float> anche(float hz, float duree, float force = 1);
// Brass-like: saws whose filter opens on the attack.
std::vector<float> cuivre(float hz, float duree, float force = 1);
// Band-passed noise burst (card slides, shuffles), deterministic.
std::vector<float> souffle(float duree, float centre, float largeur, uint32_t graine);

// Frequency of a MIDI note.
float note(int midi);

// A simple stereo reverb (comb and all-pass network), wet mixed in.
void reverbere(Son& s, float mouille, float taille = 1.f);
// Scales so the peak reaches `crete`, and fades the first and last `fondu` seconds.
void normalise(Son& s, float crete = 0.89f);
void fondus(Son& s, float entree, float sortie);

// Writes 16-bit PCM WAV, stereo or (mono) the left channel only; `hz` is the rate the samples were made at.
void ecritwav(const std::string& chemin, const Son& s, bool stereo, int hz = frequence);

} // namespace tlv
