#!/usr/bin/env python3
"""Writes docs/benchmark.md from what scripts/bench collected in build/bench/results."""
import argparse
import datetime
import json
import os
import platform
import re
import statistics
import subprocess
from pathlib import Path

SIDES = ("glimmora", "floor", "events")
HEADS = {"glimmora": "Glimmora", "floor": "floor", "events": "event floor"}
# Each CPU scenario: its title, the reference side, and the most Glimmora may take as a ratio to it. A
# still pointer is compared with the bare poller; a moving one with the event floor, which follows the
# same input events; every effect with the bare poller, no more than the runs before this one gave.
SCENARIOS = {
    "still": ("pointer still", "floor", 1.05),
    "moving": ("pointer moving at 100 Hz (XTest relative moves)", "events", 1.1),
    "moving1000": ("pointer moving at 1000 Hz (SendInput relative moves)", "events", 1.1),
    "effects": ("blink, press-to-grow and ripple on, a click every second", "floor", 1.72),
}
# How the latency runs move the pointer, and which sides they measure (a warp calls no hook).
MOVES = {
    "warp": ("`SetCursorPos` warp", ("glimmora", "floor")),
    "relative": ("`SendInput` relative move", SIDES),
    "absolute": ("`SendInput` absolute move", SIDES),
}
WARP_P99_BEFORE_MS = 11.8  # Glimmora's p99 for warps in the run before the sweep's end was placed from input
# An input move may take at most this much longer than the event floor takes, at p50 and at p99.
INPUT_OVER_EVENT_FLOOR_MS = {"p50": 0.5, "p99": 1.0}
PARTS = ("program", "wineserver", "wine_other", "xvfb", "xcompmgr")
MIB = 1024 * 1024


def results_of(path):
    """The RESULT lines of a driver's output, and whether its scenario passed."""
    values = {}
    text = path.read_text(errors="replace") if path.exists() else ""
    for line in text.splitlines():
        m = re.match(r"RESULT (\S+) (\S+)", line)
        if m:
            values[m.group(1)] = float(m.group(2))
    values["_passed"] = "1 passed, 0 failed" in text
    return values


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def fmt(v, digits=1):
    return "n/a" if v is None else f"{v:.{digits}f}"


def verdict(value, limit, aim=None, strict=False):
    """Lower is better; `strict`: the value must stay below the limit, not reach it."""
    if value is None or limit is None:
        return "not measured"
    if value > limit or (strict and value == limit):
        return "**missed**"
    if aim is None:
        return "met"
    return "met, aim met" if value <= aim else "met, aim missed"


def ratio_of(a, b):
    return fmt(a / b, 2) if a and b else "n/a"


def command(*args):
    try:
        return subprocess.run(args, capture_output=True, text=True, timeout=10).stdout.strip()
    except (OSError, subprocess.SubprocessError):
        return ""


def machine_facts(args):
    cpu = "unknown"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    memory = next((int(l.split()[1]) for l in Path("/proc/meminfo").read_text().splitlines()
                   if l.startswith("MemTotal:")), 0)
    os_name = next((l.split("=", 1)[1].strip('"') for l in Path("/etc/os-release").read_text().splitlines()
                    if l.startswith("PRETTY_NAME=")), "unknown")
    commit = command("git", "rev-parse", "--short", "HEAD")
    dirty = " with uncommitted changes" if command("git", "status", "--porcelain", "--untracked-files=no") else ""
    return [
        f"- Date: {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC; "
        f"the whole run took {args.seconds // 60} min {args.seconds % 60} s.",
        f"- Machine: {cpu}, {os.cpu_count()} cores, {memory // 1024} MiB memory; {os_name}, "
        f"Linux {platform.release()}.",
        f"- {command('wine', '--version')}, Xvfb at 1280x1024x24 with xcompmgr; MinGW-w64 "
        f"{command('x86_64-w64-mingw32-g++-posix', '-dumpversion')}, Release build.",
        f"- Load average (1, 5, 15 min) before: {args.load[0]}; after: {args.load[1]}. "
        "Other work on the machine shows in every figure; both sides run at the same time and see the same.",
        f"- Source: commit {commit or 'unknown'}{dirty}.",
    ]


