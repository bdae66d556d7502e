"""Start-up runs of the browsers that scripts/bench-browser compares, under the
display it provides: times reported by the programs and seen from outside, and
peak memory, printed as medians with their spread.

Usage: bench.py RUNS NAME=COMMAND...
"""
import os, signal, statistics, subprocess, sys, threading, time

runs = int(sys.argv[1])
programs = [(name, cmd.split(" ")) for name, cmd in (a.split("=", 1) for a in sys.argv[2:])]
BARE, PLAIN, FALKON = "bare QWebEngineView", "plain Qt window", "Falkon"

SETTLE_S = 1.0

def now():
    return time.time() * 1000

# Top-level windows mapped on the screen, seen from outside the programs.
maps = []
xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
def watch():
    pending = False
    for line in xev.stdout:
        if line.startswith("MapNotify event"):
            pending = True
        elif pending:
            pending = False
            if "override NO" in line:
                maps.append(now())
threading.Thread(target=watch, daemon=True).start()
time.sleep(0.5)

def tree(pid):
    pids, todo = [], [pid]
    while todo:
        p = todo.pop()
        pids.append(p)
        try:
            with open(f"/proc/{p}/task/{p}/children") as f:
                todo += [int(c) for c in f.read().split()]
        except OSError:
            pass
    return pids

def pss_kib(pids):
    total = 0
    for p in pids:
        try:
            with open(f"/proc/{p}/smaps_rollup") as f:
                for line in f:
                    if line.startswith("Pss:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total

def run(name, cmd):
    """One start: times in ms from process start, peak PSS in MiB."""
    stamps = {}
    maps.clear()
    start = now()
    proc = subprocess.Popen(cmd, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, text=True,
                            start_new_session=True)
    def read():
        for line in proc.stderr:
            parts = line.split()
            if len(parts) == 3 and parts[0] == "bench":
                stamps[parts[1]] = int(parts[2]) - start
    reader = threading.Thread(target=read)
    reader.start()
    peak = 0
    deadline = now() + 60000
    while proc.poll() is None and now() < deadline:
        peak = max(peak, pss_kib(tree(proc.pid)))
        # Falkon prints no times and does not quit: it is stopped once its
        # window has been up about as long as the others run.
        if name == FALKON and maps and now() - maps[0] > 3000:
            break
        time.sleep(0.05)
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    proc.wait()
    reader.join()
    if maps:
        stamps["mapped"] = maps[0] - start
    stamps["PSS"] = peak / 1024
    return stamps

rounds = []
load_before = os.getloadavg()
for i in range(runs + 1):
    # Each round runs every program once, starting with a different one.
    order = programs[i % len(programs):] + programs[:i % len(programs)]
    results = {}
    for name, cmd in order:
        # Each start meets the same quiet machine. Started at once after
        # another, a program starts faster after a heavy one than after a
        # light one (measured here: 45-53 ms to main after the engine's
        # programs, 65-93 ms after the plain window), and the rotation gives
        # each program the same predecessor in most rounds.
        time.sleep(SETTLE_S)
        results[name] = run(name, cmd)
    if i > 0:  # the first round only warms the caches and makes Falkon's profile
        rounds.append(results)
load_after = os.getloadavg()
xev.kill()

def quartiles(values):
    q = statistics.quantiles(values, n=4, method="inclusive") if len(values) > 1 else values * 3
    return q[0], statistics.median(values), q[2]

columns = [("shown", "window shown (ms)"), ("mapped", "X window mapped (ms)"),
           ("loaded", "page loaded (ms)"), ("PSS", "peak PSS (MiB)")]
def values(name, key):
    return [r[name][key] for r in rounds if key in r[name]]

print(f"{runs} interleaved runs; load average {load_before[0]:.1f} at start, {load_after[0]:.1f} at end")
print("median [quartiles]")
print(f"{'program':22}" + "".join(f"{title:>22}" for _, title in columns))
for name, _ in programs:
    cells = []
    for key, _ in columns:
        v = values(name, key)
        if len(v) < len(rounds):
            cells.append(f"{'-' if not v else 'missing in some runs':>22}")
        else:
            lo, med, hi = quartiles(v)
            cells.append(f"{f'{med:.0f} [{lo:.0f}-{hi:.0f}]':>22}")
    print(f"{name:22}" + "".join(cells))

def ratio(peer, keys):
    parts = []
    for key in keys:
        a, b = values("Tavrello", key), values(peer, key)
        paired = [r["Tavrello"][key] / r[peer][key] for r in rounds if key in r["Tavrello"] and key in r[peer]]
        if len(a) < len(rounds) or len(b) < len(rounds):
            continue
        lo, _, hi = quartiles(paired)
        parts.append(f"{key} {statistics.median(a) / statistics.median(b):.2f}x [{lo:.2f}-{hi:.2f}]")
    print(f"Tavrello / {peer}: " + ", ".join(parts))

print("ratios of medians [quartiles of the round-by-round ratios]")
ratio(BARE, ["shown", "mapped", "loaded", "PSS"])
ratio(PLAIN, ["shown", "mapped"])
if any(name == FALKON for name, _ in programs):
    ratio(FALKON, ["mapped"])
