#!/usr/bin/env python3
"""Writes sine_reference.inc: sine and cosine of the angles the snowflake reaches, and of
a spread of others, to 60 digits, each as the nearest double plus the nearest double
to the rest. Python's floats are the same IEEE doubles as the program's, so the curve's
angles come out bit for bit."""
import random
from decimal import Decimal, getcontext

getcontext().prec = 70
PI = Decimal("3.14159265358979323846264338327950288419716939937510"
             "58209749445923078164062862089986280348253421170679")


def sin_cos(x):
    d = Decimal(x)  # exact value of the double
    twopi = 2 * PI
    d -= twopi * (d / twopi).to_integral_value()
    term, s, c, n = d, Decimal(0), Decimal(0), 1
    # Taylor series of sine and cosine side by side.
    sterm, cterm, k = d, Decimal(1), 0
    while True:
        s += sterm
        c += cterm
        k += 2
        sterm = -sterm * d * d / (k * (k + 1))
        cterm = -cterm * d * d / ((k - 1) * k)
        if abs(sterm) < Decimal("1e-65") and abs(cterm) < Decimal("1e-65"):
            break
    return s, c


def split(v):
    hi = float(v)
    return hi, float(v - Decimal(hi))


P = 1.0471975511965976
RAD = 0.017453292519943295
angles = set()
level = {0.0, 120 * RAD, 240 * RAD, 60 * RAD, -60 * RAD, 180 * RAD}
for _ in range(6):
    angles |= level
    level = {a for b in level for a in (b, b - P, b + P)}
angles |= {P, 60 * RAD}
for k in range(-6, 7):  # multiples of pi and their neighbours
    m = k * 3.141592653589793
    angles |= {m, m + 2.0 ** -40, m - 2.0 ** -40}
rng = random.Random(20261211)
angles |= {rng.uniform(-20, 20) for _ in range(300)}
angles |= {rng.uniform(-1e5, 1e5) for _ in range(30)}
angles |= {1e-9, -3e-5, 0.5, 0.785398, 0.7853981633974483, 1.5707963267948966}

with open("sine_reference.inc", "w") as out:
    out.write("// Made by make_sine_reference.py: x, sin x and cos x, each as a double and the rest.\n")
    for x in sorted(angles):
        s, c = sin_cos(x)
        sh, sl = split(s)
        ch, cl = split(c)
        out.write("{%s, %s, %s, %s, %s},\n" % tuple(v.hex() for v in (x, sh, sl, ch, cl)))
