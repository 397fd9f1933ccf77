// The seat voices: every word for every seat, trimmed, level-matched, and four distinct speakers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

const char* const mots[] = {"passe", "prend",  "apique", "acarro", "atrefle", "acoeur", "belote",
                            "rebel", "tierce", "cinq",   "cent",   "carre",   "coupe",  "atout",
                            "pique", "carro",  "trefle", "coeur",  "dixder"};

// Fundamental of a 40 ms window by the YIN difference function (first dip under 0.25), 0 when unvoiced.
double hauteurfenetre(const Wav& s, size_t debut, size_t fen) {
    int pmin = s.frequence / 400, pmax = s.frequence / 60;
    std::vector<double> d(static_cast<size_t>(pmax) + 2, 0.0), v(d.size(), 1.0);
    for (int p = 1; p <= pmax + 1; ++p)
        for (size_t i = debut; i < debut + fen && i + p < s.echantillons.size(); ++i) {
            double e = static_cast<double>(s.echantillons[i]) - s.echantillons[i + p];
            d[static_cast<size_t>(p)] += e * e;
        }
    double cumul = 0;
    for (int p = 1; p <= pmax + 1; ++p) {
        cumul += d[static_cast<size_t>(p)];
        if (cumul > 0) v[static_cast<size_t>(p)] = d[static_cast<size_t>(p)] * p / cumul;
    }
    for (int p = std::max(2, pmin); p <= pmax; ++p) {
        auto k = static_cast<size_t>(p);
        if (v[k] < 0.25 && v[k] < v[k - 1] && v[k] <= v[k + 1]) return static_cast<double>(s.frequence) / p;
    }
    return 0;
}

// Median pitch over the loud voiced windows of a word.
double hauteur(const Wav& s) {
    size_t fen = static_cast<size_t>(s.frequence) / 25, pas = fen / 4;
    double emax = 0;
    std::vector<std::pair<double, size_t>> fen_e;
    for (size_t d = 0; d + fen < s.echantillons.size(); d += pas) {
        double e = 0;
        for (size_t i = d; i < d + fen; ++i) e += static_cast<double>(s.echantillons[i]) * s.echantillons[i];
        fen_e.push_back({e, d});
        emax = std::max(emax, e);
    }
    std::vector<double> h;
    for (auto [e, d] : fen_e)
        if (e > 0.3 * emax)
            if (double f = hauteurfenetre(s, d, fen); f > 0) h.push_back(f);
    if (h.empty()) return 0;
    std::sort(h.begin(), h.end());
    return h[h.size() / 2];
}

class Voix : public ::testing::TestWithParam<const char*> {};

TEST_P(Voix, FourSeatsTrimmedToTheSameLevel) {
    for (int place = 0; place < 4; ++place) {
        const std::string nom = std::string("voix.fr/") + GetParam() + std::to_string(place) + ".wav";
        Wav s;
        ASSERT_TRUE(liswav(nom, s)) << nom;
        EXPECT_EQ(s.canaux, 1);
        son_propre(s, 0.15, 1.6, nom);
        // Silence trimmed: the word starts within 40 ms.
        size_t debut = 0;
        while (debut < s.echantillons.size() && std::abs(s.echantillons[debut]) < 655) ++debut;
        EXPECT_LT(static_cast<double>(debut) / s.frequence, 0.04) << nom;
    }
}

INSTANTIATE_TEST_SUITE_P(Mots, Voix, ::testing::ValuesIn(mots));

TEST(Voix, FourDistinctVoices) {
    // Compare the speakers on a few words: their pitches stay apart.
    for (const char* mot : {"atout", "coeur", "belote"}) {
        std::vector<double> h;
        for (int place = 0; place < 4; ++place) {
            Wav s;
            ASSERT_TRUE(liswav(std::string("voix.fr/") + mot + std::to_string(place) + ".wav", s));
            h.push_back(hauteur(s));
        }
        std::sort(h.begin(), h.end());
        for (size_t i = 1; i < h.size(); ++i)
            EXPECT_GT(h[i] / h[i - 1], 1.07) << mot << " " << h[i - 1] << " " << h[i];
    }
}

} // namespace
} // namespace tlv::essai
