#!/usr/bin/env python3
"""Draws LineWink's two short signal sounds as 8-bit mono wave files beside this script.

CONNECT.WAV rises (two tones), DISCONN.WAV falls. Run again to remake them; the output is the
same every time.
"""
import math
import pathlib
import struct

RATE = 11025


def tones(frequencies, seconds_each):
    samples = bytearray()
    count = int(RATE * seconds_each)
    for frequency in frequencies:
        for n in range(count):
            # A short fade at both ends keeps the tones from clicking.
            envelope = min(1.0, n / 200, (count - n) / 200)
            value = math.sin(2 * math.pi * frequency * n / RATE) * envelope
            samples.append(128 + int(round(100 * value)))
    return bytes(samples)


def wave(samples):
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    return (b"RIFF" + struct.pack("<I", 4 + 8 + len(fmt) + 8 + len(samples)) + b"WAVE" +
            b"fmt " + struct.pack("<I", len(fmt)) + fmt +
            b"data" + struct.pack("<I", len(samples)) + samples)


def main():
    here = pathlib.Path(__file__).resolve().parent
    (here / "CONNECT.WAV").write_bytes(wave(tones([660, 880], 0.12)))
    (here / "DISCONN.WAV").write_bytes(wave(tones([880, 440], 0.12)))


if __name__ == "__main__":
    main()
