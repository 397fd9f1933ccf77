#include "fichierscores.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "shell/fichiers.h"
#include "socle/chaines.h"

namespace tlv {

namespace {

constexpr std::string_view blancs = " \t";

// A field of digits only (at most `n`), within the 16-bit range the files use.
std::optional<int> nombre(std::string_view s, std::size_t n = 5) {
    if (s.empty() || s.size() > n) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > 32767) return std::nullopt;
    return v;
}

// UTF-8 marks that an editor left at a line's start (the file reader takes one off the first line
// only). No name of ours starts with those bytes: the name entry writes "ï" as "Ï".
std::string_view sansmarque(std::string_view s) {
    constexpr std::string_view marque = "\xEF\xBB\xBF";
    while (s.starts_with(marque)) s.remove_prefix(marque.size());
    return s;
}

// A name without the blanks and marks around it: a mark left after blanks would be at the start of the
// line written.
std::string_view nomnet(std::string_view s) {
    for (std::string_view avant; avant != s;) avant = s, s = sansmarque(sansblancs(s));
    return s;
}

// Control bytes in a name mean the line is not one we wrote.
bool nomlisible(std::string_view s) {
    return std::none_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Stored bytes cut or padded with blanks to `largeur`.
std::string champ(std::string_view octets, int largeur) {
    std::string s(octets);
    s.resize(static_cast<std::size_t>(largeur), ' ');
    return s;
}

// The name in Windows-1252, cut or padded with blanks to `largeur` bytes.
std::string champnom(const std::string& nom, int largeur) {
    return champ(utf8_vers_cp1252(nom), largeur);
}

// A line whose fields lost their places: the name, then blank-separated numbers at its end. The name
// is what lies before them, without its blanks; nothing when it is empty or not a name.
struct Morceaux {
    std::string_view nom;
    std::vector<std::string_view> nombres; // from the last one back
};
std::optional<Morceaux> decoupe(std::string_view ligne, std::size_t combien) {
    Morceaux m;
    std::string_view reste = sansblancs(ligne);
    for (std::size_t i = 0; i < combien; ++i) {
        const auto b = reste.find_last_of(blancs);
        if (b == std::string_view::npos) return std::nullopt;
        m.nombres.push_back(reste.substr(b + 1));
        reste = sansblancs(reste.substr(0, b));
    }
    if (reste.empty() || !nomlisible(reste)) return std::nullopt;
    m.nom = reste;
    return m;
}

std::string chiffres(int v, int n) {
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) < n) s.insert(0, static_cast<std::size_t>(n) - s.size(), '0');
    return s;
}

// Every readable record in the ranking order (`avant`, ties keeping the file's order), the best ones
// first, then default lines.
template <class Table, class Lecture, class Avant>
Table littable(const Stockage& scores, const std::string& nom, Lecture lecture, Avant avant) {
    Table t{};
    const auto lignes = scores.litlignes(nom);
    if (!lignes) return t;
    std::vector<typename Table::value_type> lus;
    for (const auto& l : *lignes)
        if (auto s = lecture(l)) lus.push_back(std::move(*s));
    std::stable_sort(lus.begin(), lus.end(), avant);
    std::copy_n(lus.begin(), std::min(lus.size(), t.size()), t.begin());
    return t;
}

