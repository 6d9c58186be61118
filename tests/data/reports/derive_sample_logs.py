#!/usr/bin/env python3
"""Derives the expected PILOT'S LOG and CHRONOLOGY LOG of the sample match.

Written apart from the C++ code, straight from the rules the program follows,
in their plain form: every pilot scans every event, every target is searched
in the landmark table, every aeroplane in the table. The goldens beside this
script were written by it and then read through by hand (see the checks at the
end of this file); the C++ tests compare the program's texts with them.

    tests/data/reports/derive_sample_logs.py   (run from the top of the tree)
"""

import os
import sys

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
SAMPLE = os.path.join(TOP, "data", "sample")
OUT = os.path.dirname(os.path.abspath(__file__))

# Built-in aeroplane table: display name, log name, short name, side.
PLANES = [
    ("Airco DH2", "AIRCO_DH2", "DH2", 1),
    ("Morane Bullet", "MORANE_BULLET", "Bullet", 1),
    ("Nieuport 11", "NIEUPORT_11", "N11", 1),
    ("Nieuport 17", "NIEUPORT_17", "N17", 1),
    ("Nieuport 24", "NIEUPORT_24", "N24", 1),
    ("Nieuport 28", "NIEUPORT_28", "N28", 1),
    ("SE5a", "SE5A", "SE5a", 1),
    ("Sopwith Camel", "SOPWITH_CAMEL", "Camel", 1),
    ("Sopwith Pup", "SOPWITH_PUP", "Pup", 1),
    ("Sopwith Snipe", "SOPWITH_SNIPE", "Snipe", 1),
    ("Sopwith Triplane", "SOPWITH_TRIPLANE", "Triplane", 1),
    ("SPAD VII", "SPAD_VII", "Spad VII", 1),
    ("SPAD XIII", "SPAD_XIII", "Spad XIII", 1),
    ("Albatros DII", "ALBATROS_DII", "Alb DII", 0),
    ("Albatros DIII", "ALBATROS_DIII", "Alb DIII", 0),
    ("Albatros DV", "ALBATROS_DV", "Alb DV", 0),
    ("Fokker DRI", "FOKKER_DRI", "DR1", 0),
    ("Fokker DVII", "FOKKER_DVII", "DVII", 0),
    ("Fokker EIII", "FOKKER_EIII", "EIII", 0),
    ("Halberstadt DII", "HALBERSTADT_DII", "Halb DII", 0),
    ("Pfalz DIII", "PFALZ_DIII", "Pfalz DIII", 0),
    ("Pfalz DXII", "PFALZ_DXII", "Pfalz DXII", 0),
]


def instr(s, marker, start=1):
    """1-based position of marker in s from start, 0 when absent."""
    return s.find(marker, max(start, 1) - 1) + 1


def mid(s, p, n=None):
    p = max(p, 1)
    if n is None:
        return s[p - 1:]
    if n <= 0:
        return ""
    return s[p - 1:p - 1 + n]


def right(s, n):
    return s[len(s) - n:] if 0 < n < len(s) else (s if n >= len(s) else "")


def leading_number(text):
    text = text.replace(" ", "")
    digits = ""
    for i, c in enumerate(text):
        if c.isdigit() or (i == 0 and c in "+-"):
            digits += c
        else:
            break
    try:
        return int(digits)
    except ValueError:
        return 0


def no_case_key(s):
    # ASCII letters without case, other bytes by value; ties by the bytes.
    return (s.lower().encode("latin-1"), s.encode("latin-1"))


def read_setup(path):
    """Only what these two logs print: server name, map, and the short names in force."""
    lines = open(path, "rb").read().decode("latin-1").split("\r\n")
    server_name = lines[0]
    map_index = leading_number(lines[1])
    short_names = [lines[28 + 4 * k + 3] for k in range(22)]
    return server_name, map_index, short_names


def read_logs():
    lines = []
    for name in sorted(os.listdir(SAMPLE), key=lambda n: n.lower()):
        if not name.endswith(".log"):
            continue
        data = open(os.path.join(SAMPLE, name), "rb").read().decode("latin-1")
        # A line ends at CR or CR LF; an LF alone is part of the line.
        for line in data.replace("\r\n", "\r").split("\r"):
            if len(line) >= 3 and line[2] == "/":
                lines.append(line)
    return lines


def read_landmarks(path):
    data = open(path, "rb").read().decode("latin-1").replace("\r\n", "\n").split("\n")
    counts, rest = [], 0
    while len(counts) < 5:
        for part in data[rest].split(","):
            if part.strip():
                counts.append(leading_number(part))
        rest += 1
    data_lines = [l for l in data[rest:] if l and not l.startswith("/")]
    maps, k = {}, 0
    for m in range(1, 6):
        maps[m] = []
        for _ in range(counts[m - 1]):
            l = data_lines[k]
            k += 1
            maps[m].append({
                "kind": leading_number(l[4:5]),
                "number": leading_number(l[10:13]),
                "owner": leading_number(l[26:27]),
                "layout": leading_number(l[30:33]),
            })
    return maps


