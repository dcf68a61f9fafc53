"""Runs KelboTime.exe and the floor program side by side under Wine, one at a
time and interleaved, and prints each figure with its ratio to the floor.
Started by bench/run, which provides the display and the Wine prefix.

Every program starts under the same conditions: a keeper process holds the
Wine server and Wine's desktop process alive for the whole run, so no start
pays for starting them. Windows, pixels and the pointer go through Xlib in
this process."""

import argparse
import glob
import json
import os
import statistics
import subprocess
import sys
import time

# The screen reader is the end-to-end tests' own.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from desktop import WINE, ScreenReader, own_wine_processes  # noqa: E402
from x_windows import XWindows  # noqa: E402

def seconds_shown(screen, left, top):
    """The second the six lamps of the bottom row show, or None if unreadable."""
    return screen.seconds_shown(left, top)


# --- processes
def cpu_seconds(pid):
    """CPU time of all the process's threads, to the nanosecond: the clock
    ticks of /proc/PID/stat are too coarse for a program that sleeps."""
    total = 0
    for task in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            total += int(open(task).read().split()[0])
        except (OSError, ValueError, IndexError):
            pass  # a thread that just ended
    return total / 1e9


def rss_mb(pid):
    for line in open(f"/proc/{pid}/status"):
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


def server_pids():
    """The Wine server of this run's prefix and this run's X server."""
    return own_wine_processes("wineserver") + [int(os.environ["KELBO_XVFB_PID"])]


class Program:
    def __init__(self, name, exe, title):
        self.name, self.exe, self.title = name, exe, title

    def start(self):
        """Starts it; returns seconds from launch to the window mapped and painted."""
        if not own_wine_processes("explorer.exe"):
            raise RuntimeError("Wine's desktop process is gone: the starts would not compare")
        WINDOWS.watch_maps(True)
        try:
            started = self.launched = time.time()
            self.process = subprocess.Popen([WINE, self.exe], stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL)
            self.window = WINDOWS.wait_for_map(self.process.pid, self.title, started + 30)
        finally:
            WINDOWS.watch_maps(False)
        # Shown: the face is painted within milliseconds, read a row at a time.
        while self.window and time.time() - started < 30:
            left, top = self.corner()
            if seconds_shown(SCREEN, left, top) is not None:
                return time.time() - started
            time.sleep(0.001)
        raise RuntimeError(f"{self.name} did not show within 30 s")

    def corner(self):
        return WINDOWS.corner(self.window)

    def stop(self):
        self.process.kill()
        self.process.wait()
        time.sleep(2)  # the server has let go of it before the next one starts


def keep_awake(program):
    """Real input over the window, so that neither program counts as idle."""
    left, top = program.corner()
    WINDOWS.move_pointer(left + 89 + int(time.time()) % 7, top + 89)


def cpu_over(program, seconds, awake):
    before = cpu_seconds(program.process.pid), sum(cpu_seconds(p) for p in server_pids())
    end = time.time() + seconds
    while time.time() < end:
        if awake:
            keep_awake(program)
        time.sleep(min(5, max(0, end - time.time())))
    after = cpu_seconds(program.process.pid), sum(cpu_seconds(p) for p in server_pids())
    return after[0] - before[0], after[1] - before[1]


def flips(program, seconds):
    """Latency in ms from each wall-clock second to the face showing it, and
    the counts of skipped and repeated seconds."""
    latencies, skipped, repeated = [], 0, 0
    left, top = program.corner()
    last, last_change = None, None
    end = time.time() + seconds
    next_wake = 0
    while time.time() < end:
        if time.time() > next_wake:
            keep_awake(program)
            left, top = program.corner()
            next_wake = time.time() + 5
        value = seconds_shown(SCREEN, left, top)
        now = time.time()
        if value is not None and value != last:
            if last is not None:
                # The instant the shown second began on the wall clock.
                began = int(now)
                while time.localtime(began).tm_sec != value and now - began < 5:
                    began -= 1
                latencies.append((now - began) * 1000)
                if value != (last + 1) % 60:
                    skipped += 1
            last, last_change = value, now
        elif value is not None and last_change and now - last_change > 1.5:
            repeated += 1  # the same second shown through a whole further second
            last_change = now
        time.sleep(0.002)
    return latencies, skipped, repeated


def start_ups(programs, starts):
    """Each program's median start-up over `starts` starts, the programs taking
    turns and the first to go alternating, and the median ratio of the
    clock's start to the floor's start beside it. A single start varies by a
    third on a shared machine, and the machine's pace drifts within a round:
    two starts a few seconds apart see the same machine, so their ratio
    varies far less than the ratio of the two medians."""
    times = {p.name: [] for p in programs}
    for k in range(starts):
        for program in programs if k % 2 == 0 else programs[::-1]:
            times[program.name].append(program.start() * 1000)
            program.stop()
    medians = {name: statistics.median(t) for name, t in times.items()}
    paired = statistics.median(a / b for a, b in zip(times["KelboTime"], times["floor"]))
    return medians, paired


