// The properties dialog and its hot-key field, driven through the panel's Properties button.
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"

using namespace e2e;

namespace {

constexpr wchar_t kCurrentText[] = L"現在の設定です。";
constexpr wchar_t kFreeText[] = L"設定可能です.";
constexpr wchar_t kTakenText[] =
    L"このキーの組み合わせは既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
constexpr wchar_t kOkTakenText[] =
    L"HotKey設定は既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";

const POINT kAway = AwayFromMainWindow();

// A scratch folder without a profile (a folder name can come back from an earlier run).
std::wstring Fresh(const std::wstring& tag) {
    const std::wstring folder = MakeScratchFolder(tag);
    ::DeleteFileW((folder + L"\\Glimmora.ini").c_str());
    return folder;
}

// The lines of the profile, blank ones left out.
std::vector<std::wstring> ProfileLines(const std::wstring& folder) {
    std::vector<std::wstring> lines;
    std::wstring line;
    for (wchar_t c : ReadFileText(folder + L"\\Glimmora.ini") + L"\n") {
        if (c == L'\n') {
            if (!line.empty()) lines.push_back(line);
            line.clear();
        } else if (c != L'\r') {
            line += c;
        }
    }
    return lines;
}

bool Checked(HWND dialog, int id) { return Ask(::GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED; }

// A click that opens nothing modal, so the driver can wait for its effect.
void Click(HWND dialog, int id) { Ask(::GetDlgItem(dialog, id), BM_CLICK); }

// Opens the properties dialog and waits until it is in front; null when either does not come.
HWND OpenPropertiesInFront(Glimmora& app) {
    HWND dialog = OpenProperties(app);
    return dialog && WaitFor([&] { return ::GetForegroundWindow() == dialog; }) ? dialog : nullptr;
}

// The message box the dialog shows, waited for.
HWND WaitMessageBox(Glimmora& app, HWND dialog) {
    HWND box = nullptr;
    WaitFor([&] {
        for (HWND h : TopLevelWindowsOf(app.Pid(), true))
            if (::GetWindow(h, GW_OWNER) == dialog && !MessageBoxText(h).empty()) return (box = h) != nullptr;
        return false;
    });
    return box;
}

// Presses `button` of the dialog and returns the text of the message box it shows, closing it.
std::wstring MessageFor(Glimmora& app, HWND dialog, int button) {
    PressButton(dialog, button);
    HWND box = WaitMessageBox(app, dialog);
    if (!box) return L"(no message box)";
    const std::wstring text = MessageBoxText(box);
    CHECK(WindowText(box) == L"Glimmora");
    PressButton(box, IDOK);
    WaitFor([&] { return !::IsWindow(box); });
    return text;
}

// Gives the focus to a control of the dialog as a click would, and waits for it.
bool FocusControl(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    ::PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return WaitForFocus(dialog, control);
}

// Types a combination into the field of the open dialog; the dialog keeps running.
bool TypeIntoField(HWND dialog, std::initializer_list<WORD> modifiers, WORD key) {
    if (!FocusControl(dialog, GLM_IDC_HOTKEY_FIELD)) return false;
    SendCombination(modifiers, key);
    return true;
}

const std::vector<std::wstring> kStoredCtrlShiftK = {L"RPHTOKEYFLAG=1", L"RPHOTKEY=75", L"RPMODIFIERS=6"};

// The two lines written before a probe (standard output is in text mode: CR LF).
bool Traced(Glimmora& app, int modifiers, int key) {
    const std::string lines = "Modifiers=" + std::to_string(modifiers) + "\r\nHotKey = " + std::to_string(key) + "\r\n";
    return WaitFor([&] { return app.Output().find(lines) != std::string::npos; });
}

// Shift and Tab go down on the duplicate button and stay down; true once the focus has moved
// back into the field with Shift held (a Wine focus event may drop Shift: see above).
bool ShiftTabIntoTheField(HWND dialog) {
    HWND field = ::GetDlgItem(dialog, GLM_IDC_HOTKEY_FIELD);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!FocusControl(dialog, GLM_IDC_DUPLICATE)) return false;
        SendInputs({KeyEvent(VK_SHIFT, false), KeyEvent(VK_TAB, false)});
        if (KeyHeldAnywhere(VK_SHIFT) && WaitForFocus(dialog, field)) return true;
        SendInputs({KeyEvent(VK_TAB, true), KeyEvent(VK_SHIFT, true)});
    }
    return false;
}

