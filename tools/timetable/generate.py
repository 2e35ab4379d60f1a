#!/usr/bin/env python3
"""Writes the three days' timetables under data/timetable from a few working rules.

Run by developers only, never at build time; the generated tables are committed and reviewed.

    python3 tools/timetable/generate.py

The rules it follows:
- every engine works a diagram that chains in time: it starts on shed or placed, or comes in on its first
  arrival; it leaves only after it has arrived; it comes back on its departure's return arrival, which is
  booked later; a turnaround leaves at least TURN_MINUTES (a diesel unit UNIT_TURN_MINUTES, an engine
  staying on its through train THROUGH_MINUTES);
- every departure that needs stock gets it from an arrival's portion, a traffic block or a placement;
- arrivals of one line keep the line's headway; lines and groups are chosen so that a train can get
  from the line to its group (the reachability table of the track plan);
- express trains get engines of passenger power 5 or more, fast freights freight power 5 or more.
"""

import os
import random
import re
import sys
from collections import Counter, defaultdict

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "data", "timetable")

TURN_MINUTES = 40
UNIT_TURN_MINUTES = 10
THROUGH_MINUTES = 4
STOCK_TURN_MINUTES = 25
DAY_END = 23 * 60 + 50

# ---------------------------------------------------------------------------------------------- layout

POWER = {
    "Any  ": (0, 0), "DMU  ": (0, 0), "Jinty": (0, 3), "LM 3T": (3, 3), "St 3T": (3, 3), "LM 4T": (4, 4),
    "St 4T": (4, 4), "LM 2P": (2, 2), "Crab ": (5, 5), "LM 4 ": (4, 4), "LM 4F": (0, 4), "LM 5 ": (5, 5),
    "Pat  ": (6, 5), "Jub  ": (6, 5), "Pat 7": (7, 5), "Jub 7": (7, 5), "Scot ": (7, 5), "PrRoy": (8, 6),
    "PrCor": (8, 6), "LM 2 ": (2, 2), "LM 8F": (0, 8), "LM 7F": (0, 7), "Duke ": (8, 6), "Brit ": (7, 7),
    "St 5 ": (5, 5), "St 4 ": (4, 4), " St 2": (2, 2), "WD 8F": (0, 8), "St 9F": (0, 9),
}

GROUP_RANGES = [(2, 4, 5), (9, 10, 23), (11, 12, 6), (13, 14, 24), (16, 23, 9), (28, 49, 14), (64, 65, 11),
                (77, 78, 11), (69, 70, 4), (71, 73, 15), (93, 110, 15), (81, 81, 12), (87, 89, 10),
                (91, 91, 13), (121, 137, 16), (142, 151, 17), (160, 162, 18), (181, 182, 19)]

ENTRY = {1: [55], 2: [51], 3: [51], 7: [53], 8: [53], 20: [179], 21: [189], 22: [191], 23: [191]}
EXIT = {1: [56], 2: [52], 3: [52], 7: [54], 8: [54], 20: [180], 21: [190], 22: [192], 23: [192]}
NORTH = [1, 2, 3, 7, 8]
SOUTH = [20, 21, 22, 23]
HEADWAY = {1: 9, 2: 4, 3: 4, 7: 4, 8: 4, 20: 4, 21: 4, 22: 4, 23: 4}  # class-3 headway, the widest


def group_of(place):
    for first, last, group in GROUP_RANGES:
        if first <= place <= last:
            return group
    return 0


def read_kinds():
    text = open(os.path.join(ROOT, "src/world/table/location_rows.h")).read()
    names = {"kindEntryPoint": 0, "kindExitPoint": 1, "kindPlatform": 2, "kindThroughRoad": 3,
             "kindShedRoad": 4, "kindServicePoint": 5, "kindSiding": 6, "kindTurntable": 7,
             "kindRunningSection": 8}
    return {int(m.group(1)): names[m.group(2)]
            for m in re.finditer(r'\{(\d+), "...", (kind\w+), \d+\}', text)}


def read_reach():
    reach = defaultdict(set)

    def ids(token):
        if "-" in token:
            a, b = token.split("-")
            return range(int(a), int(b) + 1)
        return [int(token)]

    for line in open(os.path.join(ROOT, "data/track/reachability.txt")):
        fields = line.split()
        if not fields or fields[0].startswith("#"):
            continue
        for source in ids(fields[0]):
            for token in fields[2:]:
                reach[source].update(ids(token))
    return reach


KINDS = read_kinds()
REACH = read_reach()


def line_places(line, arriving):
    if line in ENTRY:
        return (ENTRY if arriving else EXIT)[line]
    own = [p for p in range(1, 195) if group_of(p) == line]
    return own or [25]


def passable(place, own_group):
    return KINDS.get(place) in (0, 1, 2, 3, 8) or group_of(place) in (0, own_group)


def reaches(starts, own_group, goal):
    seen, todo = set(starts), list(starts)
    while todo:
        place = todo.pop()
        for nxt in REACH[place]:
            if goal(nxt):
                return True
            if nxt not in seen and passable(nxt, own_group):
                seen.add(nxt)
                todo.append(nxt)
    return False


def arrival_reaches(line, group):
    starts = line_places(line, True)
    return reaches(starts, group_of(starts[0]), lambda p: group_of(p) == group)


def departure_reaches(group, line):
    targets = set(line_places(line, False))
    starts = [p for p in range(1, 195) if group_of(p) == group]
    return reaches(starts, group, lambda p: p in targets)


# ------------------------------------------------------------------------------------------- engines

def read_engines():
    engines = {}
    for line in open(os.path.join(ROOT, "data/engines.txt")):
        if line.lstrip().startswith("#") or not line.strip():
            continue
        quoted = re.findall(r'"([^"]*)"', line)
        duty = int(line.split()[0])
        engines[duty] = (quoted[0], quoted[-1])
    return engines


ENGINES = read_engines()


def ppower(duty):
    return POWER[ENGINES[duty][0]][0]


def fpower(duty):
    return POWER[ENGINES[duty][0]][1]


# ---------------------------------------------------------------------------------------------- names

PLACES_BEYOND = {
    1: ["Wrennick", "Hollingarth", "Pardlow", "Thurlstone", "Northwald"],
    2: ["Carrowfold", "Kestermere", "Blaxholme", "Ormesdyke", "Fellingrove", "Hathersay"],
    3: ["Skelbury", "Annisford", "Ravensmoss"],
    7: ["Cressingfold", "Dunmarsh", "Lowick Moor", "Tessingham"],
    8: ["Sallowstead", "Quarnby Rd", "Hebbleton"],
    4: ["Bramhaugh"], 5: ["Murlingham"], 6: ["Ickerdale"], 24: ["Marrowgate"], 25: ["Saltmire Jn"],
    9: ["Scarnholt"], 11: ["Drennan Quay"], 16: ["Up Yard"], 19: ["Eelmere"],
    20: ["Bracklebeck", "Sumbervale", "Gantry Hill", "Welcombe Bay"],
    21: ["Roufield", "Ashcombe Pk", "Larkhampton", "Penvarrow", "Stourwick", "Callowmead"],
    22: ["Rushmarrow", "Tolverne", "Mintlow"],
    23: ["Burnisdale", "Haverstoke"],
}
EXCURSION_PLACES = ["Penvarrow", "Welcombe Bay", "Marram Sands", "Lowick Moor", "Gantry Hill",
                    "Fellingrove", "Hathersay", "Tessingham", "Callowmead", "Northwald", "Ashcombe Pk"]