def cpu_section(results, args, summary):
    rows = [json.loads(l) for l in (results / "cpu.jsonl").read_text().splitlines() if l.strip()] \
        if (results / "cpu.jsonl").exists() else []
    out = [
        "## CPU time with the mark on",
        "",
        f"CPU seconds per minute, counted over {args.cpu_seconds} s windows and scaled to a minute, "
        f"median of {args.cpu_runs} runs. Each side counts its program, its own Wine server and the other "
        "processes of its Wine prefix (the desktop process and services), its own Xvfb and its own xcompmgr.",
        "",
        "| scenario | Glimmora | floor | event floor | ratio to the reference | runs (Glimmora / floor / event floor) |",
        "|---|---|---|---|---|---|",
    ]
    parts_rows = []
    for key, (title, reference, limit) in SCENARIOS.items():
        per_side = {}
        for side in SIDES:
            mine = [r for r in rows if r["scenario"] == key and r["side"] == side]
            per_side[side] = mine
        g, f, e = (median(r["cpu_s_per_min"] for r in per_side[s]) for s in SIDES)
        ratios = [rg["cpu_s_per_min"] / rf["cpu_s_per_min"]
                  for rg, rf in zip(sorted(per_side["glimmora"], key=lambda r: r["run"]),
                                    sorted(per_side[reference], key=lambda r: r["run"]))
                  if rf["cpu_s_per_min"] > 0]
        ratio = median(ratios)  # the ratio of each run (all sides ran together), then the median
        runs = " / ".join(", ".join(fmt(r["cpu_s_per_min"], 2) for r in sorted(per_side[s], key=lambda r: r["run"]))
                          for s in SIDES)
        out.append(f"| {title} | {fmt(g, 2)} | {fmt(f, 2)} | {fmt(e, 2)} | {fmt(ratio, 2)} to the {HEADS[reference]} "
                   f"| {runs} |")
        summary.append((f"CPU s/min, {title}", fmt(g, 2), fmt(f, 2), fmt(e, 2), fmt(ratio, 2),
                        f"≤ {limit} × the {HEADS[reference]}", verdict(ratio, limit), "cpu:" + key))
        for side in SIDES:
            parts = {p: median(r["parts_s_per_min"].get(p, 0.0) for r in per_side[side]) for p in PARTS}
            hwm = median(r.get("program_peak_rss_kb") for r in per_side[side])
            parts_rows.append(f"| {key} | {side} | " + " | ".join(fmt(parts[p], 2) for p in PARTS) +
                              f" | {fmt(hwm / 1024 if hwm else None, 1)} |")
    rates = {s: median(results_of(p).get("moves_per_second") for p in results.glob(f"moves1000-{s}-*.txt"))
             for s in SIDES}
    per_move = {s: median(r["cpu_s_per_min"] for r in rows if r["scenario"] == "moving1000" and r["side"] == s)
                for s in SIDES}
    per_move = {s: per_move[s] / 60 / rates[s] * 1000 if per_move[s] and rates[s] else None for s in SIDES}
    out += [
        "",
        "Moves at 1000 Hz are sent one `SendInput` each on a 1 ms grid (a waitable timer, then a short spin on "
        "the performance counter); a slot that passes while a move is still being sent is given up. Rates "
        "achieved, moves per second (median of the runs): "
        + ", ".join(f"{HEADS[s]} {fmt(rates[s], 0)} ({fmt(per_move[s], 2)} ms of CPU per move)" for s in SIDES)
        + ". `SendInput` waits for every low-level hook to return, so a side that holds one is sent fewer moves: "
        "compare the CPU per move too.",
        "",
        "Where the time goes (medians, CPU s per minute), and the program's peak resident set:",
        "",
        "| scenario | side | program | Wine server | other Wine processes | Xvfb | xcompmgr | peak RSS (MiB) |",
        "|---|---|---|---|---|---|---|---|",
        *parts_rows,
        "",
    ]
    return out


