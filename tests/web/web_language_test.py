#!/usr/bin/python3
"""The web page in the teacher's language, in headless Chromium from
file://: a browser asking for French, then one asking for German, gets the
page in that language, with its findings said in it from their data (a
blank line, a refusal with its line, two files making one quiz name, and
in French an empty cell, a character, a later one in a cell, a length,
lines named, a form stored), the
console's English text kept below each; the switcher turns the page to
English and back, and the choice is remembered over a reload. Every
language has a text for each of the English ones.

  web_language_test.py PAGE
"""
import argparse
import pathlib
import shutil
import sys
import tempfile

from selenium.webdriver.common.by import By

from page_driver import (PageRun, Tally, choose_language, console_errors, start_browser,
                         wait_for)

BLANK = b"Capitales\nFrance ?\nParis\n\nEspagne ?\nMadrid\n"
REFUSED = b"Quiz\n" + b"x" * 201 + b"\nA"

# What each language says, for: the heading, the blank line 4, the refused
# file's outcome and its line 2, and two files making the quiz "Capitales".
EXPECTED = {
    "fr": {
        "heading": "Du fichier de questions au quiz du tuteur Quendle",
        "blank": "La ligne 4 est vide : elle devient une question vide, et toutes les questions "
                 "et réponses qui suivent sont décalées d'une ligne.",
        "outcome": "refused.txt : non converti",
        "refusal": "La ligne 2 a 201 caractères : une ligne en contient au plus 200.",
        "same": "blank.txt et again.txt donnent tous deux un quiz nommé « Capitales » : "
                "l'appareil n'en garde qu'un. Changez le nom sur la ligne 1 de l'un des deux.",
    },
    "de": {
        "heading": "Von der Fragendatei zum Quiz für den Quendle-Tutor",
        "blank": "Zeile 4 ist leer: Sie wird zu einer leeren Frage, und alle Fragen und "
                 "Antworten danach rutschen um eine Zeile.",
        "outcome": "refused.txt: nicht umgewandelt",
        "refusal": "Zeile 2 hat 201 Zeichen: Eine Zeile fasst höchstens 200.",
        "same": "blank.txt und again.txt ergeben beide ein Quiz namens „Capitales“: Das Gerät "
                "behält nur eines davon. Ändern Sie den Namen in Zeile 1 einer der beiden Dateien.",
    },
    "en": {
        "heading": "Question file to Quendle tutor quiz",
        "blank": "Line 4 is blank: it becomes an empty question, and every question and answer "
                 "after it moves down one line.",
    },
}

CONSOLE_BLANK = ("Warning: line 4 is blank: it becomes an empty question, and every question and "
                 "answer after it moves by one line")

SAME_KEYS = """
const keys = (texts) => Object.keys(texts).concat(Object.keys(texts.report).map((k) => 'report.' + k));
const english = keys(pageTexts.en).sort().join();
return Object.keys(pageTexts).filter((code) => keys(pageTexts[code]).sort().join() !== english ||
  keys(pageTexts[code]).some((key) => {
    const text = key.startsWith('report.') ? pageTexts[code].report[key.slice(7)] : pageTexts[code][key];
    return text === '' && key !== 'documents';
  }));
"""


# Findings in French from their data: a cell's row and column, a
# character, a length and its limit, the lines named, a form stored.
FRENCH_FINDINGS = [
    ("cellule.csv", "France ?;Paris\r\n;Madrid\r\n",
     "La cellule de la ligne 2, colonne A est vide : la réponse de cette ligne n'a pas de "
     "question."),
    ("emoji.txt", "Quiz\nQ1\nA1\nQ2 😀 ?\nA2",
     "La ligne 4 contient « 😀 », que l'appareil ne peut pas afficher : remplacez-le."),
    ("deux-fois.txt", "Quiz\nQ ?\nA\nQ ?\nB",
     "Les lignes 2 et 4 contiennent la même question, avec des réponses différentes."),
    ("espace.txt", "Quiz\nQ\u202f?\nA",
     "La ligne 2 contient un caractère invisible (U+202F), que l'appareil n'a pas : il est "
     "enregistré comme une espace insécable."),
    ("emojis.csv", "Chat;😺\r\nChien;🐶\r\n",
     "L'appareil ne peut pas afficher celui-ci non plus : la cellule de la ligne 2, colonne B : "
     "« 🐶 »."),
    ("long.txt", "n" * 32 + "\nQ\nA",
     "La ligne 1, le nom du quiz, a 32 caractères : un nom en a au plus 31."),
]


