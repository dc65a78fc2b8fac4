#pragma once
// The programs under test, Glimmora and the two floors, started and found the same way.
#include <windows.h>

#include <string>

namespace bench {

// The floor polls only; the event floor (the floor with --events) also follows each pointer move event.
enum class Kind { Glimmora, Floor, EventFloor };

// Which program this run measures (BENCH_SUBJECT=glimmora|floor|events) and its other knobs, from the
// environment that scripts/bench sets.
Kind SubjectKind();
const char* SubjectName(Kind kind);
int IntSetting(const char* name, int fallback);
std::string TextSetting(const char* name);

// A process started by the driver; ended when the object goes, unless it is left running.
class Process {
  public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // `output`, when given, takes the program's standard output and error (it must be inheritable).
    bool Start(const std::wstring& exe, const std::wstring& folder, const std::wstring& arguments = L"",
               HANDLE output = nullptr);
    bool Started() const { return m_process != nullptr; }
    HANDLE Handle() const { return m_process; }
    DWORD Pid() const { return m_pid; }
    // Leaves it running when the driver exits; the script ends it with its Wine server.
    void Leave();

  private:
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
};

// Glimmora.exe copied to a fresh scratch folder with a profile holding `keys` (e.g. "HAMON=1 SIZE=5").
std::wstring PrepareGlimmora(const std::string& keys);
// The floor's exe, from BENCH_FLOOR (a Unix path under Wine).
std::wstring FloorExe();

// A top-level window of `pid` with this title; visible ones only when asked.
HWND TopLevelTitled(DWORD pid, const wchar_t* title, bool visibleOnly);
HWND MarkWindow(Kind kind, DWORD pid);
HWND MainWindow(DWORD pid);  // Glimmora's, visible
HWND Panel(HWND mainWindow);

// Starts the program with its mark on: a floor shows it at once, Glimmora after its ON button.
// Null when the mark did not show.
HWND StartWithMarkOn(Kind kind, Process& process, const std::string& keys, HANDLE output = nullptr);

}  // namespace bench
