#!/usr/bin/python3
"""Runs every benchmark of a Release build and prints one table: what, median wall time, median CPU time,
target and whether it is met. Exits with 1 when a target is missed. scripts/bench.sh builds the programs
and starts the X server the on-screen runs use.

How figures are judged, so that a busy machine does not decide them:
- times with a target of their own are judged on CPU time (the work of the measured thread or process);
- comparisons (on screen against offscreen, the program against a bare window, cellexport against Python)
  are judged on wall time, from runs of the two sides taken in turns, as medians over all runs;
- memory is judged as measured."""
import argparse
import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import time

PAIRS_WINDOW = 3        # processes per side for the load and switch runs (each does several runs itself)
PAIRS_EXPORT = 5        # cellexport and Python runs per side
PAIRS_STARTUP = 11      # starts per side
REPEATS_PURE = 3        # processes of each benchmark that needs no window

HERE = os.path.dirname(os.path.abspath(__file__))


class Table:
    def __init__(self):
        self.rows = []

    def add(self, what, wall, cpu, target="—", met=None):
        self.rows.append((what, wall, cpu, target, "—" if met is None else ("met" if met else "MISSED")))

    def print(self):
        print("| What | Median wall | Median CPU | Target | Result |")
        print("|---|---|---|---|---|")
        for row in self.rows:
            print("| " + " | ".join(row) + " |")

    @property
    def missed(self):
        return [row[0] for row in self.rows if row[4] == "MISSED"]


def duration(microseconds):
    if microseconds >= 1000:
        return "%.1f ms" % (microseconds / 1000)
    return "%.2f µs" % microseconds if microseconds < 100 else "%.0f µs" % microseconds


def results(command, env, cwd=None):
    """Runs a benchmark program; returns {key: (wall µs, cpu µs)} from its "result" lines."""
    done = subprocess.run(command, env=env, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          text=True)
    if done.returncode != 0:
        sys.exit("%s failed (%d):\n%s%s" % (command[0], done.returncode, done.stdout, done.stderr))
    found = {}
    for line in done.stdout.splitlines():
        parts = line.split()
        if len(parts) == 4 and parts[0] == "result":
            found[parts[1]] = (float(parts[2]), float(parts[3]))
    return found


def medians(runs, key):
    return statistics.median(run[key][0] for run in runs), statistics.median(run[key][1] for run in runs)


def child(command, env, cwd=None, stdout=subprocess.DEVNULL):
    """Runs a program to its end; returns (wall s, CPU s, started at, stdout)."""
    started = time.clock_gettime(time.CLOCK_MONOTONIC)
    process = subprocess.Popen(command, env=env, cwd=cwd, stdout=stdout, stderr=subprocess.DEVNULL)
    output = process.stdout.read() if stdout == subprocess.PIPE else b""
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.clock_gettime(time.CLOCK_MONOTONIC) - started
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("%s ended with %d" % (command[0], os.waitstatus_to_exitcode(status)))
    return wall, usage.ru_utime + usage.ru_stime, started, output


def peak_resident(command, env, cwd=None):
    """The peak resident memory of a run, in bytes, from GNU time, which starts the program from its own
    small process: a process forked from this large one would count this one's pages as its own. Kept
    apart from the timed runs, whose time would then include GNU time's own start."""
    with tempfile.NamedTemporaryFile("r") as peak:
        child(["/usr/bin/time", "-f", "%M", "-o", peak.name] + command, env, cwd)
        return int(peak.read()) * 1024


def pure_benchmarks(table, build, env):
    """The decoder, the processing and the chart engine; their targets hold for CPU time."""
    measured = {  # key: what, target text, target in µs
        "records.decode": ("Decoding one slot (header, texts, four blocks)", "< 20 µs", 20),
        "records.store": ("Reading, checking and storing one file of 999", "—", None),
        "processing": ("Smoothing, results grid and three result curves of one test", "< 20 µs", 20),
        "chart.paint": ("Painting the chart of a full test (4 × 255 points, 777 × 377)", "< 1 ms", 1000),
    }
    for program in ("records/records_benchmark", "processing/processing_benchmark",
                    "chartengine/chartengine_benchmark"):
        runs = [results([os.path.join(build, "tests/benchmarks", program)], env) for _ in range(REPEATS_PURE)]
        for key in runs[0]:
            what, target, limit = measured[key]
            wall, cpu = medians(runs, key)
            table.add(what, duration(wall), duration(cpu), target, None if limit is None else cpu < limit)


