#!/usr/bin/python3
"""Draws assets/japan-map.png, the picture of the birthplace map dialog.

    (cd tools && npm install) && tools/make-japan-map.py

The picture is 500 x 500 pixels, 8-bit palette, white land on a light grey ground,
in the dialog's equirectangular grid: the centre of pixel column x lies at
121.39834 + 0.0514679 * x degrees east, the centre of pixel row y at
49.00194 - 0.0514679 * y degrees north (integer pixel coordinates are pixel centres,
the same coordinates the dialog converts). So pixel (357, 259) is Tokyo station.

Coastlines: Natural Earth 1:10m land polygons (public domain), read from the TopoJSON
file land-10m.json of the npm package world-atlas. Land is filled at four times the
size and reduced, which gives soft coasts; an island too small to fill a pixel still
gets one white pixel. Decoration: the white meridian of 135 degrees east at x = 265,
and the grey caption "東経135度/日本標準時" at (270, 478).

Every colour is a grey, so the picture is drawn as greyscale and stored with a grey
palette: exactly the drawn values, no quantisation. Needs Debian's python3-pil and
fonts-ipafont.
"""
import json
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

ROOT = Path(__file__).resolve().parent.parent
LAND_FILE = ROOT / "tools" / "node_modules" / "world-atlas" / "land-10m.json"
OUT_FILE = ROOT / "assets" / "japan-map.png"
GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

SIZE_PX = 500
LON0_DEG = 121.39834        # east longitude of pixel column 0 (centre)
LAT0_DEG = 49.00194         # north latitude of pixel row 0 (centre)
DEG_PER_PX = 0.0514679      # along both axes
SCALE = 4                   # supersampling factor

GROUND = 200                # light grey sea and foreign ground
LAND = 255                  # white
CAPTION_GREY = 96
MERIDIAN_X = 265            # the 135 degrees east line (134.98 + half a pixel)
CAPTION = "東経135度/日本標準時"
CAPTION_AT = (270, 478)
CAPTION_PX = 12

# Places that must lie on land at the edge of the sea: name, east longitude, north latitude.
COASTAL_CHECKS = [
    ("Tokyo station", 139.767, 35.681),
    ("Sapporo", 141.35, 43.06),
    ("Naha", 127.68, 26.21),
    ("Kagoshima", 130.56, 31.60),
]


def to_px(lon, lat):
    """Map pixel coordinates (pixel centres at integers) of a point in degrees."""
    return (lon - LON0_DEG) / DEG_PER_PX, (LAT0_DEG - lat) / DEG_PER_PX


def decode_arcs(topology):
    """The arcs of a quantised TopoJSON topology as lists of (lon, lat) in degrees."""
    (sx, sy), (tx, ty) = topology["transform"]["scale"], topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * sx + tx, y * sy + ty))
        arcs.append(points)
    return arcs


def ring_points(ring, arcs):
    """Joins the arcs of one ring; a negative index ~i is arc i reversed."""
    points = []
    for index in ring:
        arc = arcs[index] if index >= 0 else arcs[~index][::-1]
        points.extend(arc if not points else arc[1:])
    return points


def land_polygons(topology):
    """Each polygon as a list of rings in map pixels: the outer ring, then its holes."""
    arcs = decode_arcs(topology)
    for geometry in topology["objects"]["land"]["geometries"]:
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            yield [[to_px(lon, lat) for lon, lat in ring_points(ring, arcs)] for ring in polygon]


def touches_map(ring, margin=2):
    xs = [p[0] for p in ring]
    ys = [p[1] for p in ring]
    return (max(xs) >= -margin and min(xs) <= SIZE_PX + margin
            and max(ys) >= -margin and min(ys) <= SIZE_PX + margin)


def to_fine(ring):
    """Supersampled coordinates: pixel centre x sits at SCALE * x + (SCALE - 1) / 2."""
    offset = (SCALE - 1) / 2
    return [(x * SCALE + offset, y * SCALE + offset) for x, y in ring]


def draw_land(polygons):
    fine = Image.new("L", (SIZE_PX * SCALE, SIZE_PX * SCALE), GROUND)
    draw = ImageDraw.Draw(fine)
    for rings in polygons:
        draw.polygon(to_fine(rings[0]), fill=LAND)
        for hole in rings[1:]:
            draw.polygon(to_fine(hole), fill=GROUND)
    return fine.resize((SIZE_PX, SIZE_PX), Image.BOX)


def keep_small_islands(img, polygons):
    """Whitens one pixel of every island that the reduction left (nearly) invisible."""
    pixels = img.load()
    threshold = (GROUND + LAND) // 2
    kept = 0
    for rings in polygons:
        outer = rings[0]
        xs = [p[0] for p in outer]
        ys = [p[1] for p in outer]
        if max(xs) - min(xs) > 3 or max(ys) - min(ys) > 3:
            continue
        x = round(sum(xs) / len(xs))
        y = round(sum(ys) / len(ys))
        if 0 <= x < SIZE_PX and 0 <= y < SIZE_PX and pixels[x, y] < threshold:
            pixels[x, y] = LAND
            kept += 1
    return kept


def draw_decoration(img):
    draw = ImageDraw.Draw(img)
    draw.line((MERIDIAN_X, 0, MERIDIAN_X, SIZE_PX - 1), fill=LAND)
    draw.text(CAPTION_AT, CAPTION, font=ImageFont.truetype(GOTHIC, CAPTION_PX), fill=CAPTION_GREY)


def check_coasts(img):
    """Each checked place has land within 2 pixels and sea within 8 pixels."""
    pixels = img.load()
    for name, lon, lat in COASTAL_CHECKS:
        x, y = (round(v) for v in to_px(lon, lat))

        def near(value_test, radius):
            return any(value_test(pixels[x + dx, y + dy])
                       for dx in range(-radius, radius + 1) for dy in range(-radius, radius + 1))

        land = near(lambda v: v == LAND, 2)
        sea = near(lambda v: v == GROUND, 8)
        print(f"{name:14s} pixel ({x}, {y}) value {pixels[x, y]}: land near {land}, sea near {sea}")
        assert land and sea, f"{name} is not on a coast of the map"


def grey_palette_image(img):
    out = img.convert("P")  # L -> P keeps the values and uses the identity grey palette
    out.putpalette([v for g in range(256) for v in (g, g, g)])
    return out


def main():
    topology = json.loads(LAND_FILE.read_text())
    polygons = [rings for rings in land_polygons(topology) if touches_map(rings[0])]
    img = draw_land(polygons)
    kept = keep_small_islands(img, polygons)
    print(f"{len(polygons)} land polygons on the map, {kept} small islands marked by one pixel")
    check_coasts(img)
    draw_decoration(img)
    grey_palette_image(img).save(OUT_FILE, optimize=True)


if __name__ == "__main__":
    main()
