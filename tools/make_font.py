#!/usr/bin/python3
"""Build assets/fonts/LintraMusic.ttf (and OFL.txt) from LilyPond's Emmentaler.

Run with Debian's Python, which carries the fontforge module:
    /usr/bin/python3 tools/make_font.py [--source emmentaler-20.otf] [--out assets/fonts]

The notation is drawn as text at fixed pixel positions with the font at 32 px, so
1 unit = 0.032 px and a staff space of 250 units is 8 px.  Every glyph is placed so
that the baseline is its reference line: a note head is centred on it, a clef's own
line (G, F or C) lies on it, a ledger piece is drawn on it and a staff piece has its
bottom line on it.  Emmentaler's glyph origins already are those reference points.
The marks under a line of notes (the note being read, a wrong answer) are centred on
the baseline and on the note head drawn at the same x.
"""

import argparse
import glob
import os
import re
import struct
import sys

# The generated file must not change when nothing else did: fix the timestamps
# FontForge writes into the head table unless the caller chose a date.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1577836800")

import fontforge  # noqa: E402  (needs SOURCE_DATE_EPOCH first)
import psMat  # noqa: E402

FAMILY = "Lintra Music"
POSTSCRIPT_NAME = "LintraMusic"
VERSION = "1.000"
COPYRIGHT = "Copyright (c) 1996--2019, The LilyPond authors (lilypond.org)"
RESERVED_NAMES = ("Emmentaler", "Feta")
LICENSE = ("This Font Software is licensed under the SIL Open Font License, "
           "Version 1.1. This license is available with a FAQ at: "
           "https://openfontlicense.org")
LICENSE_URL = "https://openfontlicense.org"

EM = 1000
STAFF_SPACE = 250
ASCENT = 1375     # 44 px at 32 px: room above for B4's head and the treble clef
DESCENT = 750     # 24 px: room below a staff for its clef's tail
SOURCE_PATTERN = "/usr/share/lilypond/*/fonts/otf/emmentaler-20.otf"
LICENSE_SOURCE = "/usr/share/doc/lilypond-fonts/copyright"

STAFF_ADVANCE = 1125       # 36 px: seven pieces span the 249 px paint box
# Pieces end exactly where the next one begins: where they overlapped, the
# antialiased edges of both were painted over each other and the joins showed as
# darker dots along every line.  36 px is a whole number of pixels, so the joins
# also fall on pixel boundaries.
LEDGER_ADVANCE = 313       # 10 px: "--" is one ledger line
HEAD_OFFSET = 94           # 3 px: a ledger line starts that far left of its note head
PIXEL = 32                 # a little over one pixel
BLANK_ADVANCE = 250
# Accidentals stand 8 px (250 units) before the note head and 8 px apart in a key
# signature, so they are set a little smaller than Emmentaler's and right-aligned
# to leave a gap before the head.
ACCIDENTAL_CELL = 250
ACCIDENTAL_GAP = 24        # under a pixel between an accidental and its note head

# Notes follow each other every 22 px (accidental, 8 px, head), so the whole note is
# narrowed to about 13.5 px to leave the next accidental its room; its height is one
# staff space, reaching the middle of the lines around it.
# character, glyph name, Emmentaler glyph, (x scale, y scale), placement
COPIED_GLYPHS = (
    ("&", "ampersand", "clefs.G", (1.0, 1.0), "left"),
    ("?", "question", "clefs.F", (1.0, 1.0), "left"),
    ("B", "B", "clefs.C", (1.0, 1.0), "left"),
    ("#", "numbersign", "accidentals.sharp", (0.78, 0.78), "accidental"),
    ("b", "b", "accidentals.flat", (0.85, 0.85), "accidental"),
    ("n", "n", "accidentals.natural", (0.9, 0.9), "accidental"),
    ("w", "w", "noteheads.s0", (0.86, 0.92), "left"),
    # An arrowhead pointing up at the note being read, a cross under a wrong answer.
    ("^", "asciicircum", "arrowheads.close.11", (1.0, 1.0), "mark"),
    ("x", "x", "noteheads.s2cross", (1.0, 1.0), "mark"),
)
HEAD_CHAR = "w"


def find_source():
    """The newest installed LilyPond's 20-point Emmentaler."""
    def version_key(path):
        version = path.split("/")[4]
        return tuple(int(p) if p.isdigit() else 0 for p in version.split("."))
    found = sorted(glob.glob(SOURCE_PATTERN), key=version_key)
    if not found:
        sys.exit("make_font: no %s (install Debian's lilypond-fonts)" % SOURCE_PATTERN)
    return found[-1]


