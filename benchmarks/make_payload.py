#!/usr/bin/env python3
"""Writes the benchmark's package of expanded files: 1,000 files of about 48 MB in all, in
twenty folders, of mixed content (text, tables of numbers, incompressible bytes) and sizes from
1 KiB to a few hundred KiB. The same files on every run.

usage: make_payload.py <directory>
"""
import os
import random
import sys

FILES = 1000
TOTAL = 48_000_000
WORDS = ["modem ", "carrier ", "COM2 ", "installer ", "the ", "of ", "connect\r\n",
         "SharedDLLs ", "disk001 ", "version ", "lamp ", "38400 ", "and ", "a ", "to "]


def sizes(rng):
    raw = [2 ** rng.uniform(10, 18.5) for _ in range(FILES)]
    scale = TOTAL / sum(raw)
    return [max(1, int(size * scale)) for size in raw]


def text(rng, size):
    out = []
    length = 0
    while length < size:
        word = rng.choice(WORDS) if rng.random() < 0.8 else f"{rng.randrange(100000)} "
        out.append(word)
        length += len(word)
    return "".join(out).encode()[:size]


def table(rng, size):
    rows = []
    length = 0
    while length < size:
        row = ",".join(str(rng.randrange(1 << 16)) for _ in range(8)) + "\r\n"
        rows.append(row)
        length += len(row)
    return "".join(rows).encode()[:size]


def noise(rng, size):
    return rng.randbytes(size)


def main():
    root = sys.argv[1]
    rng = random.Random(48)
    kinds = [(text, "txt")] * 6 + [(table, "csv")] * 3 + [(noise, "bin")] * 1
    for number, size in enumerate(sizes(rng)):
        make, extension = kinds[number % len(kinds)]
        folder = os.path.join(root, f"dir{number // 50:02d}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"file{number:04d}.{extension}"), "wb") as out:
            out.write(make(rng, size))


if __name__ == "__main__":
    main()
