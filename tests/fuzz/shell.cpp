// What the program reads besides the games' files: the timing settings, "tlvweb.ini", the help text, the
// command line and the robot scripts.
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "fuzz.h"
#include "platform/robot.h"
#include "shell/aide.h"
#include "shell/fichiers.h"
#include "shell/options.h"
#include "shell/parametres.h"
#include "shell/tlvweb.h"

using namespace tlv;
using Commande = Robot::Commande;
using Type = Commande::Type;

namespace {

// The two timing settings files: whatever they hold, the value read lies in its dialog's range; a file that
// was not taken is rewritten with the default; one that was taken is left as it was; and what is saved reads
// back as the same value.
TLV_CIBLE(parametres) {
    Reglages r;
    r.scores = std::make_unique<StockageDisque>(fuzz::dossier());
    const std::string belote = r.scores->chemin("tlvbelo.ini"), memo = r.scores->chemin("tlvmemo.ini");
    fuzz::pose(belote, octets);
    fuzz::pose(memo, octets);
    // The number on the files' first line, as kept; -1, which no setting reads as, when there is none.
    const auto lignes = litlignes(belote);
    const double lu = lignes && !lignes->empty() ? lisnombre(lignes->front()).value_or(-1) : -1;

    // The number of a line, when there is one, is a finite number.
    if (const auto v = lisnombre(octets.substr(0, octets.find_first_of("\r\n"))))
        TLV_VERIFIE(std::isfinite(*v));

    lisparambelote(r);
    TLV_VERIFIE(r.tempobelote >= tempobelotemin && r.tempobelote <= tempobelotemax);
    const std::string b = fuzz::relit(belote);
    TLV_VERIFIE(b == octets || b == imprimenombre(4) + "\r\n");
    if (b != imprimenombre(4) + "\r\n") TLV_VERIFIE(arrondipair(lu) == r.tempobelote);

    lisparammemo(r);
    TLV_VERIFIE(r.tempomemo >= tempomemomin && r.tempomemo <= tempomemomax);
    const std::string m = fuzz::relit(memo);
    TLV_VERIFIE(m == octets || m == imprimenombre(10.f) + "\r\n");
    if (m != imprimenombre(10.f) + "\r\n") TLV_VERIFIE(static_cast<float>(lu) / 10 == r.tempomemo);

    // Saved and read again: the same values (the real one to the printed precision).
    const int belotelue = r.tempobelote;
    const float memolue = r.tempomemo;
    TLV_VERIFIE(sauveparambelote(r) && sauveparammemo(r));
    lisparambelote(r);
    lisparammemo(r);
    TLV_VERIFIE(r.tempobelote == belotelue && std::fabs(r.tempomemo - memolue) <= 1e-5f);
}

// "tlvweb.ini": whatever it holds, the address read is one line of UTF-8 (a quoted value keeps its blanks),
// and the page the web button opens is either that address, an http(s) one with no blank or control byte,
// or the offline page as a file:// URL.
TLV_CIBLE(tlvweb) {
    const std::string dossier = fuzz::dossier();
    fuzz::pose(dossier + "tlvweb.ini", octets);
    const std::string lue = urlsite(dossier);
    TLV_VERIFIE(lue.find_first_of("\r\n") == std::string::npos);
    // Valid UTF-8: it goes back to the file's bytes without a '?' that was not there.
    TLV_VERIFIE(cp1252_vers_utf8(utf8_vers_cp1252(lue)) == lue);
    // The same key under other cases is the same key.
    TLV_VERIFIE(litvaleurini(dossier + "tlvweb.ini", "SiteConf", "URL") == lue);

    const std::string page = adresseweb(lue, dossier);
    if (page.rfind("file://", 0) == 0) {
        TLV_VERIFIE(page == urlfichier(dossier + "tolvanex.html"));
    } else {
        TLV_VERIFIE(page == lue);
        TLV_VERIFIE(strncasecmp(page.c_str(), "http://", 7) == 0 ||
                    strncasecmp(page.c_str(), "https://", 8) == 0);
        for (const char c : page) TLV_VERIFIE(static_cast<unsigned char>(c) > 0x20 && c != 0x7F);
    }
    for (const char c : urlfichier(octets))
        TLV_VERIFIE(static_cast<unsigned char>(c) > 0x20 && static_cast<unsigned char>(c) < 0x7F);
}

// The help text: whatever the file holds, its lines fit the width unless one word alone is wider, its pages
// keep every line in order, no page starts or ends with a blank line, and none is taller than the space
// above the buttons unless a single line is.
TLV_CIBLE(aide) {
    constexpr int Largeur = 584, Hauteur = 398;
    // Fixed widths per character, wider for headings, like a real font's.
    const auto mesure = [](const std::string& s, bool titre) {
        return static_cast<int>(
                   std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; })) *
               (titre ? 11 : 7);
    };
    const auto hauteur = [](const LigneAide& l) { return l.titre ? 24 : 15; };
    const auto blanche = [](const LigneAide& l) { return l.texte.empty() && !l.titre; };
    const std::vector<LigneAide> lignes = mise_en_lignes(octets, Largeur, mesure);
    std::vector<std::string> pleines, placees;
    for (const auto& l : lignes) {
        TLV_VERIFIE(l.texte.find('\n') == std::string::npos);
        TLV_VERIFIE(mesure(l.texte, l.titre) <= Largeur || l.texte.find(' ') == std::string::npos);
        if (!blanche(l)) pleines.push_back(l.texte);
    }
    TLV_VERIFIE(lignes.empty() || !blanche(lignes.back()));
    if (octets.find_first_not_of(" \t\r\n#-*") != std::string::npos) TLV_VERIFIE(!pleines.empty());

    const std::vector<PageAide> pages = mise_en_pages(lignes, Hauteur, hauteur);
    TLV_VERIFIE(!pages.empty());
    for (const auto& p : pages) {
        TLV_VERIFIE(!p.empty() || pages.size() == 1);
        if (p.empty()) continue;
        TLV_VERIFIE(!blanche(p.front()) && !blanche(p.back()));
        int h = 0;
        for (const auto& l : p) {
            h += hauteur(l);
            if (!blanche(l)) placees.push_back(l.texte);
        }
        TLV_VERIFIE(h <= Hauteur || p.size() == 1);
    }
    TLV_VERIFIE(placees == pleines);
}