def window_benchmarks(table, build, offscreen_env, screen_env):
    """The load and the switch, offscreen and on a shown window, in alternating processes."""
    sides = {"offscreen": [], "shown": []}
    for _ in range(PAIRS_WINDOW):
        for side, env, extra in (("offscreen", offscreen_env, []), ("shown", screen_env, ["--shown"])):
            load = results([os.path.join(build, "tests/benchmarks/loading/loading_benchmark")] + extra, env)
            switch = results([os.path.join(build, "tests/benchmarks/switching/switching_benchmark")] + extra,
                             env)
            sides[side].append({**load, **switch})
    offscreen, shown = sides["offscreen"], sides["shown"]

    wall, cpu = medians(offscreen, "load.offscreen")
    table.add("Loading 999 files through the load command, window not shown", duration(wall), duration(cpu),
              "< 300 ms", cpu < 300e3)
    shown_wall, shown_cpu = medians(shown, "load.shown")
    ratio = shown_wall / wall
    table.add("Loading 999 files on a shown window (Xvfb), to the repaint: %.2f× the above" % ratio,
              duration(shown_wall), duration(shown_cpu), "≤ 1.5×", ratio <= 1.5)

    for key, what in (("decode.words", "Decoding one stored test's header and series"),
                      ("decode.computed", "… with results grid and smoothing"),
                      ("decode.window", "… and shown on the window with the chart kind")):
        table.add(what, *map(duration, medians(offscreen, key)))

    kinds = ("dV = f(t)", "T = f(t) with the refrigerator", "dV = f(T)", "result")
    for number, kind in enumerate(kinds, start=1):
        wall, cpu = medians(offscreen, "switch.kind%d.offscreen" % number)
        table.add("Choosing another test, %s: decode, chart fill and one paint" % kind, duration(wall),
                  duration(cpu), "< 2 ms", cpu < 2000)
        shown_wall, shown_cpu = medians(shown, "switch.kind%d.shown" % number)
        table.add("… on a shown window (Xvfb), to the repaint: %.2f× offscreen" % (shown_wall / wall),
                  duration(shown_wall), duration(shown_cpu))


def export_benchmark(table, build, env):
    """cellexport and the Python peer on the same 999 files, taken in turns."""
    with tempfile.TemporaryDirectory() as folder:
        listed = subprocess.run([os.path.join(build, "tests/benchmarks/cellexport/simulated_archive"), folder],
                                env=env, check=True, stdout=subprocess.PIPE, text=True).stdout.split()
        files = [os.path.relpath(path, folder) for path in listed]
        ours = [os.path.join(build, "cellexport")] + files
        peer = ["/usr/bin/python3", os.path.join(HERE, "peer/cellexport_peer.py")] + files
        check_same_tests(ours, peer, files, env, folder)
        runs = {"ours": [], "peer": []}
        for _ in range(PAIRS_EXPORT):
            runs["ours"].append(child(ours, env, folder))
            runs["peer"].append(child(peer, env, folder))
        peak = max(peak_resident(ours, env, folder) for _ in range(PAIRS_EXPORT))
    wall = statistics.median(run[0] for run in runs["ours"])
    cpu = statistics.median(run[1] for run in runs["ours"])
    peer_wall = statistics.median(run[0] for run in runs["peer"])
    peer_cpu = statistics.median(run[1] for run in runs["peer"])
    table.add("Python + numpy doing the same work on the same files (tests/benchmarks/peer)",
              duration(peer_wall * 1e6), duration(peer_cpu * 1e6))
    ratio = peer_wall / wall
    table.add("cellexport on 999 files: %.1f× faster than Python (CPU: %.1f×)" % (ratio, peer_cpu / cpu),
              duration(wall * 1e6), duration(cpu * 1e6), "≥ 30×", ratio >= 30)
    table.add("cellexport on 999 files: peak resident memory %.1f MiB" % (peak / 2**20), "—", "—",
              "≤ 24 MiB", peak <= 24 * 2**20)