bool MarkShown(Glimmora& app) {
    HWND mark = app.Mark();
    return mark && ::IsWindowVisible(mark);
}

}  // namespace

E2E_SCENARIO(PropertiesOpensWithTheValuesOfTheProfile) {
    const std::wstring folder = PreparedFolder(
        L"props open",
        "COLORCODE=3\r\nTRANS=70\r\nSHAPE=1\r\nSIZE=4\r\nRPHTOKEYFLAG=1\r\nRPHOTKEY=118\r\nRPMODIFIERS=3\r\n"
        "TENMETU=1\r\nTENMETUTIME=7\r\nTENMETUTRIG=1\r\nMOUSEMON=1\r\nHAMON=1\r\n");
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenProperties(app);
    if (!CHECK(dialog)) return;
    CHECK(::GetWindow(dialog, GW_OWNER) == app.MainWindow());
    CHECK(!::IsWindowEnabled(app.MainWindow()));
    CHECK(Checked(dialog, GLM_IDC_COLOR_GREEN));    // colour 3
    CHECK(!Checked(dialog, GLM_IDC_COLOR_YELLOW));  // only one of the group
    CHECK(Checked(dialog, GLM_IDC_SHAPE_RING));
    CHECK(Checked(dialog, GLM_IDC_SIZE_100));   // size 4
    CHECK(Checked(dialog, GLM_IDC_TRIG_CTRL));  // blink while Ctrl is held
    for (int box : {GLM_IDC_HOTKEY_ENABLED, GLM_IDC_BLINK_ENABLED, GLM_IDC_MOUSEMON, GLM_IDC_RIPPLE})
        CHECK(Checked(dialog, box));
    CHECK_EQ(Ask(::GetDlgItem(dialog, GLM_IDC_TRANS_SLIDER), TBM_GETPOS), 70);
    HWND period = ::GetDlgItem(dialog, GLM_IDC_BLINK_PERIOD);
    CHECK_EQ(Ask(period, TBM_GETPOS), 7);
    CHECK_EQ(Ask(period, TBM_GETRANGEMIN), 1);
    CHECK_EQ(Ask(period, TBM_GETRANGEMAX), 10);
    CHECK(FocusOf(dialog) != ::GetDlgItem(dialog, GLM_IDC_HOTKEY_FIELD));  // no hook while the dialog opens

    // The stored combination is shown in the field: the duplicate check calls it current.
    CHECK(MessageFor(app, dialog, GLM_IDC_DUPLICATE) == kCurrentText);
    PressButton(dialog, IDCANCEL);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    CHECK(::IsWindowEnabled(app.MainWindow()));
    CHECK(app.Close());
}

E2E_SCENARIO(PropertiesOkWritesTheFourteenKeysInOrder) {
    const std::wstring folder = Fresh(L"props ok");
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenProperties(app);
    if (!CHECK(dialog)) return;
    CHECK(Checked(dialog, GLM_IDC_COLOR_YELLOW));  // the defaults: yellow, circle, 80px
    CHECK(Checked(dialog, GLM_IDC_SHAPE_CIRCLE));
    CHECK(Checked(dialog, GLM_IDC_SIZE_80));
    Click(dialog, GLM_IDC_COLOR_BLUE);  // colour 4
    Click(dialog, GLM_IDC_SHAPE_RING);
    Click(dialog, GLM_IDC_SIZE_150);  // size 5
    Ask(::GetDlgItem(dialog, GLM_IDC_TRANS_SLIDER), TBM_SETPOS, TRUE, 80);
    Click(dialog, GLM_IDC_BLINK_ENABLED);  // blink on...
    Click(dialog, GLM_IDC_TRIG_ALT);       // ...while Alt is held
    Ask(::GetDlgItem(dialog, GLM_IDC_BLINK_PERIOD), TBM_SETPOS, TRUE, 3);
    Click(dialog, GLM_IDC_MOUSEMON);
    Click(dialog, GLM_IDC_RIPPLE);
    CHECK(Checked(dialog, GLM_IDC_COLOR_BLUE) && !Checked(dialog, GLM_IDC_COLOR_YELLOW));
    PressButton(dialog, IDOK);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    CHECK(WaitFor([&] { return ProfileLines(folder).size() == 15; }));
    const std::vector<std::wstring> expected = {
        L"[SYSTEM]",  L"COLORCODE=4",   L"TRANS=80",       L"SHAPE=1",     L"SIZE=5",
        L"POSCTL=0",  L"KANDO=0",       L"RPHTOKEYFLAG=0", L"RPHOTKEY=90", L"RPMODIFIERS=1",
        L"TENMETU=1", L"TENMETUTIME=3", L"TENMETUTRIG=2",  L"MOUSEMON=1",  L"HAMON=1",
    };
    const std::vector<std::wstring> written = ProfileLines(folder);
    CHECK(written == expected);
    if (written != expected)
        for (const std::wstring& line : written) std::printf("    %s\n", Narrow(line).c_str());
    CHECK(app.Close());
}

