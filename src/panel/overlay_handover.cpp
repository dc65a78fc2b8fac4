#include "panel/overlay_handover.h"

#include "panel/transparency_alpha.h"

OverlayParams OverlayParamsFrom(const Settings& settings) {
    OverlayParams p;
    p.overlayColour = settings.overlayColour;
    p.clickColour = settings.clickColour;
    p.alpha = AlphaFromTransparency(settings.transparency);
    p.shape = settings.shape;
    p.sizeIndex = settings.sizeIndex;
    p.followInterval = settings.followInterval;
    p.blinkEnabled = settings.blinkEnabled;
    p.blinkTrigger = settings.blinkTrigger;
    p.blinkPeriod = settings.blinkPeriod;
    p.clickMonitor = settings.clickMonitor;
    p.rippleEnabled = settings.rippleEnabled;
    return p;
}
