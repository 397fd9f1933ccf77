#include "assets/son.h"

#include "assets/fichier.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <stdexcept>

namespace tlv {

namespace {
constexpr float deuxpi = 2 * std::numbers::pi_v<float>;

// Attack-decay-release envelope: linear attack, exponential decay towards `maintien`, cosine release at the
// end.
float enveloppe(float t, float duree, float attaque, float decroissance, float maintien, float relache) {
    float e = t < attaque ? t / attaque : maintien + (1 - maintien) * std::exp(-(t - attaque) / decroissance);
    float fin = duree - relache;
    if (t > fin) e *= 0.5f + 0.5f * std::cos(std::numbers::pi_v<float> * std::min(1.f, (t - fin) / relache));
    return e;
}

size_t echantillons(float duree) {
    return static_cast<size_t>(duree * frequence);
}

// Polynomial band-limited step, used by the saw oscillators.
float polyblep(float t, float dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}
} // namespace

float note(int midi) {
    return 440.f * std::pow(2.f, (midi - 69) / 12.f);
}

void ajoute(Son& s, const std::vector<float>& m, size_t debut, float gain, float pan) {
    s.agrandit(debut + m.size());
    // Constant-power panning.
    float a = (pan + 1) * std::numbers::pi_v<float> / 4;
    float gg = std::cos(a) * gain * 1.4142f, gd = std::sin(a) * gain * 1.4142f;
    for (size_t i = 0; i < m.size(); ++i) {
        s.g[debut + i] += m[i] * gg;
        s.d[debut + i] += m[i] * gd;
    }
}

std::vector<float> piano(float hz, float duree, float force) {
    std::vector<float> r(echantillons(duree));
    for (size_t i = 0; i < r.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        float indice = (1.2f + 1.3f * force) * std::exp(-t * 5.f);
        float mod = std::sin(deuxpi * hz * t) * indice;
        float v = std::sin(deuxpi * hz * t + mod) * 0.8f +
                  std::sin(deuxpi * hz * 2.001f * t) * 0.12f * std::exp(-t * 3);
        r[i] = v * enveloppe(t, duree, 0.004f, 0.9f, 0.f, 0.08f) * force;
    }
    return r;
}

std::vector<float> cloche(float hz, float duree, float force) {
    std::vector<float> r(echantillons(duree));
    for (size_t i = 0; i < r.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        float indice = 2.2f * std::exp(-t * 3.5f);
        float v = std::sin(deuxpi * hz * t + indice * std::sin(deuxpi * hz * 3.5f * t)) * 0.7f +
                  std::sin(deuxpi * hz * 2.76f * t) * 0.18f * std::exp(-t * 6) +
                  std::sin(deuxpi * hz * 5.4f * t) * 0.08f * std::exp(-t * 12);
        r[i] = v * enveloppe(t, duree, 0.002f, 0.7f, 0.f, 0.1f) * force;
    }
    return r;
}

std::vector<float> pince(float hz, float duree, float force) {
    // Karplus-Strong string with a deterministic excitation.
    std::vector<float> r(echantillons(duree));
    size_t n = std::max<size_t>(2, static_cast<size_t>(frequence / hz));
    std::vector<float> ligne(n);
    uint32_t x = 12345u + static_cast<uint32_t>(hz * 10);
    for (auto& v : ligne) {
        x = x * 1664525u + 1013904223u;
        v = ((x >> 8) & 0xFFFF) / 32768.f - 1;
    }
    // Soften the excitation for a rounder tone.
    for (int k = 0; k < 2; ++k)
        for (size_t i = 1; i < n; ++i) ligne[i] = 0.5f * (ligne[i] + ligne[i - 1]);
    size_t p = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        size_t q = (p + 1) % n;
        float v = ligne[p];
        ligne[p] = 0.4985f * (ligne[p] + ligne[q]);
        p = q;
        r[i] = v * enveloppe(t, duree, 0.001f, 100.f, 1.f, 0.06f) * force * 0.9f;
    }
    return r;
}