E2E_SCENARIO(PropertiesCancelWritesNothing) {
    const std::string settings = "COLORCODE=2\r\nTRANS=40\r\n[OTHER]\r\nKEEP=1\r\n";
    const std::wstring folder = PreparedFolder(L"props cancel", settings);
    const std::wstring before = ReadFileText(folder + L"\\Glimmora.ini");
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenProperties(app);
    if (!CHECK(dialog)) return;
    CHECK(Checked(dialog, GLM_IDC_COLOR_RED));
    Click(dialog, GLM_IDC_COLOR_LIGHTBLUE);
    Click(dialog, GLM_IDC_SHAPE_RING);
    Ask(::GetDlgItem(dialog, GLM_IDC_TRANS_SLIDER), TBM_SETPOS, TRUE, 90);
    PressButton(dialog, IDCANCEL);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    // Opened again, the dialog shows the values from before.
    dialog = OpenProperties(app);
    if (CHECK(dialog)) {
        CHECK(Checked(dialog, GLM_IDC_COLOR_RED));
        CHECK(Checked(dialog, GLM_IDC_SHAPE_CIRCLE));
        CHECK_EQ(Ask(::GetDlgItem(dialog, GLM_IDC_TRANS_SLIDER), TBM_GETPOS), 40);
        PressButton(dialog, IDCANCEL);
        CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    }
    CHECK(app.Close());
    CHECK(ReadFileText(folder + L"\\Glimmora.ini") == before);
}

E2E_SCENARIO(HotKeyFieldTakesCtrlShiftKFromEveryoneAndOkMakesItTheToggle) {
    ::SetCursorPos(kAway.x, kAway.y);  // the mark hides over the main window
    // The old toggle: Ctrl+Alt+F7.
    const std::wstring folder = PreparedFolder(L"props field", "RPHTOKEYFLAG=1\r\nRPHOTKEY=118\r\nRPMODIFIERS=3\r\n");
    auto receiver = std::make_unique<KeyTarget>();
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenPropertiesInFront(app);
    if (!CHECK(dialog)) return;
    if (!CHECK(FocusControl(dialog, GLM_IDC_HOTKEY_FIELD))) return;

    // Esc, Enter and Tab do nothing in the dialog while the field has the keyboard.
    SendCombination({}, VK_ESCAPE);
    SendCombination({}, VK_RETURN);
    SendCombination({}, VK_TAB);
    SendCombination({VK_CONTROL, VK_SHIFT}, 'K');
    CHECK_EQ(receiver->HookEvents(), 0);
    CHECK(receiver->Text().empty());
    CHECK(::IsWindowVisible(dialog));
    CHECK(FocusOf(dialog) == ::GetDlgItem(dialog, GLM_IDC_HOTKEY_FIELD));
    for (int vk : {VK_CONTROL, VK_SHIFT, int{'K'}}) CHECK(!KeyHeldAnywhere(vk));
    receiver.reset();  // its hook would slow every key event down from here on

    PressButton(dialog, IDOK);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    // Saved once the dialog has gone.
    CHECK(WaitFor([&] { return ProfileLines(folder).size() == 15; }));
    const std::vector<std::wstring> lines = ProfileLines(folder);
    CHECK(std::search(lines.begin(), lines.end(), kStoredCtrlShiftK.begin(), kStoredCtrlShiftK.end()) != lines.end());
    CHECK(Traced(app, 6, 75));

    // The new combination toggles the mark; the old one is Glimmora's no more: anyone may have it.
    SettleFocusChange();  // the main window has just come back to the front
    CHECK(PressHotKey({VK_CONTROL, VK_SHIFT}, 'K'));
    CHECK(WaitFor([&] { return MarkShown(app); }));
    if (CHECK(::RegisterHotKey(nullptr, 0x7003, MOD_CONTROL | MOD_ALT, VK_F7))) ::UnregisterHotKey(nullptr, 0x7003);
    CHECK(PressHotKey({VK_CONTROL, VK_SHIFT}, 'K'));
    CHECK(WaitFor([&] { return app.Mark() == nullptr; }));
    CHECK(app.Close());
}

