#!/usr/bin/python3
"""Writes the reference positions of the Sun used by the core tests.

For instants spread over 1800-2080 (fixed seed) this computes, with the IAU
2006/2000A models of ERFA (Debian's python3-erfa, no network), the Sun's
apparent geocentric ecliptic longitude referred to the true equinox and
ecliptic of date, and the Sun's geometric geocentric distance:

  1. the Earth's heliocentric and barycentric position and velocity at the
     instant (epv00, time argument TT);
  2. the Sun's barycentric position at the instant of emission, found by
     iterating the light time, seen from the Earth's centre;
  3. annual aberration with the Earth's barycentric velocity (ab);
  4. rotation from the GCRS to the true equator and equinox of date (pnm06a),
     then about the equinox by the true obliquity (obl06 + nutation in
     obliquity from nut06a) to the true ecliptic of date.

The distance is the geometric one, |Sun(t) - Earth(t)|, the quantity a
classical radius vector gives.

Each instant is a whole day plus a multiple of 1/1024 day, so the day with its
fraction and the Julian day are exact binary fractions: the program's
JulianDay(year, month, day) gives the listed Julian day without rounding.

Output columns: year, month, day (day of the month with the fraction),
Julian day (TT), apparent longitude (degrees), distance (AU).

Usage: make-sun-reference.py [output.csv]   (default: the test data folder)
"""

import datetime
import math
import os
import random
import sys

import erfa
import numpy as np

SEED = 20240611
COUNT = 600
FIRST = datetime.date(1800, 1, 1)
LAST = datetime.date(2080, 12, 31)
STEPS_PER_DAY = 1024  # the day fraction is k / 1024 day (about 84 s steps)
MJD_ZERO = 2400000.5
SPEED_OF_LIGHT_AU_PER_DAY = 173.1446326846693  # erfa.DC
JD_OF_ORDINAL_ONE = 1721425.5  # Julian day of 0001-01-01 0h, proleptic Gregorian

DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "core",
                              "data", "sun_reference.csv")


def sun_barycentric(mjd_tt):
    """The Sun's barycentric position (AU) at TT = MJD_ZERO + mjd_tt."""
    pvh, pvb = erfa.epv00(MJD_ZERO, mjd_tt)
    return np.array(pvb["p"]) - np.array(pvh["p"])


def earth_state(mjd_tt):
    """The Earth's heliocentric position and barycentric position and velocity."""
    pvh, pvb = erfa.epv00(MJD_ZERO, mjd_tt)
    return np.array(pvh["p"]), np.array(pvb["p"]), np.array(pvb["v"])


def apparent_sun(mjd_tt):
    """Apparent ecliptic longitude of date (degrees) and geometric distance (AU)."""
    earth_helio, earth_bary, earth_velocity = earth_state(mjd_tt)
    geometric_distance = float(np.linalg.norm(earth_helio))

    # Light time: the Sun is seen where it was when the light left it.
    light_time = 0.0
    for _ in range(3):
        sun_then = sun_barycentric(mjd_tt - light_time)
        toward_sun = sun_then - earth_bary
        light_time = float(np.linalg.norm(toward_sun)) / SPEED_OF_LIGHT_AU_PER_DAY
    direction = toward_sun / np.linalg.norm(toward_sun)

    velocity_c = earth_velocity / SPEED_OF_LIGHT_AU_PER_DAY
    inverse_lorentz = math.sqrt(1.0 - float(np.dot(velocity_c, velocity_c)))
    proper = erfa.ab(direction, velocity_c, geometric_distance, inverse_lorentz)

    # GCRS -> true equator and equinox of date -> true ecliptic of date.
    true_equatorial = erfa.rxp(erfa.pnm06a(MJD_ZERO, mjd_tt), proper)
    _, nutation_obliquity = erfa.nut06a(MJD_ZERO, mjd_tt)
    obliquity = erfa.obl06(MJD_ZERO, mjd_tt) + nutation_obliquity
    ecliptic = erfa.rxp(erfa.rx(obliquity, np.identity(3)), true_equatorial)
    longitude = math.degrees(math.atan2(ecliptic[1], ecliptic[0])) % 360.0
    return longitude, geometric_distance


def instants():
    """(date, k) pairs: the day and the fraction k / STEPS_PER_DAY, in time order."""
    rng = random.Random(SEED)
    span = (LAST - FIRST).days
    chosen = set()
    while len(chosen) < COUNT:
        chosen.add((rng.randrange(span + 1), rng.randrange(STEPS_PER_DAY)))
    for offset, k in sorted(chosen):
        yield FIRST + datetime.timedelta(days=offset), k


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    lines = ["year,month,day,jd_tt,longitude_deg,distance_au"]
    for date, k in instants():
        day = date.day + k / STEPS_PER_DAY
        jd = JD_OF_ORDINAL_ONE + (date.toordinal() - 1) + k / STEPS_PER_DAY
        longitude, distance = apparent_sun(jd - MJD_ZERO)
        lines.append(f"{date.year},{date.month},{day:.10f},{jd:.10f},{longitude:.9f},{distance:.10f}")
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    print(f"wrote {len(lines) - 1} instants to {output}")


if __name__ == "__main__":
    main()
