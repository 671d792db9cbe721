#!/usr/bin/python3
"""The web page as every teacher meets it, in headless Chromium from
file://: axe-core finds no violation in the light and the dark colour
scheme, in every language the page speaks, before and after conversions;
borders and focus rings stand out from the page (3:1); on a phone 320 px
wide nothing scrolls sideways, even with long file names and long lines,
and no drop hint is shown; at 360 px the question and the answer get the
room, their words whole; and a
browser without WebAssembly, or where the module fails to start, says at
load that it cannot run the converter.

  web_access_test.py PAGE AXE_SCRIPT
"""
import argparse
import pathlib
import shutil
import sys
import tempfile

from page_driver import (PageRun, Tally, choose_language, console_errors, start_browser,
                         wait_for)

RUN_AXE = """
const done = arguments[arguments.length - 1];
axe.run(document).then(
  (results) => done(results.violations.map((violation) => violation.id + ': ' +
    violation.nodes.map((node) => node.target.join(' ')).join(', '))),
  (error) => done(['axe failed: ' + error]));
"""


def colour_scheme(driver, scheme):
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-color-scheme", "value": scheme}]})


def axe_violations(driver, axe_source):
    driver.execute_script(axe_source + "\nwindow.axe = axe;")
    return driver.execute_async_script(RUN_AXE)


def luminance(rgb):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(one, other):
    light, dark = sorted((luminance(one), luminance(other)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


COLOURS = """
const rgb = (colour) => colour.match(/[\\d.]+/g).slice(0, 3).map(Number);
const page = rgb(getComputedStyle(document.body).backgroundColor);
const focused = document.activeElement;
return {page: page,
        border: rgb(getComputedStyle(document.getElementById('drop')).borderTopColor),
        focus: rgb(getComputedStyle(focused).outlineColor),
        focusStyle: getComputedStyle(focused).outlineStyle,
        focusedId: focused.id};
"""


def outline_faults(driver, scheme):
    """The drop box's border and the focus ring of the file picker, reached
    by the keyboard, against the page."""
    for _ in range(3):  # past the language switcher, to the picker
        driver.switch_to.active_element.send_keys("\t")
        if driver.execute_script("return document.activeElement.id") == "file":
            break
    wait_for(lambda: driver.execute_script("return document.activeElement.id") == "file",
             "the keyboard's focus on the file picker")
    colours = driver.execute_script(COLOURS)
    faults = []
    for part in ("border", "focus"):
        ratio = contrast(colours[part], colours["page"])
        if ratio < 3:
            faults.append("%s: the %s is %.2f:1 against the page" % (scheme, part, ratio))
    if colours["focusStyle"] == "none":
        faults.append("%s: the focused picker shows no ring" % scheme)
    return faults


LANGUAGES = ["en", "fr", "de", "es", "it", "pt", "nl"]


def check_schemes(page_run, page, axe_source, scratch):
    """axe-core in both schemes and in every language the page speaks: on
    the page as it opens, after a refusal whose preview shows where it
    stopped, and after a conversion with findings beside a list of several
    files; and the outlines in both schemes."""
    driver = page_run.driver
    blank = scratch / "blank-line.txt"
    blank.write_bytes(b"Capitals\nFrance?\nParis\n\nSpain?\nMadrid\n")
    refused = scratch / "refused.txt"
    refused.write_bytes(b"Quiz\n" + b"x" * 201 + b"\nA")
    faults = []
    for scheme in ("light", "dark"):
        colour_scheme(driver, scheme)
        driver.get(page)
        wait_for(lambda: driver.execute_script("return document.readyState") == "complete",
                 "the page")
        choose_language(driver, "en")
        faults += outline_faults(driver, scheme)
        for code in LANGUAGES:
            choose_language(driver, code)
            where = "%s, %s" % (scheme, code)
            faults += ["%s, at load: %s" % (where, v) for v in axe_violations(driver, axe_source)]
            page_run.give(refused)
            faults += ["%s, after a refusal: %s" % (where, v)
                       for v in axe_violations(driver, axe_source)]
            page_run.give(blank)
            page_run.give(blank, refused)
            faults += ["%s, after several files: %s" % (where, v)
                       for v in axe_violations(driver, axe_source)]
            driver.get(page)  # the next language starts from an empty page
    return faults


def check_phone(page_run, page, scratch):
    """320 px wide, touch only: no sideways scrolling, no drop hint."""
    driver = page_run.driver
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 320, "height": 640, "deviceScaleFactor": 2, "mobile": True})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                           {"enabled": True, "maxTouchPoints": 1})
    driver.get(page)
    long_name = scratch / ("Unit-3-" + "vocabulary-" * 12 + "revision.txt")
    long_name.write_bytes(b"Vocabulary\n" + b"Q" * 150 + b"?\n" + b"A" * 150 + b"\n\nQ2\n")
    other = scratch / ("Unit-4-" + "grammar-" * 14 + ".txt")
    other.write_bytes(b"Vocabulary\nQ?\nA\n")
    faults = []
    sideways = "return document.documentElement.scrollWidth - document.documentElement.clientWidth"
    for given in ((long_name,), (long_name, other)):
        page_run.give(*given)
        overflow = driver.execute_script(sideways)
        if overflow > 0:
            faults.append("with %d file(s) the page scrolls %d px sideways" % (len(given), overflow))
    if page_run.element("drop").find_element("css selector", ".drop-hint").is_displayed():
        faults.append("the drop hint shows on a phone")
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
    return faults