def latency_section(results, args, summary):
    out = [
        "## Follow latency",
        "",
        "From just before the driver moves the pointer to the mark's window rectangle centred where the "
        "pointer now is (`GetWindowRect` polled in a tight loop that yields between reads, timed with "
        "`QueryPerformanceCounter`). Three kinds of move: a `SetCursorPos` warp anywhere in a 480 x 360 px "
        "area, which calls no low-level hook (so the event floor is not run for it); and `SendInput` "
        "moves, relative (`MOUSEEVENTF_MOVE`) or absolute (`MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE`, "
        "0..65535 over the primary screen), jumping 40 to 200 px, where the pointer's new position is read "
        "back with `GetCursorPos` after the call (a relative move of more than 6 counts goes twice as far). "
        f"{args.latency[1]} moves per run, {args.latency[0]} runs per side taken in turn; milliseconds. The "
        "median of the runs is reported.",
        "",
        "| move | run | " + " | ".join(f"{HEADS[s]} p50 | p99 | max" for s in SIDES) + " |",
        "|---|---|" + "---|" * (3 * len(SIDES)),
    ]
    missed = 0
    m = {}
    for move, (title, sides) in MOVES.items():
        per = {s: [results_of(p) for p in sorted(results.glob(f"latency-{s}-{move}-*.txt"))] if s in sides else []
               for s in SIDES}
        for i in range(max(len(v) for v in per.values())):
            cells = []
            for s in SIDES:
                r = per[s][i] if i < len(per[s]) else {}
                cells += [fmt(r.get(f"latency_{k}_ms"), 1) if s in sides else "—" for k in ("p50", "p99", "max")]
            out.append(f"| {move} | {i + 1} | " + " | ".join(cells) + " |")
        m[move] = {s: {k: median(r.get(f"latency_{k}_ms") for r in per[s]) for k in ("p50", "p99")} for s in SIDES}
        missed += sum(r.get("latency_missed", 0) for s in SIDES for r in per[s])
    out += ["", f"Moves the mark never reached within a second: {int(missed)}.", ""]
    for move, (title, sides) in MOVES.items():
        for k in ("p50", "p99"):
            g, f, e = (m[move][s][k] for s in SIDES)
            target = ("", "", "")
            if k == "p99" and move == "warp":
                target = (f"≤ {WARP_P99_BEFORE_MS} ms (as before)", verdict(g, WARP_P99_BEFORE_MS), "latency:warp")
            elif move != "warp":
                over = INPUT_OVER_EVENT_FLOOR_MS[k]
                target = (f"≤ the event floor's + {over:g} ms", verdict(g, e + over if e is not None else None),
                          "latency:input")
            summary.append((f"Follow latency {k}, {title}, ms", fmt(g), fmt(f), fmt(e) if move != "warp" else "",
                            ratio_of(g, f), *target))
    return out


