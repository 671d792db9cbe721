#!/usr/bin/env python3
"""Measures how the converter reads question files saved in 8-bit code pages.

For each language, quiz files of random words from Debian's dictionaries
(the ones scripts/generate_code_page_tables.py names) are written in each
code page the language is saved in (Windows, DOS, Mac), as a question file
(.txt) and as a table (.csv, ';' between the cells), and converted on a
machine of that language and on a machine elsewhere (English). Each is
compared with the conversion of the same text saved as UTF-8:

  right    the same database, or the same stop naming the same letter;
  warned   Ž or ž stored as its byte, with the warning that the handheld shows
           no letter for it, where UTF-8's letter is refused;
  asked    stopped because the encoding is not certain (or lines are mixed),
           which names the candidates: she chooses;
  wrong    anything else: a database of other letters, or a stop naming a
           letter she did not type. Where the machine's code page is the
           file's, and for Western files everywhere, this must be 0; from
           elsewhere, at most 5 % a code page.

  scripts/encoding_corpus.py --converter build/qdconv [--files 20] [--check]

--check exits 1 when a bound is broken; --windows runs a Windows build under
Wine (its machine's code page from the locale Wine is started in).
"""

import argparse
import collections
import os
import random
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generate_code_page_tables import words_of, DICT, HUNSPELL  # noqa: E402

LANGUAGES = [
    # language, locale, word list, code pages saved in
    ("fr", "fr_FR", DICT + "french", ["cp1252", "cp850", "mac_roman"]),
    ("de", "de_DE", DICT + "ngerman", ["cp1252", "cp850", "mac_roman"]),
    ("es", "es_ES", DICT + "spanish", ["cp1252", "cp850", "mac_roman"]),
    ("it", "it_IT", DICT + "italian", ["cp1252", "cp850", "mac_roman"]),
    ("pt", "pt_PT", DICT + "portuguese", ["cp1252", "cp850", "mac_roman"]),
    ("nl", "nl_NL", DICT + "dutch", ["cp1252", "mac_roman"]),
    ("sv", "sv_SE", DICT + "swedish", ["cp1252", "cp850", "mac_roman"]),
    ("da", "da_DK", DICT + "danish", ["cp1252", "cp850", "mac_roman"]),
    ("no", "nb_NO", DICT + "norsk", ["cp1252", "cp850", "mac_roman"]),
    ("ca", "ca_ES", DICT + "catalan", ["cp1252", "mac_roman"]),
    ("is", "is_IS", HUNSPELL + "is_IS.dic", ["cp1252", "cp850", "mac_roman"]),
    ("pl", "pl_PL", DICT + "polish", ["cp1250", "cp852", "mac_latin2"]),
    ("cs", "cs_CZ", HUNSPELL + "cs_CZ.dic", ["cp1250", "cp852", "mac_latin2"]),
    ("sk", "sk_SK", HUNSPELL + "sk_SK.dic", ["cp1250", "cp852", "mac_latin2"]),
    ("hu", "hu_HU", HUNSPELL + "hu_HU.dic", ["cp1250", "cp852", "mac_latin2"]),
    ("sl", "sl_SI", HUNSPELL + "sl_SI.dic", ["cp1250", "cp852"]),
    ("hr", "hr_HR", HUNSPELL + "hr_HR.dic", ["cp1250", "cp852"]),
    ("ro", "ro_RO", HUNSPELL + "ro_RO.dic", ["cp1250"]),
    ("ru", "ru_RU", HUNSPELL + "ru_RU.dic", ["cp1251", "cp866", "mac_cyrillic"]),
    ("uk", "uk_UA", DICT + "ukrainian", ["cp1251", "mac_cyrillic"]),
    ("bg", "bg_BG", DICT + "bulgarian", ["cp1251", "cp866"]),
    ("el", "el_GR", HUNSPELL + "el_GR.dic", ["cp1253"]),
    ("tr", "tr_TR", HUNSPELL + "tr_TR.dic", ["cp1254"]),
    ("lt", "lt_LT", HUNSPELL + "lt_LT.dic", ["cp1257"]),
    ("lv", "lv_LV", HUNSPELL + "lv_LV.dic", ["cp1257"]),
    ("et", "et_EE", HUNSPELL + "et_EE.dic", ["cp1257"]),
]
WESTERN = {"fr", "de", "es", "it", "pt", "nl", "sv", "da", "no", "ca", "is"}
ANSI = {"cp1250": ["pl", "cs", "sk", "hu", "sl", "hr", "ro"], "cp1251": ["ru", "uk", "bg"],
        "cp1253": ["el"], "cp1254": ["tr"], "cp1257": ["lt", "lv", "et"]}