E2E_SCENARIO(DuplicateCheckAnswersCurrentFreeAndTaken) {
    const std::wstring folder = PreparedFolder(L"props dup", "RPHOTKEY=118\r\nRPMODIFIERS=3\r\n");
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenProperties(app);
    if (!CHECK(dialog)) return;
    CHECK(MessageFor(app, dialog, GLM_IDC_DUPLICATE) == kCurrentText);

    // Free: Ctrl+Shift+F11, checked with the hot key not even enabled.
    CHECK(!Checked(dialog, GLM_IDC_HOTKEY_ENABLED));
    CHECK(TypeIntoField(dialog, {VK_CONTROL, VK_SHIFT}, VK_F11));
    CHECK(MessageFor(app, dialog, GLM_IDC_DUPLICATE) == kFreeText);

    // Taken: a combination the driver holds.
    HWND holder = ::CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    CHECK(::RegisterHotKey(holder, 9, MOD_CONTROL | MOD_SHIFT, VK_F12));
    CHECK(TypeIntoField(dialog, {VK_CONTROL, VK_SHIFT}, VK_F12));
    CHECK(MessageFor(app, dialog, GLM_IDC_DUPLICATE) == kTakenText);
    ::UnregisterHotKey(holder, 9);
    ::DestroyWindow(holder);
    CHECK(Traced(app, 6, VK_F12));

    // The stored combination typed again is current once more, and nothing was written.
    CHECK(TypeIntoField(dialog, {VK_CONTROL, VK_MENU}, VK_F7));
    CHECK(MessageFor(app, dialog, GLM_IDC_DUPLICATE) == kCurrentText);
    PressButton(dialog, IDCANCEL);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    CHECK(app.Close());
    CHECK(ProfileLines(folder) == (std::vector<std::wstring>{L"[SYSTEM]", L"RPHOTKEY=118", L"RPMODIFIERS=3"}));
}

E2E_SCENARIO(FailedProbeOnOkKeepsThePropertiesOpen) {
    const std::wstring folder = PreparedFolder(L"props taken", "RPHTOKEYFLAG=1\r\nRPHOTKEY=118\r\nRPMODIFIERS=3\r\n");
    HWND holder = ::CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!CHECK(::RegisterHotKey(holder, 9, MOD_CONTROL | MOD_SHIFT, VK_F12))) return;
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenProperties(app);
    if (CHECK(dialog)) {
        CHECK(TypeIntoField(dialog, {VK_CONTROL, VK_SHIFT}, VK_F12));
        CHECK(MessageFor(app, dialog, IDOK) == kOkTakenText);
        CHECK(::IsWindow(dialog) && ::IsWindowVisible(dialog));
        CHECK(!::IsWindowEnabled(app.MainWindow()));
        // Nothing was taken over: cancelling leaves the profile and the old toggle as they were.
        PressButton(dialog, IDCANCEL);
        CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    }
    CHECK(ProfileLines(folder) ==
          (std::vector<std::wstring>{L"[SYSTEM]", L"RPHTOKEYFLAG=1", L"RPHOTKEY=118", L"RPMODIFIERS=3"}));
    CHECK(!::RegisterHotKey(holder, 10, MOD_CONTROL | MOD_ALT, VK_F7));  // still Glimmora's
    ::UnregisterHotKey(holder, 10);
    ::UnregisterHotKey(holder, 9);
    ::DestroyWindow(holder);
    CHECK(app.Close());
}

E2E_SCENARIO(KeysReachOtherWindowsAgainAfterThePropertiesClose) {
    const std::wstring folder = Fresh(L"props after");
    KeyTarget receiver;
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenPropertiesInFront(app);
    if (!CHECK(dialog)) return;

    // Shift+Tab from the duplicate button into the field: the hook comes after Shift and Tab
    // went down, and their releases must still reach the system.
    CHECK(ShiftTabIntoTheField(dialog));
    receiver.Clear();
    SendInputs({KeyEvent(VK_TAB, true), KeyEvent(VK_SHIFT, true)});
    // Both releases went on past the field's hook (the key state alone would not tell under
    // Wine, where the next X focus event resets keys X does not see held).
    CHECK(WaitFor([&] { return receiver.HookEvents() == 2; }));
    CHECK(!KeyHeldAnywhere(VK_SHIFT));
    CHECK(!KeyHeldAnywhere(VK_TAB));

    // Closed while the field still has the keyboard.
    SendCombination({VK_CONTROL}, 'Q');
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));

    if (!CHECK(receiver.TakeKeyboard())) return;
    SendCombination({}, 'O');
    SendCombination({}, 'K');
    CHECK(WaitFor([&] { return receiver.Text() == L"ok"; }));
    CHECK(app.Close());
}

