#include "assets/effets.h"

#include <cmath>
#include <stdexcept>

namespace tlv {

namespace {

size_t ech(float s) {
    return static_cast<size_t>(s * frequence);
}

// A soft wooden click: a short pitched knock plus a breath of noise.
Son clic() {
    Son s;
    std::vector<float> k(ech(0.09f));
    for (size_t i = 0; i < k.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        k[i] = (std::sin(2 * 3.14159265f * 1320 * t) * 0.8f + std::sin(2 * 3.14159265f * 2650 * t) * 0.3f) *
               std::exp(-t * 70) * std::min(1.f, t * 2000);
    }
    ajoute(s, k, 0, 0.8f);
    auto n = souffle(0.03f, 3800, 2500, 5);
    for (size_t i = 0; i < n.size(); ++i) n[i] *= std::exp(-static_cast<float>(i) / frequence * 180);
    ajoute(s, n, 0, 0.5f);
    return s;
}

// Bell arpeggio; `montant` rises (welcome) or falls (farewell).
Son carillon(const std::vector<int>& suite, float ecart, float duree) {
    Son s;
    for (size_t i = 0; i < suite.size(); ++i)
        ajoute(s, cloche(note(suite[i]), duree, 0.9f - 0.08f * i), ech(ecart * i), 0.3f,
               -0.4f + 0.8f * i / std::max<size_t>(1, suite.size() - 1));
    // A soft low note under the last one gives the chord body.
    ajoute(s, piano(note(suite.back() - 24), duree * 0.8f, 0.6f), ech(ecart * (suite.size() - 1)), 0.2f);
    reverbere(s, 0.25f, 0.9f);
    return s;
}

// A card snapped onto the cloth: a short bright swish, then a soft thump.
Son carte(float duree, float centre, uint32_t graine, float coup) {
    Son s;
    auto n = souffle(duree, centre, centre * 0.8f, graine);
    for (size_t i = 0; i < n.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        n[i] *= std::min(1.f, t * 400) * std::exp(-t * 6 / duree);
    }
    ajoute(s, n, 0, 1.2f);
    std::vector<float> b(ech(0.08f));
    for (size_t i = 0; i < b.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        b[i] =
            std::sin(2 * 3.14159265f * 140 * t * (1 - t * 3)) * std::exp(-t * 45) * std::min(1.f, t * 1500);
    }
    ajoute(s, b, ech(duree * 0.55f), coup);
    return s;
}

// A card sliding across the cloth: noise whose band sweeps up then down.
Son glisse() {
    Son s;
    const float duree = 0.42f;
    std::vector<float> g(ech(duree));
    for (int bout = 0; bout < 3; ++bout) {
        auto n = souffle(duree, 1800.f + 900.f * bout, 1600, 21 + bout);
        for (size_t i = 0; i < g.size(); ++i) {
            float t = static_cast<float>(i) / frequence / duree;
            float env = std::sin(3.14159265f * t) * std::sin(3.14159265f * t) * (1 + 0.3f * std::sin(40 * t));
            float poids = bout == 1 ? 1.f : 0.5f * (bout == 0 ? 1 - t : t);
            g[i] += n[i] * env * poids;
        }
    }
    ajoute(s, g, 0, 1);
    return s;
}

// Two soft marimba notes.
Son deuxnotes(int a, int b, float ecart) {
    Son s;
    ajoute(s, piano(note(a), 0.35f, 0.9f), 0, 0.5f);
    ajoute(s, piano(note(b), 0.45f, 0.9f), ech(ecart), 0.5f);
    reverbere(s, 0.1f, 0.6f);
    return s;
}

// Time is up: three falling bell strokes over a low gong.
Son tempsecoule() {
    Son s;
    for (int i = 0; i < 3; ++i) ajoute(s, cloche(note(81 - 5 * i), 0.7f, 0.9f), ech(0.16f * i), 0.28f);
    ajoute(s, cloche(note(45), 1.3f, 1.f), 0, 0.3f);
    reverbere(s, 0.2f, 0.8f);
    return s;
}

// Score fanfare: a brass arpeggio up to a held chord.
Son fanfare() {
    Son s;
    const int montee[4] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i)
        ajoute(s, cuivre(note(montee[i]), 0.2f, 0.9f), ech(0.12f * i), 0.28f, -0.3f + 0.2f * i);
    for (int n : {60, 64, 67, 72, 76})
        ajoute(s, cuivre(note(n), 0.9f, 0.8f), ech(0.5f), 0.16f, (n % 5 - 2) * 0.2f);
    ajoute(s, cloche(note(84), 1.f, 0.8f), ech(0.5f), 0.15f);
    reverbere(s, 0.2f, 0.9f);
    return s;
}

// Refusal: two short low buzzes.
Son refus() {
    Son s;
    for (int i = 0; i < 2; ++i) {
        std::vector<float> v(ech(0.11f));
        for (size_t k = 0; k < v.size(); ++k) {
            float t = static_cast<float>(k) / frequence;
            float x = std::sin(2 * 3.14159265f * 196 * t);
            v[k] = (x + 0.4f * std::sin(2 * 3.14159265f * 392 * t) +
                    0.2f * std::sin(2 * 3.14159265f * 294 * t)) *
                   std::min(1.f, t * 300) * std::min(1.f, (0.11f - t) * 120);
        }
        ajoute(s, v, ech(0.15f * i), 0.5f);
    }
    return s;
}

} // namespace

