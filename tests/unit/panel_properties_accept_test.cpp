#include <gtest/gtest.h>

#include <vector>

#include "panel/properties_accept.h"

TEST(PropertiesAccept, AllTheDialogHandsBackStandsButTheColoursAndThePace) {
    Settings edited;  // every field away from its default, the colours stale
    edited.markColour = 1;
    edited.clickColour = 2;
    edited.colourCode = 4;
    edited.transparency = 80;
    edited.shape = 1;
    edited.sizeIndex = 5;
    edited.positionControl = 9;
    edited.sensitivity = 3;
    edited.blinkEnabled = 1;
    edited.blinkTrigger = 2;
    edited.blinkPeriod = 3;
    edited.clickMonitor = 1;
    edited.rippleEnabled = 1;
    edited.hotKeyEnabled = 1;
    edited.hotKeyCode = 0x75;
    edited.hotKeyModifiers = 6;
    Settings expected = edited;
    expected.markColour = Rgb(0, 0, 255);
    expected.clickColour = Rgb(255, 255, 0);
    EXPECT_EQ(AcceptedSettings(edited), expected);

    // No colour chosen comes back as -1 and is kept (and saved) so; it shows the colours of code 0.
    edited.colourCode = -1;
    const Settings none = AcceptedSettings(edited);
    EXPECT_EQ(none.colourCode, -1);
    EXPECT_EQ(none.markColour, ColourForCode(0).mark);
    EXPECT_EQ(none.clickColour, ColourForCode(0).click);
}

TEST(PropertiesAccept, TheOldHotKeyGoesFirstEvenWhenOffAndTheSaveComesLast) {
    using enum AcceptStep;
    Settings s;
    s.hotKeyEnabled = 0;
    EXPECT_EQ(AcceptSteps(s), (std::vector<AcceptStep>{ReleaseHotKey, Save}));
    for (const int enabled : {1, 2, -1}) {
        s.hotKeyEnabled = enabled;
        EXPECT_EQ(AcceptSteps(s), (std::vector<AcceptStep>{ReleaseHotKey, RegisterHotKey, Save})) << enabled;
    }
}
