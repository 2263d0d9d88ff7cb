#!/usr/bin/env python3
"""Writes Sentrel's own binary assets: icons, pictures, the XP button face strip and the sounds.

Run from anywhere (standard library only, output is byte-for-byte deterministic):

    python3 tools/make_assets.py

It writes res/*.ico, res/*.bmp and data/*.wav in the repository, then checks the key pixels of
the button face strip and prints one line per file. Commit the outputs together with this script.
"""

import math
import os
import struct
import sys
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "res")
DATA = os.path.join(ROOT, "data")

# Colour the opaque 24-bit pictures are composed on (the pages' white background).
PICTURE_BACKGROUND = (255, 255, 255)

# ---------------------------------------------------------------------------------------------
# A small anti-aliased painter: RGBA float canvas, shapes given as inside(x, y) predicates,
# covered with 4 x 4 samples per pixel and composed "over" what is already there.

SAMPLES = 4


class Canvas:
    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        if background is None:
            self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]
        else:
            r, g, b = background
            self.pixels = [[(r, g, b, 1.0)] * width for _ in range(height)]

    def fill(self, inside, colour):
        """Paints the region inside(x, y) with colour(x, y) (a tuple or a callable)."""
        offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
        for py in range(self.height):
            for px in range(self.width):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if inside(px + ox, py + oy):
                            hits += 1
                if hits:
                    c = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                    self.blend(px, py, c, hits / (SAMPLES * SAMPLES))

    def blend(self, px, py, colour, alpha):
        r0, g0, b0, a0 = self.pixels[py][px]
        a = alpha + a0 * (1.0 - alpha)
        if a <= 0.0:
            return
        mix = [(c * alpha + c0 * a0 * (1.0 - alpha)) / a for c, c0 in zip(colour, (r0, g0, b0))]
        self.pixels[py][px] = (mix[0], mix[1], mix[2], a)

    def rgba(self):
        """Rows top-down of (r, g, b, a) bytes; fully transparent pixels become 0, 0, 0, 0."""
        rows = []
        for row in self.pixels:
            out = []
            for r, g, b, a in row:
                alpha = round(a * 255)
                if alpha == 0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append((clamp(r), clamp(g), clamp(b), alpha))
            rows.append(out)
        return rows

    def rgb(self):
        return [[(clamp(r), clamp(g), clamp(b)) for r, g, b, _ in row] for row in self.pixels]


def clamp(value):
    return max(0, min(255, round(value)))


def lerp(c0, c1, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def vertical(top_colour, bottom_colour, y0, y1):
    return lambda x, y: lerp(top_colour, bottom_colour, (y - y0) / (y1 - y0))


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + radius - x, 0.0, x - (x1 - radius))
        dy = max(y0 + radius - y, 0.0, y - (y1 - radius))
        return dx * dx + dy * dy <= radius * radius

    return inside


def segment_distance(x, y, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(x - (ax + t * vx), y - (ay + t * vy))


def polyline(points, thickness):
    half = thickness / 2.0
    pairs = list(zip(points, points[1:]))
    return lambda x, y: any(segment_distance(x, y, *a, *b) <= half for a, b in pairs)


def triangle(points, inset=0.0):
    """Inside the triangle with every edge moved inwards by inset pixels."""
    edges = []
    (ax, ay), (bx, by), (cx, cy) = points
    area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax)
    sign = 1.0 if area > 0 else -1.0
    for (px, py), (qx, qy) in ((points[0], points[1]), (points[1], points[2]), (points[2], points[0])):
        length = math.hypot(qx - px, qy - py)
        edges.append((px, py, (qx - px) / length, (qy - py) / length))

    def inside(x, y):
        for px, py, dx, dy in edges:
            if sign * (dx * (y - py) - dy * (x - px)) < inset:
                return False
        return True

    return inside


# ---------------------------------------------------------------------------------------------
# The emblem: a heater shield with a split face, light on the left and deep on the right.

