// A long soak, run on request only (scripts/soak): every effect on, the pointer and the buttons driven
// without pause, the mark switched off and on and rebuilt through the properties dialog now and then,
// and what the process holds sampled as it goes. It fails on growth or on a mark that stops answering.
#include <windows.h>
// The header below relies on <windows.h> coming first.
#include <winternl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gdi_objects.h"
#include "harness.h"

using namespace e2e;

namespace {

// Circle, 150 px, opaque, yellow with red clicks, ripple and press-to-grow, blinking while Ctrl is held
// (so the colours can be read between blinks); Ctrl+Shift+F10 toggles it.
constexpr char kSoakProfile[] =
    "[SYSTEM]\r\nCOLORCODE=0\r\nTRANS=100\r\nSHAPE=0\r\nSIZE=5\r\nTENMETU=1\r\nTENMETUTIME=3\r\n"
    "TENMETUTRIG=1\r\nMOUSEMON=1\r\nHAMON=1\r\nRPHTOKEYFLAG=1\r\nRPHOTKEY=121\r\nRPMODIFIERS=6\r\n";
constexpr WORD kToggleKey = VK_F10;
constexpr int kDiameter = 150, kGrown = kDiameter + 12, kRingInset = 15;
constexpr COLORREF kBody = RGB(255, 255, 0), kClick = RGB(255, 0, 0);
constexpr DWORD kAnswerMs = 2000;  // longer than this and the mark counts as stuck

int EnvironmentInt(const wchar_t* name, int fallback) {
    wchar_t text[32] = {};
    if (!::GetEnvironmentVariableW(name, text, 32)) return fallback;
    const int value = _wtoi(text);
    return value > 0 ? value : fallback;
}

// A Lissajous path over most of the screen, one step per round.
POINT PathPoint(int step) {
    const double t = step * 0.173;
    return {640 + static_cast<LONG>(430 * std::sin(t)), 480 + static_cast<LONG>(330 * std::sin(1.37 * t + 0.5))};
}

// A point in the middle of the ring's band, left of the centre, as the screen shows it.
COLORREF BandPixel(HWND mark) {
    const RECT r = WindowRect(mark);
    return ScreenPixel(r.left + kRingInset / 2, r.top + (r.bottom - r.top) / 2);
}

struct Sample {
    double seconds;
    MemoryUse memory;
    long gdi, user, handles;
    std::string gdiKinds;
};

// The fewest of a few readings: a paint holds a pen and a brush for a moment, a leak holds them for good.
long Least(long (*count)(HANDLE, DWORD), HANDLE process, DWORD pid) {
    long least = count(process, pid);
    for (int i = 0; i < 4; ++i) {
        ::Sleep(15);  // readings spread over a few ticks
        least = std::min(least, count(process, pid));
    }
    return least;
}

long GdiOf(HANDLE process, DWORD) { return GdiObjects(process); }

// The live GDI objects of a process by kind (1 DC, 4 region, 5 bitmap, 10 font, 16 pen or brush...) under
// Wine: its GDI handle table, as GdiObjects reads it. Empty elsewhere.
std::string GdiKinds(HANDLE process) {
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    ULONG_PTR table = 0;
    if (!IsWine() || !query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0 ||
        !::ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xF8, &table, sizeof(table),
                             nullptr))
        return {};
    std::vector<BYTE> entries(0x10000 * 24);
    if (!::ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(), nullptr))
        return {};
    std::map<int, int> kinds;
    for (std::size_t i = 0; i < 0x10000; ++i)
        if (const int kind = entries[i * 24 + 14]) ++kinds[kind];
    std::string text;
    for (const auto& [kind, n] : kinds) {
        text += ' ';
        text += std::to_string(kind);
        text += ':';
        text += std::to_string(n);
    }
    return text;
}

Sample TakeSample(Glimmora& app, double seconds) {
    Sample s{seconds,
             MemoryOf(app.Process()),
             Least(GdiOf, app.Process(), app.Pid()),
             Least(UserObjectCount, app.Process(), app.Pid()),
             Least(KernelHandleCount, app.Process(), app.Pid()),
             GdiKinds(app.Process())};
    std::printf("    %6.0f s  working set %7.1f MB  private %6.1f MB  GDI %4ld  USER %4ld  handles %4ld\n", seconds,
                s.memory.workingSet / 1048576.0, s.memory.privateBytes / 1048576.0, s.gdi, s.user, s.handles);
    std::fflush(stdout);
    return s;
}

}  // namespace