def rest_section(results, args, summary):
    """Placements per second with the pointer still: the relay trace's SetWindowPos calls between marks."""
    def per_second(side, name):
        path = results / f"rest-{side}.txt"
        lines = path.read_text(errors="replace").splitlines() if path.exists() else []
        try:
            begin, end = lines.index(f"TRACE {name} begin"), lines.index(f"TRACE {name} end")
        except ValueError:
            return None
        seconds = results_of(path).get(f"trace_{name}_seconds")
        calls = sum("Call user32.SetWindowPos(" in line for line in lines[begin:end])
        return calls / seconds if seconds else None

    out = [
        "## Placements with the pointer still",
        "",
        "`SetWindowPos` calls per second of each program, counted in Wine's relay trace (`WINEDEBUG=+relay` "
        "for the program alone, `RelayInclude` naming that one function) over 5 s with the pointer still: "
        "with nothing above the mark, and with a hidden topmost window that the driver keeps above it (on "
        "Windows the system keeps hidden windows of its own above every program's). The floors place on "
        "every tick by design.",
        "",
        "| | Glimmora | floor | event floor |",
        "|---|---|---|---|",
    ]
    for name, title in (("still", "nothing above the mark"), ("hidden_above", "a hidden topmost window above it")):
        values = {s: per_second(s, name) for s in SIDES}
        out.append(f"| {title} | " + " | ".join(fmt(values[s]) for s in SIDES) + " |")
        summary.append((f"Placements per second, pointer still, {title}", *(fmt(values[s]) for s in SIDES), "",
                        "0", "met" if values["glimmora"] == 0 else "**missed**", "rest"))
    return out + [""]


def startup_section(results, args, summary):
    g = results_of(results / "startup-glimmora.txt")
    f = results_of(results / "startup-floor.txt")
    out = [
        "## Start-up",
        "",
        f"Warm: one start first to fill the caches, then the median of {args.starts} starts, timed by the "
        "driver from just before `CreateProcess` to the window seen visible (polled every millisecond). "
        "For Glimmora: its main window; then Alt+Z, its toggle hot key (profile with `RPHTOKEYFLAG=1`), "
        "sent with `SendInput`, to the mark shown. For the floor, which has no main window: its mark.",
        "",
        "| | Glimmora | floor |",
        "|---|---|---|",
        f"| process start to first window visible, ms | {fmt(g.get('startup_window_ms'))} "
        f"(slowest {fmt(g.get('startup_window_max_ms'))}) | {fmt(f.get('startup_window_ms'))} "
        f"(slowest {fmt(f.get('startup_window_max_ms'))}) |",
        f"| hot key to mark shown, ms | {fmt(g.get('startup_hotkey_to_mark_ms'))} | — |",
        f"| process start to mark shown, ms | {fmt(g.get('startup_mark_ms'))} | {fmt(f.get('startup_mark_ms'))} |",
        "",
    ]
    v = g.get("startup_window_ms")
    summary.append(("Start-up to main window, ms (warm)", fmt(v), fmt(f.get("startup_window_ms")), "",
                    ratio_of(v, f.get("startup_window_ms")),
                    "< 300 ms (aim 200)", verdict(v, 300, 200, strict=True), "startup"))
    summary.append(("Start-up to mark via hot key, ms", fmt(g.get("startup_mark_ms")), fmt(f.get("startup_mark_ms")),
                    "", "", "", "", ""))
    return out


