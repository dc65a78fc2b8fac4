#include "harness.h"

#include <psapi.h>
#include <shellapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

namespace e2e {

namespace {
const char* g_scenario = "";
int g_failures = 0;
bool g_skipped = false;
std::wstring g_exeSource;
}  // namespace

std::vector<Scenario>& Scenarios() {
    static std::vector<Scenario> all;
    return all;
}

void Fail(const char* file, int line, const std::string& what) {
    ++g_failures;
    const char* base = std::strrchr(file, '/');
    std::printf("  FAIL %s (%s:%d): %s\n", g_scenario, base ? base + 1 : file, line, what.c_str());
    std::fflush(stdout);
}

void Skip(const std::string& why) {
    g_skipped = true;
    std::printf("  SKIP %s: %s\n", g_scenario, why.c_str());
    std::fflush(stdout);
}

std::string Show(long long v) { return std::to_string(v); }
std::string Narrow(const std::wstring& s) {
    if (s.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}
std::string Show(const std::wstring& s) {
    std::string quoted = "\"";
    quoted += Narrow(s);
    quoted += '"';
    return quoted;
}

std::wstring GlimmoraExeSource() { return g_exeSource; }

bool IsWine() {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

// Kept after the run, to look at after a failure.
std::wstring MakeScratchFolder(const std::wstring& tag) {
    support::ScratchFolder folder(L"e2e " + tag);
    folder.Keep();
    ::CopyFileW(g_exeSource.c_str(), (folder / L"Glimmora.exe").c_str(), FALSE);
    return folder.Path();
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring ReadFileText(const std::wstring& path) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    ::CloseHandle(f);
    std::wstring out;
    for (unsigned char c : bytes) out.push_back(static_cast<wchar_t>(c));
    return out;
}

void WriteFileText(const std::wstring& path, const std::string& text) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(f);
}

// ---- Glimmora ----

Glimmora::Glimmora(const std::wstring& folder, const std::wstring& commandLine, const std::wstring& workingDirectory)
    : m_folder(folder) {
    const std::wstring exe = folder + L"\\Glimmora.exe";
    std::wstring cmd = commandLine.empty() ? L"\"" + exe + L"\"" : commandLine;
    static int counter = 0;
    m_outputPath = folder + L"\\..\\glimmora-stdout-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                   std::to_wstring(++counter) + L".txt";
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE out = ::CreateFileW(m_outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = out;
    si.hStdInput = nullptr;
    PROCESS_INFORMATION pi{};
    const std::wstring cwd = workingDirectory.empty() ? folder : workingDirectory;
    if (::CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, cwd.c_str(), &si, &pi)) {
        m_process = pi.hProcess;
        m_pid = pi.dwProcessId;
        ::CloseHandle(pi.hThread);
        ::WaitForInputIdle(m_process, 10000);
    }
    if (out != INVALID_HANDLE_VALUE) ::CloseHandle(out);
}

Glimmora::~Glimmora() {
    if (m_process) {
        if (::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_process, 99);
            ::WaitForSingleObject(m_process, 10000);
        }
        ::CloseHandle(m_process);
    }
}

bool Glimmora::WaitExit(DWORD timeoutMs) {
    return m_process && ::WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Glimmora::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_process) ::GetExitCodeProcess(m_process, &code);
    return code;
}

std::string Glimmora::Output() const { return Narrow(ReadFileText(m_outputPath)); }

