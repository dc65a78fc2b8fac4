// For the CPU run with every effect on: a left click every second, as the presenter's finger would
// give it, through the Wine server (clicks faked on the X server never reach a Wine program here).
#include "figures.h"
#include "harness.h"
#include "subject.h"

using namespace bench;

namespace {

void Left(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    ::SendInput(1, &in, sizeof(in));
}

}  // namespace

E2E_SCENARIO(ClickEverySecond) {
    constexpr DWORD kHoldMs = 100;
    const double end = NowMs() + 1000.0 * IntSetting("BENCH_SECONDS", 20);
    for (double next = NowMs(); next < end; next += 1000) {
        while (NowMs() < next) ::Sleep(10);
        Left(MOUSEEVENTF_LEFTDOWN);
        ::Sleep(kHoldMs);
        Left(MOUSEEVENTF_LEFTUP);
    }
}
