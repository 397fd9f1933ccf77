// The Memo score files: reading whatever is on disk, ranking, insertion and the bytes written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "scores/fichierscores.h"
#include "shell/creefichiers.h"

namespace tlv {
namespace {

std::string lit(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST(LigneMemo, ReadsTheTimeOrFallsBackToTheDefault) {
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
    void SetUp() override {
        char modele[] = "/tmp/tlv-scores-XXXXXX";
        p = std::string(mkdtemp(modele)) + "/tlvmemo1.sco";
    }
    void TearDown() override { std::filesystem::remove_all(std::filesystem::path(p).parent_path()); }
    std::string p;
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
        CasFichierAbime{"DamagedMiddle",
                        "A               5\r\nxx\r\nC               9\r\n",
                        {5, 10000, 9, 10000, 10000}}),
    [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tlv