template <class Table> Resultat ecrittable(Stockage& scores, const std::string& nom, const Table& t) {
    std::string contenu;
    for (const auto& s : t) contenu += s.ligne + "\r\n";
    return scores.ecrit(nom, contenu);
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

std::optional<ScoreMemo> luememo(std::string_view brut) {
    const std::string ligne = lignecp1252(sansmarque(brut));
    std::string_view octets = ligne;
    const auto record = [](std::string_view nom, int t) {
        std::string ligne = champ(nomnet(nom), largeurnommemo) + std::to_string(t);
        // A name that fills the field runs into the time: when the line's last word would then read as
        // another time, the name is cut so that a blank ends it.
        if (ligne[largeurnommemo - 1] != ' ')
            if (const auto m = decoupe(ligne, 1); m && nombre(m->nombres[0]))
                ligne = champ(nomnet(nomnet(nom).substr(0, largeurnommemo - 1)), largeurnommemo) +
                        std::to_string(t);
        return ScoreMemo{ligne, t};
    };
    // The layout written: the name field, then the time, here with blanks allowed around it.
    std::optional<ScoreMemo> fixe;
    if (octets.size() > static_cast<std::size_t>(largeurnommemo)) {
        const auto nom = octets.substr(0, largeurnommemo);
        const auto t = nombre(sansblancs(octets.substr(largeurnommemo)));
        if (t && nomlisible(nom)) fixe = record(nom, *t);
        // Names are shorter than the field: one that fills it may have swallowed the time's first digits.
        if (fixe && blancs.find(nom.back()) != std::string_view::npos) return fixe;
    }
    // The name's padding lost or grown: the time is the last word.
    if (const auto m = decoupe(octets, 1))
        if (const auto t = nombre(m->nombres[0])) return record(m->nom, *t);
    return fixe;
}

ScoreMemo lignememo(std::string_view octets) {
    return luememo(octets).value_or(ScoreMemo{});
}

std::string formatememo(const std::string& nom, int temps) {
    return champnom(nom, largeurnommemo) + std::to_string(std::clamp(temps, 0, 32767));
}

TableMemo tablememodefaut() {
    return TableMemo{};
}

TableMemo litmemo(const Stockage& scores, const std::string& nom) {
    return littable<TableMemo>(
        scores, nom, [](const std::string& l) { return luememo(l); },
        [](const ScoreMemo& a, const ScoreMemo& b) { return a.temps < b.temps; });
}

Resultat ecritmemo(Stockage& scores, const std::string& nom, const TableMemo& t) {
    return ecrittable(scores, nom, t);
}

int rangmemo(const TableMemo& t, int temps) {
    if (temps >= tempsmaxmemo) return 0;
    for (int i = 0; i < lignesmemo; ++i)
        if (temps < t[static_cast<std::size_t>(i)].temps) return i + 1;
    return 0;
}

TableMemo inserememo(const TableMemo& t, int rang, const std::string& ligne) {
    return insere(t, rang, ligne, lignememo(ligne));
}

std::optional<ScoreJong> luejong(std::string_view brut) {
    const std::string ligne = lignecp1252(sansmarque(brut));
    std::string_view octets = ligne;
    const auto record = [](std::string_view nom, std::optional<int> tableau,
                           std::optional<int> temps) -> std::optional<ScoreJong> {
        if (!tableau || !temps) return std::nullopt;
        return ScoreJong{champ(nomnet(nom), largeurnomjong) + chiffres(*tableau, 3) + chiffres(*temps, 5),
                         *tableau, *temps};
    };
    // The layout written, then nothing or a blank: what follows it (a note) is no part of the record.
    if (octets.size() >= 17 && (octets.size() == 17 || blancs.find(octets[17]) != std::string_view::npos) &&
        nomlisible(octets.substr(0, 9)))
        if (auto s =
                record(octets.substr(0, 9), nombre(octets.substr(9, 3), 3), nombre(octets.substr(12, 5))))
            return s;
    // Fields moved by blanks: the eight digits as one word, or the board and the time as two.
    if (const auto m = decoupe(octets, 1); m && m->nombres[0].size() == 8)
        return record(m->nom, nombre(m->nombres[0].substr(0, 3), 3), nombre(m->nombres[0].substr(3)));
    if (const auto m = decoupe(octets, 2))
        return record(m->nom, nombre(m->nombres[1], 3), nombre(m->nombres[0]));
    return std::nullopt;
}

ScoreJong lignejong(std::string_view octets) {
    return luejong(octets).value_or(ScoreJong{});
}

std::string formatejong(const std::string& nompartie, int numtableau, int tempscumule) {
    return champnom(nompartie, largeurnomjong) + chiffres(std::clamp(numtableau, 0, 999), 3) +
           chiffres(std::clamp(tempscumule, 0, tempsmaxjong), 5);
}

TableJong tablejongdefaut() {
    return TableJong{};
}

TableJong litjong(const Stockage& scores, const std::string& nom) {
    // More boards first, then the shorter time.
    return littable<TableJong>(
        scores, nom, [](const std::string& l) { return luejong(l); },
        [](const ScoreJong& a, const ScoreJong& b) {
            return a.tableau != b.tableau ? a.tableau > b.tableau : a.temps < b.temps;
        });
}

Resultat ecritjong(Stockage& scores, const std::string& nom, const TableJong& t) {
    return ecrittable(scores, nom, t);
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