HWND Glimmora::WaitTopLevel(const std::wstring& caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND h : TopLevelWindowsOf(m_pid, true))
                if (WindowText(h) == caption) {
                    found = h;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

HWND Glimmora::MainWindow(DWORD timeoutMs) {
    if (!m_main || !::IsWindow(m_main)) m_main = WaitTopLevel(L"Glimmora", timeoutMs);
    return m_main;
}

HWND Glimmora::Panel() {
    HWND main = MainWindow();
    return main ? ::FindWindowExW(main, nullptr, L"#32770", nullptr) : nullptr;
}

HWND Glimmora::Mark() {
    for (HWND h : TopLevelWindowsOf(m_pid, false))
        if (WindowText(h) == L"_BRINDLECOVE_GLIMMORA") return h;
    return nullptr;
}

bool Glimmora::Close(DWORD timeoutMs) {
    if (HWND main = MainWindow(1000)) ::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitExit(timeoutMs);
}

// ---- the mark ----

std::wstring PreparedFolder(const std::wstring& tag, const std::string& settings) {
    const std::wstring folder = MakeScratchFolder(tag);
    WriteFileText(folder + L"\\Glimmora.ini", "[SYSTEM]\r\n" + settings);
    return folder;
}

HWND SwitchMarkOnByButton(Glimmora& app) {
    PressButton(app.Panel(), GLM_IDC_ONOFF);
    HWND mark = nullptr;
    WaitFor([&] { return (mark = app.Mark()) && ::IsWindowVisible(mark); });
    return mark;
}

HWND SwitchMarkOnAt(Glimmora& app, POINT at) {
    ::SetCursorPos(at.x, at.y);
    if (!CHECK(app.MainWindow())) return nullptr;
    HWND mark = SwitchMarkOnByButton(app);
    if (!CHECK(mark)) return nullptr;
    for (POINT p : {POINT{at.x + 3, at.y}, POINT{at.x, at.y + 3}, at})
        if (!CHECK(MoveAndFollow(mark, p))) return nullptr;
    return mark;
}

bool MarkCentredOn(HWND mark, POINT cursor) {
    const RECT r = WindowRect(mark);
    return r.left == cursor.x - (r.right - r.left) / 2 && r.top == cursor.y - (r.bottom - r.top) / 2;
}

bool RegionContains(HWND mark, int x, int y) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const bool inside = ::GetWindowRgn(mark, region) != ERROR && ::PtInRegion(region, x, y);
    ::DeleteObject(region);
    return inside;
}

int MarkWidth(HWND mark) {
    const RECT r = WindowRect(mark);
    return r.right - r.left;
}

BYTE MarkAlpha(HWND mark) {
    BYTE alpha = 0;
    ::GetLayeredWindowAttributes(mark, nullptr, &alpha, nullptr);
    return alpha;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    const COLORREF c = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return c;
}

HWND OpenProperties(Glimmora& app) {
    PressButton(app.Panel(), GLM_IDC_PROPERTIES);
    return app.WaitTopLevel(kPropertiesCaption);
}

// ---- windows ----

std::vector<HWND> TopLevelWindowsOf(DWORD pid, bool visibleOnly) {
    struct Query {
        DWORD pid;
        bool visibleOnly;
        std::vector<HWND> found;
    } q{pid, visibleOnly, {}};
    ::EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            auto* query = reinterpret_cast<Query*>(p);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(h, &owner);
            if (owner == query->pid && (!query->visibleOnly || ::IsWindowVisible(h))) query->found.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.found;
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[512] = {};
    // Cross-process: WM_GETTEXT through SendMessageTimeout never hangs the driver.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &ignored);
    return text;
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[256] = {};
    ::GetClassNameW(hwnd, name, 256);
    return name;
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r;
}

RECT ClientRect(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    return r;
}

std::wstring MessageBoxText(HWND box) {
    HWND text = ::GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::wstring();
}

void PressButton(HWND dialog, int id) {
    if (HWND button = ::GetDlgItem(dialog, id)) ::PostMessageW(button, BM_CLICK, 0, 0);
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &result);
    return static_cast<LRESULT>(result);
}

bool Drain(HWND window) {
    for (int trip = 0; trip < 2; ++trip) {
        DWORD_PTR ignored = 0;
        if (!::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored)) return false;
    }
    return true;
}

