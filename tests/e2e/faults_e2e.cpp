// Faults from outside: hostile profiles, a killed process, and the keyboard after every way the
// properties dialog can close.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

using namespace e2e;

namespace {

const POINT kAway = AwayFromMainWindow();
constexpr wchar_t kMutexName[] = L"__GLIMMORA_BRINDLECOVE__";
constexpr wchar_t kSecondInstanceCaption[] = L"２重起動";
constexpr wchar_t kHotKeyFailedAtStart[] = L"ホットキーの登録が失敗しました.他のキーに変更してください.";

std::wstring FolderWithProfile(const std::wstring& tag, const std::string& bytes) {
    const std::wstring folder = MakeScratchFolder(tag);
    WriteFileText(folder + L"\\Glimmora.ini", bytes);
    return folder;
}

// Waits for the main window, pressing OK on every message box shown before it and keeping their texts.
// The main window and a message share the caption; only the main window holds the panel.
HWND MainWindowPast(Glimmora& app, std::vector<std::wstring>& messages) {
    HWND main = nullptr;
    WaitFor(
        [&] {
            for (HWND h : TopLevelWindowsOf(app.Pid(), true)) {
                const std::wstring text = MessageBoxText(h);
                if (!text.empty()) {
                    messages.push_back(text);
                    PressButton(h, IDOK);
                    WaitFor([&] { return !::IsWindowVisible(h); });
                } else if (WindowText(h) == L"Glimmora" && ::FindWindowExW(h, nullptr, L"#32770", nullptr)) {
                    main = h;
                }
            }
            return main != nullptr;
        },
        10000);
    return main ? app.MainWindow() : nullptr;
}

void DescribeWindowsOf(Glimmora& app) {
    std::printf("    exit code %lu; windows:", app.ExitCode());
    for (HWND h : TopLevelWindowsOf(app.Pid(), false))
        std::printf(" '%s' (%s%s)", Narrow(WindowText(h)).c_str(), Narrow(ClassName(h)).c_str(),
                    ::IsWindowVisible(h) ? ", shown" : "");
    std::printf("\n");
}

// ---- hostile profile contents ----

std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

// Reproducible noise: every byte value, NULs, line ends, brackets and equals signs among them.
std::string Garbage(std::size_t size, std::uint32_t seed) {
    std::string out(size, '\0');
    for (char& c : out) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return out;
}

const char* const kKeysRead[] = {"COLORCODE",   "TRANS",   "SHAPE",       "SIZE",        "RPHTOKEYFLAG", "RPHOTKEY",
                                 "RPMODIFIERS", "TENMETU", "TENMETUTIME", "TENMETUTRIG", "MOUSEMON",     "HAMON"};

std::string EveryKey(const std::string& value) {
    std::string out = "[SYSTEM]\r\n";
    for (const char* key : kKeysRead) out += std::string(key) + "=" + value + "\r\n";
    return out;
}

struct Hostile {
    const wchar_t* name;
    std::string bytes;
    enum Place { kFile, kLocked, kFolder } place = kFile;  // locked: opened by another program, no sharing
};

constexpr char kWithNul[] = "[SYSTEM]\r\nSIZE=1\0junk\r\nTRANS=100\r\n";

std::vector<Hostile> HostileProfiles() {
    const std::string mb(1 << 20, 'x');
    return {
        {L"empty", ""},
        {L"binary garbage", Garbage(64 * 1024, 1)},
        {L"garbage around the section",
         Garbage(4096, 2) + "\r\n[SYSTEM]\r\nSIZE=1\r\nTRANS=100\r\n" + Garbage(4096, 3)},
        {L"UTF-16 with a BOM", Utf16("[SYSTEM]\r\nSIZE=1\r\nTRANS=100\r\nSHAPE=1\r\n", false)},
        {L"UTF-16 big-endian with a BOM", Utf16("[SYSTEM]\r\nSIZE=0\r\nTRANS=80\r\n", true)},
        {L"UTF-8 with a BOM", "\xEF\xBB\xBF[SYSTEM]\r\nSIZE=2\r\nTRANS=100\r\n"},
        {L"a 1 MB line", "[SYSTEM]\r\nSIZE=5\r\nNOTE=" + mb + "\r\nTRANS=100\r\n"},
        {L"a 1 MB value",
         "[SYSTEM]\r\nSIZE=" + std::string(1 << 20, '4') + "\r\nTRANS=-" + std::string(1 << 20, '9') + "\r\n"},
        {L"a 1 MB section name", "[" + mb + "]\r\nSIZE=1\r\n[SYSTEM]\r\nTRANS=100\r\n"},
        {L"no section", "SIZE=1\r\nTRANS=100\r\n"},
        {L"another section only", "[OTHER]\r\nSIZE=1\r\nTRANS=100\r\n"},
        {L"duplicate keys and sections",
         "[SYSTEM]\r\nSIZE=1\r\nSIZE=5\r\nTRANS=100\r\n[SYSTEM]\r\nSIZE=2\r\nTRANS=10\r\nSHAPE=1\r\n"},
        {L"case and blanks", "[ system ]\r\n  Size = 1  \r\ntrans=100\r\n"},
        {L"line feeds only, no end", "[SYSTEM]\nSIZE=1\nTRANS=100"},
        {L"a NUL inside", std::string(kWithNul, sizeof kWithNul - 1)},
        {L"huge", EveryKey("99999999999999999999")},
        {L"just beyond 32 bits", EveryKey("4294967296")},
        {L"the lowest", EveryKey("-2147483648")},
        {L"minus one", EveryKey("-1")},
        {L"text", EveryKey("abc")},
        {L"hexadecimal", EveryKey("0x7F")},
        {L"empty values", EveryKey("")},
        {L"locked by another program", "[SYSTEM]\r\nSIZE=1\r\nTRANS=100\r\n", Hostile::kLocked},
        {L"a folder in its place", "", Hostile::kFolder},
    };
}

// What the profile API gives for `key` of the file, with the program's default.
int ProfileInt(const std::wstring& path, const wchar_t* key, int fallback) {
    return static_cast<int>(::GetPrivateProfileIntW(L"SYSTEM", key, fallback, path.c_str()));
}

// The mark's diameter for a SIZE: the sizes the dialog offers, one pixel more but for the largest;
// any other value gives the default's.
int ExpectedDiameter(int size) {
    constexpr int kDiameters[] = {21, 41, 61, 81, 101, 150};
    return size >= 0 && size <= 5 ? kDiameters[size] : 81;
}

// The mark's alpha for each TRANS these profiles give: the low byte of TRANS * 255 / 100, truncated,
// whatever the sign or size; -1 for a value not listed here. An overlong number wraps to what the
// profile API makes of it, which may need a line of its own on another system.
int ExpectedAlpha(int transparency) {
    switch (transparency) {
        case 0:
            return 0;
        case 10:
            return 25;
        case 50:
            return 127;
        case 80:
            return 204;
        case 100:
            return 255;
        case 127:
            return 67;  // 0x7F
        case -1:
            return 254;
        case INT_MIN:
            return 154;
        case -268435455:
            return 54;  // a million nines, negative, as Wine wraps them
        case 1661992959:
            return 253;  // twenty nines, as Wine wraps them
        default:
            return -1;
    }
}

// ---- the properties dialog ----

// Gives the hot-key field the focus: by a click into it (SendInput), or as the dialog manager would.
bool FocusField(HWND dialog, bool byClick) {
    HWND field = ::GetDlgItem(dialog, GLM_IDC_HOTKEY_FIELD);
    SettleFocusChange();
    if (byClick) {
        // The move goes in the same stream as the press: a press after SetCursorPos may come before
        // the warp has been seen.
        const RECT r = WindowRect(field);
        INPUT in[3] = {};
        for (INPUT& i : in) i.type = INPUT_MOUSE;
        in[0].mi.dx = ((r.left + r.right) / 2 * 65536 + 32768) / ::GetSystemMetrics(SM_CXSCREEN);
        in[0].mi.dy = ((r.top + r.bottom) / 2 * 65536 + 32768) / ::GetSystemMetrics(SM_CYSCREEN);
        in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(3, in, sizeof(INPUT));
    } else {
        ::PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    }
    if (WaitForFocus(dialog, field)) return true;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    HWND under = ::WindowFromPoint(cursor);
    std::printf("    the focus is on control %d; the pointer at (%ld,%ld) is over control %d (%s)\n",
                ::GetDlgCtrlID(FocusOf(dialog)), cursor.x, cursor.y, ::GetDlgCtrlID(under),
                Narrow(ClassName(under)).c_str());
    return false;
}

enum class Closing { OkButton, OkCommand, CancelButton, CloseBox, CloseMessage, OwnerClosed, Quit, Killed };

struct Way {
    Closing closing;
    const char* name;
    bool focusByClick;
};

}  // namespace

