#!/usr/bin/env python3
"""Pins kestrova-cli's output on many random runners, so a change that must not alter any
printed number can be checked byte for byte.

    scripts/pin-outputs.py CLI OUTDIR [--count 300] [--seed 1] [--min-age 5] [--max-age 90]
                           [--long-races]

writes OUTDIR/NNNN/settings.txt (a random settings file) and one file per command holding its
exit status, standard output and standard error. Run it before and after a change with the same
count, seed and ages, then compare: `diff -r BEFORE AFTER`.
"""
import argparse
import os
import random
import subprocess
import sys

UNITS = ["mi", "yd", "km", "m", "mara", "hmara"]  # the order of a row's six unit buttons

# Realistic race distances per unit, and the pace range they are run at (seconds per km).
DISTANCES = {
    "mi": [1, 2, 3, 5, 6.2, 10, 13.1, 26.2, 50],
    "yd": [100, 220, 440, 880, 1760],
    "km": [1, 3, 5, 8, 10, 12, 15, 21.1, 25, 30, 42.195, 100],
    "m": [100, 200, 400, 800, 1500, 1609, 3000, 5000, 10000],
    "mara": [1],
    "hmara": [1],
}
METRES = {"mi": 1609.344, "yd": 0.9144, "km": 1000.0, "m": 1.0, "mara": 42195.0, "hmara": 21097.5}


def boolean(value):
    return "True" if value else "False"


def bar(value):
    return " %d " % value


def race_time(rng, metres, base_pace):
    # Longer races are run slower: a Riegel-like fade on a base pace per km at 5 km.
    pace = base_pace * (metres / 5000.0) ** 0.06 * rng.uniform(0.95, 1.05)
    return max(metres / 1000.0 * pace, 9.0)


