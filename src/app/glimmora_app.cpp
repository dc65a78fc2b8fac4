#include "app/glimmora_app.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/executable_directory.h"
#include "app/glimmora_dlg.h"
#include "app/hand_over.h"
#include "app/launch_command.h"
#include "platform/handles.h"
#include "platform/module_path.h"

namespace {

constexpr wchar_t kMutexName[] = L"__GLIMMORA_BRINDLECOVE__";
constexpr wchar_t kAlreadyRunning[] = L"     Glimmoraは既に起動されています.     ";
constexpr wchar_t kAlreadyRunningCaption[] = L"２重起動";

// A command that could not be carried out; every other start ends with 0.
constexpr int kCommandNotCarriedOut = 1;

// As CommandLineToArgvW splits it, quotes removed.
struct CommandLine {
    std::wstring program;                 // the first argument
    std::vector<std::wstring> arguments;  // those after it
};

CommandLine SplitCommandLine() {
    int count = 0;
    LocalMemory<LPWSTR> argv(::CommandLineToArgvW(::GetCommandLineW(), &count));
    CommandLine split;
    if (!argv || count < 1) return split;
    split.program = argv.get()[0];
    split.arguments.assign(argv.get() + 1, argv.get() + count);
    return split;
}

}  // namespace

int CGlimmoraApp::InitInstance() {
    const CommandLine commandLine = SplitCommandLine();
    const std::optional<MarkCommand> command = LaunchCommandFrom(commandLine.arguments);

    // Never closed: the name exists exactly as long as this process.
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, kMutexName);
    if (!mutex) return command ? kCommandNotCarriedOut : 0;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        const KernelHandle theirs(mutex);  // our handle to the running instance's name
        // A command goes to the running instance without a word: it comes from a remote, a script or a
        // shortcut, with nobody at the screen to close a box.
        if (command) return HandToRunningInstance(*command) ? 0 : kCommandNotCarriedOut;
        ::MessageBoxW(nullptr, kAlreadyRunning, kAlreadyRunningCaption, MB_OK);
        return 0;
    }

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The About box's link control is not among those classes; without it the box cannot be created.
    INITCOMMONCONTROLSEX link{sizeof(link), ICC_LINK_CLASS};
    ::InitCommonControlsEx(&link);
    // Restarted by the system after an update; there is nothing to recover, so no recovery callback.
    ::RegisterApplicationRestart(nullptr, 0);

    const std::wstring directory = ExecutableDirectory(commandLine.program, ModulePath());
    ::SetCurrentDirectoryW(directory.c_str());

    CGlimmoraDlg mainWindow(directory, command);
    mainWindow.DoModal();
    return 0;
}