ELSEWHERE = "en_US"
# Machines a Western file is also read on: it must never be questioned.
OTHER_MACHINES = ["pl_PL", "ru_RU", "el_GR", "tr_TR", "lt_LT"]


def machine_code_page(locale):
    language = locale[:2]
    for page, languages in ANSI.items():
        if language in languages:
            return page
    return "cp1252"


def encodable(word, code_page):
    try:
        word.encode(code_page)
        return True
    except UnicodeEncodeError:
        return False


def make_quiz(rng, words, pairs, code_page, language):
    """A name line and |pairs| of question and answer lines of random words,
    with the typographic signs that teachers' editors put in where the code
    page has them: curly quotes, dashes, apostrophes (French, Italian and
    Catalan elisions)."""
    typographic = encodable("\u201c\u201d\u2013\u2019", code_page)
    def word():
        w = rng.choice(words)
        if typographic and language in ("fr", "it", "ca") and rng.random() < 0.1:
            w = rng.choice(["l", "d", "dell", "all", "qu"]) + "\u2019" + w
        return w
    def phrase(most):
        text = " ".join(word() for _ in range(rng.randint(1, most)))
        if typographic and rng.random() < 0.1:
            text = "\u201c" + text + "\u201d"
        if typographic and rng.random() < 0.1:
            text += " \u2013 " + word()
        return text
    lines = [phrase(2)[:28].strip() or "Quiz"]
    for _ in range(pairs):
        lines.append(phrase(4)[:190] + " ?")
        lines.append(phrase(3)[:190])
    return lines


def convert(converter, wine, folder, name, data, locale, extra=()):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(data)
    database = os.path.splitext(path)[0] + ".pdb"
    if os.path.exists(database):
        os.remove(database)
    env = dict(os.environ, LC_ALL=locale + ".UTF-8", WINEDEBUG="-all")
    command = (["setarch", "-R", "wine", converter] if wine else [converter]) + list(extra) + [name]
    run = subprocess.run(command, cwd=folder, env=env, stdin=subprocess.DEVNULL,
                         capture_output=True)
    result = None
    if run.returncode == 0 and os.path.exists(database):
        with open(database, "rb") as f:
            result = f.read()
    stdout = run.stdout.replace(b"\r\n", b"\n").decode("utf-8", "replace")
    stderr = run.stderr.replace(b"\r\n", b"\n").decode("utf-8", "replace")
    last = stdout.strip().split("\n")[-1]
    hints = "\n".join(line for line in stderr.split("\n") if line.startswith("Hint:"))
    return (run.returncode, result, last, hints), stderr


