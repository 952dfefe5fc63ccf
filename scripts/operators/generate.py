#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the two operator catalogues from the public mobile broadband provider database.

card/MmsOperatorData.h and card/GprsOperatorData.h are made from Debian's
mobile-broadband-provider-info (serviceproviders.xml, public domain) and mapping.json, which
names for every country/operator row the database entry it takes its values from and why.
A row takes values only from its own operator's entry (or the entry of the network's renamed
successor); a row without such an entry stays empty and the forms' Manual mode is the way.

    python3 scripts/operators/generate.py            write both headers
    python3 scripts/operators/generate.py --check    compare them with what would be written;
                                                     exit 1 on a difference, 77 (skip) when
                                                     the database is absent or another version
"""

import argparse
import difflib
import hashlib
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

SKIP = 77
ROOT = Path(__file__).resolve().parents[2]
DEFAULT_DATABASE = Path("/usr/share/mobile-broadband-provider-info/serviceproviders.xml")
DEFAULT_MAPPING = Path(__file__).resolve().with_name("mapping.json")
MMS_HEADER = "card/MmsOperatorData.h"
GPRS_HEADER = "card/GprsOperatorData.h"

MMS_FIELDS = ("mmscUrl", "apn", "gateway", "port", "account", "password")
GPRS_FIELDS = ("apn", "account", "password")
IPV4 = re.compile(r"^\d{1,3}(\.\d{1,3}){3}$")


class MappingError(Exception):
    pass


def text_of(element, tag):
    child = element.find(tag)
    return (child.text or "").strip() if child is not None else ""


class Database:
    def __init__(self, path):
        self.root = ET.parse(path).getroot()

    def provider(self, code, name):
        matches = [
            p
            for c in self.root.findall("country")
            if c.get("code") == code
            for p in c.findall("provider")
            if name in [(n.text or "").strip() for n in p.findall("name")]
        ]
        if len(matches) != 1:
            raise MappingError(f"{code} '{name}': {len(matches)} providers of that name")
        return matches[0]


def usages(apn):
    return [u.get("type", "") for u in apn.findall("usage")]


def pick(candidates, select, what, row):
    """The one APN entry of the candidates that the mapping's selector names."""
    if select:
        candidates = [
            a
            for a in candidates
            if all(
                (a.get("value") if key == "value" else text_of(a, key)) == wanted
                for key, wanted in select.items()
            )
        ]
        if len(candidates) != 1:
            raise MappingError(f"{row}: the selector {select} finds {len(candidates)} {what}")
        return candidates[0]
    if not candidates:
        raise MappingError(f"{row}: the entry has no {what}")
    return candidates[0]


def mms_values(db, row, where):
    """The six texts of an MMS profile: the operator's MMS entry, the port of the catalogue."""
    values = dict.fromkeys(MMS_FIELDS, "")
    apn = None
    if row.get("source"):
        # Only an APN that names a message centre is MMS data; an APN alone reaches nothing.
        apns = db.provider(*row["source"]).findall("gsm/apn")
        candidates = [a for a in apns if text_of(a, "mmsc")]
        if len(candidates) > 1 and not row.get("select"):
            raise MappingError(f"{where}: several MMS entries, the mapping has to choose")
        if candidates or row.get("select"):
            apn = pick(candidates, row.get("select"), "MMS entries", where)
    if apn is not None:
        values["mmscUrl"] = text_of(apn, "mmsc")
        values["apn"] = apn.get("value", "")
        values["account"] = text_of(apn, "username")
        values["password"] = text_of(apn, "password")
        # The port is the catalogue's, whatever the database publishes.
        host = text_of(apn, "mmsproxy").rsplit(":", 1)[0]
        if host and not IPV4.match(host):
            # The gateway field takes a dotted IPv4 address, so a named proxy cannot go there.
            if "hostProxy" not in row:
                raise MappingError(f"{where}: proxy '{host}' is a host name; say why in hostProxy")
            host = ""
        elif "hostProxy" in row:
            raise MappingError(f"{where}: hostProxy given but the proxy is '{host}'")
        values["gateway"] = host
    values["port"] = row["port"]
    values.update(row.get("fixed", {}))
    return values


def gprs_values(db, row, where):
    """APN, account and password of the operator's internet access."""
    values = dict.fromkeys(GPRS_FIELDS, "")
    source = row.get("source")
    if source:
        apns = db.provider(*source).findall("gsm/apn")
        internet = [a for a in apns if any("internet" in u.split("-") for u in usages(a))]
        apn = pick(internet, row.get("select"), "internet entries", where)
        values["apn"] = apn.get("value", "")
        values["account"] = text_of(apn, "username")
        values["password"] = text_of(apn, "password")
    values.update(row.get("fixed", {}))
    return values


def literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def source_note(row, filled):
    """Where a row's values come from, as a trailing comment."""
    source = row.get("source")
    if source and filled:
        return f'// {source[0]} "{source[1]}"'
    if source:
        return f'// {source[0]} "{source[1]}": no settings published'
    return "// fixed by the catalogue" if filled else "// no settings of its own in the database"


def header_comment(database):
    return [
        "// SPDX-License-Identifier: MIT",
        "// Generated by scripts/operators/generate.py from serviceproviders.xml of",
        f"// {database['package']} {database['version']} (public domain) and",
        "// scripts/operators/mapping.json. Do not edit by hand: change the mapping and regenerate.",
        "#pragma once",
        "",
    ]


