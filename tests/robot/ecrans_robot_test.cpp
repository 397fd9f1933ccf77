// The real program laid out for displays of several sizes: what a capture shows there against the play
// area it always showed.
#include <gtest/gtest.h>

#include <cmath>

#include "pixels.h"
#include "platform/image.h"
#include "robot.h"

namespace tlv::essai {
namespace {

using test::memes_pixels;

// The launcher, left for each game and shown again by its menu's « Menu principal », then a board of Memo,
// the name entry and a board of Quadrel and the Belote table, each captured.
const Scenario Parcours =
    Scenario{attends(), capture("lanceur.png")} + ouvre(Jeu::Belote) +
    Scenario{clic(320, 412), capture("retour0.png")} +
    // Memo: its line, "Nouvelle partie", then back through the table's Menu label.
    ouvre(Jeu::Memo) +
    Scenario{clic(320, 135), capture("memo.png"), clic(320, 455), clic(320, 415), capture("retour1.png")} +
    // Quadrel: a new game named toto, then back the same way.
    ouvre(Jeu::Quadrel) +
    Scenario{clic(320, 130),         capture("nom.png"), tape("toto"),   touche("Entree"),
             capture("quadrel.png"), clic(320, 455),     clic(320, 410), capture("retour2.png")} +
    // Belote: a new match, caught once the deal waits for Sud's bid.
    ouvre(Jeu::Belote) + Scenario{clic(320, 130), capture("belote.png")};

// The display pixel showing the middle of play-area pixel (x, y).
std::uint32_t au_milieu(const Surface& s, const Rect& a, int x, int y) {
    return s.pixel(a.x + static_cast<int>((x + 0.5) * a.w / 640),
                   a.y + static_cast<int>((y + 0.5) * a.h / 480));
}

// Quadrel's table under the name entry is darkened by scaling each colour, edge to edge: not posterised to
// the greys 0 and 64, and its outer pixels as dark as their neighbours.
void verifie_voile(const Surface& s, const Rect& aire) {
    auto clarte = [&](int x, int y) {
        const std::uint32_t v = au_milieu(s, aire, x, y);
        return static_cast<int>(((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255));
    };
    int bord = 0, voisin = 0;
    for (int y = 100; y < 380; ++y)
        bord += clarte(2, y) + clarte(637, y), voisin += clarte(8, y) + clarte(631, y);
    EXPECT_LT(bord, voisin * 3 / 2 + 280) << "the border left bright";
    int postes = 0;
    for (int y = 52; y < 428; ++y)
        for (int x = 40; x < 600; ++x) {
            const std::uint32_t v = au_milieu(s, aire, x, y);
            bool poste = v != 0;
            for (int sh : {0, 8, 16}) poste = poste && (((v >> sh) & 255) == 0 || ((v >> sh) & 255) == 64);
            postes += poste;
        }
    EXPECT_LT(postes, 560 * 376 / 100) << "colours kept to 0 and 64";
}

// At 1920 x 1080 the play area is scaled by 2.25 into the middle 1440 columns: every screen fills it, dark
// around, and shows what it shows at the area's own size.
TEST(Ecran, EveryScreenFillsItsAreaCentredDarkAroundAndComposedAsAtItsOwnSize) {
    Programme base, p;
    const std::string envoi = "TLV_ROBOT_AFFICHE=1"; // captures: what the window was sent
    const auto r0 = base.joue(Parcours, "--graine 5", envoi),
               r = p.joue(Parcours, "--graine 5 --ecran 1920x1080", envoi);
    ASSERT_EQ(r0.code, 0) << r0.erreurs;
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const int W = 1920, H = 1080;
    const Rect a{240, 0, 1440, 1080};
    for (const char* nom : {"lanceur.png", "memo.png", "nom.png", "quadrel.png", "belote.png"}) {
        SCOPED_TRACE(nom);
        const Surface grand = p.capture(nom), petit = base.capture(nom);
        ASSERT_EQ((std::pair{grand.largeur(), grand.hauteur()}), (std::pair{W, H}));
        // Dark outside the area; inside, its first and last rows and columns are drawn (not all black).
        const Surface noir(W, H, 0, 1);
        const auto dessinee = [&](Rect z) { return !memes_pixels(grand, noir, z); };
        EXPECT_TRUE(memes_pixels(grand, noir, Rect{0, 0, a.x, H}) &&
                    memes_pixels(grand, noir, Rect{a.x + a.w, 0, W - a.x - a.w, H}));
        EXPECT_TRUE(dessinee({a.x, a.y, 1, a.h}) && dessinee({a.x + a.w - 1, a.y, 1, a.h}));
        EXPECT_TRUE(dessinee({a.x, a.y, a.w, 1}) && dessinee({a.x, a.y + a.h - 1, a.w, 1}));
        // The same picture: the middle of each play-area pixel shows its colour at the area's own size,
        // but for the edges of text drawn finer.
        int autres = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                const std::uint32_t u = au_milieu(grand, a, x, y), v = petit.pixel(x, y);
                for (int sh : {0, 8, 16})
                    if (std::abs(static_cast<int>((u >> sh) & 255) - static_cast<int>((v >> sh) & 255)) >
                        64) {
                        ++autres;
                        break;
                    }
            }
        EXPECT_LT(autres, 640 * 480 / 50) << "pixels unlike the area's own size";
    }
    EXPECT_EQ(r.sortie, r0.sortie) << "the same sounds";
    // Back from each game, the launcher as it first showed above the clip: the picture and the first lines.
    for (const Programme* q : {&base, &p})
        for (const char* retour : {"retour0.png", "retour1.png", "retour2.png"}) {
            const Surface l = q->capture("lanceur.png");
            EXPECT_TRUE(memes_pixels(l, q->capture(retour), dans_capture(l, Rect{0, 0, 640, 192}))) << retour;
        }
    verifie_voile(p.capture("nom.png"), a);
    // The text is drawn for the display: inside a play-area pixel of the launcher's lines the 2 x 2 display
    // pixels wholly inside it vary, which a magnified picture never does.
    const Surface l = p.capture("lanceur.png");
    int nuances = 0;
    for (int y = 9; y < 200; ++y)
        for (int x = 330; x < 626; ++x) {
            const int X = 240 + static_cast<int>(std::ceil(x * 2.25)),
                      Y = static_cast<int>(std::ceil(y * 2.25));
            const std::uint32_t c = l.pixel(X, Y);
            nuances += l.pixel(X + 1, Y) != c || l.pixel(X, Y + 1) != c || l.pixel(X + 1, Y + 1) != c;
        }
    EXPECT_GT(nuances, 2000);
}

// With the same size as the play area, a capture during the deal's card slides is pixel for pixel the one
// of a run with no size given.
TEST(EcranUn, ADealSlidesTheSameAtFactorOne) {
    Programme p, q;
    const std::string noms[] = {"g1.png", "g2.png", "g3.png", "g4.png", "g5.png", "g6.png"};
    Scenario s = ouvre(Jeu::Belote); // the captures are timed from the click that follows them
    for (int i = 0; i < 6; ++i) s.push_back(capture(noms[i], (i + 1) / 10.0));
    s.push_back(clic(320, 130));
    ASSERT_EQ(p.joue(s, "--graine 5").code, 0);
    ASSERT_EQ(q.joue(s, "--graine 5 --ecran 640x480").code, 0);
    for (const std::string& g : noms) EXPECT_EQ(p.capture(g).pixels(), q.capture(g).pixels()) << g;
}

} // namespace
} // namespace tlv::essai
