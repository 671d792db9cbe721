#!/usr/bin/python3
"""The web page's speed in headless Chromium, from file://: a question file
of 3000 record lines of 200 characters (ASCII, an accented letter in every
sixteen, every letter accented) given to its file picker RUNS times; prints
the medians of the conversion (the module's run, its answer read and the
database decoded) and of the showing (editor, notes, preview, answer key),
as the page measures them (performance.measure).

  bench/page_speed.py PAGE [RUNS]
"""
import pathlib
import statistics
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "web"))
from page_driver import PageRun, start_browser  # noqa: E402

MEASURES = """
const times = (name) => performance.getEntriesByName(name).map((entry) => entry.duration);
const answer = [times('qdconv conversion'), times('qdconv showing')];
performance.clearMeasures();
return answer;
"""


def question_file(every):
    lines = ["Benchmark"]
    for line in range(3000):
        lines.append("".join("\u00e9" if every and i % every == 0 else chr(33 + (line + i) % 90)
                             for i in range(200)))
    return "\n".join(lines).encode("utf-8")


def main():
    page = pathlib.Path(sys.argv[1]).resolve().as_uri()
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="qdconv-page-speed-"))
    driver = start_browser(scratch)
    try:
        driver.get(page)
        page_run = PageRun(driver, scratch)
        for name, every in (("ASCII", 0), ("UTF-8-1-in-16", 16), ("UTF-8-all-accented", 1)):
            path = scratch / ("%s.txt" % name)
            path.write_bytes(question_file(every))
            page_run.give(path)  # the first run warms the module up
            driver.execute_script(MEASURES)
            for _ in range(runs):
                page_run.give(path)
            conversion, showing = driver.execute_script(MEASURES)
            print("%s: conversion %.1f ms, showing %.1f ms (medians of %d)"
                  % (name, statistics.median(conversion), statistics.median(showing), runs))
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
