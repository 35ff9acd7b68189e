"""Screenshots of an X display as pixel arrays: read from `xwd -root -silent`, written as PNG."""

import struct
import subprocess
import zlib


class Screenshot:
    def __init__(self, width, height, rows):
        self.width = width
        self.height = height
        self.rows = rows  # rows[y][x] = (r, g, b)

    def pixel(self, x, y):
        return self.rows[y][x]

    def is_black(self, x, y):
        return self.pixel(x, y) == (0, 0, 0)

    def is_white(self, x, y):
        return self.pixel(x, y) == (255, 255, 255)

    def save_png(self, path):
        raw = b"".join(b"\0" + bytes(c for rgb in row for c in rgb) for row in self.rows)

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def parse_xwd(data):
    """A 24- or 32-bit TrueColor ZPixmap dump, as Xvfb's screens give."""
    fields = struct.unpack(">25I", data[:100])
    header_size, _, pixmap_format, depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14:17]
    ncolors = fields[19]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32) or depth < 24:
        raise ValueError(f"unexpected xwd format {pixmap_format}, depth {depth}, {bits_per_pixel} bits")
    start = header_size + ncolors * 12
    step = bits_per_pixel // 8
    order = "little" if byte_order == 0 else "big"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(m) for m in (red_mask, green_mask, blue_mask)]
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line: start + y * bytes_per_line + width * step]
        row = []
        for x in range(0, width * step, step):
            value = int.from_bytes(line[x:x + step], order)
            row.append(tuple((value >> s) & 0xFF for s in shifts))
        rows.append(row)
    return Screenshot(width, height, rows)


def grab(display, env):
    data = subprocess.run(["xwd", "-root", "-silent", "-display", display], env=env, check=True,
                          capture_output=True, timeout=30).stdout
    return parse_xwd(data)
