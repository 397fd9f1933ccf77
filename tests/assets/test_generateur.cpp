// The generator itself: same bytes on every run, a file list in step with the build, clear failures.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "dossiertemp.h"
#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

struct Resultat {
    int code = -1;
    std::string sortie;
};

Resultat lance(const std::string& commande) {
    Resultat r;
    FILE* f = popen((commande + " 2>&1").c_str(), "r");
    if (!f) return r;
    char b[512];
    while (size_t n = fread(b, 1, sizeof b, f)) r.sortie.append(b, n);
    int etat = pclose(f);
    r.code = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    return r;
}

class Generateur : public ::testing::Test {
  protected:
    test::DossierTemp temp;
    // Not made beforehand: the generator makes its own output folder.
    fs::path dossier = temp / "sortie";
};

TEST_F(Generateur, SameBytesAsTheBuild) {
    // Pictures, the clip, the card sheets, a picture drawn finer, a chime and the music: drawing, text, the
    // deck, synthesis, the encoder.
    const std::string noms = "cartei00,cartef00,cartei08,cartei07,cartei10.2x,cartew06,cartem00";
    Resultat r = lance(std::string(TLV_GENERATEUR) + " --seulement " + noms + " " + dossier.string());
    ASSERT_EQ(r.code, 0) << r.sortie;
    std::istringstream in(noms);
    for (std::string n; std::getline(in, n, ',');) {
        std::string neuf = litfichier((dossier / n).string());
        ASSERT_FALSE(neuf.empty()) << n;
        EXPECT_TRUE(neuf == litfichier(n)) << n << " diffère d'une génération à l'autre";
    }
}

TEST_F(Generateur, ListMatchesTheBuilds) {
    Resultat r = lance(std::string(TLV_GENERATEUR) + " --liste");
    ASSERT_EQ(r.code, 0);
    std::set<std::string> produits, attendus;
    std::istringstream a(r.sortie), b(TLV_DONNEES);
    for (std::string n; std::getline(a, n);) produits.insert(n);
    for (std::string n; std::getline(b, n, ',');) attendus.insert(n);
    EXPECT_EQ(produits, attendus);
    for (auto& n : attendus) EXPECT_TRUE(fs::exists(n)) << n;
}

TEST_F(Generateur, WithoutOggencFailsNamingThePackage) {
    Resultat r = lance("env PATH=/nonexistent " + std::string(TLV_GENERATEUR) + " --seulement cartem00 " +
                       dossier.string());
    EXPECT_NE(r.code, 0);
    EXPECT_NE(r.sortie.find("vorbis-tools"), std::string::npos) << r.sortie;
}

TEST_F(Generateur, ContactSheetOfEveryPicture) {
    fs::create_directories(dossier);
    std::string png = (dossier / "planche.png").string();
    Resultat r = lance(std::string(TLV_GENERATEUR) + " --planche " + png + " .");
    ASSERT_EQ(r.code, 0) << r.sortie;
    Png p;
    ASSERT_TRUE(lispng(png, p));
    EXPECT_EQ(p.w, 3 * 660);
    EXPECT_GT(p.h, 4 * 480);
    // Without the pictures it fails cleanly.
    EXPECT_EQ(lance(std::string(TLV_GENERATEUR) + " --planche " + png + " " + dossier.string()).code, 1);
}

TEST_F(Generateur, UnknownArgumentsAreRefused) {
    EXPECT_EQ(lance(std::string(TLV_GENERATEUR) + " --inconnu").code, 2);
    EXPECT_EQ(lance(std::string(TLV_GENERATEUR)).code, 2);
}

} // namespace
} // namespace tlv::essai
