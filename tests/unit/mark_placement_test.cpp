#include <gtest/gtest.h>

#include <climits>

#include "mark/mark_region.h"
#include "mark/placement.h"
#include "mark/size_table.h"

TEST(Placement, CentresOnTheCursorWithTruncatingDivision) {
    EXPECT_EQ(CentredOn({100, 100}, {21, 21}), (Point{90, 90})) << "cursor on the 11th pixel";
    EXPECT_EQ(CentredOn({100, 100}, {150, 150}), (Point{25, 25}));
    EXPECT_EQ(CentredOn({100, 200}, {53, 40}), (Point{74, 180})) << "grown disc, uneven sizes";
    // Near the screen's top-left corner and on monitors left of or above the primary one.
    EXPECT_EQ(CentredOn({0, 0}, {81, 81}), (Point{-40, -40}));
    EXPECT_EQ(CentredOn({-5, -7}, {21, 21}), (Point{-15, -17}));
    EXPECT_EQ(CentredOn({-1, 3}, {2, 3}), (Point{-2, 2}));
}

// A pointer that cannot be read (lock screen, secure desktop) must not send the mark to the corner,
// where a zeroed position would put it, nor hide it when the main window covers the origin.
TEST(Placement, AnUnreadablePointerLeavesTheMarkWhereItIs) {
    const Rect mainAtOrigin{0, 0, 300, 200};
    EXPECT_EQ(DecideFollow(std::nullopt, mainAtOrigin), FollowAction::Stay);
    EXPECT_EQ(DecideFollow(std::nullopt, {}), FollowAction::Stay);
    EXPECT_EQ(DecideFollow(Point{0, 0}, mainAtOrigin), FollowAction::Hide);
    EXPECT_EQ(DecideFollow(Point{300, 0}, mainAtOrigin), FollowAction::Show);
    EXPECT_EQ(DecideFollow(Point{0, 0}, {}), FollowAction::Show) << "no main window hides nothing";
}

TEST(Placement, InsideRectCountsLeftTopEdgesInAndRightBottomEdgesOut) {
    const Rect main{10, 20, 110, 220};
    EXPECT_TRUE(InsideRect({10, 20}, main));
    EXPECT_TRUE(InsideRect({109, 219}, main));
    EXPECT_FALSE(InsideRect({110, 100}, main));
    EXPECT_FALSE(InsideRect({50, 220}, main));
    EXPECT_FALSE(InsideRect({9, 100}, main));
    EXPECT_FALSE(InsideRect({50, 19}, main));

    const Rect leftMonitor{-1920, -200, 0, 880};
    EXPECT_TRUE(InsideRect({-1920, -200}, leftMonitor));
    EXPECT_TRUE(InsideRect({-1, -1}, leftMonitor));
    EXPECT_FALSE(InsideRect({0, 0}, leftMonitor));

    EXPECT_FALSE(InsideRect({0, 0}, Rect{})) << "no main window found: never hide";
}

TEST(Placement, ZOrderPrefersTheSecondSibling) {
    EXPECT_EQ(InsertAfter(false, false), ZOrder::Topmost);
    EXPECT_EQ(InsertAfter(true, false), ZOrder::FirstSibling);
    EXPECT_EQ(InsertAfter(false, true), ZOrder::SecondSibling);
    EXPECT_EQ(InsertAfter(true, true), ZOrder::SecondSibling);
}

TEST(SizeTable, DiametersAndInsetsWithUnknownIndexesAs81) {
    struct Row {
        int index;
        int diameter;
        int inset;
    };
    const Row rows[] = {{0, 21, 5},   {1, 41, 10}, {2, 61, 15},  {3, 81, 15},       {4, 101, 15},
                        {5, 150, 15}, {6, 81, 15}, {-1, 81, 15}, {INT_MAX, 81, 15}, {INT_MIN, 81, 15}};
    for (const Row& r : rows) {
        EXPECT_EQ(MarkSizeFor(r.index).diameter, r.diameter) << "index " << r.index;
        EXPECT_EQ(MarkSizeFor(r.index).ringInset, r.inset) << "index " << r.index;
    }
}

TEST(MarkRegion, DiscForTheCircleRingForEveryOtherShape) {
    const MarkRegion disc = MarkRegionFor(0, 0, {21, 21});
    EXPECT_EQ(disc.outer, (Rect{0, 0, 21, 21}));
    EXPECT_FALSE(disc.ring);

    const MarkRegion small = MarkRegionFor(1, 0, {21, 21});
    EXPECT_TRUE(small.ring);
    EXPECT_EQ(small.inner, (Rect{5, 5, 16, 16}));
    EXPECT_EQ(MarkRegionFor(1, 1, {41, 41}).inner, (Rect{10, 10, 31, 31}));
    EXPECT_EQ(MarkRegionFor(1, 5, {150, 150}).inner, (Rect{15, 15, 135, 135}));

    // Shapes only an edited profile gives are cut as rings too.
    EXPECT_TRUE(MarkRegionFor(2, 3, {81, 81}).ring);
    EXPECT_TRUE(MarkRegionFor(-1, 3, {81, 81}).ring);
}
