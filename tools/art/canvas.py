"""A small anti-aliased painter for the starter pictures.

Shapes are predicates on continuous coordinates (pixel (x, y) covers x..x+1, y..y+1). A canvas
keeps several samples per pixel; `fill` paints a shape over what is there, and `pixels` averages
the samples back to one colour per pixel.
"""

import math
from collections import Counter


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry, degrees=0.0):
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def inside(x, y):
        u, v = (x - cx) * c + (y - cy) * s, (y - cy) * c - (x - cx) * s
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1

    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return x0 <= x <= x1 and y0 <= y <= y1 and dx * dx + dy * dy <= r * r

    return inside


def polygon(points):
    """Even-odd rule, so a star drawn point to point comes out filled."""

    def inside(x, y):
        result = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                result = not result
        return result

    return inside


def star(cx, cy, outer, inner, points=5, degrees=-90.0):
    corners = []
    for i in range(2 * points):
        a = math.radians(degrees + i * 180 / points)
        r = outer if i % 2 == 0 else inner
        corners.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(corners)


def segment(x0, y0, x1, y1, width):
    """A straight stroke with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= width * width / 4

    return inside


def arc(cx, cy, r, width, start, end):
    """A stroke along a circle from `start` to `end` degrees (clockwise on screen, 0 = right)."""

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return abs(d - r) <= width / 2 and (a - start) % 360 <= (end - start) % 360

    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def shade(colour, factor):
    """The colour lightened (factor > 1, towards white) or darkened (factor < 1)."""
    if factor >= 1:
        return tuple(round(c + (255 - c) * min(1.0, factor - 1)) for c in colour)
    return tuple(round(c * max(0.0, factor)) for c in colour)


class Canvas:
    def __init__(self, width, height, background=None, samples=4):
        self.width, self.height, self.n = width, height, samples
        self.samples = [[background] * (width * samples) for _ in range(height * samples)]

    def fill(self, shape, colour):
        """Paints `shape` with `colour`, a fixed (r, g, b) or a function of (x, y)."""
        n = self.n
        for j, row in enumerate(self.samples):
            y = (j + 0.5) / n
            for i in range(len(row)):
                x = (i + 0.5) / n
                if shape(x, y):
                    row[i] = colour(x, y) if callable(colour) else colour

    def pixels(self):
        """One colour per pixel; None where less than half of the pixel is painted."""
        n, rows = self.n, []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                got = [
                    self.samples[py * n + j][px * n + i]
                    for j in range(n)
                    for i in range(n)
                    if self.samples[py * n + j][px * n + i] is not None
                ]
                if 2 * len(got) < n * n:
                    row.append(None)
                else:
                    row.append(tuple(round(sum(c[k] for c in got) / len(got)) for k in range(3)))
            rows.append(row)
        return rows


def reduce_colours(rows, limit=255):
    """Median cut: at most `limit` colours, each the weighted mean of the colours it stands for."""
    counts = Counter(p for row in rows for p in row if p is not None)
    boxes = [list(counts)]
    while len(boxes) < limit:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break

        def spread(box):
            return max(max(c[k] for c in box) - min(c[k] for c in box) for k in range(3))

        box = max(splittable, key=spread)
        channel = max(range(3), key=lambda k: max(c[k] for c in box) - min(c[k] for c in box))
        box.sort(key=lambda c: c[channel])
        boxes.remove(box)
        boxes += [box[: len(box) // 2], box[len(box) // 2 :]]
    mapping = {}
    for box in boxes:
        total = sum(counts[c] for c in box)
        mean = tuple(round(sum(c[k] * counts[c] for c in box) / total) for k in range(3))
        mapping.update((c, mean) for c in box)
    return [[None if p is None else mapping[p] for p in row] for row in rows]


def _spans(source, target):
    """For each target pixel along one axis, the source pixels it covers and by how much."""
    spans = []
    for t in range(target):
        start, end = t * source / target, (t + 1) * source / target
        first, last = math.floor(start), math.ceil(end)
        spans.append([(s, min(end, s + 1) - max(start, s)) for s in range(first, last)])
    return spans


def resample(rows, size):
    """The picture at size x size, each new pixel the area-weighted mean of what it covers.

    Gives (r, g, b, a) pixels; a whole-number enlargement keeps every edge sharp, and a
    reduction blends the edges, with transparent pixels (None) adding to the alpha only.
    """
    xs, ys = _spans(len(rows[0]), size), _spans(len(rows), size)
    result = []
    for ycover in ys:
        row = []
        for xcover in xs:
            weight, paint, sums = 0.0, 0.0, [0.0, 0.0, 0.0]
            for y, wy in ycover:
                for x, wx in xcover:
                    weight += wx * wy
                    if rows[y][x] is not None:
                        paint += wx * wy
                        for k in range(3):
                            sums[k] += wx * wy * rows[y][x][k]
            alpha = round(255 * paint / weight)
            colour = tuple(round(s / paint) for s in sums) if alpha else (0, 0, 0)
            row.append(colour + (alpha,))
        result.append(row)
    return result


def scale2x(rows):
    """Pixel art at twice its size by the Scale2x rule: each pixel becomes four, and a corner of
    the four takes a neighbour's colour where two neighbours meeting there agree, so diagonal
    edges come out as finer steps instead of blocks. No new colours appear."""
    height, width = len(rows), len(rows[0])

    def at(x, y):
        return rows[min(max(y, 0), height - 1)][min(max(x, 0), width - 1)]

    result = []
    for y in range(height):
        top, bottom = [], []
        for x in range(width):
            p, a, b, c, d = at(x, y), at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
            if c == a and c != d and a != b:
                top.append(a)
            else:
                top.append(p)
            top.append(b if a == b and a != c and b != d else p)
            bottom.append(c if d == c and d != b and c != a else p)
            bottom.append(d if b == d and b != a and d != c else p)
        result += ["".join(top), "".join(bottom)]
    return result
