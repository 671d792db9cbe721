#!/usr/bin/python3
"""The web page in a real browser: headless Chromium, the page opened from
file://, question files and databases given to it through its file picker
(one at a time and several at once) and dropped on it, question files typed
into its editor and a spreadsheet's columns pasted there.

Each file, typed text or paste also goes through the native qdconv or
qdtext, which is the oracle: a conversion the program completes must give a
download that is byte for byte the file the program writes, with the
database's name and number of questions shown, and a preview of exactly its
records, every blank one marked; a refusal must show the message the
program's console ends with, and offer no download. Either way the page
must show the warnings and hints the program prints on standard error, in
its words. The page must make no network request at all, and break no rule
of its Content-Security-Policy.

  web_page_test.py PAGE QDCONV QDTEXT SOURCE_DIR [--screenshot PNG]
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

from selenium.webdriver.common.by import By

from page_driver import (CONVERTED, PageRun, Tally, choose_encoding, console_errors,
                         database_records, database_summary, network_requests, open_page,
                         run_native, start_browser, wait_for)


def capitals(line_end="\n"):
    return line_end.join(["Capitals", "France?", "Paris", "Spain?", "Madrid"]).encode()


def utf16(text, byte_order):
    return ("\ufeff" + text).encode("utf-16-le" if byte_order == "le" else "utf-16-be")


ACCENTS = "Capitales d'été\nOù est Paris ?\nÀ Paris, bien sûr\n“Madrid” – capitale de l’Espagne ?\nOui… 5 €"
RECORDS_3000 = "Quiz\n" + "".join("Q%d\n" % i for i in range(3000))


def question_files(source_dir):
    """(file name, bytes) of the question files given to the page."""
    example = (source_dir / "examples" / "capitals.txt").read_bytes()
    return [
        ("capitals.txt", example),
        ("quiz.txt", capitals()),
        ("quiz.txt", capitals("\r\n")),
        ("quiz.txt", capitals() + b"\n"),
        ("birds.txt", b"Birds\nRed breast?\nRobin"),
        ("ansi.txt", ACCENTS.encode("cp1252")),
        ("utf8.txt", ACCENTS.encode("utf-8")),
        ("bom.txt", b"\xef\xbb\xbf" + ACCENTS.encode("utf-8")),
        ("utf16le.txt", utf16(ACCENTS, "le")),
        ("utf16be.txt", utf16(ACCENTS.replace("\n", "\r\n"), "be")),
        ("empty.txt", b""),
        ("name-only.txt", b"Quiz"),
        ("name31.txt", b"n" * 31 + b"\nQ?"),
        ("name32.txt", b"n" * 32 + b"\nQ?"),
        ("lone-line-feed.txt", b"\nQ?\nA"),
        ("tab.txt", b"Capitals\tEurope\nQ?\nA"),
        ("record200.txt", b"Quiz\n" + b"x" * 200 + b"\nA"),
        ("record201.txt", b"Quiz\nQ1?\nA1\n" + b"x" * 201 + b"\nA"),
        ("last250.txt", b"Quiz\nQ?\n" + b"y" * 250),
        ("empty-record.txt", b"Quiz\nQ1?\n\nQ2?\nA2"),
        ("end-of-file.txt", b"Quiz\nQ1?\nA1\x1aQ2?\nA2\n"),
        ("carriage-returns.txt", b"Quiz\nQ\r1?\nA1\r"),
        ("nul.txt", b"Quiz\nab\x00cd\nA"),
        ("records3000.txt", RECORDS_3000.encode()),
        ("records3001.txt", (RECORDS_3000 + "A").encode()),
        ("emoji.txt", "Quiz\nQ1\nA1\nQ2\nA2\nQ3\nA3\nQ4 😀 ?\nA4".encode()),
        ("invalid.txt", b"\xef\xbb\xbfQuiz\nQ1\nCaf\xe9\nA"),
        ("looks-like-utf8.txt", b"Caf\xc3\xa9\nD\xe9j\xe0 vu ?\nOui"),
        ("polish-ansi.txt", "Słówka\r\nJak się masz?\r\nDziękuję bardzo".encode("cp1250")),
        ("french-dos.txt", "Vocabulaire\r\nOù est-il allé ?\r\nÀ côté de l'hôtel".encode("cp850")),
        ("turkish-ansi.txt", "Selam\r\nGünaydın?\r\nGood morning".encode("cp1254")),
        ("russian.txt", "Russian\nКак дела?\nХорошо\nСпасибо?".encode()),
        ("Łódź.txt", capitals()),
        ("quiz.old.txt", capitals()),
        ("blank-lines.txt", b"Capitales\nFrance ?\nParis\n\nEspagne ?\nMadrid\n\nItalie ?\nRome"),
        ("extra-enter.txt", capitals() + b"\n\n"),
        ("utf16le-without-mark.txt", ACCENTS.encode("utf-16-le")),
        ("utf16be-without-mark.txt", ACCENTS.encode("utf-16-be")),
        ("letter.rtf.txt", b"{\\rtf1\\ansi\\deff0\nCapitals\\par\n}"),
        ("polish.txt", "Quiz\nQ1\nWis\u0142\u0105\nA".encode()),
        ("Capitales.csv", "France ?;Paris\r\n\"Espagne ?\";\"Madrid, \"\"la\"\"\nville\"\r\n".encode("cp1252")),
        ("deck.TSV", b"#separator:tab\n#html:true\nFrance<br>?\tParis &amp; co&#233;\ttag\n"),
        ("missing-answer.csv", b"France?,\n,Madrid\n"),
        ("vocabulaire.csv",
         "Question;R\u00e9ponse\nBonjour, \u00e7a va ?;Hello, how are you?\n".encode()),
        ("mac.csv", b"France?,Paris\rSpain?,Madrid\r"),
        ("unclosed.csv", b'France?,Paris\n"Spain?,Madrid\n'),
        ("narrow-space.txt", "Quiz\nPrix\u202f?\n12\u202f\u20ac".encode()),
        ("zcaron-ansi.txt", b"Vocabulaire\nZ\x8eljko ?\nOui"),
    ]


def hex_fixture(source_dir, name):
    """The bytes of tests/fixtures/|name|.hex: hexadecimal pairs, '#' to the
    end of a line a comment."""
    text = (source_dir / "tests" / "fixtures" / (name + ".hex")).read_text()
    return bytes.fromhex("".join(line.split("#")[0] for line in text.splitlines()))


def databases(source_dir, qdconv, scratch):
    """(file name, bytes) of the databases given to the page."""
    files = [(name, hex_fixture(source_dir, name))
             for name in ("birds.pdb", "capitals.pdb", "example.pdb")]
    # What the native qdconv makes of the accented quiz, and a damaged copy.
    accented = run_native(qdconv, "accents.txt", ACCENTS.encode("utf-8"), scratch)[3]
    files.append(("accents.pdb", accented))
    files.append(("damaged.pdb", accented[:100]))
    foreign = bytearray(accented)
    foreign[60:68] = b"DATAmemo"
    files.append(("foreign.pdb", bytes(foreign)))
    files.append(("text-file-renamed.pdb", capitals() * 4))
    # A database holding a byte the handheld has no letter for: its question
    # file comes back in ANSI.
    files.append(("zcaron.pdb",
                  run_native(qdconv, "zcaron.txt", b"Vocabulaire\nZ\x8eljko ?\nOui", scratch)[3]))
    return files


def preview_faults(rows, records, table_rows=None):
    """How the preview's |rows| differ from the database's |records|: every
    row shown must be its pair, named by its lines (or |table_rows|); the
    first 20 pairs and every pair with a blank record must be shown, and
    those blank records marked."""
    pairs = [records[k:k + 2] for k in range(0, len(records), 2)]
    places = table_rows or [2 + 2 * k for k in range(len(pairs))]
    faults = []
    shown = {row[0]: row for row in rows}
    for index, pair in enumerate(pairs):
        blank = [text.strip(" \t") == "" for text in pair]
        row = shown.get(places[index])
        if row is None:
            if index < 20 or any(blank):
                faults.append("the pair at %d is not shown" % places[index])
            continue
        expected = [[text, is_blank] for text, is_blank in zip(pair, blank)]
        cells = row[1:1 + len(pair)]
        # A finding the oracle cannot see (a NUL byte's cut) may mark a row too.
        if [c[0] for c in cells] != pair or any(e[1] and not c[1] for e, c in zip(expected, cells)):
            faults.append("the pair at %d shows %r, not %r" % (places[index], cells, expected))
    if len(rows) > len(pairs):
        faults.append("%d rows for %d pairs" % (len(rows), len(pairs)))
    return faults


def stop_faults(rows, notes):
    """A refused run's preview, if it shows one, ends at the line it stopped
    at, marked; and where the hint names a line (or row), it is that one."""
    if not rows:
        return []
    place, *cells = rows[-1]
    cells = [cell for cell in cells if cell[0] is not None]
    if not cells[-1][1]:
        return ["the preview's last row is not marked as where the run stopped"]
    named = re.search(r"\b(line|row) (\d+)", notes)
    stop = place + (len(cells) - 1 if named and named.group(1) == "line" else 0)
    if named and int(named.group(2)) != stop:
        return ["the run stopped at %s %s, the preview at %d" % (named.group(1), named.group(2),
                                                                   stop)]
    return []


UNEXPLAINED = """
const said = document.querySelector('#result .outcome-text').textContent;
return (said ? [] : ['the outcome']).concat(Array.from(document.querySelectorAll('#notes li'))
  .filter((note) => !note.querySelector('.explanation')).map((note) => note.textContent));
