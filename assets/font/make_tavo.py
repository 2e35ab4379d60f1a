# Builds TAVO.TTF, the game's private character-screen font.
#
# TAVO is a derived and renamed copy of DejaVu Sans Mono (Bitstream Vera licence plus public-domain DejaVu
# changes, which allow a modified font under a new name that contains neither "Bitstream" nor "Vera").
# The original copyright and licence texts are kept in the name table. Only four Latin-1 code points are
# redrawn as screen symbols; every other glyph, "A", "|", "<" and ">" included, is DejaVu's own.
#
# Run with FontForge's own interpreter, not the system python3:
#   fontforge -lang=py -script make_tavo.py <DejaVuSansMono.ttf> <TAVO.TTF>

import os
import sys

# FontForge stamps the build time into 'head' unless this is set; a fixed stamp keeps the output
# byte-identical from build to build.
os.environ.setdefault("SOURCE_DATE_EPOCH", "0")

import fontforge  # noqa: E402  (only FontForge's interpreter has it)
import psMat  # noqa: E402

FACE_NAME = "TAVO"
VERSION = "Version 1.0; derived from DejaVu Sans Mono"
DESCRIPTION = (
    "TAVO is derived from DejaVu Sans Mono and renamed. The glyphs at U+00A2, U+00A5, U+00A6 and U+00AB "
    "are redrawn as vehicle and engine symbols for the game Wendmoor, Summer 1958; all other glyphs are "
    "DejaVu's. The DejaVu copyright and licence below apply."
)

# Vehicle band shared by every symbol, so a place, an engine either way and a wagon block line up on
# the track line, which runs through the middle of the cell (the cell is -483..1901 font units high).
BAND_BOTTOM = -150
BAND_TOP = 1550


def rectangle(x0, y0, x1, y1):
    c = fontforge.contour()
    c.moveTo(x0, y0)
    c.lineTo(x0, y1)
    c.lineTo(x1, y1)
    c.lineTo(x1, y0)
    c.closed = True
    return c


def polygon(points):
    c = fontforge.contour()
    c.moveTo(*points[0])
    for p in points[1:]:
        c.lineTo(*p)
    c.closed = True
    return c


def circle(cx, cy, r):
    c = fontforge.unitShape(0)
    c.transform(psMat.compose(psMat.scale(r), psMat.translate(cx, cy)))
    return c


def mirrored(contours, advance):
    flip = psMat.compose(psMat.scale(-1, 1), psMat.translate(advance, 0))
    result = []
    for c in contours:
        m = c.dup()
        m.transform(flip)
        result.append(m)
    return result


def empty_place(advance):
    """Glyph 162: a solid block, a vehicle space a little inside the cell."""
    inset = 100
    return [rectangle(inset, BAND_BOTTOM, advance - inset, BAND_TOP)]


def engine_facing_left(advance):
    """Glyph 165: steam engine, low boiler and short chimney in front (left), tall cab behind.

    At 8 to 14 points the glyph is only 6 to 10 pixels wide, so the direction has to come from the
    profile: low at the front, tall at the back.
    """
    # kept a little off both cell edges so a running number written next to it stays apart
    right = advance - 100
    return [
        # two big driving wheels
        circle(330, 50, 200),
        circle(840, 50, 200),
        # frames and footplate, with the buffer beam in front
        rectangle(80, 180, right, 400),
        rectangle(40, 220, 120, 430),
        # boiler
        rectangle(110, 400, 740, 880),
        # short chimney with its cap
        rectangle(200, 860, 350, 1180),
        rectangle(170, 1120, 380, 1220),
        # cab, roof overhanging both sides
        rectangle(740, 400, right, 1440),
        rectangle(700, 1420, advance - 40, BAND_TOP),
    ]


def cab_window():
    """Window cut out of the cab, so the tall end reads as a cab and not as a second chimney."""
    return rectangle(850, 900, 1070, 1280)


def half_ring(cx, cy, outer, inner):
    """Right half of a ring, as one outline: the turn of the return arrow."""
    k = 0.5523  # cubic control distance for a quarter circle
    c = fontforge.contour()
    c.moveTo(cx, cy + outer)
    c.cubicTo((cx + k * outer, cy + outer), (cx + outer, cy + k * outer), (cx + outer, cy))
    c.cubicTo((cx + outer, cy - k * outer), (cx + k * outer, cy - outer), (cx, cy - outer))
    c.lineTo(cx, cy - inner)
    c.cubicTo((cx + k * inner, cy - inner), (cx + inner, cy - k * inner), (cx + inner, cy))
    c.cubicTo((cx + inner, cy + k * inner), (cx + k * inner, cy + inner), (cx, cy + inner))
    c.closed = True
    return c


