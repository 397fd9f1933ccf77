// The sound device runs only while something is heard, and tunes play from memory, looping seamlessly.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/air.h"
#include "platform/audio.h"

namespace tlv {
namespace {

// Threads of this process running a sound device.
int fils_audio() {
    int n = 0;
    for (const auto& t : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string nom;
        std::getline(std::ifstream(t.path() / "comm"), nom);
        n += nom.rfind("SDLAudio", 0) == 0;
    }
    return n;
}

// Waits for a condition the sound threads bring about, giving up after ten seconds: a sound server may
// take over a second to let a device close.
template <class F> bool jusqua(F f) {
    for (int i = 0; i < 1000 && !f(); ++i) SDL_Delay(10);
    return f();
}

class Veille : public ::testing::Test {
  protected:
    void SetUp() override {
        if (sur_serveur()) {
            ASSERT_TRUE(a.ouvert()) << "no device on the sound server";
            ASSERT_TRUE(a.deux_flux()) << "the sound server took one stream only";
        }
        if (!a.ouvert()) GTEST_SKIP() << "no sound device";
    }
    // Run by son_serveur.sh, on a sound server that takes several streams.
    static bool sur_serveur() { return std::getenv("TLV_SON_SERVEUR") != nullptr; }
    // Real time stands still unless the test moves it.
    std::int64_t t = 0;
    Audio a{true, false, nullptr, [this] { return t; }};
};

// A tune plays on a device of its own where the system allows two streams; effects come and go beside it;
// the device closes after a silence and the next sound opens it again. (How often its device wakes is
// printed by tools/mesure-plateforme.)
TEST_F(Veille, ATunePlaysUntilItStopsWhileEffectsComeAndGoAndTheDeviceSleepsAfterASilence) {
    ASSERT_TRUE(a.actif());
    a.musique("cartem03", true);
    EXPECT_GT(a.periode_musique_ms(), 0);
    // After the effects' silence, one device is left: the tune's.
    a.veille();
    t += Audio::Repos_ms;
    EXPECT_EQ(a.veille(), -1);
    EXPECT_TRUE(a.actif());
    EXPECT_TRUE(a.joue());
    EXPECT_TRUE(jusqua([] { return fils_audio() == 1; }));

    a.effet("cartew00");
    if (a.deux_flux()) {
        EXPECT_TRUE(jusqua([] { return fils_audio() == 2; }));
    }
    ASSERT_TRUE(jusqua([&] {
        t += Audio::Repos_ms;
        return a.veille() == -1 && fils_audio() == 1;
    })) << "the effects' device stays open while the tune plays";
    EXPECT_TRUE(a.joue());

    a.musique("cartem01", true);
    EXPECT_TRUE(a.joue());
    EXPECT_EQ(fils_audio(), 1) << "a new tune opened a second device";

    a.arrete_musique();
    ASSERT_TRUE(jusqua([&] { return !a.joue(); })) << "the effect or the tune never ended";
    EXPECT_EQ(a.periode_musique_ms(), 0);
    a.veille();
    t += Audio::Repos_ms - 1;
    EXPECT_GT(a.veille(), 0) << "closed before the end of the tune left the device";
    t += 1;
    EXPECT_EQ(a.veille(), -1);
    EXPECT_FALSE(a.actif());
    EXPECT_TRUE(jusqua([] { return fils_audio() == 0; })) << "a paused device still wakes its thread";

    a.effet("cartew00");
    EXPECT_TRUE(a.actif());
    EXPECT_TRUE(a.joue());
    EXPECT_TRUE(jusqua([] { return fils_audio() == 1; }));
}

// PipeWire's own driver, then PulseAudio's, then SDL's own choice (""), which alone follows the player's.
TEST(Pilotes, PipeWireThenPulseThenSdlsChoiceUnlessThePlayerNamesOne) {
    const std::vector<std::string> sdl = {"pulseaudio", "alsa", "sndio", "pipewire", "dsp", "disk", "dummy"};
    const struct {
        const char* variable;
        std::vector<std::string> presents, voulus;
    } cas[] = {
        {nullptr, sdl, {"pipewire", "pulseaudio", ""}},
        {"", sdl, {"pipewire", "pulseaudio", ""}},
        {"dummy", sdl, {""}},
        {nullptr, {"pulseaudio", "alsa"}, {"pulseaudio", ""}},
        {nullptr, {"alsa", "dummy"}, {""}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(pilotes_audio(c.variable, c.presents), c.voulus) << (c.variable ? c.variable : "(absente)");
}

std::vector<std::uint8_t> lit(Air& air, std::size_t n) {
    std::vector<std::uint8_t> v(n);
    air.lit(v.data(), static_cast<int>(n));
    return v;
}

TEST(Air, ATuneLoopsWithoutAGapAndPlaysOnceToItsEndOtherwise) {
    Air air("cartem03", 44100, AUDIO_S16SYS, 2);
    ASSERT_TRUE(jusqua([&] { return air.decode(); }));
    const std::size_t n = air.taille();
    ASSERT_GT(n, 44100u * 4) << "a tune of over a second";
    air.demarre(false);
    const auto une = lit(air, n);
    EXPECT_NE(une, std::vector<std::uint8_t>(n, 0));
    EXPECT_EQ(lit(air, 64), std::vector<std::uint8_t>(64, 0));
    EXPECT_TRUE(air.fini());

    // Looping, read in pieces that do not divide it: each pass is the tune again, sample for sample.
    air.demarre(true);
    std::vector<std::uint8_t> deux;
    while (deux.size() < 2 * n) {
        const auto v = lit(air, 1000);
        deux.insert(deux.end(), v.begin(), v.end());
    }
    EXPECT_FALSE(air.fini());
    const auto milieu = deux.begin() + static_cast<std::ptrdiff_t>(n);
    EXPECT_TRUE(std::equal(une.begin(), une.end(), deux.begin()));
    EXPECT_TRUE(std::equal(une.begin(), une.end(), milieu));
}

TEST(Air, AMissingOrDamagedFileIsSilence) {
    Air air("cartei00", 44100, AUDIO_S16SYS, 2); // a picture
    ASSERT_TRUE(jusqua([&] { return air.decode(); }));
    air.demarre(true);
    EXPECT_EQ(lit(air, 256), std::vector<std::uint8_t>(256, 0));
    EXPECT_TRUE(air.fini());
}

} // namespace
} // namespace tlv
