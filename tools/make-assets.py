#!/usr/bin/python3
"""Draws the program's small artwork into assets/.

    tools/make-assets.py            writes icon.png, icon-<N>.png, splash.png and separator.png

icon.png       48 x 48, 8-bit palette (256 colours): the character 八 in cream on a
               vermilion seal with rounded corners, transparent outside the seal.
               The window icon, and the 48 px icon of the desktop's icon theme.
icon-<N>.png   the same seal at the theme's other sizes (N x N, N in ICON_THEME_SIZES_PX),
               32-bit RGBA, for the installed package.
splash.png     325 x 227, 24-bit RGB: the title ミレト and 四柱推命 on an ink ground with
               four pillars. The band at pixels (57, 134)-(169, 154) stays dark, because the
               splash window draws its white version label there at run time.
separator.png  17 x 17 RGBA: a thin grey curved vertical stroke on a transparent ground.

Everything is drawn at four times the size and reduced, which smooths the edges.
Needs Debian's python3-pil and fonts-ipafont.
"""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

ASSETS = Path(__file__).resolve().parent.parent / "assets"
SCALE = 4  # supersampling factor

MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

VERMILION = (196, 48, 36)
CREAM = (250, 240, 218)
INK = (22, 24, 38)
GOLD = (214, 178, 96)

# The icon theme's sizes besides 48 px (icon.png), in pixels.
ICON_THEME_SIZES_PX = (16, 22, 24, 32, 64, 128, 256)

# Where the splash window draws "Ver. 1.3.15": twips (855, 2010, 1680, 300) / 15.
VERSION_BAND = (57, 134, 57 + 112, 134 + 20)


def font(path, size_px):
    return ImageFont.truetype(path, size_px)


def draw_centred_text(draw, centre, text, fnt, fill):
    left, top, right, bottom = draw.textbbox((0, 0), text, font=fnt)
    x = centre[0] - (left + right) / 2
    y = centre[1] - (top + bottom) / 2
    draw.text((x, y), text, font=fnt, fill=fill)


def draw_seal(size_px):
    """The icon's seal at size_px x size_px, RGBA. The design is laid out on a 48 px
    grid; other sizes scale that grid."""
    unit = size_px * SCALE / 48  # supersampled pixels per design pixel
    size = round(48 * unit)
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    margin = round(2 * unit)
    d.rounded_rectangle((margin, margin, size - margin - 1, size - margin - 1),
                        radius=round(9 * unit), fill=VERMILION + (255,))
    inner = round(5 * unit)
    d.rounded_rectangle((inner, inner, size - inner - 1, size - inner - 1),
                        radius=round(6 * unit), outline=CREAM + (255,), width=max(1, round(unit)))
    glyph = font(GOTHIC, round(30 * unit))
    left, top, right, bottom = d.textbbox((0, 0), "八", font=glyph)
    d.text((size / 2 - (left + right) / 2, size / 2 - (top + bottom) / 2), "八", font=glyph,
           fill=CREAM + (255,), stroke_width=round(unit) // 2, stroke_fill=CREAM + (255,))
    return img.resize((size_px, size_px), Image.LANCZOS)


def make_icon():
    small = draw_seal(48)
    # Palette with one fully transparent entry: quantise the colours, then mark the
    # pixels that were (almost) transparent with that entry.
    alpha = small.getchannel("A")
    rgb = Image.new("RGB", small.size, VERMILION)
    rgb.paste(small, mask=alpha)
    pal = rgb.quantize(colors=255, method=Image.MEDIANCUT)
    palette = pal.getpalette()[: 255 * 3] + [0, 0, 0]
    pal.putpalette(palette)
    pixels = pal.load()
    for y in range(48):
        for x in range(48):
            if alpha.getpixel((x, y)) < 128:
                pixels[x, y] = 255
    pal.save(ASSETS / "icon.png", transparency=255, optimize=False)


def make_theme_icons():
    for size_px in ICON_THEME_SIZES_PX:
        draw_seal(size_px).save(ASSETS / f"icon-{size_px}.png")


def make_splash():
    w, h = 325 * SCALE, 227 * SCALE
    img = Image.new("RGB", (w, h), INK)
    d = ImageDraw.Draw(img)
    # Vertical ink gradient: slightly lighter at the top.
    for y in range(h):
        t = y / h
        c = tuple(int(a + (b - a) * t) for a, b in zip((44, 48, 72), INK))
        d.line((0, y, w, y), fill=c)
    # Four pillars on the right, each a stem over a branch of one sample chart.
    pillars = [("甲", "子"), ("丙", "寅"), ("戊", "午"), ("庚", "申")]
    pillar_font = font(MINCHO, 26 * SCALE)
    for i, (stem, branch) in enumerate(pillars):
        cx = (196 + i * 33) * SCALE
        d.rectangle((cx - 14 * SCALE, 22 * SCALE, cx + 14 * SCALE, 120 * SCALE),
                    outline=GOLD, width=SCALE)
        draw_centred_text(d, (cx, 50 * SCALE), stem, pillar_font, CREAM)
        draw_centred_text(d, (cx, 92 * SCALE), branch, pillar_font, CREAM)
    # Title block on the left.
    draw_centred_text(d, (90 * SCALE, 58 * SCALE), "ミレト", font(GOTHIC, 44 * SCALE), CREAM)
    draw_centred_text(d, (90 * SCALE, 102 * SCALE), "四柱推命", font(MINCHO, 22 * SCALE), GOLD)
    # A vermilion seal and a thin gold rule above the version band.
    d.rectangle((270 * SCALE, 160 * SCALE, 300 * SCALE, 190 * SCALE), fill=VERMILION)
    draw_centred_text(d, (285 * SCALE, 175 * SCALE), "命", font(MINCHO, 22 * SCALE), CREAM)
    d.line((40 * SCALE, 124 * SCALE, 285 * SCALE, 124 * SCALE), fill=GOLD, width=SCALE)
    draw_centred_text(d, (150 * SCALE, 205 * SCALE), "八字 ・ 大運 ・ 蔵干",
                      font(GOTHIC, 11 * SCALE), (150, 150, 170))
    small = img.resize((325, 227), Image.LANCZOS)
    # The version label is white: nothing light may be drawn under it.
    band = small.crop(VERSION_BAND).convert("L")
    assert max(band.getdata()) < 80, "the version band of the splash must stay dark"
    small.save(ASSETS / "splash.png")


def make_separator():
    size = 17 * SCALE
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    # A shallow arc bulging to the right, from the top edge to the bottom edge.
    box = (-26 * SCALE, -12 * SCALE, 12 * SCALE, 29 * SCALE)
    d.arc(box, start=-52, end=52, fill=(128, 128, 128, 255), width=int(1.3 * SCALE))
    img.resize((17, 17), Image.LANCZOS).save(ASSETS / "separator.png")


def main():
    ASSETS.mkdir(exist_ok=True)
    make_icon()
    make_theme_icons()
    make_splash()
    make_separator()


if __name__ == "__main__":
    main()
