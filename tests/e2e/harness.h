#pragma once
// A small harness for driving the real Glimmora.exe as a user would.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "res/resource.h"  // the controls' identifiers
#include "test_support.h"

namespace e2e {

using support::KeyEvent;
using support::SendInputs;
using support::WaitFor;

// ---- scenarios and checks ----
struct Scenario {
    const char* name;
    void (*run)();
    bool onRequest;  // runs only when named on the command line (long soaks, screenshots)
};
std::vector<Scenario>& Scenarios();
struct Register {
    Register(const char* name, void (*run)(), bool onRequest = false) { Scenarios().push_back({name, run, onRequest}); }
};
#define E2E_SCENARIO(name)                                         \
    static void name();                                            \
    static const ::e2e::Register name##_registration{#name, name}; \
    static void name()

// A scenario about where the mark goes: run again on a display of two monitors, where the point away
// from the main window (AwayFromMainWindow) lies on the second monitor.
#define E2E_PLACEMENT(name) E2E_SCENARIO(name)

// A scenario that runs only when named on the command line.
#define E2E_ON_REQUEST(name)                                             \
    static void name();                                                  \
    static const ::e2e::Register name##_registration{#name, name, true}; \
    static void name()

// Records a failed check of the running scenario; the scenario goes on.
void Fail(const char* file, int line, const std::string& what);
#define CHECK(cond) ((cond) ? true : (::e2e::Fail(__FILE__, __LINE__, #cond), false))
#define CHECK_EQ(a, b)                                                                                           \
    (((a) == (b))                                                                                                \
         ? true                                                                                                  \
         : (::e2e::Fail(__FILE__, __LINE__, #a " == " #b " (" + ::e2e::Show(a) + " vs " + ::e2e::Show(b) + ")"), \
            false))
std::string Show(long long v);
std::string Show(const std::wstring& s);
std::string Narrow(const std::wstring& s);

// Ends the running scenario as skipped (the driver's exit code 77), for a scenario that needs what this
// display has not got (a second monitor); the scenario returns right after.
void Skip(const std::string& why);

// Under Wine, where a few things documentably differ from Windows.
bool IsWine();

// ---- files ----
std::wstring GlimmoraExeSource();  // the built exe, from the command line
// A fresh scratch folder whose path holds a blank, with a copy of Glimmora.exe in it.
std::wstring MakeScratchFolder(const std::wstring& tag);
std::wstring ReadFileText(const std::wstring& path);  // ASCII/UTF-8 as wide; empty when missing
bool FileExists(const std::wstring& path);
void WriteFileText(const std::wstring& path, const std::string& text);

// ---- a running Glimmora ----
class Glimmora {
  public:
    // Starts folder\Glimmora.exe with `commandLine` (default: its quoted absolute path).
    explicit Glimmora(const std::wstring& folder, const std::wstring& commandLine = L"",
                      const std::wstring& workingDirectory = L"");
    ~Glimmora();  // ends the process if it still runs
    Glimmora(const Glimmora&) = delete;
    Glimmora& operator=(const Glimmora&) = delete;

    bool Started() const { return m_process != nullptr; }
    DWORD Pid() const { return m_pid; }
    HANDLE Process() const { return m_process; }
    bool WaitExit(DWORD timeoutMs = 10000);
    DWORD ExitCode() const;
    std::string Output() const;  // what it wrote to standard output

    HWND MainWindow(DWORD timeoutMs = 10000);  // the visible main window, waited for
    HWND Panel();
    HWND Mark();  // the mark's window, shown or not; null when there is none
    // A visible top-level window of this process with the given caption, waited for.
    HWND WaitTopLevel(const std::wstring& caption, DWORD timeoutMs = 5000);
    bool Close(DWORD timeoutMs = 10000);  // the Close system command, then wait for the exit

    const std::wstring& Folder() const { return m_folder; }

  private:
    std::wstring m_folder;
    std::wstring m_outputPath;
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
    HWND m_main = nullptr;
};

// ---- the mark ----
// A fresh scratch folder (see MakeScratchFolder) with a Glimmora.ini holding section SYSTEM and `settings`.
std::wstring PreparedFolder(const std::wstring& tag, const std::string& settings);
// Switches the mark on with the ON/OFF button and waits for it to be shown; null when it is not.
HWND SwitchMarkOnByButton(Glimmora& app);
// Switches the mark on, with the pointer at `at`, and returns once its click timer has surely ticked
// (the first tick arms the ripple and the colour swap, so a press before it counts as a button held at
// start): three placements, each seen, take at least three follow intervals, more than the first click
// tick is due after. Null, with a failed check, when the mark does not come.
HWND SwitchMarkOnAt(Glimmora& app, POINT at);
// Whether the mark's window is centred on `cursor` (by its current size, truncating).
bool MarkCentredOn(HWND mark, POINT cursor);
// Whether the mark's window region holds the point (window coordinates).
bool RegionContains(HWND mark, int x, int y);
int MarkWidth(HWND mark);
BYTE MarkAlpha(HWND mark);  // its layered window's alpha
// The screen as the user sees it; the pointer itself is not part of this image.
COLORREF ScreenPixel(int x, int y);

// ---- the properties dialog ----
inline constexpr wchar_t kPropertiesCaption[] = L"プロパティ設定(Properties)";
// Opens the properties dialog with the panel's button; null when it does not come.
HWND OpenProperties(Glimmora& app);

// ---- windows ----
std::vector<HWND> TopLevelWindowsOf(DWORD pid, bool visibleOnly);
std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);
RECT WindowRect(HWND hwnd);
RECT ClientRect(HWND hwnd);
// The text of a message box's message (its static with id 0xFFFF).
std::wstring MessageBoxText(HWND box);
// Presses a button of another process's dialog without waiting (it may open a modal box).
void PressButton(HWND dialog, int id);
// Sends a message to another process's window and gives the answer; 0 when none comes within 3 s.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Returns once every message posted to `window`'s thread before the call has been dispatched: a sent
// message is taken before the posted ones waiting with it, so one round trip proves nothing, but the
// second is taken only after the thread has gone on to dispatch those. False when the window went.
bool Drain(HWND window);
// Waits until `control` has the focus and has handled gaining it (the hot-key field installs its hook
// then): the focus is seen to move before the control's handler runs, and a message sent to the dialog
// is taken only once that handler is done.
bool WaitForFocus(HWND dialog, HWND control);
// Posts a key press to the window that has the keyboard focus in `thread`'s window.
void PostKey(HWND target, WPARAM vk);
HWND FocusOf(HWND anyWindowOfThread);

// ---- the screen ----
// Coordinates on any screen are taken from its metrics, never written down for one size.
RECT PrimaryMonitor();         // the primary monitor's rectangle, which starts at (0, 0)
RECT VirtualScreen();          // every monitor together; may start left of or above (0, 0)
std::vector<RECT> Monitors();  // the primary one first
// The point at these fractions of the primary monitor's width and height.
POINT OnScreen(double fx, double fy);
// A point in the upper left of a monitor, well clear of the main window, which is centred on the
// primary one: of the second monitor where there is one, so that what is tried there happens there.
POINT AwayFromMainWindow();

// ---- keyboard and mouse ----
void SendMouse(DWORD flags);  // one mouse event without a move, a button going down or up
// Modifiers down in order, the key down and up, the modifiers up in reverse order: one SendInput.
void SendCombination(std::initializer_list<WORD> modifiers, WORD key);
// Presses a hot key so that the system sees every modifier held when the key goes down (Wine may
// let go of modifiers held by SendInput when a focus change reaches a process); false when that
// could not be done. Not for typing into the hot-key field, whose hook keeps keys from the key state.
bool PressHotKey(std::initializer_list<WORD> modifiers, WORD key);
// Moves the pointer and waits for the mark to be centred on it; under Wine a warp can be undone by
// a mouse event still on its way, so the move is made again, as a hand would.
bool MoveAndFollow(HWND mark, POINT p, DWORD timeoutMs = 3000);
// An absolute move as input (as a pen or a touch screen makes it), anywhere on the virtual screen;
// where the pointer went.
POINT MoveByInput(POINT to);
INPUT MouseMove(LONG dx, LONG dy, DWORD flags);  // a move as SendInput takes it
// MoveByInput, then waits for the mark to be centred there; made again if Wine undoes it, as for a warp.
bool MoveByInputAndFollow(HWND mark, POINT p, DWORD timeoutMs = 3000);

// Presses mouse buttons and Ctrl with SendInput, and lets go of whatever is still down when it goes, so a
// failed check never leaves a button held for the next scenario (or for whoever uses the display next).
// The buttons are the physical ones, as the mouse reports them, whichever is the primary button.
class Hands {
  public:
    enum Input { kLeft, kRight, kCtrl, kCount };
    Hands() = default;
    Hands(const Hands&) = delete;
    Hands& operator=(const Hands&) = delete;
    ~Hands();
    void Press(Input what) { Send(what, true); }
    void Release(Input what) { Send(what, false); }

