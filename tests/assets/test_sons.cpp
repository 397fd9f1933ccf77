// The sounds: effects and voices read back as 16-bit WAV, the music decoded by vorbisfile, each short or
// long as it should be, starting and ending at silence, at the shared level, and looping without a jump.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

struct Wav {
    int canaux = 0, frequence = 0;
    std::vector<int16_t> echantillons; // interleaved
    size_t trames() const { return canaux ? echantillons.size() / canaux : 0; }
};

// The generator writes the plain 44-byte header of 16-bit PCM, "fmt " then "data" up to the file's end.
bool liswav(const std::string& chemin, Wav& son) {
    const std::string s = litfichier(chemin);
    const auto u = [&s](size_t i, int n) {
        uint32_t v = 0;
        for (int k = n - 1; k >= 0; --k) v = v << 8 | static_cast<uint8_t>(s[i + static_cast<size_t>(k)]);
        return v;
    };
    if (s.size() < 44 || s.compare(0, 4, "RIFF") || s.compare(8, 8, "WAVEfmt ") || s.compare(36, 4, "data") ||
        u(20, 2) != 1 || u(34, 2) != 16 || u(40, 4) != s.size() - 44)
        return false;
    son.canaux = static_cast<int>(u(22, 2));
    son.frequence = static_cast<int>(u(24, 4));
    son.echantillons.resize((s.size() - 44) / 2);
    std::memcpy(son.echantillons.data(), s.data() + 44, son.echantillons.size() * 2);
    return true;
}

// Checks a sound the game plays: its rate and length, starting and ending at silence (no click), the
// sounding part at the level every effect and voice shares.
void son_propre(const Wav& s, double duree_min, double duree_max, const std::string& nom) {
    SCOPED_TRACE(nom);
    EXPECT_TRUE(s.frequence == 22050 || s.frequence == 44100);
    const double duree = static_cast<double>(s.trames()) / s.frequence;
    EXPECT_GT(duree, duree_min);
    EXPECT_LT(duree, duree_max);
    for (int c = 0; c < s.canaux; ++c) {
        EXPECT_LT(std::abs(s.echantillons[static_cast<size_t>(c)]), 300);
        EXPECT_LT(std::abs(s.echantillons[s.echantillons.size() - static_cast<size_t>(s.canaux - c)]), 300);
    }
    double somme = 0;
    size_t n = 0;
    for (int16_t v : s.echantillons)
        if (std::abs(v) > 327) somme += static_cast<double>(v) * v, ++n;
    const double rms = std::sqrt(somme / static_cast<double>(std::max<size_t>(1, n))) / 32767;
    EXPECT_GT(rms, 0.1);
    EXPECT_LT(rms, 0.22);
}

struct Ogg {
    int canaux = 0, frequence = 0;
    std::vector<float> gauche; // first channel, decoded
};
bool lisogg(const std::string& chemin, Ogg& son) {
    OggVorbis_File vf;
    if (ov_fopen(chemin.c_str(), &vf) != 0) return false;
    vorbis_info* vi = ov_info(&vf, -1);
    son.canaux = vi->channels;
    son.frequence = static_cast<int>(vi->rate);
    float** pcm;
    int section;
    long n;
    while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0)
        son.gauche.insert(son.gauche.end(), pcm[0], pcm[0] + n);
    ov_clear(&vf);
    return n == 0;
}

class Effet : public ::testing::TestWithParam<const char*> {};

TEST_P(Effet, ShortCleanAndNormalised) {
    Wav s;
    ASSERT_TRUE(liswav(GetParam(), s)) << GetParam();
    EXPECT_TRUE(s.canaux == 1 || s.canaux == 2);
    son_propre(s, 0.03, 2.5, GetParam());
    // Peaks under -1 dB.
    int crete = 0;
    for (int16_t v : s.echantillons) crete = std::max(crete, std::abs(static_cast<int>(v)));
    EXPECT_GT(crete, 11000) << "trop faible";
    EXPECT_LE(crete, 29300) << "trop fort";
}

INSTANTIATE_TEST_SUITE_P(Effets, Effet,
                         ::testing::Values("cartew00", "cartew01", "cartew02", "cartew03", "cartew04",
                                           "cartew05", "cartew06", "cartew07", "cartew08", "cartew09"));

class Musique : public ::testing::TestWithParam<const char*> {};

TEST_P(Musique, OggOver30sThatLoopsWithoutAJump) {
    Ogg s;
    ASSERT_TRUE(lisogg(GetParam(), s));
    ASSERT_GT(s.frequence, 0);
    EXPECT_GE(static_cast<double>(s.gauche.size()) / s.frequence, 30.0);
    // The step from the last sample to the first is no larger than the music's own steps.
    std::vector<float> pas;
    for (size_t i = 1; i < s.gauche.size(); ++i) pas.push_back(std::abs(s.gauche[i] - s.gauche[i - 1]));
    std::sort(pas.begin(), pas.end());
    float p999 = pas[pas.size() * 999 / 1000];
    EXPECT_LE(std::abs(s.gauche.front() - s.gauche.back()), p999);
}

INSTANTIATE_TEST_SUITE_P(Airs, Musique, ::testing::Values("cartem00", "cartem01", "cartem02", "cartem03"));

const char* const mots[] = {"passe", "prend",  "apique", "acarro", "atrefle", "acoeur", "belote",
                            "rebel", "tierce", "cinq",   "cent",   "carre",   "coupe",  "atout",
                            "pique", "carro",  "trefle", "coeur",  "dixder"};

// A word's pitch: in its loudest 40 ms, the shortest period whose autocorrelation comes near the best one
// (a multiple of the period matches as well).
double hauteur(const Wav& s) {
    const auto& x = s.echantillons;
    const auto f = static_cast<size_t>(s.frequence), fen = f / 25, pmin = f / 400, pmax = f / 60;
    size_t debut = 0;
    double emax = 0;
    for (size_t d = 0; d + fen + pmax + 1 < x.size(); d += fen / 4) {
        double e = 0;
        for (size_t i = d; i < d + fen; ++i) e += static_cast<double>(x[i]) * x[i];
        if (e > emax) emax = e, debut = d;
    }
    std::vector<double> r(pmax + 2, 0.0);
    for (size_t p = pmin; p <= pmax + 1; ++p) {
        double xy = 0, yy = 0;
        for (size_t i = debut; i < debut + fen; ++i)
            xy += static_cast<double>(x[i]) * x[i + p], yy += static_cast<double>(x[i + p]) * x[i + p];
        r[p] = xy / std::sqrt(emax * yy + 1);
    }
    const double meilleur = *std::max_element(r.begin() + static_cast<std::ptrdiff_t>(pmin), r.end());
    for (size_t p = pmin + 1; p <= pmax; ++p)
        if (r[p] > 0.9 * meilleur && r[p] >= r[p - 1] && r[p] >= r[p + 1]) return static_cast<double>(f) / p;
    return 0;
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