def shield(size, inset=0.0):
    """Shield outline in a size x size square, shrunk by inset pixels."""
    s = float(size)
    cx = s / 2.0
    half = round(0.42 * s) - inset  # whole pixels, so the sides stay crisp at 16 px
    top = 0.06 * s + inset
    dip = 0.05 * s
    shoulder = 0.48 * s
    tip = 0.97 * s - inset * 1.9

    def inside(x, y):
        u = (x - cx) / half if half > 0 else 2.0
        if abs(u) > 1.0:
            return False
        if y < top + dip * (1.0 - u * u) * 0.6 + dip * 0.4 * (1.0 - abs(u)):
            return False
        if y <= shoulder:
            return True
        if y >= tip:
            return False
        t = (y - shoulder) / (tip - shoulder)
        return abs(u) <= math.cos(t * math.pi / 2.0) ** 0.85

    return inside


def draw_shield(canvas, size, outline, light, deep, ring):
    """Paints the emblem: dark outline, split face and a thin light ring inside the outline."""
    border = max(1.0, size / 16.0)
    canvas.fill(shield(size), outline)
    face = shield(size, border)
    half = size / 2.0
    canvas.fill(face, lambda x, y: lerp(light, lerp(light, deep, 0.35), y / size)
                if x < half else lerp(deep, lerp(deep, outline, 0.25), y / size))
    if size >= 32:
        inner = shield(size, border * 1.9)
        canvas.fill(lambda x, y: face(x, y) and not inner(x, y), ring)
        canvas.fill(inner, lambda x, y: lerp(light, lerp(light, deep, 0.35), y / size)
                    if x < half else lerp(deep, lerp(deep, outline, 0.25), y / size))


BLUE = dict(outline=(16, 46, 112), light=(96, 160, 240), deep=(28, 88, 196), ring=(200, 224, 255))
RED = dict(outline=(112, 16, 16), light=(240, 96, 84), deep=(196, 32, 28), ring=(255, 210, 204))
GREEN = dict(outline=(16, 90, 30), light=(96, 210, 104), deep=(30, 150, 48), ring=(210, 250, 212))


def emblem(size, background=None):
    canvas = Canvas(size, size, background)
    draw_shield(canvas, size, **BLUE)
    return canvas


def scan_infected():
    canvas = Canvas(32, 32)
    draw_shield(canvas, 32, **RED)
    cross = polyline([(11.0, 9.5), (21.0, 19.5)], 3.6)
    cross2 = polyline([(21.0, 9.5), (11.0, 19.5)], 3.6)
    canvas.fill(lambda x, y: cross(x, y) or cross2(x, y), (255, 255, 255))
    return canvas


def scan_clean():
    canvas = Canvas(32, 32)
    draw_shield(canvas, 32, **GREEN)
    canvas.fill(polyline([(9.5, 14.5), (14.0, 19.0), (22.5, 9.0)], 3.6), (255, 255, 255))
    return canvas


def info_icon():
    canvas = Canvas(16, 16)
    canvas.fill(circle(8.0, 8.0, 7.6), (12, 64, 156))
    canvas.fill(circle(8.0, 8.0, 6.6), vertical((110, 170, 245), (28, 92, 200), 1.0, 15.0))
    canvas.fill(rect(7, 3, 9, 5), (255, 255, 255))
    canvas.fill(rect(7, 6, 9, 13), (255, 255, 255))
    canvas.fill(rect(6, 6, 7, 7), (255, 255, 255))
    canvas.fill(rect(6, 12, 10, 13), (255, 255, 255))
    return canvas


def exclamation_icon():
    canvas = Canvas(16, 16)
    points = [(8.0, 0.4), (15.7, 15.0), (0.3, 15.0)]
    canvas.fill(triangle(points), (176, 118, 0))
    canvas.fill(triangle(points, 1.0), vertical((255, 236, 110), (246, 190, 24), 2.0, 15.0))
    canvas.fill(rect(7, 5, 9, 10), (0, 0, 0))
    canvas.fill(rect(7, 11, 9, 13), (0, 0, 0))
    return canvas


# ---------------------------------------------------------------------------------------------
# The Donate button, with a 5 x 7 font of the few letters it needs.

