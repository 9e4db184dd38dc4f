#!/usr/bin/env python3
"""Writes the sample model's results file, workbench/app/sampleresults.csv.

Two small physical models, integrated by explicit finite differences over
two hours and written every minute:

- the tubular reactor (5 m, 50 cells) with its counter-current cooling
  jacket: at time 0 a hot feed of A replaces the cold inert filling, and a
  temperature front runs down the tube; A reacts to B and B to C, both
  giving off heat, and D is an inert diluent;
- the distillation column's start-up (20 trays, tray 1 at the top, feed on
  tray 10): every tray starts at the feed's composition of benzene, toluene
  and xylene, and the light key gathers at the top as the column separates.

Usage: scripts/make-sample-results.py [OUTPUT]
"""

import math
import sys

END = 7200.0  # s
EVERY = 60.0  # s between written rows


def reactor_model():
    cells, length = 50, 5.0
    dz = length / cells
    velocity, dispersion = 0.0006, 2e-5  # m/s, m2/s
    jacket_velocity = 0.01
    feed_t, feed_c, coolant_in = 420.0, [2.0, 0.0, 0.0, 0.0], 330.0
    k0 = [4.0e3, 1.5e2]  # 1/s, of A -> B and B -> C
    activation = [6500.0, 5200.0]  # E/R in K
    heat = [24.0, 12.0]  # K per mol/l reacted (-dH / rho cp)
    exchange, jacket_exchange = 0.0003, 0.002  # 1/s
    state = {
        "T": [320.0] * cells,
        "C": [[0.0, 0.0, 0.0, 1.0] for _ in range(cells)],
        "Tc": [coolant_in] * cells,
    }

    def step(dt):
        t, c, tc = state["T"], state["C"], state["Tc"]
        new_t, new_c, new_tc = t[:], [row[:] for row in c], tc[:]
        for i in range(cells):
            up_t = feed_t if i == 0 else t[i - 1]
            down_t = t[i] if i == cells - 1 else t[i + 1]
            rates = [k0[0] * math.exp(-activation[0] / t[i]) * c[i][0],
                     k0[1] * math.exp(-activation[1] / t[i]) * c[i][1]]
            new_t[i] = t[i] + dt * (-velocity * (t[i] - up_t) / dz
                                    + dispersion * (up_t - 2 * t[i] + down_t) / dz ** 2
                                    + heat[0] * rates[0] + heat[1] * rates[1]
                                    - exchange * (t[i] - tc[i]))
            sources = [-rates[0], rates[0] - rates[1], rates[1], 0.0]
            for k in range(4):
                up = (feed_c[k] if k < 3 else 0.0) if i == 0 else c[i - 1][k]
                new_c[i][k] = max(0.0, c[i][k] + dt * (-velocity * (c[i][k] - up) / dz + sources[k]))
            # The coolant enters at the outlet end and flows back.
            up_tc = coolant_in if i == cells - 1 else tc[i + 1]
            new_tc[i] = tc[i] + dt * (-jacket_velocity * (tc[i] - up_tc) / dz
                                      + jacket_exchange * (t[i] - tc[i]))
        state["T"], state["C"], state["Tc"] = new_t, new_c, new_tc

    def columns():
        names = [f"Reactor.T({i + 1})" for i in range(cells)]
        names += [f"Reactor.C({i + 1},{k + 1})" for i in range(cells) for k in range(4)]
        names += [f"Reactor.X({i + 1})" for i in range(cells)]
        names += [f"Reactor.Jacket.Tc({i + 1})" for i in range(cells)]
        return names

    def row():
        conversion = [1.0 - c[0] / feed_c[0] if c[0] + c[1] + c[2] > 1e-6 else 0.0 for c in state["C"]]
        return (state["T"] + [value for c in state["C"] for value in c] + conversion + state["Tc"])

    return step, columns, row


def column_model():
    trays, feed_tray = 20, 10
    volatility = [2.4, 1.0, 0.42]
    boiling = [353.2, 383.8, 411.5]  # K
    feed = [0.35, 0.40, 0.25]
    holdup, vapour, reflux = 5.0, 0.06, 0.045  # kmol, kmol/s
    feed_rate = 0.03
    x = [feed[:] for _ in range(trays)]

    def equilibrium(xs):
        total = sum(a * v for a, v in zip(volatility, xs))
        return [a * v / total for a, v in zip(volatility, xs)]

    def temperature(xs):
        # The bubble point, as a mole-fraction mean of the boiling points.
        return sum(b * v for b, v in zip(boiling, xs))

    def step(dt):
        nonlocal x
        y = [equilibrium(xs) for xs in x]
        new_x = []
        for n in range(trays):
            liquid_in = reflux + (feed_rate if n >= feed_tray else 0.0)
            above = y[0] if n == 0 else x[n - 1]  # total condenser: reflux at the vapour's composition
            below = y[n + 1] if n + 1 < trays else equilibrium(x[n])
            liquid_out = liquid_in + (feed_rate if n == feed_tray - 1 else 0.0)
            tray = []
            for k in range(3):
                change = (liquid_in * above[k] + vapour * below[k] - liquid_out * x[n][k] - vapour * y[n][k]
                          + (feed_rate * feed[k] if n == feed_tray - 1 else 0.0))
                tray.append(max(0.0, x[n][k] + dt * change / holdup))
            total = sum(tray)
            new_x.append([v / total for v in tray])
        x = new_x

    def columns():
        names = [f"Column.T({n + 1})" for n in range(trays)]
        names += [f"Column.x({n + 1},{k + 1})" for n in range(trays) for k in range(3)]
        names += [f"Column.y({n + 1},{k + 1})" for n in range(trays) for k in range(3)]
        return names

    def row():
        return ([temperature(xs) for xs in x] + [v for xs in x for v in xs]
                + [v for xs in x for v in equilibrium(xs)])

    return step, columns, row


def quoted(name):
    return f'"{name}"' if "," in name else name


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "workbench/app/sampleresults.csv"
    models = [reactor_model(), column_model()]
    dt = 0.5
    with open(output, "w", encoding="ascii", newline="\n") as out:
        out.write(",".join(["time"] + [quoted(n) for _, columns, _ in models for n in columns()]) + "\n")
        time = 0.0
        while time <= END + 1e-9:
            values = [value for _, _, row in models for value in row()]
            out.write(",".join([f"{time:g}"] + [f"{value:.5g}" for value in values]) + "\n")
            for _ in range(int(EVERY / dt)):
                for step, _, _ in models:
                    step(dt)
            time += EVERY


if __name__ == "__main__":
    main()