def race_row(rng, base_pace, used):
    unit = rng.choice(UNITS)
    number = rng.choice(DISTANCES[unit])
    metres = number * METRES[unit]
    seconds = race_time(rng, metres, base_pace)
    hours = int(seconds // 3600)
    minutes = int((seconds - hours * 3600) // 60)
    rest = seconds - hours * 3600 - minutes * 60
    lines = [bar(1 if used else 0), str(hours) if hours else "", str(minutes),
             ("%.1f" % rest) if rng.random() < 0.5 else str(int(rest)), "%g" % number]
    lines += [boolean(u == unit) for u in UNITS]
    return lines


def settings_file(rng, min_age, max_age):
    male = rng.random() < 0.5
    lines = [boolean(male), boolean(not male), bar(rng.randint(0, 150)),
             str(rng.randint(min_age, max_age)), bar(rng.randint(80, 260)),
             bar(rng.choice([1000, 900, 800, 750, 600, rng.randint(300, 1050)])),
             bar(rng.choice([0, 1])),
             ]
    best_two = rng.random() < 0.4
    metric = rng.random() < 0.5
    lines += [boolean(best_two), boolean(not best_two), boolean(metric), boolean(not metric)]
    base_pace = rng.uniform(170, 420)
    used_rows = rng.randint(1, 5)
    for row in range(5):
        lines += race_row(rng, base_pace, row < used_rows or rng.random() < 0.2)
    return "".join(line + "\r\n" for line in lines)


COMMANDS = {
    "table": ["table"],
    "table_json": ["table", "--json"],
    "report": ["report", "--name", "Pin Runner"],
    "analysis": ["analysis"],
    "power": ["power"],
    "power_metric_json": ["power", "--metric", "--json"],
    "perftable_general": ["perftable", "--kind", "general"],
    "perftable_age": ["perftable", "--kind", "age", "--min", "40", "--interval", "5"],
    "perftable_age_json": ["perftable", "--kind", "age", "--json"],
    "perftable_individual": ["perftable", "--kind", "individual"],
    "perftable_individual_json": ["perftable", "--kind", "individual", "--json"],
    "special_level": ["special", "--distance", "15", "--unit", "km"],
    "special_splits": ["special", "--unit", "mara", "--analysis", "splits"],
    "special_slope": ["special", "--analysis", "slope", "--slope", "-0.03", "--json"],
    "special_halfhill": ["special", "--analysis", "halfhill", "--km-paces"],
    "graph_json": ["graph", "--json"],
    "graph_json_2_english": ["graph", "--json", "--scale", "2", "--units", "english"],
}

# Commands that need no runner: pinned once, not per file.
FIXED = {
    "slopes_%d%s%s" % (r, h, m): ["slopes", "--range", str(r)] + (["--horizontal"] if h else [])
    + (["--metric"] if m else []) + (["--json"] if r == 4 else [])
    for r in (1, 2, 3, 4) for h in ("", "_h") for m in ("", "_m")
}
FIXED.update({"treadmill": ["treadmill"], "treadmill_metric_json": ["treadmill", "--metric", "--json"]})

# The slowest inputs Calculate accepts: five races of about 300 km (the longest accepted), close
# together, at nearly equal speeds: (speed in m/s, metres between races, slowing per race in m/s).
LONG_RACES = {"slow_close": (0.6, 10.0, 0.01), "brisk_alike": (4.5, 0.01, 0.00001),
              "fast_alike": (6.0, 0.01, 0.00001), "faster_alike": (8.0, 1.0, 0.00001),
              "fast_spread": (5.0, 20000.0, 0.1)}


def long_races_file(speed, spacing, slowing, best_two, metric):
    lines = [boolean(True), boolean(False), bar(50), "35", bar(150), bar(800), bar(0)]
    lines += [boolean(best_two), boolean(not best_two), boolean(metric), boolean(not metric)]
    for row in range(5):
        metres = 300000.0 - spacing * (4 - row)
        lines += [bar(1), "0", "0", "%.6f" % (metres / (speed - slowing * row)), "%.6f" % metres]
        lines += [boolean(u == "m") for u in UNITS]
    return "".join(line + "\r\n" for line in lines)


def pin_long_races(cli, outdir):
    for name, (speed, spacing, slowing) in LONG_RACES.items():
        for best_two in (False, True):
            folder = os.path.join(outdir, "long_%s_%s" % (name, "best" if best_two else "all"))
            os.makedirs(folder, exist_ok=True)
            with open(os.path.join(folder, "settings.txt"), "w", newline="") as out:
                out.write(long_races_file(speed, spacing, slowing, best_two, best_two))
            for command in ("table", "table_json", "report", "graph_json"):
                run(cli, COMMANDS[command] + ["--settings", "settings.txt"],
                    os.path.join(folder, command))


def run(cli, args, path):
    # Run inside the output folder with a relative settings path, so messages that quote the
    # path read the same whatever OUTDIR is.
    done = subprocess.run([os.path.abspath(cli)] + args, capture_output=True,
                          cwd=os.path.dirname(path), env=dict(os.environ, LC_ALL="C"))
    with open(path, "wb") as out:
        out.write(b"exit %d\n--- stdout\n" % done.returncode)
        out.write(done.stdout)
        out.write(b"--- stderr\n")
        out.write(done.stderr)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("outdir")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--min-age", type=int, default=5)
    parser.add_argument("--max-age", type=int, default=90)
    parser.add_argument("--long-races", action="store_true",
                        help="also pin the five-longest-races inputs")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    os.makedirs(args.outdir, exist_ok=True)
    fixed_dir = os.path.join(args.outdir, "fixed")
    os.makedirs(fixed_dir, exist_ok=True)
    for name, command in FIXED.items():
        run(args.cli, command, os.path.join(fixed_dir, name))
    if args.long_races:
        pin_long_races(args.cli, args.outdir)
    for index in range(args.count):
        folder = os.path.join(args.outdir, "%04d" % index)
        os.makedirs(folder, exist_ok=True)
        settings = os.path.join(folder, "settings.txt")
        with open(settings, "w", newline="") as out:
            out.write(settings_file(rng, args.min_age, args.max_age))
        for name, command in COMMANDS.items():
            run(args.cli, command + ["--settings", "settings.txt"], os.path.join(folder, name))
    print("pinned %d runners x %d commands in %s" % (args.count, len(COMMANDS), args.outdir))


if __name__ == "__main__":
    sys.exit(main())
