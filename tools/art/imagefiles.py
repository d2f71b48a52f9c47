"""Writers for the picture formats the project ships: XPM, GIF, BMP, baseline JPEG and PNG.

A picture is given as rows of pixels; a pixel is an (r, g, b) tuple of 0..255, or None where
the picture is transparent (XPM and GIF only). PNG takes (r, g, b, a) pixels.
"""

import math
import struct
import zlib

# ---------------------------------------------------------------- XPM


def write_xpm(path, name, rows, legend, hot_spot=None):
    """Writes an XPM whose pixels are the characters of `rows`.

    `legend` maps each character to "#RRGGBB" or "None" (transparent). A hot spot (x, y), for a
    cursor, goes into the values line where XPM keeps it.
    """
    height, width = len(rows), len(rows[0])
    used = [c for c in legend if any(c in row for row in rows)]
    values = f"{width} {height} {len(used)} 1"
    if hot_spot:
        values += f" {hot_spot[0]} {hot_spot[1]}"
    lines = [f'"{values}"']
    lines += [f'"{c} c {legend[c]}"' for c in used]
    lines += [f'"{row}"' for row in rows]
    text = "/* XPM */\nstatic const char *" + name + "[] = {\n"
    text += ",\n".join(lines) + "\n};\n"
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


# ---------------------------------------------------------------- GIF


class _BitWriter:
    """Packs codes least significant bit first, as GIF's LZW stream wants them."""

    def __init__(self):
        self.data = bytearray()
        self.bits = 0
        self.count = 0

    def write(self, code, size):
        self.bits |= code << self.count
        self.count += size
        while self.count >= 8:
            self.data.append(self.bits & 0xFF)
            self.bits >>= 8
            self.count -= 8

    def flush(self):
        if self.count:
            self.data.append(self.bits & 0xFF)
        return bytes(self.data)


def _lzw(indices, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    out = _BitWriter()
    size, next_code, table = min_size + 1, end + 1, {}
    out.write(clear, size)
    prefix = indices[0]
    for k in indices[1:]:
        if (prefix, k) in table:
            prefix = table[(prefix, k)]
            continue
        out.write(prefix, size)
        if next_code < 4096:
            table[(prefix, k)] = next_code
            next_code += 1
            # The decoder adds its entry one code later, so it widens when this passes 2^size.
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            out.write(clear, size)
            size, next_code, table = min_size + 1, end + 1, {}
        prefix = k
    out.write(prefix, size)
    out.write(end, size)
    return out.flush()


def write_gif(path, rows):
    """Writes a GIF89a of at most 255 colours, with one transparent entry if any pixel is None."""
    colours = sorted({p for row in rows for p in row if p is not None})
    if len(colours) > 255:
        raise ValueError(f"{path}: {len(colours)} colours, a GIF holds 255 and transparency")
    transparent = any(p is None for row in rows for p in row)
    palette = colours + [(255, 255, 255)] if transparent else colours
    bits = max(2, math.ceil(math.log2(max(2, len(palette)))))
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    index = {c: i for i, c in enumerate(colours)}
    indices = [len(colours) if p is None else index[p] for row in rows for p in row]
    height, width = len(rows), len(rows[0])

    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (bits - 1), 0, 0)
    data += b"".join(bytes(c) for c in palette)
    if transparent:
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 1, 0, len(colours), 0)
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    data.append(bits)
    stream = _lzw(indices, bits)
    for i in range(0, len(stream), 255):
        chunk = stream[i : i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3b"
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- PNG


def _png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def write_png(path, rows):
    """An 8-bit RGBA PNG, each row unfiltered."""
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(_png_chunk(b"IHDR", header))
        f.write(_png_chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(_png_chunk(b"IEND", b""))


# ---------------------------------------------------------------- BMP


def write_bmp(path, rows):
    """Writes an uncompressed 24-bit BMP (rows stored bottom up, each padded to four bytes)."""
    height, width = len(rows), len(rows[0])
    pad = b"\x00" * (-3 * width % 4)
    pixels = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) + pad for row in reversed(rows))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


# ---------------------------------------------------------------- JPEG

# The example tables of the JPEG standard (luminance), shared here by all three components:
# the pictures are small, so separate chrominance tables would save next to nothing.
_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61,
    12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,
    14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,
    24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99,
]  # fmt: skip
_DC_BITS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
_DC_VALUES = list(range(12))
_AC_BITS = [0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D]
_AC_VALUES = bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f0"
    "2433627282090a161718191a25262728292a3435363738393a434445464748494a"
    "535455565758595a636465666768696a737475767778797a838485868788898a"
    "92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6"
    "c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa"
)


