#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the small bitmap and metafile files the picture tests read.

Every bitmap variant holds the same 5 x 3 reference picture (REFERENCE, top
row first) so that the tests compare each against one table; the faulty
files are named after their fault. Run it from this folder; the files are
committed, so it only needs running again after a change here."""
import struct

BLACK, WHITE = (0, 0, 0), (255, 255, 255)
RED, GREEN, BLUE = (255, 0, 0), (0, 255, 0), (0, 0, 255)
YELLOW, CYAN, MAGENTA = (255, 255, 0), (0, 255, 255), (255, 0, 255)
REFERENCE = [
    [RED, GREEN, BLUE, WHITE, BLACK],
    [YELLOW, CYAN, MAGENTA, BLACK, WHITE],
    [WHITE, BLACK, RED, GREEN, BLUE],
]
PALETTE = [BLACK, WHITE, RED, GREEN, BLUE, YELLOW, CYAN, MAGENTA]
W, H = 5, 3
# The two-colour reference: 1 where REFERENCE is not black.
MONO = [[0 if c == BLACK else 1 for c in row] for row in REFERENCE]
MONO_PALETTE = [(200, 30, 40), (10, 20, 220)]


def index(c):
    return PALETTE.index(c)


def file_header(total, offset):
    return b'BM' + struct.pack('<IHHI', total, 0, 0, offset)


def info_header(w, h, bits, compression=0, image_size=0, used=0, size=40):
    return struct.pack('<IiiHHIIiiII', size, w, h, 1, bits, compression, image_size, 2835, 2835, used, 0)


def table(colours, entry=4):
    return b''.join(bytes([b, g, r] + ([0] if entry == 4 else [])) for (r, g, b) in colours)


def pad(row):
    return row + b'\0' * ((-len(row)) % 4)


def rows(pixel_bytes, bottom_up=True):
    order = list(reversed(range(H))) if bottom_up else list(range(H))
    return b''.join(pad(pixel_bytes(y)) for y in order)


def pack_bits(values, bits):
    out, acc, n = bytearray(), 0, 0
    for v in values:
        acc = (acc << bits) | v
        n += bits
        if n == 8:
            out.append(acc)
            acc, n = 0, 0
    if n:
        out.append(acc << (8 - n))
    return bytes(out)


def bmp(info, colour_table, pixels):
    offset = 14 + len(info) + len(colour_table)
    return file_header(offset + len(pixels), offset) + info + colour_table + pixels


def px24(y):
    return b''.join(bytes([b, g, r]) for (r, g, b) in REFERENCE[y])


def px32(y):
    return b''.join(bytes([b, g, r, 0]) for (r, g, b) in REFERENCE[y])


def px555(y):
    return b''.join(struct.pack('<H', (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3)) for (r, g, b) in REFERENCE[y])


def px565(y):
    return b''.join(struct.pack('<H', (r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)) for (r, g, b) in REFERENCE[y])


def px8(y):
    return bytes(index(c) for c in REFERENCE[y])


def px4(y):
    return pack_bits([index(c) for c in REFERENCE[y]], 4)


def px1(y):
    return pack_bits(MONO[y], 1)


def rle8():
    # Row by row from the bottom: an encoded run, then an absolute run.
    out = bytearray()
    for y in reversed(range(H)):
        idx = [index(c) for c in REFERENCE[y]]
        out += bytes([1, idx[0]])               # encoded run of one
        out += bytes([0, 4]) + bytes(idx[1:]) + b'\0' * (4 % 2)  # absolute run of four
        out += b'\0\0'                          # end of line
    out += b'\0\1'                              # end of bitmap
    return bytes(out)


def rle4():
    out = bytearray()
    for y in reversed(range(H)):
        idx = [index(c) for c in REFERENCE[y]]
        out += bytes([2, idx[0] << 4 | idx[1]])            # encoded run: two alternating indices
        out += bytes([0, 3, idx[2] << 4 | idx[3], idx[4] << 4])  # absolute run of three (two bytes, aligned)
        out += b'\0\0'
    out += b'\0\1'
    return bytes(out)


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


def bitmaps():
    write('bmp_1bit.bmp', bmp(info_header(W, H, 1), table(MONO_PALETTE), rows(px1)))
    write('bmp_4bit.bmp', bmp(info_header(W, H, 4), table(PALETTE + [BLACK] * 8), rows(px4)))
    write('bmp_8bit.bmp', bmp(info_header(W, H, 8, used=8), table(PALETTE), rows(px8)))
    write('bmp_16bit_555.bmp', bmp(info_header(W, H, 16), b'', rows(px555)))
    masks565 = struct.pack('<III', 0xF800, 0x07E0, 0x001F)
    write('bmp_16bit_565_bitfields.bmp', bmp(info_header(W, H, 16, compression=3), masks565, rows(px565)))
    write('bmp_24bit.bmp', bmp(info_header(W, H, 24), b'', rows(px24)))
    write('bmp_32bit.bmp', bmp(info_header(W, H, 32), b'', rows(px32)))
    masks32 = struct.pack('<III', 0x00FF0000, 0x0000FF00, 0x000000FF)
    write('bmp_32bit_bitfields.bmp', bmp(info_header(W, H, 32, compression=3), masks32, rows(px32)))
    # A V5 header declaring an alpha channel whose values are all 0: shown opaque.
    v5 = struct.pack('<IiiHHIIiiII', 124, W, H, 1, 32, 3, 0, 2835, 2835, 0, 0)
    v5 += struct.pack('<IIII', 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000) + b'sRGB' + b'\0' * 36 + b'\0' * 12 + struct.pack('<IIII', 4, 0, 0, 0)
    write('bmp_32bit_v5_alpha.bmp', bmp(v5, b'', rows(px32)))
    write('bmp_rle8.bmp', bmp(info_header(W, H, 8, compression=1, used=8), table(PALETTE), rle8()))
    write('bmp_rle4.bmp', bmp(info_header(W, H, 4, compression=2, used=8), table(PALETTE), rle4()))
    write('bmp_topdown_24bit.bmp', bmp(info_header(W, -H, 24), b'', rows(px24, bottom_up=False)))
    write('bmp_topdown_8bit.bmp', bmp(info_header(W, -H, 8, used=8), table(PALETTE), rows(px8, bottom_up=False)))
    core24 = struct.pack('<IHHHH', 12, W, H, 1, 24)
    write('bmp_os2_core_24bit.bmp', bmp(core24, b'', rows(px24)))
    core8 = struct.pack('<IHHHH', 12, W, H, 1, 8)
    write('bmp_os2_core_8bit.bmp', bmp(core8, table(PALETTE + [BLACK] * 248, entry=3), rows(px8)))
    # RLE8 with a delta: the skipped pixels keep colour 0 (black).
    delta = bytes([1, index(RED), 0, 2, 3, 1, 1, index(BLUE), 0, 1])
    write('bmp_rle8_delta.bmp', bmp(info_header(W, H, 8, compression=1, used=8), table(PALETTE), delta))

    # Faults, one file each, named after the fault.
    good = bmp(info_header(W, H, 24), b'', rows(px24))
    write('bmp_truncated_pixels.bmp', good[:-20])
    write('bmp_truncated_header.bmp', good[:30])
    write('bmp_bad_signature.bmp', b'BX' + good[2:])
    write('bmp_empty_file.bmp', b'')
    write('bmp_huge_dimensions.bmp', bmp(info_header(100000, 100000, 24), b'', rows(px24)))
    # Claims 50000 x 50000 pixels but holds only 57 KB of them: damaged, not too large.
    write('bmp_pixels_short_of_declared_size.bmp', bmp(info_header(50000, 50000, 24), b'', b'\x80' * 57000))
    write('bmp_bad_bit_count.bmp', bmp(info_header(W, H, 7), b'', rows(px24)))
    write('bmp_bad_compression.bmp', bmp(info_header(W, H, 24, compression=1), b'', rows(px24)))
    write('bmp_zero_width.bmp', bmp(info_header(0, H, 24), b'', rows(px24)))
    write('bmp_palette_too_large.bmp', bmp(info_header(W, H, 8, used=1000), table(PALETTE), rows(px8)))
    past = bytearray(good)
    past[10:14] = struct.pack('<I', 5000)
    write('bmp_offset_past_end.bmp', bytes(past))
    write('bmp_rle_truncated.bmp', bmp(info_header(W, H, 8, compression=1, used=8), table(PALETTE), rle8()[:-8]))
    write('bmp_topdown_rle.bmp', bmp(info_header(W, -H, 8, compression=1, used=8), table(PALETTE), rle8()))
    write('bitmap_named_as_metafile.wmf', good)
    write('Upper_Case.BMP', good)
    write('not_a_picture.txt', b'Irisonde\n')


# ---- Metafiles -----------------------------------------------------------

def rec(function, *words):
    return struct.pack('<IH', 3 + len(words), function) + b''.join(struct.pack('<h' if w < 0 else '<H', w) for w in words)


def rec_bytes(function, payload):
    assert len(payload) % 2 == 0
    return struct.pack('<IH', 3 + len(payload) // 2, function) + payload


def colorref(r, g, b):
    return (g << 8 | r, b)


def metafile(records, objects=4, placeable=None, end=True):
    body = b''.join(records) + (rec(0) if end else b'')
    largest = max(struct.unpack_from('<I', body, i)[0] for i in record_offsets(body))
    header = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(body)) // 2, objects, largest, 0)
    data = header + body
    if placeable:
        left, top, right, bottom, inch = placeable
        words = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, left, top, right, bottom, inch, 0)
        checksum = 0
        for i in range(0, 20, 2):
            checksum ^= struct.unpack_from('<H', words, i)[0]
        data = words + struct.pack('<H', checksum) + data
    return data


def record_offsets(body):
    i = 0
    while i < len(body):
        yield i
        i += struct.unpack_from('<I', body, i)[0] * 2


def pen(style, width, rgb):
    return rec(0x02FA, style, width, 0, *colorref(*rgb))


def brush(style, rgb, hatch=0):
    return rec(0x02FC, style, *colorref(*rgb), hatch)


def font(height, face, escapement=0, weight=400):
    name = face.encode('latin-1') + b'\0' * (32 - len(face))
    payload = struct.pack('<hhhhhBBBBBBBB', height, 0, escapement, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0) + name
    return rec_bytes(0x02FB, payload)


def text(x, y, s):
    raw = s.encode('latin-1')
    raw += b'\0' * (len(raw) % 2)
    return rec_bytes(0x0521, struct.pack('<H', len(s)) + raw + struct.pack('<hh', y, x))


def select(i):
    return rec(0x012D, i)


def window(x0, y0, w, h):
    return rec(0x020B, y0, x0) + rec(0x020C, h, w)


def rect(left, top, right, bottom, function=0x041B):
    return rec(function, bottom, right, top, left)


def polypolygon(polys):
    words = [len(polys)] + [len(p) for p in polys] + [c for p in polys for pt in p for c in pt]
    return rec(0x0538, *words)


def stretchdib(x, y, w, h, rows_rgb):
    """A 24-bit DIB (rows top first) stretched onto (x, y, w, h)."""
    bh, bw = len(rows_rgb), len(rows_rgb[0])
    dib = info_header(bw, bh, 24) + b''.join(pad(b''.join(bytes([b, g, r]) for (r, g, b) in row)) for row in reversed(rows_rgb))
    params = struct.pack('<IH hhhh hhhh', 0x00CC0020, 0, bh, bw, 0, 0, h, w, y, x)
    return rec_bytes(0x0F43, params + dib)


def metafiles():
    solid_red = [pen(5, 0, BLACK), brush(0, RED), select(0), select(1)]
    write('wmf_rectangle.wmf', metafile([window(0, 0, 200, 100)] + solid_red + [rect(50, 25, 150, 75)],
                                        placeable=(0, 0, 200, 100, 96)))
    write('wmf_plain.wmf', metafile([window(0, 0, 300, 150)] + solid_red + [rect(0, 0, 150, 150)]))
    squares = [[(20, 20), (180, 20), (180, 180), (20, 180)], [(70, 70), (130, 70), (130, 130), (70, 130)]]
    fill = [pen(5, 0, BLACK), brush(0, BLUE), select(0), select(1)]
    write('wmf_fill_alternate.wmf', metafile([window(0, 0, 200, 200)] + fill + [rec(0x0106, 1), polypolygon(squares)],
                                             placeable=(0, 0, 200, 200, 96)))
    write('wmf_fill_winding.wmf', metafile([window(0, 0, 200, 200)] + fill + [rec(0x0106, 2), polypolygon(squares)],
                                           placeable=(0, 0, 200, 200, 96)))
    triangle = [3, 100, 20, 180, 180, 20, 180]
    write('wmf_polygon.wmf', metafile([window(0, 0, 200, 200), pen(0, 1, BLACK), brush(0, GREEN), select(0), select(1),
                                       rec(0x0324, *triangle)], placeable=(0, 0, 200, 200, 96)))
    write('wmf_text.wmf', metafile([window(0, 0, 400, 100), font(-60, 'Arial'), select(0),
                                    rec(0x0209, *colorref(0, 0, 0)), rec(0x0102, 1), text(20, 20, 'Irisonde')],
                                   placeable=(0, 0, 400, 100, 96)))
    # Frame away from the origin, in twips; a rectangle outside the frame must not show.
    write('wmf_frame_offset.wmf', metafile([window(1000, 1000, 400, 200)] + solid_red
                                           + [rect(1000, 1000, 1200, 1200), rect(1400, 1000, 3000, 3000)],
                                           placeable=(1000, 1000, 1400, 1200, 1440)))
    # The selected font is deleted and a pen takes its slot before text is drawn.
    write('wmf_deleted_font.wmf', metafile([window(0, 0, 200, 100), font(-30, 'Arial'), select(0), rec(0x01F0, 0),
                                            pen(0, 1, BLUE), text(10, 10, 'Alias')], objects=2,
                                           placeable=(0, 0, 200, 100, 96)))
    shapes = [window(0, 0, 400, 300), pen(0, 1, BLACK), brush(2, RED, 4), select(0), select(1),
              rec(0x0102, 2), rec(0x0201, *colorref(255, 255, 0)),
              rect(10, 10, 110, 90, 0x0418),                                  # hatched ellipse on yellow
              rec(0x061C, 20, 20, 90, 230, 10, 130),                          # rounded rectangle
              rec(0x0817, 50, 290, 50, 390, 90, 390, 10, 250),                # arc
              rec(0x081A, 150, 10, 150, 110, 190, 110, 110, 10),              # pie
              rec(0x0830, 150, 130, 150, 230, 190, 230, 110, 130),            # chord
              rec(0x0214, 150, 250), rec(0x0213, 190, 390),                    # line
              stretchdib(250, 200, 100, 80, [[RED, GREEN], [BLUE, WHITE]]),
              rec(0x0416, 300, 240, 200, 10),                                 # clip to (10,200)-(240,300)
              brush(0, MAGENTA), select(2), rect(0, 200, 400, 300)]
    write('wmf_shapes.wmf', metafile(shapes, objects=4, placeable=(0, 0, 400, 300, 96)))
    # A dashed pen 8 units wide (drawn solid) over a one-unit dashed pen (dashed).
    write('wmf_wide_dashed_pen.wmf', metafile([window(0, 0, 200, 100), pen(1, 8, BLUE), select(0),
                                               rec(0x0214, 30, 10), rec(0x0213, 30, 190),
                                               pen(1, 1, RED), select(1),
                                               rec(0x0214, 70, 10), rec(0x0213, 70, 190)],
                                              objects=2, placeable=(0, 0, 200, 100, 96)))

    good = open('wmf_rectangle.wmf', 'rb').read()
    write('wmf_empty_file.wmf', b'')
    bad = bytearray(good)
    struct.pack_into('<H', bad, 22 + 2, 7)
    write('wmf_bad_header.wmf', bytes(bad))
    write('wmf_truncated_record.wmf', good[:-10])
    zero = bytearray(good)
    struct.pack_into('<H', zero, 14, 0)
    write('wmf_zero_inch.wmf', bytes(zero))
    write('wmf_bad_record_size.wmf', metafile([window(0, 0, 200, 100), struct.pack('<IH', 1, 0x041B)],
                                              placeable=(0, 0, 200, 100, 96)))
    huge = info_header(100000, 100000, 24) + b'\0' * 64
    write('wmf_huge_bitmap.wmf', metafile([window(0, 0, 200, 100),
                                           rec_bytes(0x0F43, struct.pack('<IH hhhh hhhh', 0x00CC0020, 0, 10, 10, 0, 0, 100, 200, 0, 0) + huge)],
                                          placeable=(0, 0, 200, 100, 96)))
    # A header that claims an absurd largest record (the player would
    # allocate it) and no end record: both are mended, the picture shows.
    mended = bytearray(metafile([window(0, 0, 200, 100)] + solid_red + [rect(50, 25, 150, 75)],
                                placeable=(0, 0, 200, 100, 96), end=False))
    struct.pack_into('<I', mended, 22 + 12, 0x7FFFFFF0)
    write('wmf_absurd_max_record.wmf', bytes(mended))
    write('metafile_named_as_bitmap.bmp', good)
    write('UPPER_CASE.WMF', good)


if __name__ == '__main__':
    bitmaps()
    metafiles()
