#!/usr/bin/env python3
"""Writes src/charset/code_page_tables.inc: the 8-bit code pages a question
file may be saved in, and the letter-pair statistics of the languages each is
written in, which tell the readings of a file apart.

  python3 scripts/generate_code_page_tables.py > src/charset/code_page_tables.inc

The code pages come from Python's codecs (Mac OS Roman as glibc's iconv reads
it, which the converter has always used). The statistics come from Debian's
word lists and hunspell dictionaries; install them first:

  apt-get install wfrench wngerman wspanish witalian wportuguese wdutch \
    wswedish wdanish wnorwegian wcatalan wamerican wpolish wukrainian \
    wbulgarian hunspell-cs hunspell-sk hunspell-hu hunspell-sl hunspell-hr \
    hunspell-ro hunspell-ru hunspell-el hunspell-tr hunspell-lt hunspell-is \
    hunspell-lv myspell-et hunspell-bs myspell-sq
"""

import collections
import math
import os
import sys
import unicodedata

# In the order of SingleByteEncoding (charset/code_pages.h).
CODE_PAGES = [
    ("cp1252", "western"),
    ("cp1250", "central"),
    ("cp1251", "cyrillic"),
    ("cp1253", "greek"),
    ("cp1254", "turkish"),
    ("cp1257", "baltic"),
    ("cp437", "western"),
    ("cp850", "western"),
    ("cp852", "central"),
    ("cp866", "cyrillic"),
    ("mac_roman", "western"),
    ("mac_latin2", "central"),
    ("mac_cyrillic", "cyrillic"),
]

# glibc's MACINTOSH differs from Python's mac_roman in two bytes.
OVERRIDES = {"mac_roman": {0xC6: 0x0394, 0xF0: 0xE01E}}

DICT = "/usr/share/dict/"
HUNSPELL = "/usr/share/hunspell/"

# The languages each family of code pages is written in, and their word
# lists, in the order of the families (kFamilies).
FAMILIES = [
    ("western", [("fr", DICT + "french"), ("de", DICT + "ngerman"), ("es", DICT + "spanish"),
                 ("it", DICT + "italian"), ("pt", DICT + "portuguese"), ("nl", DICT + "dutch"),
                 ("sv", DICT + "swedish"), ("da", DICT + "danish"), ("no", DICT + "norsk"),
                 ("ca", DICT + "catalan"), ("en", DICT + "american-english"),
                 ("is", HUNSPELL + "is_IS.dic")]),
    ("central", [("pl", DICT + "polish"), ("cs", HUNSPELL + "cs_CZ.dic"),
                 ("sk", HUNSPELL + "sk_SK.dic"), ("hu", HUNSPELL + "hu_HU.dic"),
                 ("sl", HUNSPELL + "sl_SI.dic"), ("hr", HUNSPELL + "hr_HR.dic"),
                 ("ro", HUNSPELL + "ro_RO.dic"), ("sq", HUNSPELL + "sq_AL.dic"),
                 ("bs", HUNSPELL + "bs_BA.dic")]),
    ("cyrillic", [("ru", HUNSPELL + "ru_RU.dic"), ("uk", DICT + "ukrainian"),
                  ("bg", DICT + "bulgarian")]),
    ("greek", [("el", HUNSPELL + "el_GR.dic")]),
    ("turkish", [("tr", HUNSPELL + "tr_TR.dic")]),
    ("baltic", [("lt", HUNSPELL + "lt_LT.dic"), ("lv", HUNSPELL + "lv_LV.dic"),
                ("et", HUNSPELL + "et_EE.dic")]),
]
FAMILY_ORDER = [name for name, _ in FAMILIES]

WORDS_PER_LANGUAGE = 150000
# A cost is -log2 of a letter's probability after the one before, in quarter
# bits, at most this.
MAX_COST = 120


def characters_of(code_page):
    table = []
    for byte in range(0x80, 0x100):
        if byte in OVERRIDES.get(code_page, {}):
            table.append(OVERRIDES[code_page][byte])
            continue
        try:
            table.append(ord(bytes([byte]).decode(code_page)))
        except UnicodeDecodeError:
            table.append(0)
    return table