NAMED = {
    "weekday": ["The Moorland Flyer", "The Carrowfold Express", "The Wrennick Belle", "The Roufield Limited",
                "The Penvarrow Pullman", "The Northern Heathman", "The Skelbury Clipper",
                "The Bracklebeck Rose", "The Western Fellsman", "The Callowmead Mail",
                "The Tolverne Coaster", "The Kestermere Scot", "The Hathersay Merchantman",
                "The Larkhampton Arrow", "The Mid-Day Wayfarer", "The Ashcombe Courier",
                "The Evening Moorlander", "The Night Highlander", "The Welcombe Riviera",
                "The Sumbervale Ranger", "The Ormesdyke Comet", "The Stourwick Statesman",
                "The Lowick Lancer", "The Gantry Hill Lark", "The Burnisdale Coronet",
                "The Dunmarsh Pioneer", "The Sallowstead Pilgrim"],
    "saturday": ["The Moorland Flyer", "The Carrowfold Express", "The Wrennick Belle",
                 "The Holiday Coaster", "The Penvarrow Pullman", "The Marram Sands Special",
                 "The Welcombe Riviera", "The Bracklebeck Rose", "The Summer Fellsman",
                 "The Roufield Limited", "The Night Highlander", "The Ashcombe Courier",
                 "The Evening Moorlander", "The Sunny Southerner"],
    "sunday": ["The Moorland Flyer", "The Carrowfold Express", "The Wrennick Belle", "The Roufield Limited",
               "The Night Highlander", "The Penvarrow Pullman", "The Evening Moorlander",
               "The Sabbath Wayfarer", "The Welcombe Riviera"],
}

# ----------------------------------------------------------------------------------------- the model


class Dep:
    def __init__(s, line, time, group, ttype, duty, cond="-", dest=None, family="p"):
        s.line, s.time, s.group, s.type, s.duty, s.cond = line, time, group, ttype, duty, cond
        s.dest, s.family = dest, family  # family: p passenger, f freight, l light, x pseudo
        s.ret = None       # Arr the engine comes back on
        s.code = None
        s.fixed_code = None
        s.sources = 0


class Arr:
    def __init__(s, line, time, group, ttype, duty, cond="-", origin=None, cond_code=99):
        s.line, s.time, s.group, s.type, s.duty, s.cond = line, time, group, ttype, duty, cond
        s.origin, s.cond_code = origin, cond_code
        s.first = None     # Dep, Traffic or pseudo Dep
        s.portions = []    # (Dep or Traffic, cond)
        s.code = None
        s.code_duty = duty  # whose diagram letter it takes (the engine coming back on it)
        s.trip = False


class Traf:
    def __init__(s, route, name, dep, ttype):
        s.route, s.name, s.dep, s.type = route, name, dep, ttype


class Day:
    def __init__(s, name, seed):
        s.name = name
        s.rng = random.Random(seed)
        s.deps, s.arrs, s.traffic, s.start = [], [], [], []
        s.taken = defaultdict(list)   # line -> arrival times
        s.used_engines = set()
        s.pseudo = {}

    # -- arrival times keep the line's headway
    def free_time(s, line, lo, hi, prefer=None):
        lo, hi = max(lo, 3), min(hi, DAY_END)
        if lo > hi:
            return None
        gap = HEADWAY.get(line, 2)
        times = list(range(lo, hi + 1))
        if prefer is not None:
            times.sort(key=lambda t: abs(t - prefer))
        else:
            s.rng.shuffle(times)
        for t in times:
            if all(abs(t - u) >= gap for u in s.taken[line]):
                return t
        return None

    def add_arr(s, arr):
        s.taken[arr.line].append(arr.time)
        s.arrs.append(arr)
        return arr

    def engine(s, pool, test=lambda d: True):
        choices = [d for d in pool if d not in s.used_engines and test(d)]
        if not choices:
            import traceback; traceback.print_stack(); raise SystemExit(f"{s.name}: engines run out ({len(s.used_engines)} used)")
        duty = s.rng.choice(choices)
        s.used_engines.add(duty)
        return duty


def return_leg(day, quota, d, ttype, lo=180, hi=420, wait=(THROUGH_MINUTES + 2, 14), again=0.0):
    """The engine of d comes back on a later arrival on d's line, which runs through as its next train."""
    line = d.line
    if line not in ENTRY or quota.get(line, 0) <= 0 or d.time + lo > DAY_END - 30:
        return None
    t = day.free_time(line, d.time + lo, min(d.time + hi, DAY_END - 30))
    if t is None:
        return None
    quota[line] -= 1
    r = day.add_arr(Arr(line, t, d.group, ttype, 999, origin=d.dest,
                        cond_code=day.rng.choice([99, 90, 85, 80, 75, 70])))
    r.code_duty = d.duty
    d.ret = r
    back = other_side(day, line)
    d2 = Dep(back, t + day.rng.randint(*wait), d.group, ttype, d.duty, dest=dest_for(day, back),
             family=d.family)
    r.first = d2
    d2.sources += 1
    day.deps.append(d2)
    if day.rng.random() < again:
        return_leg(day, quota, d2, ttype, lo, hi, wait, again)
    return r


def dest_for(day, line):
    return day.rng.choice(PLACES_BEYOND.get(line, ["Wendmoor"]))


# --------------------------------------------------------------------------------------- engine pools

SOUTH_PASS = list(range(1, 101))
NORTH_PASS = list(range(201, 301))
FREIGHT_VISITORS = list(range(330, 340)) + list(range(700, 735)) + [745]
LOCAL_PASS = list(range(400, 420))
LOCAL_TANK = list(range(425, 440))
LOCAL_FREIGHT = list(range(440, 450)) + list(range(480, 494))
UNITS = [900, 901, 902, 903, 904, 905, 910, 911, 912, 920, 921, 930]


def visitors(from_line):
    return SOUTH_PASS if from_line in SOUTH or from_line == 19 else NORTH_PASS


def other_side(day, line):
    if line in SOUTH:
        return day.rng.choices([2, 1, 7, 3, 8], [40, 22, 33, 3, 4])[0]
    return day.rng.choices([21, 20, 22, 23], [52, 30, 8, 3])[0]


# ----------------------------------------------------------------------------------------- day shapes

