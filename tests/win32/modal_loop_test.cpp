// Our modal loop and the PreTranslate walk against the real window manager, on the real templates.
// Every loop is driven by messages posted before or inside it, and a safety timer ends a loop that
// would otherwise hang, recording a failure.
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/glimmora_dlg.h"
#include "platform/control.h"
#include "platform/dialog.h"
#include "res/resource.h"
#include "test_support.h"

namespace {

constexpr INT_PTR kSafetyResult = -2;
constexpr UINT kSafetyMs = 3000;

using Trail = std::vector<std::string>;

std::string KeyName(WPARAM vk) {
    switch (vk) {
        case VK_RETURN:
            return "Enter";
        case VK_ESCAPE:
            return "Esc";
        case VK_F2:
            return "F2";
        default:
            return std::to_string(vk);
    }
}

void PostKey(HWND to, WPARAM vk) { ::PostMessageW(to, WM_KEYDOWN, vk, 1); }

// Writes "name:key" to the trail for each key press it is offered; consumes the keys it is told to.
struct KeyTap {
    std::string name;
    Trail& trail;
    std::vector<WPARAM> consumes;

    bool Offer(const MSG& msg) {
        if (msg.message != WM_KEYDOWN) return false;
        trail.push_back(name + ":" + KeyName(msg.wParam));
        for (WPARAM vk : consumes)
            if (vk == msg.wParam) return true;
        return false;
    }
};

class TestDialog final : public Dialog {
  public:
    TestDialog(UINT templateId, std::string name, Trail& trail, HWND parent = nullptr)
        : Dialog(templateId, parent), tap{std::move(name), trail, {}} {}
    ~TestDialog() override { DestroyWindow(); }

    bool PreTranslateMessage(MSG& msg) override { return tap.Offer(msg); }

    KeyTap tap;
    std::function<void(HWND)> onInit;
    std::function<void()> onDestroy;

  private:
    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        if (onInit) onInit(m_hwnd);
        return TRUE;
    }
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_DESTROY && onDestroy) onDestroy();
        return Dialog::WindowProc(message, wParam, lParam, result);
    }
};

class TestControl final : public Control {
  public:
    TestControl(std::string name, Trail& trail) : tap{std::move(name), trail, {}} {}
    bool PreTranslateMessage(MSG& msg) override { return tap.Offer(msg); }
    KeyTap tap;
};

// Runs steps from inside whichever loop is running, each behind every message posted before it,
// and a safety that stops the loops of a test that went wrong.
class LoopScript {
  public:
    LoopScript() {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"GlimmoraTestLoopScript";
            return ::RegisterClassW(&wc);
        }();
        m_hwnd = ::CreateWindowExW(0, MAKEINTATOM(atom), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~LoopScript() {
        ::KillTimer(m_hwnd, kSafetyTimer);
        MSG msg;
        while (::PeekMessageW(&msg, m_hwnd, kRunStep, kRunStep, PM_REMOVE))
            delete reinterpret_cast<std::function<void()>*>(msg.lParam);
        ::DestroyWindow(m_hwnd);
    }
    LoopScript(const LoopScript&) = delete;
    LoopScript& operator=(const LoopScript&) = delete;

    void Post(std::function<void()> step) {
        ::PostMessageW(m_hwnd, kRunStep, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(step))));
    }
    void ArmSafety(std::function<void()> stop) {
        m_stop = std::move(stop);
        ::SetTimer(m_hwnd, kSafetyTimer, kSafetyMs, nullptr);
    }

  private:
    static constexpr UINT kRunStep = WM_APP + 1;
    static constexpr UINT_PTR kSafetyTimer = 1;

    // Cancels the dialogs of this thread that the test could not name (one its code under test made).
    static void CancelVisibleDialogs() {
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hwnd, LPARAM) -> BOOL {
                wchar_t name[16] = {};
                ::GetClassNameW(hwnd, name, 16);
                if (::IsWindowVisible(hwnd) && std::wstring(name) == L"#32770")
                    ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                return TRUE;
            },
            0);
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<LoopScript*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == kRunStep) {
            std::unique_ptr<std::function<void()>> step(reinterpret_cast<std::function<void()>*>(lParam));
            (*step)();
            return 0;
        }
        if (message == WM_TIMER && wParam == kSafetyTimer && self) {
            ADD_FAILURE() << "a modal loop did not end by itself within " << kSafetyMs << " ms";
            if (self->m_stop) self->m_stop();
            CancelVisibleDialogs();
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
    std::function<void()> m_stop;
};

// The visible popup that `owner` owns, if any.
HWND FindOwnedPopup(HWND owner) {
    struct Search {
        HWND owner;
        HWND found = nullptr;
    } search{owner};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (::GetWindow(hwnd, GW_OWNER) != s->owner || !::IsWindowVisible(hwnd)) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class ModalLoop : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_LINK_CLASS};
        ::InitCommonControlsEx(&controls);
    }
    void TearDown() override {
        SetApplicationMainDialog(nullptr);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};

}  // namespace

