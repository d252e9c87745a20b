#!/usr/bin/env python3
"""Writes hills-30x30.dtm: a smooth made-up terrain of two hills and a valley.

30 rows x 30 columns, north-west node at X 632000, Y 4132000, 100 m spacing; heights in metres
with one decimal, between about 80 and 260. Deterministic: running it again gives the same file.
"""
import math
import os

ROWS, COLUMNS = 30, 30


def height(i, j):
    """Height of the node in row i (1 = north) and column j (1 = west)."""
    base = 150 + 0.8 * (i - 15)  # the land falls gently towards the north
    north_hill = 95 * math.exp(-((i - 8) ** 2 + (j - 9) ** 2) / 30)
    south_hill = 70 * math.exp(-((i - 22) ** 2 + (j - 21) ** 2) / 45)
    # A valley from the south-west to the north-east, between the two hills.
    across = (i + j - 31) / math.sqrt(2)
    valley = 55 * math.exp(-(across ** 2) / 10) * (0.6 + 0.4 * math.sin(j / 5))
    return base + north_hill + south_hill - valley


def main():
    lines = ["%d,%d,632000,4132000,100,100" % (ROWS, COLUMNS)]
    for i in range(1, ROWS + 1):
        lines.append(",".join("%.1f" % height(i, j) for j in range(1, COLUMNS + 1)))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hills-30x30.dtm")
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
