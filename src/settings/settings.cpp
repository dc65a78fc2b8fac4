#include "settings/settings.h"

ColourPair ColourForCode(int colourCode) {
    static constexpr ColourPair kTable[] = {
        {Rgb(255, 255, 0), Rgb(255, 0, 0)},  // 黄(Yellow)
        {Rgb(255, 0, 255), Rgb(0, 255, 0)},  // 紫(Purple)
        {Rgb(255, 0, 0), Rgb(255, 255, 0)},  // 赤(Red)
        {Rgb(0, 255, 0), Rgb(255, 0, 0)},    // 緑(Green)
        {Rgb(0, 0, 255), Rgb(255, 255, 0)},  // 青(Blue)
        {Rgb(0, 255, 255), Rgb(255, 0, 0)},  // 水色(LightBlue)
    };
    if (colourCode < 0 || colourCode > 5) colourCode = 0;
    return kTable[colourCode];
}

void ApplyColourCode(Settings& s) {
    const ColourPair pair = ColourForCode(s.colourCode);
    s.markColour = pair.mark;
    s.clickColour = pair.click;
}