def returning_arrow(advance):
    """Glyph 171: a U-turn arrow, out along the top and back along the bottom to the left."""
    stroke = 190
    top = 1230
    bottom = 230
    mid_y = (top + bottom) / 2
    outer_r = (top - bottom) / 2 + stroke / 2
    turn_x = advance - 70 - outer_r
    shaft_left = 330
    return [
        # upper leg going out (right)
        rectangle(130, top - stroke / 2, turn_x, top + stroke / 2),
        half_ring(turn_x, mid_y, outer_r, outer_r - stroke),
        # lower leg coming back (left), ending in the arrow head
        rectangle(shaft_left, bottom - stroke / 2, turn_x, bottom + stroke / 2),
        polygon([(40, bottom), (shaft_left + 160, bottom + 330), (shaft_left + 160, bottom - 330)]),
    ]


def clockwise(contour):
    # Overlap removal needs every part wound the same way; the primitives come in either winding.
    if contour.isClockwise() != 1:
        contour.reverseDirection()
    return contour


def draw_with_holes(glyph, solid, holes, advance):
    """Union of the solid parts, with holes that lie wholly inside them punched out."""
    layer = fontforge.layer()
    for c in solid:
        layer += clockwise(c)
    glyph.clear()
    glyph.foreground = layer
    glyph.removeOverlap()
    for h in holes:
        hole = clockwise(h)
        hole.reverseDirection()
        hole.is_quadratic = glyph.foreground.is_quadratic
        outline = glyph.foreground
        outline += hole
        glyph.foreground = outline
    glyph.width = advance


def finish(glyph, advance):
    glyph.round()
    glyph.correctDirection()
    glyph.ttinstrs = b""
    glyph.width = advance


def rename(font):
    font.fontname = FACE_NAME
    font.familyname = FACE_NAME
    font.fullname = FACE_NAME
    font.weight = "Regular"
    font.version = VERSION
    kept = {"Copyright", "License", "License URL"}
    old = [n for n in font.sfnt_names if n[1] in kept]
    font.sfnt_names = ()
    for lang, key, text in old:
        font.appendSFNTName(lang, key, text)
    english = "English (US)"
    for key, text in (
        ("Family", FACE_NAME),
        ("SubFamily", "Regular"),
        ("UniqueID", FACE_NAME + " 1.0"),
        ("Fullname", FACE_NAME),
        ("Version", VERSION),
        ("PostScriptName", FACE_NAME),
        ("Descriptor", DESCRIPTION),
    ):
        font.appendSFNTName(english, key, text)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: fontforge -lang=py -script make_tavo.py <DejaVuSansMono.ttf> <TAVO.TTF>\n")
        return 2
    source, target = argv[1], argv[2]
    if not os.path.isfile(source):
        sys.stderr.write(
            "make_tavo: input font %s is missing; install the Debian package fonts-dejavu-core\n" % source
        )
        return 1

    font = fontforge.open(source)
    advance = font["W"].width

    rename(font)

    place = font[0xA2]
    draw_with_holes(place, empty_place(advance), [], advance)

    left = font[0xA5]
    draw_with_holes(left, engine_facing_left(advance), [cab_window()], advance)

    right = font[0xA6]
    draw_with_holes(
        right,
        mirrored(engine_facing_left(advance), advance),
        mirrored([cab_window()], advance),
        advance,
    )

    draw_with_holes(font[0xAB], returning_arrow(advance), [], advance)

    for glyph in (place, left, right, font[0xAB]):
        glyph.removePosSub("*")
        finish(glyph, advance)

    # One advance for every glyph, so the cell grid holds whatever is written.
    for glyph in font.glyphs():
        glyph.width = advance

    # Written aside and moved into place, so a failed run never leaves a half-written font that the build
    # would take as up to date.
    partial = target + ".partial.ttf"
    font.generate(partial)
    os.replace(partial, target)
    return 0


sys.exit(main(sys.argv))