std::vector<float> nappe(float hz, float duree, float force) {
    std::vector<float> r(echantillons(duree));
    const float ecarts[3] = {0.9965f, 1.f, 1.0037f};
    float phases[3] = {0.1f, 0.45f, 0.8f};
    float filtre = 0, filtre2 = 0;
    float coupure = std::min(0.25f, hz * 3.f / frequence * deuxpi);
    for (size_t i = 0; i < r.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        float v = 0;
        for (int k = 0; k < 3; ++k) {
            float dt = hz * ecarts[k] / frequence;
            phases[k] += dt;
            if (phases[k] >= 1) phases[k] -= 1;
            v += (2 * phases[k] - 1) - polyblep(phases[k], dt);
        }
        filtre += coupure * (v / 3 - filtre);
        filtre2 += coupure * (filtre - filtre2);
        r[i] = filtre2 * enveloppe(t, duree, 0.35f, 1.f, 1.f, 0.45f) * force;
    }
    return r;
}

std::vector<float> anche(float hz, float duree, float force) {
    std::vector<float> r(echantillons(duree));
    const float ecarts[3] = {0.9942f, 1.f, 1.0061f};
    float phases[3] = {0.2f, 0.6f, 0.9f};
    float f1 = 0, f2 = 0;
    float coupure = std::min(0.6f, hz * 5.f / frequence * deuxpi);
    for (size_t i = 0; i < r.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        float vib = 1 + 0.0025f * std::sin(deuxpi * 5.2f * t) * std::min(1.f, t * 3);
        float v = 0;
        for (int k = 0; k < 3; ++k) {
            float dt = hz * ecarts[k] * vib / frequence;
            phases[k] += dt;
            if (phases[k] >= 1) phases[k] -= 1;
            v += ((2 * phases[k] - 1) - polyblep(phases[k], dt)) * (k == 1 ? 1.f : 0.7f);
        }
        f1 += coupure * (v / 2.4f - f1);
        f2 += coupure * (f1 - f2);
        r[i] = f2 * enveloppe(t, duree, 0.025f, 0.6f, 0.7f, 0.07f) * force;
    }
    return r;
}

std::vector<float> cuivre(float hz, float duree, float force) {
    std::vector<float> r(echantillons(duree));
    float phases[2] = {0.f, 0.5f};
    const float ecarts[2] = {0.997f, 1.003f};
    float f1 = 0, f2 = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        float v = 0;
        for (int k = 0; k < 2; ++k) {
            float dt = hz * ecarts[k] / frequence;
            phases[k] += dt;
            if (phases[k] >= 1) phases[k] -= 1;
            v += (2 * phases[k] - 1) - polyblep(phases[k], dt);
        }
        // The filter opens fast, then settles: the "blare" of a brass attack.
        float ouverture = 2.5f + 5.f * std::exp(-t * 9) * std::min(1.f, t * 60);
        float coupure = std::min(0.7f, hz * ouverture / frequence * deuxpi);
        f1 += coupure * (v / 2 - f1);
        f2 += coupure * (f1 - f2);
        r[i] = f2 * enveloppe(t, duree, 0.02f, 0.35f, 0.75f, 0.12f) * force;
    }
    return r;
}

std::vector<float> basse(float hz, float duree, float force) {
    std::vector<float> r(echantillons(duree));
    for (size_t i = 0; i < r.size(); ++i) {
        float t = static_cast<float>(i) / frequence;
        float v = std::sin(deuxpi * hz * t) + 0.25f * std::sin(deuxpi * 2 * hz * t) * std::exp(-t * 8) +
                  0.1f * std::sin(deuxpi * 3 * hz * t) * std::exp(-t * 12);
        r[i] = v * enveloppe(t, duree, 0.006f, 0.5f, 0.25f, 0.08f) * force;
    }
    return r;
}

std::vector<float> souffle(float duree, float centre, float largeur, uint32_t graine) {
    std::vector<float> r(echantillons(duree));
    // State-variable band-pass on white noise.
    float f = 2 * std::sin(std::numbers::pi_v<float> * centre / frequence),
          q = std::clamp(largeur / centre, 0.1f, 1.9f);
    float bas = 0, bande = 0;
    uint32_t x = graine * 2654435761u + 1;
    for (auto& v : r) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        float n = (x & 0xFFFFFF) / 8388608.f - 1;
        float haut = n - bas - q * bande;
        bande += f * haut;
        bas += f * bande;
        v = bande;
    }
    return r;
}

