#!/usr/bin/python3
"""The web page's editor and tools, in headless Chromium from file://:
swapping questions and answers, and undoing it; the answer key printed
without the page's controls; every converted file in one zip whose entries
are byte for byte the single downloads (checked with Python's zipfile and
unzip -t); line numbers that follow a text of 3001 lines; a preview row
that puts the cursor on its line; an opened table's text that ends without
a line end; downloads named after the first line once the text is no
longer the opened file's; and the note for the old emulator on a name
beyond A to Z; and a copied file, pasted, opened as if dropped.

  web_tools_test.py PAGE QDCONV
"""
import argparse
import io
import pathlib
import shutil
import subprocess
import sys
import tempfile
import zipfile

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from page_driver import (PageRun, Tally, console_errors, open_page, run_native,
                         start_browser, wait_for)

SET_TEXT = """
const area = document.getElementById('text');
area.value = arguments[0];
area.dispatchEvent(new Event('input'));
"""


def editor_text(page_run):
    return page_run.attribute("text", "value")


def check_swap(page_run):
    """Swap turns each pair round, leaves a last lone question, and the
    browser's undo gives the text back."""
    text = "Vocabulaire\nchien\ndog\nchat\ncat\noiseau"
    page_run.type_text(text)
    page_run.element("swap").click()
    swapped = "Vocabulaire\ndog\nchien\ncat\nchat\noiseau"
    faults = []
    if editor_text(page_run) != swapped:
        faults.append("swapped, the editor holds %r" % editor_text(page_run))
    wait_for(lambda: page_run.attribute("result", "data-state") == "done", "the swapped run")
    first = page_run.driver.find_elements(By.CSS_SELECTOR, "#preview tbody tr[data-place] td")
    if not first or first[0].text != "dog":
        faults.append("the preview does not follow the swap")
    page_run.element("text").send_keys(Keys.CONTROL, "z")
    wait_for(lambda: editor_text(page_run) != swapped, "the undo")
    if editor_text(page_run) != text:
        faults.append("undone, the editor holds %r" % editor_text(page_run))
    return faults


PRINTED = """
const shown = (node) => node.getClientRects().length > 0;
return {controls: Array.from(document.querySelectorAll('button, input, select, textarea, h1'))
                       .filter(shown).map((node) => node.outerHTML.slice(0, 60)),
        key: Array.from(document.querySelectorAll('#answer-key tbody tr'),
                        (row) => Array.from(row.children, (cell) => cell.textContent)),
        heading: document.querySelector('#answer-key h2').textContent,
        count: document.querySelector('#answer-key p').textContent};
"""


def check_print(page_run, scratch):
    """Printed, the page is the answer key: the quiz's name, its count and
    its numbered pairs, and none of the page's controls."""
    quiz = scratch / "print.txt"
    quiz.write_bytes(b"Capitales\nFrance ?\nParis\nEspagne ?\nMadrid\nItalie ?\nRome")
    page_run.give(quiz)
    driver = page_run.driver
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    try:
        printed = driver.execute_script(PRINTED)
    finally:
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    faults = ["printed, %s shows" % control for control in printed["controls"]]
    if printed["key"] != [["1", "France ?", "Paris"], ["2", "Espagne ?", "Madrid"],
                          ["3", "Italie ?", "Rome"]]:
        faults.append("the key holds %r" % printed["key"])
    if (printed["heading"], printed["count"]) != ("Capitales", "3 questions"):
        faults.append("the key is headed %r, %r" % (printed["heading"], printed["count"]))
    if driver.execute_script("return getComputedStyle(document.getElementById('answer-key'))"
                             ".display") != "none":
        faults.append("the answer key shows on the screen")
    return faults


