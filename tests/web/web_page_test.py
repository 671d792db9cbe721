#!/usr/bin/python3
"""The web page in a real browser: headless Chromium, the page opened from
file://, question files and databases given to it through its file picker.

Each file also goes through the native qdconv or qdtext, which is the
oracle: a conversion the program completes must give a download that is
byte for byte the file the program writes, with the database's name and
number of questions shown; a refusal must show the message the program's
console ends with, and offer no download. Either way the page must show the
warnings and hints the program prints on standard error, in its words. The page must make no network
request at all, and break no rule of its Content-Security-Policy.

  web_page_test.py PAGE QDCONV QDTEXT SOURCE_DIR [--screenshot PNG]
"""
import argparse
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By


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
    ]


def databases(source_dir, qdconv, scratch):
    """(file name, bytes) of the databases given to the page."""
    files = []
    for name in ("birds.pdb.hex", "capitals.pdb.hex", "example.pdb.hex"):
        text = (source_dir / "tests" / "fixtures" / name).read_text()
        hexes = "".join(line.split("#")[0] for line in text.splitlines())
        files.append((name[:-len(".hex")], bytes.fromhex(hexes)))
    # What the native qdconv makes of the accented quiz, and a damaged copy.
    accented = run_native(qdconv, "accents.txt", ACCENTS.encode("utf-8"), scratch)[3]
    files.append(("accents.pdb", accented))
    files.append(("damaged.pdb", accented[:100]))
    foreign = bytearray(accented)
    foreign[60:68] = b"DATAmemo"
    files.append(("foreign.pdb", bytes(foreign)))
    files.append(("text-file-renamed.pdb", capitals() * 4))
    return files


def run_native(program, name, contents, scratch):
    """Runs |program| on a file |name| holding |contents| in a folder of its
    own. Returns its exit status, its console, and the name and bytes of the
    file it wrote (or None)."""
    folder = pathlib.Path(tempfile.mkdtemp(dir=scratch))
    (folder / name).write_bytes(contents)
    before = set(os.listdir(folder))
    run = subprocess.run([program, name], cwd=folder, stdin=subprocess.DEVNULL,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    written = set(os.listdir(folder)) - before
    written_name = written.pop() if written else None
    output = (folder / written_name).read_bytes() if written_name else None
    shutil.rmtree(folder)
    return run.returncode, run.stdout, written_name, output, run.stderr


def handheld_text(data):
    """Bytes of the handheld's character set as text: code page 1252, its
    five undefined bytes as the control characters of the same number."""
    return "".join(chr(b) if b in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else bytes([b]).decode("cp1252")
                   for b in data)


def database_summary(database):
    name = database[:32].split(b"\x00")[0]
    if name.endswith(b"\n"):
        name = name[:-1]
    return handheld_text(name), str(int.from_bytes(database[76:78], "big") // 2)


def start_browser(scratch):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--no-first-run", "--disable-quic",
                     "--window-size=900,800", "--user-data-dir=" + str(scratch / "profile")):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    return driver


def wait_for(condition, what, seconds=60):
    """Waits until |condition()| holds, and fails naming |what| if it never does."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


class PageRun:
    def __init__(self, driver, downloads):
        self.driver = driver
        self.downloads = downloads

    def give(self, path):
        """Gives |path| to the page's file picker; returns what the page shows."""
        result = self.driver.find_element(By.ID, "result")
        runs = result.get_attribute("data-runs")
        self.driver.find_element(By.ID, "file").send_keys(str(path))
        wait_for(lambda: result.get_attribute("data-runs") != runs, "the page's answer")
        link = self.driver.find_element(By.ID, "download")
        notes = self.driver.find_elements(By.CSS_SELECTOR, "#notes li")
        return {
            "message": self.driver.find_element(By.ID, "message").text,
            "notes": "".join(note.get_attribute("textContent") + "\n" for note in notes),
            "name": self.driver.find_element(By.ID, "name").get_attribute("textContent"),
            "questions": self.driver.find_element(By.ID, "questions").get_attribute("textContent"),
            "download": link.get_attribute("download") if link.is_displayed() else None,
            "link": link,
        }

    def download(self, shown):
        """Clicks the page's download link; returns the file's bytes."""
        for entry in self.downloads.iterdir():
            entry.unlink()
        shown["link"].click()
        target = self.downloads / shown["download"]
        wait_for(lambda: target.exists() and not list(self.downloads.glob("*.crdownload")),
                 "the download of " + shown["download"])
        return target.read_bytes()


def check(page_run, program, name, contents, scratch):
    """Gives one file to the page and to the native program; returns the
    differences found."""
    status, console, written_name, expected, errors = run_native(program, name, contents, scratch)
    tool = os.path.basename(program)
    given = scratch / "given"
    shutil.rmtree(given, ignore_errors=True)
    given.mkdir()
    (given / name).write_bytes(contents)
    shown = page_run.give(given / name)
    faults = []
    message = shown["message"].encode("utf-8")
    if not console.endswith(message + b"\n"):
        faults.append("message %r is not how the console ends: %r" % (message, console[-120:]))
    if shown["notes"].encode("utf-8") != errors:
        faults.append("notes %r are not what the console shows: %r" % (shown["notes"], errors))
    if status == 0:
        if shown["download"] is None:
            return faults + ["no download, though %s converts it" % tool]
        if shown["download"] != written_name:
            faults.append("download named %r, not %r" % (shown["download"], written_name))
        if page_run.download(shown) != expected:
            faults.append("the download differs from what %s writes" % tool)
        summary = database_summary(expected if tool == "qdconv" else contents)
        if (shown["name"], shown["questions"]) != summary:
            faults.append("shows %r, %r instead of %r" % (shown["name"], shown["questions"], summary))
    elif shown["download"] is not None:
        faults.append("offers a download though %s refuses it" % tool)
    return faults


def network_requests(driver, page):
    """The URLs of every request the page's document made, but the page."""
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            request = message["params"]
            if request.get("documentURL") == page and request["request"]["url"] != page:
                urls.append(request["request"]["url"])
    return urls


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

    driver = start_browser(scratch)
    passed = failed = 0
    try:
        driver.execute_cdp_cmd("Page.setDownloadBehavior",
                               {"behavior": "allow", "downloadPath": str(downloads)})
        driver.get(page.as_uri())
        page_run = PageRun(driver, downloads)
        cases = [(arguments.qdconv, name, contents) for name, contents in question_files(source_dir)]
        cases += [(arguments.qdtext, name, contents)
                  for name, contents in databases(source_dir, arguments.qdconv, scratch)]
        for program, name, contents in cases:
            faults = check(page_run, program, name, contents, scratch)
            print(("FAIL " if faults else "ok   ") + name + "".join("\n     " + f for f in faults))
            failed += bool(faults)
            passed += not faults

        requests = network_requests(driver, page.as_uri())
        print(("FAIL" if requests else "ok  ") + " no network request" +
              "".join("\n     " + url for url in requests))
        errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
        print(("FAIL" if errors else "ok  ") + " no error in the browser's console" +
              "".join("\n     " + error for error in errors))
        failed += bool(requests) + bool(errors)
        passed += (not requests) + (not errors)

        if arguments.screenshot:
            page_run.give((source_dir / "examples" / "capitals.txt").resolve())
            driver.save_screenshot(arguments.screenshot)
    finally:
        driver.quit()
        shutil.rmtree(scratch, ignore_errors=True)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
