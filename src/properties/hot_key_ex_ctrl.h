#pragma once
// The hot-key entry field: while it has the focus, a low-level keyboard hook takes every key
// event of the desktop and hands it to the field, which shows the combination typed.
#include <windows.h>

#include "platform/control.h"
#include "properties/hot_key_entry.h"

class CHotKeyExCtrl final : public Control {
  public:
    CHotKeyExCtrl() = default;
    ~CHotKeyExCtrl() override;

    // The selection the owner presets and reads back (field-form modifiers).
    HotKeyEntry& Entry() { return m_entry; }
    const HotKeyEntry& Entry() const { return m_entry; }

    // Invalidate, erase and paint at once.
    void Redraw();

    // Tracks the key messages the hook posted; never consumes anything.
    bool PreTranslateMessage(MSG& msg) override;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnNcDestroy() override;

  private:
    void OnSetFocus();
    void OnPaint();

    HotKeyEntry m_entry;
};