FONT = {
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "o": ["00000", "00000", "01110", "10001", "10001", "10001", "01110"],
    "n": ["00000", "00000", "10110", "11001", "10001", "10001", "10001"],
    "a": ["00000", "00000", "01110", "00001", "01111", "10001", "01111"],
    "t": ["01000", "01000", "11110", "01000", "01000", "01001", "00110"],
    "e": ["00000", "00000", "01110", "10001", "11111", "10000", "01110"],
}


def draw_text(canvas, text, left, top, scale, colour):
    x = left
    for letter in text:
        for row, bits in enumerate(FONT[letter]):
            for column, bit in enumerate(bits):
                if bit == "1":
                    canvas.fill(rect(x + column * scale, top + row * scale,
                                     x + (column + 1) * scale, top + (row + 1) * scale), colour)
        x += 6 * scale


def donate_button():
    canvas = Canvas(88, 31, PICTURE_BACKGROUND)
    canvas.fill(rounded_rect(0.5, 0.5, 87.5, 30.5, 7.0), (172, 82, 0))
    canvas.fill(rounded_rect(1.5, 1.5, 86.5, 29.5, 6.0),
                vertical((255, 196, 84), (226, 108, 6), 1.5, 29.5))
    width = 6 * 6 * 2 - 2
    left = (88 - width) // 2
    draw_text(canvas, "Donate", left + 1, 9, 2, (140, 56, 0))
    draw_text(canvas, "Donate", left, 8, 2, (255, 255, 255))
    return canvas


# ---------------------------------------------------------------------------------------------
# The XP command button's face strip: five 18 x 21 cells drawn pixel by pixel.

CELL_W, CELL_H = 18, 21
RING = (0, 60, 116)
RING_DISABLED = (201, 199, 186)
WHITE = (255, 255, 255)


def rounded_ring(cell, ring, corner, beside, diagonal):
    """1-pixel ring with anti-aliased corners, mirrored into all four corners."""
    for x in range(CELL_W):
        cell[0][x] = ring
        cell[CELL_H - 1][x] = ring
    for y in range(CELL_H):
        cell[y][0] = ring
        cell[y][CELL_W - 1] = ring
    for cx, dx in ((0, 1), (CELL_W - 1, -1)):
        for cy, dy in ((0, 1), (CELL_H - 1, -1)):
            cell[cy][cx] = corner
            cell[cy][cx + dx] = beside
            cell[cy + dy][cx] = beside
            if diagonal is not None:
                cell[cy + dy][cx + dx] = diagonal


def darker(colour, amount):
    return tuple(max(0, c - amount) for c in colour)


def normal_face_row(y):
    """Colour of row y of the normal face's body (rows 1 to 19)."""
    if y <= 2:
        return WHITE
    if y <= 16:
        steps = [(3, (252, 252, 250)), (9, (246, 246, 243)), (16, (240, 240, 234))]
        for (y0, c0), (y1, c1) in zip(steps, steps[1:]):
            if y <= y1:
                return tuple(round(v) for v in lerp(c0, c1, (y - y0) / (y1 - y0)))
    return {17: (236, 235, 230), 18: (226, 223, 214), 19: (214, 208, 197)}[y]


def normal_face():
    cell = [[WHITE] * CELL_W for _ in range(CELL_H)]
    for y in range(1, CELL_H - 1):
        colour = normal_face_row(y)
        for x in range(1, CELL_W - 1):
            cell[y][x] = colour
        cell[y][CELL_W - 3] = darker(colour, 4)
        cell[y][CELL_W - 2] = darker(colour, 9)
    rounded_ring(cell, RING, (221, 215, 197), (101, 134, 159), (34, 85, 131))
    return cell


def pressed_face():
    cell = [[WHITE] * CELL_W for _ in range(CELL_H)]
    bands = {1: (209, 204, 193), 2: (220, 216, 207), 18: (234, 233, 227), 19: (242, 241, 238)}
    for y in range(1, CELL_H - 1):
        if y in bands:
            colour = bands[y]
        else:
            colour = tuple(round(v) for v in lerp((230, 230, 224), (224, 224, 215), (y - 3) / 14))
        for x in range(1, CELL_W - 1):
            cell[y][x] = colour
        if y not in bands:
            cell[y][1] = (215, 212, 203)
            cell[y][2] = tuple(round(v) for v in lerp((215, 212, 203), colour, 0.5))
    rounded_ring(cell, RING, (221, 215, 197), (101, 134, 159), (34, 85, 131))
    return cell


