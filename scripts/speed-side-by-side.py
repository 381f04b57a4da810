#!/usr/bin/python3
"""Times two builds of Dorvane side by side, on the same machine in one run.

    scripts/speed-side-by-side.py BEFORE_BUILD AFTER_BUILD [--rounds N]

BEFORE_BUILD and AFTER_BUILD are CMake build folders (each with bin/dorvane
and bench/dorvane_bench; AFTER_BUILD also with bench/dorvane_big_calendar).
Every measure alternates between the two builds, round after round, so that
both share whatever else the machine is doing; the medians are printed as a
Markdown table on standard output, progress on standard error.

The measures:
  - a year to PDF from the command line, 52 weeks of the benchmarks' big
    calendar with TZ unset (wall and CPU time), the stat calls on
    /etc/localtime in that run (strace), the pages of the PDF;
  - LibreOffice converting each build's saved year to PDF (when soffice is
    installed): its time, its pages, and its time over ours;
  - the window's and the import's benchmarks of dorvane_bench, by name;
  - the cold start (under xvfb-run, when it is installed): the AFTER build's
    benchmark timing each build's program beside a bare Qt window, with the
    program's files in memory and, when run as root, read from the disk
    (the page cache dropped before every start).
"""
import argparse
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

BENCHMARKS = [
    # (name shown, filter)
    ("BM_ImportCalendar", "^BM_ImportCalendar/"),
    ("BM_LibicalParse", "^BM_LibicalParse(/0)?/min_time"),
    ("BM_PlannerDocument", "^BM_PlannerDocument/"),
    ("BM_PlannerBuildAndSave", "^BM_PlannerBuildAndSave/"),
    ("BM_StartToPreview", "^BM_StartToPreview/"),
]
FIRST_MONDAY = "2026-01-05"


def log(text):
    print(text, file=sys.stderr, flush=True)


def run(command, env=None, timeout=1800, **kwargs):
    return subprocess.run(command, env=env, timeout=timeout, check=True, **kwargs)


def unset_tz():
    env = dict(os.environ)
    env.pop("TZ", None)
    return env


def year_run(build, folder, calendar):
    """One year to PDF (and saved); returns (wall s, cpu s)."""
    out = os.path.join(folder, os.path.basename(build.rstrip("/")))
    os.makedirs(out, exist_ok=True)
    command = [os.path.join(build, "bin", "dorvane"), "--import", calendar, "--week", FIRST_MONDAY,
               "--weeks", "52", "--save", os.path.join(out, "year.doc"), "--pdf", os.path.join(out, "year.pdf"),
               "--force", "--quiet"]
    start = time.monotonic()
    before = os.times()
    run(command, env=unset_tz(), stdout=subprocess.DEVNULL)
    after = os.times()
    wall = time.monotonic() - start
    cpu = (after.children_user - before.children_user) + (after.children_system - before.children_system)
    return wall, cpu, out


def zone_stats(build, folder, calendar):
    """The stat calls on /etc/localtime in one year's run with TZ unset."""
    trace = os.path.join(folder, "strace.log")
    command = ["strace", "-f", "-qq", "-e", "trace=%%stat", "-o", trace, os.path.join(build, "bin", "dorvane"),
               "--import", calendar, "--week", FIRST_MONDAY, "--weeks", "52",
               "--pdf", os.path.join(folder, "stats.pdf"), "--force", "--quiet"]
    run(command, env=unset_tz(), stdout=subprocess.DEVNULL)
    with open(trace, errors="replace") as lines:
        return sum(1 for line in lines if "/etc/localtime" in line)