// A key held before the field takes the focus auto-repeats into the hook: its repeats must not
// make the hook keep its release from the system, or it stays held for every program. A letter
// rather than Shift: Wine lets go of modifiers by itself at a focus change, which could hide it.
E2E_SCENARIO(KeyHeldIntoTheFieldAndRepeatedIsReleasedEverywhere) {
    const std::wstring folder = Fresh(L"props repeat");
    KeyTarget receiver;
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenPropertiesInFront(app);
    if (!CHECK(dialog)) return;
    SettleFocusChange();  // else Wine may let go of the key before the field takes the focus
    if (!CHECK(FocusControl(dialog, GLM_IDC_DUPLICATE))) return;

    constexpr WORD kHeld = 'G';
    SendInputs({KeyEvent(kHeld, false)});
    CHECK(WaitFor([] { return KeyHeldAnywhere(kHeld); }));
    CHECK(FocusControl(dialog, GLM_IDC_HOTKEY_FIELD));
    CHECK(KeyHeldAnywhere(kHeld));
    receiver.Clear();
    SendInputs({KeyEvent(kHeld, false), KeyEvent(kHeld, false), KeyEvent(kHeld, false), KeyEvent(kHeld, true)});
    // The repeats stay with the field; the release goes on to everyone.
    CHECK(WaitFor([&] { return receiver.HookEvents() == 1; }));
    CHECK(!KeyHeldAnywhere(kHeld));

    PressButton(dialog, IDCANCEL);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    CHECK(!KeyHeldAnywhere(kHeld));
    CHECK(app.Close());
}

E2E_SCENARIO(UnwritableProfileIsReportedOnceAndTheNewValuesStillApply) {
    const std::wstring folder = Fresh(L"props readonly");
    const std::wstring ini = folder + L"\\Glimmora.ini";
    // A read-only file is what a presenter meets; Wine running as root writes it all the same
    // (Unix permissions do not bind root), so there the profile's name is taken by a folder.
    WriteFileText(ini, "[SYSTEM]\r\n");
    ::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    if (::WritePrivateProfileStringW(L"SYSTEM", L"PROBE", L"1", ini.c_str())) {
        ::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(ini.c_str());
        ::CreateDirectoryW(ini.c_str(), nullptr);
    }
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND dialog = OpenProperties(app);
    if (!CHECK(dialog)) return;
    Click(dialog, GLM_IDC_SIZE_150);
    PressButton(dialog, IDOK);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
    std::vector<HWND> boxes;
    CHECK(WaitFor([&] {
        boxes.clear();
        for (HWND h : TopLevelWindowsOf(app.Pid(), true))
            if (!MessageBoxText(h).empty()) boxes.push_back(h);
        return !boxes.empty();
    }));
    if (CHECK_EQ(boxes.size(), 1u)) {
        const std::wstring text = MessageBoxText(boxes[0]);
        CHECK(text.starts_with(L"設定を保存できませんでした(Could not save the settings)."));
        CHECK(text.find(L"Glimmora.ini") != std::wstring::npos);
        CHECK(WindowText(boxes[0]) == L"Glimmora");
        PressButton(boxes[0], IDOK);
        CHECK(WaitFor([&] { return !::IsWindow(boxes[0]); }));
    }
    // One message per confirmation, not one per key.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(app.MainWindow(), WM_NULL, 0, 0, SMTO_BLOCK, 3000, &ignored);
    for (HWND h : TopLevelWindowsOf(app.Pid(), true)) CHECK(MessageBoxText(h).empty());

    PressButton(app.Panel(), GLM_IDC_ONOFF);
    HWND mark = nullptr;
    CHECK(WaitFor([&] { return (mark = app.Mark()) && ::IsWindowVisible(mark); }));
    if (mark) CHECK_EQ(WindowRect(mark).right - WindowRect(mark).left, 150);
    CHECK(app.Close());
    ::RemoveDirectoryW(ini.c_str());
    ::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
}