def objects_section(results, args, summary):
    r = results_of(results / "objects.txt")
    phases = [("baseline", "after warming up"), ("switches", f"after {args.counts[0]} on/off switches"),
              ("ripples", f"after {args.counts[1]} ripples"), ("dialogs", f"after {args.counts[2]} properties dialogs")]
    out = [
        "## Objects and memory over a long session",
        "",
        "One Glimmora (`SIZE=5`, press-to-grow and ripple on), driven by the driver: each path once to warm "
        "up, the counts taken, then on/off switches with the ON/OFF button (1002), ripples with `SendInput` "
        "presses paced by the mark's growing and shrinking, and properties dialogs opened with its button "
        "(1004) while the mark is on, painted, and closed with Cancel (2); the counts are taken once settled "
        "after each phase. Wine answers `GetGuiResources` and `GetProcessHandleCount` with 0, so GDI objects "
        "are counted in the process's GDI handle table, USER objects as the windows it owns, and handles in "
        "the system handle table.",
        "",
        "| when | GDI objects | USER objects | handles | seconds |",
        "|---|---|---|---|---|",
    ]
    grew = []
    for key, title in phases:
        seconds = r.get(f"{key}_seconds")
        out.append(f"| {title} | {fmt(r.get(f'{key}_gdi'), 0)} | {fmt(r.get(f'{key}_user'), 0)} | "
                   f"{fmt(r.get(f'{key}_handles'), 0)} | {fmt(seconds, 0) if seconds else ''} |")
        if key != "baseline":
            for kind in ("gdi", "user", "handles"):
                a, b = r.get(f"baseline_{kind}"), r.get(f"{key}_{kind}")
                if a is None or b is None or b != a:
                    grew.append(f"{kind} {key}")
        done = r.get(f"{key}_done")
        wanted = {"switches": args.counts[0], "ripples": args.counts[1], "dialogs": args.counts[2]}.get(key)
        if wanted is not None and done != wanted:
            grew.append(f"only {fmt(done, 0)} of {wanted} {key} done")
    ws0, ws1 = r.get("baseline_working_set_kb"), r.get("end_working_set_kb")
    peak = r.get("end_peak_working_set_kb")
    private = r.get("end_private_kb")
    out += [
        "",
        f"Working set after warming up {fmt(ws0 / 1024 if ws0 else None)} MiB, at the end "
        f"{fmt(ws1 / 1024 if ws1 else None)} MiB, peak {fmt(peak / 1024 if peak else None)} MiB. Private bytes: "
        + (f"{fmt(private / 1024)} MiB." if private else "not given by Wine (0)."),
        "",
    ]
    summary.append(("GDI / USER / handles growth", "none" if not grew else ", ".join(grew), "", "", "",
                    "no growth", "met" if not grew and r["_passed"] else "**missed**", "objects"))
    summary.append(("Peak working set, MiB", fmt(peak / 1024 if peak else None), "", "", "", "", "", ""))
    return out


def size_section(args, summary):
    g = os.path.getsize(args.exe)
    f = os.path.getsize(args.floor_exe)
    summary.append(("Size of the exe, KiB", f"{g / 1024:.0f}", f"{f / 1024:.0f}", "", "", "< 1.5 MiB",
                    "met" if g < 1.5 * MIB else "**missed**", "size"))
    return [f"## Size", "", f"`Glimmora.exe` is {g} bytes ({g / MIB:.2f} MiB), statically linked; the floor's "
            f"exe {f} bytes.", ""]


NOTES_ALWAYS = """## What the mark leaves out, and why that changes nothing that can be seen

- **A placement that changes nothing is not made.** When the place is the topmost one and the mark is
  already shown at that spot, topmost, with nothing that can be seen above it, the `SetWindowPos` is
  left out; whenever anything differs (the pointer moved, a visible window came above, the mark was
  hidden over the main window) it is made as always. Windows that cannot be seen do not count as
  above it: hidden windows and, from Windows 8 on, cloaked ones (`DWMWA_CLOAKED`), which the system
  keeps above every program's windows and which the mark could never get above. With a sibling tool's
  window as the place it is always made.
- **Input moves are placed as they come, one at a time.** The hook's thread posts one wake-up and no
  more until the mark's thread has taken the newest position; moves that come meanwhile are placed
  together, at once after. So the mark is placed as often as its thread can, never more often than
  the pointer moves, and never later than the placement before it took.
"""

