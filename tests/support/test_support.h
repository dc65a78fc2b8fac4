#pragma once
// What every test that drives windows needs: waiting for a condition, key input, scratch folders.
// Shared by the Win32 tests, the end-to-end driver and the benchmark's driver.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace support {

// Polls `condition` every `pollMs` until it holds or `timeoutMs` passes; never a fixed sleep. The last
// word is the condition's own, asked once more after the time is up.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000, DWORD pollMs = 5);

// One key going down or up, as SendInput takes it.
INPUT KeyEvent(WORD vk, bool up);
void SendInputs(std::vector<INPUT> events);  // in one SendInput

// A new folder of its own under the temporary folder, its name holding a blank and `tag`; removed with
// everything in it when the object goes, unless kept (to look at after a failure).
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring& tag);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }
    void Keep() { m_keep = true; }

  private:
    std::wstring m_path;
    bool m_keep = false;
};

}  // namespace support
