#pragma once
// A panel button: the hand cursor over it (its caption font is set by the panel).
#include "platform/control.h"

class PanelButton final : public Control {
  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