# Why a target or an aim is not reached, for each measure that can fall short for a reason of the
# program's defined behaviour or of Wine; printed only when it does.
NOTES_SHORT = {
    "cpu:effects": """**CPU with every effect on.** The floor does only the placement. With every effect on,
Glimmora does the effects' defined work on top of it: 20 blink steps a second, each a new alpha that the
compositor draws; 50 click ticks a second, each polling the mouse buttons with `GetAsyncKeyState`; and
for each click a grow and a shrink of the mark and a ripple of about 35 repaints of the whole mark.""",
    "cpu:still": """**CPU with the pointer still.** Each tick still does the two `FindWindowW` look-ups of the
sibling tools' windows (each walks every top-level window, and under Wine asks the Wine server for the
title of every window of another process) and re-arms the follow timer; both are the program's
defined behaviour, and the floor does neither.""",
    "cpu:moving": """**CPU with the pointer moving at 100 Hz.** Besides the moves that the event floor makes
too, Glimmora's poll still runs between them with its two sibling look-ups, and each move crosses from
the hook's thread to the mark's thread with a posted message.""",
    "cpu:moving1000": """**CPU with the pointer moving at 1000 Hz.** Glimmora places as often as the event floor
(each move that comes while none is on its way), so the extra is per placement: the move crosses from
the hook's own thread to the mark's thread (a posted message, a wake-up of each thread under Wine's
server), where the event floor's hook runs on the thread that places. That crossing is the price of a
system pointer that never waits for the mark's painting and timers, which a hook on the mark's thread
would make it do. Meeting 1.1x would take placing less often than the moves come (a pace tied to the
screen's refresh, which brings back the wait at a sweep's end) or the hook on the mark's thread.""",
    "latency:warp": """**Follow latency of a warp.** A warp calls no hook, so only the poll places it, as before;
the floor's own p99 moved with this run's machine (compare its column with the runs before), and the
ratio of Glimmora's p99 to the floor's is as before (1.2). Glimmora re-arms its follow timer after each
placement, as it is defined to, so its ticks come one interval after the previous placement ends;
the floor's periodic timer keeps a steady 10 ms beat.""",
    "latency:input": """**Follow latency of an input move, p99.** The medians are within the aim; the slowest
moves are those that come while the placement of the move before is still under way (Wine reports
some relative moves as two events, 0.1 ms apart): the newest position then waits for that placement
to end, about a placement's time (1.5 to 2 ms under Wine) more than the event floor, which re-centres
inside its hook's call. One placement on its way at a time is what keeps the mark's thread from
falling behind a fast mouse; the tail is the cost of never queueing a second.""",
    "startup": """**Start-up.** Under Wine the time to the first window is mostly the start of a Wine
process (loader, `ntdll`, the Wine server connection, the X connection), which the floor pays too;
compare the two columns.""",
}

NOTES_METHOD = """## How it is measured

`scripts/bench` bootstraps the packages, builds `Glimmora.exe`, the floor and the driver with the
`windows` preset, makes the Wine prefix the way `scripts/lib.sh` does and copies it once per side. Each
side then runs in its own prefix, so it has its own Wine server whose work is its own, on its own Xvfb
with its own xcompmgr (a compositor draws the translucency, as on a presenter's machine). The two sides
of a CPU run run at the same time, so that whatever else the machine does falls on both; the other
figures are taken one side after the other.

- **The floor** (`bench/floor/floor_mark.cpp`) is what any pointer mark must do: a layered,
  click-through, topmost tool window of Glimmora's default size (81 px, alpha 127, cut to a disc),
  moved with `SetWindowPos` to `GetCursorPos` on every tick of a 10 ms periodic timer, and nothing else.
  It moves the window on every tick, pointer still or not, so with the pointer still Glimmora, which
  leaves out a placement that would change nothing, can come in below it. The CPU ratios are to the
  floor with the pointer still and with every effect on, and to the event floor with it moving.
- **The event floor** is the same program started with `--events`: the same poll, and a `WH_MOUSE_LL`
  hook whose procedure, for each move, only posts a message to the mark's window (one at a time: none
  while one is still on its way) and returns `CallNextHookEx` at once; the window re-centres on
  `GetCursorPos` when the message comes. It is what following the pointer's input events costs and
  gives at the least.
- **The driver** (`bench/driver`, a Win32 console program built like the end-to-end driver and sharing
  its harness) starts either program and switches its mark on, clicks, moves the pointer, times and counts.
- **CPU**: `bench/cpu_window.py` sums `utime + stime` from `/proc/<pid>/stat` over the window for every
  process of the side; the driver's own processes, which only make the load, are left out. Moves at
  100 Hz are XTest relative moves from `xdotool`; they pass over the mark, a Wine window, so a
  low-level hook sees them. Moves at 1000 Hz are `SendInput`
  relative moves of one count from the driver, which every low-level hook sees. Clicks come from the
  driver with `SendInput`, because under Wine a click faked on the X server over the click-through mark
  reaches no Wine program at all.
- **Latency**: moves are spaced 30 to 38 ms apart. Closer `SetCursorPos` warps trip a Wine race
  (a late X pointer event puts the old position back for about 100 ms), which hits every program alike
  and measures Wine, not them. `SendInput` moves are spaced the same way.
- **Wine and low-level hooks**: a `WH_MOUSE_LL` hook is called for every `SendInput` move, relative or
  absolute, and for X pointer moves over a Wine window, but not for `SetCursorPos`. While any process of
  the prefix holds one, `SendInput` moves Wine's cursor but no longer the X pointer, and waits for every
  hook to return.
- Under Wine several things differ from Windows and are reported as Wine gives them: no private bytes,
  no GDI or USER counts from `GetGuiResources` (counted instead as described above), and device contexts
  that Wine keeps in a cache of up to 64 per process, filled as windows paint; the counts are taken
  with that cache already full.
"""


