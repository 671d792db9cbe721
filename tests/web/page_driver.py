"""What the web page's tests share: headless Chromium with the page opened
from file://, the page driven as a teacher would (its file picker, its
editor, its download buttons), and the native programs run as the oracle."""
import json
import os
import pathlib
import shutil
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By


def run_native(program, name, contents, scratch, options=(), locale="C.UTF-8"):
    """Runs |program| with |options| on a file |name| holding |contents| in a
    folder of its own, on a machine of |locale|. Returns its exit status, its
    console, the name and bytes of the file it wrote (or None), and its
    standard error."""
    folder = pathlib.Path(tempfile.mkdtemp(dir=scratch))
    (folder / name).write_bytes(contents)
    before = set(os.listdir(folder))
    run = subprocess.run([program, *options, name], cwd=folder, stdin=subprocess.DEVNULL,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False,
                         env=dict(os.environ, LC_ALL=locale))
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


def database_records(database):
    """The record texts of a database, read from its record list."""
    count = int.from_bytes(database[76:78], "big")
    records = []
    for k in range(count):
        offset = int.from_bytes(database[78 + 8 * k:82 + 8 * k], "big") + 16
        records.append(handheld_text(database[offset:database.index(b"\x00", offset)]))
    return records


def start_browser(scratch, *arguments, languages=None):
    """Headless Chromium with its profile in |scratch|; |languages| (such
    as "fr-FR,fr") are the languages it asks pages for."""
    options = webdriver.ChromeOptions()
    if languages:
        options.add_experimental_option("prefs", {"intl.accept_languages": languages})
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--no-first-run", "--disable-quic",
                     "--window-size=900,800", "--user-data-dir=" + str(scratch / "profile"),
                     *arguments):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait_for(condition, what, seconds=60):
    """Waits until |condition()| holds, and fails naming |what| if it never does."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


# The preview's rows as shown: [place, [question, finding?], [answer, finding?]].
PREVIEW_ROWS = """
return Array.from(document.querySelectorAll(arguments[0] + ' tbody tr[data-place]'), (row) =>
  [Number(row.dataset.place)].concat(Array.from(row.querySelectorAll('td'), (cell) => {
    const text = cell.querySelector('.text');
    return [text && !text.classList.contains('empty') ? text.textContent : (text ? '' : null),
            cell.querySelector('.finding') !== null];
  })));
"""


CONVERTED = """
return document.getElementById('text').value === arguments[0] &&
       document.getElementById('result').dataset.state === 'done';
"""


class PageRun:
    """The page in |driver|, its downloads landing in |downloads|."""

    def __init__(self, driver, downloads):
        self.driver = driver
        self.downloads = downloads

    def element(self, id):
        return self.driver.find_element(By.ID, id)

    def attribute(self, id, name):
        return self.element(id).get_attribute(name)

    def give(self, *paths):
        """Gives |paths| to the page's file picker and waits for the page's
        answer: in the editor for one file, in the list for several."""
        shown_in = "result" if len(paths) == 1 else "files"
        runs = self.attribute(shown_in, "data-runs")
        self.element("file").send_keys("\n".join(str(path) for path in paths))
        wait_for(lambda: self.attribute(shown_in, "data-runs") != runs, "the page's answer")
        return self.shown() if len(paths) == 1 else None

    def shown(self):
        """What the editor's result shows."""
        # Each note's console text, below its explanation in the page's words.
        notes = self.driver.find_elements(By.CSS_SELECTOR, "#notes li .console")
        button = self.element("download")
        return {
            "message": self.element("message").text,
            "notes": "".join(note.get_attribute("textContent") + "\n" for note in notes),
            "name": self.element("name").get_attribute("textContent"),
            "questions": self.element("questions").get_attribute("textContent"),
            "download": button.get_attribute("data-file-name") if button.is_displayed() else None,
            "button": button,
        }

    def preview_rows(self, container="#preview"):
        return self.driver.execute_script(PREVIEW_ROWS, container)

    def type_text(self, text):
        """Types |text| into the emptied editor, key by key, and waits until
        the page has converted all of it."""
        area = self.element("text")
        area.clear()
        area.send_keys(text)
        # Once the editor holds all of it, its last input has marked the
        # result as waiting: "done" can then only come from converting it.
        wait_for(lambda: self.driver.execute_script(CONVERTED, text), "the typed text's run")

    def download(self, button, by_space=False):
        """Clicks a download button, or presses Space on it; returns the
        file's bytes."""
        for entry in self.downloads.iterdir():
            entry.unlink()
        if by_space:
            button.send_keys(" ")
        else:
            button.click()
        name = button.get_attribute("data-file-name")
        target = self.downloads / name
        wait_for(lambda: target.exists() and not list(self.downloads.glob("*.crdownload")),
                 "the download of " + name)
        return target.read_bytes()


def choose_encoding(page_run, name):
    """Chooses the encoding |name| ("" for the one found out) in the page's
    menu, as a teacher would, and waits for the page's answer."""
    runs = page_run.attribute("result", "data-runs")
    menu = page_run.element("encoding")
    menu.find_element(By.CSS_SELECTOR, "option[value='%s']" % name).click()
    wait_for(lambda: page_run.attribute("result", "data-runs") != runs, "the page's answer")
    return page_run.shown()


def choose_language(driver, code):
    """Chooses |code| in the page's language switcher, as a teacher would,
    and waits for the page to be in it."""
    chooser = driver.find_element(By.ID, "language")
    chooser.find_element(By.CSS_SELECTOR, "option[value='%s']" % code).click()
    wait_for(lambda: driver.execute_script("return document.documentElement.lang") == code,
             "the page in " + code)


def open_page(driver, page, downloads):
    """Opens |page| (a URL) in |driver|, its downloads landing in the folder
    |downloads|, and returns the page to drive."""
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": str(downloads)})
    driver.get(page)
    return PageRun(driver, downloads)


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


def console_errors(driver):
    return [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]


class Tally:
    """Prints each check's outcome as it comes, and counts them."""

    def __init__(self):
        self.passed = self.failed = 0

    def report(self, what, faults):
        print(("FAIL " if faults else "ok   ") + what + "".join("\n     " + f for f in faults),
              flush=True)
        self.failed += bool(faults)
        self.passed += not faults

    def close(self):
        print("%d passed, %d failed" % (self.passed, self.failed))
        return 1 if self.failed else 0