def one_round(program, args, start_up):
    figures = {"start-up (ms)": start_up}
    program.start()
    keep_awake(program)
    time.sleep(max(0, args.memory_early - (time.time() - program.launched)))
    figures["memory after %d s (MB)" % args.memory_early] = rss_mb(program.process.pid)
    own, servers = cpu_over(program, args.rest, awake=True)
    figures["CPU at rest, own (s/min)"] = own * 60 / args.rest
    figures["CPU at rest, wineserver+X (s/min)"] = servers * 60 / args.rest
    latencies, skipped, repeated = flips(program, args.flip)
    latencies.sort()
    figures["flip latency median (ms)"] = statistics.median(latencies)
    figures["flip latency p99 (ms)"] = latencies[int(len(latencies) * 0.99) - 1]
    figures["flip latency max (ms)"] = latencies[-1]
    figures["skipped seconds"] = skipped
    figures["repeated seconds"] = repeated
    # Idle: no input for over a minute, and the window drifts.
    WINDOWS.move_pointer(0, 0)
    time.sleep(62)
    own, servers = cpu_over(program, args.drift, awake=False)
    figures["CPU drifting, own (s/min)"] = own * 60 / args.drift
    figures["CPU drifting, wineserver+X (s/min)"] = servers * 60 / args.drift
    time.sleep(max(0, args.memory_late - (time.time() - program.launched)))
    figures["memory after %d s (MB)" % args.memory_late] = rss_mb(program.process.pid)
    program.stop()
    return figures


def spread(values):
    return {"min": min(values), "median": statistics.median(values), "max": max(values)}


def rounds_to_settle(ratios, within=0.05):
    """After how many rounds the median ratio stays within 5 % of the final
    one; as many as were run when it still moved in the last round."""
    final = statistics.median(ratios)
    settled = len(ratios)
    for k in range(len(ratios), 0, -1):
        if abs(statistics.median(ratios[:k]) - final) > within * abs(final):
            break
        settled = k
    return settled


def table(results, sizes, paired_ratios):
    """Figure -> clock, floor and ratio, each min / median / max, and the
    rounds the ratio needed to settle. `paired_ratios`: figure -> each
    round's ratio where it comes from paired measurements, not the round's
    two figures."""
    rows = {}
    for figure in results["KelboTime"][0]:
        ours = [r[figure] for r in results["KelboTime"]]
        floor = [r[figure] for r in results["floor"]]
        ratios = paired_ratios.get(figure) or [a / b for a, b in zip(ours, floor) if b]
        rows[figure] = {"clock": spread(ours), "floor": spread(floor),
                        "ratio": spread(ratios) if ratios else None,
                        "rounds to settle": rounds_to_settle(ratios) if ratios else None}
    rows["exe size (KB)"] = {
        "clock": spread([sizes["KelboTime"]]), "floor": spread([sizes["floor"]]),
        "ratio": spread([sizes["KelboTime"] / sizes["floor"]]), "rounds to settle": None}
    return rows


def print_table(rows, rounds):
    def cell(values):
        return "%8.2f %8.2f %8.2f" % (values["min"], values["median"], values["max"])

    print("%-38s %26s %26s %26s %9s" % ("figure (min / median / max)", "KelboTime", "floor",
                                        "ratio", "settled"))
    for figure, row in rows.items():
        settled = row["rounds to settle"]
        print("%-38s %26s %26s %26s %9s" % (
            figure, cell(row["clock"]), cell(row["floor"]),
            cell(row["ratio"]) if row["ratio"] else "-",
            "-" if settled is None else "%d of %d" % (settled, rounds)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("floor")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--starts", type=int, default=11,
                        help="starts of each program per round for its start-up figure")
    parser.add_argument("--rest", type=float, default=90)
    parser.add_argument("--drift", type=float, default=60)
    parser.add_argument("--flip", type=float, default=120)
    parser.add_argument("--memory-early", type=float, default=60)
    parser.add_argument("--memory-late", type=float, default=600)
    parser.add_argument("--json", metavar="FILE", help="also write the table as JSON")
    args = parser.parse_args()
    # The late reading comes after the drift; it cannot be named for an earlier time.
    earliest = args.memory_early + args.rest + args.flip + 62 + args.drift + 5
    if args.memory_late < earliest:
        parser.error(f"--memory-late must be at least {earliest:.0f} s with these durations")

    programs = [Program("KelboTime", args.program, "Kelbo Time"),
                Program("floor", args.floor, "Floor Clock")]

    # Holds the Wine server and the desktop process up for the whole run.
    keeper = subprocess.Popen([WINE, "cmd", "/c", "pause"], stdin=subprocess.PIPE,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(5)
    results = {p.name: [] for p in programs}
    start_up_ratios = []
    try:
        # One start of each, not measured: the first start of a run also loads
        # what the other program would then find in memory (for a 32-bit build,
        # Wine's whole 32-bit side, which the 64-bit keeper does not load).
        start_ups(programs, 1)
        for round_number in range(1, args.rounds + 1):
            print(f"round {round_number}: start-ups", file=sys.stderr, flush=True)
            start_up, ratio = start_ups(programs, args.starts)
            start_up_ratios.append(ratio)
            for program in programs:  # interleaved: the machine's drift hits both alike
                print(f"round {round_number}: {program.name}", file=sys.stderr, flush=True)
                results[program.name].append(one_round(program, args, start_up[program.name]))
    finally:
        keeper.kill()
        keeper.wait()

    sizes = {p.name: os.path.getsize(p.exe) / 1024 for p in programs}
    rows = table(results, sizes, {"start-up (ms)": start_up_ratios})
    print_table(rows, args.rounds)
    if args.json:
        with open(args.json, "w") as out:
            json.dump({"rounds": args.rounds, "figures": rows}, out, indent=2)


SCREEN = WINDOWS = None
if __name__ == "__main__":
    SCREEN = ScreenReader()
    WINDOWS = XWindows(SCREEN.x, SCREEN.display)
    main()
