// The texts of the clock and of the notices that end a board: the board at a sentence's head, a board's time.
#include <gtest/gtest.h>

#include "quadrel/regles/libelles.h"

namespace tlv::essai {
using namespace tlv::quadrel;
namespace {

TEST(Libelles, TimesAndBoardNumbersAsThePlayerReadsThem) {
    const std::pair<std::string, const char*> cas[] = {
        {dureeenclair(0), "0 s"},
        {dureeenclair(59), "59 s"},
        {dureeenclair(60), "1 min 00 s"},
        {dureeenclair(65), "1 min 05 s"},
        {dureeenclair(130), "2 min 10 s"},
        {dureeenclair(-3), "0 s"},
        {textechrono(65), " 1:05"},
        {textechrono(9), " 0:09"},
        {titretableau("tableau", 7), "Tableau 007"},
        {titretableau("Tableau", 12), "Tableau 012"},
        {titretableau("écran", 1), "écran 001"}, // only a plain letter is raised
        {libelletableau("tableau", 7), "tableau 007"},
    };
    for (const auto& [vu, attendu] : cas) EXPECT_EQ(vu, attendu);
}

} // namespace
} // namespace tlv::essai