def explanations(driver, selector):
    return [item.get_attribute("textContent")
            for item in driver.find_elements(By.CSS_SELECTOR, selector + " .explanation")]


def shown_faults(page_run, code, files):
    """The page in |code| after a blank line, a refusal and two files of one
    quiz name."""
    driver = page_run.driver
    expected = EXPECTED[code]
    faults = []
    if driver.execute_script("return document.documentElement.lang") != code:
        faults.append("<html lang> is %r" % driver.execute_script(
            "return document.documentElement.lang"))
    heading = driver.find_element(By.TAG_NAME, "h1").text
    if heading != expected["heading"]:
        faults.append("the heading is %r" % heading)
    page_run.give(files["blank.txt"])
    notes = explanations(driver, "#notes li")
    if not notes or notes[0] != expected["blank"]:
        faults.append("the blank line is said as %r" % notes[:1])
    if page_run.shown()["notes"].splitlines()[:1] != [CONSOLE_BLANK]:
        faults.append("the console's text below it is %r" % page_run.shown()["notes"])
    if "outcome" not in expected:
        return faults
    page_run.give(files["refused.txt"])
    if page_run.element("outcome").text != expected["outcome"]:
        faults.append("the refusal is titled %r" % page_run.element("outcome").text)
    if explanations(driver, "#notes li") != [expected["refusal"]]:
        faults.append("the refusal is said as %r" % explanations(driver, "#notes li"))
    page_run.give(files["blank.txt"], files["again.txt"])
    if explanations(driver, "#same-names li") != [expected["same"]]:
        faults.append("the same name is said as %r" % explanations(driver, "#same-names li"))
    if code == "fr":
        for name, contents, said in FRENCH_FINDINGS:
            files[name].write_bytes(contents.encode("utf-8"))
            page_run.give(files[name])
            if said not in explanations(driver, "#notes li"):
                faults.append("%s is said as %r" % (name, explanations(driver, "#notes li")))
    return faults


def check_language(page, code, scratch, files):
    """A browser asking for |code| first: the page in it, in English after
    switching, in |code| again after switching back, and still so after a
    reload."""
    driver = start_browser(scratch / code, languages="%s-%s,%s" % (code, code.upper(), code))
    try:
        driver.get(page)
        page_run = PageRun(driver, scratch)
        faults = shown_faults(page_run, code, files)
        choose_language(driver, "en")
        faults += ["in English: " + fault for fault in shown_faults(page_run, "en", files)]
        choose_language(driver, code)
        page_run.give(files["blank.txt"])
        if explanations(driver, "#notes li")[:1] != [EXPECTED[code]["blank"]]:
            faults.append("switched back, the blank line is said as %r"
                          % explanations(driver, "#notes li")[:1])
        choose_language(driver, "en")
        driver.get(page)
        wait_for(lambda: driver.execute_script("return document.readyState") == "complete",
                 "the page reloaded")
        if driver.execute_script("return document.documentElement.lang") != "en":
            faults.append("the choice of English is not remembered over a reload")
        faults += console_errors(driver)
        return faults
    finally:
        driver.quit()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page")
    arguments = parser.parse_args()
    page = pathlib.Path(arguments.page).resolve().as_uri()
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="qdconv-web-language-"))
    files = {}
    for name, contents in (("blank.txt", BLANK), ("refused.txt", REFUSED),
                           ("again.txt", b"Capitales\nItalie ?\nRome")):
        files[name] = scratch / name
        files[name].write_bytes(contents)
    for name, _, _ in FRENCH_FINDINGS:
        files[name] = scratch / name
    tally = Tally()
    try:
        for code in ("fr", "de"):
            tally.report("a browser asking for " + code, check_language(page, code, scratch, files))
        driver = start_browser(scratch / "keys")
        try:
            driver.get(page)
            tally.report("every language has every text", [
                "%s lacks a text or has one too many" % code
                for code in driver.execute_script(SAME_KEYS)])
        finally:
            driver.quit()
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    return tally.close()


if __name__ == "__main__":
    sys.exit(main())
