#include "app/hand_over.h"

#include <vector>

#include "app/hand_over_message.h"
#include "platform/process_identity.h"

namespace {

// The main window's class and caption: every Glimmora's main window has them, and few other windows
// do, so only those few are asked. The answer decides, not the caption.
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kMainCaption[] = L"Glimmora";
constexpr DWORD kRetryPauseMs = 50;

std::vector<HWND> Candidates() {
    std::vector<HWND> found;
    for (HWND h = nullptr; (h = ::FindWindowExW(nullptr, h, kDialogClass, kMainCaption)) != nullptr;) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(h, &processId);
        if (RunsAsOurUserInOurSession(processId)) found.push_back(h);
    }
    return found;
}

}  // namespace

UINT HandOverMessage() {
    static const UINT message = ::RegisterWindowMessageW(kHandOverMessageName);
    return message;
}

bool HandToRunningInstance(MarkCommand command) {
    const UINT message = HandOverMessage();
    if (!message) return false;
    const ULONGLONG end = ::GetTickCount64() + kHandOverWithinMs;
    for (;;) {
        for (HWND candidate : Candidates()) {
            const ULONGLONG now = ::GetTickCount64();
            if (now >= end) return false;
            DWORD_PTR answer = 0;
            if (!::SendMessageTimeoutW(candidate, message, static_cast<WPARAM>(command), 0,
                                       SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, static_cast<UINT>(end - now), &answer)) {
                // Timed out or hung: the command may still arrive there later, so it is never sent
                // again (a toggle would switch twice). Gone: the instance is ending.
                if (::IsWindow(candidate)) return false;
                continue;
            }
            if (static_cast<LRESULT>(answer) == kCommandTaken) return true;
        }
        // No instance window yet, or one that is not ready: it may still be starting.
        if (::GetTickCount64() + kRetryPauseMs >= end) return false;
        ::Sleep(kRetryPauseMs);
    }
}
