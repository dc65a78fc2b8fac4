// The properties dialog and its hot-key field against the real Win32 API: the probe, key names,
// the keyboard hook's reach and lifetime, and the dialog's exchange with the settings it edits.
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/hot_keys.h"
#include "properties/hot_key_ex_ctrl.h"
#include "properties/key_name_text.h"
#include "properties/propaty_dlg.h"
#include "res/resource.h"
#include "test_support.h"

namespace {

constexpr wchar_t kPropertiesCaption[] = L"プロパティ設定(Properties)";
// A combination nothing else on a test desktop is expected to hold.
constexpr UINT kRareModifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
constexpr UINT kRareKey = VK_F9;

// std::thread is not available with every MinGW threading model.
class Thread {
  public:
    explicit Thread(std::function<void()> body) : m_body(std::move(body)) {
        m_handle = ::CreateThread(nullptr, 0, &Thread::Run, this, 0, nullptr);
    }
    ~Thread() { Join(); }
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    void Join() {
        if (!m_handle) return;
        ::WaitForSingleObject(m_handle, INFINITE);
        ::CloseHandle(m_handle);
        m_handle = nullptr;
    }
    bool Finished() const { return !m_handle || ::WaitForSingleObject(m_handle, 0) == WAIT_OBJECT_0; }

  private:
    static DWORD WINAPI Run(void* self) {
        static_cast<Thread*>(self)->m_body();
        return 0;
    }
    std::function<void()> m_body;
    HANDLE m_handle = nullptr;
};

using support::KeyEvent;
using support::WaitFor;

// Runs this thread's messages as the program's modal loop does, until `done` holds or the time is up.
bool PumpUntil(HWND dialog, const std::function<bool()>& done, DWORD timeoutMs = 3000) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            RouteLoopMessage(msg, ::IsWindow(dialog) ? dialog : nullptr);
        if (done()) return true;
        if (::GetTickCount64() > end) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Types from another thread, as a keyboard would: the low-level hook runs on this thread,
// which has to take messages meanwhile. The caller pumps on until it sees the effect.
void Type(HWND dialog, std::vector<INPUT> events) {
    Thread user([&] { ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT)); });
    PumpUntil(dialog, [&] { return user.Finished(); });
}

bool HeldForOthers(int vk) {
    SHORT state = 0;
    Thread other([&] { state = ::GetAsyncKeyState(vk); });
    other.Join();
    return (state & 0x8000) != 0;
}

// A low-level hook of another thread, installed before the field's: it sees only what the
// field's hook lets pass.
class Listener {
  public:
    Listener()
        : m_thread([this] {
              m_threadId = ::GetCurrentThreadId();
              s_self = this;
              HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, Proc, ::GetModuleHandleW(nullptr), 0);
              MSG msg;
              ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // a queue for the quit message
              m_ready = true;
              while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
              ::UnhookWindowsHookEx(hook);
              s_self = nullptr;
          }) {
        WaitFor([this] { return m_ready.load(); });
    }
    ~Listener() {
        ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        m_thread.Join();
    }
    int Events() const { return m_events.load(); }
    int Downs(WORD vk) const { return m_downs[vk].load(); }
    int Ups(WORD vk) const { return m_ups[vk].load(); }

  private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && s_self) {
            const auto* e = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            ++s_self->m_events;
            if (e->vkCode < 256) {
                const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
                ++(down ? s_self->m_downs : s_self->m_ups)[e->vkCode];
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline Listener* s_self = nullptr;
    std::atomic<bool> m_ready{false};
    std::atomic<DWORD> m_threadId{0};
    std::atomic<int> m_events{0};
    std::atomic<int> m_downs[256]{};
    std::atomic<int> m_ups[256]{};
    Thread m_thread;  // last: its body uses the members above
};

// A plain top-level window of the test that counts the key-downs it is given.
class Sink {
  public:
    Sink() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GlimmoraTestSink";
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"sink", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        s_downs = 0;
    }
    ~Sink() { ::DestroyWindow(m_hwnd); }
    HWND Hwnd() const { return m_hwnd; }
    void TakeKeyboard() {
        ::SetForegroundWindow(m_hwnd);
        ::SetFocus(m_hwnd);
    }
    static int Downs() { return s_downs; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_KEYDOWN && wParam == 'J') ++s_downs;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    static inline int s_downs = 0;
    HWND m_hwnd = nullptr;
};

