#include <gtest/gtest.h>

#include "shell/base.h"

namespace tlv {
namespace {

struct Point {
    int x, y, ligne;
};
class LigneSous : public ::testing::TestWithParam<Point> {};

TEST_P(LigneSous, BandsAreExclusiveAtBothEnds) {
    EXPECT_EQ(Base::ligne_sous(GetParam().x, GetParam().y), GetParam().ligne);
}

INSTANTIATE_TEST_SUITE_P(Lanceur, LigneSous,
                         ::testing::Values(Point{400, 30, 1}, Point{400, 9, 0}, Point{400, 10, 1},
                                           Point{400, 68, 1}, Point{400, 69, 0}, Point{400, 74, 0},
                                           Point{400, 100, 2}, Point{400, 200, 3}, Point{400, 260, 0},
                                           Point{400, 370, 4}, Point{400, 469, 5}, Point{400, 470, 0},
                                           Point{328, 30, 0}, Point{329, 30, 1}, Point{627, 440, 5},
                                           Point{628, 440, 0}, Point{100, 100, 0}));

} // namespace
} // namespace tlv
