#!/usr/bin/env python3
"""Derives the constants of analysis/VectorCosine.h: the three parts of pi/2, 2/pi, and the
minimax polynomials for sin and cos on [-pi/4, pi/4] (weighted so that the error is relative),
by the Remez exchange in 60-digit arithmetic. Needs mpmath (Debian: python3-mpmath).
Prints the values as hexadecimal floating-point literals."""

import mpmath as mp

mp.mp.dps = 60


def round_to_bits(x, bits):
    exponent = mp.floor(mp.log(abs(x), 2))
    quantum = mp.mpf(2) ** (exponent - bits + 1)
    return mp.nint(x / quantum) * quantum


def remez(g, w, top, degree, iterations=30, grid=4000):
    """Polynomial p of the given degree on [0, top] that minimises max |w(z) (p(z) - g(z))|."""
    n = degree + 2
    tiny = top * mp.mpf('1e-30')
    ref = [max(tiny, top * (1 - mp.cos(mp.pi * i / (n - 1))) / 2) for i in range(n)]
    xs = [max(tiny, top * (1 - mp.cos(mp.pi * i / grid)) / 2) for i in range(grid + 1)]
    gx = [g(x) for x in xs]
    wx = [w(x) for x in xs]
    for iteration in range(iterations):
        a = mp.matrix(n, n)
        b = mp.matrix(n, 1)
        for i, z in enumerate(ref):
            for j in range(degree + 1):
                a[i, j] = z ** j
            a[i, degree + 1] = (-1) ** i / w(z)
            b[i] = g(z)
        solution = mp.lu_solve(a, b)
        c = [solution[j] for j in range(degree + 1)]
        level = solution[degree + 1]
        err = [wx[i] * (mp.polyval(c[::-1], xs[i]) - gx[i]) for i in range(len(xs))]
        extrema = [i for i in range(len(xs))
                   if (i == 0 or abs(err[i]) >= abs(err[i - 1]))
                   and (i == len(xs) - 1 or abs(err[i]) >= abs(err[i + 1]))]
        alternating = []
        for i in extrema:
            if alternating and mp.sign(err[i]) == mp.sign(err[alternating[-1]]):
                if abs(err[i]) > abs(err[alternating[-1]]):
                    alternating[-1] = i
            else:
                alternating.append(i)
        while len(alternating) > n:
            alternating.pop(0 if abs(err[alternating[0]]) < abs(err[alternating[-1]]) else -1)
        worst = max(abs(e) for e in err)
        if len(alternating) == n:
            ref = [xs[i] for i in alternating]
        if iteration > 3 and abs(worst - abs(level)) < abs(level) * mp.mpf('1e-6'):
            break
    return c, worst


def hexes(values):
    return ', '.join(float(v).hex() for v in values)


# A little beyond pi/4: the nearest multiple of pi/2 is found in double precision.
top = (mp.pi / 4 * mp.mpf('1.0001')) ** 2
sine, sine_error = remez(lambda z: (mp.sin(mp.sqrt(z)) - mp.sqrt(z)) / (z * mp.sqrt(z)),
                         lambda z: z * mp.sqrt(z) / mp.sin(mp.sqrt(z)), top, 5)
cosine, cosine_error = remez(lambda z: (mp.cos(mp.sqrt(z)) - 1 + z / 2) / (z * z),
                             lambda z: z * z / mp.cos(mp.sqrt(z)), top, 5)

half_pi = mp.pi / 2
part1 = round_to_bits(half_pi, 39)
part2 = round_to_bits(half_pi - part1, 37)
part3 = round_to_bits(half_pi - part1 - part2, 53)

print('kTwoOverPi =', float(2 / mp.pi).hex())
print('kHalfPi1, 2, 3 =', hexes([part1, part2, part3]))
print('kSine =', hexes(sine), ' relative error 2^%.1f' % float(mp.log(sine_error, 2)))
print('kCosine =', hexes(cosine), ' relative error 2^%.1f' % float(mp.log(cosine_error, 2)))