DAYS = {
    "weekday": dict(
        seed=1964, arr_lines={1: 18, 2: 80, 3: 15, 4: 3, 5: 4, 6: 2, 7: 35, 8: 8, 19: 3, 20: 60, 21: 80,
                                22: 21, 23: 6, 24: 2, 25: 2},
        trips=[16, 11, 9, 11, 16, 11, 9, 16, 9], deps=372, traffic=83, portions=159,
        types={0: 132, 4: 47, 2: 9, 3: 3, 5: 22, 7: 3, 8: 3, 9: 54, 10: 11, 12: 87, 6: 1},
        groups={15: 292, 16: 36, 17: 37}, freight_through=75, yard_arrivals=55,
        chance_deps=27, chance_arrs=45,
        shed=[481, 411, 432, 405, 430, 431, 404, 433, 420, 401, 400, 402, 434, 435, 403, 423, 406, 424],
        units_ready=[49, 48, 47], carriage=[73, 72, 94, 109, 110], up_yard=[131, 133, 134, 136, 136],
        up_engine=772,
        down_ready=145, down_stock=[146, 146, 148, 149, 150], bcd=4, alt_pairs=2, excursions=12,
        followons=5, minute_rule=True, unit_lines=[4, 5, 6, 24, 25, 3, 8, 22, 23],
        pseudo=["01S", "01F", "02S", "02F", "03S", "07S", "07F", "08S", "04T", "05T",
                "20S", "20F", "21S", "21F", "22S", "22F", "23S", "23T", "19T", "11T"],
        extra_light=1, chance_portions=(6, 5, 4), chance_yard_arrivals=4),
    "saturday": dict(
        seed=1959, return_share=0.95, again=0.5, arr_lines={1: 19, 2: 95, 3: 16, 4: 2, 5: 2, 6: 1, 7: 38, 8: 11, 19: 2, 20: 74, 21: 75,
                                22: 23, 23: 7, 24: 1, 25: 1},
        trips=[16, 11, 9, 11], deps=396, traffic=82, portions=126,
        types=None, groups=None, freight_through=40, yard_arrivals=38,
        chance_deps=4, chance_arrs=26,
        shed=[481, 411, 432, 405, 430, 431, 404, 433, 420, 401, 400, 402, 434, 435, 403, 423, 406, 424],
        units_ready=[49, 48, 47], carriage=[73, 72, 94, 109, 110], up_yard=[131, 133, 134],
        up_engine=None,
        down_ready=145, down_stock=[146, 146, 148, 149, 150], bcd=0, alt_pairs=1, excursions=3,
        followons=0, minute_rule=False, unit_lines=[4, 5, 6, 24, 25, 3, 8, 22, 23],
        pseudo=["01S", "01F", "02S", "02F", "03S", "07S", "07F", "08S",
                "20S", "20F", "21S", "21F", "22S", "22F", "23S", "19T"],
        extra_light=0, chance_portions=(8, 6, 4), chance_yard_arrivals=4),
    "sunday": dict(
        seed=1960, arr_lines={1: 5, 2: 57, 3: 19, 4: 1, 5: 1, 7: 9, 8: 4, 19: 1, 20: 29, 21: 38, 22: 11},
        trips=[16, 9], deps=202, traffic=16, portions=16,
        types=None, groups=None, freight_through=6, yard_arrivals=8,
        chance_deps=2, chance_arrs=2,
        shed=[480, 335, 401, 420, 400, 403, 433, 404, 434, 405, 424, 411, 402, 423, 432],
        units_ready=[47], carriage=[99, 73, 72, 110], up_yard=[], up_engine=None,
        down_ready=147, down_stock=[], bcd=0, alt_pairs=0, excursions=2,
        followons=0, minute_rule=False, unit_lines=[4, 5, 3, 8, 22],
        pseudo=["01S", "01F", "02S", "02F", "03S", "07S", "07F", "08S", "20S", "20F", "21S", "21F", "22S",
                "22F", "03F", "08F", "23S"],
        extra_light=0, chance_portions=(0, 0, 0), chance_yard_arrivals=0),
}


# ------------------------------------------------------------------------------------------- building

def hm(t):
    return f"{t // 60:02d}:{t % 60:02d}"


def yard_for_arrival(line):
    # Trains from the south are sorted in the up yard, trains from the north in the down yard.
    return 16 if line in SOUTH or line == 19 else 17


def yard_for_departure(line):
    return 17 if line in SOUTH else 16


def pick_time(day, lo, hi):
    return day.rng.randint(lo, hi)


