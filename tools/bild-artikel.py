#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks every article of Wortilo's picture table against a German-English dictionary in the
format of Debian's trans-de-en (/usr/share/trans/de-en), which marks a noun's genders {m}, {f},
{n} (or several, {m,n}).

    bild-artikel.py TABLE DICTIONARY

A picture line of the table is: article, noun, emoji, format, orientation (tab-separated). A noun
the dictionary does not confirm needs an exception line, tab-separated too:

    exception   NOUN   why the article is right although the dictionary does not say so

Prints one line per problem and exits with 1 when there is any: an article that is not among the
dictionary's genders for its noun, a noun the dictionary lacks, and an exception that names no
noun of the table or that the dictionary makes unnecessary (so that none outlives its reason).
"""
import re
import sys

GENDER = {"der": "m", "die": "f", "das": "n"}
# "Hund {m}", "Trikot {m,n}": one of a line's German alternatives, once its qualifiers in
# parentheses are gone ("(kleinerer) Rucksack {m}", "Zitrone (Frucht) {f}").
ENTRY = re.compile(r"(\S+) \{([mfn](?:,[mfn])*)\}")
QUALIFIER = re.compile(r"\([^()]*\)")


def genders(path, wanted):
    """The genders the dictionary gives each noun of 'wanted' as an entry of its own."""
    found = {}
    with open(path, encoding="utf-8") as dictionary:
        for line in dictionary:
            if line.startswith("#"):
                continue
            german = line.split(" :: ", 1)[0]
            for group in german.split(" | "):
                for item in group.split("; "):
                    m = ENTRY.match(" ".join(QUALIFIER.sub(" ", item).split()))
                    if m and m.group(1) in wanted:
                        found.setdefault(m.group(1), set()).update(m.group(2).split(","))
    return found


def main(table_path, dictionary_path):
    rows, exceptions, problems = [], {}, []
    with open(table_path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            cells = line.split("\t")
            if cells[0] == "exception":
                if len(cells) != 3 or not cells[2].strip():
                    problems.append(f"line {number}: an exception needs a noun and its reason")
                else:
                    exceptions[cells[1]] = number
            elif cells[0] in GENDER and len(cells) >= 2:
                rows.append((number, cells[0], cells[1]))
            else:
                problems.append(f"line {number}: the article must be der, die or das: {line}")

    found = genders(dictionary_path, {noun for _, _, noun in rows} | set(exceptions))
    nouns = set()
    for number, article, noun in rows:
        nouns.add(noun)
        if noun in exceptions:
            continue
        known = found.get(noun)
        if known is None:
            problems.append(f"line {number}: the dictionary lacks {noun} (add an exception line "
                            "with the reason if the article is right)")
        elif GENDER[article] not in known:
            marks = ", ".join("{" + g + "}" for g in sorted(known))
            problems.append(f"line {number}: {article} {noun}, but the dictionary marks it {marks}")
    for noun, number in exceptions.items():
        if noun not in nouns:
            problems.append(f"line {number}: an exception for {noun}, which the table does not have")
        else:
            article = next(a for _, a, n in rows if n == noun)
            if GENDER[article] in found.get(noun, set()):
                problems.append(f"line {number}: the exception for {noun} is not needed, the "
                                "dictionary confirms its article")

    for problem in problems:
        print(f"{table_path}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