// The command line: any arguments (the input cut at its zero bytes) give options or the one documented
// error, std::invalid_argument with a French message, and a display size kept lies within what a display
// can be. Which option takes which value is the shell tests' business.
TLV_CIBLE(options) {
    std::vector<std::string> args(1);
    for (const char c : octets) c == 0 ? args.emplace_back() : args.back() += c;
    Options o;
    try {
        o = lit_options(args);
    } catch (const std::invalid_argument& e) {
        TLV_VERIFIE(std::string(e.what()).size() > 0);
        return;
    }
    TLV_VERIFIE(o.ecran_largeur == 0 || (o.ecran_largeur >= 64 && o.ecran_largeur <= 16384 &&
                                         o.ecran_hauteur >= 48 && o.ecran_hauteur <= 16384));
}

// Robot scripts: any bytes give commands or the one documented error, ErreurScript, and the commands hold
// values in their ranges. What each line reads as is the platform tests' business.
TLV_CIBLE(robot) {
    std::vector<Commande> cs;
    try {
        cs = Robot::analyse(octets);
    } catch (const ErreurScript& e) {
        TLV_VERIFIE(std::string(e.what()).rfind("ligne ", 0) == 0);
        return;
    }
    const auto lignes = static_cast<std::size_t>(std::count(octets.begin(), octets.end(), '\n')) + 1;
    for (std::size_t i = 0; i < cs.size(); ++i) {
        const Commande& c = cs[i];
        TLV_VERIFIE(c.ligne >= 1 && static_cast<std::size_t>(c.ligne) <= lignes);
        TLV_VERIFIE(i == 0 || cs[i - 1].ligne < c.ligne);
        TLV_VERIFIE(c.duree_ms >= 0 && c.duree_ms <= 10'000'000'000LL);
        TLV_VERIFIE((c.maj & ~(maj::Shift | maj::Ctrl | maj::Alt)) == 0);
        if (c.type == Type::Survol) TLV_VERIFIE(c.maj == 0);
        if (c.type == Type::Capture) TLV_VERIFIE(!c.texte.empty());
    }
}

} // namespace