def check_same_tests(ours, peer, files, env, folder):
    """Both sides must have evaluated every file, or the comparison means nothing."""
    for command in (ours, peer):
        tests = json.loads(child(command, env, folder, stdout=subprocess.PIPE)[3])["tests"]
        if [test["file"] for test in tests] != files or any("error" in test for test in tests):
            sys.exit("%s did not evaluate every file" % command[0])


def startup_benchmark(table, build, env):
    """The program and a bare window started in turns, each to its first paint."""
    runs = {"frostdil": [], "bare": []}
    with tempfile.TemporaryDirectory() as laboratory:
        for _ in range(PAIRS_STARTUP):
            for side, program in (("bare", "startup_bare_window"), ("frostdil", "startup_frostdil")):
                _, _, started, output = child([os.path.join(build, "tests/benchmarks/startup", program)],
                                              env, laboratory, stdout=subprocess.PIPE)
                _, painted, cpu, resident = output.split()
                runs[side].append((float(painted) / 1e6 - started, float(cpu) / 1e6, int(resident)))

    def median(side, index):
        return statistics.median(run[index] for run in runs[side])

    wall, cpu, bare_wall, bare_cpu = median("frostdil", 0), median("frostdil", 1), median("bare", 0), \
        median("bare", 1)
    table.add("Start to first paint of a bare Qt window with a menu (Xvfb)", duration(bare_wall * 1e6),
              duration(bare_cpu * 1e6))
    ratio = wall / bare_wall
    table.add("Start to first paint of frostdil: %.2f× the bare window (CPU: %.2f×)" % (ratio, cpu / bare_cpu),
              duration(wall * 1e6), duration(cpu * 1e6), "≤ 1.2×", ratio <= 1.2)
    resident, bare_resident = median("frostdil", 2), median("bare", 2)
    ratio = resident / bare_resident
    table.add("Resident memory at rest: frostdil %.1f MiB, bare window %.1f MiB: %.2f×"
              % (resident / 2**20, bare_resident / 2**20, ratio), "—", "—", "≤ 1.2×", ratio <= 1.2)


def machine():
    model = platform.processor()
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return "%s, %d cores, %s" % (model, os.cpu_count(), platform.platform(terse=True))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="the Release build folder")
    parser.add_argument("--display", required=True, help="the X display of the on-screen runs")
    parser.add_argument("--only", action="append", choices=["pure", "window", "export", "startup"],
                        help="run only this group of benchmarks (may be repeated)")
    arguments = parser.parse_args()
    build = os.path.abspath(arguments.build)

    runtime = tempfile.mkdtemp(prefix="bench-runtime-")
    base = dict(os.environ, XDG_RUNTIME_DIR=runtime, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    offscreen = dict(base, QT_QPA_PLATFORM="offscreen")
    screen = dict(base, QT_QPA_PLATFORM="xcb", DISPLAY=arguments.display)

    load_before = os.getloadavg()[0]
    table = Table()
    groups = {
        "pure": lambda: pure_benchmarks(table, build, offscreen),
        "window": lambda: window_benchmarks(table, build, offscreen, screen),
        "export": lambda: export_benchmark(table, build, offscreen),
        "startup": lambda: startup_benchmark(table, build, screen),
    }
    for group in arguments.only or groups:
        groups[group]()
    load_after = os.getloadavg()[0]

    print("Machine: %s; load average %.1f at the start, %.1f at the end." % (machine(), load_before, load_after))
    print()
    table.print()
    if table.missed:
        print("\nMissed: " + "; ".join(table.missed))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
