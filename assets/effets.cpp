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

} // namespace

bool effetstereo(int numero) {
    return numero == 3 || numero == 6 || numero == 8;
}

Son effet(int numero) {
    Son s;
    switch (numero) {
    case 0:
        s = clic();
        break;
    case 3:
        s = carillon({84, 79, 76, 72}, 0.16f, 1.4f);
        break; // C6 G5 E5 C5: goodbye
    case 6:
        s = carillon({72, 76, 79, 84}, 0.09f, 1.2f);
        break; // C5 E5 G5 C6: welcome
    default:
        throw std::runtime_error("pas d'effet " + std::to_string(numero));
    }
    normalise(s, 0.89f);
    // Cut the reverb tail once it is inaudible (-50 dB), then fade so both ends meet silence.
    size_t fin = s.taille();
    while (fin > 1 && std::abs(s.g[fin - 1]) < 0.0028f && std::abs(s.d[fin - 1]) < 0.0028f) --fin;
    s.g.resize(fin), s.d.resize(fin);
    fondus(s, 0.001f, std::min(0.25f, static_cast<float>(s.taille()) / frequence / 3));
    normalise(s, 0.89f);
    return s;
}

} // namespace tlv