"""


def unexplained(page_run):
    """The outcome and the notes the page shows only in the console's words."""
    return ["%s is not explained" % what
            for what in page_run.driver.execute_script(UNEXPLAINED)]


def check(page_run, program, name, contents, scratch, encoding=None, locale="C.UTF-8"):
    """Gives one file to the page and to the native program, on a machine of
    |locale|; returns the differences found. With |encoding|, the file the
    page holds is converted again in the encoding chosen in its menu ("":
    found out), and the program is given the same --encoding."""
    options = ("--encoding", encoding) if encoding else ()
    status, console, written_name, expected, errors = run_native(program, name, contents, scratch,
                                                                 options, locale)
    tool = os.path.basename(program)
    given = scratch / "given"
    shutil.rmtree(given, ignore_errors=True)
    given.mkdir()
    (given / name).write_bytes(contents)
    shown = page_run.give(given / name) if encoding is None else choose_encoding(page_run, encoding)
    faults = []
    message = shown["message"].encode("utf-8")
    if not console.endswith(message + b"\n"):
        faults.append("message %r is not how the console ends: %r" % (message, console[-120:]))
    if shown["notes"].encode("utf-8") != errors:
        faults.append("notes %r are not what the console shows: %r" % (shown["notes"], errors))
    faults += unexplained(page_run)
    if status == 0:
        if shown["download"] is None:
            return faults + ["no download, though %s converts it" % tool]
        if shown["download"] != written_name:
            faults.append("download named %r, not %r" % (shown["download"], written_name))
        if page_run.download(shown["button"]) != expected:
            faults.append("the download differs from what %s writes" % tool)
        database = expected if tool == "qdconv" else contents
        summary = database_summary(database)
        if (shown["name"], shown["questions"]) != summary:
            faults.append("shows %r, %r instead of %r" % (shown["name"], shown["questions"], summary))
        if not name.lower().endswith((".csv", ".tsv")):
            faults += preview_faults(page_run.preview_rows(), database_records(database))
    elif shown["download"] is not None:
        faults.append("offers a download though %s refuses it" % tool)
    else:
        faults += stop_faults(page_run.preview_rows(), shown["notes"])
    return faults