// Template 131 as the program builds it, with a field of our own on control 1021, so the
// test can read the field's entry.
struct FieldDialog {
    Dialog dialog{GLM_IDD_PROPERTIES};
    CHotKeyExCtrl field;
    ~FieldDialog() { dialog.DestroyWindow(); }
    HWND Field() const { return ::GetDlgItem(dialog.Hwnd(), GLM_IDC_HOTKEY_FIELD); }

    bool Open() {
        if (!dialog.Create(nullptr) || !field.Subclass(Field())) return false;
        ::ShowWindow(dialog.Hwnd(), SW_SHOW);
        ::SetForegroundWindow(dialog.Hwnd());
        return true;
    }
    bool Focus(int id) {
        ::SetFocus(::GetDlgItem(dialog.Hwnd(), id));
        return PumpUntil(dialog.Hwnd(), [&] { return ::GetFocus() == ::GetDlgItem(dialog.Hwnd(), id); });
    }
};

// Runs `user` on another thread, with the dialog's window, while this thread runs it modally.
// A dialog the user left open is cancelled, so a failing test cannot hang.
std::optional<Settings> RunModal(const Settings& settings, const std::function<void(HWND)>& user) {
    Thread helper([&] {
        HWND window = nullptr;
        WaitFor([&] { return (window = ::FindWindowW(L"#32770", kPropertiesCaption)) && ::IsWindowVisible(window); });
        if (window) user(window);
        if (!WaitFor([&] { return !::IsWindow(window); })) ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    return PropatyDlg::Edit(settings);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void Press(HWND dialog, int id) { ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Checked(HWND dialog, int id) { return ::SendMessageW(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Holds a combination from another thread's window, as another program would.
class Holder {
  public:
    Holder(UINT modifiers, UINT key)
        : m_thread([this, modifiers, key] {
              HWND window = ::CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, nullptr, nullptr,
                                              ::GetModuleHandleW(nullptr), nullptr);
              m_registered = ::RegisterHotKey(window, 7, modifiers, key) != FALSE;
              m_ready = true;
              WaitFor([this] { return m_release.load(); }, INFINITE);
              ::UnregisterHotKey(window, 7);
              ::DestroyWindow(window);
          }) {
        WaitFor([this] { return m_ready.load(); });
    }
    ~Holder() { Release(); }
    bool Registered() const { return m_registered; }
    void Release() {
        m_release = true;
        m_thread.Join();
    }

  private:
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_release{false};
    bool m_registered = false;
    Thread m_thread;
};

class Properties : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
        ::InitCommonControlsEx(&controls);
    }
};

}  // namespace

TEST_F(Properties, ProbeSucceedsForAFreeCombinationAndReleasesIt) {
    Sink sink;
    EXPECT_TRUE(ProbeHotKey(sink.Hwnd(), 115, kRareModifiers, kRareKey));
    // Released at once: another window can take it now.
    EXPECT_TRUE(::RegisterHotKey(sink.Hwnd(), 1, kRareModifiers, kRareKey));
    EXPECT_FALSE(ProbeHotKey(sink.Hwnd(), 115, kRareModifiers, kRareKey));
    ::UnregisterHotKey(sink.Hwnd(), 1);
}

TEST_F(Properties, ProbeFailsWhileAnotherThreadsWindowHoldsTheCombination) {
    Sink sink;
    Holder holder(kRareModifiers, kRareKey);
    ASSERT_TRUE(holder.Registered());
    EXPECT_FALSE(ProbeHotKey(sink.Hwnd(), 115, kRareModifiers, kRareKey));
    // A failed probe leaves nothing registered under 115 on our window either.
    EXPECT_TRUE(ProbeHotKey(sink.Hwnd(), 115, kRareModifiers, VK_F10));
    holder.Release();
    EXPECT_TRUE(ProbeHotKey(sink.Hwnd(), 115, kRareModifiers, kRareKey));
}

TEST_F(Properties, KeyNamesComeFromTheLayoutAndTheApiTruncatesAsTheLoopExpects) {
    EXPECT_EQ(KeyNameText('A'), L"A");
    EXPECT_FALSE(KeyNameText(VK_CONTROL).empty());
    EXPECT_FALSE(KeyNameText(VK_SHIFT).empty());
    const std::wstring shift = KeyNameText(VK_SHIFT);
    ASSERT_GT(shift.size(), 2u);
    // The lookup doubles its buffer while a name fills it: a cut name comes back as size - 1.
    const LONG param = static_cast<LONG>(::MapVirtualKeyW(VK_SHIFT, MAPVK_VK_TO_VSC) << 16);
    wchar_t small[3] = {L'x', L'x', L'x'};
    EXPECT_EQ(::GetKeyNameTextW(param, small, 3), 2);
    EXPECT_EQ(std::wstring(small), shift.substr(0, 2));
}

TEST_F(Properties, FieldTakesEveryKeyWhileFocusedAndNothingPasses) {
    Listener others;
    FieldDialog d;
    ASSERT_TRUE(d.Open());
    ASSERT_TRUE(d.Focus(GLM_IDC_HOTKEY_FIELD));

    const HotKeyEntry& entry = d.field.Entry();
    Type(d.dialog.Hwnd(), {KeyEvent(VK_CONTROL, false), KeyEvent(VK_SHIFT, false), KeyEvent('K', false),
                           KeyEvent('K', true), KeyEvent(VK_SHIFT, true), KeyEvent(VK_CONTROL, true)});
    EXPECT_TRUE(PumpUntil(d.dialog.Hwnd(), [&] { return entry.selectedKey == 'K' && entry.freshEntry; }));
    EXPECT_EQ(entry.selectedModifiers, 0x03);  // Shift | Ctrl, field form
    EXPECT_EQ(others.Events(), 0);
    EXPECT_FALSE(HeldForOthers(VK_CONTROL));
    EXPECT_FALSE(HeldForOthers('K'));

    // Focus elsewhere: the hook is gone and keys pass again.
    ASSERT_TRUE(d.Focus(GLM_IDC_DUPLICATE));
    Type(d.dialog.Hwnd(), {KeyEvent('J', false), KeyEvent('J', true)});
    EXPECT_TRUE(PumpUntil(d.dialog.Hwnd(), [&] { return others.Downs('J') == 1; }));
    EXPECT_EQ(entry.selectedKey, 'K');
}

// Shift+Tab into the field: the hook never saw Shift go down, so swallowing its release
// would leave Shift held for every other program.
TEST_F(Properties, ShiftTabIntoTheFieldLeavesNoKeyHeld) {
    Listener others;
    FieldDialog d;
    ASSERT_TRUE(d.Open());
    d.field.Entry() = {'Z', 0x04, 0, 0, true};  // a preset: Alt+Z, complete
    ASSERT_TRUE(d.Focus(GLM_IDC_DUPLICATE));

    Type(d.dialog.Hwnd(), {KeyEvent(VK_SHIFT, false), KeyEvent(VK_TAB, false)});
    ASSERT_TRUE(PumpUntil(d.dialog.Hwnd(), [&] { return ::GetFocus() == d.Field(); }));
    Type(d.dialog.Hwnd(), {KeyEvent(VK_TAB, true), KeyEvent(VK_SHIFT, true)});

    // Both releases went on past the field's hook. (Checking the key state alone is not enough
    // under Wine: the next X focus event resets keys X does not see held.)
    const auto shiftUps = [&] { return others.Ups(VK_SHIFT) + others.Ups(VK_LSHIFT) + others.Ups(VK_RSHIFT); };
    EXPECT_TRUE(PumpUntil(d.dialog.Hwnd(), [&] { return shiftUps() == 1 && others.Ups(VK_TAB) == 1; }));
    EXPECT_FALSE(HeldForOthers(VK_SHIFT));
    EXPECT_FALSE(HeldForOthers(VK_TAB));
    // The releases still reach the field: the first one cleared the preset.
    EXPECT_TRUE(PumpUntil(d.dialog.Hwnd(), [&] { return d.field.Entry().selectedKey == 0; }));
    EXPECT_EQ(d.field.Entry().selectedModifiers, 0);
    EXPECT_EQ(::GetFocus(), d.Field());
}

TEST_F(Properties, HookGoesWithTheFieldWhicheverWayItIsDestroyed) {
    {
        Sink sink;
        FieldDialog d;
        ASSERT_TRUE(d.Open());
        ASSERT_TRUE(d.Focus(GLM_IDC_HOTKEY_FIELD));
        // The window goes first; the focus leaves it only as it goes.
        d.dialog.DestroyWindow();
        sink.TakeKeyboard();
        Type(nullptr, {KeyEvent('J', false), KeyEvent('J', true)});
        EXPECT_TRUE(PumpUntil(nullptr, [] { return Sink::Downs() == 1; }))
            << "window destroyed with the focus in the field";
    }
    {
        Sink sink;
        {
            // The field object goes while its window still exists (members go before the
            // dialog's window): it must not leave its hook posting to a window it no longer owns.
            FieldDialog d;
            ASSERT_TRUE(d.Open());
            ASSERT_TRUE(d.Focus(GLM_IDC_HOTKEY_FIELD));
        }
        sink.TakeKeyboard();
        Type(nullptr, {KeyEvent('J', false), KeyEvent('J', true)});
        EXPECT_TRUE(PumpUntil(nullptr, [] { return Sink::Downs() == 1; }))
            << "object destroyed with the focus in the field";
    }
}

TEST_F(Properties, DialogShowsTheSettingsAndOkReadsTheControlsBack) {
    Settings in;
    in.colourCode = 7;      // out of range: no colour selected
    in.transparency = 150;  // the slider clamps it
    in.shape = 1;
    in.sizeIndex = 2;  // "60px", control 1014
    in.positionControl = 9;
    in.sensitivity = 4;
    in.hotKeyEnabled = 0;
    in.hotKeyCode = kRareKey;
    in.hotKeyModifiers = 0x4001;  // not probed while the hot key is off
    in.blinkPeriod = 20;
    in.clickMonitor = 1;
    in.rippleEnabled = 1;
    in.blinkEnabled = 1;
    in.blinkTrigger = 2;

    struct Seen {
        bool anyColour = true, ring = false, size60 = false, size40 = true, alt = false, hotKey = true;
        LRESULT transparency = -1, period = -1;
        int focusId = 0, firstTabStopId = -1;
    } seen;
    const std::optional<Settings> out = RunModal(in, [&](HWND w) {
        seen.anyColour = false;
        for (int id : {1006, 1007, 1008, 1009, 1018, 1029}) seen.anyColour |= Checked(w, id);
        seen.ring = Checked(w, GLM_IDC_SHAPE_RING);
        seen.size60 = Checked(w, GLM_IDC_SIZE_60);
        seen.size40 = Checked(w, GLM_IDC_SIZE_40);
        seen.alt = Checked(w, GLM_IDC_TRIG_ALT);
        seen.hotKey = Checked(w, GLM_IDC_HOTKEY_ENABLED);
        seen.transparency = ::SendMessageW(::GetDlgItem(w, GLM_IDC_TRANS_SLIDER), TBM_GETPOS, 0, 0);
        seen.period = ::SendMessageW(::GetDlgItem(w, GLM_IDC_BLINK_PERIOD), TBM_GETPOS, 0, 0);
        // The dialog becomes visible before its activation has placed the focus.
        WaitFor([&] { return ::IsChild(w, FocusOf(w)) != FALSE; });
        seen.focusId = ::GetDlgCtrlID(FocusOf(w));
        seen.firstTabStopId = ::GetDlgCtrlID(::GetNextDlgTabItem(w, nullptr, FALSE));
        ::SendMessageW(::GetDlgItem(w, GLM_IDC_SIZE_150), BM_CLICK, 0, 0);
        Press(w, IDOK);
    });
    ASSERT_TRUE(out.has_value());
    EXPECT_FALSE(seen.anyColour);
    EXPECT_TRUE(seen.ring);
    EXPECT_TRUE(seen.size60);
    EXPECT_FALSE(seen.size40);
    EXPECT_TRUE(seen.alt);
    EXPECT_FALSE(seen.hotKey);
    EXPECT_EQ(seen.transparency, 100);
    EXPECT_EQ(seen.period, 10);
    // The first tab stop, never the hot-key field: no hook at opening. A checked radio button
    // takes a tab stop, so here the shape's "ring" comes before the transparency slider.
    EXPECT_EQ(seen.focusId, seen.firstTabStopId);
    EXPECT_NE(seen.focusId, GLM_IDC_HOTKEY_FIELD);

    // What the controls changed comes back changed; every other field as it went in, also
    // those without a control.
    Settings expected = in;
    expected.colourCode = -1;
    expected.transparency = 100;
    expected.sizeIndex = 5;
    expected.blinkPeriod = 10;
    EXPECT_EQ(*out, expected);
}
