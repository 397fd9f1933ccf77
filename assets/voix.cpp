#include "assets/voix.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "assets/effets.h"
#include "assets/son.h"
#include "socle/carte.h"

extern char** environ;

namespace tlv {

const std::vector<Mot>& motsdutable() {
    static const std::vector<Mot> m = [] {
        std::vector<Mot> v = {{"passe", "passe"}, {"prend", "prend"}};
        for (std::size_t s = 1; s <= 4; ++s)
            v.push_back({std::string("a") + VoixCouleurs[s], std::string("à ") + NomsCouleurs[s]});
        const std::vector<Mot> suite = {
            {"belote", "belote"}, {"rebel", "rebelote"}, {"tierce", "tierce"}, {"cinq", "cinquante"},
            {"cent", "cent"},     {"carre", "carré"},    {"coupe", "coupe"},   {"atout", "atout"},
        };
        v.insert(v.end(), suite.begin(), suite.end());
        for (std::size_t s = 1; s <= 4; ++s) v.push_back({VoixCouleurs[s], NomsCouleurs[s]});
        // Written "dix de der", espeak-ng says /di/; the game says /dis/.
        v.push_back({"dixder", "disse de der"});
        return v;
    }();
    return m;
}

namespace {

struct Timbre {
    const char* variante;
    int hauteur, vitesse;
};
// Four clearly different speakers: Sud, Est, Nord, Ouest.
const Timbre timbres[4] = {{"m3", 48, 150}, {"f3", 60, 165}, {"m7", 30, 138}, {"f5", 78, 158}};

void lance(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    int etat = 0;
    if (posix_spawnp(&pid, args[0].c_str(), nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &etat, 0) < 0 || !WIFEXITED(etat) || WEXITSTATUS(etat) != 0)
        throw std::runtime_error(args[0] + " a échoué (paquet espeak-ng installé ?)");
}

// Reads espeak-ng's mono 16-bit output into the left channel; the rate is returned.
Son liswav(const std::string& chemin, int& hz) {
    std::ifstream f(chemin, std::ios::binary);
    std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    auto u32 = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<uint8_t>(b[i]) | static_cast<uint8_t>(b[i + 1]) << 8 |
                                     static_cast<uint8_t>(b[i + 2]) << 16 |
                                     static_cast<uint8_t>(b[i + 3]) << 24);
    };
    if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 4, "WAVE"))
        throw std::runtime_error("voix illisible");
    size_t i = 12;
    hz = 0;
    while (i + 8 <= b.size()) {
        uint32_t n = u32(i + 4);
        if (!b.compare(i, 4, "fmt ")) hz = static_cast<int>(u32(i + 12));
        if (!b.compare(i, 4, "data")) {
            size_t fin = std::min(b.size(), i + 8 + static_cast<size_t>(n));
            Son s;
            for (size_t k = i + 8; k + 1 < fin; k += 2) {
                auto v =
                    static_cast<int16_t>(static_cast<uint8_t>(b[k]) | static_cast<uint8_t>(b[k + 1]) << 8);
                s.g.push_back(v / 32768.f);
            }
            s.d = s.g;
            return s;
        }
        i += 8 + n;
    }
    throw std::runtime_error("voix sans données");
}

// Cuts the silence around the word, keeping 20 ms of air, and fades both ends.
void rogne(Son& s, int hz) {
    size_t a = 0, b = s.taille();
    while (a < b && std::abs(s.g[a]) < 0.02f) ++a;
    while (b > a && std::abs(s.g[b - 1]) < 0.02f) --b;
    size_t marge = static_cast<size_t>(hz / 50);
    a = a > marge ? a - marge : 0;
    b = std::min(s.taille(), b + marge);
    s.g = std::vector<float>(s.g.begin() + static_cast<long>(a), s.g.begin() + static_cast<long>(b));
    s.d = s.g;
    size_t f = static_cast<size_t>(hz / 200);
    for (size_t k = 0; k < f && k < s.taille(); ++k) {
        float w = static_cast<float>(k) / f;
        s.g[k] *= w, s.g[s.taille() - 1 - k] *= w;
    }
    s.d = s.g;
}

} // namespace

void voixduneplace(const std::string& dossier, int place) {
    std::string sous = dossier + "/voix.fr";
    std::filesystem::create_directories(sous);
    const Timbre& t = timbres[place];
    for (const Mot& m : motsdutable()) {
        std::string cible = sous + "/" + m.fichier + std::to_string(place) + ".wav";
        std::string brut = cible + ".brut";
        lance({"espeak-ng", "-v", std::string("fr+") + t.variante, "-p", std::to_string(t.hauteur), "-s",
               std::to_string(t.vitesse), "-w", brut, m.dit});
        int hz = 0;
        Son s = liswav(brut, hz);
        std::filesystem::remove(brut);
        rogne(s, hz);
        niveau(s);
        ecritwav(cible, s, false, hz);
    }
}

} // namespace tlv
