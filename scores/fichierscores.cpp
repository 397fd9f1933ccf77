#include "fichierscores.h"

#include <algorithm>
#include <optional>

#include "shell/fichiers.h"

namespace tlv {

namespace {

// A field of digits only, within the 16-bit range the files use.
std::optional<int> nombre(std::string_view s) {
    if (s.empty() || s.size() > 5) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > 32767) return std::nullopt;
    return v;
}

// Control bytes in a name mean the line is not one we wrote.
bool nomlisible(std::string_view s) {
    return std::none_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// The name in Windows-1252, cut or padded with blanks to `largeur` bytes.
std::string champnom(const std::string& nom, int largeur) {
    std::string s = utf8_vers_cp1252(nom);
    s.resize(static_cast<std::size_t>(largeur), ' ');
    return s;
}

std::string chiffres(int v, int n) {
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) < n) s.insert(0, static_cast<std::size_t>(n) - s.size(), '0');
    return s;
}

template <class Table, class Lecture> Table littable(const std::string& chemin, Lecture lecture) {
    Table t{};
    const auto lignes = litlignes(chemin);
    if (!lignes) return t;
    const std::size_t n = std::min(lignes->size(), t.size());
    for (std::size_t i = 0; i < n; ++i) t[i] = lecture((*lignes)[i]);
    return t;
}

template <class Table> bool ecrittable(const std::string& chemin, const Table& t) {
    std::string contenu;
    for (const auto& s : t) contenu += s.ligne + "\r\n";
    return ecritfichier(chemin, contenu);
}

template <class Table>
Table insere(const Table& t, int rang, const std::string& ligne, typename Table::value_type v) {
    Table r = t;
    const int n = static_cast<int>(t.size());
    if (rang < 1 || rang > n) return r;
    for (int i = n - 1; i >= rang; --i) r[static_cast<std::size_t>(i)] = t[static_cast<std::size_t>(i - 1)];
    v.ligne = ligne;
    r[static_cast<std::size_t>(rang - 1)] = v;
    return r;
}

} // namespace

std::string fichiermemo(int niveau) {
    return "tlvmemo" + std::to_string(std::clamp(niveau, 0, 2)) + ".sco";
}

std::string libelleniveau(int niveau) {
    switch (niveau) {
    case 1:
        return "6x4";
    case 2:
        return "8x4";
    default:
        return "4x4";
    }
}

ScoreMemo lignememo(std::string_view octets) {
    if (octets.size() <= static_cast<std::size_t>(largeurnommemo)) return {};
    const auto nom = octets.substr(0, largeurnommemo);
    const auto t = nombre(octets.substr(largeurnommemo));
    if (!t || !nomlisible(nom)) return {};
    return ScoreMemo{std::string(octets), *t};
}

std::string formatememo(const std::string& nom, int temps) {
    return champnom(nom, largeurnommemo) + std::to_string(std::clamp(temps, 0, 32767));
}

TableMemo tablememodefaut() {
    return TableMemo{};
}

TableMemo litmemo(const std::string& chemin) {
    return littable<TableMemo>(chemin, [](const std::string& l) { return lignememo(l); });
}

bool ecritmemo(const std::string& chemin, const TableMemo& t) {
    return ecrittable(chemin, t);
}

int rangmemo(const TableMemo& t, int temps) {
    for (int i = 0; i < lignesmemo; ++i)
        if (temps < t[static_cast<std::size_t>(i)].temps) return i + 1;
    return 0;
}

TableMemo inserememo(const TableMemo& t, int rang, const std::string& ligne) {
    return insere(t, rang, ligne, lignememo(ligne));
}

ScoreJong lignejong(std::string_view octets) {
    if (octets.size() != 17) return {};
    const auto tableau = nombre(octets.substr(9, 3));
    const auto temps = nombre(octets.substr(12, 5));
    if (!tableau || !temps || !nomlisible(octets.substr(0, 9))) return {};
    return ScoreJong{std::string(octets), *tableau, *temps};
}

std::string formatejong(const std::string& nompartie, int numtableau, int tempscumule) {
    return champnom(nompartie, largeurnomjong) + chiffres(std::clamp(numtableau, 0, 999), 3) +
           chiffres(std::clamp(tempscumule, 0, tempsmaxjong), 5);
}

TableJong tablejongdefaut() {
    return TableJong{};
}

TableJong litjong(const std::string& chemin) {
    return littable<TableJong>(chemin, [](const std::string& l) { return lignejong(l); });
}

bool ecritjong(const std::string& chemin, const TableJong& t) {
    return ecrittable(chemin, t);
}

ClassementJong classejong(const TableJong& t, const std::string& fichepartie, int numtableau,
                          int tempscumule) {
    ClassementJong c;
    // What closes the list after the game's own line is gone: recorded as the default line, but beaten
    // only by a game that cleared a board.
    ScoreJong bouche;
    bouche.tableau = 0, bouche.temps = 0;
    c.liste.fill(bouche);
    std::size_t n = 0;
    for (const auto& s : t)
        if (fichepartie.empty() || s.ligne != fichepartie) c.liste[n++] = s;
    for (int i = 0; i < lignesjong; ++i) {
        const ScoreJong& s = c.liste[static_cast<std::size_t>(i)];
        if (numtableau > s.tableau || (numtableau == s.tableau && tempscumule < s.temps)) {
            c.rang = i + 1;
            break;
        }
    }
    return c;
}

TableJong inserejong(const TableJong& liste, int rang, const std::string& ligne) {
    return insere(liste, rang, ligne, lignejong(ligne));
}

std::string debutligne(const std::string& ligne, int n) {
    return cp1252_vers_utf8(std::string_view(ligne).substr(0, static_cast<std::size_t>(std::max(n, 0))));
}

std::string heures(int secondes) {
    const int s = std::max(secondes, 0);
    auto deux = [](int v) {
        const std::string t = "00" + std::to_string(v);
        return t.substr(t.size() - 2);
    };
    return deux(s / 3600) + ":" + deux((s % 3600) / 60) + ":" + deux(s % 60);
}

} // namespace tlv
