#!/usr/bin/env python3
"""Writes the two key-press ticks as small WAV files: a crisp tick and a
quieter, softer one. Run from the source root; the files are committed."""

import math
import struct
import wave

RATE = 22050
FOLDER = "resources/embedded/WAVE/"

# name: (length in ms, pitch in Hz, peak level 0..1, decay time constant in ms)
TICKS = {
    "IDR_WAVE_TICK": (18, 2600.0, 0.55, 2.5),
    "IDR_WAVE_TICKSOFT": (22, 1500.0, 0.22, 4.0),
}


def samples(length_ms, pitch, level, decay_ms):
    count = RATE * length_ms // 1000
    for index in range(count):
        time_ms = 1000.0 * index / RATE
        envelope = level * math.exp(-time_ms / decay_ms)
        yield int(32767 * envelope * math.sin(2 * math.pi * pitch * index / RATE))


def main():
    for name, shape in TICKS.items():
        with wave.open(FOLDER + name + ".wav", "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(b"".join(struct.pack("<h", value) for value in samples(*shape)))


if __name__ == "__main__":
    main()
