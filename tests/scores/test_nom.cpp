// The name entry's rules: what Enter records.
#include <gtest/gtest.h>

#include "scores/nom.h"

namespace tlv {
namespace {

TEST(ReponseNom, TrimmedCapitalsQuotesBecomeApostrophes) {
    EXPECT_EQ(reponsenom("   "), "INCONNU");
    EXPECT_EQ(reponsenom("  jo b "), "JO B");
    EXPECT_EQ(reponsenom("o\"neil"), "O'NEIL");
    EXPECT_EQ(reponsenom("hélène"), "HÉLÈNE");
    EXPECT_EQ(reponsenom("œuvre ÿ"), "ŒUVRE Ÿ");
    EXPECT_EQ(reponsenom("straße÷"), "STRAßE÷");
}

} // namespace
} // namespace tlv
