// The real program laid out for displays of several sizes: what a capture shows there against the play
// area it always showed, and the mouse over a non-whole scale.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>

#include "platform/form.h"
#include "platform/image.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/robot.h"
#include "robot.h"

namespace tlv::essai {
namespace {

// The launcher, then a board of Memo, of Quadrel and the Belote table, each captured.
std::string parcours(const std::string& d) {
    return "attends\ncapture " + d + "lanceur.png\n" +
           // Memo: its line, "Nouvelle partie", then back through the table's Menu label.
           "clic 400 100\nattends\nclic 320 135\nattends\ncapture " + d + "memo.png\n" +
           "clic 320 455\nattends\nclic 320 415\nattends\n" +
           // Quadrel: a new game named toto, then back the same way.
           "clic 400 170\nattends\nclic 320 130\nattends\ntexte toto\ntouche Entree\nattends\ncapture " + d +
           "quadrel.png\nclic 320 455\nattends\nclic 320 410\nattends\n" +
           // Belote: a new match, caught once the deal waits for Sud's bid.
           "clic 400 30\nattends\nclic 320 130\nattends\ncapture " + d + "belote.png\n";
}

const char* const Ecrans[] = {"lanceur", "memo", "quadrel", "belote"};

struct CasEcran {
    int W, H;
    Rect aire;
};

class Ecran : public ::testing::TestWithParam<CasEcran> {
  protected:
    // The same tour at the play area's own size, once for all sizes.
    static void SetUpTestSuite() {
        base_ = std::make_unique<Programme>();
        const auto r = base_->lance(parcours(base_->dossier() + "/"), "--graine 5");
        ASSERT_EQ(r.code, 0) << r.erreurs;
    }
    static void TearDownTestSuite() { base_.reset(); }
    static std::unique_ptr<Programme> base_;
};
std::unique_ptr<Programme> Ecran::base_;

// The display pixel showing the middle of play-area pixel (x, y).
std::uint32_t au_milieu(const Surface& s, const Rect& a, int x, int y) {
    return s.pixel(a.x + static_cast<int>((x + 0.5) * a.w / 640),
                   a.y + static_cast<int>((y + 0.5) * a.h / 480));
}

TEST_P(Ecran, EveryScreenFillsItsAreaCentredDarkAroundAndComposedAsAtItsOwnSize) {
    const CasEcran c = GetParam();
    Programme p;
    const std::string taille = std::to_string(c.W) + "x" + std::to_string(c.H);
    const auto r = p.lance(parcours(p.dossier() + "/"), "--graine 5 --ecran " + taille);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    for (const char* nom : Ecrans) {
        SCOPED_TRACE(nom);
        const auto grand = charge_image(p.dossier() + "/" + nom + ".png", 1);
        const auto petit = charge_image(base_->dossier() + "/" + nom + ".png", 1);
        ASSERT_TRUE(grand && petit);
        ASSERT_EQ((std::pair{grand->largeur(), grand->hauteur()}), (std::pair{c.W, c.H}));
        const Rect& a = c.aire;
        // Dark outside the area; inside, its first and last rows and columns are drawn.
        int sombres = 0;
        for (int y = 0; y < c.H; ++y)
            for (int x = 0; x < c.W; ++x)
                if (x < a.x || x >= a.x + a.w || y < a.y || y >= a.y + a.h)
                    sombres += grand->pixel(x, y) != 0;
        EXPECT_EQ(sombres, 0);
        auto dessinee = [&](int x0, int y0, int dx, int dy, int n) {
            for (int i = 0; i < n; ++i)
                if (grand->pixel(x0 + i * dx, y0 + i * dy) != 0) return true;
            return false;
        };
        EXPECT_TRUE(dessinee(a.x, a.y, 0, 1, a.h) && dessinee(a.x + a.w - 1, a.y, 0, 1, a.h));
        EXPECT_TRUE(dessinee(a.x, a.y, 1, 0, a.w) && dessinee(a.x, a.y + a.h - 1, 1, 0, a.w));
        // The same picture: the middle of each play-area pixel shows its colour at the area's own size,
        // but for the edges of text drawn finer.
        int autres = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                const std::uint32_t u = au_milieu(*grand, a, x, y), v = petit->pixel(x, y);
                for (int sh : {0, 8, 16})
                    if (std::abs(static_cast<int>((u >> sh) & 255) - static_cast<int>((v >> sh) & 255)) >
                        64) {
                        ++autres;
                        break;
                    }
            }
        EXPECT_LT(autres, 640 * 480 / 50) << "pixels unlike the area's own size";
    }
    EXPECT_EQ(r.sortie, base_->fichier(base_->dossier() + "/sortie.txt")) << "the same sounds";
}

INSTANTIATE_TEST_SUITE_P(
    Tailles, Ecran,
    ::testing::Values(CasEcran{800, 600, {0, 0, 800, 600}}, CasEcran{1366, 768, {171, 0, 1024, 768}},
                      CasEcran{1920, 1080, {240, 0, 1440, 1080}}, CasEcran{3840, 2160, {480, 0, 2880, 2160}}),
    [](const auto& i) { return std::to_string(i.param.W) + "x" + std::to_string(i.param.H); });

// At 4K the text is drawn for the display: inside a play-area pixel the display pixels vary, which a
// magnified picture never does.
TEST(Ecran4K, TextIsDrawnAtTheDisplaysResolutionNotMagnified) {
    Programme p;
    const auto r = p.lance("attends\ncapture " + p.dossier() + "/l.png\n", "--ecran 3840x2160");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto s = charge_image(p.dossier() + "/l.png", 1);
    ASSERT_TRUE(s);
    // The launcher's lines, 4.5 display pixels a play-area pixel: the 3 x 3 display pixels wholly inside
    // each.
    int nuances = 0;
    for (int y = 9; y < 200; ++y)
        for (int x = 330; x < 626; ++x) {
            const int X = 480 + static_cast<int>(std::ceil(x * 4.5)),
                      Y = static_cast<int>(std::ceil(y * 4.5));
            const std::uint32_t c = s->pixel(X, Y);
            bool uni = true;
            for (int j = 0; j < 3; ++j)
                for (int i = 0; i < 3; ++i) uni = uni && s->pixel(X + i, Y + j) == c;
            nuances += !uni;
        }
    EXPECT_GT(nuances, 2000);
}

// Quadrel's table under the name entry is darkened by scaling each colour, edge to edge: not posterised to
// the greys 0 and 64, and its outer pixels as dark as their neighbours.
class Voile : public ::testing::TestWithParam<CasEcran> {};

TEST_P(Voile, TheTableUnderTheNameEntryIsDarkenedSmoothlyToItsEdges) {
    const CasEcran c = GetParam();
    Programme p;
    const auto r = p.lance("attends\nclic 400 170\nattends\nclic 320 130\nattends\ncapture " + p.dossier() +
                               "/nom.png\n",
                           "--ecran " + std::to_string(c.W) + "x" + std::to_string(c.H));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto s = charge_image(p.dossier() + "/nom.png", 1);
    ASSERT_TRUE(s);
    auto clarte = [&](int x, int y) {
        const std::uint32_t v = au_milieu(*s, c.aire, x, y);
        return static_cast<int>(((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255));
    };
    int bord = 0, voisin = 0;
    for (int y = 100; y < 380; ++y)
        bord += clarte(2, y) + clarte(637, y), voisin += clarte(8, y) + clarte(631, y);
    EXPECT_LT(bord, voisin * 3 / 2 + 280) << "the border left bright";
    int postes = 0;
    for (int y = 52; y < 428; ++y)
        for (int x = 40; x < 600; ++x) {
            const std::uint32_t v = au_milieu(*s, c.aire, x, y);
            bool poste = v != 0;
            for (int sh : {0, 8, 16}) poste = poste && (((v >> sh) & 255) == 0 || ((v >> sh) & 255) == 64);
            postes += poste;
        }
    EXPECT_LT(postes, 560 * 376 / 100) << "colours kept to 0 and 64";
}
INSTANTIATE_TEST_SUITE_P(Tailles, Voile,
                         ::testing::Values(CasEcran{640, 480, {0, 0, 640, 480}},
                                           CasEcran{1920, 1080, {240, 0, 1440, 1080}}),
                         [](const auto& i) {
                             return std::to_string(i.param.W) + "x" + std::to_string(i.param.H);
                         });

// With the same size as the play area, a capture during the deal's card slides is pixel for pixel the one
// of a run with no size given.
TEST(EcranUn, ADealSlidesTheSameAtFactorOne) {
    Programme p, q;
    auto script = [](const Programme& x) {
        std::string s = "attends\nclic 400 30\nattends\nclic 320 130\n";
        for (int i = 1; i <= 6; ++i)
            s += "capture " + x.dossier() + "/g" + std::to_string(i) + ".png 0." + std::to_string(i) + "\n";
        return s + "attends\n";
    };
    ASSERT_EQ(p.lance(script(p), "--graine 5").code, 0);
    ASSERT_EQ(q.lance(script(q), "--graine 5 --ecran 640x480").code, 0);
    for (int i = 1; i <= 6; ++i) {
        const std::string g = "/g" + std::to_string(i) + ".png";
        const auto a = charge_image(p.dossier() + g, 1), b = charge_image(q.dossier() + g, 1);
        ASSERT_TRUE(a && b) << g;
        EXPECT_EQ(a->pixels(), b->pixels()) << g;
    }
}

// A form that keeps the play-area pixel of each click.
struct Cible : Form {
    explicit Cible(Plateforme& p) : Form(p) {}
    void MouseDown(int, int, int x, int y) override { clics.emplace_back(x, y); }
    std::vector<std::pair<int, int>> clics;
};

// At 1366 x 768 a play-area pixel is 1.6 display pixels wide, the area starting at display column 171. The
// launcher's lines answer from x = 329 to 627 and the first line from y = 10 to 68: a click lands in the
// play-area pixel that its display pixel mostly shows, so the edges fall where the eye sees them.
TEST(EcranSouris, ClicksAtTheEdgesOfAHotAreaLandOnThePixelTheDisplayShows) {
    Robot robot;
    OptionsPlateforme o;
    o.robot = &robot;
    o.ecran_largeur = 1366, o.ecran_hauteur = 768;
    Plateforme pf(o);
    Cible c(pf);
    c.place(pf.decalagex(), pf.decalagey());
    pf.montre_sans_attendre(c);
    // Play-area pixel 329 starts at display 697.4, 628 at 1175.8, row 10 at 16 and row 69 at 110.4: display
    // pixel 697 is 0.6 of 329, 1175 is 0.8 of 627, 110 is 0.6 of row 69.
    const std::pair<int, int> points[] = {{696, 40}, {697, 40}, {1175, 40}, {1176, 40},
                                          {800, 15}, {800, 16}, {800, 109}, {800, 110}};
    for (auto [x, y] : points) {
        SDL_Event ev{};
        ev.type = SDL_MOUSEBUTTONDOWN;
        ev.button.button = SDL_BUTTON_LEFT;
        ev.button.x = x, ev.button.y = y;
        SDL_PushEvent(&ev);
    }
    pf.doevents();
    const std::vector<std::pair<int, int>> attendus = {{328, 25}, {329, 25}, {627, 25}, {628, 25},
                                                       {393, 9},  {393, 10}, {393, 68}, {393, 69}};
    EXPECT_EQ(c.clics, attendus);
}

} // namespace
} // namespace tlv::essai
