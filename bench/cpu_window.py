#!/usr/bin/env python3
"""CPU time of each side of the benchmark over one window, from /proc.

Each side is everything that works for its program: the Wine processes of its own prefix (the
program, its wineserver, the prefix's services and desktop process) and its own X server and
compositor. The benchmark driver's processes (the load generators) are left out.

usage: cpu_window.py SECONDS NAME=PREFIX:PROGRAM:PID,PID ... ; prints one JSON object per side.
"""
import json
import os
import sys
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")


def read(path, mode="r"):
    try:
        with open(path, mode) as f:
            return f.read()
    except OSError:
        return None


def prefix_processes(prefix):
    wanted = ("WINEPREFIX=" + prefix).encode()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        environ = read(f"/proc/{entry}/environ", "rb")
        cmdline = read(f"/proc/{entry}/cmdline", "rb")
        if environ is None or cmdline is None or wanted not in environ.split(b"\0"):
            continue
        if b"bench_driver" in cmdline:
            continue
        found.append(int(entry))
    return found


def ticks(pid):
    stat = read(f"/proc/{pid}/stat")
    if stat is None:
        return None
    fields = stat[stat.rindex(")") + 2:].split()
    return int(fields[11]) + int(fields[12])  # utime + stime, the whole thread group


def status_kb(pid, key):
    for line in (read(f"/proc/{pid}/status") or "").splitlines():
        if line.startswith(key + ":"):
            return int(line.split()[1])
    return None


def role(pid, program, extra):
    if pid in extra:
        return (read(f"/proc/{pid}/comm") or "?").strip().lower()
    cmdline = (read(f"/proc/{pid}/cmdline", "rb") or b"").decode(errors="replace")
    if program.lower() in cmdline.lower():
        return "program"
    if (read(f"/proc/{pid}/comm") or "").startswith("wineserver"):
        return "wineserver"
    return "wine_other"


def main():
    seconds = float(sys.argv[1])
    sides = []
    for arg in sys.argv[2:]:
        name, fields = arg.split("=", 1)
        prefix, program, pids = fields.split(":")
        extra = [int(p) for p in pids.split(",") if p]
        members = prefix_processes(prefix) + extra
        sides.append({"name": name, "program": program, "extra": extra,
                      "start": {pid: ticks(pid) for pid in members}})
    began = time.monotonic()
    time.sleep(seconds)
    elapsed = time.monotonic() - began
    for side in sides:
        parts = {}
        program_pid = None
        for pid, start in side["start"].items():
            end = ticks(pid)
            if start is None or end is None:
                continue
            r = role(pid, side["program"], side["extra"])
            parts[r] = parts.get(r, 0) + (end - start) / CLK_TCK
            if r == "program":
                program_pid = pid
        total = sum(parts.values())
        print(json.dumps({
            "side": side["name"],
            "seconds": round(elapsed, 3),
            "cpu_s_per_min": round(total / elapsed * 60, 3),
            "parts_s_per_min": {k: round(v / elapsed * 60, 3) for k, v in sorted(parts.items())},
            "program_found": program_pid is not None,
            "program_peak_rss_kb": status_kb(program_pid, "VmHWM") if program_pid else None,
            "program_rss_kb": status_kb(program_pid, "VmRSS") if program_pid else None,
        }))


if __name__ == "__main__":
    main()