bool WaitForFocus(HWND dialog, HWND control) {
    if (!WaitFor([&] { return FocusOf(dialog) == control; })) return false;
    Ask(dialog, WM_NULL);
    return true;
}

HWND FocusOf(HWND anyWindowOfThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info);
    return info.hwndFocus;
}

void PostKey(HWND target, WPARAM vk) {
    const UINT scan = ::MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
    ::PostMessageW(target, WM_KEYDOWN, vk, 1 | (scan << 16));
    ::PostMessageW(target, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000);
}

// ---- the screen ----

RECT PrimaryMonitor() { return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

RECT VirtualScreen() {
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::vector<RECT> Monitors() {
    std::vector<RECT> all;
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT r, LPARAM p) -> BOOL {
            auto& list = *reinterpret_cast<std::vector<RECT>*>(p);
            const bool primary = r->left == 0 && r->top == 0;
            list.insert(primary ? list.begin() : list.end(), *r);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

POINT OnScreen(double fx, double fy) {
    const RECT m = PrimaryMonitor();
    return {m.left + static_cast<LONG>(fx * (m.right - m.left)), m.top + static_cast<LONG>(fy * (m.bottom - m.top))};
}

POINT AwayFromMainWindow() {
    const std::vector<RECT> monitors = Monitors();
    const RECT m = monitors.size() > 1 ? monitors[1] : PrimaryMonitor();
    return {m.left + (m.right - m.left) * 17 / 100, m.top + (m.bottom - m.top) * 18 / 100};
}

// ---- keyboard and mouse ----

void SendMouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInputs({in});
}

void SendCombination(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> events;
    for (WORD m : modifiers) events.push_back(KeyEvent(m, false));
    events.push_back(KeyEvent(key, false));
    events.push_back(KeyEvent(key, true));
    for (auto it = modifiers.end(); it != modifiers.begin();) events.push_back(KeyEvent(*--it, true));
    SendInputs(std::move(events));
}

bool KeyHeldAnywhere(int vk) { return (::GetAsyncKeyState(vk) & 0x8000) != 0; }

bool PressHotKey(std::initializer_list<WORD> modifiers, WORD key) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::vector<INPUT> downs;
        for (WORD m : modifiers) downs.push_back(KeyEvent(m, false));
        downs.push_back(KeyEvent(key, false));
        SendInputs(std::move(downs));
        // Modifiers still held once the key is down were held when it went down; otherwise a
        // plain key went by, and the press is made again.
        bool whole = true;
        for (WORD m : modifiers) whole = whole && KeyHeldAnywhere(m);
        std::vector<INPUT> ups{KeyEvent(key, true)};
        for (auto it = modifiers.end(); it != modifiers.begin();) ups.push_back(KeyEvent(*--it, true));
        SendInputs(std::move(ups));
        if (whole) return true;
    }
    return false;
}

INPUT MouseMove(LONG dx, LONG dy, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | flags;
    return in;
}

POINT MoveByInput(POINT to) {
    // Absolute coordinates run from 0 to 65535 over the whole virtual screen.
    const RECT v = VirtualScreen();
    SendInputs({MouseMove(::MulDiv(to.x - v.left, 65535, v.right - v.left - 1),
                          ::MulDiv(to.y - v.top, 65535, v.bottom - v.top - 1),
                          MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK)});
    POINT went{};
    ::GetCursorPos(&went);
    return went;
}

bool MoveByInputAndFollow(HWND mark, POINT p, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    do {
        MoveByInput(p);
        if (WaitFor([&] { return MarkCentredOn(mark, p); }, 400)) return true;
    } while (::GetTickCount64() < end);
    return false;
}

Hands::~Hands() {
    for (int i = 0; i < kCount; ++i)
        if (m_down[i]) Release(static_cast<Input>(i));
}

void Hands::Send(Input what, bool down) {
    INPUT in{};
    if (what == kCtrl) {
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = VK_CONTROL;
        in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    } else {
        in.type = INPUT_MOUSE;
        if (what == kLeft)
            in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        else
            in.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    }
    ::SendInput(1, &in, sizeof(in));
    m_down[what] = down;
}

