#!/usr/bin/env python3
"""Writes the maker's manual page from its --help, so that the two say the
same: the usage becomes the synopsis, the description the description, and
each option an entry of OPTIONS. The rest comes from the template.

Usage: help_to_man.py MAKER TEMPLATE OUTPUT VERSION
"""
import os
import re
import subprocess
import sys

maker, template, output, version = sys.argv[1:5]
env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8", LANGUAGE="en")
help_text = subprocess.run([maker, "--help"], env=env, check=True, capture_output=True, text=True).stdout


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return re.sub(r"^([.'])", r"\\&\1", text, flags=re.M)


lines = help_text.splitlines()
usage = lines[0].removeprefix("Usage: ").split(" ", 1)[1]
sections, current = {"description": []}, "description"
for line in lines[1:]:
    if line.endswith(":") and not line.startswith(" "):
        current = line[:-1].lower()
        sections[current] = []
    else:
        sections[current].append(line)

description = "\n".join(l.strip() for l in sections["description"] if l.strip())
entries = []
for line in sections.get("options", []):
    match = re.match(r"^  (\S.*?)(?:\s{2,}(.*))?$", line)
    if match and not line.startswith("      "):
        entries.append([match.group(1), [match.group(2) or ""]])
    elif entries:
        entries[-1][1].append(line.strip())
options = []
for names, words in entries:
    if "--help-all" in names:
        continue
    names = re.sub(r"<([^>]+)>", r"\\fI\1\\fR", roff(names))
    options.append(".TP\n.B " + names + "\n" + roff(" ".join(w for w in words if w)))

page = open(template, encoding="utf-8").read()
page = page.replace("@VERSION@", version)
synopsis = re.sub(r"<([^>]+)>", r"\\fI\1\\fR", roff(usage)).replace("[options]", "[\\fIoptions\\fR]")
page = page.replace("@SYNOPSIS@", ".B quadrifoglio\\-maker\n" + synopsis)
page = page.replace("@DESCRIPTION@", roff(description))
page = page.replace("@OPTIONS@", "\n".join(options))
open(output, "w", encoding="utf-8").write(page)