def build(name, cfg):
    day = Day(name, cfg["seed"])
    rng = day.rng
    quota = dict(cfg["arr_lines"])
    deps, arrs = day.deps, day.arrs
    shed = list(cfg["shed"])
    on_shed = set(shed) | {421, 422}
    day.used_engines |= {421, 422}
    spare_engines = []  # (time on shed, duty): engines whose day ends on shed

    def use_arr(line, lo, hi, **kw):
        t = day.free_time(line, lo, hi, kw.pop("prefer", None))
        if t is None:
            raise SystemExit(f"{name}: no free time on line {line} in {hm(lo)}..{hm(hi)}")
        if not kw.pop("trip", False):
            quota[line] -= 1
            if quota[line] < 0:
                raise SystemExit(f"{name}: too many arrivals on line {line}")
        a = Arr(line, t, **kw)
        return day.add_arr(a)

    # 1. the all-day yard pilots
    p1 = Dep(17, 1, 17, 8, 421, dest="24 hours", family="l"); p1.fixed_code = "421$"
    p2 = Dep(16, 2, 16, 8, 422, dest="24 hours", family="l"); p2.fixed_code = "422$"
    deps += [p1, p2]
    day.start.append(("loco", 421, 117, 2, 0, "-"))
    day.start.append(("loco", 422, 114, 2, 0, "-"))

    # 2. pseudo-departures, one per line and kind of yard traffic
    for token in cfg["pseudo"]:
        line, kind = int(token[:2]), token[2]
        group = 16 if line in NORTH or line in (4, 5) else 17
        if line in (19, 11):
            group = 16 if departure_reaches(16, line) and line == 19 else 17
        d = Dep(line, 48 * 60, group, 9 if kind == "F" else 12, 999, dest=PLACES_BEYOND[line][0][:11],
                family="x")
        d.fixed_code = token + "#"
        day.pseudo[token] = d
        deps.append(d)
    pseudo_by_yard = defaultdict(list)
    for d in day.pseudo.values():
        pseudo_by_yard[d.group].append(d)

    freight_needing_stock = []   # freight departures that still need a block of traffic
    tanks = [d for d in shed if 425 <= d <= 439] + [d for d in LOCAL_TANK if d not in on_shed]

    def next_tank():
        duty = tanks.pop(0)
        day.used_engines.add(duty)
        return duty

    # 3. trips between the yards and the sidings
    trips = list(cfg["trips"])
    trip_order = []
    returns16 = [i for i, l in enumerate(trips) if l == 16]
    circuits = [(i, l) for i, l in enumerate(trips) if l in (9, 11)]
    trip_arrs = {}
    base = 7 * 60
    for n, (index, line) in enumerate(circuits):
        tank = next_tank()
        t0 = base + n * 75
        if line == 9:
            d1 = Dep(9, t0, 17, 12, tank, dest="Scarnholt", family="f")
            arr_group, d2_group = 9, 9
        else:
            d1 = Dep(11, t0, 16, 12, tank, dest="Drennan Qy", family="f")
            arr_group, d2_group = 11, 11
        deps.append(d1)
        freight_needing_stock.append(d1)
        ta = use_arr(line, t0 + 30, t0 + 50, group=arr_group, ttype=12, duty=999, trip=True,
                     origin=d1.dest, cond_code=80)
        ta.trip = True
        ta.code_duty = tank
        d1.ret = ta
        trip_arrs[index] = ta
        d2 = Dep(16, ta.time + TURN_MINUTES + 20, d2_group, 12, tank, dest="Up Yard", family="f")
        deps.append(d2)
        ta.first = d2
        d2.sources += 1
        if returns16:
            back = returns16.pop(0)
            tb = use_arr(16, d2.time + 20, d2.time + 40, group=16, ttype=12, duty=999, trip=True,
                         origin=d1.dest, cond_code=99)
            tb.trip = True
            tb.code_duty = tank
            tb.first = day.pseudo[cfg["pseudo"][0]]
            d2.ret = tb
            trip_arrs[back] = tb
    day.trip_arrs = [trip_arrs[i] for i in range(len(trips))]

    # 4. a light engine off shed to a colliery, coming back with a train for the up yard
    for _ in range(cfg["extra_light"]):
        duty = shed[0]
        day.used_engines.add(duty)
        le = Dep(20, 6 * 60 + 20, 14, 8, duty, dest="Gantry Hill", family="l")
        deps.append(le)
        back = use_arr(20, 9 * 60, 9 * 60 + 40, group=16, ttype=12, duty=999, origin="Gantry Hill",
                       cond_code=60)
        back.code_duty = duty
        back.first = day.pseudo["01S"]
        le.ret = back

    def visiting(line, test=lambda d: True):
        return day.engine(visitors(line), test)

    def through_pair(line, t_lo, t_hi, cond_arr="-", dep_line=None, turn=None, ttype=0, cond_dep="-",
                     origin=None, dest=None, test=lambda d: ppower(d) >= 5, engine=None):
        duty = engine or visiting(line, test)
        a = use_arr(line, t_lo, t_hi, group=15, ttype=ttype, duty=duty, cond=cond_arr,
                    origin=origin or dest_for(day, line), cond_code=rng.choice([99, 90, 85, 80, 75, 97]))
        back = dep_line or line
        gap = turn or rng.randint(THROUGH_MINUTES + 2, 12)
        d = Dep(back, a.time + gap, 15, ttype, duty, cond=cond_dep, dest=dest or dest_for(day, back))
        a.first = d
        d.sources += 1
        deps.append(d)
        return a, d

    def main_line(weights=None):
        lines = [l for l in quota if quota[l] > 0 and l in ENTRY]
        return rng.choices(lines, [quota[l] for l in lines])[0]

    # 5. chance families
    conds = {"weekday": ["60", "60", "40", "30", "d", "d", "2d", "2d"],
             "saturday": ["60", "2d"], "sunday": ["2d", "40"]}[name]
    exc_types = {"weekday": [2] * 9 + [3] * 3, "saturday": [2, 2, 2, 3], "sunday": [2, 3]}[name]
    excursions = []
    slot = 8 * 60
    for pair in range(cfg["alt_pairs"]):
        chance = ["30", "40"][pair % 2]
        line = main_line()
        first = None
        for k in range(2):
            line_k = main_line()
            cond = chance if k == 0 else None
            a, d = through_pair(line_k, slot, slot + 60, turn=rng.randint(45, 100), ttype=0,
                                origin=rng.choice(EXCURSION_PLACES), dest=rng.choice(EXCURSION_PLACES))
            d.cond = cond if k == 0 else ("alt", first, chance)
            if k == 1:
                d.time = max(d.time, first.time + 5)  # built after the train it stands in for
            a.cond = ("if", d)
            first = first or d
            excursions.append(d)
            slot += 47
    for cond in conds:
        line = main_line()
        a, d = through_pair(line, slot, slot + 60, turn=rng.randint(45, 100),
                            origin=rng.choice(EXCURSION_PLACES), dest=rng.choice(EXCURSION_PLACES))
        d.cond = cond
        a.cond = ("if", d)
        excursions.append(d)
        slot += 41
    for d, ttype in zip(excursions, exc_types):
        d.type = ttype
        d.family = "e"
    for d in excursions:
        for a in arrs:
            if a.first is d:
                a.type = d.type

    day.return_links = []
    for n, cond in enumerate(["2d", "d", "2d", "60"][: cfg["bcd"]]):
        line = main_line()
        a, b = through_pair(line, 6 * 60 + n * 50, 7 * 60 + n * 50, turn=rng.randint(45, 70))
        c = use_arr(b.line if b.line in ENTRY else line, b.time + 150, b.time + 210, group=15, ttype=0,
                    duty=999, origin=dest_for(day, b.line), cond_code=85)
        c.code_duty = b.duty
        dd = Dep(c.line, c.time + TURN_MINUTES + rng.randint(5, 30), 15, 0, b.duty, cond=cond,
                 dest=dest_for(day, c.line))
        c.first = dd
        dd.sources += 1
        c.cond = ("if", dd)
        deps.append(dd)
        day.return_links.append((b, c, dd))

    for n, cond in enumerate(["d", "2d", "d", "40", "30"][: cfg["followons"]]):
        line = main_line()
        a, x = through_pair(line, 10 * 60 + n * 45, 11 * 60 + n * 45, turn=rng.randint(45, 70))
        x.cond = cond
        a.cond = ("if", x)
        r = use_arr(x.line, x.time + 120, x.time + 180, group=15, ttype=0, duty=999, cond=("if", x),
                    origin=dest_for(day, x.line), cond_code=80)
        r.code_duty = x.duty
        x.ret = r
        y = Dep(other_side(day, x.line), r.time + TURN_MINUTES + rng.randint(0, 25), 15, 0, x.duty,
                cond=("if", x), dest=None)
        y.dest = dest_for(day, y.line)
        r.first = y
        y.sources += 1
        deps.append(y)

    if cfg["minute_rule"]:
        line = 2
        x = next(d for d in excursions if isinstance(d.cond, str))
        a, m = through_pair(line, 12 * 60 + 30, 12 * 60 + 45, turn=70)
        m.time = 13 * 60 + 55
        m.cond = ("min", x, 13 * 60 + 48)
        m.line = x.line

    # 6. diesel units on the branches and slow lines
    unit_lines = [l for l in cfg["unit_lines"] if l in quota]
    branch = [l for l in unit_lines if l not in ENTRY]
    units = list(UNITS)
    ready_places = cfg["units_ready"]
    unit_runs = []
    for line in branch + [l for l in unit_lines if l in ENTRY]:
        want = quota[line] if line not in ENTRY else min(quota[line] // 3, 5)
        unit_runs += [line] * want
    rng.shuffle(unit_runs)
    unit_chains = defaultdict(list)
    day.unit_last = []
    for n, line in enumerate(unit_runs):
        unit_chains[n % len(units)].append(line)
    for n, unit in enumerate(units):
        lines = unit_chains.get(n)
        if not lines:
            continue
        day.used_engines.add(unit)
        t = 6 * 60 + n * 9
        prev_arr = None
        if n < len(ready_places):
            head_place = ready_places[n]
        else:
            head_place = None
            first_line = lines[0]
            prev_arr = use_arr(first_line, 5 * 60 + n * 11, 7 * 60 + n * 11, group=15, ttype=4, duty=unit,
                               origin=dest_for(day, first_line), cond_code=99)
            t = prev_arr.time + UNIT_TURN_MINUTES + rng.randint(0, 20)
            lines = lines[1:]
        for line in lines:
            d = Dep(line, t, 15, 4, unit, dest=dest_for(day, line), family="u")
            deps.append(d)
            if prev_arr is not None:
                prev_arr.first = d
                d.sources += 1
            else:
                day.start.append(("departure", head_place, d, unit, 0, "-"))
                d.sources += 1
            span = (len(lines) and (17 * 60 - t) // max(1, len(lines))) or 60
            r = use_arr(line, t + 35, t + max(60, min(150, span)), group=15, ttype=4, duty=999,
                        origin=d.dest, cond_code=99)
            r.code_duty = unit
            d.ret = r
            prev_arr = r
            t = r.time + UNIT_TURN_MINUTES + rng.randint(5, 40)
        # the unit's last run ends on the shed sidings unless a late train needs it
        day.unit_last.append(prev_arr)

    # 7. local passenger engines working out and back; carriage stock stands ready for the first runs
    locals_ = [d for d in shed if 400 <= d <= 419] + [d for d in LOCAL_PASS if d not in on_shed]
    carriage = list(cfg["carriage"])
    z_count = 0

    def local_chain(duty, head_source, t, runs, end):
        nonlocal z_count
        prev = head_source
        last = None
        for k in range(runs):
            line = main_line()
            if prev is not None and k > 0:
                line = prev.line
            d = Dep(line, t, 15, 4, duty, dest=dest_for(day, line), family="c")
            deps.append(d)
            if isinstance(prev, Arr):
                prev.first = d
            else:
                day.start.append(("stock", prev, d, "-"))
            d.sources += 1
            r = use_arr(line, t + 80, t + 170, group=15, ttype=4, duty=999, origin=d.dest,
                        cond_code=rng.choice([99, 90, 85]))
            r.code_duty = duty
            d.ret = r
            prev = r
            t = r.time + TURN_MINUTES + rng.randint(5, 35)
            last = r
        return last

    for place in carriage:
        duty = locals_.pop(0)
        day.used_engines.add(duty)
        last = local_chain(duty, place, rng.randint(6 * 60, 8 * 60), 3, "z")
        z = Dep(rng.choice([2, 21, 20, 7]), 24 * 60 + rng.randint(20, 200), 15, 7, duty,
                dest="", family="z")
        z.dest = dest_for(day, z.line)
        z.time = max(z.time, last.time + TURN_MINUTES + 10)
        last.first = z
        z.sources += 1
        z.fixed_letter = "Z"
        deps.append(z)
        z_count += 1

    # 8. freight: through trains in the station loops, and trains for the yards
    def freight_engine(line):
        if any(d not in day.used_engines for d in FREIGHT_VISITORS):
            return day.engine(FREIGHT_VISITORS)
        return day.engine(SOUTH_PASS + NORTH_PASS, lambda d: fpower(d) >= 5 and ppower(d) <= 6)

    ft = 0
    while ft < cfg["freight_through"]:
        line = main_line()
        duty = freight_engine(line)
        a = use_arr(line, 0, DAY_END - 40, group=15, ttype=12, duty=duty, origin=dest_for(day, line),
                    cond_code=rng.choice([70, 80, 90, 60, 99]))
        d = Dep(other_side(day, line), a.time + rng.randint(12, 28), 15, 12, duty, family="f")
        d.dest = dest_for(day, d.line)
        a.first = d
        d.sources += 1
        deps.append(d)
        ft += 1
        if ft < cfg["freight_through"] and rng.random() < 0.6:
            if return_leg(day, quota, d, 12, wait=(12, 28)):
                ft += 1

    yard_arrs = []
    for n in range(cfg["yard_arrivals"]):
        line = main_line() if n % 6 else (19 if quota.get(19, 0) > 0 else main_line())
        duty = freight_engine(line) if line != 19 else day.engine(LOCAL_FREIGHT)
        group = yard_for_arrival(line)
        cond = "-"
        if n < cfg["chance_yard_arrivals"]:
            cond = ["d", "2d", "2d", "d"][n % 4]
        a = use_arr(line, 30, DAY_END - 100, group=group, ttype=12, duty=duty, cond=cond,
                    origin=dest_for(day, line), cond_code=rng.choice([60, 70, 80, 90]))
        yard_arrs.append(a)
        spare_engines.append((a.time, duty, a))
    return day, quota, locals_, spare_engines, yard_arrs, freight_needing_stock, pseudo_by_yard


def finish(name, cfg, day, quota, spare_engines, yard_arrs, freight_needing_stock, pseudo_by_yard):
    rng = day.rng
    deps, arrs = day.deps, day.arrs

    def use_arr(line, lo, hi, **kw):
        t = day.free_time(line, lo, hi, kw.pop("prefer", None))
        if t is None:
            raise SystemExit(f"{name}: no free time on line {line} in {hm(lo)}..{hm(hi)}")
        quota[line] -= 1
        assert quota[line] >= 0, (name, line)
        return day.add_arr(Arr(line, t, **kw))

    # 9. freight trains formed in the yards: stock placed at the start, or blocks brought in by the yard
    # arrivals; the engines are those that brought freight in, turned on shed
    if cfg["groups"]:
        yd_want = {16: cfg["groups"][16] - sum(1 for d in deps if d.group == 16),
                   17: cfg["groups"][17] - sum(1 for d in deps if d.group == 17)}
    else:
        n = cfg["yard_arrivals"] - 4
        yd_want = {16: n // 2, 17: n - n // 2}
    placed = []
    up = list(cfg["up_yard"])
    if up:
        # one portion each on the first roads; the last road holds two departures of two portions
        singles, shared = [p for p in up if up.count(p) == 1], [p for p in up if up.count(p) > 1]
        for p in singles:
            placed.append((16, [p], None))
        if shared:
            placed.append((16, [shared[0], shared[0]], cfg["up_engine"]))
            placed.append((16, [shared[0], shared[0]], None))
    placed.append((17, [cfg["down_ready"]], "ready"))
    for p in cfg["down_stock"]:
        placed.append((17, [p], None))

    spare = sorted(spare_engines)
    used_spare = set()

    def spare_engine(after, side_lines, before):
        for t, duty, a in spare:
            if duty in used_spare or a.cond != "-":
                continue
            if a.line in side_lines and t + TURN_MINUTES <= before and t >= after - 600:
                used_spare.add(duty)
                return duty, t
        return None, None

    yard_deps = []
    for group in (16, 17):
        lines = NORTH if group == 16 else SOUTH
        lines = [l for l in lines if departure_reaches(group, l)]
        for k in range(yd_want[group]):
            line = rng.choice(lines[:3] if group == 16 else lines)
            entry = placed.pop(0) if placed and placed[0][0] == group else None
            ttype = 12
            if entry is not None:
                t = rng.randint(6 * 60, 10 * 60)
                engine = entry[2]
                if engine in (None, "ready"):
                    if engine == "ready":
                        duty = 482
                        day.used_engines.add(duty)
                    else:
                        duty, came = spare_engine(0, list(ENTRY), 30 * 60)
                        if duty is None:
                            t = None
                        else:
                            t = max(t, came + TURN_MINUTES + rng.randint(0, 30))
                else:
                    duty = engine
                    day.used_engines.add(duty)
                if t is None:
                    raise SystemExit(f"{name}: no engine for placed stock")
                d = Dep(line, t, group, ttype, duty, dest=dest_for(day, line), family="f")
                for place in entry[1]:
                    if place == cfg["down_ready"] and engine == "ready":
                        day.start.append(("departure", place, d, duty, 0, "-"))
                    else:
                        day.start.append(("stock", place, d, "-"))
                    d.sources += 1
                if entry[2] not in (None, "ready"):
                    day.start.append(("loco", duty, entry[1][0], 3, 0, "-"))
                    day.start.append(("facing", duty, 0, "-"))
            else:
                home = [l for l in ENTRY if (l in SOUTH) == (group == 17)]
                duty, came = spare_engine(0, home, 30 * 60)
                if duty is None:
                    duty, came = spare_engine(0, list(ENTRY), 30 * 60)
                if duty is None:
                    raise SystemExit(f"{name}: no freight engine for the {group} yard")
                t = came + TURN_MINUTES + rng.randint(20, 150)
                d = Dep(line, t, group, ttype, duty, dest=dest_for(day, line), family="f")
                freight_needing_stock.append(d)
            deps.append(d)
            yard_deps.append(d)

    # 10. the rest of each line's arrivals: through expresses and trains that turn back, and stock that
    # comes in to be stabled or to form a later train
    remaining = sum(quota.values())
    gap = cfg["deps"] - len(deps) - remaining
    # each terminating train with a later train home adds a departure worked by the spare engine
    extra = []
    for line in sorted(quota, key=lambda l: -quota[l]):
        while quota[line] > 0:
            kind = rng.random()
            if line not in ENTRY:
                raise SystemExit(f"{name}: line {line} still needs {quota[line]} arrivals")
            lo = rng.randint(0, DAY_END - 60)
            if gap < 0 and quota[line] > 0 and kind < 0.5:
                # a light engine coming to the shed
                duty = day.engine(visitors(line))
                a = use_arr(line, lo, lo + 120, group=15, ttype=8, duty=duty, origin=dest_for(day, line),
                            cond_code=rng.choice([97, 98, 99, 96]))
                spare_engines.append((a.time, duty, a))
                gap += 1
                continue
            turn = kind < 0.35 and lo < 21 * 60
            dep_line = line if turn else other_side(day, line)
            test = (lambda d: ppower(d) >= 2) if kind > 0.93 else (lambda d: ppower(d) >= 5)
            pool = [e for e in visitors(line) if e not in day.used_engines and test(e)]
            if not pool:
                pool = [e for e in SOUTH_PASS + NORTH_PASS + FREIGHT_VISITORS + LOCAL_PASS + LOCAL_TANK
                        if e not in cfg["shed"]]
                test = lambda d: ppower(d) >= 2
            duty = day.engine(pool, test)
            a = use_arr(line, lo, lo + 60, group=15, ttype=0, duty=duty, origin=dest_for(day, line),
                        cond_code=rng.choice([99, 92, 90, 85, 80, 75, 70, 97, 98]))
            wait = rng.randint(TURN_MINUTES + 5, 110) if turn else rng.randint(THROUGH_MINUTES + 2, 12)
            d = Dep(dep_line, a.time + wait, 15, 0, duty, dest=dest_for(day, dep_line))
            a.first = d
            d.sources += 1
            deps.append(d)
            extra.append(a)
            if not turn and rng.random() < cfg.get("return_share", 0.6):
                return_leg(day, quota, d, 0, again=cfg.get("again", 0.0))
    # departures still wanted: stock detached from a through train forms a train of its own, worked by
    # an engine that came in earlier and waits on shed
    through = [a for a in arrs if isinstance(a.first, Dep) and a.first.family == "p" and a.cond == "-"
               and a.time < 21 * 60]
    rng.shuffle(through)
    waiting = sorted((t, duty) for t, duty, a in spare_engines
                     if duty not in used_spare and a.cond == "-" and ppower(duty) >= 2)
    idle = [d for d in cfg["shed"] if d not in day.used_engines and ppower(d) >= 2]
    waiting = [(-100, d) for d in idle] + waiting
    day.split_deps = []
    for r in sorted(day.unit_last, key=lambda r: r.time):
        if gap <= 0 or r is None or r.first is not None:
            break
        t = max(r.time + UNIT_TURN_MINUTES + 30, 24 * 60 + rng.randint(5, 50))
        z = Dep(r.line, t, 15, 4, r.code_duty if r.duty == 999 else r.duty, dest=dest_for(day, r.line),
                family="u")
        z.fixed_letter = "Z"
        r.first = z
        z.sources += 1
        deps.append(z)
        gap -= 1

    while gap > 0:
        if not through:
            raise SystemExit(f"{name}: {gap} departures short, no engine waiting")
        a = through.pop()
        t = a.time + STOCK_TURN_MINUTES + rng.randint(5, 90)
        engine = next(((tt, duty) for tt, duty in waiting if tt + TURN_MINUTES <= t), None)
        if engine is None:
            continue
        waiting.remove(engine)
        used_spare.add(engine[1])
        day.used_engines.add(engine[1])
        line = rng.choice([l for l in (2, 21, 20, 7, 1, 22, 3) if l != a.first.line])
        d = Dep(line, t, 15, 5, engine[1], dest=dest_for(day, line), family="s")
        a.portions.append((d, "-"))
        d.sources += 1
        deps.append(d)
        day.split_deps.append(d)
        gap -= 1
    if gap < 0:
        raise SystemExit(f"{name}: {-gap} departures too many")
    day.yard_deps = yard_deps
    day.spare_engines = spare_engines


def set_types(name, cfg, day):
    rng = day.rng
    deps = day.deps
    fam = defaultdict(list)
    for d in deps:
        fam[d.family].append(d)
    for d in fam["u"] + fam["c"]:
        d.type = 4
    zs = sorted(fam["z"], key=lambda d: d.time)
    for k, d in enumerate(zs):
        d.type = 7 if k < 3 else 5
    for d in fam["s"]:
        d.type = 5
    plain = sorted(fam["p"], key=lambda d: (ppower(d.duty), rng.random()))
    if cfg["types"]:
        want = dict(cfg["types"])
        have = defaultdict(int)
        for d in deps:
            if d.family in "uczse":
                have[d.type] += 1
        need_pass = want[4] - have[4]
        need_parcels = want[5] - have[5]
        need_milk = want.get(6, 0)
        assert need_pass >= 0 and need_parcels >= 0, (have, want)
        weak = plain[: need_pass + need_parcels + need_milk]
        for d in weak[:need_milk]:
            d.type = 6
        night = sorted(weak[need_milk:], key=lambda d: min(d.time % 1440, 1440 - d.time % 1440))
        for k, d in enumerate(night):
            d.type = 5 if k < need_parcels else 4
        for d in plain[len(weak):]:
            d.type = 0
    else:
        for d in plain:
            d.type = 0 if ppower(d.duty) >= 5 else 4
        for d in plain:
            if d.type == 0 and (d.time % 1440 < 5 * 60 or d.time % 1440 > 22 * 60) and rng.random() < 0.5:
                d.type = 5
    real = sorted([d for d in deps if d.family == "f"], key=lambda d: (-fpower(d.duty), rng.random()))
    if cfg["types"]:
        pseudo_fast = sum(1 for d in deps if d.family == "x" and d.type == 9)
        trips = [d for d in real if d.line in (9, 11, 16)]
        others = [d for d in real if d not in trips]
        fast = want[9] - pseudo_fast
        stopping = want[10]
        for k, d in enumerate(others):
            d.type = 9 if k < fast else 12
        slow_pool = [d for d in others if d.type == 12]
        rng.shuffle(slow_pool)
        for d in slow_pool[:stopping]:
            d.type = 10
        for d in trips:
            d.type = 12
        assert fpower(others[fast - 1].duty) >= 5
    else:
        for d in real:
            if d.line in (9, 11, 16):
                d.type = 12
            else:
                d.type = 9 if fpower(d.duty) >= 7 and rng.random() < 0.5 else rng.choice([12, 12, 10])
    for a in day.arrs:
        if isinstance(a.first, Dep) and a.first.family != "x":
            a.type = a.first.type
            if a.first.family == "z":
                a.type = 4
        elif a.type not in (8,):
            a.type = a.type if a.group == 15 else rng.choice([12, 12, 12, 10, 9])
    for d in deps:
        if d.family == "f" and d.type == 9:
            assert fpower(d.duty) >= 5
    if cfg["types"]:
        got = Counter(d.type for d in deps)
        assert all(got[k] == v for k, v in cfg["types"].items()), (got, cfg["types"])
        groups = Counter(d.group for d in deps)
        assert all(groups[k] == v for k, v in cfg["groups"].items()), groups


def next_name(prefix, used):
    digits = "123456789ABCDEFGHJKLMNPQRSTUVWXYZ"
    for ch in digits:
        if prefix + ch not in used:
            used.add(prefix + ch)
            return prefix + ch
    raise SystemExit("names run out for " + prefix)


def add_traffic(name, cfg, day):
    rng = day.rng
    used = set()
    traffic = day.traffic
    fy = sorted([a for a in day.arrs if a.group in (16, 17) and a.duty != 999 or
                 (a.group in (16, 17) and not a.trip and a.first is None)], key=lambda a: a.time)
    fy = [a for a in fy if a.cond == "-" and not a.trip]

    def carry(t, arrival):
        if arrival.first is None:
            arrival.first = t
        else:
            arrival.portions.append((t, "-"))

    def carrier(group, before):
        options = [a for a in fy if a.time + 60 <= before and len(a.portions) < 6]
        same = [a for a in options if a.group == group]
        return rng.choice(same or options) if (same or options) else None

    # placed traffic of the starting position
    sc = [d for d in day.deps if d.group == 9 and d.family == "f"]
    dr = [d for d in day.deps if d.group == 11 and d.family == "f"]
    up_fast = [d for d in day.deps if d.group == 16 and d.family == "f" and d.sources > 0]
    p = day.pseudo
    first_pseudo = next(iter(p.values()))

    def placed(op, place, route, prefix, dep, ttype, cond):
        t = Traf(route, next_name(prefix, used), dep, ttype)
        traffic.append(t)
        day.start.append((op, place, t, cond))

    two_d = "2d"
    if name == "sunday":
        placed("traffic", 19, 9, "SCw", sc[0] if sc else None, 5, "-")
        placed("traffic", 33, 14, "Loc", None, 6, "-")
        placed("rake", 31, 14, "Loc", None, 6, "-")
        placed("rake", 31, 14, "Loc", None, 6, "-")
    else:
        sat = name == "saturday"
        op17 = "tstock" if sat else "traffic"
        placed(op17, 17, 9, "SCw", sc[0], 5, two_d)
        placed(op17, 19, 9, "SCw", sc[-1], 13, two_d)
        placed("traffic", 33, 14, "Loc", None, 6, "-")
        placed("traffic", 32, 14, "Loc", None, 6, two_d)
        placed("traffic", 77, 11, "DRq", dr[0] if dr else p.get("11T", first_pseudo), 3, two_d)
        placed("traffic", 87, 10, "GWs", p.get("05T", first_pseudo), 8, two_d)
        placed("traffic", 121, 16, "UYd", p["01S"], 3, "-")
        placed("traffic", 129, 16, "UYd", p["02S"], 4, two_d)
        placed("rake" if sat else "traffic", 161, 18, "Rep", None, 10, "-")
        placed("tstock", 78, 11, "DRq", dr[-1] if dr else first_pseudo, 12, two_d)
        placed("tstock", 88, 10, "GWs", p.get("05T", first_pseudo), 8, two_d)
        placed("traffic" if sat else "tstock", 127, 16, "Oil", p["07S"], 12, two_d)
        placed("tstock", 81, 12, "VEn", p["02S"], 3, "d")
        placed("tstock", 91, 13, "LIm", p["03S"], 5, "d")
        placed("traffic" if sat else "tstock", 122, 16, "UYd", p["01F"], 4, "-")
        placed("rake", 31, 14, "Loc", None, 6, "-")
        placed("rake", 31, 14, "Loc", None, 6, "-")

    # blocks for the freight trains the yards form
    for d in sorted(day.freight_needing_stock, key=lambda d: d.time):
        a = carrier(d.group, d.time)
        if a is None:
            a = min(fy, key=lambda a: a.time)
            assert d.ret is None, "cannot move a trip with a return"
            d.time = max(d.time, a.time + 60)
        t = Traf(d.group, next_name("UYf" if d.group == 16 else ("DYf" if d.group == 17 else "Trp"), used),
                 d, rng.choice([3, 4, 5, 8]))
        traffic.append(t)
        carry(t, a)
        d.sources += 1
    # parcels vans for the parcels trains, on passenger trains that come in first
    parcels = [d for d in day.deps if d.type == 5 and d.time < 1440]
    passenger_in = [a for a in day.arrs if a.group == 15 and a.cond == "-" and a.type < 5 and a.duty != 999
                    and isinstance(a.first, Dep)]
    for d in parcels[: max(0, min(len(parcels), cfg["traffic"] - len(traffic) - 10))]:
        options = [a for a in passenger_in if a.time + 30 <= d.time and len(a.portions) < 3]
        if not options or len(traffic) >= cfg["traffic"]:
            continue
        t = Traf(15, next_name("Pcl", used), d, 1)
        traffic.append(t)
        rng.choice(options).portions.append((t, "-"))
        d.sources += 1
    # yard blocks to be sorted for the lines
    while len(traffic) < cfg["traffic"]:
        a = rng.choice(fy)
        targets = [x for x in day.pseudo.values() if x.group == a.group] or list(day.pseudo.values())
        x = rng.choice(targets)
        t = Traf(x.group, next_name("UYd" if x.group == 16 else "DYd", used), x, rng.choice([3, 4, 5, 12]))
        traffic.append(t)
        carry(t, a)
    assert len(traffic) == cfg["traffic"], (name, len(traffic))
    for a in day.arrs:
        if a.first is None and a.group in (16, 17) and a.type != 8:
            targets = [x for x in day.pseudo.values() if x.group == a.group] or list(day.pseudo.values())
            a.first = rng.choice(targets)


def add_portions(name, cfg, day):
    rng = day.rng
    three, two, one = cfg["chance_portions"]
    candidates = [a for a in day.arrs if a.group == 15 and a.cond == "-" and a.type <= 4
                  and isinstance(a.first, Dep)]
    targets = [d for d in day.deps if d.family in "pc" and d.cond == "-" and d.type <= 4 and d.time < 1440]
    rng.shuffle(candidates)
    for chance in ["3d"] * three + ["2d"] * two + ["d"] * one:
        while True:
            a = candidates.pop()
            later = [d for d in targets if d.time >= a.time + STOCK_TURN_MINUTES and d is not a.first]
            if later:
                a.portions.append((rng.choice(later), chance))
                break
    have = sum(len(a.portions) for a in day.arrs)
    fy = [a for a in day.arrs if a.group in (16, 17) and a.cond == "-" and not a.trip and a.type != 8]
    while have < cfg["portions"]:
        a = rng.choice(fy)
        if len(a.portions) >= 7:
            continue
        targets = [x for x in day.pseudo.values() if x.group == a.group] or list(day.pseudo.values())
        a.portions.append((rng.choice(targets), "-"))
        have += 1
    assert have == cfg["portions"], (name, have, cfg["portions"])


LETTERS = "ABCDEFGHIJKLMNPQRSTUVWXY"


def assign_codes(day):
    events = defaultdict(list)
    for d in day.deps:
        if d.fixed_code:
            d.code = d.fixed_code
        elif getattr(d, "fixed_letter", None):
            d.code = f"{d.duty:03d}Z"
        else:
            events[d.duty].append((d.time, 1, d))
    for a in day.arrs:
        events[a.code_duty].append((a.time, 0, a))
    for duty, items in events.items():
        items.sort(key=lambda x: (x[0], x[1]))
        for k, (_, _, item) in enumerate(items):
            item.code = f"{duty:03d}{LETTERS[k]}"
    codes = [d.code for d in day.deps] + [a.code for a in day.arrs]
    assert len(set(codes)) == len(codes)


def code_of(x):
    if x is None:
        return "-"
    return x.code if isinstance(x, (Dep, Arr)) else x.name


def cond_text(c):
    if isinstance(c, str):
        return c
    if c[0] == "if":
        return "if:" + c[1].code
    if c[0] == "alt":
        return f"alt:{c[1].code}:{c[2]}"
    return f"min:{c[1].code}:{hm(c[2])}"


def check_day(name, day):
    for line, times in day.taken.items():
        times = sorted(times)
        for a, b in zip(times, times[1:]):
            assert b - a >= HEADWAY.get(line, 2), (name, line, a, b)
    for a in day.arrs:
        assert arrival_reaches(a.line, a.group), (name, a.code, a.line, a.group)
    for d in day.deps:
        if d.family != "x":
            assert departure_reaches(d.group, d.line), (name, d.code, d.group, d.line)


def emit(name, cfg, day):
    w = lambda f: open(os.path.join(OUT, f"{name}-{f}.txt"), "w")
    title = name.capitalize()
    with w("departures") as f:
        f.write(f"# {title} departures, in the order they are built: the two yard pilots, the day's trains\n"
                "# by time, the trains leaving after midnight (letter Z) and the pseudo-departures (48:00).\n"
                "# return: the arrival the engine comes back on (- none). type: 0 express, 2 excursion,\n"
                "# 3 relief, 4 passenger, 5 parcels, 6 milk, 7 empty stock, 8 light engine, 9 fast freight,\n"
                "# 10 stopping freight, 12 slow freight. chance: - always; 60/40/30 a fixed chance; d, 2d the\n"
                "# difficulty once or twice as a percentage; alt:CODE:N only when CODE does not run;\n"
                "# if:CODE only when CODE runs; min:CODE:HH:MM at that minute when CODE does not run.\n#\n")
        f.write("# line  time   group  code  return  destination     type  duty  shed   chance\n")
        order = [d for d in day.deps if d.fixed_code and d.fixed_code.endswith("$")]
        running = sorted([d for d in day.deps if d not in order and d.family != "x"], key=lambda d: d.time)
        order += running + [d for d in day.deps if d.family == "x"]
        for d in order:
            shed = ENGINES[d.duty][1] if d.duty in ENGINES else " SH"
            dest = d.dest or "24 hours"
            f.write(f"  {d.line:>4}  {hm(d.time)}  {d.group:>5}  {d.code}  {code_of(d.ret):<6}  "
                    f"{chr(34) + dest[:11] + chr(34):<14}  {d.type:>4}  {d.duty:>4}  \"{shed}\"  "
                    f"{cond_text(d.cond)}\n")
    with w("traffic") as f:
        f.write(f"# {title} traffic blocks: route group, name, the departure it goes forward on (- none)\n"
                "# and the traffic type (1 parcels, 3 general, 4 vans, 5 coal, 6 loco coal, 8 timber,\n"
                "# 10 wagons for repair, 12 oil, 13 salt).\n#\n# route  name  departure  type\n")
        for t in sorted(day.traffic, key=lambda t: (t.name[:3], t.name)):
            f.write(f"  {t.route:>5}  {t.name}  {code_of(t.dep):<9}  {t.type:>4}\n")
    with w("arrivals") as f:
        f.write(f"# {title} arrivals, line by line in time order, then the trips between the yards and the\n"
                "# sidings. first: the first portion it brings (a departure code, a traffic name or -).\n"
                "# duty 999: no engine of its own (an engine comes back on it). cond: how the engine's\n"
                "# condition is drawn. A row starting with + is a further portion of the arrival above.\n"
                "# chance as in the departures.\n#\n")
        f.write("# line  time   group  code  first  origin          duty  cond  type  chance\n")
        main = sorted([a for a in day.arrs if not a.trip], key=lambda a: (a.line, a.time))
        for a in main + day.trip_arrs:
            f.write(f"  {a.line:>4}  {hm(a.time)}  {a.group:>5}  {a.code}  {code_of(a.first):<5}  "
                    f"{chr(34) + (a.origin or 'Wendmoor')[:11] + chr(34):<14}  {a.duty:>4}  {a.cond_code:>4}  "
                    f"{a.type:>4}  {cond_text(a.cond)}\n")
            for p, c in a.portions:
                f.write(f"     +  {code_of(p):<5}  {c}\n")
    with w("start") as f:
        f.write(f"# {title} starting position, in the order it is placed.\n"
                "#   shed DUTY FIRST LAST            engine on a free shed road of the range\n"
                "#   loco DUTY PLACE SLOT COND       engine in that engine place with that condition\n"
                "#   facing DUTY FACING\n"
                "#   return DEPARTURE ARRIVAL        the departure's engine comes back on the arrival\n"
                "#   departure PLACE CODE DUTY END   a departure standing ready (duty 0: no engine)\n"
                "#   stock PLACE CODE                stock for a departure, on the rake at the place\n"
                "#   traffic PLACE NAME              traffic being worked at the place\n"
                "#   tstock PLACE NAME               traffic made up, standing alone\n"
                "#   rake PLACE NAME                 traffic added to the rake at the place\n"
                "# The last column is the chance, as in the timetable.\n#\n")
        rows = []
        for r in day.start:
            if r[0] == "loco" and r[1] in (421, 422):
                rows.append(("loco", r[1], r[2], r[3], r[4], r[5]))
        shed = cfg["shed"]
        for k, duty in enumerate(shed):
            wide = (name != "sunday" and (k < 3 or k == 4)) or (name == "sunday" and duty in (411, 432))
            rows.append(("shed", duty, 40 if wide else 41, 46, "-"))
        for b, c, dd in day.return_links:
            rows.append(("return", b, c, ("if", dd)))
        # Taken by position: two portions of one departure on one road are equal rows, and both stand.
        taken = {k for k, r in enumerate(day.start) if r[0] == "loco" and r[1] in (421, 422)}
        for wanted in (lambda r: r[0] == "departure" and r[1] in cfg["units_ready"],
                       lambda r: r[0] == "stock" and r[1] in cfg["carriage"],
                       lambda r: r[0] in ("traffic", "tstock", "rake"),
                       lambda r: True):
            for k, r in enumerate(day.start):
                if k not in taken and wanted(r):
                    taken.add(k)
                    rows.append(r)
        for r in rows:
            f.write("  " + "  ".join(str(code_of(x)) if isinstance(x, (Dep, Arr, Traf)) else
                                      (cond_text(x) if isinstance(x, tuple) else str(x)) for x in r) + "\n")


def named_trains(days):
    with open(os.path.join(OUT, "named-trains.txt"), "w") as f:
        f.write("# Named trains of each day: every train whose code lies in a range (from .. to, compared as\n"
                "# text, both ends included) carries the name; the last matching row wins.\n#\n"
                "# day       from  to    name\n")
        for name, day in days.items():
            express = sorted([a for a in day.arrs if isinstance(a.first, Dep) and a.first.type == 0
                              and a.code[:3] == a.first.code[:3] and a.cond == "-"], key=lambda a: a.code)
            step = max(1, len(express) // len(NAMED[name]))
            for k, title in enumerate(NAMED[name]):
                a = express[k * step]
                lo, hi = sorted([a.code, a.first.code])
                f.write(f"  {name:<9} {lo}  {hi}  \"{title}\"\n")


def light_engines():
    with open(os.path.join(OUT, "light-engine-moves.txt"), "w") as f:
        f.write("# Planned light-engine events of the yard pilots: the time (drawn ten minutes either way\n"
                "# when the day is built), the yard line, the pilot's duty and the need it brings\n"
                "# (1 water, 2 coal). days: the days the row belongs to.\n#\n"
                "# days                     time   line  duty  flag\n")
        rows = [("weekday,saturday,sunday", "07:05", 17, 421, 1), ("weekday,saturday,sunday", "11:40", 16, 422, 1),
                ("weekday,saturday,sunday", "12:10", 17, 421, 2), ("weekday,saturday,sunday", "18:42", 17, 421, 1),
                ("weekday,saturday,sunday", "22:14", 16, 422, 2), ("saturday", "13:50", 16, 423, 2),
                ("saturday", "15:30", 17, 424, 2), ("saturday", "17:02", 16, 424, 1),
                ("saturday", "20:22", 17, 423, 1)]
        for r in rows:
            f.write(f"  {r[0]:<24} {r[1]}  {r[2]:>4}  {r[3]:>4}  {r[4]:>4}\n")


def main():
    os.makedirs(OUT, exist_ok=True)
    days = {}
    for name, cfg in DAYS.items():
        day, quota, locals_, spare, yard_arrs, fns, pby = build(name, cfg)
        day.freight_needing_stock = fns
        finish(name, cfg, day, quota, spare, yard_arrs, fns, pby)
        set_types(name, cfg, day)
        add_traffic(name, cfg, day)
        add_portions(name, cfg, day)
        assign_codes(day)
        check_day(name, day)
        emit(name, cfg, day)
        days[name] = day
    named_trains(days)
    light_engines()


if __name__ == "__main__":
    main()
