// The games' files: the score tables and the name that goes into them, Quadrel's saved games and boards.
#include <algorithm>

#include "fuzz.h"
#include "quadrel/regles/parties.h"
#include "quadrel/regles/plateaux.h"
#include "scores/fichierscores.h"
#include "scores/nom.h"
#include "scores/saisie.h"
#include "shell/fichiers.h"

using namespace tlv;
using namespace tlv::quadrel;

namespace {

template <class Table> std::string enlignes(const Table& t) {
    std::string s;
    for (const auto& l : t) s += l.ligne + "\r\n";
    return s;
}

// A score table read from any bytes: each record `valide`, a line the reader itself reads back unchanged, the
// records before the default lines that fill the places left, in the order `avant` says; written, the file
// is the table byte for byte; read again, the same lines (a record below the default ones moves under them
// once they are stored lines), and from then on the file no longer changes.
template <class Table, class Lue, class Lit, class Ecrit, class Avant, class Valide>
void table_lue(const std::string& octets, const std::string& fichier, std::string_view defaut, Lue lue,
               Lit lit, Ecrit ecrit, Avant avant, Valide valide) {
    StockageDisque disque(fuzz::dossier());
    fuzz::pose(disque.chemin(fichier), octets);
    const Table t = lit(disque, fichier);
    std::size_t lus = t.size();
    while (lus > 0 && t[lus - 1].ligne == defaut) --lus;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto relue = lue(t[i].ligne);
        TLV_VERIFIE(relue && valide(t[i]) && relue->ligne == t[i].ligne && relue->temps == t[i].temps);
        TLV_VERIFIE(i == 0 || i >= lus || !avant(t[i], t[i - 1]));
    }
    TLV_VERIFIE(ecrit(disque, fichier, t).ok() && fuzz::relit(disque.chemin(fichier)) == enlignes(t));
    const Table u = lit(disque, fichier);
    TLV_VERIFIE(std::is_permutation(u.begin(), u.end(), t.begin(), t.end(),
                                    [](const auto& a, const auto& b) { return a.ligne == b.ligne; }));
    TLV_VERIFIE(ecrit(disque, fichier, u).ok() && enlignes(lit(disque, fichier)) == enlignes(u));
}

// A name as stored: at most nine characters, each one byte in the files.
void verifie_nom(const std::string& texte) {
    const std::string cp = utf8_vers_cp1252(texte);
    TLV_VERIFIE(nombrecaracteres(texte) <= longueurmaxnom &&
                static_cast<int>(cp.size()) == nombrecaracteres(texte));
    TLV_VERIFIE(cp1252_vers_utf8(cp) == texte);
}

// Memo's five records, in time order.
TLV_CIBLE(scoresmemo) {
    table_lue<TableMemo>(
        octets, fichiermemo(0), lignedefautmemo, luememo, litmemo, ecritmemo,
        [](const ScoreMemo& a, const ScoreMemo& b) { return a.temps < b.temps; },
        [](const ScoreMemo& s) {
            return s.temps >= 0 && s.temps <= 32767 && s.ligne.size() > std::size_t{largeurnommemo} &&
                   s.ligne.find_first_of("\r\n") == std::string::npos;
        });
}

// Quadrel's ten records, most boards first then the shorter time.
TLV_CIBLE(scoresjong) {
    table_lue<TableJong>(
        octets, fichierjong, lignedefautjong, luejong, litjong, ecritjong,
        [](const ScoreJong& a, const ScoreJong& b) {
            return a.tableau > b.tableau || (a.tableau == b.tableau && a.temps < b.temps);
        },
        [](const ScoreJong& s) {
            return s.tableau >= 0 && s.tableau <= 999 && luejong(s.ligne)->tableau == s.tableau &&
                   s.temps >= 0 && s.temps <= tempsmaxjong && s.ligne.size() == lignedefautjong.size();
        });
}

// The name filter: whatever is typed and however the caret is moved, the name holds only accepted
// characters; Enter's answer is trimmed and in capitals, and the score lines made from it read back with
// that very name. Each control byte of the input is an editing key, 8 a click at the next byte's abscissa;
// the bytes between them are typed.
TLV_CIBLE(nom) {
    constexpr Touche Touches[] = {Touche::Effacement, Touche::Suppr, Touche::Gauche,
                                  Touche::Droite,     Touche::Debut, Touche::Fin};
    Saisie s;
    std::string morceau;
    for (std::size_t i = 0; i <= octets.size(); ++i) {
        const int o = fuzz::octet(octets, i, 0x08);
        if (o > 0x08) {
            morceau += static_cast<char>(o);
            continue;
        }
        s.tape(morceau);
        morceau.clear();
        if (o < 0x08) TLV_VERIFIE(s.touche(Touches[o % 6]));
        if (o == 0x08 && i < octets.size())
            s.clique(fuzz::octet(octets, ++i), [](const std::string& t) { return 9 * nombrecaracteres(t); });
        TLV_VERIFIE(s.curseur() >= 0 && s.curseur() <= nombrecaracteres(s.texte()));
    }
    const std::string& texte = s.texte();
    verifie_nom(texte);
    for (std::size_t i = 0, n; i < texte.size(); i += n) {
        const unsigned char c0 = static_cast<unsigned char>(texte[i]);
        n = c0 < 0x80 ? 1 : c0 >= 0xF0 ? 4 : c0 >= 0xE0 ? 3 : 2;
        TLV_VERIFIE(caractereaccepte(texte.substr(i, n)));
    }

    const std::string nom = reponsenom(texte);
    verifie_nom(nom);
    TLV_VERIFIE(!nom.empty() && nom.front() != ' ' && nom.back() != ' ');
    TLV_VERIFIE(nom.find('"') == std::string::npos && reponsenom(nom) == nom);
    // The stored lines of a Memo time and a Quadrel game keep the name, blanks padding it.
    const auto memo = luememo(formatememo(nom, 1234));
    const auto champ = [&](int n) { return nom + std::string(n - nombrecaracteres(nom), ' '); };
    TLV_VERIFIE(memo && memo->temps == 1234 &&
                debutligne(memo->ligne, largeurnommemo) == champ(largeurnommemo));
    const auto jong = luejong(formatejong(nom, 12, 345));
    TLV_VERIFIE(jong && jong->tableau == 12 && jong->temps == 345 &&
                debutligne(jong->ligne, largeurnomjong) == champ(largeurnomjong));
}