def read_line_thickness(path):
    """Staff and ledger line thickness in units, from LilyPond's own LILY table.

    FontForge drops that private table, so it is read from the raw sfnt.  Falls back
    to LilyPond's defaults (0.1 and 0.2 staff spaces) if the table is missing."""
    staff, ledger = 0.1, 0.2
    with open(path, "rb") as f:
        data = f.read()
    count = struct.unpack(">H", data[4:6])[0]
    for i in range(count):
        tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        if tag != b"LILY":
            continue
        table = data[offset:offset + length].decode("ascii", "replace")
        values = dict((k, float(v)) for k, v in
                      re.findall(r"\((\w+) \. ([0-9.]+)\)", table))
        space = values.get("staff_space")
        if space:
            staff = values.get("stafflinethickness", staff * space) / space
            ledger = values.get("ledgerlinethickness", ledger * space) / space
    return round(staff * STAFF_SPACE), round(ledger * STAFF_SPACE)


def draw_rect(pen, x0, y0, x1, y1):
    # Clockwise, as TrueType wants its outer contours.
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()


def add_staff_piece(font, thickness):
    glyph = font.createChar(ord("="), "equal")
    pen = glyph.glyphPen()
    half = thickness / 2.0
    for line in range(5):
        y = line * STAFF_SPACE
        draw_rect(pen, 0, y - half, STAFF_ADVANCE, y + half)
    pen = None  # releasing the pen commits the outline to the glyph
    glyph.width = STAFF_ADVANCE


def add_ledger_piece(font, thickness):
    # The program draws "--" 3 px left of the note head, and the two pieces stick
    # out about alike on both sides of it.  Each piece fills exactly its advance
    # from its origin: the pieces then meet at 312 units, within a hundredth of a
    # pixel of a pixel boundary, where two antialiased ends would otherwise share
    # a pixel and leave it lighter or darker than the rest of the line.
    glyph = font.createChar(ord("-"), "hyphen")
    pen = glyph.glyphPen()
    half = thickness / 2.0
    draw_rect(pen, 0, -half, LEDGER_ADVANCE, half)
    pen = None
    glyph.width = LEDGER_ADVANCE


def add_short_ledger_lines(font, thickness, head_width):
    # Ledger lines cut short beside an accidental, as engravers cut them, drawn where "--"
    # would be: "[" clears the note's own accidental (a pixel right of where it ends,
    # ACCIDENTAL_GAP before the head), "]" ends at the head's right edge to leave the
    # next note's accidental or ledger line its room, "|" does both.
    left_cut = HEAD_OFFSET - ACCIDENTAL_GAP + PIXEL
    head_right = HEAD_OFFSET + head_width
    half = thickness / 2.0
    for char, name, left, right in (("[", "bracketleft", left_cut, 2 * LEDGER_ADVANCE),
                                    ("]", "bracketright", 0, head_right),
                                    ("|", "bar", left_cut, head_right)):
        glyph = font.createChar(ord(char), name)
        pen = glyph.glyphPen()
        draw_rect(pen, left, -half, right, half)
        pen = None
        glyph.width = right


def copy_glyph(font, source, char, name, source_name, scale, placement, head_width=0):
    glyph = font.createChar(ord(char), name)
    glyph.foreground = source[source_name].foreground
    glyph.transform(psMat.scale(*scale))
    xmin, ymin, xmax, ymax = glyph.boundingBox()
    if placement == "accidental":
        shift = ACCIDENTAL_CELL - ACCIDENTAL_GAP - xmax
        glyph.transform(psMat.translate(shift, 0))
        glyph.width = ACCIDENTAL_CELL
    elif placement == "mark":
        # Centred on the head drawn at the same x, and on the baseline.
        glyph.transform(psMat.translate(head_width / 2.0 - (xmin + xmax) / 2.0, -(ymin + ymax) / 2.0))
        glyph.width = head_width
    else:
        # Ink starts at the drawing position: nothing pokes out left of the paint box.
        glyph.transform(psMat.translate(-xmin, 0))
        glyph.width = round(xmax - xmin)
    glyph.round()
    return glyph


