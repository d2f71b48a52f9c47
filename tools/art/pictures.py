"""The starter page's pictures: link pictures on small pastel tiles, the trail heart, the sky."""

import math

from canvas import (
    Canvas,
    arc,
    both,
    circle,
    ellipse,
    minus,
    polygon,
    rect,
    segment,
    shade,
    star,
    union,
)


def _tile(background, border):
    """A 64 x 64 canvas: a pastel square with a slightly darker one-pixel frame."""
    canvas = Canvas(64, 64, border)
    canvas.fill(rect(1, 1, 63, 63), background)
    return canvas


def _normalise(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


def _dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def ball():
    """A beach ball of six coloured panels, lit from the upper left, with its shadow."""
    canvas = _tile((222, 244, 226), (176, 214, 186))
    canvas.fill(ellipse(33, 56, 19, 3.5), (186, 214, 192))
    cx, cy, r = 32, 30, 23
    pole = _normalise((-0.3, -0.5, 0.8))
    east = _normalise((pole[2], 0, -pole[0]))
    north = (
        pole[1] * east[2] - pole[2] * east[1],
        pole[2] * east[0] - pole[0] * east[2],
        pole[0] * east[1] - pole[1] * east[0],
    )
    light = _normalise((-0.5, -0.7, 0.6))
    panels = [(230, 50, 60), (250, 250, 245), (255, 200, 30), (250, 250, 245), (40, 110, 220),
              (250, 250, 245)]  # fmt: skip

    def colour(x, y):
        nx, ny = (x - cx) / r, (y - cy) / r
        normal = (nx, ny, math.sqrt(max(0.0, 1 - nx * nx - ny * ny)))
        if _dot(normal, pole) > 0.93:
            base = (250, 250, 245)
        else:
            longitude = math.atan2(_dot(normal, north), _dot(normal, east))
            base = panels[int((longitude + math.pi) / (2 * math.pi) * 6) % 6]
        lit = shade(base, 0.55 + 0.5 * max(0.0, _dot(normal, light)))
        highlight = max(0.0, _dot(normal, _normalise((-0.25, -0.35, 1)))) ** 40
        return shade(lit, 1 + 0.8 * highlight)

    canvas.fill(circle(cx, cy, r), colour)
    return canvas.pixels()


def smiling_star():
    """A yellow star with a smile and rosy cheeks."""
    canvas = _tile((232, 228, 250), (198, 190, 236))
    for x, y in ((10, 12), (54, 10), (52, 52)):
        canvas.fill(star(x, y, 4, 1.2, 4, 0), (255, 255, 255))
    canvas.fill(star(32, 35, 30, 13), (225, 120, 20))

    def gold(_x, y):
        return shade((255, 205, 30), 1 + 0.35 * max(0.0, (40 - y) / 40))

    canvas.fill(star(32, 35, 26.5, 11.3), gold)
    canvas.fill(ellipse(26.5, 32, 1.6, 2.5), (60, 40, 20))
    canvas.fill(ellipse(37.5, 32, 1.6, 2.5), (60, 40, 20))
    canvas.fill(circle(22.5, 38, 2.3), (255, 160, 120))
    canvas.fill(circle(41.5, 38, 2.3), (255, 160, 120))
    canvas.fill(arc(32, 35, 5.5, 1.8, 25, 155), (60, 40, 20))
    return canvas.pixels()


def cat_face():
    """An orange cat's face: pointed ears, green eyes, pink nose, whiskers."""
    canvas = _tile((255, 246, 214), (234, 214, 160))
    outline, fur, cream, pink = (140, 70, 30), (245, 160, 60), (255, 232, 196), (250, 140, 160)
    left_ear = [(8, 34), (13, 6), (30, 22)]
    right_ear = [(64 - x, y) for x, y in left_ear]
    canvas.fill(union(polygon(left_ear), polygon(right_ear), ellipse(32, 39, 23.5, 19.5)), outline)
    canvas.fill(polygon([(11, 31), (14.5, 10), (27, 22)]), fur)
    canvas.fill(polygon([(53, 31), (49.5, 10), (37, 22)]), fur)
    canvas.fill(polygon([(14, 25), (16, 14), (24, 22)]), pink)
    canvas.fill(polygon([(50, 25), (48, 14), (40, 22)]), pink)
    canvas.fill(ellipse(32, 39, 21.8, 17.8), fur)
    for x in (27, 32, 37):
        canvas.fill(segment(x, 22.5, x, 27, 2), (215, 120, 40))
    canvas.fill(ellipse(27.5, 48, 6, 4.5), cream)
    canvas.fill(ellipse(36.5, 48, 6, 4.5), cream)
    for x in (23, 41):
        canvas.fill(ellipse(x, 37, 4.5, 5), (30, 30, 30))
        canvas.fill(ellipse(x, 37, 3.6, 4.1), (120, 200, 80))
        canvas.fill(ellipse(x, 37.5, 1.3, 3.6), (20, 20, 20))
        canvas.fill(circle(x - 1.4, 35.2, 1.1), (255, 255, 255))
    canvas.fill(polygon([(28.5, 43.5), (35.5, 43.5), (32, 47.5)]), pink)
    canvas.fill(arc(29.5, 47.5, 2.5, 1.1, 0, 180), outline)
    canvas.fill(arc(34.5, 47.5, 2.5, 1.1, 0, 180), outline)
    for y0, y1 in ((46, 43), (48.5, 49.5)):
        canvas.fill(segment(20, y0, 3, y1, 0.9), outline)
        canvas.fill(segment(44, y0, 61, y1, 0.9), outline)
    return canvas.pixels()


def open_book():
    """An open book with lines of text and a red ribbon."""
    canvas = _tile((255, 232, 214), (236, 200, 176))
    canvas.fill(polygon([(4, 20), (32, 25), (60, 20), (60, 51), (32, 56), (4, 51)]), (40, 80, 170))
    left = [(7, 16), (14, 13.5), (22, 14), (31, 18.5), (31, 51.5), (22, 47.5), (14, 47), (7, 48)]
    right = [(64 - x, y) for x, y in left]

    def paper(x, _y):
        return shade((252, 250, 238), 0.8 + 0.2 * min(1.0, abs(x - 32) / 8))

    canvas.fill(polygon(left), paper)
    canvas.fill(polygon(right), paper)
    canvas.fill(segment(32, 19, 32, 52, 1.2), (170, 160, 140))
    for i in range(6):
        y = 21 + 4.5 * i
        width = 15 if i != 5 else 9
        canvas.fill(segment(11, y, 11 + width, y + 1, 1.1), (150, 160, 185))
        canvas.fill(segment(53 - width, y + 1, 53, y, 1.1), (150, 160, 185))
    canvas.fill(polygon([(31, 50), (36, 50), (36, 61), (33.5, 58.5), (31, 61)]), (220, 40, 60))
    return canvas.pixels()


def paint_palette():
    """A wooden paint palette with five blobs of paint and a brush."""
    canvas = _tile((255, 228, 236), (236, 190, 206))
    board = minus(ellipse(32, 31, 28, 21, -12), union(circle(52, 49, 8), circle(42, 41, 3.5)))

    def wood(x, y):
        grain = 0.04 * math.sin(0.5 * (x + 2 * y))
        return shade((224, 172, 112), 1.1 - (y - 10) / 100 + grain)

    canvas.fill(lambda x, y: board(x - 1, y - 1.5), (222, 176, 190))
    canvas.fill(board, wood)
    blobs = [(14, 30, (225, 40, 50)), (20, 18, (255, 205, 30)), (33, 13, (60, 175, 75)),
             (46, 18, (40, 100, 220)), (21, 42, (150, 70, 190))]  # fmt: skip
    for x, y, colour in blobs:
        canvas.fill(circle(x, y, 5.2), shade(colour, 0.75))
        canvas.fill(circle(x - 0.6, y - 0.6, 4.4), colour)
        canvas.fill(circle(x - 1.8, y - 1.8, 1.3), shade(colour, 1.7))
    canvas.fill(segment(34, 60, 48, 38, 3.6), (180, 50, 45))
    canvas.fill(segment(48, 38, 51.5, 32.5, 3.8), (200, 200, 210))
    canvas.fill(both(segment(51.5, 32.5, 57, 24, 4.4), circle(52, 31, 9.5)), (60, 40, 30))
    canvas.fill(circle(56.3, 25.5, 2.3), (40, 100, 220))
    return canvas.pixels()


def heart():
    """The mouse-trail picture: a red heart with a soft highlight, on a transparent ground."""
    canvas = Canvas(32, 32)

    def heart_shape(size):
        def inside(x, y):
            u, v = (x - 16) / size, -(y - 16.5) / size
            return (u * u + v * v - 1) ** 3 - u * u * v**3 <= 0

        return inside

    canvas.fill(heart_shape(12.5), (150, 20, 45))
    canvas.fill(heart_shape(11), (236, 48, 80))
    canvas.fill(ellipse(10.5, 11, 3, 2, -40), (255, 160, 175))
    return canvas.pixels()


def sky(size=200):
    """A pale sky with soft clouds; the clouds wrap around the edges, so the picture tiles."""
    clouds = [(45, 40, 1.3), (145, 100, 1.0), (70, 165, 0.8)]
    puffs = [(-14, 3, 10), (-3, -4, 13), (10, -1, 11), (20, 4, 8), (3, 6, 10)]

    def wrap(d):
        return min(abs(d), size - abs(d))

    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            cover, underside = 0.0, 0.0
            for cx, cy, scale in clouds:
                for dx, dy, r in puffs:
                    px, py = cx + dx * scale, cy + dy * scale
                    d = math.hypot(wrap(x - px), wrap(y - py)) / (r * scale)
                    amount = max(0.0, min(1.0, (1.15 - d) / 0.3))
                    if amount > cover:
                        cover = amount
                        underside = max(0.0, min(1.0, ((y - py + size / 2) % size - size / 2) / r))
            blue = (188, 222, 250)
            cloud = shade((255, 255, 255), 0.96 - 0.06 * underside)
            row.append(tuple(round(b + (c - b) * 0.9 * cover) for b, c in zip(blue, cloud)))
        rows.append(row)
    return rows
