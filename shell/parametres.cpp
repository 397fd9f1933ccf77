#include "parametres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "fichiers.h"

namespace tlv {

namespace {

constexpr int tempobelotedefaut = 4;
constexpr float tempomemodefaut = 10.f; // tenths

bool blanc(char c) {
    return c == ' ' || c == '\t';
}
bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

// The first line of the file as a number, if it holds one.
std::optional<double> litfichier(const Stockage& scores, const char* fichier) {
    const auto lignes = scores.litlignes(fichier);
    if (!lignes || lignes->empty()) return std::nullopt;
    return lisnombre(lignes->front());
}

// The sign's place is a blank for a non-negative number; one blank follows.
std::string encadre(const std::string& nombre) {
    std::string ligne;
    if (!nombre.starts_with('-')) ligne += ' ';
    ligne.append(nombre).append(1, ' ');
    return ligne;
}

Resultat ecritnombre(Stockage& scores, const char* fichier, const std::string& nombre) {
    return scores.ecrit(fichier, nombre + "\r\n");
}

} // namespace

double arrondipair(double x) {
    const double bas = std::floor(x);
    const double reste = x - bas;
    if (reste > 0.5) return bas + 1;
    if (reste < 0.5) return bas;
    return std::fmod(bas, 2.0) == 0 ? bas : bas + 1;
}

std::string imprimenombre(int n) {
    return encadre(std::to_string(n));
}

std::string imprimenombre(float x) {
    if (x == 0) x = 0; // no "-0"
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%.7G", static_cast<double>(x));
    std::string s = tampon;
    // The classic print leaves out the zero before the decimal point.
    if (s.starts_with("0.")) s.erase(0, 1);
    if (s.starts_with("-0.")) s.erase(1, 1);
    return encadre(s);
}

std::optional<double> lisnombre(std::string_view ligne) {
    std::size_t i = 0;
    while (i < ligne.size() && blanc(ligne[i])) ++i;
    // Rebuilt in the form from_chars wants: no '+', a digit before '.', 'e' for the exponent.
    std::string nombre;
    if (i < ligne.size() && (ligne[i] == '+' || ligne[i] == '-')) {
        if (ligne[i] == '-') nombre += '-';
        ++i;
    }
    int chiffres = 0;
    for (; i < ligne.size() && chiffre(ligne[i]); ++i, ++chiffres) nombre += ligne[i];
    if (i < ligne.size() && ligne[i] == '.') {
        nombre += chiffres == 0 ? "0." : ".";
        for (++i; i < ligne.size() && chiffre(ligne[i]); ++i, ++chiffres) nombre += ligne[i];
    }
    if (chiffres == 0) return std::nullopt;
    if (i < ligne.size() && (ligne[i] == 'E' || ligne[i] == 'e' || ligne[i] == 'D' || ligne[i] == 'd')) {
        nombre += 'e';
        ++i;
        if (i < ligne.size() && (ligne[i] == '+' || ligne[i] == '-')) nombre += ligne[i++];
        int exposant = 0;
        for (; i < ligne.size() && chiffre(ligne[i]); ++i, ++exposant) nombre += ligne[i];
        if (exposant == 0) return std::nullopt;
    }
    while (i < ligne.size() && blanc(ligne[i])) ++i;
    if (i != ligne.size()) return std::nullopt;

    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    if (erreur != std::errc{} || fin != nombre.data() + nombre.size() || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

void lisparambelote(Reglages& r) {
    r.tempobelote = tempobelotedefaut;
    const char* fichier = "tlvbelo.ini";
    // A real number is taken to the nearest whole one, as reading it into an integer would.
    if (const auto v = litfichier(*r.scores, fichier)) {
        const double entier = arrondipair(*v);
        if (entier >= tempobelotemin && entier <= tempobelotemax) {
            r.tempobelote = static_cast<int>(entier);
            return;
        }
    }
    // Only a repair: the default holds for the run whether or not it could be written.
    (void)ecritnombre(*r.scores, fichier, imprimenombre(r.tempobelote));
}

void lisparammemo(Reglages& r) {
    const char* fichier = "tlvmemo.ini";
    float dixiemes = tempomemodefaut;
    // Only what the dialog can show is accepted: 0 to 5 seconds.
    if (const auto v = litfichier(*r.scores, fichier);
        v && *v >= tempomemomin * 10 && *v <= tempomemomax * 10)
        dixiemes = static_cast<float>(*v);
    else
        (void)ecritnombre(*r.scores, fichier, imprimenombre(dixiemes));
    r.tempomemo = dixiemes / 10;
}

Resultat sauveparambelote(const Reglages& r) {
    return ecritnombre(*r.scores, "tlvbelo.ini", imprimenombre(r.tempobelote));
}

Resultat sauveparammemo(const Reglages& r) {
    return ecritnombre(*r.scores, "tlvmemo.ini", imprimenombre(r.tempomemo * 10));
}

int curseurmemo(float tempomemo) {
    if (!(tempomemo >= tempomemomin)) return tempomemomin; // NaN as well
    if (tempomemo > tempomemomax) return tempomemomax;
    return static_cast<int>(arrondipair(tempomemo));
}

int curseurbelote(int tempobelote) {
    return std::clamp(tempobelote, tempobelotemin, tempobelotemax);
}

Resultat fermeturememo(Reglages& r, int curseur) {
    r.tempomemo = static_cast<float>(std::clamp(curseur, tempomemomin, tempomemomax));
    return sauveparammemo(r);
}

Resultat fermeturebelote(Reglages& r, int curseur) {
    r.tempobelote = curseurbelote(curseur);
    return sauveparambelote(r);
}

} // namespace tlv