class Line:
    def __init__(self, text):
        self.text = text
        self.time = mid(text, 10, 8)
        self.type = 0
        self.pilot1 = self.plane1 = self.pilot2 = self.plane2 = ""
        self.side1 = self.side2 = 0
        self.target = 0


def look_up(name):
    for display, log, short, side in PLANES:
        if display == name or log == name:
            return log, side
    return "", 0


def process(lines, landmarks, map_index):
    central, allied = set(), set()
    for i, line in enumerate(lines):
        t = line.text
        if instr(t, "has entered"):
            line.type = 1
            u, e, b, f = instr(t, "(UDP:"), instr(t, ") has entered"), instr(t, " has entered"), instr(t, "flying a")
            line.pilot1 = mid(t, 19, b - 19) if (u == 0 or e == 0) else mid(t, 19, u - 20)
            log, side = look_up(right(t, len(t) - f - 8))
            line.plane1, line.side1 = log, side
            (central if side == 0 else allied).add(line.pilot1)
        if instr(t, "has left"):
            line.type = 2
            line.pilot1 = mid(t, 19, instr(t, " has left") - 19)
            for j in range(i - 1, -1, -1):
                if lines[j].type == 1 and lines[j].pilot1 == line.pilot1:
                    line.side1 = lines[j].side1
                    break
        if instr(t, "]: "):
            line.type = 3
            line.pilot1 = mid(t, 20, instr(t, "]: ") - 20)
        if instr(t, "Kill of"):
            line.type = 4
            a = instr(t, "awarded to")
            line.plane1 = line.plane2 = ""
            for display, log, short, side in PLANES:
                v = instr(t, log, a) if a else 0
                if v:
                    line.plane1, line.side1, line.pilot1 = display, side, mid(t, a + 11, v - a - 13)
                q = instr(t, log, 1)
                if q and q < a:
                    line.plane2, line.side2, line.pilot2 = display, side, mid(t, 27, q - 29)
                if line.plane1 and line.plane2:
                    break
        if instr(t, "Target #"):
            line.type = 5
            h, d, y = instr(t, "#"), instr(t, " destroyed"), instr(t, "by ")
            line.target = leading_number(mid(t, h + 1, d - h - 1))
            line.pilot1 = mid(t, y + 3, len(t) - y - 3)
            for entry in landmarks.get(map_index, []):
                if entry["number"] == line.target:
                    line.side2 = entry["owner"]
                    break
            for j in range(i - 1, -1, -1):
                if lines[j].type == 1 and lines[j].pilot1.lower() == line.pilot1.lower():
                    line.plane1, line.side1 = lines[j].plane1, lines[j].side1
                    break
    return sorted(central, key=no_case_key), sorted(allied, key=no_case_key)


def identify(landmarks, map_index, number, ident):
    entries = landmarks.get(map_index, [])
    for k, entry in enumerate(entries, start=1):
        if entry["number"] == number:
            ident["entry"] = k
            break
    k = ident["entry"]
    l = entries[k - 1] if k >= 1 else {"kind": 0, "number": 0, "owner": 0, "layout": 0}
    n = str(l["number"])
    kind, layout = l["kind"], l["layout"]
    names = {0: ("A", "Aerodrome"), 1: ("C", "City"), 2: ("D", "Supply Dump"), 3: ("R", "Railyard"),
             4: ("B", "Bridge"), 5: ("F", "Factory"), 7: ("T", "Town"), 8: ("V", "Village")}
    if kind in names:
        ident["id"] = names[kind][0] + n
        ident["desc"] = names[kind][1]
    words = {
        0: [((0, 1, 7, 8), "11 Building "), ((3, 10), "8 Building "), ((4, 11), "6 Building "),
            ((5, 12), "5 Building "), ((6, 13), "Tent ")],
        2: [((0, 3), "5 Building "), ((1, 4), "4 Building "), ((2, 5), "Tent ")],
        4: [((0, 3), "5 Span "), ((1, 4), "3 Span "), ((2, 5), "Rail ")],
        5: [((0, 2), "5 Building "), ((1, 3), "4 Building ")],
    }
    for layouts, word in words.get(kind, []):
        if layout in layouts:
            ident["desc"] = word + ident["desc"]
            break


def header(title, match_date, server_name, map_index, setup_name):
    def centred(text):
        blanks = round(20 - len(text) / 2)  # Python rounds halves to even
        return "*" + " " * max(blanks, 0) + text
    maps = {1: "Alsace", 2: "Flanders", 3: "Island", 4: "Marne", 5: "Verdun"}
    rows = [centred("Skyvex Scoring Utility"), centred("Marrowby Enterprises"), centred("v3.0.0i beta"), "*",
            "*       Match Date: " + match_date, "*", "*       Score Date: 12-06-2026",
            "*       Score Time: 21:30:00", "*", "*      Server Name: " + server_name,
            "*       Server Map: " + maps.get(map_index, ""), "*       Setup File: " + setup_name, "*",
            centred(title), "*" + "-" * 42]
    return "".join(r + "\r\n" for r in rows)