def disabled_face():
    cell = [[(245, 244, 234)] * CELL_W for _ in range(CELL_H)]
    rounded_ring(cell, RING_DISABLED, WHITE, RING_DISABLED, None)
    for cx, dx in ((0, 1), (CELL_W - 1, -1)):
        for cy, dy in ((0, 1), (CELL_H - 1, -1)):
            cell[cy + dy][cx + dx] = (216, 214, 202)
            cell[cy + dy][cx + 2 * dx] = (234, 233, 222)
            cell[cy + 2 * dy][cx + dx] = (234, 233, 222)
            cell[cy + 2 * dy][cx + 2 * dx] = (238, 237, 226)
    return cell


def framed_face(top_rows, side_top, side_bottom, bottom_rows, diagonal):
    """The normal face with a 2-pixel inner frame just inside the ring."""
    cell = normal_face()
    for y in range(3, CELL_H - 3):
        colour = tuple(round(v) for v in lerp(side_top, side_bottom, (y - 3) / (CELL_H - 7)))
        for x in (1, 2, CELL_W - 3, CELL_W - 2):
            cell[y][x] = colour
    for x in range(1, CELL_W - 1):
        cell[1][x], cell[2][x] = top_rows
        cell[CELL_H - 3][x], cell[CELL_H - 2][x] = bottom_rows
    for cx, dx in ((0, 1), (CELL_W - 1, -1)):
        for cy, dy in ((0, 1), (CELL_H - 1, -1)):
            cell[cy + dy][cx + dx] = diagonal
    return cell


def hover_face():
    return framed_face(((255, 240, 207), (253, 216, 137)), (254, 223, 154), (249, 180, 53),
                       ((248, 179, 48), (229, 151, 0)), (34, 85, 131))


def highlighted_face():
    return framed_face(((206, 231, 255), (188, 212, 246)), (186, 211, 245), (137, 173, 228),
                       ((137, 173, 228), (105, 130, 238)), (39, 77, 133))


def face_strip():
    cells = [normal_face(), pressed_face(), disabled_face(), hover_face(), highlighted_face()]
    return [sum((cell[y] for cell in cells), []) for y in range(CELL_H)]


STRIP_CHECKS = [
    # (face, x, y, colour): the colours the button's look is defined by.
    (0, 9, 0, RING), (0, 0, 9, RING), (0, 9, 20, RING), (0, 17, 9, RING),
    (0, 0, 0, (221, 215, 197)), (0, 1, 0, (101, 134, 159)), (0, 1, 1, (34, 85, 131)),
    (0, 9, 1, WHITE), (0, 9, 2, WHITE), (0, 9, 9, (246, 246, 243)), (0, 9, 16, (240, 240, 234)),
    (0, 9, 17, (236, 235, 230)), (0, 9, 18, (226, 223, 214)), (0, 9, 19, (214, 208, 197)),
    (1, 9, 0, RING), (1, 9, 1, (209, 204, 193)), (1, 9, 2, (220, 216, 207)),
    (1, 9, 3, (230, 230, 224)), (1, 9, 17, (224, 224, 215)), (1, 1, 10, (215, 212, 203)),
    (1, 9, 18, (234, 233, 227)), (1, 9, 19, (242, 241, 238)),
    (2, 9, 0, RING_DISABLED), (2, 0, 10, RING_DISABLED), (2, 0, 0, WHITE), (2, 17, 20, WHITE),
    (2, 9, 10, (245, 244, 234)), (2, 1, 1, (216, 214, 202)), (2, 2, 1, (234, 233, 222)),
    (2, 2, 2, (238, 237, 226)),
    (3, 9, 0, RING), (3, 9, 1, (255, 240, 207)), (3, 9, 2, (253, 216, 137)),
    (3, 1, 3, (254, 223, 154)), (3, 16, 17, (249, 180, 53)), (3, 9, 18, (248, 179, 48)),
    (3, 9, 19, (229, 151, 0)), (3, 9, 9, (246, 246, 243)),
    (4, 9, 0, RING), (4, 9, 1, (206, 231, 255)), (4, 9, 2, (188, 212, 246)),
    (4, 1, 3, (186, 211, 245)), (4, 16, 17, (137, 173, 228)), (4, 9, 18, (137, 173, 228)),
    (4, 9, 19, (105, 130, 238)), (4, 1, 1, (39, 77, 133)), (4, 16, 19, (39, 77, 133)),
]


