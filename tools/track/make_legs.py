#!/usr/bin/env python3
"""Derives every route leg from the track topology (data/track/links.txt) and writes data/track/legs.txt.

A link joins two nodes and carries its sections in order from its low end; a node is a location id
(the link then leaves or enters that location) or a named junction. A move to a higher id runs from
the low end of links to their high end, a move to a lower id the other way, so a leg never reverses
at a junction. Each leg is the path with the fewest sections that reaches its end location without
passing another location. Flank locks cover the other branches of every junction passed; the test
set is the leg's sections and its flank targets. Run it after changing links.txt and commit both.
"""

import os
import sys
from collections import defaultdict

import routes_model as model

SLOW = set()
for a, b in [(143, 147), (149, 155), (157, 168), (261, 264), (293, 296), (324, 327), (329, 329),
             (406, 409), (423, 426), (440, 441), (446, 454), (472, 479), (489, 492)]:
    SLOW.update(range(a, b + 1))


def node(text):
    return int(text) if text.isdigit() else text


def load_links():
    links = []
    for r in model.rows("links.txt"):
        secs = [] if r[2] == "-" else [int(s) for s in r[2].split(",")]
        use = r[3] if len(r) > 3 else "both"
        links.append({"low": node(r[0]), "high": node(r[1]), "secs": secs, "use": use})
    return links


def find_paths(links, a, b):
    up = b > a
    outs = defaultdict(list)  # node -> links leaving it in the direction of the move
    for i, l in enumerate(links):
        if l["use"] == ("down" if up else "up"):
            continue
        outs[l["low"] if up else l["high"]].append(i)
    found = []

    def walk(n, path):
        for i in outs[n]:
            nxt = links[i]["high"] if up else links[i]["low"]
            if isinstance(nxt, int):
                if nxt == b:
                    found.append(path + [i])
            elif i not in path:
                walk(nxt, path + [i])

    walk(a, [])
    return found


def leg_sections(links, path, up):
    secs = []
    for i in path:
        s = links[i]["secs"]
        for sec in s if up else reversed(s):
            # A section may run on through a junction into the next link; the leg locks it once.
            if not secs or secs[-1] != sec:
                secs.append(sec)
    return secs


def flanks(links, path, up):
    """Flank locks (source, [targets]) and further test sections for the junctions the path passes.

    At facing points the branches not taken are locked with the section before the points; at trailing
    points the joining branches are only tested. A junction with more than three other branches is a
    throat drawn as one fan, whose roads are protected by the common section every path through it
    shares, so it adds nothing.
    """
    grouped, tests = [], []
    own = set(leg_sections(links, path, up))  # a section running on through the points is no branch
    for k in range(len(path) - 1):
        came, went = links[path[k]], links[path[k + 1]]
        j = came["high"] if up else came["low"]
        came_last = came["secs"][-1 if up else 0] if came["secs"] else None
        went_first = went["secs"][0 if up else -1] if went["secs"] else None
        source = came_last or went_first
        facing, trailing = [], []
        for i, l in enumerate(links):
            if i in (path[k], path[k + 1]) or not l["secs"]:
                continue
            if (l["low"] if up else l["high"]) == j and l["secs"][0 if up else -1] not in own:
                facing.append(l["secs"][0 if up else -1])
            elif (l["high"] if up else l["low"]) == j and l["secs"][-1 if up else 0] not in own:
                trailing.append(l["secs"][-1 if up else 0])
        if len(facing) <= 3 and facing:
            grouped.append((source, facing))
        if len(trailing) <= 3:
            tests += trailing
    return grouped, tests


def parse_sections(text):
    out = []
    for part in text.split(","):
        if ".." in part:
            a, b = (int(x) for x in part.split(".."))
            out += list(range(a, b + 1)) if a <= b else list(range(a, b - 1, -1))
        else:
            out.append(int(part))
    return out


def parse_flanks(text):
    if text == "-":
        return []
    return [(int(s), [int(t) for t in ts.split(",")]) for s, ts in (g.split(">") for g in text.split(";"))]


def format_sections(secs):
    if len(secs) >= 3 and all(secs[i + 1] - secs[i] == secs[1] - secs[0] for i in range(len(secs) - 1)) \
            and abs(secs[1] - secs[0]) == 1:
        return f"{secs[0]}..{secs[-1]}"
    return ",".join(map(str, secs))


def main():
    links = load_links()
    overrides = {(int(r[0]), int(r[1])): (parse_sections(r[2]), parse_flanks(r[3]))
                 for r in model.rows("leg_overrides.txt")}
    branch = {(int(r[0]), int(r[1])): r[2] for r in model.rows("branch_token.txt")}
    routes = model.routes()
    legs = sorted({leg for alts in routes.values() for alt in alts for leg in alt})
    problems = []
    lines = []
    for a, b in legs:
        paths = find_paths(links, a, b)
        if not paths:
            problems.append(f"no path {a} -> {b}")
            continue
        up = b > a
        paths.sort(key=lambda p: len(leg_sections(links, p, up)))
        path = paths[0]
        secs = leg_sections(links, path, up)
        fl, joining = flanks(links, path, up)
        if (a, b) in overrides:
            want, fl = overrides[(a, b)]
            match = [p for p in paths if leg_sections(links, p, up) == want]
            if not match:
                problems.append(f"override {a} -> {b}: {want} is no path of the links")
                continue
            secs = want
        if not 1 <= len(secs) <= 24:
            problems.append(f"{a} -> {b}: {len(secs)} sections")
        test = list(secs)
        for t in [s for _, ts in fl for s in ts] + joining:
            if t not in test:
                test.append(t)
        lines.append((a, b, secs, fl, test, branch.get((a, b), "-")))
    print("\n".join(problems), file=sys.stderr)
    out = [
        "# Route legs, made by tools/track/make_legs.py from links.txt: do not edit by hand.",
        "# sections: in order from the leg's start; flank: source>targets, timers copied after the start;",
        "# test: sections that must all be free before the leg may start.",
        "#",
        "# branch: take or return the token of the single line beyond location 26, or \"-\".",
        "#",
        "# from  to    sections                           branch  flank                                test",
    ]
    for a, b, secs, fl, test, br in lines:
        fs = ";".join(f"{s}>{','.join(map(str, t))}" for s, t in fl) or "-"
        out.append(f"  {a:<5} {b:<5} {format_sections(secs):<34} {br:<7} {fs:<36} {','.join(map(str, test))}")
    open(os.path.join(model.DATA, "legs.txt"), "w").write("\n".join(out) + "\n")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