void niveau(Son& s) {
    // Loudness matched on the sounding part (RMS where the signal is above -40 dB), peaks kept under -1 dB.
    double somme = 0, crete = 1e-9;
    size_t n = 0;
    for (size_t i = 0; i < s.taille(); ++i) {
        double v = std::max(std::abs(s.g[i]), std::abs(s.d[i]));
        crete = std::max(crete, v);
        if (v > 0.01) somme += v * v, ++n;
    }
    double rms = n ? std::sqrt(somme / n) : 1;
    float k = static_cast<float>(std::min(0.89 / crete, niveaueffets / rms));
    for (size_t i = 0; i < s.taille(); ++i) s.g[i] *= k, s.d[i] *= k;
}

bool effetstereo(int numero) {
    return numero == 3 || numero == 6 || numero == 8;
}

Son effet(int numero) {
    Son s;
    switch (numero) {
    case 0:
        s = clic();
        break; // menu choice
    case 1:
        s = carte(0.09f, 4200, 11, 0.35f);
        break; // dealing, last trick shown
    case 2:
        s = deuxnotes(67, 72, 0.09f);
        break; // a try starts
    case 3:
        s = carillon({84, 79, 76, 72}, 0.16f, 1.4f);
        break; // C6 G5 E5 C5: goodbye
    case 4:
        s = tempsecoule();
        break; // Quadrel time up
    case 5:
        s = glisse();
        break; // the turned card slides
    case 6:
        s = carillon({72, 76, 79, 84}, 0.09f, 1.2f);
        break; // C5 E5 G5 C6: welcome
    case 7:
        s = carte(0.07f, 2600, 17, 0.7f);
        break; // a card is played
    case 8:
        s = fanfare();
        break; // score table
    case 9:
        s = refus();
        break; // refused card
    default:
        throw std::runtime_error("pas d'effet " + std::to_string(numero));
    }
    normalise(s, 0.89f);
    // Cut the reverb tail once it is inaudible (-50 dB), then fade so both ends meet silence.
    size_t fin = s.taille();
    while (fin > 1 && std::abs(s.g[fin - 1]) < 0.0028f && std::abs(s.d[fin - 1]) < 0.0028f) --fin;
    s.g.resize(fin), s.d.resize(fin);
    fondus(s, 0.001f, std::min(0.25f, static_cast<float>(s.taille()) / frequence / 3));
    niveau(s);
    return s;
}

} // namespace tlv
