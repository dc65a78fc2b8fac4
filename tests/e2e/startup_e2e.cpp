// Start-up, the main window, the single-instance guard and the About box, driven as a user would.
#include "harness.h"

using namespace e2e;

namespace {

// The client size a window made from `templateId` of Glimmora.exe gets on this display: the
// driver builds the same template itself, so the expected size needs no font metrics of our own.
SIZE TemplateClientSize(const std::wstring& exe, int templateId) {
    SIZE size{};
    HMODULE module = ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return size;
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    auto* tmpl = found ? static_cast<DLGTEMPLATE*>(::LockResource(::LoadResource(module, found))) : nullptr;
    if (tmpl) {
        HWND probe = ::CreateDialogIndirectParamW(
            ::GetModuleHandleW(nullptr), tmpl, nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        if (probe) {
            RECT r = ClientRect(probe);
            size = {r.right, r.bottom};
            ::DestroyWindow(probe);
        }
    }
    ::FreeLibrary(module);
    return size;
}

}  // namespace

E2E_PLACEMENT(MainWindowShowsPanelCentredAndWritesNoProfile) {
    const std::wstring folder = MakeScratchFolder(L"start");
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    CHECK(ClassName(main) == L"#32770");
    const LONG_PTR style = ::GetWindowLongPtrW(main, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(main, GWL_EXSTYLE);
    CHECK((style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) ==
          (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    CHECK(!(style & (WS_MAXIMIZEBOX | WS_THICKFRAME)));
    CHECK(exStyle & WS_EX_APPWINDOW);

    const SIZE expected = TemplateClientSize(folder + L"\\Glimmora.exe", GLM_IDD_MAIN);
    const RECT client = ClientRect(main);
    CHECK_EQ(client.right, expected.cx);
    CHECK_EQ(client.bottom, expected.cy);

    // Centred on the work area when first shown.
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT w = WindowRect(main);
    CHECK(std::abs((w.left + w.right) / 2 - (work.left + work.right) / 2) <= 1);
    CHECK(std::abs((w.top + w.bottom) / 2 - (work.top + work.bottom) / 2) <= 1);

    HWND panel = app.Panel();
    if (CHECK(panel)) {
        CHECK(::IsWindowVisible(panel));
        RECT p = WindowRect(panel);
        POINT topLeft{p.left, p.top};
        ::ScreenToClient(main, &topLeft);
        CHECK_EQ(topLeft.x, (client.right - (p.right - p.left)) / 2);
        CHECK_EQ(topLeft.y, (client.bottom - (p.bottom - p.top)) / 2);
        CHECK(WindowText(::GetDlgItem(panel, GLM_IDC_ONOFF)) == L"ON");
        CHECK(WindowText(::GetDlgItem(panel, 1004)) == L"\r\n設定\r\n(Properties)");
    }
    CHECK(app.Close());
    CHECK_EQ(app.ExitCode(), 0);
    CHECK(!FileExists(folder + L"\\Glimmora.ini"));
}

E2E_SCENARIO(SecondInstanceIsRefusedWithItsMessage) {
    const std::wstring folder = MakeScratchFolder(L"twice");
    Glimmora first(folder);
    HWND main = first.MainWindow();
    if (!CHECK(main)) return;
    Glimmora second(folder);
    HWND box = second.WaitTopLevel(L"２重起動");
    if (CHECK(box)) {
        CHECK(MessageBoxText(box) == L"     Glimmoraは既に起動されています.     ");
        PressButton(box, IDOK);
    }
    CHECK(second.WaitExit());
    CHECK(TopLevelWindowsOf(second.Pid(), true).empty());
    CHECK(::IsWindowVisible(main));
    CHECK(first.Close());

    // The name goes with the process that made it: a new start works.
    Glimmora third(folder);
    CHECK(third.MainWindow());
    CHECK(third.Close());
}

E2E_SCENARIO(EscapeAndEnterNeverCloseTheMainWindow) {
    const std::wstring folder = MakeScratchFolder(L"keys");
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    HWND focus = FocusOf(main);
    CHECK(focus && ::IsChild(main, focus));
    for (WPARAM vk : {VK_ESCAPE, VK_RETURN, VK_ESCAPE}) PostKey(focus ? focus : main, vk);
    PostKey(main, VK_RETURN);
    CHECK(Drain(main));
    CHECK(::IsWindowVisible(main));
    CHECK(app.Close());
}

E2E_SCENARIO(AboutBoxShowsTheVersionAndClosesByOkEnterAndEscape) {
    const std::wstring folder = MakeScratchFolder(L"about");
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;

    HMENU menu = ::GetSystemMenu(main, FALSE);
    // Wine hands out no other process's system menu; the Win32 tests check the item in-process.
    if (menu || !IsWine()) {
        CHECK(menu);
        wchar_t text[128] = {};
        CHECK(::GetMenuStringW(menu, 0x10, text, 128, MF_BYCOMMAND) > 0);
        CHECK(std::wstring(text) == L"Glimmoraについて(&A)...");
    }

    struct Way {
        WPARAM command;
        int closeWith;  // IDOK: the button; VK_RETURN / VK_ESCAPE: keys
    };
    for (const Way way : {Way{0x10, IDOK}, Way{0x1F, VK_RETURN}, Way{0x13, VK_ESCAPE}}) {
        ::PostMessageW(main, WM_SYSCOMMAND, way.command, 0);
        HWND about = app.WaitTopLevel(L"Glimmora について");
        if (!CHECK(about)) continue;
        CHECK(::GetWindow(about, GW_OWNER) == main);
        CHECK(!::IsWindowEnabled(main));
        CHECK(WindowText(::GetDlgItem(about, GLM_IDC_VERSION)) == L"Glimmora Ver.:2-3-4-135");
        if (way.closeWith == IDOK)
            PressButton(about, IDOK);
        else
            PostKey(FocusOf(about) ? FocusOf(about) : about, way.closeWith);
        CHECK(WaitFor([&] { return !::IsWindow(about); }));
        CHECK(WaitFor([&] { return ::IsWindowEnabled(main) != FALSE; }));
    }
    // Commands outside 16..31 are the system's: 0x20 opens nothing.
    ::PostMessageW(main, WM_SYSCOMMAND, 0x20, 0);
    CHECK(Drain(main));
    CHECK(!app.WaitTopLevel(L"Glimmora について", 0));
    CHECK(app.Close());
    CHECK(!FileExists(folder + L"\\Glimmora.ini"));
}