def check_strip(rows):
    """Fails loudly when the strip lost a defining colour or no longer scales by nine slices."""
    problems = []
    for face, x, y, expected in STRIP_CHECKS:
        actual = rows[y][face * CELL_W + x]
        if tuple(actual) != expected:
            problems.append(f"face {face} pixel ({x},{y}) is {actual}, expected {expected}")
    for face in range(5):
        left = face * CELL_W
        for y in range(CELL_H):
            # Top edge, centre and bottom edge are stretched sideways: rows must be uniform there.
            if len(set(rows[y][left + 3:left + 15])) != 1:
                problems.append(f"face {face} row {y} is not uniform across columns 3 to 14")
    if len({c for row in rows for c in row}) > 256:
        problems.append("the strip needs more than 256 colours")
    if problems:
        sys.exit("face strip check failed:\n  " + "\n  ".join(problems))


# ---------------------------------------------------------------------------------------------
# File writers.

def ico_image(rows):
    """One icon image: BITMAPINFOHEADER, 32-bit BGRA bottom-up, then the 1-bit AND mask."""
    height = len(rows)
    width = len(rows[0])
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask = bytearray()
    stride = (width + 31) // 32 * 4
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(colour) + bytes(mask)


def write_ico(name, canvases):
    images = [ico_image(c.rgba()) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32,
                           len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return save(os.path.join(RES, name), out)


def bmp_file(width, height, bits, pixel_bytes, palette=b""):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixel_bytes), 2835, 2835,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixel_bytes), 0, 0, offset)
    return head + info + palette + pixel_bytes