def check_table_preview(page_run, qdconv, scratch):
    """A table's preview names its rows as a spreadsheet does."""
    table = b"France?;Paris\r\n\r\n;Madrid\r\nItalie?;Rome\r\n"
    expected = run_native(qdconv, "quiz.csv", table, scratch)[3]
    given = scratch / "given"
    shutil.rmtree(given, ignore_errors=True)
    given.mkdir()
    (given / "quiz.csv").write_bytes(table)
    page_run.give(given / "quiz.csv")
    return preview_faults(page_run.preview_rows(), database_records(expected), [1, 3, 4])


def check_long_preview(page_run, scratch):
    """A long quiz shows its first pairs and its findings, then all on asking;
    the gap and the button that shows all count the same pairs."""
    text = "Quiz\n" + "".join("Q%d?\nA%d\n" % (k, k) for k in range(100)) + "\n"
    path = scratch / "long.txt"
    path.write_text(text)
    page_run.give(path)
    faults = []
    records = ["Q%d?" % (k // 2) if k % 2 == 0 else "A%d" % (k // 2) for k in range(200)] + [""]
    places = [row[0] for row in page_run.preview_rows()]
    if places != [2 + 2 * k for k in range(20)] + [202]:
        faults.append("shows the pairs at %r first" % places)
    # The gaps and the button count the same hidden pairs.
    gaps = [gap.text for gap in page_run.driver.find_elements(By.CSS_SELECTOR, "td.gap")]
    button = page_run.element("show-all").text
    if gaps != ["… 80 more pairs"] or button != "Show the 80 hidden pairs":
        faults.append("the gap says %r, the button %r" % (gaps, button))
    page_run.element("show-all").click()
    faults += preview_faults(page_run.preview_rows(), records)
    if len(page_run.preview_rows()) != 101:
        faults.append("shows %d pairs of 101 after asking for all" % len(page_run.preview_rows()))
    return faults


def check_typed(page_run, qdconv, scratch, text):
    """Text typed into the editor gives what qdconv makes of the same bytes,
    and the question file to keep (saved by the keyboard) is those bytes."""
    page_run.type_text(text)
    contents = text.encode("utf-8")
    status, _, _, expected, errors = run_native(qdconv, "typed.txt", contents, scratch)
    shown = page_run.shown()
    faults = []
    if page_run.attribute("text", "value") != text:
        faults.append("the editor holds %r" % page_run.attribute("text", "value"))
    if shown["notes"].encode("utf-8") != errors:
        faults.append("notes %r, not %r" % (shown["notes"], errors))
    if status != 0 or shown["download"] is None:
        return faults + ["no database: %r" % shown["message"]]
    if page_run.download(shown["button"]) != expected:
        faults.append("the database differs from what qdconv makes of the text")
    if page_run.download(page_run.element("download-text"), by_space=True) != contents:
        faults.append("the question file to keep is not the text in UTF-8")
    return faults + preview_faults(page_run.preview_rows(), database_records(expected))


PASTE = """
const area = document.getElementById('text');
area.focus();
area.setSelectionRange(arguments[1], arguments[2]);
const data = new DataTransfer();
data.setData('text/plain', arguments[0]);
area.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                cancelable: true}));
"""


def paste(page_run, text, start=0, end=None):
    """Pastes |text| over the editor's |start|..|end| (all of it by default)
    and waits for the page's run of the result."""
    if end is None:
        end = len(page_run.attribute("text", "value"))
    page_run.driver.execute_script(PASTE, text, start, end)
    wait_for(lambda: page_run.attribute("result", "data-state") == "done", "the paste's run")


def check_paste(page_run, qdconv, scratch):
    """Two columns pasted from a spreadsheet (tab-separated rows) into the
    emptied editor become the question file of that table under an empty
    name line, which the page asks for; named, the database is what qdconv
    makes of the rows as a .tsv file of that name, and its download is named
    after it too."""
    pasted = ("France ?\tParis\r\nEspagne ?\t\"Madrid,\r\nla capitale\"\r\n\r\nÉté\t€ 5\r\n"
              "\"Bonjour\" dit-il\t5'11\"\r\n")
    page_run.element("text").clear()
    paste(page_run, pasted)
    text = page_run.attribute("text", "value")
    rows = "France ?\nParis\nEspagne ?\nMadrid, la capitale\nÉté\n€ 5\n\"Bonjour\" dit-il\n5'11\""
    faults = []
    if text != "\n" + rows:
        faults.append("the editor holds %r" % text)
    if page_run.element("status").text != "Type the name of the quiz on line 1.":
        faults.append("the page says %r" % page_run.element("status").text)
    page_run.element("text").send_keys("Capitales")
    wait_for(lambda: page_run.driver.execute_script(CONVERTED, "Capitales\n" + rows),
             "the named paste's run")
    status, _, _, expected, _ = run_native(qdconv, "Capitales.tsv", pasted.encode("utf-8"), scratch)
    shown = page_run.shown()
    if status != 0 or shown["download"] != "Capitales.pdb":
        return faults + ["no Capitales.pdb: %r, %r" % (shown["message"], shown["download"])]
    if page_run.download(shown["button"]) != expected:
        faults.append("the database differs from what qdconv makes of the rows")
    return faults


def check_paste_into_text(page_run):
    """Rows pasted with the cursor at the end of a line, at the start of one
    or at the end of the text come as whole lines, with no blank line."""
    faults = []
    rows = "Italie ?\tRome\r\nPortugal ?\tLisbonne\r\n"
    lines = "Italie ?\nRome\nPortugal ?\nLisbonne"
    text = "Capitales\nFrance ?\nParis\nEspagne ?\nMadrid"
    for where, at, expected in [
            ("at the end of a line", len("Capitales\nFrance ?\nParis"),
             "Capitales\nFrance ?\nParis\n" + lines + "\nEspagne ?\nMadrid"),
            ("at the start of a line", len("Capitales\n"),
             "Capitales\n" + lines + "\nFrance ?\nParis\nEspagne ?\nMadrid"),
            ("at the end of the text", len(text), text + "\n" + lines)]:
        page_run.type_text(text)
        paste(page_run, rows, at, at)
        shown = page_run.attribute("text", "value")
        if shown != expected:
            faults.append("%s: the editor holds %r" % (where, shown))
        if page_run.shown()["notes"]:
            faults.append("%s: the page warns %r" % (where, page_run.shown()["notes"]))
    return faults


def check_several(page_run, qdconv, qdtext, scratch, source_dir):
    """Several files through the picker: each listed with its own download,
    byte for byte what the program writes, and the same warning as qdconv's
    for two databases of one name."""
    files = [("capitals.txt", (source_dir / "examples" / "capitals.txt").read_bytes()),
             ("again.txt", b"Capitals of Europe\nQ?\nA\n"),
             ("refused.txt", b"Quiz\n" + b"x" * 201),
             ("birds.pdb", hex_fixture(source_dir, "birds.pdb"))]
    given = scratch / "several"
    shutil.rmtree(given, ignore_errors=True)
    given.mkdir()
    for name, contents in files:
        (given / name).write_bytes(contents)
    page_run.give(*(given / name for name, _ in files))
    faults = []
    items = page_run.driver.find_elements(By.CSS_SELECTOR, "#file-list > li")
    if [item.get_attribute("data-file-name") for item in items] != [name for name, _ in files]:
        return ["lists %r" % [item.get_attribute("data-file-name") for item in items]]
    for item, (name, contents) in zip(items, files):
        program = qdtext if name.endswith(".pdb") else qdconv
        status, console, written_name, expected, _ = run_native(program, name, contents, scratch)
        button = item.find_element(By.CSS_SELECTOR, "button.download")
        message = item.find_element(By.CSS_SELECTOR, ".message").text
        if not console.endswith(message.encode("utf-8") + b"\n"):
            faults.append("%s: message %r" % (name, message))
        if status != 0:
            if button.is_displayed():
                faults.append("%s: offers a download though it is refused" % name)
        elif button.get_attribute("data-file-name") != written_name:
            faults.append("%s: download named %r" % (name, button.get_attribute("data-file-name")))
        elif page_run.download(button) != expected:
            faults.append("%s: the download differs from what the program writes" % name)
    # The same two question files through qdconv at once.
    run = subprocess.run([qdconv, "capitals.txt", "again.txt"], cwd=given,
                         stdin=subprocess.DEVNULL, capture_output=True, check=False)
    warnings = [note.get_attribute("textContent") for note in
                page_run.driver.find_elements(By.CSS_SELECTOR, "#same-names li .console")]
    native = [line for line in run.stderr.decode("utf-8").splitlines() if "both make" in line]
    if warnings != native or not native:
        faults.append("warns %r, not %r" % (warnings, native))
    return faults


DROP = """
const data = new DataTransfer();
data.items.add(new File([arguments[0]], 'dropped.txt'));
const drop = new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true});
document.querySelector('h1').dispatchEvent(drop);
return drop.defaultPrevented;
"""


TURKISH = "Selam\r\nGünaydın?\r\nGood morning".encode("cp1254")


def check_encoding_menu(page_run, qdconv, scratch):
    """A Turkish ANSI file on an English browser: not certain, as qdconv says
    on an English machine; read as Turkish once chosen in the menu, as
    qdconv --encoding reads it; and found out again when the menu is set
    back."""
    faults = check(page_run, qdconv, "turkish.txt", TURKISH, scratch)
    faults += check(page_run, qdconv, "turkish.txt", TURKISH, scratch, "windows-1254")
    if "U+0131" not in page_run.element("notes").text:
        faults.append("the hint does not name the Turkish letter")
    faults += check(page_run, qdconv, "turkish.txt", TURKISH, scratch, "")
    return faults


def check_browser_language(page, downloads, qdconv, scratch):
    """On a Turkish browser, a Turkish ANSI file is read as Turkish, as qdconv
    reads it on a Turkish machine."""
    driver = start_browser(scratch / "turkish", languages="tr-TR,tr")
    try:
        page_run = open_page(driver, page.as_uri(), downloads)
        return check(page_run, qdconv, "turkish.txt", TURKISH, scratch, locale="tr_TR.UTF-8")
    finally:
        driver.quit()


def check_drop_outside_the_box(page_run):
    """A file dropped anywhere on the page is converted, not opened in the tab."""
    runs = page_run.attribute("result", "data-runs")
    prevented = page_run.driver.execute_script(DROP, "Dropped\nQ?\nA")
    wait_for(lambda: page_run.attribute("result", "data-runs") != runs, "the dropped file's run")
    faults = [] if prevented else ["the browser's own drop was not prevented"]
    outcome = page_run.element("outcome").text
    if outcome != "dropped.txt: converted":
        faults.append("shows %r" % outcome)
    return faults


def screenshot(scratch, page, png):
    """The page as a French browser shows it, after opening a quiz with a
    blank line, saved as |png|."""
    driver = start_browser(scratch / "french", languages="fr-FR,fr")
    try:
        driver.set_window_size(900, 2100)
        driver.get(page.as_uri())
        shown = scratch / "capitales.txt"
        shown.write_text("Capitales d'Europe\nQuelle est la capitale de la France ?\nParis\n\n"
                         "Quelle est la capitale de l'Espagne ?\nMadrid\n"
                         "Quelle est la capitale de l'Italie ?\nRome\n", encoding="utf-8")
        PageRun(driver, scratch).give(shown)
        driver.save_screenshot(str(png))
    finally:
        driver.quit()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page")
    parser.add_argument("qdconv")
    parser.add_argument("qdtext")
    parser.add_argument("source_dir")
    parser.add_argument("--screenshot")
    arguments = parser.parse_args()
    page = pathlib.Path(arguments.page).resolve()
    source_dir = pathlib.Path(arguments.source_dir).resolve()
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="qdconv-web-"))
    downloads = scratch / "downloads"
    downloads.mkdir()
    qdconv, qdtext = arguments.qdconv, arguments.qdtext

    driver = start_browser(scratch)
    tally = Tally()
    try:
        page_run = open_page(driver, page.as_uri(), downloads)
        cases = [(qdconv, name, contents) for name, contents in question_files(source_dir)]
        cases += [(qdtext, name, contents)
                  for name, contents in databases(source_dir, qdconv, scratch)]
        for program, name, contents in cases:
            tally.report(name, check(page_run, program, name, contents, scratch))
        tally.report("a table's preview names its rows", check_table_preview(page_run, qdconv, scratch))
        tally.report("a long quiz's preview", check_long_preview(page_run, scratch))
        tally.report("typed text", check_typed(
            page_run, qdconv, scratch, "Capitales d'été\nOù est Paris ?\nÀ Paris\n\nEspagne ?\nMadrid"))
        tally.report("typed text with a line end at the end", check_typed(
            page_run, qdconv, scratch, "Birds\nRed breast?\nRobin\n"))
        tally.report("a spreadsheet's columns pasted", check_paste(page_run, qdconv, scratch))
        tally.report("rows pasted into a text", check_paste_into_text(page_run))
        tally.report("several files at once", check_several(page_run, qdconv, qdtext, scratch,
                                                            source_dir))
        tally.report("a file dropped outside the box", check_drop_outside_the_box(page_run))
        tally.report("the encoding menu", check_encoding_menu(page_run, qdconv, scratch))

        requests = network_requests(driver, page.as_uri())
        tally.report("no network request", requests)
        tally.report("no error in the browser's console", console_errors(driver))

    finally:
        driver.quit()
    tally.report("the browser's language as the machine's",
                 check_browser_language(page, downloads, qdconv, scratch))
    try:
        if arguments.screenshot:
            screenshot(scratch, page, pathlib.Path(arguments.screenshot))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    return tally.close()


if __name__ == "__main__":
    sys.exit(main())
