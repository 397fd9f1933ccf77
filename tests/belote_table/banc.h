#pragma once
// A table screen in-process: the platform on the virtual clock with a robot script, the shared settings
// and the data files of the build's bin/ folder (the tests' working directory).
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>

#include "belote_table/ecran.h"
#include "pixels.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/robot.h"
#include "shell/reglages.h"
#include "shell/textes.h"
#include "shell/tlvutil.h"

namespace tlv::essai {
using namespace tlv::belote;

struct Banc {
    // `largeur` x `hauteur`: laid out as on a display of that size (0: the play area alone).
    explicit Banc(const std::string& script = "", int largeur = 0, int hauteur = 0) {
        r.repertoire = "./";
        r.textes = textes_fixes();
        r.dossiervoix = "voix.fr/";
        robot.commandes(Robot::analyse(script));
        OptionsPlateforme o;
        o.robot = &robot;
        o.trace_sons = true;
        o.sortie_sons = &sons;
        o.ecran_largeur = largeur, o.ecran_hauteur = hauteur;
        pf = std::make_unique<Plateforme>(o);
        r.decalagex = pf->decalagex();
        r.decalagey = pf->decalagey();
        util = std::make_unique<Tlvutil>(*pf, r);
        ctx = std::make_unique<Contexte>(Contexte{*pf, r, *util, rnd, ""});
    }
    // The table with its buffers ready and its labels drawn, on the screen without a loop of its own.
    Ecran& table() {
        ecran = std::make_unique<Ecran>(*ctx);
        ecran->place(r.decalagex, r.decalagey);
        ecran->tapis().prepare();
        ecran->tapis().afficheletapis();
        pf->montre_sans_attendre(*ecran);
        return *ecran;
    }

    Reglages r;
    Robot robot;
    Rnd rnd{1};
    std::ostringstream sons; // every sound started, one line each
    std::unique_ptr<Plateforme> pf;
    std::unique_ptr<Tlvutil> util;
    std::unique_ptr<Contexte> ctx;
    std::unique_ptr<Ecran> ecran;
};

// The table of a fresh bench: `e` for the screen, `t` for what it draws.
class Table : public ::testing::Test {
  protected:
    Banc banc;
    Ecran& e = banc.table();
    Tapis& t = e.tapis();
};

inline Main main_de(std::initializer_list<int> cartes) {
    Main m{};
    std::size_t s = 1;
    for (int c : cartes) m[s++] = static_cast<std::int16_t>(c);
    return m;
}

using test::memes_pixels;

// Whether the face of `carte` lies at (x, y) of the table (or of `vue`, a picture of it): every pixel inside
// the card's shape.
inline bool montre(const Tapis& t, int x, int y, int carte, const Surface* vue = nullptr) {
    return test::montre_sous_masque(vue ? *vue : t.fond(), {x, y}, t.tampon(),
                                    {(carte % 10) * 71, (carte / 10 - 1) * 96}, t.masque(), 71, 96);
}

// The rows (or columns) of a rectangle where two pictures differ: first and last, -1 when none.
struct Etendue {
    int premier = -1, dernier = -1;
};
inline Etendue lignes_differentes(const Surface& a, const Surface& b, Rect z, bool colonnes = false) {
    Etendue e;
    const int n = colonnes ? z.w : z.h, m = colonnes ? z.h : z.w;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            const int x = colonnes ? z.x + i : z.x + j, y = colonnes ? z.y + j : z.y + i;
            if (a.pixel(x, y) != b.pixel(x, y)) {
                if (e.premier < 0) e.premier = colonnes ? x : y;
                e.dernier = colonnes ? x : y;
                break;
            }
        }
    return e;
}

} // namespace tlv::essai
