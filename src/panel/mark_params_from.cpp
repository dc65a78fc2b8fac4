#include "panel/mark_params_from.h"

#include "panel/transparency_alpha.h"

// Every member named, in order: one left out is a warning (-Wmissing-field-initializers).
MarkParams MarkParamsFrom(const Settings& settings) {
    return MarkParams{
        .markColour = settings.markColour,
        .clickColour = settings.clickColour,
        .alpha = AlphaFromTransparency(settings.transparency),
        .shape = settings.shape,
        .sizeIndex = settings.sizeIndex,
        .blinkEnabled = settings.blinkEnabled != 0,
        .blinkTrigger = settings.blinkTrigger,
        .blinkPeriod = settings.blinkPeriod,
        .clickMonitor = settings.clickMonitor != 0,
        .rippleEnabled = settings.rippleEnabled != 0,
    };
}