bool MoveAndFollow(HWND mark, POINT p, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    do {
        ::SetCursorPos(p.x, p.y);
        if (WaitFor([&] { return MarkCentredOn(mark, p); }, 400)) return true;
    } while (::GetTickCount64() < end);
    return false;
}

void SettleFocusChange() {
    if (!IsWine()) return;
    // The window that gains the X focus lets go of every modifier X does not see held (one that
    // SendInput holds too) once its thread reads the focus event, a moment later. A Shift held now
    // shows when that has happened; after 300 ms it has happened before.
    INPUT shift{};
    shift.type = INPUT_KEYBOARD;
    shift.ki.wVk = VK_SHIFT;
    ::SendInput(1, &shift, sizeof(shift));
    WaitFor([] { return !KeyHeldAnywhere(VK_SHIFT); }, 300);
    shift.ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(1, &shift, sizeof(shift));
}

namespace {
// One KeyTarget at a time: its hook procedure has no other way to find its counter.
volatile LONG g_keyTargetHookEvents = 0;
volatile LONG g_keyTargetMouseEvents = 0;
constexpr UINT kTakeKeyboard = WM_APP + 1;
}  // namespace

KeyTarget::KeyTarget() {
    m_thread = ::CreateThread(nullptr, 0, &KeyTarget::Run, this, 0, &m_threadId);
    WaitFor([this] { return m_ready != 0; });
}

KeyTarget::~KeyTarget() {
    ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(m_thread, 10000);
    ::CloseHandle(m_thread);
}

DWORD WINAPI KeyTarget::Run(void* p) {
    auto* self = static_cast<KeyTarget*>(p);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"GlimmoraE2eKeyTarget";
    ::RegisterClassW(&wc);
    // In the lower left corner, clear of the main window and the dialogs, which are centred.
    const RECT screen = PrimaryMonitor();
    self->m_window = ::CreateWindowExW(0, wc.lpszClassName, L"key target", WS_OVERLAPPEDWINDOW, screen.left + 20,
                                       screen.bottom - 160, 320, 120, nullptr, nullptr, instance, nullptr);
    self->m_edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 280, 24,
                                     self->m_window, nullptr, instance, nullptr);
    ::SetWindowLongPtrW(self->m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self->m_edit));
    // Shown without taking the activation: whoever has the keyboard keeps it until asked.
    ::ShowWindow(self->m_window, SW_SHOWNOACTIVATE);
    g_keyTargetHookEvents = 0;
    HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, HookProc, instance, 0);
    HHOOK mouseHook = ::SetWindowsHookExW(WH_MOUSE_LL, MouseHookProc, instance, 0);
    ::InterlockedExchange(&self->m_ready, 1);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (hook) ::UnhookWindowsHookEx(hook);
    if (mouseHook) ::UnhookWindowsHookEx(mouseHook);
    ::DestroyWindow(self->m_window);
    return 0;
}

LRESULT CALLBACK KeyTarget::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTakeKeyboard) {
        ::SetForegroundWindow(hwnd);
        ::SetFocus(reinterpret_cast<HWND>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK KeyTarget::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) ::InterlockedIncrement(&g_keyTargetHookEvents);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK KeyTarget::MouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) ::InterlockedIncrement(&g_keyTargetMouseEvents);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool KeyTarget::InputHandled() {
    const LONG before = g_keyTargetMouseEvents;
    SendInputs({MouseMove(0, 0, 0)});  // a move that goes nowhere
    return WaitFor([&] { return g_keyTargetMouseEvents != before; });
}