def outcome(reference, reading, warnings):
    code, database, last, hints = reading
    if code == 1 and last in ("Text encoding not certain", "Text encoding mixed"):
        return "asked"
    if (code, database, last, hints) == reference:
        return "right"
    # Ž and ž: an 8-bit file's bytes are stored as they are, with a warning
    # that the handheld shows no letter for them; UTF-8's are refused.
    if code == 0 and "the handheld's fonts have no letter" in warnings and (
            '"\u017d"' in reference[3] or '"\u017e"' in reference[3]):
        return "warned"
    return "wrong"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--converter", required=True)
    parser.add_argument("--files", type=int, default=20, help="files a language, code page, form")
    parser.add_argument("--pairs", type=int, default=20)
    parser.add_argument("--seed", type=int, default=20261211)
    parser.add_argument("--languages", default="", help="comma-separated; all when empty")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--windows", action="store_true")
    args = parser.parse_args()
    converter = os.path.abspath(args.converter)
    rng = random.Random(args.seed)
    chosen = set(args.languages.split(",")) if args.languages else None
    counts = collections.OrderedDict()
    examples = {}
    folder = tempfile.mkdtemp(prefix="qdconv-corpus-")
    try:
        for language, locale, source, code_pages in LANGUAGES:
            if chosen and language not in chosen:
                continue
            all_words = [w for w in words_of(source) if w.isalpha() and len(w) > 1]
            machines = [locale, ELSEWHERE]
            if language in WESTERN:
                machines += OTHER_MACHINES
            for code_page in code_pages:
                words = [w for w in all_words if encodable(w, code_page)]
                for n in range(args.files):
                    lines = make_quiz(rng, words, args.pairs, code_page, language)
                    mac = code_page.startswith("mac")
                    ending = "\r" if mac and n % 2 else "\n" if mac else "\r\n"
                    forms = [("quiz.txt", ending.join(lines)),
                             ("quiz.csv", ending.join(
                                 ";".join(pair) for pair in zip(lines[1::2], lines[2::2])))]
                    for name, text in forms:
                        for machine in machines:
                            reference, _ = convert(converter, args.windows, folder, name,
                                                   text.encode("utf-8"), "C")
                            reading, warnings = convert(converter, args.windows, folder, name,
                                                        text.encode(code_page), machine)
                            result = outcome(reference, reading, warnings)
                            kind = ("western" if language in WESTERN else
                                    "machine" if machine_code_page(machine) == code_page else
                                    "elsewhere")
                            key = (language, code_page, name[-3:], kind)
                            counts.setdefault(key, collections.Counter())[result] += 1
                            if result in ("wrong", "asked") and key + (result,) not in examples:
                                examples[key + (result,)] = (machine, text[:200], reading[2],
                                                 warnings[:400])
    finally:
        shutil.rmtree(folder)

    print("| language | code page | form | machine | files | right | warned | asked | wrong |")
    print("|---|---|---|---|---|---|---|---|---|")
    broken = []
    for (language, code_page, form, kind), c in counts.items():
        total = sum(c.values())
        print("| %s | %s | %s | %s | %d | %d | %d | %d | %d |" % (
            language, code_page, form, kind, total, c["right"], c["warned"], c["asked"],
            c["wrong"]))
        if kind in ("western", "machine") and c["wrong"]:
            broken.append((language, code_page, form, kind))
        # A Western file in the handheld's own code page is never questioned.
        if kind == "western" and code_page == "cp1252" and c["asked"]:
            broken.append((language, code_page, form, "asked"))
    # From elsewhere, per code page over its languages.
    elsewhere = collections.Counter()
    elsewhere_wrong = collections.Counter()
    for (language, code_page, form, kind), c in counts.items():
        if kind == "elsewhere":
            elsewhere[code_page] += sum(c.values())
            elsewhere_wrong[code_page] += c["wrong"]
    for code_page, total in elsewhere.items():
        print("| all | %s | both | elsewhere | %d | | | | %d (%.1f %%) |" % (
            code_page, total, elsewhere_wrong[code_page],
            100.0 * elsewhere_wrong[code_page] / total))
        if elsewhere_wrong[code_page] > 0.05 * total:
            broken.append(("all", code_page, "both", "elsewhere"))
    for key, example in examples.items():
        print(key, repr(example), file=sys.stderr)
    if broken:
        print("bounds broken:", broken, file=sys.stderr)
    return 1 if args.check and broken else 0


if __name__ == "__main__":
    sys.exit(main())
