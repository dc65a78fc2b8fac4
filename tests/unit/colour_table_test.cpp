#include <gtest/gtest.h>

#include "settings/settings.h"

TEST(ColourTable, EachCodeGivesItsPairAndOthersActAsZero) {
    struct Row {
        int code;
        Colour mark;
        Colour click;
    };
    const Row rows[] = {
        {0, 0x0000FFFF, 0x000000FF},         {1, 0x00FF00FF, 0x0000FF00},         {2, 0x000000FF, 0x0000FFFF},
        {3, 0x0000FF00, 0x000000FF},         {4, 0x00FF0000, 0x0000FFFF},         {5, 0x00FFFF00, 0x000000FF},
        {6, 0x0000FFFF, 0x000000FF},         {9, 0x0000FFFF, 0x000000FF},         {-1, 0x0000FFFF, 0x000000FF},
        {INT32_MIN, 0x0000FFFF, 0x000000FF}, {INT32_MAX, 0x0000FFFF, 0x000000FF},
    };
    for (const Row& r : rows) {
        Settings s;
        s.colourCode = r.code;
        ApplyColourCode(s);
        EXPECT_EQ(s.markColour, r.mark) << "code " << r.code;
        EXPECT_EQ(s.clickColour, r.click) << "code " << r.code;
        EXPECT_EQ(s.colourCode, r.code) << "the code itself is kept as read";
    }
}