def _zigzag_key(i):
    """Scan order: anti-diagonal by anti-diagonal, walking them alternately down and up."""
    row, col = divmod(i, 8)
    return row + col, row if (row + col) % 2 else col


_ZIGZAG = sorted(range(64), key=_zigzag_key)  # the block index of each coefficient in scan order
_COS = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]


def _codes(bits, values):
    """The canonical Huffman codes, value -> (code, length), of a table given by its counts."""
    codes, code, values = {}, 0, iter(values)
    for length, count in enumerate(bits, 1):
        for _ in range(count):
            codes[next(values)] = (code, length)
            code += 1
        code <<= 1
    return codes


def _dct(block):
    """The 8 x 8 forward DCT of a block of 64 samples, row by row."""
    def scale(u):
        return math.sqrt(0.5) if u == 0 else 1.0

    rows = [
        [sum(block[y * 8 + x] * _COS[u][x] for x in range(8)) for u in range(8)] for y in range(8)
    ]
    return [
        0.25 * scale(u) * scale(v) * sum(rows[y][u] * _COS[v][y] for y in range(8))
        for v in range(8)
        for u in range(8)
    ]


class _EntropyWriter:
    def __init__(self):
        self.data = bytearray()
        self.bits = 0
        self.count = 0

    def write(self, code, size):
        self.bits = (self.bits << size) | code
        self.count += size
        while self.count >= 8:
            byte = (self.bits >> (self.count - 8)) & 0xFF
            self.data.append(byte)
            if byte == 0xFF:
                self.data.append(0)  # a data byte 0xFF is followed by 0 so it reads as no marker
            self.count -= 8
        self.bits &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)
        return bytes(self.data)


def _magnitude(value):
    size = abs(value).bit_length()
    return (value if value >= 0 else value + (1 << size) - 1), size


def write_jpeg(path, rows, quality=90):
    """Writes a baseline JPEG with full-resolution colour (no chroma subsampling)."""
    height, width = len(rows), len(rows[0])
    factor = 5000 / quality if quality < 50 else 200 - 2 * quality
    quant = [min(255, max(1, int((q * factor + 50) / 100))) for q in _QUANT]
    dc_codes, ac_codes = _codes(_DC_BITS, _DC_VALUES), _codes(_AC_BITS, _AC_VALUES)

    def sample(x, y):
        r, g, b = rows[min(y, height - 1)][min(x, width - 1)]
        return (
            0.299 * r + 0.587 * g + 0.114 * b - 128,
            -0.168736 * r - 0.331264 * g + 0.5 * b,
            0.5 * r - 0.418688 * g - 0.081312 * b,
        )

    out = _EntropyWriter()
    previous_dc = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            samples = [sample(bx + i % 8, by + i // 8) for i in range(64)]
            for c in range(3):
                coefficients = _dct([s[c] for s in samples])
                q = [round(coefficients[i] / quant[i]) for i in _ZIGZAG]
                code, size = _magnitude(q[0] - previous_dc[c])
                previous_dc[c] = q[0]
                out.write(*dc_codes[size])
                out.write(code, size)
                run = 0
                for value in q[1:]:
                    if value == 0:
                        run += 1
                        continue
                    while run > 15:
                        out.write(*ac_codes[0xF0])
                        run -= 16
                    code, size = _magnitude(value)
                    out.write(*ac_codes[(run << 4) | size])
                    out.write(code, size)
                    run = 0
                if run:
                    out.write(*ac_codes[0x00])

    def segment(marker, payload):
        return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload

    data = b"\xff\xd8"
    data += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    data += segment(0xDB, b"\x00" + bytes(quant[i] for i in _ZIGZAG))
    components = b"".join(bytes((c, 0x11, 0)) for c in (1, 2, 3))
    data += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + components)
    data += segment(0xC4, b"\x00" + bytes(_DC_BITS) + bytes(_DC_VALUES))
    data += segment(0xC4, b"\x10" + bytes(_AC_BITS) + _AC_VALUES)
    scan = b"".join(bytes((c, 0x00)) for c in (1, 2, 3))
    data += segment(0xDA, b"\x03" + scan + b"\x00\x3f\x00")
    data += out.flush() + b"\xff\xd9"
    with open(path, "wb") as f:
        f.write(data)