def set_names(font):
    font.fontname = POSTSCRIPT_NAME
    font.familyname = FAMILY
    font.fullname = FAMILY
    font.weight = "Regular"
    font.version = VERSION
    font.copyright = COPYRIGHT
    lang = "English (US)"
    for key, value in (
            ("Copyright", COPYRIGHT),
            ("Family", FAMILY),
            ("SubFamily", "Regular"),
            ("UniqueID", "%s %s" % (POSTSCRIPT_NAME, VERSION)),
            ("Fullname", FAMILY),
            ("Version", "Version " + VERSION),
            ("PostScriptName", POSTSCRIPT_NAME),
            ("Descriptor", "Staff, clefs, accidentals, a whole note and reading marks "
                           "for the Lintra notation trainer, drawn from LilyPond's music font."),
            ("License", LICENSE),
            ("License URL", LICENSE_URL)):
        font.appendSFNTName(lang, key, value)


def set_metrics(font):
    font.os2_version = 4
    font.os2_use_typo_metrics = True
    font.os2_vendor = "LNTR"
    font.os2_fstype = 0
    font.os2_weight = 400
    font.os2_width = 5
    for attr in ("hhea_ascent_add", "hhea_descent_add", "os2_typoascent_add",
                 "os2_typodescent_add", "os2_winascent_add", "os2_windescent_add"):
        setattr(font, attr, False)
    font.hhea_ascent = ASCENT
    font.hhea_descent = -DESCENT
    font.hhea_linegap = 0
    font.os2_typoascent = ASCENT
    font.os2_typodescent = -DESCENT
    font.os2_typolinegap = 0
    font.os2_winascent = ASCENT
    font.os2_windescent = DESCENT


def build_font(source_path):
    source = fontforge.open(source_path)
    staff_thickness, ledger_thickness = read_line_thickness(source_path)

    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.em = EM
    set_names(font)
    set_metrics(font)

    notdef = font.createChar(-1, ".notdef")
    notdef.width = BLANK_ADVANCE
    font.createChar(ord(" "), "space").width = BLANK_ADVANCE

    head_width = 0
    for char, name, source_name, scale, placement in COPIED_GLYPHS:
        glyph = copy_glyph(font, source, char, name, source_name, scale, placement, head_width)
        if char == HEAD_CHAR:
            head_width = glyph.width
    add_staff_piece(font, staff_thickness)
    add_ledger_piece(font, ledger_thickness)
    add_short_ledger_lines(font, ledger_thickness, head_width)
    source.close()

    font.layers["Fore"].is_quadratic = True
    for glyph in font.glyphs():
        glyph.removeOverlap()
        glyph.correctDirection()
        glyph.round()
    return font


def write_license(out_dir):
    """OFL.txt: the copyright line, the reserved names and the OFL 1.1 text as
    Debian's lilypond-fonts package carries it."""
    with open(LICENSE_SOURCE, encoding="utf-8") as f:
        lines = f.read().split("\n")
    # The stand-alone licence paragraph, not the "Files:" stanzas that name it.
    starts = [i for i, line in enumerate(lines[:-1])
              if line == "License: OFL-1.1" and lines[i + 1].startswith(" ")]
    if not starts:
        sys.exit("make_font: no OFL 1.1 text in %s" % LICENSE_SOURCE)
    body = []
    for line in lines[starts[0] + 1:]:
        if not line.startswith(" "):
            break
        text = line[1:]
        body.append("" if text == "." else text)
    if not any("SIL OPEN FONT LICENSE" in line for line in body):
        sys.exit("make_font: no OFL 1.1 text in %s" % LICENSE_SOURCE)
    header = [
        COPYRIGHT + ",",
        "with Reserved Font Names %s." % " and ".join('"%s"' % n for n in RESERVED_NAMES),
        "",
        '"%s" (%s) is a Modified Version of that Font Software: a few of its' % (
            FAMILY, "LintraMusic.ttf"),
        "glyphs, rearranged and renamed for the Lintra notation trainer.",
        "",
    ]
    with open(os.path.join(out_dir, "OFL.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(header + body).rstrip() + "\n")


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--source", help="emmentaler-20.otf (default: newest installed)")
    parser.add_argument("--out", default=os.path.join(repo, "assets", "fonts"),
                        help="output folder")
    args = parser.parse_args()

    source_path = args.source or find_source()
    os.makedirs(args.out, exist_ok=True)
    font = build_font(source_path)
    target = os.path.join(args.out, POSTSCRIPT_NAME + ".ttf")
    font.generate(target, flags=("opentype", "omit-instructions", "no-FFTM-table",
                                 "no-hints"))
    font.close()
    write_license(args.out)
    print("make_font: %s from %s" % (target, source_path))


if __name__ == "__main__":
    main()