  private:
    void Send(Input what, bool down);
    bool m_down[kCount] = {};
};
bool KeyHeldAnywhere(int vk);
// Under Wine, waits until the process whose window has just come to the front has read the X focus
// event, which lets go of modifiers held with SendInput and gives the focus back to the control that
// had it last: a key or a click sent before then may be undone.
void SettleFocusChange();

// A window of the driver's own, on a thread of its own, with an edit that takes what is typed into
// it. It also installs a low-level keyboard hook when made, counting the key events that reach it: a
// hook installed later (the hot-key field's) runs before it and may swallow them.
class KeyTarget {
  public:
    KeyTarget();
    ~KeyTarget();
    KeyTarget(const KeyTarget&) = delete;
    KeyTarget& operator=(const KeyTarget&) = delete;

    // In front with the edit focused, as after a user's click into it; false when that does not come.
    bool TakeKeyboard();
    std::wstring Text() const;
    void Clear();            // empties the edit and the count
    int HookEvents() const;  // key events that got past every hook installed after this one
    // Returns once every key event sent before the call has been through every low-level hook: input is
    // taken in order, so a mouse event sent after them reaches this object's mouse hook only then.
    bool InputHandled();
    HWND Window() const { return m_window; }

  private:
    static DWORD WINAPI Run(void* self);
    static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK HookProc(int, WPARAM, LPARAM);
    static LRESULT CALLBACK MouseHookProc(int, WPARAM, LPARAM);

    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HWND m_window = nullptr;
    HWND m_edit = nullptr;
    volatile LONG m_ready = 0;
};

// ---- what a process holds (-1 when it cannot be measured) ----
// (GDI objects: gdi_objects.h.)
// USER objects; under Wine, where GetGuiResources answers 0, its windows (top-level and children).
long UserObjectCount(HANDLE process, DWORD pid);
// Kernel handles; under Wine, counted in the system's handle list.
long KernelHandleCount(HANDLE process, DWORD pid);
struct MemoryUse {
    SIZE_T workingSet = 0;
    SIZE_T peakWorkingSet = 0;
    SIZE_T privateBytes = 0;  // under Wine: the resident anonymous memory of the Unix process
};
MemoryUse MemoryOf(HANDLE process);

}  // namespace e2e