def pdf_pages(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def libreoffice(document, folder, profile):
    """LibreOffice's conversion of `document` to PDF: (seconds, pages)."""
    out = os.path.join(folder, "libreoffice")
    command = ["soffice", "--headless", "--norestore", "-env:UserInstallation=file://" + profile,
               "--convert-to", "pdf", "--outdir", out, document]
    start = time.monotonic()
    run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    seconds = time.monotonic() - start
    return seconds, pdf_pages(os.path.join(out, os.path.splitext(os.path.basename(document))[0] + ".pdf"))


def benchmark(build, name_filter):
    """CPU and real time (ms) of one benchmark, the median of its repetitions."""
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    command = [os.path.join(build, "bench", "dorvane_bench"), "--benchmark_filter=" + name_filter,
               "--benchmark_format=json"]
    output = run(command, env=env, capture_output=True, text=True).stdout
    entries = json.loads(output)["benchmarks"]
    # Repeated benchmarks report their aggregates only: their median then.
    runs = [b for b in entries if b.get("aggregate_name") == "median"] or \
        [b for b in entries if b.get("run_type") == "iteration"]
    if not runs or any(b.get("error_occurred") for b in runs):
        raise RuntimeError(f"{name_filter} did not run in {build}")
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    cpu = statistics.median(b["cpu_time"] * scale[b["time_unit"]] for b in runs)
    real = statistics.median(b["real_time"] * scale[b["time_unit"]] for b in runs)
    return cpu, real, runs[0]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("before")
    parser.add_argument("after")
    parser.add_argument("--rounds", type=int, default=3)
    arguments = parser.parse_args()
    builds = {"before": arguments.before, "after": arguments.after}
    results = {key: {} for key in builds}

    def add(key, measure, value):
        results[key].setdefault(measure, []).append(value)

    with tempfile.TemporaryDirectory(prefix="dorvane-speed-") as folder:
        calendar = os.path.join(folder, "big.ics")
        run([os.path.join(arguments.after, "bench", "dorvane_big_calendar"), calendar])

        log("year to PDF, stat calls")
        documents = {}
        for key, build in builds.items():
            results[key]["localtime stats"] = [zone_stats(build, folder, calendar)]
        for round_ in range(arguments.rounds):
            for key, build in builds.items():
                wall, cpu, out = year_run(build, folder, calendar)
                add(key, "year wall s", wall)
                add(key, "year CPU s", cpu)
                documents[key] = out
                log(f"  round {round_ + 1} {key}: {wall:.2f} s wall, {cpu:.2f} s CPU")
        for key in builds:
            results[key]["year PDF pages"] = [pdf_pages(os.path.join(documents[key], "year.pdf"))]

        if shutil.which("soffice"):
            log("LibreOffice")
            with tempfile.TemporaryDirectory(prefix="dorvane-lo-profile-") as profile:
                libreoffice(os.path.join(documents["after"], "year.doc"), folder, profile)  # its profile, untimed
                for round_ in range(max(1, arguments.rounds - 1)):
                    for key in builds:
                        seconds, pages = libreoffice(os.path.join(documents[key], "year.doc"), folder, profile)
                        add(key, "LibreOffice s", seconds)
                        results[key]["LibreOffice pages"] = [pages]
                        log(f"  round {round_ + 1} {key}: {seconds:.2f} s")
            for key in builds:
                results[key]["LibreOffice s / ours"] = [statistics.median(results[key]["LibreOffice s"]) /
                                                        statistics.median(results[key]["year wall s"])]

        log("benchmarks")
        for shown, name_filter in BENCHMARKS:
            for round_ in range(arguments.rounds):
                for key, build in builds.items():
                    cpu, real, _ = benchmark(build, name_filter)
                    add(key, shown + " CPU ms", cpu)
                    add(key, shown + " real ms", real)
                    log(f"  {shown} round {round_ + 1} {key}: {cpu:.2f} ms CPU")
        for key in builds:
            results[key]["import : libical"] = [statistics.median(results[key]["BM_ImportCalendar CPU ms"]) /
                                                statistics.median(results[key]["BM_LibicalParse CPU ms"])]

        if shutil.which("xvfb-run"):
            # From memory always; from the disk too when this runs as root.
            kinds = [("BM_ColdStartBesideBareWindow", "cold start", {})]
            if os.geteuid() == 0:
                kinds.append(("BM_ColdStartFromDisk", "cold start from disk", {"DORVANE_COLD_START_FROM_DISK": "1"}))
            for bench_name, shown, extra in kinds:
                log(shown)
                for round_ in range(arguments.rounds):
                    for key, build in builds.items():
                        program = os.path.abspath(os.path.join(build, "bin", "dorvane"))
                        command = ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24",
                                   os.path.join(arguments.after, "bench", "dorvane_bench"),
                                   f"--benchmark_filter=^{bench_name}", "--benchmark_format=json"]
                        env = dict(os.environ, DORVANE_COLD_START_PROGRAM=program, **extra)
                        env.pop("QT_QPA_PLATFORM", None)
                        output = run(command, env=env, capture_output=True, text=True).stdout
                        entry = json.loads(output)["benchmarks"][0]
                        if entry.get("error_occurred"):
                            raise RuntimeError(shown + ": " + entry.get("error_message", ""))
                        add(key, shown + " ms", entry["real_time"])
                        add(key, shown + ", bare window ms", entry["bare_ms"])
                        add(key, shown + ", bare window with text ms", entry["bare_text_ms"])
                        add(key, shown + " : bare", entry["ratio"])
                        add(key, shown + " : bare with text", entry["ratio_text"])
                        log(f"  round {round_ + 1} {key}: {entry['real_time']:.1f} ms, ratio {entry['ratio']:.2f}")

    print(f"| Measure (median of {arguments.rounds} rounds, alternating) | before | after |")
    print("|---|---|---|")
    for measure in results["after"]:
        values = [statistics.median(results[key][measure]) if measure in results[key] else None for key in builds]
        shown = ["" if value is None else (f"{value:.0f}" if value >= 100 else f"{value:.3g}") for value in values]
        print(f"| {measure} | {shown[0]} | {shown[1]} |")


if __name__ == "__main__":
    main()
