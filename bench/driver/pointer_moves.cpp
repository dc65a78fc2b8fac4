// For the CPU run with the pointer moving at 1000 Hz: SendInput relative moves of one count, 1 ms
// apart, back and forth over a 200 x 100 px patch, for BENCH_SECONDS; reports the rate achieved.
#include <windows.h>

#include <mmsystem.h>

#include "figures.h"
#include "harness.h"
#include "subject.h"

using namespace bench;

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

// Waits until `deadline` (NowMs): on a waitable timer while more than a spin's worth is left, then
// on the clock itself.
class Pacer {
  public:
    Pacer() {
        m_timer = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
        if (!m_timer) m_timer = ::CreateWaitableTimerW(nullptr, TRUE, nullptr);
    }
    ~Pacer() {
        if (m_timer) ::CloseHandle(m_timer);
    }
    Pacer(const Pacer&) = delete;
    Pacer& operator=(const Pacer&) = delete;

    void WaitUntil(double deadline) const {
        constexpr double kSpinMs = 0.2;
        const double left = deadline - NowMs();
        if (m_timer && left > kSpinMs) {
            LARGE_INTEGER due;
            due.QuadPart = -static_cast<LONGLONG>((left - kSpinMs) * 10000);  // relative, 100 ns units
            if (::SetWaitableTimer(m_timer, &due, 0, nullptr, nullptr, FALSE)) ::WaitForSingleObject(m_timer, INFINITE);
        }
        while (NowMs() < deadline) ::SwitchToThread();
    }

  private:
    HANDLE m_timer = nullptr;
};

}  // namespace

E2E_SCENARIO(PointerMovesAt1000Hz) {
    constexpr double kPeriodMs = 1.0;
    const double seconds = IntSetting("BENCH_SECONDS", 10);
    ::timeBeginPeriod(1);
    const Pacer pacer;
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    const double start = NowMs(), end = start + 1000 * seconds;
    double next = start;
    long long moves = 0;
    for (; next < end; ++moves) {
        pacer.WaitUntil(next);
        in.mi.dx = (moves / 200) % 2 == 0 ? 1 : -1;
        in.mi.dy = (moves / 100) % 2 == 0 ? 1 : -1;
        ::SendInput(1, &in, sizeof(in));
        // The next free slot of the 1 ms grid: a slot already past is given up, never made up in a burst.
        do next += kPeriodMs;
        while (next <= NowMs());
    }
    const double took = NowMs() - start;
    ::timeEndPeriod(1);
    Report("moves_per_second", moves * 1000.0 / took);
}
