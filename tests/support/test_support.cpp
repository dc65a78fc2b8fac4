#include "test_support.h"

#include <filesystem>

namespace support {

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount64() > end) return condition();
        ::Sleep(pollMs);  // a poll interval, not a wait for something to happen
    }
}

INPUT KeyEvent(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

void SendInputs(std::vector<INPUT> events) {
    ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

ScratchFolder::ScratchFolder(const std::wstring& tag) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    // Process ids come back after the Wine server restarts: a name that exists already is skipped.
    static int counter = 0;
    do {
        m_path = std::wstring(temp) + L"glimmora " + tag + L" " + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++counter);
    } while (!::CreateDirectoryW(m_path.c_str(), nullptr) && ::GetLastError() == ERROR_ALREADY_EXISTS);
}

ScratchFolder::~ScratchFolder() {
    if (m_keep) return;
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(m_path), ignored);
}

}  // namespace support
