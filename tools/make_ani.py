#!/usr/bin/env python3
"""Makes the updater's busy cursor: a ring of eight dots whose bright head
goes round, 16 frames of 32 x 32 in 16 colours, as an animated cursor file
(RIFF form "ACON"); the build carries its bytes into the updater.

    python3 tools/make_ani.py            # writes Update/busy.ani
"""

import math
import os
import struct
import sys

SIZE = 32
FRAMES = 16
RATE = 6  # ticks of 10 ms: about 80 ms a frame at the icon's 20 ms step

# The 16 standard colours, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLUE, NAVY, TEAL, GRAY, SILVER = 12, 4, 6, 8, 7
# Head first, then the fading tail.
DOT_COLOURS = [BLUE, NAVY, TEAL, GRAY, GRAY, SILVER, SILVER, SILVER]
RING = 11.0
DOT = 2.6


def frame_pixels(frame):
    """Palette index per pixel, or None where the screen shows through."""
    pixels = [[None] * SIZE for _ in range(SIZE)]
    head = frame * 2 * math.pi / FRAMES
    for k, colour in enumerate(DOT_COLOURS):
        angle = head - k * 2 * math.pi / len(DOT_COLOURS)
        cx = SIZE / 2 + RING * math.sin(angle)
        cy = SIZE / 2 - RING * math.cos(angle)
        for y in range(SIZE):
            for x in range(SIZE):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= DOT * DOT and pixels[y][x] is None:
                    pixels[y][x] = colour
    return pixels


def icon_image(pixels):
    """The icon resource image: header, palette, colour rows, mask rows,
    both bottom row first."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, SIZE * SIZE // 2 + SIZE * SIZE // 8, 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        for x in range(0, SIZE, 2):
            hi, lo = row[x] or 0, row[x + 1] or 0
            colour.append(hi << 4 | lo)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    return header + palette + bytes(colour) + bytes(mask)


def chunk(ident, data):
    padded = data + (b"\0" if len(data) % 2 else b"")
    return ident + struct.pack("<I", len(data)) + padded


def cursor_chunk(image):
    # A cursor directory of one entry with the hot spot in the middle.
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, SIZE // 2, SIZE // 2, len(image), 22)
    return chunk(b"icon", directory + entry + image)


def ani_file():
    info = b"INFO" + chunk(b"INAM", b"Corvana busy\0") + chunk(b"IART", b"Corvana\0")
    header = struct.pack("<9I", 36, FRAMES, FRAMES, 0, 0, 0, 0, RATE, 1)
    frames = b"fram" + b"".join(cursor_chunk(icon_image(frame_pixels(f))) for f in range(FRAMES))
    body = b"ACON" + chunk(b"LIST", info) + chunk(b"anih", header) + chunk(b"LIST", frames)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    data = ani_file()
    with open(os.path.join(root, "Update", "busy.ani"), "wb") as f:
        f.write(data)
    print("busy.ani: %d bytes, %d frames" % (len(data), FRAMES))
    return 0


if __name__ == "__main__":
    sys.exit(main())
