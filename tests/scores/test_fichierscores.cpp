// The Memo score files: reading whatever is on disk, ranking, insertion and the bytes written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dossiertemp.h"
#include "scores/fichierscores.h"
#include "shell/creefichiers.h"

namespace tlv {
namespace {

std::string lit(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST(LigneMemo, ReadsTheTimeOrFallsBackToTheDefault) {
    // Blanks lost or added around the time: the same record, written back in the exact layout.
    for (const char* decalee : {"PAUL 12", "PAUL            12  ", "PAUL             12",
                                "  PAUL          12", "PAUL\t12", "PAUL           12 "})
        EXPECT_EQ(lignememo(decalee).ligne, "PAUL            12") << decalee;
    EXPECT_EQ(lignememo("ABCDEFGHIJKLMNOP12").ligne, "ABCDEFGHIJKLMNOP12"); // a name filling its field
    EXPECT_EQ(lignememo("PAUL            0").temps, 0);
    EXPECT_EQ(lignememo("H\xc9L\xc8NE          95").ligne, "H\xc9L\xc8NE          95");
    EXPECT_EQ(lignememo("PAUL            32767").temps, 32767);
    using namespace std::string_literals;
    for (const auto& abimee : {"PAUL            32768"s, "PAUL            000012"s, "PAUL"s,
                               "PAUL            12a"s, "PAUL            -5"s, "PA\0L            12"s}) {
        EXPECT_EQ(lignememo(abimee).ligne, lignedefautmemo) << abimee;
        EXPECT_EQ(lignememo(abimee).temps, 10000) << abimee;
    }
}

TableMemo table(const std::array<int, 5>& temps) {
    TableMemo t;
    for (std::size_t i = 0; i < 5; ++i)
        t[i] = lignememo(formatememo(std::string(1, static_cast<char>('A' + i)), temps[i]));
    return t;
}

TEST(RangMemo, TiesGoBelowAndTheEndsAreReached) {
    const TableMemo t = table({50, 60, 70, 80, 90});
    EXPECT_EQ(rangmemo(t, 49), 1);
    EXPECT_EQ(rangmemo(t, 50), 2);
    EXPECT_EQ(rangmemo(t, 89), 5);
    EXPECT_EQ(rangmemo(t, 90), 0);
    EXPECT_EQ(rangmemo(tablememodefaut(), 9999), 1);
    EXPECT_EQ(rangmemo(tablememodefaut(), 10000), 0);
}

TEST(InsertionMemo, EachRankShiftsTheLinesBelowAndDropsTheLast) {
    const TableMemo t = table({50, 60, 70, 80, 90});
    for (std::size_t rang = 1; rang <= 5; ++rang) {
        const TableMemo r = inserememo(t, static_cast<int>(rang), formatememo("NOUVEAU", 55));
        for (std::size_t i = 1; i <= 5; ++i)
            EXPECT_EQ(r[i - 1].ligne, i == rang ? "NOUVEAU         55" : t[i < rang ? i - 1 : i - 2].ligne)
                << rang << " " << i;
    }
}

class Dossier : public ::testing::Test {
  protected:
    test::DossierTemp dossier;
    std::string p = dossier / "tlvmemo1.sco";
};

TEST_F(Dossier, RoundTripIsByteExact) {
    std::ofstream(p, std::ios::binary) << contenuinitial("tlvmemo0.sco");
    TableMemo t = litmemo(p);
    t = inserememo(t, rangmemo(t, 42), formatememo("zoé \"x\"", 42));
    ASSERT_TRUE(ecritmemo(p, t));
    std::string attendu = "zo\xe9 \"x\"         42\r\n";
    for (int i = 0; i < 4; ++i) attendu += "INCONNU         10000\r\n";
    EXPECT_EQ(lit(p), attendu);
}

struct CasFichierAbime {
    const char* nom;
    std::string contenu;
    std::array<int, 5> temps; // as read
};

class FichierMemoAbime : public Dossier, public ::testing::WithParamInterface<CasFichierAbime> {};

TEST_P(FichierMemoAbime, IsReadWithDefaultsAndRepairedAtTheNextWrite) {
    const auto& c = GetParam();
    if (!c.contenu.empty()) std::ofstream(p, std::ios::binary) << c.contenu;
    const TableMemo t = litmemo(p);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(t[i].temps, c.temps[i]) << i;
    ASSERT_TRUE(ecritmemo(p, inserememo(t, 1, formatememo("A", 1))));
    std::string attendu = "A               1\r\n";
    for (std::size_t i = 0; i < 4; ++i) attendu += t[i].ligne + "\r\n";
    EXPECT_EQ(lit(p), attendu);
}

const std::string Sept =
    "A               1\r\nB               2\r\nC               3\r\nD               4\r\n"
    "E               5\r\nF               6\r\nG               7\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cas, FichierMemoAbime,
    ::testing::Values(
        CasFichierAbime{"Missing", "", {10000, 10000, 10000, 10000, 10000}},
        CasFichierAbime{
            "NoLastLineEnd", "A               5\r\nB               6", {5, 6, 10000, 10000, 10000}},
        CasFichierAbime{
            "UnixLineEnds", "A               5\nB               6\n", {5, 6, 10000, 10000, 10000}},
        CasFichierAbime{"SevenLines", Sept, {1, 2, 3, 4, 5}},
        CasFichierAbime{"Garbage", "\x01\x02\xff\r\nbonjour\r\n\r\n", {10000, 10000, 10000, 10000, 10000}},
        // What cannot be read goes below every real time.
        CasFichierAbime{"DamagedMiddle",
                        "A               5\r\nxx\r\nC               9\r\n",
                        {5, 9, 10000, 10000, 10000}}),
    [](const auto& i) { return std::string(i.param.nom); });

// A damaged file, then a result: every readable score keeps its place in the order, defaults go first.
struct CasAbimeMemo {
    const char* nom;
    std::string contenu;
    int temps;           // the game's time, recorded as "MOI"
    std::string attendu; // the file afterwards
};

std::string L(const std::string& nom, int temps) {
    return formatememo(nom, temps) + "\r\n";
}

class MemoAbimePuisClasse : public Dossier, public ::testing::WithParamInterface<CasAbimeMemo> {};

TEST_P(MemoAbimePuisClasse, NoReadableScoreIsDroppedBeforeADefaultLine) {
    const auto& c = GetParam();
    std::ofstream(p, std::ios::binary) << c.contenu;
    const TableMemo t = litmemo(p);
    const int rang = rangmemo(t, c.temps);
    ASSERT_GT(rang, 0);
    ASSERT_TRUE(ecritmemo(p, inserememo(t, rang, formatememo("MOI", c.temps))));
    EXPECT_EQ(lit(p), c.attendu);
}

const std::string Cinq = L("ALICE", 20) + L("MOI", 32) + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70);

INSTANTIATE_TEST_SUITE_P(
    Cas, MemoAbimePuisClasse,
    ::testing::Values(
        CasAbimeMemo{"UnreadableLine",
                     L("ALICE", 20) + "xx\r\n" + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70), 32, Cinq},
        CasAbimeMemo{"BlanksAroundTheTime",
                     "ALICE 20\r\nCAROL            50\r\nDAN             60   \r\n  EVE   70\r\n", 32, Cinq},
        CasAbimeMemo{"ByteOrderMark",
                     "\xEF\xBB\xBF" + L("ALICE", 20) + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70) + "xx",
                     32, Cinq},
        CasAbimeMemo{"CarriageReturnsOnly",
                     "ALICE           20\rCAROL           50\rDAN             60\rEVE             70\r", 32,
                     Cinq},
        CasAbimeMemo{"LineFeedsOnlyAndBlankLines",
                     "ALICE           20\n\nCAROL           50\n\n\nDAN             60\nEVE             70\n",
                     32, Cinq},
        // A default line left in the middle by an earlier in-place reading goes back to the bottom.
        CasAbimeMemo{"DefaultLineInTheMiddle",
                     L("ALICE", 20) + L("INCONNU", 10000) + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70), 32,
                     Cinq},
        CasAbimeMemo{"OutOfOrder", L("EVE", 70) + L("CAROL", 50) + L("ALICE", 20) + L("DAN", 60), 32, Cinq},
        // Equal times keep the file's order, and the new one goes below them.
        CasAbimeMemo{"TiesKeepTheirOrder", L("B", 40) + "?\r\n" + L("A", 40) + L("C", 40), 40,
                     L("B", 40) + L("A", 40) + L("C", 40) + L("MOI", 40) + L("INCONNU", 10000)}),
    [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tlv