E2E_SCENARIO(HostileProfilesStartShowTheMarkAndReadWhatTheProfileApiGives) {
    for (const Hostile& h : HostileProfiles()) {
        const std::wstring folder = FolderWithProfile(L"hostile", h.bytes);
        const std::wstring path = folder + L"\\Glimmora.ini";
        const std::wstring before = ReadFileText(path);
        if (h.place == Hostile::kFolder) {
            ::DeleteFileW(path.c_str());
            ::CreateDirectoryW(path.c_str(), nullptr);
        }
        HANDLE lock = h.place == Hostile::kLocked ? ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                                                  nullptr, OPEN_EXISTING, 0, nullptr)
                                                  : INVALID_HANDLE_VALUE;
        const int colour = ProfileInt(path, L"COLORCODE", 0), transparency = ProfileInt(path, L"TRANS", 50);
        const int shape = ProfileInt(path, L"SHAPE", 0), size = ProfileInt(path, L"SIZE", 3);
        const int hotKeyOn = ProfileInt(path, L"RPHTOKEYFLAG", 0), hotKey = ProfileInt(path, L"RPHOTKEY", 90);
        const int modifiers = ProfileInt(path, L"RPMODIFIERS", 1), blink = ProfileInt(path, L"TENMETU", 0);
        const int trigger = ProfileInt(path, L"TENMETUTRIG", 0);
        // The combination the program will ask for is refused to it exactly when it is refused to us.
        bool hotKeyRefused = false;
        if (hotKeyOn) {
            hotKeyRefused = !::RegisterHotKey(nullptr, 0x7001, static_cast<UINT>(modifiers), static_cast<UINT>(hotKey));
            if (!hotKeyRefused) ::UnregisterHotKey(nullptr, 0x7001);
        }
        std::printf("    %-29s COLORCODE %d TRANS %d SHAPE %d SIZE %d TENMETU %d/%d/%d clicks %d/%d hot key %d%s\n",
                    Narrow(h.name).c_str(), colour, transparency, shape, size, blink,
                    ProfileInt(path, L"TENMETUTIME", 5), trigger, ProfileInt(path, L"MOUSEMON", 0),
                    ProfileInt(path, L"HAMON", 0), hotKeyOn, hotKeyRefused ? " (refused)" : "");
        auto note = [&] { std::printf("    (in the case \"%s\")\n", Narrow(h.name).c_str()); };

        ::SetCursorPos(kAway.x, kAway.y);
        Glimmora app(folder);
        std::vector<std::wstring> messages;
        if (!CHECK(MainWindowPast(app, messages))) {
            note();
            continue;
        }
        const std::vector<std::wstring> expectedMessages =
            hotKeyRefused ? std::vector<std::wstring>{kHotKeyFailedAtStart} : std::vector<std::wstring>{};
        if (!CHECK(messages == expectedMessages)) note();

        HWND mark = SwitchMarkOnByButton(app);
        if (!CHECK(mark)) {
            note();
            continue;
        }
        const int diameter = ExpectedDiameter(size);
        const RECT r = WindowRect(mark);
        if (!CHECK_EQ(r.right - r.left, diameter) || !CHECK_EQ(r.bottom - r.top, diameter)) note();
        if (!CHECK_EQ(RegionContains(mark, diameter / 2, diameter / 2), shape == 0)) note();
        const int alpha = MarkAlpha(mark);
        const int expectedAlpha = ExpectedAlpha(transparency);
        // A blink that always runs shows the alpha or a step below it.
        if (!CHECK(blink != 0 && trigger == 0 ? alpha <= expectedAlpha : alpha == expectedAlpha)) {
            std::printf("    alpha %d, expected %d\n", alpha, expectedAlpha);
            note();
        }

        // It follows, and takes a left and a right click, whatever the effects were given.
        bool followed = true;
        auto followTo = [&](POINT p) { followed = MoveAndFollow(mark, p) && followed; };
        for (const DWORD down : {DWORD{MOUSEEVENTF_LEFTDOWN}, DWORD{MOUSEEVENTF_RIGHTDOWN}}) {
            followTo({kAway.x + 150, kAway.y + 40});
            followTo(kAway);
            SendMouse(down);
            followTo({kAway.x + 60, kAway.y + 60});  // dragged
            SendMouse(down == MOUSEEVENTF_LEFTDOWN ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
        }
        if (!CHECK(followed)) note();
        if (!CHECK(app.Close()) || !CHECK_EQ(app.ExitCode(), 0)) note();
        if (lock != INVALID_HANDLE_VALUE) ::CloseHandle(lock);
        if (!CHECK(ReadFileText(path) == before)) note();  // never written at exit
        // A combination it held is released at exit.
        if (hotKeyOn && !hotKeyRefused &&
            CHECK(::RegisterHotKey(nullptr, 0x7001, static_cast<UINT>(modifiers), static_cast<UINT>(hotKey))))
            ::UnregisterHotKey(nullptr, 0x7001);
    }
}