E2E_ON_REQUEST(SoakEveryEffect) {
    const int seconds = EnvironmentInt(L"SOAK_SECONDS", 600);
    const int sampleEvery = EnvironmentInt(L"SOAK_SAMPLE_SECONDS", 5);
    const int switchEvery = EnvironmentInt(L"SOAK_SWITCH_SECONDS", 15);
    const std::wstring folder = MakeScratchFolder(L"soak");
    WriteFileText(folder + L"\\Glimmora.ini", kSoakProfile);
    ::SetCursorPos(PathPoint(0).x, PathPoint(0).y);
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    PressButton(app.Panel(), GLM_IDC_ONOFF);
    HWND mark = nullptr;
    bool fresh = false;  // a new mark, not yet seen blinking
    auto markShown = [&] {
        fresh = (mark = app.Mark()) && ::IsWindowVisible(mark);
        return fresh;
    };
    if (!CHECK(WaitFor(markShown))) return;

    int rounds = 0, stuck = 0, unseen = 0, blinks = 0, switches = 0, rebuilds = 0;
    bool ring = false;
    auto report = [&](const char* what) {
        if (stuck + unseen < 20) std::printf("    round %d: %s\n", rounds, what);
    };
    // Follows the pointer to p, within the time a user would notice.
    auto follow = [&](POINT p) {
        ::SetCursorPos(p.x, p.y);
        if (!WaitFor([&] { return MarkCentredOn(mark, p); }, kAnswerMs)) {
            ++stuck;
            report("the mark did not follow");
        }
    };
    auto expect = [&](const std::function<bool()>& seen, const char* what) {
        if (!WaitFor(seen, kAnswerMs)) {
            ++unseen;
            report(what);
        }
    };
    // The blink, while Ctrl is held, and steady again after.
    auto blink = [&] {
        SendInputs({KeyEvent(VK_CONTROL, false)});
        const bool blinked = WaitFor([&] { return MarkAlpha(mark) < 200; }, kAnswerMs);
        SendInputs({KeyEvent(VK_CONTROL, true)});
        blinks += blinked;
        if (!blinked) {
            ++unseen;
            report("no blink while Ctrl was held");
        }
        expect([&] { return MarkAlpha(mark) == 255; }, "the alpha did not come back after Ctrl");
        fresh = false;
    };

    std::vector<Sample> samples;
    const ULONGLONG start = ::GetTickCount64();
    auto elapsed = [&] { return (::GetTickCount64() - start) / 1000.0; };
    // Under Wine the first properties dialogs and marks fill caches of the process (a device context with
    // its region and bitmap for each control that paints, font data): a warm-up of switches in quick
    // succession comes before the sample that the end is measured against.
    constexpr int kWarmUpSwitches = 8;
    constexpr double kWarmUpSwitchSeconds = 2;
    bool warmedUp = false;
    std::size_t baseline = 0;  // the index of that sample
    double nextSample = 0, nextSwitch = kWarmUpSwitchSeconds;
    while (elapsed() < seconds) {
        // A new mark takes a button pressed before its first click tick for one held when it started, and
        // shows no click colour for it until it is released, as designed; the first press could come that
        // soon after the mark is shown. Its blink ticks later (every 50 ms against 20): seen first, it
        // puts the press after that tick.
        if (fresh) blink();
        const POINT p = PathPoint(rounds);
        follow(p);
        const bool left = rounds % 3 != 2;
        SendMouse(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
        if (ring)
            expect([&] { return BandPixel(mark) == kClick; }, "the ring kept its colour while a button was held");
        else
            expect([&] { return MarkWidth(mark) == kGrown; }, "the disc did not grow while a button was held");
        follow({p.x + 9, p.y + 5});  // dragged
        SendMouse(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
        if (ring)
            expect([&] { return BandPixel(mark) == kBody; }, "the ring kept the click colour after the release");
        else
            expect([&] { return MarkWidth(mark) == kDiameter; }, "the disc did not shrink after the release");

        if (rounds % 10 == 9) blink();
        ++rounds;

        if (elapsed() >= nextSample || (!warmedUp && switches >= kWarmUpSwitches)) {
            if (!warmedUp && switches >= kWarmUpSwitches) {
                warmedUp = true;
                baseline = samples.size();
                std::printf("    warm-up over: the growth is measured from here\n");
            }
            samples.push_back(TakeSample(app, elapsed()));
            nextSample = elapsed() + sampleEvery;
        }
        if (elapsed() >= nextSwitch) {
            ++switches;
            nextSwitch = elapsed() + (switches < kWarmUpSwitches ? kWarmUpSwitchSeconds : switchEvery);
            if (switches % 2) {
                // Off and on again with the toggle hot key: a new mark.
                SendCombination({VK_CONTROL, VK_SHIFT}, kToggleKey);
                expect([&] { return app.Mark() == nullptr; }, "the hot key did not switch the mark off");
                SendCombination({VK_CONTROL, VK_SHIFT}, kToggleKey);
                expect(markShown, "the hot key did not switch the mark on");
            } else {
                // Rebuilt through the properties dialog as the other shape.
                HWND dialog = OpenProperties(app);
                if (!dialog) {
                    ++unseen;
                    report("the properties dialog did not open");
                    continue;
                }
                // Looked at as a user would: until it has painted, that is until its GDI objects stay put.
                // (Under Wine each control that paints for the first time keeps a device context.)
                long painted = -1, steadyPolls = 0;
                WaitFor(
                    [&] {
                        const long now = GdiObjects(app.Process());
                        steadyPolls = now == painted ? steadyPolls + 1 : 0;
                        painted = now;
                        return steadyPolls >= 10;
                    },
                    3000);
                ring = !ring;
                Ask(::GetDlgItem(dialog, ring ? GLM_IDC_SHAPE_RING : GLM_IDC_SHAPE_CIRCLE), BM_CLICK);
                PressButton(dialog, IDOK);
                expect([&] { return !::IsWindow(dialog); }, "the properties dialog did not close");
                expect(markShown, "the mark did not come back after the properties dialog");
                // The main window is in front again; its process lets go of a Ctrl held before it has read
                // that, and the new mark's blink holds Ctrl.
                SettleFocusChange();
                ++rebuilds;
            }
        }
        if (mark && !::IsWindow(mark) && !WaitFor(markShown, kAnswerMs)) {
            CHECK(!"the mark is gone");
            break;
        }
    }
    const double ran = elapsed();
    std::printf("    %d rounds in %.0f s (%d clicks, %d blinks, %d switches, %d rebuilds)\n", rounds, ran, rounds,
                blinks, switches - rebuilds, rebuilds);
    CHECK_EQ(stuck, 0);
    CHECK_EQ(unseen, 0);

    // Growth: the sample after the warm-up against the highest of the last three.
    if (CHECK(warmedUp && samples.size() >= baseline + 4)) {
        const Sample& base = samples[baseline];
        const auto last = samples.end() - 3;
        long gdi = 0, user = 0, handles = 0;
        SIZE_T privateBytes = 0, workingSet = 0;
        for (auto it = last; it != samples.end(); ++it) {
            gdi = std::max(gdi, it->gdi);
            user = std::max(user, it->user);
            handles = std::max(handles, it->handles);
            privateBytes = std::max(privateBytes, it->memory.privateBytes);
            workingSet = std::max(workingSet, it->memory.workingSet);
        }
        // The counts must come back to where they were. Private memory may breathe a little, but a leak of
        // a few bytes a tick would be megabytes by the end. The working set also holds pages of the
        // libraries and fonts mapped, which come and go with the system's paging; only a gross growth
        // counts there.
        constexpr SIZE_T kPrivateSlack = 2 * 1024 * 1024, kWorkingSetSlack = 8 * 1024 * 1024;
        std::printf("    from %.0f s to the end: GDI %ld -> %ld, USER %ld -> %ld, handles %ld -> %ld\n", base.seconds,
                    base.gdi, gdi, base.user, user, base.handles, handles);
        if (IsWine())
            std::printf("    GDI objects by kind:%s ->%s\n", base.gdiKinds.c_str(), samples.back().gdiKinds.c_str());
        std::printf("    private %.1f -> %.1f MB, working set %.1f -> %.1f MB (peak %.1f MB)\n",
                    base.memory.privateBytes / 1048576.0, privateBytes / 1048576.0, base.memory.workingSet / 1048576.0,
                    workingSet / 1048576.0, samples.back().memory.peakWorkingSet / 1048576.0);
        CHECK(gdi <= base.gdi);
        CHECK(user <= base.user);
        CHECK(handles <= base.handles);
        CHECK(privateBytes <= base.memory.privateBytes + kPrivateSlack);
        CHECK(workingSet <= base.memory.workingSet + kWorkingSetSlack);
    }
    CHECK(app.Close());
    CHECK_EQ(app.ExitCode(), 0);
}
