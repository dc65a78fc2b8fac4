#include "subject.h"

#include <cstdlib>
#include <vector>

#include "harness.h"

namespace bench {

namespace {

constexpr wchar_t kGlimmoraMark[] = L"_BRINDLECOVE_GLIMMORA";
constexpr wchar_t kFloorMark[] = L"_GLIMMORA_FLOOR";

// Paths handed over by the script are Unix paths; Wine maps the root to drive Z:.
std::wstring WindowsPath(const std::string& path) {
    std::wstring out(path.begin(), path.end());
    if (out.empty() || out[0] != L'/') return out;
    for (auto& c : out)
        if (c == L'/') c = L'\\';
    return L"Z:" + out;
}

}  // namespace

Kind SubjectKind() {
    const std::string name = TextSetting("BENCH_SUBJECT");
    return name == "floor" ? Kind::Floor : name == "events" ? Kind::EventFloor : Kind::Glimmora;
}

const char* SubjectName(Kind kind) {
    return kind == Kind::Floor ? "floor" : kind == Kind::EventFloor ? "events" : "glimmora";
}

std::string TextSetting(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

int IntSetting(const char* name, int fallback) {
    const std::string text = TextSetting(name);
    return text.empty() ? fallback : std::atoi(text.c_str());
}

bool Process::Start(const std::wstring& exe, const std::wstring& folder, const std::wstring& arguments, HANDLE output) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (output) {
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = si.hStdError = output;
    }
    PROCESS_INFORMATION pi{};
    // Nothing inherited unless asked: a program left running must not hold the script's output open.
    if (::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, output ? TRUE : FALSE, 0, nullptr,
                         folder.c_str(), &si, &pi)) {
        m_process = pi.hProcess;
        m_pid = pi.dwProcessId;
        ::CloseHandle(pi.hThread);
    }
    return Started();
}

Process::~Process() {
    if (!m_process) return;
    if (::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process, 99);
        ::WaitForSingleObject(m_process, 10000);
    }
    ::CloseHandle(m_process);
}

void Process::Leave() {
    if (m_process) ::CloseHandle(m_process);
    m_process = nullptr;
}

std::wstring PrepareGlimmora(const std::string& keys) {
    const std::wstring folder = e2e::MakeScratchFolder(L"bench");
    std::string profile = "[SYSTEM]\r\n";
    std::size_t at = 0;
    while (at < keys.size()) {
        std::size_t end = keys.find(' ', at);
        if (end == std::string::npos) end = keys.size();
        if (end > at) profile += keys.substr(at, end - at) + "\r\n";
        at = end + 1;
    }
    e2e::WriteFileText(folder + L"\\Glimmora.ini", profile);
    return folder + L"\\Glimmora.exe";
}

std::wstring FloorExe() { return WindowsPath(TextSetting("BENCH_FLOOR")); }

HWND TopLevelTitled(DWORD pid, const wchar_t* title, bool visibleOnly) {
    for (HWND h : e2e::TopLevelWindowsOf(pid, visibleOnly)) {
        wchar_t text[64] = {};
        ::GetWindowTextW(h, text, 64);
        if (std::wstring(text) == title) return h;
    }
    return nullptr;
}

HWND MarkWindow(Kind kind, DWORD pid) {
    return TopLevelTitled(pid, kind == Kind::Glimmora ? kGlimmoraMark : kFloorMark, false);
}

HWND MainWindow(DWORD pid) { return TopLevelTitled(pid, L"Glimmora", true); }

HWND Panel(HWND mainWindow) { return ::FindWindowExW(mainWindow, nullptr, L"#32770", nullptr); }

HWND StartWithMarkOn(Kind kind, Process& process, const std::string& keys, HANDLE output) {
    const std::wstring exe = kind == Kind::Glimmora ? PrepareGlimmora(keys) : FloorExe();
    const std::wstring folder = exe.substr(0, exe.rfind(L'\\'));
    if (!process.Start(exe, folder, kind == Kind::EventFloor ? L"--events" : L"", output)) return nullptr;
    if (kind == Kind::Glimmora) {
        HWND main = nullptr;
        if (!e2e::WaitFor([&] { return (main = MainWindow(process.Pid())) != nullptr; }, 10000)) return nullptr;
        e2e::PressButton(Panel(main), GLM_IDC_ONOFF);
    }
    HWND mark = nullptr;
    e2e::WaitFor([&] { return (mark = MarkWindow(kind, process.Pid())) && ::IsWindowVisible(mark); }, 10000);
    return mark && ::IsWindowVisible(mark) ? mark : nullptr;
}

}  // namespace bench
