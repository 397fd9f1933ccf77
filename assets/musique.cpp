#include "assets/musique.h"

#include "assets/fichier.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tlv {

namespace {

int hauteur(const std::string& nom, size_t& i) {
    static const int degres[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int n = degres[nom[i] - 'A'];
    ++i;
    if (i < nom.size() && nom[i] == '#')
        n += 1, ++i;
    else if (i < nom.size() && nom[i] == 'b')
        n -= 1, ++i;
    return n;
}

size_t echantillon(double s) {
    return static_cast<size_t>(std::llround(s * frequence));
}

// A soft brush stroke on a snare: high noise with a quick decay.
std::vector<float> balai(uint32_t graine) {
    std::vector<float> n = souffle(0.09f, 6500, 6000, graine + 900);
    for (size_t i = 0; i < n.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        n[i] *= std::min(1.f, t * 800) * std::exp(-t * 45);
    }
    return n;
}

} // namespace

std::vector<int> accord(const std::string& nom) {
    size_t i = 0;
    int racine = 48 + hauteur(nom, i);
    std::string q = nom.substr(i);
    bool mineur = !q.empty() && q[0] == 'm' && q.rfind("maj", 0) != 0;
    std::vector<int> r = {racine, racine + (mineur ? 3 : 4), racine + 7};
    if (q.find("maj7") != std::string::npos)
        r.push_back(racine + 11);
    else if (q.find('7') != std::string::npos)
        r.push_back(racine + 10);
    if (q.find('6') != std::string::npos) r.push_back(racine + 9);
    return r;
}

std::vector<std::pair<int, int>> notes(const std::string& melodie) {
    std::vector<std::pair<int, int>> r;
    std::string texte = melodie;
    for (char& c : texte)
        if (c == '|') c = ' '; // bar lines are only for the reader
    std::istringstream in(texte);
    std::string n, d;
    while (in >> n) {
        if (!(in >> d)) throw std::runtime_error("mélodie incomplète: " + melodie);
        int midi = -1;
        if (n != "r") {
            size_t i = 0;
            int h = hauteur(n, i);
            midi = 12 * (std::stoi(n.substr(i)) + 1) + h;
        }
        r.push_back({midi, std::stoi(d)});
    }
    return r;
}

namespace {

// Bar `b` of the accompaniment, in the partition's style.
void accompagne(Son& s, const Partition& p, size_t b, double croche) {
    const double mesure = croche * p.croches;
    auto acc = accord(p.accords[b]);
    double t0 = b * mesure;
    int racine = acc[0] - 12, quinte = acc[0] - 5;
    bool alterne = b % 2 == 1;
    switch (p.style) {
    case Partition::Style::valse: // bass on one, chord on two and three
        ajoute(s, basse(note(alterne ? quinte : racine), static_cast<float>(croche * 2.2), 0.9f),
               echantillon(t0), 0.42f, -0.1f);
        for (int temps : {2, 4})
            for (size_t k = 1; k < acc.size(); ++k)
                ajoute(s, piano(note(acc[k] + 12 * (acc[k] < 55)), static_cast<float>(croche * 1.6), 0.5f),
                       echantillon(t0 + temps * croche), 0.11f, 0.25f);
        break;
    case Partition::Style::balade: // soft pad held over the bar, bass on one and three, broken chord
        for (int k : acc)
            ajoute(s, nappe(note(k + 12), static_cast<float>(mesure + 0.3), 0.6f), echantillon(t0), 0.09f,
                   k % 2 ? 0.4f : -0.4f);
        ajoute(s, basse(note(racine), static_cast<float>(croche * 3.5), 0.9f), echantillon(t0), 0.4f);
        ajoute(s, basse(note(quinte), static_cast<float>(croche * 3.5), 0.8f), echantillon(t0 + 4 * croche),
               0.36f);
        for (int c = 0; c < p.croches; c += 2)
            ajoute(s, pince(note(acc[(c / 2) % acc.size()] + 12), static_cast<float>(croche * 3), 0.6f),
                   echantillon(t0 + (c + 1) * croche), 0.16f, 0.3f);
        break;
    case Partition::Style::sautillant: // bass walking on the beats, off-beat chords
        for (int c = 0; c < p.croches; c += 2) {
            int n = (c / 2) % 2 ? quinte : racine;
            ajoute(s, basse(note(n), static_cast<float>(croche * 1.6), 0.9f), echantillon(t0 + c * croche),
                   0.4f);
            for (size_t k = 0; k < acc.size(); ++k)
                ajoute(s, piano(note(acc[k] + 12), static_cast<float>(croche * 0.9), 0.45f),
                       echantillon(t0 + (c + 1) * croche), 0.09f, 0.3f);
        }
        // Brushes on every eighth, stronger off the beat.
        for (int c = 0; c < p.croches; ++c)
            ajoute(s, balai(static_cast<uint32_t>(b * 16 + c)), echantillon(t0 + c * croche),
                   c % 2 ? 0.05f : 0.03f, 0.5f);
        break;
    }
}

// The melody over the bars; the time it fills.
double chante(Son& s, const Partition& p, double croche) {
    double t = 0;
    for (auto [midi, d] : notes(p.melodie)) {
        if (midi >= 0) {
            float duree = static_cast<float>(d * croche * 0.95 + 0.05);
            std::vector<float> v;
            switch (p.chant) {
            case Partition::Timbre::anche:
                v = anche(note(midi), duree, 0.8f);
                break;
            case Partition::Timbre::piano:
                v = piano(note(midi), duree + 0.3f, 0.8f);
                break;
            case Partition::Timbre::cloche:
                v = cloche(note(midi), duree + 0.6f, 0.8f);
                break;
            case Partition::Timbre::pince:
                v = pince(note(midi), duree + 0.4f, 0.8f);
                break;
            }
            ajoute(s, v, echantillon(t), 0.3f, -0.15f);
        }
        t += d * croche;
    }
    return t;
}

// Folds the tail past the loop's end back onto its start, then sets the loudness.
void boucle(Son& s, double longueur) {
    // Fold everything past the loop end back onto the start: the loop then plays as if it never restarted.
    size_t n = echantillon(longueur);
    for (size_t i = n; i < s.taille(); ++i) {
        s.g[i % n] += s.g[i];
        s.d[i % n] += s.d[i];
    }
    s.g.resize(n);
    s.d.resize(n);
    // The four tunes play at one loudness, peaks under -1.5 dB.
    double somme = 0, crete = 1e-9;
    for (size_t i = 0; i < n; ++i) {
        somme += 0.5 * (s.g[i] * s.g[i] + s.d[i] * s.d[i]);
        crete =
            std::max({crete, static_cast<double>(std::abs(s.g[i])), static_cast<double>(std::abs(s.d[i]))});
    }
    float k = static_cast<float>(std::min(0.85 / crete, 0.19 / std::sqrt(somme / n)));
    for (size_t i = 0; i < n; ++i) s.g[i] *= k, s.d[i] *= k;
}

} // namespace

Son joue(const Partition& p) {
    const double croche = 30.0 / p.noiresparminute;
    const double mesure = croche * p.croches;
    const double longueur = mesure * static_cast<double>(p.accords.size());
    Son s(echantillon(longueur));
    // Accompaniment, bar by bar.
    for (size_t b = 0; b < p.accords.size(); ++b) accompagne(s, p, b, croche);
    const double t = chante(s, p, croche);
    if (std::abs(t - longueur) > 1e-6)
        throw std::runtime_error("la mélodie ne remplit pas les mesures (" + std::to_string(t / mesure) +
                                 " mesures)");
    reverbere(s, 0.22f, 1.1f);
    boucle(s, longueur);
    return s;
}

void ecritogg(const std::string& chemin, const Son& s, int serie) {
    std::string wav = chemin + ".tmp.wav";
    ecritwav(wav, s, true);
    std::string ser = std::to_string(serie);
    std::string sortie = provisoire(chemin);
    std::vector<std::string> args = {"oggenc", "-Q", "-q", "3", "-s", ser, "-o", sortie, wav};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    int etat = 0;
    if (posix_spawnp(&pid, "oggenc", nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &etat, 0) < 0 || !WIFEXITED(etat) || WEXITSTATUS(etat) != 0) {
        std::filesystem::remove(wav);
        std::filesystem::remove(sortie);
        throw std::runtime_error("oggenc a échoué pour " + chemin + " (paquet vorbis-tools installé ?)");
    }
    std::filesystem::remove(wav);
    valide(chemin);
}

} // namespace tlv