// The walk starts at the control, stops where a window consumes, runs before the dialog manager
// (a consumed Escape never cancels), and never goes from a popup to its owner, which eats every key.
TEST_F(ModalLoop, WalkGoesFromTheControlToTheLoopsDialogBeforeTheDialogManagerAndNeverToTheOwner) {
    Trail trail;
    TestDialog owner(GLM_IDD_MAIN, "owner", trail);
    owner.tap.consumes = {VK_F2, VK_ESCAPE, VK_RETURN};
    ASSERT_TRUE(owner.Create(nullptr));
    TestDialog tool(GLM_IDD_POINTER, "tool", trail);  // a modeless popup of the owner, as the mark
    ASSERT_TRUE(tool.Create(owner.Hwnd()));
    TestDialog popup(GLM_IDD_ABOUTBOX, "popup", trail, owner.Hwnd());
    TestControl okButton("ok", trail);
    okButton.tap.consumes = {VK_ESCAPE};
    popup.onInit = [&](HWND dialog) {
        HWND ok = ::GetDlgItem(dialog, IDOK);
        okButton.Subclass(ok);
        PostKey(ok, VK_F2);
        PostKey(tool.Hwnd(), VK_F2);
        PostKey(ok, VK_ESCAPE);
        PostKey(ok, VK_RETURN);
    };
    LoopScript script;
    script.ArmSafety([&] { popup.EndDialog(kSafetyResult); });

    EXPECT_EQ(popup.DoModal(), IDOK);
    EXPECT_EQ(trail, (Trail{"ok:F2", "popup:F2", "tool:F2", "ok:Esc", "ok:Enter", "popup:Enter"}));
}

// A nested loop walks as well: a key for a child of the main window, posted while a second modal
// dialog runs, reaches the child, its panel and the main window. That dialog, given no parent,
// is owned by the application's main window, which stays disabled until it has ended and is
// enabled again before the dialog is destroyed (else the system activates some other program's
// window when the dialog goes).
TEST_F(ModalLoop, NestedLoopWalksAndAnOwnerlessDialogDisablesTheMainWindowWhileItRuns) {
    Trail trail;
    TestDialog main(GLM_IDD_MAIN, "main", trail);
    TestDialog panel(GLM_IDD_PANEL, "panel", trail);
    TestControl onButton("on", trail);
    TestDialog nested(GLM_IDD_ABOUTBOX, "nested", trail);
    SetApplicationMainDialog(&main);
    LoopScript script;
    script.ArmSafety([&] {
        nested.EndDialog(kSafetyResult);
        main.EndDialog(kSafetyResult);
    });

    HWND mainHwnd = nullptr, nestedOwner = nullptr;
    BOOL mainEnabledDuring = TRUE, mainEnabledAtDestroy = FALSE, mainEnabledAfter = FALSE;
    Trail trailDuring;
    INT_PTR nestedResult = 0;
    main.onInit = [&](HWND dialog) {
        mainHwnd = dialog;
        panel.Create(dialog);
        onButton.Subclass(::GetDlgItem(panel.Hwnd(), GLM_IDC_ONOFF));
        ::ShowWindow(panel.Hwnd(), SW_SHOW);
        script.Post([&] {
            nestedResult = nested.DoModal();
            mainEnabledAfter = ::IsWindowEnabled(main.Hwnd());
            ::PostMessageW(main.Hwnd(), WM_CLOSE, 0, 0);
        });
    };
    nested.onDestroy = [&] { mainEnabledAtDestroy = ::IsWindowEnabled(main.Hwnd()); };
    nested.onInit = [&](HWND dialog) {
        nestedOwner = ::GetWindow(dialog, GW_OWNER);
        PostKey(onButton.Hwnd(), VK_F2);
        script.Post([&] {
            mainEnabledDuring = ::IsWindowEnabled(main.Hwnd());
            trailDuring = trail;
            PostKey(::GetDlgItem(nested.Hwnd(), IDOK), VK_ESCAPE);
        });
    };

    EXPECT_EQ(main.DoModal(), IDCANCEL);
    EXPECT_EQ(trailDuring, (Trail{"on:F2", "panel:F2", "main:F2"}));
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_EQ(nestedOwner, mainHwnd);
    EXPECT_FALSE(mainEnabledDuring);
    EXPECT_TRUE(mainEnabledAtDestroy);
    EXPECT_TRUE(mainEnabledAfter);
}

