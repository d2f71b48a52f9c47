#!/usr/bin/env python3
"""Remakes the project's artwork and the starter page's files from the drawings in this folder.

Run from anywhere: python3 tools/art/make_art.py. The output is the same on every run, so the
committed files change only when a drawing does.
"""

import os
import sys

sys.dont_write_bytecode = True  # keeps the source folder free of caches

import icons  # noqa: E402
import imagefiles  # noqa: E402
import pictures  # noqa: E402
from canvas import reduce_colours, resample, scale2x  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
HOME = os.path.join(ROOT, "data", "home")
DESKTOP_ICONS = os.path.join(ROOT, "desktop", "icons")
# The sizes of the program's icon in the desktop's icon theme.
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def icon(path, name, drawing):
    imagefiles.write_xpm(
        os.path.join(ROOT, path), name, drawing["rows"], drawing["legend"], drawing.get("hot_spot")
    )


def icon_at_2x(path, name, drawing):
    """The icon and, beside it, its "@2x" twin that Qt picks on screens scaled above 1."""
    icon(path, name, drawing)
    stem, ext = os.path.splitext(path)
    twin = {"legend": drawing["legend"], "rows": scale2x(drawing["rows"])}
    icon(f"{stem}@2x{ext}", f"{name}_2x", twin)


def drawing_pixels(drawing):
    """The drawing's characters as (r, g, b) pixels, None where it is transparent."""
    legend = {c: None if v == "None" else bytes.fromhex(v[1:]) for c, v in drawing["legend"].items()}
    return [[None if legend[c] is None else tuple(legend[c]) for c in row] for row in drawing["rows"]]


def theme_icons():
    """The program's icon at every theme size: the 16-pixel drawing for 16, the 32-pixel one
    resampled for the rest (whole-number enlargements stay sharp)."""
    os.makedirs(DESKTOP_ICONS, exist_ok=True)
    for size in THEME_SIZES:
        drawing = icons.EDITOR_16 if size == 16 else icons.EDITOR_32
        path = os.path.join(DESKTOP_ICONS, f"qzeditor-{size}.png")
        imagefiles.write_png(path, resample(drawing_pixels(drawing), size))


def colour(red, green, blue):
    """A colour value as the settings file keeps it: red in the lowest byte."""
    return red | green << 8 | blue << 16


def number(value):
    return f" {value}" if value >= 0 else str(value)


def settings_file(path):
    """The starter settings: title, heading, wallpaper, colours, trail picture and five links."""
    links = [
        ("Games at PBS KIDS", "ball.jpg", "https://pbskids.org/"),
        ("Animals at Nat Geo Kids", "cat.gif", "https://kids.nationalgeographic.com/"),
        ("Space with NASA", "star.gif", "https://spaceplace.nasa.gov/"),
        ("Stories at Starfall", "book.bmp", "https://www.starfall.com/"),
        ("Art at Tate Kids", "palette.jpg", "https://www.tate.org.uk/kids"),
    ]
    values = ["QZBROWSE_CFG_001", "My Home Page", "Hello! Where shall we go today?", "sky.jpg"]
    values += [
        number(colour(190, 224, 250)),  # page background, the sky's own blue
        number(colour(20, 40, 110)),  # text
        number(colour(10, 70, 180)),  # links
        number(colour(120, 40, 150)),  # visited links
        number(colour(220, 60, 30)),  # the link being clicked
    ]
    values += ["heart.gif"] + [""] * 19 + [number(len(links))]
    values += [field for link in links for field in link]
    with open(path, "w", encoding="ascii", newline="") as f:
        f.write("".join(f'"{v}"\r\n' for v in values))


def main():
    icon_at_2x("editor/art/qzeditor.xpm", "qzeditor", icons.EDITOR_32)
    icon("editor/art/qzeditor-16.xpm", "qzeditor_16", icons.EDITOR_16)
    icon_at_2x("launcher/art/control-center.xpm", "control_center", icons.CONTROL_CENTER)
    icon_at_2x("launcher/art/desktop.xpm", "desktop", icons.DESKTOP)
    icon_at_2x("launcher/art/browser.xpm", "browser", icons.BROWSER)
    icon("launcher/art/hand.xpm", "hand", icons.HAND)
    theme_icons()

    os.makedirs(HOME, exist_ok=True)
    imagefiles.write_jpeg(os.path.join(HOME, "ball.jpg"), pictures.ball(), 92)
    imagefiles.write_gif(os.path.join(HOME, "star.gif"), reduce_colours(pictures.smiling_star()))
    imagefiles.write_gif(os.path.join(HOME, "cat.gif"), reduce_colours(pictures.cat_face()))
    imagefiles.write_bmp(os.path.join(HOME, "book.bmp"), pictures.open_book())
    imagefiles.write_jpeg(os.path.join(HOME, "palette.jpg"), pictures.paint_palette(), 92)
    imagefiles.write_gif(os.path.join(HOME, "heart.gif"), reduce_colours(pictures.heart()))
    imagefiles.write_jpeg(os.path.join(HOME, "sky.jpg"), pictures.sky(), 90)
    settings_file(os.path.join(HOME, "qzhome.dat"))


if __name__ == "__main__":
    main()
