// The score files: reading what is on disk (whatever it holds), ranking, insertion and the bytes written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "scores/fichierscores.h"
#include "shell/creefichiers.h"

namespace tlv {
namespace {

namespace fs = std::filesystem;

std::string lit(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecrit(const fs::path& p, const std::string& contenu) {
    std::ofstream f(p, std::ios::binary);
    f << contenu;
}

class Dossier : public ::testing::Test {
  protected:
    void SetUp() override {
        char modele[] = "/tmp/tlv-scores-XXXXXX";
        dossier = mkdtemp(modele);
    }
    void TearDown() override { fs::remove_all(dossier); }
    std::string chemin(const std::string& nom) const { return dossier + "/" + nom; }
    std::string dossier;
};

// ---- One Memo line as read.
struct CasLigneMemo {
    const char* nom;
    std::string octets;
    bool defaut; // read as the default line
    int temps;
};

class LigneMemo : public ::testing::TestWithParam<CasLigneMemo> {};

TEST_P(LigneMemo, ReadsTheTimeOrFallsBackToTheDefault) {
    const auto& c = GetParam();
    const ScoreMemo s = lignememo(c.octets);
    EXPECT_EQ(s.temps, c.temps);
    EXPECT_EQ(s.ligne, c.defaut ? std::string(lignedefautmemo) : c.octets);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, LigneMemo,
    ::testing::Values(CasLigneMemo{"Default", "INCONNU         10000", false, 10000},
                      CasLigneMemo{"ShortTime", "PAUL            7", false, 7},
                      CasLigneMemo{"ZeroTime", "PAUL            0", false, 0},
                      CasLigneMemo{"Cp1252Name", "H\xc9L\xc8NE          95", false, 95},
                      CasLigneMemo{"Largest16Bit", "PAUL            32767", false, 32767},
                      CasLigneMemo{"Above16Bit", "PAUL            32768", true, 10000},
                      CasLigneMemo{"SixDigits", "PAUL            000012", true, 10000},
                      CasLigneMemo{"NoTime", "PAUL            ", true, 10000},
                      CasLigneMemo{"ShortLine", "PAUL", true, 10000}, CasLigneMemo{"Empty", "", true, 10000},
                      CasLigneMemo{"NotANumber", "PAUL            12a", true, 10000},
                      CasLigneMemo{"Signed", "PAUL            -5", true, 10000},
                      CasLigneMemo{"BlankInTime", "PAUL            1 2", true, 10000},
                      CasLigneMemo{"ControlInName", std::string("PA\0L            12", 19), true, 10000},
                      CasLigneMemo{"Overlong", std::string(4096, '7'), true, 10000}),
    [](const auto& i) { return std::string(i.param.nom); });

// ---- Memo ranking: ties go below, every rank can be reached.
struct CasRangMemo {
    const char* nom;
    std::array<int, 5> temps;
    int temps_nouveau;
    int rang;
};

class RangMemo : public ::testing::TestWithParam<CasRangMemo> {};

TableMemo table(const std::array<int, 5>& temps) {
    TableMemo t;
    for (std::size_t i = 0; i < 5; ++i) t[i] = lignememo(formatememo("J" + std::to_string(i + 1), temps[i]));
    return t;
}

TEST_P(RangMemo, FirstLineWithALongerTime) {
    const auto& c = GetParam();
    EXPECT_EQ(rangmemo(table(c.temps), c.temps_nouveau), c.rang);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RangMemo,
    ::testing::Values(CasRangMemo{"FreshTableFirst", {10000, 10000, 10000, 10000, 10000}, 9999, 1},
                      CasRangMemo{
                          "TenThousandNeverRanksOnDefaults", {10000, 10000, 10000, 10000, 10000}, 10000, 0},
                      CasRangMemo{"Best", {50, 60, 70, 80, 90}, 49, 1},
                      CasRangMemo{"TieWithFirstGoesBelow", {50, 60, 70, 80, 90}, 50, 2},
                      CasRangMemo{"Third", {50, 60, 70, 80, 90}, 65, 3},
                      CasRangMemo{"TieWithThirdGoesBelow", {50, 60, 70, 80, 90}, 70, 4},
                      CasRangMemo{"Fifth", {50, 60, 70, 80, 90}, 89, 5},
                      CasRangMemo{"TieWithLastDoesNotRank", {50, 60, 70, 80, 90}, 90, 0},
                      CasRangMemo{"Slower", {50, 60, 70, 80, 90}, 300, 0},
                      CasRangMemo{"AllEqual", {40, 40, 40, 40, 40}, 40, 0}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(InsertionMemo, EachRankShiftsTheLinesBelowAndDropsTheLast) {
    const TableMemo t = table({50, 60, 70, 80, 90});
    for (int rang = 1; rang <= 5; ++rang) {
        const TableMemo r = inserememo(t, rang, formatememo("NOUVEAU", 55));
        for (int i = 1; i <= 5; ++i) {
            const auto& l = r[static_cast<std::size_t>(i - 1)].ligne;
            if (i < rang)
                EXPECT_EQ(l, t[static_cast<std::size_t>(i - 1)].ligne) << rang << " " << i;
            else if (i == rang)
                EXPECT_EQ(l, "NOUVEAU         55") << rang;
            else
                EXPECT_EQ(l, t[static_cast<std::size_t>(i - 2)].ligne) << rang << " " << i;
        }
    }
}

TEST(FormatMemo, NameOnSixteenWindows1252Characters) {
    EXPECT_EQ(formatememo("PAUL", 123), "PAUL            123");
    EXPECT_EQ(formatememo("HÉLÈNE", 7), "H\xc9L\xc8NE          7");
    EXPECT_EQ(formatememo("ABCDEFGHIJKLMNOPQRST", 5), "ABCDEFGHIJKLMNOP5");
    EXPECT_EQ(formatememo("ŒUF", 5).size(), 17u);
    EXPECT_EQ(debutligne(formatememo("ÉLÉONORE-ANNE", 5), 9), "ÉLÉONORE-");
}

// ---- The files on disk.
TEST_F(Dossier, MemoRoundTripIsByteExact) {
    const std::string p = chemin("tlvmemo0.sco");
    ecrit(p, contenuinitial("tlvmemo0.sco"));
    TableMemo t = litmemo(p);
    for (const auto& s : t) EXPECT_EQ(s.temps, 10000);
    t = inserememo(t, rangmemo(t, 42), formatememo("zoé \"x\"", 42));
    ASSERT_TRUE(ecritmemo(p, t));
    std::string attendu = "zo\xe9 \"x\"         42\r\n";
    for (int i = 0; i < 4; ++i) attendu += "INCONNU         10000\r\n";
    EXPECT_EQ(lit(p), attendu);
    EXPECT_EQ(litmemo(p)[0].ligne, "zo\xe9 \"x\"         42");
}

struct CasFichierAbime {
    const char* nom;
    std::string contenu;
    std::array<int, 5> temps; // as read
};

class FichierMemoAbime : public Dossier, public ::testing::WithParamInterface<CasFichierAbime> {};

TEST_P(FichierMemoAbime, IsReadWithDefaultsAndRepairedAtTheNextWrite) {
    const auto& c = GetParam();
    const std::string p = chemin("tlvmemo1.sco");
    ecrit(p, c.contenu);
    const TableMemo t = litmemo(p);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(t[i].temps, c.temps[i]) << i;
    ASSERT_TRUE(ecritmemo(p, inserememo(t, rangmemo(t, 1), formatememo("A", 1))));
    const std::string apres = lit(p);
    // Five CR LF lines, each one that reads back as itself.
    std::size_t lignes = 0, pos = 0;
    for (std::size_t q; (q = apres.find("\r\n", pos)) != std::string::npos; pos = q + 2) {
        const std::string l = apres.substr(pos, q - pos);
        EXPECT_EQ(lignememo(l).ligne, l);
        ++lignes;
    }
    EXPECT_EQ(lignes, 5u);
    EXPECT_EQ(pos, apres.size());
    EXPECT_EQ(apres.substr(0, 19), "A               1\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cas, FichierMemoAbime,
    ::testing::Values(
        CasFichierAbime{"Missing", "", {10000, 10000, 10000, 10000, 10000}},
        CasFichierAbime{
            "TwoLines", "A               5\r\nB               6\r\n", {5, 6, 10000, 10000, 10000}},
        CasFichierAbime{
            "NoLastLineEnd", "A               5\r\nB               6", {5, 6, 10000, 10000, 10000}},
        CasFichierAbime{
            "UnixLineEnds", "A               5\nB               6\n", {5, 6, 10000, 10000, 10000}},
        CasFichierAbime{"SevenLines",
                        "A               1\r\nB               2\r\nC               3\r\nD               4\r\n"
                        "E               5\r\nF               6\r\nG               7\r\n",
                        {1, 2, 3, 4, 5}},
        CasFichierAbime{"Garbage",
                        "\x01\x02\xff\r\nbonjour\r\n\r\nINCONNU         abc\r\n",
                        {10000, 10000, 10000, 10000, 10000}},
        CasFichierAbime{"DamagedMiddle",
                        "A               5\r\nxx\r\nC               9\r\n",
                        {5, 10000, 9, 10000, 10000}}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Dossier, DefaultTablesAreTheStartUpFiles) {
    ASSERT_TRUE(ecritmemo(chemin("m"), tablememodefaut()));
    ASSERT_TRUE(ecritjong(chemin("j"), tablejongdefaut()));
    EXPECT_EQ(lit(chemin("m")), contenuinitial("tlvmemo0.sco"));
    EXPECT_EQ(lit(chemin("j")), contenuinitial("tlvjong0.sco"));
}

} // namespace
} // namespace tlv
