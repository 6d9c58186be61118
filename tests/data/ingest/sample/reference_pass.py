#!/usr/bin/env python3
"""Writes the expected category logs of the sample match (expected_*.txt here).

A second, independent working of the loading and processing rules, written
apart from the C++ code and kept deliberately literal: every backward search
runs line by line. Run from the top of the source tree:

    python3 tests/data/ingest/sample/reference_pass.py

Setup: the default scoring settings (18 pilots allowed, multiple deaths within
15 s, boxed targets on), the server file data/sample/vx2Server.ini (Flanders),
the landmark file data/org_vxLandmarkData.txt and the score time 2026-12-06
21:30:00 in every header.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.normpath(os.path.join(HERE, "..", "..", "..", ".."))

PLANES = [  # display name, log name, side
    ("Airco DH2", "AIRCO_DH2", 1), ("Morane Bullet", "MORANE_BULLET", 1), ("Nieuport 11", "NIEUPORT_11", 1),
    ("Nieuport 17", "NIEUPORT_17", 1), ("Nieuport 24", "NIEUPORT_24", 1), ("Nieuport 28", "NIEUPORT_28", 1),
    ("SE5a", "SE5A", 1), ("Sopwith Camel", "SOPWITH_CAMEL", 1), ("Sopwith Pup", "SOPWITH_PUP", 1),
    ("Sopwith Snipe", "SOPWITH_SNIPE", 1), ("Sopwith Triplane", "SOPWITH_TRIPLANE", 1), ("SPAD VII", "SPAD_VII", 1),
    ("SPAD XIII", "SPAD_XIII", 1), ("Albatros DII", "ALBATROS_DII", 0), ("Albatros DIII", "ALBATROS_DIII", 0),
    ("Albatros DV", "ALBATROS_DV", 0), ("Fokker DRI", "FOKKER_DRI", 0), ("Fokker DVII", "FOKKER_DVII", 0),
    ("Fokker EIII", "FOKKER_EIII", 0), ("Halberstadt DII", "HALBERSTADT_DII", 0), ("Pfalz DIII", "PFALZ_DIII", 0),
    ("Pfalz DXII", "PFALZ_DXII", 0)]

ALLOWED, WINDOW, BOXED, MAP = 18, 15, 1, 2
SERVER = "Friday Night Skyvex League"
SETUP = "{manual/default settings}"


def instr(s, marker, start=1):  # 1-based, 0 when absent
    return s.find(marker, start - 1) + 1


def mid(s, p, n):
    if n <= 0:
        return ""
    return s[p - 1:p - 1 + n]


def right(s, n):
    return s[len(s) - n:] if 0 < n <= len(s) else (s if n > len(s) else "")


def number(text):
    t = text.strip(" ")
    body = t[1:] if t[:1] in "+-" else t
    if not body.isdigit():
        return 0
    v = int(t)
    return v if -32768 <= v <= 32767 else 0


def sort_key(s):  # without regard to case, then by bytes
    return (s.lower().encode("latin-1"), s.encode("latin-1"))


def landmarks():
    lines = open(os.path.join(TOP, "data/org_vxLandmarkData.txt"), encoding="latin-1").read().replace("\r\n", "\n").split("\n")
    counts = [int(c) for c in lines[0].split(",")]
    data = [l for l in lines[1:] if l and not l.startswith("/")]
    start = sum(counts[:MAP - 1])
    table = []
    for l in data[start:start + counts[MAP - 1]]:
        table.append((int(l[10:13].strip() or 0), int(l[26].strip() or 0)))
    return table


def load():
    kept = []
    for name in sorted(["match1.log", "match2.log", "match3.log"], key=sort_key):
        raw = open(os.path.join(TOP, "data/sample", name), "rb").read().decode("latin-1")
        for line in raw.replace("\r\n", "\r").split("\r"):
            if len(line) >= 3 and line[2] == "/":
                kept.append(line)
    return kept


def main():
    marks = landmarks()
    texts = load()
    L = [None] + [dict(text=t, date=t[0:8], time=t[9:17], enabled=1, type=0, err=0, target=0, chat="", p1="",
                       pl1="", s1=0, ip="", p2="", pl2="", s2=0) for t in texts]
    n = len(texts)
    d0 = int(L[1]["date"][3:5])

    def secs(line):
        t = line["time"]
        return int(t[3:5]) * 60 + int(t[-2:]) + (int(t[0:2]) + (int(line["date"][3:5]) - d0) * 24) * 3600

    roster, chat, kill, bomb, pro, ips, central, allied = [], [], [], [], [], [], [], []
    pilots_in, max_in = [0, 0], [0, 0]
    excess = [[0.0] * 11, [0.0] * 11]
    side_name = ["Central", "Allied"]

    for i in range(1, n + 1):
        x = L[i]
        s = x["text"]
        x["type"] = 0
        x["err"] = 0
        if "has entered" in s:
            x["type"] = 1
            u, e, b, f = instr(s, "(UDP:"), instr(s, ") has entered"), instr(s, " has entered"), instr(s, "flying a")
            if u == 0 or e == 0:
                x["p1"] = mid(s, 19, b - 19)
                x["ip"] = ""
            else:
                x["p1"] = mid(s, 19, u - 20)
                x["ip"] = mid(s, u + 5, e - u - 5)
                entry = x["p1"] + "," + x["ip"]
                if entry not in ips:
                    ips.append(entry)
            plane = right(s, len(s) - f - 8)
            x["pl1"], x["s1"] = "", 0
            for disp, log, side in PLANES:
                if disp == plane or log == plane:
                    x["pl1"], x["s1"] = log, side
                    break
            target = central if x["s1"] == 0 else allied
            if x["p1"] not in target:
                target.append(x["p1"])
            sd = x["s1"]
            roster.append(s)
            pilots_in[sd] += 1
            if pilots_in[sd] > max_in[sd]:
                max_in[sd] = pilots_in[sd]
                if max_in[sd] > ALLOWED:
                    excess[sd][max_in[sd] - ALLOWED] = 0
            if pilots_in[sd] > ALLOWED:
                excess[sd][pilots_in[sd] - ALLOWED] -= secs(x)
                roster.append("%s-%s~~~~WARNING: %d %s Pilots in, %d allowed." % (x["date"], x["time"], pilots_in[sd], side_name[sd], ALLOWED))
        if "has left" in s:
            x["type"] = 2
            p = instr(s, " has left")
            x["p1"] = mid(s, 19, p - 19)
            for j in range(i - 1, 0, -1):
                if L[j]["type"] == 1 and L[j]["p1"] == x["p1"]:
                    x["s1"] = L[j]["s1"]
                    break
            sd = x["s1"]
            roster.append(s)
            pilots_in[sd] -= 1
            if pilots_in[sd] == ALLOWED:
                roster.append("%s-%s~~~~NOTE: %d %s Pilots now in, %d allowed." % (x["date"], x["time"], pilots_in[sd], side_name[sd], ALLOWED))
            if pilots_in[sd] > ALLOWED:
                roster.append("%s-%s~~~~CAUTION: %d %s Pilots still in, %d allowed." % (x["date"], x["time"], pilots_in[sd], side_name[sd], ALLOWED))
            if pilots_in[sd] >= ALLOWED:
                excess[sd][pilots_in[sd] + 1 - ALLOWED] += secs(x)
        if "]: " in s:
            x["type"] = 3
            chat.append(s)
            p = instr(s, "]: ")
            x["p1"] = mid(s, 20, p - 20)
            x["chat"] = right(s, len(s) - p - 2)
        if "Kill of" in s:
            x["type"] = 4
            kill.append(s)
            a = instr(s, "awarded to")
            x["pl1"] = x["pl2"] = ""
            for disp, log, side in PLANES:
                v = instr(s, log, a) if a else 0
                if v:
                    x["pl1"], x["s1"], x["p1"] = disp, side, mid(s, a + 11, v - a - 13)
                q = instr(s, log, 1)
                if q and q < a:
                    x["pl2"], x["s2"], x["p2"] = disp, side, mid(s, 27, q - 29)
                if x["pl1"] and x["pl2"]:
                    break
            ti = secs(x)
            for j in range(i - 1, 0, -1):
                tj = secs(L[j])
                if ti - tj <= WINDOW and L[j]["p2"] == x["p2"]:
                    x["err"] = 5
                if not ti - tj < WINDOW:
                    break
        if "Target #" in s:
            x["type"] = 5
            h, d, y = instr(s, "#"), instr(s, " destroyed"), instr(s, "by ")
            x["target"] = number(mid(s, h + 1, d - h - 1))
            x["p1"] = mid(s, y + 3, len(s) - y - 3)
            for num, owner in marks:
                if num == x["target"]:
                    x["s2"] = owner
                    break
            for j in range(i - 1, 0, -1):
                if L[j]["type"] == 1 and L[j]["p1"].lower() == x["p1"].lower():
                    x["pl1"], x["s1"] = L[j]["pl1"], L[j]["s1"]
                    break
            if x["s1"] == x["s2"]:
                x["err"] = 3
            if x["err"] == 0 and BOXED == 1:
                if i > 1 and "Selected target" in L[i - 1]["text"]:
                    if L[i - 1]["enabled"] == 1:
                        bomb.append(L[i - 1]["text"])
                    for j in range(1, i):
                        if L[j]["text"] == s:
                            x["err"] = 6
                    if x["err"] == 0:
                        bomb.append(s)
                else:
                    x["err"] = 4
            elif x["err"] == 0:
                bomb.append(s)

        def f(v):
            return ("-%d" % -v) if v < 0 else " %d" % v
        pro.append(",".join([f(x["type"]), x["date"], x["time"], f(x["err"]), x["p1"], x["ip"], x["pl1"], f(x["s1"]),
                             x["p2"], x["pl2"], f(x["s2"]), f(x["target"]), x["chat"]]))

    def centred(t):
        c = 20 - len(t) / 2
        return "*" + " " * max(0, round(c)) + t  # round() halves to even

    def header(title):
        return [centred("Skyvex Scoring Utility"), centred("Marrowby Enterprises"), centred("v3.0.0i beta"), "*",
                "*       Match Date: " + L[1]["text"][0:8], "*", "*       Score Date: 12-06-2026",
                "*       Score Time: 21:30:00", "*", "*      Server Name: " + SERVER, "*       Server Map: Flanders",
                "*       Setup File: " + SETUP, "*", centred(title), "*" + "-" * 42]

    def write(name, title, lines, columns=None):
        out = header(title) + ([columns] if columns else []) + sorted(lines, key=sort_key)
        open(os.path.join(HERE, "expected_%s.txt" % name), "wb").write("".join(l + "\r\n" for l in out).encode("latin-1"))

    write("bomb", "BOMBING LOG", bomb)
    write("chat", "CHAT LOG", chat)
    write("ip", "IP LOG", ips)
    write("kill", "KILL LOG", kill)
    write("roster", "ROSTER LOG", roster)
    write("pro", "PROCESSED LOG", pro, "Type,Date,Error,Pilot1,IP,Plane1,Side1,Pilot2,Plane2,Side2,ID,Chat")
    print("lines", n, "central", sorted(central, key=sort_key), "allied", sorted(allied, key=sort_key))
    print("pilotsIn", pilots_in, "maxPilotsIn", max_in, "excess", excess)
    print("marks", {c: sum(1 for k in range(1, n + 1) if L[k]["err"] == c) for c in (3, 4, 5, 6)})


main()