def check_zip(page_run, qdconv, scratch, source_dir):
    """Several files: one zip of the converted ones, each entry the single
    download's bytes, a name given twice numbered, and a sound archive."""
    given = scratch / "zip"
    (given / "other").mkdir(parents=True)
    files = [given / "capitals.txt", given / "refused.txt", given / "quiz.txt",
             given / "other" / "quiz.txt", given / "Été.csv"]
    files[0].write_bytes((source_dir / "examples" / "capitals.txt").read_bytes())
    files[1].write_bytes(b"Quiz\n" + b"x" * 201 + b"\nA")
    files[2].write_bytes(b"Quiz\nQ?\nA")
    files[3].write_bytes(b"Other quiz\nQ2?\nA2")
    files[4].write_bytes("Été;Sommer\r\nHiver;Winter\r\n".encode("utf-8"))
    page_run.give(*files)
    singles = []
    for item in page_run.driver.find_elements(By.CSS_SELECTOR, "#file-list > li"):
        button = item.find_element(By.CSS_SELECTOR, "button.download")
        if button.is_displayed():
            singles.append(page_run.download(button))
    names = ["capitals.pdb", "quiz.pdb", "quiz (2).pdb", "Été.pdb"]
    faults = []
    if len(singles) != 4:
        return ["%d single downloads, not 4" % len(singles)]
    if singles[1] != run_native(qdconv, "quiz.txt", files[2].read_bytes(), scratch)[3]:
        faults.append("the single download of quiz.txt is not what qdconv writes")
    button = page_run.element("download-all")
    archive = page_run.download(button)
    if button.get_attribute("data-file-name") != "quizzes.zip":
        faults.append("the zip is named %r" % button.get_attribute("data-file-name"))
    with zipfile.ZipFile(io.BytesIO(archive)) as opened:
        if opened.testzip() is not None:
            faults.append("zipfile finds %s damaged" % opened.testzip())
        if opened.namelist() != names:
            faults.append("the zip holds %r" % opened.namelist())
        for name, single in zip(names, singles):
            if name in opened.namelist() and opened.read(name) != single:
                faults.append("%s in the zip is not its single download" % name)
    (scratch / "quizzes.zip").write_bytes(archive)
    test = subprocess.run(["unzip", "-t", str(scratch / "quizzes.zip")], capture_output=True,
                          check=False)
    if test.returncode != 0:
        faults.append("unzip -t: %s" % test.stdout.decode(errors="replace"))
    return faults


LINES = """
const area = document.getElementById('text');
const gutter = document.getElementById('line-numbers');
area.scrollTop = area.scrollHeight;
return [gutter.textContent.split('\\n').length, gutter.textContent.slice(-5),
        getComputedStyle(gutter).lineHeight === getComputedStyle(area).lineHeight &&
        getComputedStyle(gutter).paddingTop === getComputedStyle(area).paddingTop,
        gutter.scrollWidth <= gutter.clientWidth];
"""

SCROLLED = """
const area = document.getElementById('text');
return area.scrollTop > 0 && document.getElementById('line-numbers').scrollTop === area.scrollTop;
"""


def check_line_numbers(page_run):
    """3001 lines get 3001 numbers, set as the text is, and scrolled to the
    end with it."""
    driver = page_run.driver
    driver.execute_script(SET_TEXT, "Quiz\n" + "\n".join("Q%d" % k for k in range(3000)))
    count, last, same_rows, whole = driver.execute_script(LINES)
    faults = [] if whole else ["the numbers are cut off"]
    if (count, last) != (3001, "\n3001"):
        faults.append("%d numbers, the last %r" % (count, last))
    if not same_rows:
        faults.append("the numbers' rows are not the text's")
    try:
        wait_for(lambda: driver.execute_script(SCROLLED), "the numbers scrolled with the text", 5)
    except AssertionError as error:
        faults.append(str(error))
    return faults


def cursor_line(page_run):
    return page_run.driver.execute_script(
        "const area = document.getElementById('text');"
        "return [document.activeElement === area,"
        " area.value.slice(0, area.selectionStart).split('\\n').length];")


def check_row_to_line(page_run, scratch):
    """A click on a preview row puts the cursor on its line: the pair's
    question line in a text, the row's question line in a table's text."""
    faults = []
    text = scratch / "rows.txt"
    text.write_bytes(b"Capitales\nFrance ?\nParis\n\nEspagne ?\nMadrid\nItalie ?\nRome")
    table = scratch / "rows.csv"
    table.write_bytes(b"France ?;Paris\r\n\r\nEspagne ?;Madrid\r\nItalie ?;Rome\r\n")
    for given, place, line in ((text, "6", 6), (table, "4", 6)):
        page_run.give(given)
        row = page_run.driver.find_element(By.CSS_SELECTOR,
                                           "#preview tr[data-place='%s'] td" % place)
        row.click()
        if cursor_line(page_run) != [True, line]:
            faults.append("%s: the row at %s puts the cursor at %r, not line %d"
                          % (given.name, place, cursor_line(page_run), line))
    return faults


TYPED_AT_END = """
return document.getElementById('result').dataset.state === 'done' &&
       document.getElementById('text').value.endsWith(arguments[0]);
"""