def write_bmp24(name, canvas):
    rows = canvas.rgb()
    stride = (canvas.width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    return save(os.path.join(RES, name), bmp_file(canvas.width, canvas.height, 24, bytes(data)))


def write_bmp8(name, rows):
    colours = sorted({c for row in rows for c in row})
    index = {c: i for i, c in enumerate(colours)}
    palette = bytearray()
    for r, g, b in colours + [(0, 0, 0)] * (256 - len(colours)):
        palette += bytes((b, g, r, 0))
    width, height = len(rows[0]), len(rows)
    stride = (width + 3) // 4 * 4
    data = bytearray()
    for row in reversed(rows):
        data += bytes(index[c] for c in row) + bytes(stride - width)
    return save(os.path.join(RES, name), bmp_file(width, height, 8, bytes(data), bytes(palette)))


def read_bmp8(path):
    """Reads the strip back so the check covers the bytes on disk, not just the drawing."""
    with open(path, "rb") as f:
        blob = f.read()
    offset = struct.unpack_from("<I", blob, 10)[0]
    _, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", blob, 14)
    assert bits == 8 and compression == 0 and height > 0, "strip must be 8-bit BI_RGB bottom-up"
    palette = [tuple(reversed(blob[54 + 4 * i:54 + 4 * i + 3])) for i in range(256)]
    stride = (width + 3) // 4 * 4
    rows = []
    for y in range(height):
        line = blob[offset + (height - 1 - y) * stride:][:width]
        rows.append([palette[i] for i in line])
    return rows


# ---------------------------------------------------------------------------------------------
# Sounds: sums of sine partials under soft attack and exponential decay envelopes.

RATE = 22050


def note(buffer, start, frequency, length, volume, partials=((1, 1.0),), attack=0.008,
         decay=6.0):
    first = int(start * RATE)
    count = int(length * RATE)
    release = int(0.02 * RATE)
    for i in range(count):
        t = i / RATE
        envelope = min(1.0, t / attack) * math.exp(-decay * t)
        if i > count - release:
            envelope *= 0.5 - 0.5 * math.cos(math.pi * (count - i) / release)
        value = sum(weight * math.sin(2 * math.pi * frequency * k * t) for k, weight in partials)
        buffer[first + i] += volume * envelope * value


def render(seconds, notes):
    buffer = [0.0] * int(seconds * RATE)
    for args in notes:
        note(buffer, *args[:4], **args[4] if len(args) > 4 else {})
    fade = int(0.01 * RATE)
    for i in range(fade):
        buffer[-1 - i] *= i / fade
    return buffer


BELL = dict(partials=((1, 1.0), (2, 0.30), (3, 0.12)), attack=0.006, decay=5.0)
BLIP = dict(partials=((1, 1.0), (2, 0.15)), attack=0.006, decay=18.0)
WARN = dict(partials=((1, 1.0), (2, 0.35), (3, 0.20), (5, 0.06)), attack=0.02, decay=3.0)


def sounds():
    c5, e5, g5, c6 = 523.25, 659.25, 783.99, 1046.50
    return {
        "Probe.wav": render(0.26, [(0.0, 1318.5, 0.09, 0.45, BLIP),
                                   (0.12, 1568.0, 0.12, 0.40, BLIP)]),
        "Infected.wav": render(0.72, [(0.0, 233.08, 0.34, 0.32, WARN),
                                      (0.34, 174.61, 0.38, 0.34, WARN)]),
        "NotInfected.wav": render(0.66, [(0.00, c5, 0.30, 0.30, BELL), (0.10, e5, 0.30, 0.28, BELL),
                                         (0.20, g5, 0.30, 0.26, BELL), (0.30, c6, 0.36, 0.28, BELL)]),
        "Disinfected.wav": render(0.78, [(0.00, g5, 0.40, 0.30, BELL), (0.16, 987.77, 0.30, 0.28,
                                                                              BELL),
                                         (0.30, c6, 0.48, 0.34, BELL)]),
    }


def write_wav(name, samples):
    path = os.path.join(DATA, name)
    peak = max(abs(s) for s in samples)
    scale = 0.7 / peak if peak > 0.7 else 1.0
    frames = b"".join(struct.pack("<h", round(s * scale * 32767)) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    return path


def check_wav(path):
    """Each sound is short, small, and starts and ends silent so it plays without a click."""
    with wave.open(path, "rb") as w:
        seconds = w.getnframes() / w.getframerate()
        frames = w.readframes(w.getnframes())
        shape = (w.getnchannels(), w.getsampwidth(), w.getframerate())
    first, last = struct.unpack_from("<h", frames, 0)[0], struct.unpack_from("<h", frames, len(frames) - 2)[0]
    if shape != (1, 2, RATE) or not 0.2 <= seconds <= 0.8 or os.path.getsize(path) >= 40 * 1024 \
            or first != 0 or last != 0:
        sys.exit(f"{path}: {shape}, {seconds:.3f} s, ends {first}/{last}: not a clean short sound")


def save(path, blob):
    with open(path, "wb") as f:
        f.write(blob)
    return path


def main():
    os.makedirs(RES, exist_ok=True)
    os.makedirs(DATA, exist_ok=True)
    written = [
        write_ico("sentrel.ico", [emblem(16), emblem(32), emblem(48)]),
        write_ico("systray.ico", [emblem(16), emblem(32)]),
        write_ico("info.ico", [info_icon()]),
        write_ico("exclamation.ico", [exclamation_icon()]),
        write_ico("scan_infected.ico", [scan_infected()]),
        write_ico("scan_clean.ico", [scan_clean()]),
        write_bmp24("donate.bmp", donate_button()),
    ]
    strip = face_strip()
    check_strip(strip)
    written.append(write_bmp8("xpbutton.bmp", strip))
    check_strip(read_bmp8(written[-1]))
    for name, samples in sounds().items():
        written.append(write_wav(name, samples))
        check_wav(written[-1])
    for path in written:
        print(f"{os.path.relpath(path, ROOT)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
