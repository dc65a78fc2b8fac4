#pragma once
// The click timer's tick: ripple, press-to-grow and colour swap, in this order.
#include "base/geometry.h"
#include "mark/colour_swap.h"
#include "mark/key_poll.h"
#include "mark/mark_params.h"
#include "mark/press_to_grow.h"
#include "mark/ripple.h"

struct ClickEffects {
    RippleState ripple;  // read by the paint handler
    GrowState grow;
    ClickState clickState = ClickState::WaitingForRelease;  // Held: the background is the click brush
};

// What the shell applies after the tick, in this order:
//  1. if reshape: SetWindowRgn(window, CreateEllipticRgn(0, 0, width, height), FALSE), then
//     MoveWindow(window, left, top, width, height, FALSE);
//  2. if repaint: InvalidateRect(window, NULL, TRUE).
struct ClickTickResult {
    bool reshape = false;
    Rect window;
    bool repaint = false;
};

// `windowRect`: GetWindowRect of the mark; `clientWidth`: width of its GetClientRect; both read before
// the tick. Each step asks `keys` afresh, never sharing a sample: left (ripple), then left, right
// (press-to-grow), then left, right (colour swap), for the steps that run.
ClickTickResult ClickTick(ClickEffects& effects, const MarkParams& params, Rect windowRect, int clientWidth,
                          KeyPoll& keys);

// Whether any click effect runs for these parameters: the click timer runs only then.
bool ClickEffectsOn(const MarkParams& params);