def render_rows(countries, row_type, entry, fields):
    lines = []
    for index, country in enumerate(countries):
        lines.append(f"    // {index} {country['country']}")
        lines.append(f"    {row_type}{{{{")
        for row in country["operators"]:
            filled = any(row["values"][f] for f in fields if f != "port")
            lines.append(f"        {entry(row)}, {source_note(row, filled)}")
        lines.append("    }},")
    return lines


def row_entry(fields):
    """The C++ initialiser of one operator: its name and its values in `fields` order."""

    def entry(row):
        texts = ", ".join(literal(row["values"][f]) for f in fields)
        return f"{{{literal(row['name'])}, {{{texts}}}}}"

    return entry


def mms_header(mapping):
    countries = mapping["mms"]
    entry = row_entry(MMS_FIELDS)
    lines = header_comment(mapping["database"]) + [
        '#include "card/CountryList.h"',
        '#include "card/OperatorProfile.h"',
        "",
        "#include <array>",
        "#include <cstddef>",
        "#include <string_view>",
        "",
        "namespace quorvex {",
        "",
        "inline constexpr std::size_t kOperatorSlots = 10;",
        "",
        "struct OperatorEntry {",
        "    std::string_view name;",
        "    OperatorProfile profile;",
        "};",
        "",
        "using OperatorRow = std::array<OperatorEntry, kOperatorSlots>;",
        "",
        "// The operators of each country in list order with their own published MMS settings",
        "// (MMSC URL, APN, proxy address, proxy port, user, password); the port is the catalogue's.",
        "// An operator without published settings has only its port: Manual mode is the way.",
        "// Names are shown exactly as written here (\"Tele2 \" included).",
        "// clang-format off",
        "inline constexpr std::array<OperatorRow, kCountryCount> kMmsOperatorRows{{",
    ]
    lines += render_rows(countries, "OperatorRow", entry, MMS_FIELDS)
    lines += ["}};", "// clang-format on", "", "} // namespace quorvex", ""]
    return "\n".join(lines)


def gprs_header(mapping):
    countries = mapping["gprs"]
    entry = row_entry(GPRS_FIELDS)
    lines = header_comment(mapping["database"]) + [
        '#include "card/GprsOperator.h"',
        "",
        "#include <array>",
        "#include <cstddef>",
        "",
        "namespace quorvex {",
        "",
        "// The SMTP forms offer 42 countries, each with up to ten operator slots.",
        f"inline constexpr std::size_t kGprsCountryCount = {len(countries)};",
        "inline constexpr std::size_t kGprsOperatorSlots = 10;",
        "",
        "using GprsOperatorRow = std::array<GprsOperator, kGprsOperatorSlots>;",
        "",
        "// The operators of each country row in list order with their own published internet",
        "// settings (APN, user name, password). An operator without published settings has them",
        "// empty: Manual mode is the way. Names are shown exactly as written here.",
        "// clang-format off",
        "inline constexpr std::array<GprsOperatorRow, kGprsCountryCount> kGprsOperatorRows{{",
    ]
    lines += render_rows(countries, "GprsOperatorRow", entry, GPRS_FIELDS)
    lines += ["}};", "// clang-format on", "", "} // namespace quorvex", ""]
    return "\n".join(lines)


def resolve(db, mapping):
    for catalogue, make in (("mms", mms_values), ("gprs", gprs_values)):
        for index, country in enumerate(mapping[catalogue]):
            for row in country["operators"]:
                if not row.get("why"):
                    raise MappingError(f"{catalogue} {country['country']} '{row['name']}': no why")
                where = f"{catalogue} {index} {country['country']} '{row['name']}'"
                row["values"] = make(db, row, where)


def build(database_path, mapping):
    resolve(Database(database_path), mapping)
    return {MMS_HEADER: mms_header(mapping), GPRS_HEADER: gprs_header(mapping)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--database", type=Path, default=DEFAULT_DATABASE)
    parser.add_argument("--mapping", type=Path, default=DEFAULT_MAPPING)
    parser.add_argument("--out", type=Path, default=ROOT, help="repository root to write into")
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    args = parser.parse_args()

    mapping = json.loads(args.mapping.read_text(encoding="utf-8"))
    wanted = mapping["database"]
    if not args.database.is_file():
        print(f"SKIP: {args.database} is absent (package {wanted['package']})")
        return SKIP if args.check else 2
    digest = hashlib.sha256(args.database.read_bytes()).hexdigest()
    if digest != wanted["sha256"]:
        message = (
            f"{args.database} is not the file of {wanted['package']} {wanted['version']} that "
            "the mapping was checked against; review every row of mapping.json against it, "
            "then update its version and sha256"
        )
        if args.check:
            print(f"SKIP: {message}")
            return SKIP
        print(message, file=sys.stderr)
        return 2

    try:
        files = build(args.database, mapping)
    except MappingError as error:
        print(f"mapping.json: {error}", file=sys.stderr)
        return 2

    differing = 0
    for name, text in files.items():
        path = args.out / name
        if not args.check:
            path.write_text(text, encoding="utf-8", newline="\n")
            continue
        current = path.read_text(encoding="utf-8") if path.is_file() else ""
        if current != text:
            differing += 1
            sys.stdout.writelines(
                difflib.unified_diff(
                    current.splitlines(True), text.splitlines(True), str(path), "generated"
                )
            )
    if differing:
        print(f"{differing} catalogue file(s) differ from what the generator makes")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
