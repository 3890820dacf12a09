#!/usr/bin/env python3
"""Checks the translation catalogues against the program's source texts.

Every text lupdate finds in the sources (tr() calls and .ui forms) must be in
every catalogue, finished, with a non-empty translation that uses the same
set of %1-style placeholders. Texts a catalogue holds that the sources do not
(yet) use are allowed, but their placeholders are checked too.

  check_catalogues.py --lupdate LUPDATE --sources DIR --catalogues DIR LANG...
  check_catalogues.py --self-test ...same arguments...

--self-test breaks a copy of the catalogues in several ways and passes only
when the check catches every one, so the check itself cannot pass for nothing.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(\d+)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def read_catalogue(path):
    """{(context, source, comment): (type, [translations])}"""
    messages = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            translation = message.find("translation")
            if translation is None:
                messages[key] = ("unfinished", [])
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            messages[key] = (translation.get("type", "finished"), forms)
    return messages


def source_texts(lupdate, sources):
    with tempfile.TemporaryDirectory() as work:
        extracted = os.path.join(work, "sources.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", sources, "-ts", extracted],
                       check=True, stdout=subprocess.DEVNULL)
        return list(read_catalogue(extracted))


def check(lupdate, sources, catalogues, languages):
    errors = []
    texts = source_texts(lupdate, sources)
    if not texts:
        return ["lupdate found no source text in %s" % sources]
    present = {f for f in os.listdir(catalogues) if re.fullmatch(r"corvane_.+\.ts", f)}
    expected = {"corvane_%s.ts" % lang for lang in languages}
    errors += ["%s: catalogue of a language the program does not offer" % f for f in sorted(present - expected)]
    for lang in languages:
        name = "corvane_%s.ts" % lang
        if name not in present:
            errors.append("%s: missing" % name)
            continue
        messages = read_catalogue(os.path.join(catalogues, name))
        for key in texts:
            context, source, _ = key
            what = "%s: [%s] %r" % (name, context, source)
            if key not in messages:
                errors.append(what + " is not in the catalogue")
            elif messages[key][0] != "finished":
                errors.append(what + " is %s" % messages[key][0])
        for (context, source, _), (kind, forms) in messages.items():
            if kind in ("vanished", "obsolete"):
                continue
            what = "%s: [%s] %r" % (name, context, source)
            if kind == "finished" and not any(forms):
                errors.append(what + " has an empty translation")
            for form in forms:
                if placeholders(form) != placeholders(source):
                    errors.append(what + " translated with placeholders %s: %r" % (placeholders(form), form))
    print("%d source texts checked in %d catalogues" % (len(texts), len(languages)))
    return errors


def self_test(lupdate, sources, catalogues, languages):
    """Each way of breaking one catalogue must be caught."""
    first = os.path.join(catalogues, "corvane_%s.ts" % languages[0])
    text = open(first, encoding="utf-8").read()
    used = {source for _, source, _ in source_texts(lupdate, sources) if "%1" in source}
    message = next((m for m in re.finditer(r"\s*<message>\s*<source>([^<]*%1[^<]*)</source>.*?</message>", text, re.S)
                    if m.group(1) in used), None)
    if not message:
        return ["%s holds no source text with a placeholder to break" % first]
    whole, source = message.group(0), message.group(1)
    breaks = {
        "a text removed": lambda t: t.replace(whole, "", 1),
        "a text unfinished": lambda t: t.replace(whole, whole.replace("<translation>", '<translation type="unfinished">'), 1),
        "a placeholder changed": lambda t: t.replace(whole, re.sub(r"(<translation>[^<]*?)%1", r"\g<1>%2", whole), 1),
        "the catalogue deleted": None,
    }
    errors = []
    for label, breaking in breaks.items():
        with tempfile.TemporaryDirectory() as work:
            for lang in languages:
                shutil.copy(os.path.join(catalogues, "corvane_%s.ts" % lang), work)
            broken = os.path.join(work, os.path.basename(first))
            if breaking is None:
                os.remove(broken)
            else:
                with open(broken, "w", encoding="utf-8") as f:
                    f.write(breaking(text))
            found = check(lupdate, sources, work, languages)
            print("%s (%r): %s" % (label, source, found[:1] or "NOT caught"))
            if not found:
                errors.append("the check does not catch %s" % label)
    return errors


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--catalogues", required=True)
    parser.add_argument("--self-test", action="store_true")
    parser.add_argument("languages", nargs="+")
    args = parser.parse_args()
    run = self_test if args.self_test else check
    errors = run(args.lupdate, args.sources, args.catalogues, args.languages)
    for error in errors:
        print("ERROR:", error)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