std::vector<std::string> autres(const std::vector<std::string>& lignes, const std::string& nom) {
    std::vector<std::string> r;
    for (const auto& l : lignes)
        if (nomdeligne(l) != nom) r.push_back(l);
    return r;
}

// Saved games: whatever the file holds, every value read lies in its range, and the writing operations keep
// every other game's line byte for byte (or leave a file they could not read whole as it was).
TLV_CIBLE(parties) {
    StockageDisque disque(fuzz::dossier());
    Parties p(disque);
    fuzz::pose(p.chemin(), octets);

    const std::vector<std::string> avant = p.lignes();
    for (const auto& l : avant) {
        TLV_VERIFIE(tableaudeligne(l) >= -1 && tempsdeligne(l) >= 0 && tempsdeligne(l) <= tempsmaxpartie);
        TLV_VERIFIE(l.find_first_of("\r\n") == std::string::npos);
    }
    const std::string premier = p.rendlepremiernom();
    TLV_VERIFIE(premier.empty() == avant.empty() || nomdeligne(avant.front()).empty());
    if (!premier.empty()) {
        const Parties::Chargement ch = p.chargepartie(premier);
        TLV_VERIFIE(p.existe(premier) && ch.numtableau >= 0 && ch.fichepartie.size() <= 17);
        TLV_VERIFIE(ch.tempscumule >= 0 && ch.tempscumule <= tempsmaxpartie);
    }

    // A new game: one line more at the end, the others unchanged.
    const std::string nom = "FUZZÉ";
    const bool connu = p.existe(nom);
    if (!p.ajoutepartie(nom)) {
        TLV_VERIFIE(fuzz::relit(p.chemin()) == octets);
        return;
    }
    std::vector<std::string> attendu = avant;
    attendu.push_back(lignepartie(nom, -1, 0));
    TLV_VERIFIE(p.lignes() == attendu);
    // A board cleared: the game's lines take the board and the time, nothing else moves.
    const int tableau = fuzz::octet(octets, 0, 3) % 50, chrono = fuzz::octet(octets, 1, 60) % 121;
    const auto cumul = p.sauvepartie(nom, tableau, chrono).valeur();
    TLV_VERIFIE(cumul && *cumul >= 0 && *cumul <= tempsmaxpartie);
    TLV_VERIFIE(autres(p.lignes(), nom) == autres(avant, nom));
    const Parties::Chargement ch = p.chargepartie(nom);
    TLV_VERIFIE(ch.numtableau == tableau + 1 && ch.tempscumule == *cumul &&
                ch.fichepartie == lignepartie(nom, tableau, *cumul));
    // Erased: every other line is still there, as it was.
    TLV_VERIFIE(p.effacelapartie(nom) && !p.existe(nom) && p.lignes() == autres(avant, nom));
    TLV_VERIFIE(connu || autres(avant, nom) == avant);
}

void verifie_grille(const Grille& g) {
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 6; ++r) {
            const int v = g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            const bool bord = c == 0 || c == 9 || r == 0 || r == 5;
            TLV_VERIFIE(bord ? v == vide : (v == vide || (v >= 0 && v < 32) || estobstacle(v)));
        }
}

// The boards file: every board read from any bytes holds only empty cells, faces and obstacles, with the
// ring left empty. What each field reads as is the board tests' business.
TLV_CIBLE(plateaux) {
    const std::string chemin = fuzz::dossier() + fichierplateaux;
    fuzz::pose(chemin, octets);
    const int max = recherchemax(chemin);
    TLV_VERIFIE(max == niveaumax_de(octets.size()));
    for (int n = -1; n <= max + 2; ++n) {
        Grille g, h;
        const bool lu = chargecode_octets(octets, n, g);
        verifie_grille(g);
        if (!lu) TLV_VERIFIE(g == grillevide());
        if (chargecode(chemin, n, h)) verifie_grille(h);
        tableaujouable(g);
        resteunecarte(g);
    }
}

} // namespace
