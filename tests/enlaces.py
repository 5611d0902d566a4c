#!/usr/bin/env python3
# Every relative link in README.md and docs/*.md reaches a file of the tree, and
# every "#anchor" a heading of its target, named as GitHub names headings.
import pathlib, re, sys, urllib.parse

raiz = pathlib.Path(sys.argv[1]).resolve()
sin_codigo = lambda md: re.sub(r"^```.*?^```|^ {4}.*?$", "", md.read_text("utf-8"), flags=re.M | re.S)


def anclas(md):
    vistas, r = {}, set()
    for titulo in re.findall(r"^#{1,6} +(.+?) *$", sin_codigo(md), re.M):
        # Lower case, accents kept, punctuation dropped, each blank a hyphen;
        # a repeated heading gets -1, -2...
        a = re.sub(r"[^\w\- ]", "", titulo.lower()).replace(" ", "-")
        r.add(a if a not in vistas else f"{a}-{vistas[a]}")
        vistas[a] = vistas.get(a, 0) + 1
    return r


fallos, vistos = [], 0
for md in [raiz / "README.md", *sorted((raiz / "docs").glob("*.md"))]:
    for enlace in re.findall(r"\]\(<?([^)\s>]+)", re.sub(r"`[^`]*`", "", sin_codigo(md))):
        if re.match(r"[a-z][a-z0-9+.-]*:", enlace):
            continue
        vistos += 1
        ruta, _, ancla = urllib.parse.unquote(enlace).partition("#")
        destino = (md.parent / ruta).resolve() if ruta else md
        if not (destino.is_relative_to(raiz) and destino.exists()) or (
                ancla and (destino.suffix != ".md" or ancla not in anclas(destino))):
            fallos.append(f"{md.relative_to(raiz)}: {enlace}")
print("\n".join(fallos) or f"{vistos} enlaces, todos resuelven")
sys.exit(1 if fallos or not vistos else 0)
