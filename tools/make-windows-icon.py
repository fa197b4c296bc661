#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Packs PNG pictures of the program icon into a Windows .ico file (one PNG entry per size, as
# Windows reads them since Vista):
#     make screenshots
#     tools/make-windows-icon.py packaging/formwright.ico build/screenshots/program_icon_*.png
import struct
import sys


def png_size(data: bytes) -> tuple[int, int]:
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG file")
    return struct.unpack(">II", data[16:24])


def main() -> int:
    if len(sys.argv) < 3:
        print("usage: make-windows-icon.py OUT.ico PICTURE.png...", file=sys.stderr)
        return 2
    pictures = []
    for name in sys.argv[2:]:
        with open(name, "rb") as f:
            data = f.read()
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit(f"{name}: an icon is at most 256 pixels wide and high")
        pictures.append((width, height, data))
    pictures.sort(key=lambda p: p[0])
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries = b""
    for width, height, data in pictures:
        # 256 is written as 0; 32 bits a pixel, one plane.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(header + entries + b"".join(p[2] for p in pictures))
    return 0


if __name__ == "__main__":
    sys.exit(main())