COLUMNS = """
const table = document.querySelector('#preview table');
const width = (cell) => cell.getBoundingClientRect().width;
const head = table.querySelectorAll('thead th');
const broken = [];
for (const text of table.querySelectorAll('td .text')) {
  const words = text.firstChild.data.split(' ');
  let at = 0;
  for (const word of words) {
    const range = document.createRange();
    range.setStart(text.firstChild, at);
    range.setEnd(text.firstChild, at + word.length);
    if (word.length > 0 && range.getClientRects().length > 1) broken.push(word);
    at += word.length + 1;
  }
}
return [width(head[0]) / width(table), width(head[1]) / width(table), broken];
"""


def check_phone_columns(page_run, page, scratch):
    """360 px wide: the row column leaves the question and the answer the
    room, and no word of theirs breaks inside, even beside pair 200-201."""
    driver = page_run.driver
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
    driver.get(page)
    quiz = scratch / "long-words.txt"
    pair = "Quelle est la capitale administrative de l'Australie ?\nCanberra, pas Sydney ni Melbourne\n"
    quiz.write_text("Capitales\n" + pair * 100, encoding="utf-8")
    page_run.give(quiz)
    page_run.element("show-all").click()
    place, question, broken = driver.execute_script(COLUMNS)
    faults = []
    if place > 0.2:
        faults.append("the row column takes %d%% of the table" % round(place * 100))
    if question < 0.35:
        faults.append("the question column has %d%% of the table" % round(question * 100))
    if broken:
        faults.append("words break inside: %r" % sorted(set(broken)))
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    return faults


UNSUPPORTED = """
const message = document.getElementById('unsupported');
return [!message.hidden &&
          message.textContent.replace(/\s+/g, ' ').includes('This browser cannot run the converter'),
        document.getElementById('file').disabled, document.getElementById('text').disabled,
        document.getElementById('status').textContent];
"""


def check_unsupported(scratch, page, disable):
    """A browser where |disable| runs before the page's scripts."""
    driver = start_browser(scratch / "no-wasm")
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": disable})
        driver.get(page)
        wait_for(lambda: driver.execute_script(UNSUPPORTED)[0], "the message")
        shown, picker_off, editor_off, status = driver.execute_script(UNSUPPORTED)
        faults = [] if picker_off and editor_off else ["the picker or the editor is still on"]
        if status != "This browser cannot run the converter.":
            faults.append("the status says %r" % status)
        if "read the file" in driver.find_element("tag name", "body").text:
            faults.append("reports a failure to read a file")
        return faults
    finally:
        driver.quit()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page")
    parser.add_argument("axe_script")
    arguments = parser.parse_args()
    page = pathlib.Path(arguments.page).resolve().as_uri()
    axe_source = pathlib.Path(arguments.axe_script).read_text()
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="qdconv-web-access-"))
    (scratch / "downloads").mkdir()
    tally = Tally()
    driver = start_browser(scratch)
    try:
        page_run = PageRun(driver, scratch / "downloads")
        tally.report("axe-core and outlines, light and dark",
                     check_schemes(page_run, page, axe_source, scratch))
        tally.report("320 px wide on a touch screen", check_phone(page_run, page, scratch))
        tally.report("360 px wide: room for questions and answers",
                     check_phone_columns(page_run, page, scratch))
        tally.report("no error in the browser's console", console_errors(driver))
    finally:
        driver.quit()
    tally.report("without WebAssembly", check_unsupported(
        scratch, page, "delete globalThis.WebAssembly;"))
    tally.report("when the module fails to start", check_unsupported(
        scratch, page, "WebAssembly.instantiate = () => Promise.reject(new Error('blocked'));"))
    shutil.rmtree(scratch, ignore_errors=True)
    return tally.close()


if __name__ == "__main__":
    sys.exit(main())