E2E_SCENARIO(KilledWithTheMarkOnLeavesTheNameAndTheHotKeyFree) {
    // Ctrl+Shift+F9 as the toggle.
    const std::string profile = "[SYSTEM]\r\nRPHTOKEYFLAG=1\r\nRPHOTKEY=120\r\nRPMODIFIERS=6\r\n";
    const std::wstring folder = FolderWithProfile(L"killed", profile);
    ::SetCursorPos(kAway.x, kAway.y);
    HWND mark = nullptr;
    {
        Glimmora app(folder);
        if (!CHECK(app.MainWindow())) return;
        mark = SwitchMarkOnByButton(app);
        if (!CHECK(mark)) return;
        HANDLE name = ::OpenMutexW(SYNCHRONIZE, FALSE, kMutexName);
        CHECK(name);
        if (name) ::CloseHandle(name);
        CHECK(!::RegisterHotKey(nullptr, 0x7002, MOD_CONTROL | MOD_SHIFT, VK_F9));  // Glimmora's now
        CHECK(::TerminateProcess(app.Process(), 1));
        CHECK(app.WaitExit());
    }
    CHECK(WaitFor([&] { return !::IsWindow(mark); }));
    CHECK(::OpenMutexW(SYNCHRONIZE, FALSE, kMutexName) == nullptr);
    if (CHECK(::RegisterHotKey(nullptr, 0x7002, MOD_CONTROL | MOD_SHIFT, VK_F9))) ::UnregisterHotKey(nullptr, 0x7002);

    // The next start: no second-instance message, the hot key registered and toggling the mark.
    KeyTarget front;
    Glimmora next(folder);
    HWND main = next.MainWindow();
    if (!CHECK(main)) return;
    // The guard comes before the main window: a message it showed would be there now.
    CHECK(!next.WaitTopLevel(kSecondInstanceCaption, 0));
    for (HWND h : TopLevelWindowsOf(next.Pid(), true)) CHECK(MessageBoxText(h).empty());
    CHECK(next.Output().find("RegisterHotKey() Error=") == std::string::npos);
    CHECK(front.TakeKeyboard());
    CHECK(PressHotKey({VK_CONTROL, VK_SHIFT}, VK_F9));
    CHECK(WaitFor([&] { return (mark = next.Mark()) && ::IsWindowVisible(mark); }));
    CHECK(PressHotKey({VK_CONTROL, VK_SHIFT}, VK_F9));
    CHECK(WaitFor([&] { return next.Mark() == nullptr; }));
    CHECK(next.Close());
    CHECK_EQ(next.ExitCode(), 0);
}