void reverbere(Son& s, float mouille, float taille) {
    // Freeverb-style: parallel damped combs then series all-passes, slightly different per side.
    const int combs[4] = {1557, 1617, 1491, 1422};
    const int passes[2] = {556, 441};
    size_t queue = static_cast<size_t>(frequence * 1.5f * taille);
    size_t n = s.taille() + queue;
    s.agrandit(n);
    for (int cote = 0; cote < 2; ++cote) {
        std::vector<float>& c = cote ? s.d : s.g;
        std::vector<float> sortie(n, 0.f);
        for (int k = 0; k < 4; ++k) {
            size_t lon = static_cast<size_t>((combs[k] + cote * 23) * taille);
            std::vector<float> tampon(lon, 0.f);
            float amorti = 0, retour = 0.80f;
            size_t p = 0;
            for (size_t i = 0; i < n; ++i) {
                float y = tampon[p];
                amorti = y * 0.6f + amorti * 0.4f;
                tampon[p] = c[i] * 0.015f + amorti * retour;
                sortie[i] += y;
                p = (p + 1) % lon;
            }
        }
        for (int k = 0; k < 2; ++k) {
            size_t lon = static_cast<size_t>(passes[k] + cote * 23);
            std::vector<float> tampon(lon, 0.f);
            size_t p = 0;
            for (size_t i = 0; i < n; ++i) {
                float b = tampon[p];
                float y = -sortie[i] + b;
                tampon[p] = sortie[i] + b * 0.5f;
                sortie[i] = y;
                p = (p + 1) % lon;
            }
        }
        for (size_t i = 0; i < n; ++i) c[i] += sortie[i] * mouille * 3.f;
    }
}

void normalise(Son& s, float crete) {
    float m = 1e-9f;
    for (size_t i = 0; i < s.taille(); ++i) m = std::max({m, std::abs(s.g[i]), std::abs(s.d[i])});
    float k = crete / m;
    for (size_t i = 0; i < s.taille(); ++i) s.g[i] *= k, s.d[i] *= k;
}

void fondus(Son& s, float entree, float sortie) {
    size_t a = echantillons(entree), b = echantillons(sortie), n = s.taille();
    for (size_t i = 0; i < a && i < n; ++i) {
        float k = 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * i / a);
        s.g[i] *= k, s.d[i] *= k;
    }
    for (size_t i = 0; i < b && i < n; ++i) {
        float k = 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * i / b);
        s.g[n - 1 - i] *= k, s.d[n - 1 - i] *= k;
    }
}

void ecritwav(const std::string& chemin, const Son& s, bool stereo, int hz) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(provisoire(chemin).c_str(), "wb"), std::fclose);
    if (!f) throw std::runtime_error("impossible d'écrire " + chemin);
    uint16_t canaux = stereo ? 2 : 1;
    uint32_t n = static_cast<uint32_t>(s.taille()), donnees = n * canaux * 2;
    auto u32 = [&](uint32_t v) {
        unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                              static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        std::fwrite(b, 1, 4, f.get());
    };
    auto u16 = [&](uint16_t v) {
        unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
        std::fwrite(b, 1, 2, f.get());
    };
    std::fwrite("RIFF", 1, 4, f.get());
    u32(36 + donnees);
    std::fwrite("WAVEfmt ", 1, 8, f.get());
    u32(16);
    u16(1);
    u16(canaux);
    u32(static_cast<uint32_t>(hz));
    u32(static_cast<uint32_t>(hz) * canaux * 2);
    u16(static_cast<uint16_t>(canaux * 2));
    u16(16);
    std::fwrite("data", 1, 4, f.get());
    u32(donnees);
    std::vector<unsigned char> b;
    b.reserve(donnees);
    for (uint32_t i = 0; i < n; ++i)
        for (int c = 0; c < canaux; ++c) {
            float v = std::clamp(c ? s.d[i] : s.g[i], -1.f, 1.f);
            auto e = static_cast<int16_t>(std::lround(v * 32767.f));
            b.push_back(static_cast<unsigned char>(e & 0xFF));
            b.push_back(static_cast<unsigned char>((e >> 8) & 0xFF));
        }
    if (std::fwrite(b.data(), 1, b.size(), f.get()) != b.size() || std::fclose(f.release()) != 0)
        throw std::runtime_error("impossible d'écrire " + chemin);
    valide(chemin);
}

} // namespace tlv
