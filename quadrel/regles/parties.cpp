#include "parties.h"

#include <algorithm>

#include "shell/fichiers.h"
#include "socle/chaines.h"

namespace tlv::quadrel {

namespace {

// A fixed-width number field: blanks around digits, an optional minus sign. Nothing for anything else.
std::optional<int> nombre(const std::string& ligne, std::size_t debut, std::size_t n) {
    if (ligne.size() < debut + n) return std::nullopt;
    const std::string s(sansblancs(ligne.substr(debut, n), " "));
    if (s.empty()) return std::nullopt;
    const bool negatif = s[0] == '-';
    if (negatif && s.size() == 1) return std::nullopt;
    int v = 0;
    for (std::size_t i = negatif ? 1 : 0; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = v * 10 + (s[i] - '0');
    }
    return negatif ? -v : v;
}

std::string chiffres(int v, int n) {
    std::string s = std::to_string(v);
    return s.size() >= static_cast<std::size_t>(n)
               ? s.substr(s.size() - static_cast<std::size_t>(n))
               : std::string(static_cast<std::size_t>(n) - s.size(), '0') + s;
}

std::string nomstocke(const std::string& nom) {
    return std::string(sansblancs(utf8_vers_cp1252(nom), " "));
}

bool memenom(const std::string& ligne, const std::string& nomcp) {
    return sansblancs(ligne.substr(0, largeurnompartie), " ") == nomcp;
}

} // namespace

std::string lignepartie(const std::string& nom, int tableau, int temps) {
    std::string n = utf8_vers_cp1252(nom).substr(0, largeurnompartie);
    n.resize(largeurnompartie, ' ');
    const std::string t = tableau < 0 ? " -1" : chiffres(std::min(tableau, 999), 3);
    return n + t + chiffres(std::clamp(temps, 0, tempsmaxpartie), 5);
}

std::string nomdeligne(const std::string& ligne) {
    return cp1252_vers_utf8(sansblancs(ligne.substr(0, largeurnompartie), " "));
}

int tableaudeligne(const std::string& ligne) {
    const auto v = nombre(ligne, 9, 3);
    return v && *v >= -1 ? *v : -1;
}

int tempsdeligne(const std::string& ligne) {
    const auto v = nombre(ligne, 12, 5);
    return v && *v >= 0 ? *v : 0;
}

LectureEntiere Parties::lecture() const {
    LectureEntiere l = scores_.litlignesentieres(fichierparties, taillemaxparties);
    // UTF-8 marks that an editor left at a line's start are no part of a name (ours never start with those
    // bytes): a rewrite that brought that line first would lose it anyway.
    for (auto& x : l.lignes) {
        while (x.starts_with("\xEF\xBB\xBF")) x.erase(0, 3);
        x = lignecp1252(x);
    }
    std::erase_if(l.lignes, [](const std::string& x) { return sansblancs(x, " ").empty(); });
    return l;
}

bool Parties::existe(const std::string& nom) const {
    const std::string n = nomstocke(nom);
    const auto l = lignes();
    return std::any_of(l.begin(), l.end(), [&](const std::string& x) { return memenom(x, n); });
}

std::string Parties::rendlenom(int index) const {
    const auto l = lignes();
    if (index < 0 || static_cast<std::size_t>(index) >= l.size()) return "";
    return nomdeligne(l[static_cast<std::size_t>(index)]);
}

Resultat Parties::reecrit(const std::vector<std::string>& lignes) {
    std::string contenu;
    for (const auto& l : lignes) contenu += l + "\r\n";
    return scores_.ecritparrelais(fichierparties, fichiertempo, contenu);
}

Resultat Parties::ajoutepartie(const std::string& nom) {
    auto [l, entiere] = lecture();
    if (!entiere) return entiere;
    l.push_back(lignepartie(nom, -1, 0));
    return reecrit(l);
}

Valeur<int> Parties::sauvepartie(const std::string& nom, int numtableau, int chrono) {
    const std::string n = nomstocke(nom);
    auto [l, entiere] = lecture();
    if (!entiere) return entiere;
    int tempscumule = 0;
    bool trouve = false;
    for (auto& x : l)
        if (memenom(x, n)) {
            tempscumule = std::clamp(tempsdeligne(x) + dureetableau - chrono, 0, tempsmaxpartie);
            x = lignepartie(nom, numtableau, tempscumule);
            trouve = true;
        }
    // A game whose line has gone (the file was lost meanwhile) keeps its progress in a new line.
    if (!trouve) {
        tempscumule = std::clamp(dureetableau - chrono, 0, tempsmaxpartie);
        l.push_back(lignepartie(nom, numtableau, tempscumule));
    }
    if (Resultat r = reecrit(l); !r) return r;
    return tempscumule;
}

Parties::Chargement Parties::chargepartie(const std::string& nom) const {
    const std::string n = nomstocke(nom);
    Chargement ch;
    for (const auto& x : lignes())
        if (memenom(x, n)) {
            ch.numtableau = tableaudeligne(x) + 1;
            ch.fichepartie = x.substr(0, 17);
            ch.tempscumule = tempsdeligne(x);
        }
    return ch;
}

Resultat Parties::effacelapartie(const std::string& nom) {
    const std::string n = nomstocke(nom);
    auto [l, entiere] = lecture();
    if (!entiere) return entiere;
    std::erase_if(l, [&](const std::string& x) { return memenom(x, n); });
    return reecrit(l);
}

} // namespace tlv::quadrel
