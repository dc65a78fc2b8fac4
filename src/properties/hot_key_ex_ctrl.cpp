#include "properties/hot_key_ex_ctrl.h"

#include <cstdint>
#include <string>

#include "platform/handles.h"
#include "properties/field_key_messages.h"
#include "properties/hook_key_set.h"
#include "properties/hot_key_text.h"
#include "properties/key_name_text.h"

namespace {

// One hook for the whole process, posting to the field that installed it.
Hook g_hook;
HWND g_hookWindow = nullptr;

// Which key events this hook keeps from the system.
HookKeySet g_keys;

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// Runs for every key event of the desktop while installed, so it only posts: the field does
// the tracking when the message arrives. Every event reaches the field; only a release whose
// press went by before the hook came goes on to the system as well.
LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code != HC_ACTION) return ::CallNextHookEx(g_hook.get(), code, wParam, lParam);
    const UINT message = FieldKeyMessage(static_cast<std::uint32_t>(wParam));
    if (message == 0) return ::CallNextHookEx(g_hook.get(), 0, wParam, lParam);
    const DWORD vk = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode;
    ::PostMessageW(g_hookWindow, message, vk, 0);
    return g_keys.Swallows(message == kFieldKeyDown, vk) ? 1 : ::CallNextHookEx(g_hook.get(), 0, wParam, lParam);
}

void RemoveHook() {
    g_hook.reset();
    g_hookWindow = nullptr;
}

}  // namespace

// A hook left behind would swallow every key of the desktop for the rest of the run.
CHotKeyExCtrl::~CHotKeyExCtrl() {
    if (m_hwnd && g_hookWindow == m_hwnd) RemoveHook();
}

void CHotKeyExCtrl::OnNcDestroy() {
    if (g_hookWindow == m_hwnd) RemoveHook();
}

void CHotKeyExCtrl::Redraw() {
    if (m_hwnd) ::RedrawWindow(m_hwnd, nullptr, nullptr, kRedrawNow);
}

bool CHotKeyExCtrl::PreTranslateMessage(MSG& msg) {
    if (msg.hwnd == m_hwnd && TrackFieldKeyMessage(m_entry, msg.message, static_cast<std::uint16_t>(msg.wParam)))
        Redraw();
    return Control::PreTranslateMessage(msg);
}

LRESULT CHotKeyExCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS: {
            const LRESULT result = Control::WindowProc(message, wParam, lParam);
            OnSetFocus();
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = Control::WindowProc(message, wParam, lParam);
            RemoveHook();
            return result;
        }
        case WM_PAINT:
            OnPaint();
            return 0;
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

// A failed installation stays silent; the next gain of focus tries again.
void CHotKeyExCtrl::OnSetFocus() {
    if (g_hook) return;
    ClearHeldKeys(m_entry);
    // Read before the hook comes: a key pressed in between passes the system and is not ours.
    g_keys = {};
    for (int vk = 1; vk <= 0xFF; ++vk)
        if (::GetAsyncKeyState(vk) < 0) g_keys.HeldBefore(static_cast<std::uint32_t>(vk));
    g_hookWindow = m_hwnd;
    g_hook.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHook, ::GetModuleHandleW(nullptr), 0));
}

// Only the text and the caret: the border is the window's, the background its erase.
void CHotKeyExCtrl::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hwnd, &ps);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(::GetParent(m_hwnd), WM_GETFONT, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    {
        SelectGuard selected(dc, font);
        const std::wstring text = ComposeHotKeyText(m_entry.selectedKey, m_entry.selectedModifiers, KeyNameText);
        const int length = static_cast<int>(text.size());
        ::TextOutW(dc, 1, 1, text.c_str(), length);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
        ::SetCaretPos(extent.cx + 1, 1);
    }
    ::SetBkMode(dc, OPAQUE);
    ::EndPaint(m_hwnd, &ps);
}