bool KeyTarget::TakeKeyboard() {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(m_window, kTakeKeyboard, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
    if (!WaitFor([this] { return ::GetForegroundWindow() == m_window && FocusOf(m_window) == m_edit; })) return false;
    SettleFocusChange();
    return true;
}

std::wstring KeyTarget::Text() const { return WindowText(m_edit); }

void KeyTarget::Clear() {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(m_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_ABORTIFHUNG, 3000, &ignored);
    ::InterlockedExchange(&g_keyTargetHookEvents, 0);
}

int KeyTarget::HookEvents() const { return static_cast<int>(g_keyTargetHookEvents); }

// ---- what a process holds ----

namespace {
template <typename F>
F NtFunction(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), name)));
}
}  // namespace

long UserObjectCount(HANDLE process, DWORD pid) {
    if (const DWORD n = ::GetGuiResources(process, GR_USEROBJECTS)) return static_cast<long>(n);
    if (!IsWine()) return -1;
    long windows = 0;
    for (HWND top : TopLevelWindowsOf(pid, false)) {
        ++windows;
        ::EnumChildWindows(
            top,
            [](HWND, LPARAM count) -> BOOL {
                ++*reinterpret_cast<long*>(count);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows));
    }
    return windows;
}

long KernelHandleCount(HANDLE process, DWORD pid) {
    DWORD n = 0;
    if (::GetProcessHandleCount(process, &n) && n) return static_cast<long>(n);
    // SystemHandleInformation: a count, then 24-byte entries that start with the owner's process id.
    using QuerySystem = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    const auto query = NtFunction<QuerySystem>("NtQuerySystemInformation");
    if (!query) return -1;
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
    std::vector<BYTE> buffer(1 << 20);
    ULONG needed = 0;
    LONG status = 0;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
           kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return -1;
    struct Entry {
        ULONG ownerPid;
        UCHAR type;
        UCHAR flags;
        USHORT handle;
        void* object;
        ACCESS_MASK access;
    };
    ULONG_PTR count = 0;
    std::memcpy(&count, buffer.data(), sizeof(ULONG));
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    long handles = 0;
    for (ULONG_PTR i = 0; i < count; ++i) handles += entries[i].ownerPid == pid;
    return handles;
}

MemoryUse MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    MemoryUse use;
    if (!::K32GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
        return use;
    use.workingSet = counters.WorkingSetSize;
    use.peakWorkingSet = counters.PeakWorkingSetSize;
    // Wine leaves PrivateUsage at 0 and reports the process's anonymous resident memory as the page file use.
    use.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return use;
}

}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
    using namespace e2e;
    if (argc < 2) {
        std::printf("usage: e2e_driver <path of Glimmora.exe> [scenario]\n");
        return 2;
    }
    std::wstring exe = argv[1];
    if (!exe.empty() && exe[0] == L'/') {  // a Unix path handed over by ctest under Wine
        for (auto& c : exe)
            if (c == L'/') c = L'\\';
        exe = L"Z:" + exe;
    }
    g_exeSource = exe;
    const std::string only = argc > 2 ? Narrow(argv[2]) : std::string();
    // A swap left behind by a driver that was ended in the middle lasts as long as the Wine session.
    ::SwapMouseButton(FALSE);
    int passed = 0, failed = 0, skipped = 0;
    for (const Scenario& s : Scenarios()) {
        if (only.empty() ? s.onRequest : only != s.name) continue;
        g_scenario = s.name;
        const int before = g_failures;
        g_skipped = false;
        const ULONGLONG start = ::GetTickCount64();
        s.run();
        const bool ok = g_failures == before;
        const char* verdict = !ok ? "FAIL" : g_skipped ? "skip" : "ok  ";
        (!ok ? failed : g_skipped ? skipped : passed)++;
        std::printf("%s %s (%llu ms)\n", verdict, s.name, ::GetTickCount64() - start);
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed, %d skipped\n", passed, failed, skipped);
    if (failed == 0 && passed == 0 && skipped > 0) return 77;  // ctest's SKIP_RETURN_CODE
    return failed == 0 && passed > 0 ? 0 : 1;
}