def is_letter(character):
    # Modifier letters (ˆ ˇ) are accents standing alone, not letters of a word.
    category = unicodedata.category(chr(character)) if character else ""
    return category.startswith("L") and category != "Lm"


# Signs that text hardly holds: box drawing, blocks, most of mathematics,
# accents standing alone, control characters, private use. A reading that makes such signs of a
# file's bytes is likely the wrong one.
COMMON_SIGNS = set("±×÷¬©®°™¦§¶¤")


def is_odd_sign(character):
    if character == 0:
        return True
    c = chr(character)
    category = unicodedata.category(c)
    if c in COMMON_SIGNS:
        return False
    return category in ("Sm", "So", "Sk", "Lm", "Cc", "Co", "Cn")


# Signs that stand inside words: the typographic apostrophe (l’été),
# hyphens; and the middle dot, which Catalan writes between two l's
# (col·legi).
WORD_JOINERS = set("\u2019\u02bc\u2010\u2011")
MIDDLE_DOT = "\u00b7"


# Signs that stand apart from words: a bullet, a dagger, per mille.
APART_SIGNS = set("\u2022\u2020\u2021\u2030")


# Signs that stand at a word's edge: quotation marks, Spanish ¿ and ¡.
def is_quotation_sign(character):
    c = chr(character)
    return unicodedata.category(c) in ("Pi", "Pf") or c in "\u201e\u201a\u00bf\u00a1"


def folded(character):
    lower = chr(character).lower()
    return lower if len(lower) == 1 else chr(character)


# Word lists not in UTF-8.
LATIN1_LISTS = {DICT + "swedish", DICT + "norsk"}


def source_encoding(path):
    if path in LATIN1_LISTS:
        return "latin-1"
    if path.endswith(".dic"):
        aff = path[:-4] + ".aff"
        with open(aff, "rb") as f:
            for line in f:
                if line.startswith(b"SET "):
                    return line[4:].strip().decode("ascii").lower().replace("microsoft-", "")
    return "utf-8"


