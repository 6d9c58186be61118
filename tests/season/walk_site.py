#!/usr/bin/env python3
"""Walks a league site with an HTML parser: python3 walk_site.py SITE EXPECTED.

Every href resolves to a file of SITE, no page has a script element or a URL
with a scheme, the site's list names its pages, every pilot of every match
links to his page from the match's page, and each pilot's page holds the
figures EXPECTED gives him. EXPECTED (UTF-8) holds one line per pilot:
side, name, matches, kills, deaths, losses, targets, points, tab-separated;
then one line per match: "roster" and the names on its rosters. Prints the faults and exits 1 when there is one."""
import html.parser
import os
import re
import sys

SCHEME = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:")


class Page(html.parser.HTMLParser):
    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.links = []        # (href, text)
        self.scripts = 0
        self.urls = []         # every attribute holding a URL
        self.rows = []         # per table row: its cells' texts, and whether it lies in a tfoot
        self._link = None
        self._cells = None
        self._in_foot = False
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        if tag == "script":
            self.scripts += 1
        for name, value in attrs:
            if name in ("href", "src", "action", "formaction", "xlink:href", "data", "poster"):
                self.urls.append(value or "")
        if tag == "a":
            self._link = [dict(attrs).get("href", ""), ""]
        elif tag == "tfoot":
            self._in_foot = True
        elif tag == "tr":
            self._cells = []
        elif tag in ("td", "th") and self._cells is not None:
            self._cells.append("")

    def handle_endtag(self, tag):
        if tag == "a" and self._link:
            self.links.append(tuple(self._link))
            self._link = None
        elif tag == "tfoot":
            self._in_foot = False
        elif tag == "tr" and self._cells is not None:
            self.rows.append((self._cells, self._in_foot))
            self._cells = None

    def handle_data(self, data):
        if self._link:
            self._link[1] += data
        if self._cells:
            self._cells[-1] += data


def main(site, expected_path):
    faults = []
    pages = {name: Page(open(os.path.join(site, name), encoding="utf-8").read())
             for name in sorted(os.listdir(site)) if name.endswith(".html")}
    listed = [line for line in open(os.path.join(site, "skyvex-site-files.txt"), encoding="utf-8").read().splitlines()
              if not line.startswith("#")]
    if sorted(listed) != sorted(pages):
        faults.append("the site's list does not name its pages")
    for name, page in pages.items():
        if page.scripts:
            faults.append(f"{name}: a script element")
        for url in page.urls:
            target = url.split("#")[0]
            if SCHEME.match(url) or "/" in target or "\\" in target:
                faults.append(f"{name}: {url} is no link within the site")
            elif target and target not in pages:
                faults.append(f"{name}: {url} leads to no page")
    if not pages:
        faults.append("no page")

    index = pages.get("index.html")
    pilot_pages = {}
    for cells, _ in index.rows if index else []:
        if len(cells) == 9 and cells[1] in ("Central", "Allied"):
            pilot_pages[(cells[1], cells[0])] = None
    for href, text in index.links if index else []:
        for side in ("Central", "Allied"):
            if (side, text) in pilot_pages and pilot_pages[(side, text)] is None and href.startswith("pilot-" + side.lower()):
                pilot_pages[(side, text)] = href
    for line in open(expected_path, encoding="utf-8").read().splitlines():
        fields = line.split("\t")
        if fields[0] == "roster":
            linking = [{text for href, text in page.links if href.startswith("pilot-") and href in pages}
                       for name, page in pages.items() if name.startswith("match-")]
            if not any(set(fields[1:]) <= linked for linked in linking):
                faults.append(f"no match page links every pilot of the roster {fields[1:6]}...")
            continue
        side, name, figures = fields[0], fields[1], [int(v) for v in fields[2:]]
        href = pilot_pages.get((side, name))
        if not href or href not in pages:
            faults.append(f"{side} {name}: no page from the index")
            continue
        page = pages[href]
        body = [cells for cells, foot in page.rows if not foot and len(cells) == 7 and cells[0] != "Date"]
        foot = [cells for cells, foot in page.rows if foot]
        shown = [len(body)] + ([int(v) for v in foot[0][2:7]] if foot else [])
        if shown != figures:
            faults.append(f"{side} {name}: the page shows {shown}, the SCORE LOGs give {figures}")
    for fault in faults[:50]:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
