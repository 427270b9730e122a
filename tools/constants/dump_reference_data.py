#!/usr/bin/python3
"""Refreshes the machine-readable parts of the constants data in resources/constants.

Fills the empty value cells of mathematics.tsv (mpmath) and physics.tsv (CODATA
through scipy.constants) and writes elements.tsv from the Blue Obelisk Data
Repository (Debian package bodr) and periodictable. Run it only to take newer
reference values; make_constants_text.py needs none of these packages.

    tools/constants/dump_reference_data.py [--refresh]

--refresh recomputes every value that has a machine source, not only empty ones.
"""

import argparse
import math
import pathlib
import xml.etree.ElementTree as ElementTree

import mpmath
import periodictable
import scipy.constants

DATA = pathlib.Path(__file__).resolve().parents[2] / "resources" / "constants"
BODR_ELEMENTS = pathlib.Path("/usr/share/bodr/elements.xml")
MATH_DIGITS = 22
KELVIN_AT_ZERO_CELSIUS = 273.15

# Names the repository still gives in their provisional form.
ELEMENT_NAMES = {
    113: ("Nh", "Nihonium"),
    115: ("Mc", "Moscovium"),
    117: ("Ts", "Tennessine"),
    118: ("Og", "Oganesson"),
}
# Years the repository leaves open.
DISCOVERY_YEARS = {117: "2010"}

# periodictable gives the liquid density of the gases; a calculator user expects
# the gas at 0 °C and 101.325 kPa (CRC Handbook of Chemistry and Physics), in g/cm³.
GAS_DENSITIES = {
    1: "8.988e-5", 2: "1.785e-4", 7: "1.251e-3", 8: "1.429e-3", 9: "1.696e-3",
    10: "9.002e-4", 17: "3.214e-3", 18: "1.784e-3", 36: "3.749e-3", 54: "5.894e-3",
    86: "9.73e-3",
}

ELEMENT_HEADER = """\
# The level-0 group "Elements": one row per element, written by
# tools/constants/dump_reference_data.py.
# Sources: Blue Obelisk Data Repository 10 (atomic mass, IUPAC conventional values
# and mass numbers of the longest-lived isotopes; melting and boiling points,
# converted from kelvin; Pauling electronegativity; first ionization energy;
# year of discovery); periodictable 1.6
# (density of solids and liquids near room temperature); CRC Handbook (density
# of the gases at 0 °C and 101.325 kPa).
# number	symbol	name	mass	boiling	melting	density	electronegativity	ionization	year
"""


def read_rows(path):
    lines = path.read_text(encoding="utf-8").splitlines()
    return [line if line.startswith("#") else line.split("\t") for line in lines]


def write_rows(path, rows):
    text = "\n".join(row if isinstance(row, str) else "\t".join(row) for row in rows)
    path.write_text(text + "\n", encoding="utf-8")


def float_text(value):
    if float(value).is_integer() and abs(value) < 1e15:
        return str(int(value))
    return repr(float(value))


def codata_text(value, uncertainty):
    """The value to two digits of its standard uncertainty; exact values as published."""
    if uncertainty == 0:
        return float_text(value)
    digits = math.floor(math.log10(abs(value))) - math.floor(math.log10(uncertainty)) + 2
    return f"{value:.{digits}g}"


def fill_mathematics(refresh):
    path = DATA / "mathematics.tsv"
    rows = read_rows(path)
    mpmath.mp.dps = 60
    for row in rows:
        if isinstance(row, str) or (row[2] and not refresh) or not hasattr(mpmath, row[1].split("(")[0]):
            continue
        row[2] = mpmath.nstr(eval(row[1], vars(mpmath)), MATH_DIGITS, strip_zeros=False)
    write_rows(path, rows)


def fill_physics(refresh):
    path = DATA / "physics.tsv"
    rows = read_rows(path)
    for row in rows:
        if isinstance(row, str) or not row[2].startswith('"') or (row[3] and not refresh):
            continue
        value, _, uncertainty = scipy.constants.physical_constants[row[2].strip('"')]
        row[3] = codata_text(value, uncertainty)
    write_rows(path, rows)


def bodr_atoms():
    root = ElementTree.parse(BODR_ELEMENTS).getroot()
    for atom in root.iter():
        if not atom.tag.endswith("}atom"):
            continue
        fields = {}
        for child in atom:
            key = (child.get("dictRef") or "").removeprefix("bo:")
            fields[key] = child.get("value") or (child.text or "").strip()
        if fields.get("atomicNumber", "0") != "0":
            yield fields


def celsius(kelvin):
    if not kelvin:
        return ""
    return f"{float(kelvin) - KELVIN_AT_ZERO_CELSIUS:.2f}".rstrip("0").rstrip(".")


def element_row(fields):
    number = int(fields["atomicNumber"])
    symbol, name = ELEMENT_NAMES.get(number, (fields["symbol"], fields["name"]))
    density = GAS_DENSITIES.get(number)
    if density is None:
        measured = periodictable.elements[number].density
        density = "" if measured is None else float_text(measured)
    year = DISCOVERY_YEARS.get(number, fields.get("discoveryDate", ""))
    return [
        str(number), symbol, name, fields.get("mass", ""),
        celsius(fields.get("boilingpoint")), celsius(fields.get("meltingpoint")), density,
        fields.get("electronegativityPauling", ""), fields.get("ionization", ""),
        "" if year in ("0", "") else year,
    ]


def write_elements():
    rows = [element_row(fields) for fields in bodr_atoms()]
    text = ELEMENT_HEADER + "\n".join("\t".join(row) for row in rows) + "\n"
    (DATA / "elements.tsv").write_text(text, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--refresh", action="store_true")
    arguments = parser.parse_args()
    fill_mathematics(arguments.refresh)
    fill_physics(arguments.refresh)
    write_elements()


if __name__ == "__main__":
    main()
