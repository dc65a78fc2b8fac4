#include "properties/hot_key_ex_ctrl.h"

#include <cstdint>
#include <string>

#include "platform/handles.h"
#include "properties/field_key_messages.h"
#include "properties/hot_key_text.h"
#include "properties/key_name_text.h"

namespace {

// One hook for the whole process, posting to the field that installed it.
Hook g_hook;
HWND g_hookWindow = nullptr;

// The keys this hook saw go down. The system marks a key released only when its release gets
// past the hooks, so a release whose press went by before the hook came (the Shift of the
// Shift+Tab that brought the focus here) must pass, or that key stays held for every program.
struct KeysDown {
    std::uint64_t bits[4] = {};
    void Add(DWORD vk) { bits[(vk >> 6) & 3] |= Bit(vk); }
    // Whether vk was down, forgetting it.
    bool Take(DWORD vk) {
        std::uint64_t& word = bits[(vk >> 6) & 3];
        const bool was = (word & Bit(vk)) != 0;
        word &= ~Bit(vk);
        return was;
    }
    static std::uint64_t Bit(DWORD vk) { return std::uint64_t{1} << (vk & 63); }
};
KeysDown g_keysDown;

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// Runs for every key event of the desktop while installed, so it only posts: the field does
// the tracking when the message arrives. Every event reaches the field; only a release of a
// key pressed before the hook came goes on to the system as well.
LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code != HC_ACTION) return ::CallNextHookEx(g_hook.get(), code, wParam, lParam);
    const UINT message = FieldKeyMessage(static_cast<std::uint32_t>(wParam));
    if (message == 0) return ::CallNextHookEx(g_hook.get(), 0, wParam, lParam);
    const DWORD vk = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode;
    ::PostMessageW(g_hookWindow, message, vk, 0);
    if (message == kFieldKeyDown) {
        g_keysDown.Add(vk);
        return 1;
    }
    return g_keysDown.Take(vk) ? 1 : ::CallNextHookEx(g_hook.get(), 0, wParam, lParam);
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
    if (msg.hwnd == m_hwnd &&
        TrackFieldKeyMessage(m_entry, msg.message, static_cast<std::uint16_t>(msg.wParam)))
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
    g_keysDown = {};
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
        const std::wstring text =
            ComposeHotKeyText(m_entry.selectedKey, m_entry.selectedModifiers, KeyNameText);
        const int length = static_cast<int>(text.size());
        ::TextOutW(dc, 1, 1, text.c_str(), length);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
        ::SetCaretPos(extent.cx + 1, 1);
    }
    ::SetBkMode(dc, OPAQUE);
    ::EndPaint(m_hwnd, &ps);
}
