"""Reads the route structure tables of data/track: reachability, intermediate locations, no-route pairs."""

import os
import re

DATA = os.path.join(os.path.dirname(__file__), "..", "..", "data", "track")


def rows(name):
    for line in open(os.path.join(DATA, name)):
        line = line.strip()
        if line and not line.startswith("#"):
            yield line.split()


def ids(text):
    out = []
    for part in text.split(","):
        if "-" in part:
            a, b = part.split("-")
            out += range(int(a), int(b) + 1)
        else:
            out.append(int(part))
    return out


def reachability():
    pairs = set()
    for r in rows("reachability.txt"):
        for f in ids(r[0]):
            for t in r[2:]:
                for to in ids(t):
                    pairs.add((f, to))
    return pairs


def no_route():
    return {(f, t) for r in rows("no_route.txt") for f in ids(r[0]) for t in ids(r[1])}


def vias():
    """(from, to) -> list of alternatives, each a list of intermediate ids."""
    out = {}
    for r in rows("route_vias.txt"):
        alts = [[int(v) for v in r[2].split("+")]]
        if r[3] != "-":
            alts.append([int(v) for v in r[3].split("+")])
        for f in ids(r[0]):
            for t in ids(r[1]):
                out[(f, t)] = alts
    return out


def routes():
    """(from, to) -> alternatives, each a list of legs (a, b)."""
    reach = reachability()
    nr = no_route()
    v = vias()
    out = {}
    for p in sorted(reach - nr):
        alts = v.get(p, [[]])
        out[p] = [list(zip([p[0]] + a, a + [p[1]])) for a in alts]
    return out