E2E_SCENARIO(KeysReachOtherWindowsAfterThePropertiesCloseInEveryWay) {
    const Way ways[] = {
        {Closing::OkButton, "the OK button", true},
        {Closing::OkCommand, "OK with the field still focused", false},
        {Closing::CancelButton, "the Cancel button", false},
        {Closing::CloseBox, "the close box", true},
        {Closing::CloseMessage, "WM_CLOSE", false},
        {Closing::OwnerClosed, "the main window closed", false},
        {Closing::Quit, "the thread told to quit", true},
        {Closing::Killed, "the process killed", false},
    };
    for (const Way& way : ways) {
        auto note = [&] { std::printf("    (closed by %s)\n", way.name); };
        KeyTarget target;  // its hook comes before the field's, so it sees only what the field lets pass
        Glimmora app(MakeScratchFolder(L"keyboard"));
        HWND main = app.MainWindow();
        if (!CHECK(main)) {
            DescribeWindowsOf(app);
            note();
            continue;
        }
        HWND dialog = OpenProperties(app);
        if (!CHECK(dialog)) continue;
        if (!CHECK(WaitFor([&] { return ::GetForegroundWindow() == dialog; })) ||
            !CHECK(FocusField(dialog, way.focusByClick))) {
            note();
            continue;
        }
        // The field has the keyboard: a key typed now reaches no other hook.
        target.Clear();
        SendCombination({}, 'X');
        if (!CHECK(target.InputHandled()) || !CHECK_EQ(target.HookEvents(), 0) ||
            !CHECK(FocusOf(dialog) == ::GetDlgItem(dialog, GLM_IDC_HOTKEY_FIELD)))
            note();

        switch (way.closing) {
            case Closing::OkButton:
                PressButton(dialog, IDOK);
                break;
            case Closing::OkCommand:
                ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                break;
            case Closing::CancelButton:
                PressButton(dialog, IDCANCEL);
                break;
            case Closing::CloseBox:
                ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            case Closing::CloseMessage:
                ::PostMessageW(dialog, WM_CLOSE, 0, 0);
                break;
            case Closing::OwnerClosed:
                // The main window ends once its modal dialog has: the dialog stays until closed.
                ::PostMessageW(main, WM_CLOSE, 0, 0);
                CHECK(Drain(main));
                CHECK(::IsWindowVisible(dialog));
                ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                break;
            case Closing::Quit:
                ::PostThreadMessageW(::GetWindowThreadProcessId(main, nullptr), WM_QUIT, 0, 0);
                break;
            case Closing::Killed:
                ::TerminateProcess(app.Process(), 1);
                break;
        }
        if (!CHECK(WaitFor([&] { return !::IsWindow(dialog); }))) note();
        const bool ends =
            way.closing == Closing::OwnerClosed || way.closing == Closing::Quit || way.closing == Closing::Killed;
        if (ends) {
            if (!CHECK(app.WaitExit())) note();
            if (way.closing != Closing::Killed && !CHECK_EQ(app.ExitCode(), 0)) note();
        } else {
            if (!CHECK(WaitFor([&] { return ::IsWindowEnabled(main) != FALSE; }))) note();
        }

        for (int vk : {int{'X'}, VK_SHIFT, VK_CONTROL}) CHECK(!KeyHeldAnywhere(vk));
        if (!CHECK(target.TakeKeyboard())) {
            note();
            continue;
        }
        target.Clear();
        SendCombination({}, 'A');
        SendCombination({VK_SHIFT}, 'B');
        if (!CHECK(WaitFor([&] { return target.Text() == L"aB"; }))) {
            std::printf("    typed \"aB\", the target has %s\n", Narrow(target.Text()).c_str());
            note();
        }
        // Under Wine a killed process's hook takes the hooks installed before it down with it: they are
        // never called again, although the keys reach the windows.
        if ((way.closing != Closing::Killed || !IsWine()) && !CHECK(target.HookEvents() >= 6)) {
            std::printf("    the target's hook saw %d key events of 6\n", target.HookEvents());
            note();
        }
        if (!ends && (!CHECK(app.Close()) || !CHECK_EQ(app.ExitCode(), 0))) note();
    }
}