// WM_QUIT seen by a nested loop ends it, and is posted again so that every loop out to the
// application's own sees it, with its exit code.
TEST_F(ModalLoop, QuitEndsTheNestedLoopAndEveryLoopAroundIt) {
    Trail trail;
    TestDialog outer(GLM_IDD_MAIN, "outer", trail);
    TestDialog nested(GLM_IDD_ABOUTBOX, "nested", trail);
    SetApplicationMainDialog(&outer);
    LoopScript script;
    script.ArmSafety([&] {
        nested.EndDialog(kSafetyResult);
        outer.EndDialog(kSafetyResult);
    });

    bool nestedReturned = false;
    BOOL outerEnabledAfter = FALSE;
    outer.onInit = [&](HWND) {
        script.Post([&] {
            nested.DoModal();
            nestedReturned = true;
            outerEnabledAfter = ::IsWindowEnabled(outer.Hwnd());
        });
    };
    nested.onInit = [](HWND) { ::PostQuitMessage(7); };

    outer.DoModal();
    EXPECT_TRUE(nestedReturned);
    EXPECT_TRUE(outerEnabledAfter);
    EXPECT_EQ(nested.Hwnd(), nullptr);
    EXPECT_EQ(outer.Hwnd(), nullptr);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

// A modeless dialog, child (the panel) or popup (the mark), is never ended or hidden by OK,
// Cancel or Close (Alt+F4): only a modal dialog ends on them.
TEST_F(ModalLoop, ModelessDialogsIgnoreOkCancelAndClose) {
    Trail trail;
    TestDialog host(GLM_IDD_MAIN, "host", trail);
    ASSERT_TRUE(host.Create(nullptr));
    TestDialog panel(GLM_IDD_PANEL, "panel", trail);
    ASSERT_TRUE(panel.Create(host.Hwnd()));
    TestDialog mark(GLM_IDD_POINTER, "mark", trail);
    ASSERT_TRUE(mark.Create(nullptr));
    for (HWND hwnd : {panel.Hwnd(), mark.Hwnd()}) {
        ::ShowWindow(hwnd, SW_SHOWNA);
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    // Close is answered with a posted Cancel: pump until the queue is empty.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    for (const Dialog* dialog : {&panel, &mark}) {
        EXPECT_TRUE(::IsWindow(dialog->Hwnd()));
        EXPECT_TRUE(::IsWindowVisible(dialog->Hwnd()));
    }
}

// A dialog ended from a message that another thread (or process) sends is handled inside
// GetMessage; the loop must still wake up and end, not wait for some unrelated message.
TEST_F(ModalLoop, EndingFromAMessageSentByAnotherThreadWakesTheLoop) {
    Trail trail;
    TestDialog dialog(GLM_IDD_ABOUTBOX, "dialog", trail);
    std::thread sender;
    dialog.onInit = [&](HWND hwnd) {
        sender = std::thread([hwnd] {
            // Taken only inside the loop's GetMessage, which then goes on waiting there.
            ::SendMessageW(hwnd, WM_NULL, 0, 0);
            ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    };
    LoopScript script;
    script.ArmSafety([&] { dialog.EndDialog(kSafetyResult); });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    if (sender.joinable()) sender.join();
}

// The real main window: Enter and Escape, on its focused control or on itself, never end it,
// while the About box it opens from its system menu ends on either; Close ends the main window.
TEST_F(ModalLoop, MainWindowIgnoresEnterAndEscapeButItsAboutBoxEndsOnThem) {
    const support::ScratchFolder directory(L"modal");

    struct Opening {
        WPARAM key;
        bool found = false;
        BOOL mainEnabled = TRUE;
        bool endedByKey = false;
    };
    Opening openings[] = {{VK_RETURN}, {VK_ESCAPE}};
    bool aliveAfterKeys = false;
    HWND about = nullptr;
    {
        CGlimmoraDlg main(directory.Path());
        LoopScript script;
        script.ArmSafety([&] { main.EndDialog(kSafetyResult); });

        std::function<void(std::size_t)> openAbout = [&](std::size_t i) {
            if (i == std::size(openings)) {
                ::PostMessageW(main.Hwnd(), WM_CLOSE, 0, 0);
                return;
            }
            ::PostMessageW(main.Hwnd(), WM_SYSCOMMAND, GLM_IDM_ABOUTBOX, 0);
            script.Post([&, i] {  // inside the About box's loop
                Opening& o = openings[i];
                about = FindOwnedPopup(main.Hwnd());
                o.found = about != nullptr;
                o.mainEnabled = ::IsWindowEnabled(main.Hwnd());
                PostKey(::GetDlgItem(about, IDOK), o.key);
                script.Post([&, i] {  // back in the main window's loop
                    openings[i].endedByKey = !::IsWindow(about) && ::IsWindowEnabled(main.Hwnd());
                    openAbout(i + 1);
                });
            });
        };
        script.Post([&] {
            HWND panel = ::FindWindowExW(main.Hwnd(), nullptr, L"#32770", nullptr);
            HWND focus = ::GetFocus();
            if (!::IsChild(main.Hwnd(), focus)) focus = ::GetDlgItem(panel, GLM_IDC_ONOFF);
            for (HWND target : {focus, main.Hwnd()}) {
                PostKey(target, VK_RETURN);
                PostKey(target, VK_ESCAPE);
            }
            script.Post([&, panel] {
                aliveAfterKeys = ::IsWindowVisible(main.Hwnd()) && ::IsWindowVisible(panel);
                openAbout(0);
            });
        });

        EXPECT_EQ(main.DoModal(), IDCANCEL);
    }
    EXPECT_TRUE(aliveAfterKeys);
    for (const Opening& o : openings) {
        SCOPED_TRACE(KeyName(o.key));
        EXPECT_TRUE(o.found);
        EXPECT_FALSE(o.mainEnabled);
        EXPECT_TRUE(o.endedByKey);
    }
}
