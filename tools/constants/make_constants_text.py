#!/usr/bin/env python3
"""Writes the built-in constants library from the data files in resources/constants.

    tools/constants/make_constants_text.py [OUTPUT]

OUTPUT defaults to resources/embedded/TXT/IDR_TXT_Constants.txt. The text is
Windows-1252 with CR LF line ends: "*GROUP*" opens a group of level 0 and the
next line names it, "**GROUP**" a group of level 1 inside it, and so on; a group
without sub-groups holds pairs of lines, a name and its value. Values are
written as the calculator writes numbers: plain decimals from 1e-4 up to 1e10,
otherwise a mantissa with "e", a sign and three exponent digits.
"""

import decimal
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
DATA = ROOT / "resources" / "constants"
OUTPUT = ROOT / "resources" / "embedded" / "TXT" / "IDR_TXT_Constants.txt"
ENCODING = "cp1252"
LONGEST_LINE = 255
PLAIN_RANGE = (decimal.Decimal("1e-4"), decimal.Decimal("1e10"))

ELEMENT_GROUPS = [
    ("A to B", "AB"), ("C to D", "CD"), ("E to G", "EFG"), ("H to L", "HIJKL"),
    ("M to N", "MN"), ("O to P", "OPQ"), ("R to S", "RS"), ("T to U", "TU"),
    ("V to Z", "VWXYZ"),
]
# Column of elements.tsv and the name its value is shown under, in order.
ELEMENT_PROPERTIES = [
    ("number", "Atomic number"),
    ("mass", "Atomic mass (g/mol)"),
    ("boiling", "Boiling point (°C)"),
    ("melting", "Melting point (°C)"),
    ("density", "Density (g/cm³)"),
    ("electronegativity", "Electronegativity (Pauling)"),
    ("ionization", "Ionization energy (eV)"),
    ("year", "Year of discovery"),
]


def rows(name):
    """The tab-separated rows of a data file, without its comment lines."""
    text = (DATA / name).read_text(encoding="utf-8")
    return [line.split("\t") for line in text.splitlines() if line and not line.startswith("#")]


def header(name):
    """The column names: the last comment line of the file."""
    text = (DATA / name).read_text(encoding="utf-8")
    comments = [line for line in text.splitlines() if line.startswith("#")]
    return comments[-1].lstrip("# ").split("\t")


def number_text(text):
    value = decimal.Decimal(text.strip())
    if not value.is_finite():
        raise ValueError(f"not a number: {text!r}")
    if value == 0 or PLAIN_RANGE[0] <= abs(value) < PLAIN_RANGE[1]:
        return format(value.normalize(), "f")
    sign, digits, exponent = value.normalize().as_tuple()
    mantissa = str(digits[0]) + ("." + "".join(map(str, digits[1:])) if len(digits) > 1 else "")
    power = exponent + len(digits) - 1
    return f"{'-' if sign else ''}{mantissa}e{'-' if power < 0 else '+'}{abs(power):03d}"


def add(tree, path, name, value):
    """Adds a constant below the groups of path, keeping the order of first mention."""
    node = tree
    for group in path:
        node = node.setdefault(group, {})
    node.setdefault(None, []).append((name, number_text(value)))


def mathematics(tree):
    for name, _, value in rows("mathematics.tsv"):
        add(tree, ["Mathematics"], name, value)


def physics(tree):
    for group, name, _, value in rows("physics.tsv"):
        add(tree, ["Physics", group], name, value)


def solar_system(tree):
    """Sections "[group / sub-group]" of name and value lines."""
    path = None
    for line in (DATA / "solar_system.txt").read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        if line.startswith("[") and line.endswith("]"):
            path = ["Solar System", *line[1:-1].split(" / ")]
            continue
        if path is None:
            raise ValueError(f"constant outside a section: {line!r}")
        name, value = line.split("\t")
        add(tree, path, name, value)


def elements(tree):
    columns = header("elements.tsv")
    records = [dict(zip(columns, row)) for row in rows("elements.tsv")]
    for group, initials in ELEMENT_GROUPS:
        members = sorted((r for r in records if r["name"][0] in initials), key=lambda r: r["name"])
        for record in members:
            element = f"{record['name']} ({record['symbol']})"
            for column, name in ELEMENT_PROPERTIES:
                if record.get(column):
                    add(tree, ["Elements", group, element], name, record[column])


def lines(node, level=0):
    for name, child in node.items():
        if name is None:
            for constant, value in child:
                yield constant
                yield value
            continue
        marker = "*" * (level + 1)
        yield f"{marker}GROUP{marker}"
        yield name
        yield from lines(child, level + 1)


def count(node, level=0, totals=None):
    totals = totals if totals is not None else [0] * 5
    for name, child in node.items():
        if name is None:
            totals[4] += len(child)
        else:
            totals[level] += 1
            count(child, level + 1, totals)
    return totals


def main():
    tree = {}
    mathematics(tree)
    physics(tree)
    solar_system(tree)
    elements(tree)
    text = list(lines(tree))
    too_long = [line for line in text if len(line) > LONGEST_LINE]
    if too_long:
        raise ValueError(f"lines longer than {LONGEST_LINE} characters: {too_long}")
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else OUTPUT
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_bytes("".join(line + "\r\n" for line in text).encode(ENCODING))
    groups = count(tree)
    print(f"{output}: groups by level {groups[:4]}, {groups[4]} constants")


if __name__ == "__main__":
    main()