def words_of(path):
    with open(path, encoding=source_encoding(path), errors="replace") as f:
        lines = f.read().split("\n")
    if path.endswith(".dic"):
        lines = lines[1:]
    words = [line.split("/")[0].strip() for line in lines]
    words = [w for w in words if w and "\ufffd" not in w]
    step = max(1, len(words) // WORDS_PER_LANGUAGE)
    return words[::step]


def language_model(path):
    """The alphabet of a language (the letters its words hold, a to z
    always) and the costs of its letter pairs."""
    words = [w.lower() for w in words_of(path)]
    letters = collections.Counter(c for w in words for c in w if is_letter(ord(c)))
    total = sum(letters.values())
    alphabet = sorted(set(chr(c) for c in range(ord("a"), ord("z") + 1)) |
                      {c for c, n in letters.items() if n * 20000 >= total})
    index = {letter: i + 1 for i, letter in enumerate(alphabet)}
    other = len(alphabet) + 1
    size = len(alphabet) + 2
    counts = [[0] * size for _ in range(size)]
    for word in words:
        previous = 0
        for character in word:
            if not is_letter(ord(character)):
                if previous:
                    counts[previous][0] += 1
                previous = 0
                continue
            current = index.get(character, other)
            counts[previous][current] += 1
            previous = current
        if previous:
            counts[previous][0] += 1
    costs = []
    for a in range(size):
        row_total = sum(counts[a])
        for b in range(size):
            probability = (counts[a][b] + 0.01) / (row_total + size * 0.01)
            costs.append(min(MAX_COST, round(-4 * math.log2(probability))))
    return alphabet, costs


# Romanian writes ș and ț with a comma below; code pages 1250 and 852 have
# them with a cedilla, which older Romanian text holds instead.
SAME_LETTERS = {"ş": "ș", "ţ": "ț"}


def letters_of(table, alphabet):
    index = {letter: i + 1 for i, letter in enumerate(alphabet)}
    for cedilla, comma in SAME_LETTERS.items():
        if comma in index and cedilla not in index:
            index[cedilla] = index[comma]
    other = len(alphabet) + 1
    row = []
    for byte in range(256):
        c = byte if byte < 0x80 else table[byte - 0x80]
        if not is_letter(c):
            if byte >= 0x80 and chr(c) in WORD_JOINERS:
                row.append(0x7E)
            elif byte >= 0x80 and chr(c) == MIDDLE_DOT:
                row.append(0x7C)
            elif byte >= 0x80 and chr(c) in APART_SIGNS:
                row.append(0x7B)
            elif byte >= 0x80 and is_quotation_sign(c):
                row.append(0x7D)
            else:
                row.append(0x7F if byte >= 0x80 and is_odd_sign(c) else 0)
            continue
        capital = 0x80 if chr(c).lower() != chr(c) and len(chr(c).lower()) == 1 else 0
        row.append(index.get(folded(c), other) | capital)
    return row


def main():
    tables = {cp: characters_of(cp) for cp, _ in CODE_PAGES}
    out = sys.stdout
    out.write("// Generated by scripts/generate_code_page_tables.py: do not edit.\n\n")
    out.write("namespace {\n\n")
    out.write("// The character of each byte 0x80 to 0xFF; 0: undefined.\n")
    out.write("const std::uint16_t kHighHalves[][128] = {\n")
    for cp, _ in CODE_PAGES:
        out.write("    {  // %s\n" % cp)
        t = tables[cp]
        for row in range(0, 128, 8):
            out.write("        " + ", ".join("0x%04X" % c for c in t[row:row + 8]) + ",\n")
        out.write("    },\n")
    out.write("};\n\n")

    models = {}
    for family, languages in FAMILIES:
        for language, path in languages:
            alphabet, costs = language_model(path)
            models[language] = (alphabet, costs)
            size = len(alphabet) + 2
            out.write("// %s: %s\n" % (language, "".join(alphabet)))
            out.write("const unsigned char k%sCosts[%d] = {\n" % (language.capitalize(),
                                                                size * size))
            for a in range(size):
                out.write("    " + ",".join(str(v) for v in costs[a * size:(a + 1) * size]) +
                          ",\n")
            out.write("};\n\n")

    out.write("// Each byte's letter in a language's alphabet: 0 not a letter, 1 to n the\n"
              "// alphabet's letters, n + 1 a letter outside it; 0x80 marks a capital;\n"
              "// 0x7F: a sign that text hardly holds; 0x7E: a sign that joins words;\n"
              "// 0x7D: a sign at a word's edge; 0x7C: the middle dot; 0x7B: a sign\n"
              "// that stands apart from words.\n")
    for cp, family in CODE_PAGES:
        languages = dict(FAMILIES)[family]
        for language, _ in languages:
            row = letters_of(tables[cp], models[language][0])
            out.write("const unsigned char k%s%sLetters[256] = {\n" % (
                cp.replace("_", "").capitalize(), language.capitalize()))
            for start in range(0, 256, 32):
                out.write("    " + ",".join("%d" % v for v in row[start:start + 32]) + ",\n")
            out.write("};\n")
        out.write("const LanguageModel k%sModels[] = {\n" % cp.replace("_", "").capitalize())
        for language, _ in languages:
            out.write("    {k%s%sLetters, %d, k%sCosts},\n" % (
                cp.replace("_", "").capitalize(), language.capitalize(),
                len(models[language][0]) + 2, language.capitalize()))
        out.write("};\n\n")
    out.write("// The languages each code page is written in, in the order of kHighHalves.\n")
    out.write("const LanguageModels kModels[] = {\n")
    for cp, family in CODE_PAGES:
        name = cp.replace("_", "").capitalize()
        out.write("    {k%sModels, %d, %d},\n" % (name, len(dict(FAMILIES)[family]),
                                                  FAMILY_ORDER.index(family)))
    out.write("};\n\n")
    out.write("}  // namespace\n")


if __name__ == "__main__":
    main()
