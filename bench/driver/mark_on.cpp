// For the CPU runs: starts the program with its mark on and leaves it running for the script to watch.
#include "harness.h"
#include "subject.h"

using namespace bench;

E2E_SCENARIO(MarkOn) {
    const Kind kind = SubjectKind();
    Process process;
    HWND mark = StartWithMarkOn(kind, process, TextSetting("BENCH_PROFILE"));
    if (!CHECK(mark)) return;
    process.Leave();
}