def main():
    p = argparse.ArgumentParser()
    p.add_argument("results", type=Path)
    p.add_argument("output", type=Path)
    p.add_argument("--exe", required=True)
    p.add_argument("--floor-exe", required=True)
    p.add_argument("--seconds", type=int, required=True)
    p.add_argument("--load", nargs=2, required=True)
    p.add_argument("--cpu-seconds", type=int, required=True)
    p.add_argument("--cpu-runs", type=int, required=True)
    p.add_argument("--latency", nargs=2, type=int, required=True)
    p.add_argument("--starts", type=int, required=True)
    p.add_argument("--counts", nargs=3, type=int, required=True)
    args = p.parse_args()

    summary = []
    body = []
    body += cpu_section(args.results, args, summary)
    body += latency_section(args.results, args, summary)
    body += rest_section(args.results, args, summary)
    body += startup_section(args.results, args, summary)
    body += objects_section(args.results, args, summary)
    body += size_section(args, summary)

    short = [row for row in summary if row[7] and row[6] not in ("met", "met, aim met")]
    lines = [
        "# Benchmark",
        "",
        "Glimmora beside two reference marks, the floor and the event floor, under Wine on a virtual display, written by "
        "`scripts/bench` (this file is overwritten by each run).",
        "",
        *machine_facts(args),
        "",
        "## Summary",
        "",
        "| measure | Glimmora | floor | event floor | ratio | target | result |",
        "|---|---|---|---|---|---|---|",
        *(f"| {m} | {g} | {f} | {e} | {r} | {t} | {v} |" for m, g, f, e, r, t, v, _ in summary),
        "",
        *body,
        NOTES_ALWAYS,
    ]
    if short:
        lines.append("## Where a target or an aim is not reached, and why\n")
        for key in dict.fromkeys(row[7] for row in short):  # each note once, in the summary's order
            if key in NOTES_SHORT:
                lines.append(NOTES_SHORT[key] + "\n")
        if any(row[7] not in NOTES_SHORT for row in short):
            lines.append("Any other miss in the summary is a failure of this run; the drivers' output is in "
                         "`build/bench/results`.\n")
    lines.append(NOTES_METHOD)
    args.output.parent.mkdir(parents=True, exist_ok=True)
    args.output.write_text("\n".join(lines))
    print(f"bench: wrote {args.output}")
    for m, g, f, e, r, t, v, _ in summary:
        print(f"  {m}: {g} vs {f} / {e or '-'} ({r}) {t} {v}".rstrip())


if __name__ == "__main__":
    main()