def type_at_end(page_run, keys):
    """Types |keys| at the very end of the editor's text and waits for the
    page's run of the text they end."""
    area = page_run.element("text")
    area.send_keys(Keys.CONTROL, Keys.END)
    area.send_keys(keys)
    wait_for(lambda: page_run.driver.execute_script(TYPED_AT_END, keys), "the typed text's run")


def download_names(page_run):
    """The names the database and the question file download as."""
    return page_run.shown()["download"], page_run.attribute("download-text", "data-file-name")


def check_opened_table(page_run, scratch):
    """An opened table's text ends without a line end, so what is typed at
    its end fills the last line; its downloads keep the file's name while
    the first line is the file's, and follow the first line after."""
    table = scratch / "vide.csv"
    table.write_bytes(b"Q1;A1\r\n")
    page_run.give(table)
    faults = []
    if editor_text(page_run) != "vide\nQ1\nA1":
        faults.append("the table's text is %r" % editor_text(page_run))
    type_at_end(page_run, "!")
    names = download_names(page_run)
    if editor_text(page_run) != "vide\nQ1\nA1!" or names != ("vide.pdb", "vide.txt"):
        faults.append("typed at the end: %r, downloads %r" % (editor_text(page_run), names))
    # A last row without an answer keeps its empty answer line, and its line
    # end: without it the text would hold one question, not two.
    table.write_bytes(b"Q1;A1\r\nQ2;\r\n")
    page_run.give(table)
    type_at_end(page_run, "!")
    shown = (editor_text(page_run), page_run.shown()["questions"])
    if shown != ("vide\nQ1\nA1\nQ2\n\n!", "2"):
        faults.append("a table ending in an empty cell, typed at its end: %r" % (shown,))
    page_run.type_text("Animaux\nchien\ndog")
    names = download_names(page_run)
    if names != ("Animaux.pdb", "Animaux.txt"):
        faults.append("a new quiz typed over it downloads as %r" % (names,))
    return faults


def check_old_emulator_note(page_run):
    """The next steps say when the old emulator would refuse the name."""
    faults = []
    for name, shown in (("Capitals", False), ("Capitales d'été", True)):
        page_run.type_text(name + "\nQ?\nA")
        if page_run.element("old-emulator-name").is_displayed() != shown:
            faults.append("the note for the old emulator %s for %r"
                          % ("is missing" if shown else "shows", name))
    return faults


PASTE_FILE = """
const area = document.getElementById('text');
area.focus();
const data = new DataTransfer();
data.items.add(new File([arguments[0]], 'copied.txt'));
area.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                cancelable: true}));
"""


def check_pasted_file(page_run):
    """A file copied and pasted into the editor is opened as if dropped."""
    runs = page_run.attribute("result", "data-runs")
    page_run.driver.execute_script(PASTE_FILE, "Copied\nQ?\nA")
    wait_for(lambda: page_run.attribute("result", "data-runs") != runs, "the pasted file's run")
    shown = (page_run.element("outcome").text, editor_text(page_run), page_run.shown()["download"])
    if shown != ("copied.txt: converted", "Copied\nQ?\nA", "copied.pdb"):
        return ["shows %r" % (shown,)]
    return []


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page")
    parser.add_argument("qdconv")
    arguments = parser.parse_args()
    page = pathlib.Path(arguments.page).resolve()
    source_dir = pathlib.Path(__file__).resolve().parents[2]
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="qdconv-web-tools-"))
    downloads = scratch / "downloads"
    downloads.mkdir()
    driver = start_browser(scratch)
    tally = Tally()
    try:
        page_run = open_page(driver, page.as_uri(), downloads)
        tally.report("swap, then undo", check_swap(page_run))
        tally.report("the printed answer key", check_print(page_run, scratch))
        tally.report("all in one zip", check_zip(page_run, arguments.qdconv, scratch, source_dir))
        tally.report("3001 line numbers", check_line_numbers(page_run))
        tally.report("a preview row leads to its line", check_row_to_line(page_run, scratch))
        tally.report("an opened table's text and names", check_opened_table(page_run, scratch))
        tally.report("the old emulator's names", check_old_emulator_note(page_run))
        tally.report("a copied file pasted", check_pasted_file(page_run))
        tally.report("no error in the browser's console", console_errors(driver))
    finally:
        driver.quit()
        shutil.rmtree(scratch, ignore_errors=True)
    return tally.close()


if __name__ == "__main__":
    sys.exit(main())