def main():
    server_name, map_index, short_names = read_setup(os.path.join(SAMPLE, "sample.vxs"))
    landmarks = read_landmarks(os.path.join(TOP, "data", "org_vxLandmarkData.txt"))
    lines = [Line(t) for t in read_logs()]
    roster = process(lines, landmarks, map_index)
    match_date = lines[0].text[:8]

    def short(plane):
        for k, (display, log, _, _) in enumerate(PLANES):
            if display == plane or log == plane:
                return short_names[k]
        return ""

    sp = " "  # the delimiter character in force
    i1, i2, i3 = sp * 2, sp * 4, sp * 6
    side_titles = [sp + "CENTRAL PILOTS", sp * 2 + "ALLIED PILOTS"]

    # The pilot's log: four scans per pilot.
    ident = {"entry": 0, "id": "", "desc": ""}
    out = [header("PILOT'S LOG", match_date, server_name, map_index, "sample.vxs")]
    for side in (0, 1):
        out += ["-" * 18 + "\r\n", side_titles[side] + "\r\n", "-" * 18 + "\r\n"]
        for n in roster[side]:
            out += [i1 + n + "\r\n", i1 + "-" * min(len(n), 82) + "\r\n", i2 + "Kills\r\n"]
            for l in lines:
                if l.pilot1 == n and l.type == 4:
                    out.append(i3 + l.time + sp * 2 + "Pilot's " + short(l.plane1) + " shot down " + l.pilot2 +
                               " in a " + short(l.plane2) + ".\r\n")
            out += ["\r\n", i2 + "Deaths\r\n"]
            for l in lines:
                if l.pilot2 == n and l.type == 4 and l.pilot1 != l.pilot2:
                    out.append(i3 + l.time + sp * 2 + "Pilot's " + short(l.plane2) + " was shot down by " +
                               l.pilot1 + " in a " + short(l.plane1) + ".\r\n")
            out += ["\r\n", i2 + "AA or Mechanical Failures\r\n"]
            for l in lines:
                if l.pilot2 == n and l.type == 4 and l.pilot1 == l.pilot2:
                    out.append(i3 + l.time + sp * 2 + "Pilot's " + short(l.plane2) + " was lost.\r\n")
            out += ["\r\n", i2 + "Bombing Missions\r\n"]
            for l in lines:
                if l.pilot1 == n and l.type == 5:
                    identify(landmarks, map_index, l.target, ident)
                    out.append(i3 + l.time + sp * 2 + "Pilot's " + short(l.plane1) + " destroyed target " +
                               ident["id"] + " (" + ident["desc"] + ")\r\n")
            out += ["\r\n", "\r\n"]
        out.append("\r\n")
    pilots = "".join(out)

    # The chronology log: one scan per pilot, six tests per event.
    ident = {"entry": 0, "id": "", "desc": ""}
    out = [header("CHRONOLOGY LOG", match_date, server_name, map_index, "sample.vxs")]
    for side in (0, 1):
        out += ["-" * 18 + "\r\n", side_titles[side] + "\r\n", "-" * 18 + "\r\n"]
        for n in roster[side]:
            out += [i1 + n + "\r\n", i1 + "-" * min(len(n), 82) + "\r\n"]
            for l in lines:
                e = i3 + l.time + sp * 2
                if l.pilot1 == n and l.type == 1:
                    out.append(e + "Pilot entered flying a " + short(l.plane1) + ".\r\n")
                if l.pilot1 == n and l.type == 2:
                    out.append(e + "Pilot left. \r\n")
                if l.pilot1 == n and l.type == 4:
                    out.append(e + "Pilot's " + short(l.plane1) + " shot down " + l.pilot2 + " in a " +
                               short(l.plane2) + ".\r\n")
                if l.pilot2 == n and l.type == 4 and l.pilot1 != l.pilot2:
                    out.append(e + "Pilot's " + short(l.plane2) + " was shot down by " + l.pilot1 + " in a " +
                               short(l.plane1) + ".\r\n")
                if l.pilot2 == n and l.type == 4 and l.pilot1 == l.pilot2:
                    out.append(e + "Pilot's " + short(l.plane2) + " was lost.\r\n")
                if l.pilot1 == n and l.type == 5:
                    identify(landmarks, map_index, l.target, ident)
                    out.append(e + "Pilot's " + short(l.plane1) + " destroyed target " + ident["id"] + " (" +
                               ident["desc"] + ")\r\n")
            out += ["\r\n", "\r\n"]
        out.append("\r\n")
    chronology = "".join(out)

    for name, text in (("sample-pilot.txt", pilots), ("sample-chron.txt", chronology)):
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(text.encode("latin-1"))
    print("central %d, allied %d, lines %d" % (len(roster[0]), len(roster[1]), len(lines)), file=sys.stderr)


if __name__ == "__main__":
    main()
