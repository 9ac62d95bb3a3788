#!/usr/bin/env python3
"""Consistency check for the factory service list tables in this directory.

Run before handing the tables to the generator: a mistake here ends up baked
into every new settings file.  Exit status 0 = all good.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

N_SATS, N_LNBS, N_PROVIDERS, N_TV, N_RADIO = 96, 67, 36, 128, 197
MAX_TRANSPONDERS = 8000
FAVOURITES = ["Sport", "Film", "Drama", "Nachrichten", "Musik", "Unterhaltung", "Bildung",
              "Dokumentation", "Kochen", "Shoppen", "Reisen", "Erwachsene",
              "Anwender", "Anwender", "Anwender", "Anwender"]
FIRST_SAT = ("Astra 1F 1M", 192)

# Sort template: name, frequency, pol (1 = H, 0 = V), symbol rate, service id.
# All on the first satellite.  The factory list must carry these exactly.
TEMPLATE = """\
Das Erste HD|11494|1|22000|10301
ZDF HD|11362|1|21999|11110
NDR FS SH HD|11581|1|22000|10330
RTL Television|12188|1|27500|12003
SAT.1|12545|1|21999|17500
RTL2|12188|1|27500|12020
ProSieben|12545|1|21999|17501
kabel eins|12545|1|21999|17502
MDR Sachsen|12110|1|27499|28228
VOX|12188|1|27500|12060
SUPER RTL|12188|1|27500|12040
KiKA HD|11347|0|21999|11160
NICK/COMEDY|11973|0|27498|28680
DAS VIERTE|12460|1|27500|1793
TELE 5|12480|0|27499|51
RTLNITRO|12188|1|27500|12061
SIXX|12460|1|27500|776
RTL Living|12188|1|27500|12030
SAT.1 emotions|12545|1|21999|17505
kabel eins classics|12545|1|21999|17506
PULS 4 Austria|12051|0|27499|20007
sixx Austria|12663|1|21999|13106
ORF1 HD|11303|1|21999|4911
ORF2 HD|11303|1|21999|4912
ORF III|12663|1|21999|13101
ATV|12692|1|21999|13012
ATV2|11242|1|21999|13223
ORF SPORT+|11242|1|21999|13221
Animax|12344|1|27499|2047
Planet|12344|1|27499|2044
AXN Action|10921|1|22000|37
ServusTV HD Deutschland|11303|1|21999|4914
ANIXE HD|10773|1|21999|21100
WDR HD Dortmund|12422|1|27499|28327
SR Fernsehen|12266|1|27499|28486
BR-alpha|12266|1|27499|28487
rbb Berlin|12110|1|27499|28206
hr-fernsehen|11836|1|27500|28108
BR Süd HD|11581|1|22000|10325
SWR BW HD|11494|1|22000|10303
N24|12545|1|21999|17503
n-tv|12188|1|27500|12090
PHOENIX HD|11581|1|22000|10331
EuroNews|12226|1|27500|31220
DAF-AnlegerTV|11418|1|21999|4702
arte HD|11494|1|22000|10302
tagesschau24|10744|1|21999|28721
Einsfestival HD|12422|1|27499|28396
EinsPlus|10744|1|21999|28723
ZDFinfo HD|11347|0|21999|11170
zdf_neo HD|11362|1|21999|11130
zdf.kultur HD|11362|1|21999|11140
3sat HD|11347|0|21999|11150
DMAX|12480|0|27499|63
VIVA Germany|11973|0|27498|28676
iM1|12460|1|27500|772
Ojom TV|12460|1|27500|1794
DELUXE MUSIC|12148|1|27499|65
VH1|11739|0|27499|28656
MTV Dance|11739|0|27499|28655
MTV FRANCE|11739|0|27499|28652
MTV Hits|11739|0|27499|28654
MTV ROCKS|11739|0|27499|28659
MTV BASE FRANCE|11739|0|27499|28661
MTV Hits.|11739|0|27499|28664
VH1.|11739|0|27499|28666
VH1 Classic.|11739|0|27499|28667
MTV ROCKS.|11739|0|27499|28669
GoTV|12663|1|21999|13102
Radio Bremen TV|12422|1|27499|28385
SPORT1|12480|0|27499|900
sportdigital|10921|1|22000|59
Eurosport Deutschland|12226|1|27500|31200
ESPN America|12663|1|21999|13109
BBC World|11597|0|21999|10050
CNN Int.|11778|0|27499|28522
CNBC Europe|11597|0|21999|10030
Russia Today|11538|0|21999|6904
Al Jazeera English|11509|0|22000|7012
Boomerang|11778|0|27499|28527
Dr.DishTV-Welt der Technik|12574|1|21999|5411
"""

errors = []


def err(msg):
    errors.append(msg)


def load(name, columns):
    """Rows of a table as dicts; checks the header names the expected columns."""
    path = os.path.join(HERE, name)
    rows, header = [], None
    with open(path, encoding="utf-8") as fh:
        for lineno, line in enumerate(fh, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            cells = line.split("\t")
            if header is None:
                header = cells
                if header != columns:
                    err(f"{name}: header {header} != {columns}")
                continue
            if len(cells) != len(header):
                err(f"{name}:{lineno}: {len(cells)} cells, expected {len(header)}")
                continue
            row = dict(zip(header, cells))
            row["_line"] = lineno
            rows.append(row)
    return rows


def as_int(row, key, table):
    try:
        return int(row[key], 0)
    except ValueError:
        err(f"{table}:{row['_line']}: {key} '{row[key]}' is not a number")
        return -1


def check_satellites_and_lnbs():
    lnbs = load("lnbs.tsv", ["index", "type", "lof_single", "lof_low", "lof_high",
                             "diseqc10", "diseqc11", "tone22k", "volt"])
    if len(lnbs) != N_LNBS:
        err(f"lnbs.tsv: {len(lnbs)} records, expected {N_LNBS}")
    for i, r in enumerate(lnbs):
        if as_int(r, "index", "lnbs.tsv") != i:
            err(f"lnbs.tsv:{r['_line']}: index {r['index']} out of sequence (expected {i})")
        t = as_int(r, "type", "lnbs.tsv")
        if t not in (0, 1):
            err(f"lnbs.tsv:{r['_line']}: type {t}")
        if t == 0 and as_int(r, "lof_single", "lnbs.tsv") <= 0:
            err(f"lnbs.tsv:{r['_line']}: single LNB without LOF")
        if not 0 <= as_int(r, "diseqc10", "lnbs.tsv") <= 4:
            err(f"lnbs.tsv:{r['_line']}: diseqc10 out of 0..4")
        for k in ("tone22k", "volt"):
            if as_int(r, k, "lnbs.tsv") not in (0, 1):
                err(f"lnbs.tsv:{r['_line']}: {k} must be 0/1")

    sats = load("satellites.tsv", ["name", "position", "lnb1", "lnb2"])
    if len(sats) != N_SATS:
        err(f"satellites.tsv: {len(sats)} satellites, expected {N_SATS}")
    if sats and (sats[0]["name"], as_int(sats[0], "position", "satellites.tsv")) != FIRST_SAT:
        err(f"satellites.tsv: first satellite must be {FIRST_SAT}, got {sats[0]['name']}")
    names = set()
    for r in sats:
        n = r["name"]
        if n in names:
            err(f"satellites.tsv: duplicate satellite '{n}'")
        names.add(n)
        try:
            if len(n.encode("ascii")) > 31:
                err(f"satellites.tsv: name '{n}' longer than 31 bytes")
        except UnicodeEncodeError:
            err(f"satellites.tsv: name '{n}' is not ASCII")
        if not 0 <= as_int(r, "position", "satellites.tsv") <= 3599:
            err(f"satellites.tsv: '{n}' position out of 0..3599")
        for k in ("lnb1", "lnb2"):
            v = as_int(r, k, "satellites.tsv")
            if v != 255 and not 0 <= v < len(lnbs):
                err(f"satellites.tsv: '{n}' {k}={v} points at no LNB record")
    return [r["name"] for r in sats]


def check_transponders(sat_names):
    providers = load("providers.tsv", ["name"])
    pnames = [p["name"] for p in providers]
    if len(pnames) != N_PROVIDERS:
        err(f"providers.tsv: {len(pnames)} providers, expected {N_PROVIDERS}")
    if len(set(pnames)) != len(pnames):
        err("providers.tsv: duplicate provider names")

    tps = load("transponders.tsv", ["satellite", "frequency", "pol", "symbol_rate",
                                    "onid", "tsid", "provider"])
    if not 1000 <= len(tps) <= 3000 or len(tps) > MAX_TRANSPONDERS:
        err(f"transponders.tsv: {len(tps)} transponders, expected 1000..3000")
    known = set(sat_names)
    by_sat = {}
    used = set()
    for r in tps:
        s = r["satellite"]
        if s not in known:
            err(f"transponders.tsv:{r['_line']}: unknown satellite '{s}'")
            continue
        if r["pol"] not in ("H", "V"):
            err(f"transponders.tsv:{r['_line']}: pol '{r['pol']}'")
        f = as_int(r, "frequency", "transponders.tsv")
        sr = as_int(r, "symbol_rate", "transponders.tsv")
        if not (3400 <= f <= 4200 or 10700 <= f <= 12750):
            err(f"transponders.tsv:{r['_line']}: frequency {f} outside C/Ku band")
        if not 1000 <= sr <= 45000:
            err(f"transponders.tsv:{r['_line']}: symbol rate {sr}")
        for k in ("onid", "tsid"):
            if not 0 < as_int(r, k, "transponders.tsv") <= 0xFFFF:
                err(f"transponders.tsv:{r['_line']}: {k} must be 1..65535")
        key = (f, r["pol"])
        if key in by_sat.setdefault(s, {}):
            err(f"transponders.tsv:{r['_line']}: {s} {f} {r['pol']} listed twice")
        by_sat[s][key] = sr
        p = r["provider"]
        if p != "-":
            if p not in pnames:
                err(f"transponders.tsv:{r['_line']}: unknown provider '{p}'")
            used.add(p)
    for p in pnames:
        if p not in used:
            err(f"providers.tsv: provider '{p}' used by no transponder")
    for s in sat_names:
        if len(by_sat.get(s, {})) < 3:
            err(f"transponders.tsv: satellite '{s}' has fewer than 3 transponders")
    return by_sat


def check_channels(by_sat, first_sat):
    chans = load("channels.tsv", ["kind", "name", "satellite", "frequency", "pol", "symbol_rate",
                                  "sid", "pcr_pid", "video_pid", "audio_pid", "video_type",
                                  "audio_type", "hd", "scrambled", "favourites"])
    tv = [c for c in chans if c["kind"] == "TV"]
    radio = [c for c in chans if c["kind"] == "Radio"]
    if len(tv) != N_TV or len(radio) != N_RADIO or len(tv) + len(radio) != len(chans):
        err(f"channels.tsv: {len(tv)} TV / {len(radio)} radio / {len(chans)} rows, "
            f"expected {N_TV} / {N_RADIO}")
    seen_names = set()
    services = {}
    for c in chans:
        n, line = c["name"], c["_line"]
        if n in seen_names:
            err(f"channels.tsv:{line}: duplicate name '{n}'")
        seen_names.add(n)
        try:
            if not 0 < len(n.encode("latin-1")) <= 40:
                err(f"channels.tsv:{line}: name '{n}' empty or longer than 40 bytes")
        except UnicodeEncodeError:
            err(f"channels.tsv:{line}: name '{n}' not representable in Latin-1")
        f = as_int(c, "frequency", "channels.tsv")
        sr = as_int(c, "symbol_rate", "channels.tsv")
        tp = by_sat.get(c["satellite"], {}).get((f, c["pol"]))
        if tp is None:
            err(f"channels.tsv:{line}: '{n}' has no transponder {c['satellite']} {f} {c['pol']}")
        elif tp != sr:
            err(f"channels.tsv:{line}: '{n}' symbol rate {sr}, transponder has {tp}")
        sid = as_int(c, "sid", "channels.tsv")
        key = (c["satellite"], f, c["pol"], sid)
        if key in services:
            err(f"channels.tsv:{line}: '{n}' repeats service id {sid} of '{services[key]}'")
        services[key] = n
        pids = [as_int(c, k, "channels.tsv") for k in ("pcr_pid", "video_pid", "audio_pid")]
        if any(not 0 <= p <= 0x1FFE for p in pids):
            err(f"channels.tsv:{line}: '{n}' PID outside 0..0x1FFE")
        vt = as_int(c, "video_type", "channels.tsv")
        at = as_int(c, "audio_type", "channels.tsv")
        hd = as_int(c, "hd", "channels.tsv")
        if c["kind"] == "Radio":
            if pids[1] != 0 or vt != 0 or hd != 0:
                err(f"channels.tsv:{line}: radio '{n}' carries video")
        elif c["kind"] == "TV":
            if pids[1] == 0 or vt not in (0x01, 0x02, 0x1B):
                err(f"channels.tsv:{line}: TV '{n}' lacks a video stream")
            if hd and vt != 0x1B:
                err(f"channels.tsv:{line}: HD channel '{n}' not H.264")
        else:
            err(f"channels.tsv:{line}: kind '{c['kind']}'")
        if at not in (0x03, 0x04, 0x06, 0x0F, 0x11, 0x81):
            err(f"channels.tsv:{line}: '{n}' audio type {at:#x}")
        if as_int(c, "scrambled", "channels.tsv") not in (0, 1) or hd not in (0, 1):
            err(f"channels.tsv:{line}: '{n}' hd/scrambled must be 0/1")
        if c["favourites"] != "-":
            for x in c["favourites"].split(","):
                if not x.isdigit() or not 1 <= int(x) <= 12:
                    # 13..16 are the user's own lists and ship empty
                    err(f"channels.tsv:{line}: '{n}' favourite list '{x}' not in 1..12")

    by_name = {c["name"]: c for c in chans}
    tmpl = [t.split("|") for t in TEMPLATE.splitlines()]
    if len(tmpl) != 81:
        err(f"check_tables.py: template has {len(tmpl)} entries")
    for name, f, pol, sr, sid in tmpl:
        c = by_name.get(name)
        if c is None:
            err(f"template channel '{name}' missing")
            continue
        want = (first_sat, f, "H" if pol == "1" else "V", sr, sid, "TV")
        got = (c["satellite"], c["frequency"], c["pol"], c["symbol_rate"], c["sid"], c["kind"])
        if got != want:
            err(f"template channel '{name}': {got} != {want}")
    if [c["name"] for c in tv[:len(tmpl)]] == [t[0] for t in tmpl]:
        err("channels.tsv: TV list already in template order; sorting would show nothing")
    for c in chans:
        if c["kind"] == "Radio" and chans.index(c) < len(tv):
            err("channels.tsv: radio channel before the last TV channel")
            break


def check_favourites():
    favs = [r["name"] for r in load("favourites.tsv", ["name"])]
    if favs != FAVOURITES:
        err(f"favourites.tsv: {favs} != {FAVOURITES}")


def main():
    sat_names = check_satellites_and_lnbs()
    by_sat = check_transponders(sat_names)
    check_channels(by_sat, sat_names[0] if sat_names else "")
    check_favourites()
    for e in errors:
        print("FAIL:", e)
    if errors:
        print(f"{len(errors)} problem(s)")
        return 1
    total = sum(len(v) for v in by_sat.values())
    print(f"ok: {len(sat_names)} satellites, {total} transponders, {N_TV} TV + {N_RADIO} radio")
    return 0


if __name__ == "__main__":
    sys.exit(main())
