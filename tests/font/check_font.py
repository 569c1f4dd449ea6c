#!/usr/bin/python3
"""Check LintraMusic.ttf against the way the notation draws with it.

Usage: /usr/bin/python3 check_font.py path/to/LintraMusic.ttf

The notation draws every character at 32 px with the text's baseline at y + ascent,
on a 249 x 138 paint box; the coordinates below are that drawing's own.
"""

import sys

import fontforge

PX = 32.0 / 1000          # pixels per font unit at 32 px
SPACE = 250               # staff space in units (8 px)
COPYRIGHT = "Copyright (c) 1996--2019, The LilyPond authors (lilypond.org)"
RESERVED = ("emmentaler", "feta")
CHARACTERS = "=&?B#bnw-[]|^x "
BOX_WIDTH, BOX_HEIGHT = 249, 138

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)


def near(value, target, tolerance):
    return abs(value - target) <= tolerance


def glyph(font, char):
    return font[font.findEncodingSlot(ord(char))]


def check_file(path):
    with open(path, "rb") as f:
        magic = f.read(4)
    check(magic == b"\x00\x01\x00\x00", "TrueType outlines (sfnt version 1.0), not CFF")


def check_names(font):
    names = {key: value for _, key, value in font.sfnt_names}
    check(font.familyname == "Lintra Music", "family name is 'Lintra Music'")
    check(font.fullname == "Lintra Music", "full name is 'Lintra Music'")
    check(names.get("Copyright") == COPYRIGHT, "copyright line kept")
    check("Open Font License, Version 1.1" in names.get("License", ""),
          "licence is SIL OFL 1.1")
    every = [font.fontname, font.familyname, font.fullname] + list(names.values())
    check(not any(r in n.lower() for n in every for r in RESERVED),
          "no reserved font name in the name table")


def check_metrics(font):
    check(font.em == 1000, "1000 units per em")
    check(font.hhea_ascent == 1375 and font.hhea_descent == -750
          and font.hhea_linegap == 0, "hhea ascent 1375, descent -750, line gap 0")
    check(font.os2_typoascent == 1375 and font.os2_typodescent == -750
          and font.os2_typolinegap == 0, "OS/2 typo ascent 1375, descent -750, line gap 0")
    check(font.os2_winascent == 1375 and font.os2_windescent == 750,
          "OS/2 win ascent 1375, descent 750")
    check(not (font.hhea_ascent_add or font.hhea_descent_add or font.os2_typoascent_add
               or font.os2_typodescent_add or font.os2_winascent_add
               or font.os2_windescent_add), "metrics are absolute, not offsets")
    check(font.os2_use_typo_metrics, "USE_TYPO_METRICS set")
    check(font.layers["Fore"].is_quadratic, "quadratic outlines")


def check_characters(font):
    encoded = sorted(chr(g.unicode) for g in font.glyphs() if g.unicode >= 0)
    check(encoded == sorted(CHARACTERS), "exactly the %d characters %r" % (len(CHARACTERS), CHARACTERS))
    missing = [c for c in CHARACTERS if c not in encoded]
    check(not missing, "none missing (%r)" % "".join(missing))
    if missing:
        return False
    for char in CHARACTERS:
        g = glyph(font, char)
        empty = len(g.foreground) == 0
        check(empty == (char == " "), "%r is %s" % (char, "empty" if char == " " else "drawn"))
        if not empty:
            _, ymin, _, ymax = g.boundingBox()
            check(ymax <= font.os2_typoascent and ymin >= font.os2_typodescent,
                  "%r lies within ascent and descent (%d..%d)" % (char, ymin, ymax))
    return True


def line_centres(g):
    """Centre heights and thicknesses of a glyph's horizontal bars, bottom first."""
    bars = []
    for contour in g.foreground:
        xmin, ymin, xmax, ymax = contour.boundingBox()
        bars.append(((ymin + ymax) / 2, ymax - ymin, xmin, xmax))
    return sorted(bars)


def check_staff(font):
    g = glyph(font, "=")
    bars = line_centres(g)
    check(len(bars) == 5, "staff piece has five lines")
    for i, (centre, thickness, xmin, xmax) in enumerate(bars):
        check(near(centre, i * SPACE, 2), "staff line %d at %d units (is %.1f)"
              % (i + 1, i * SPACE, centre))
        check(18 <= thickness <= 40, "staff line %d about 0.1 space thick (is %d)"
              % (i + 1, thickness))
        check(xmin == 0 and xmax == g.width,
              "staff line %d runs from 0 to the advance, meeting the next piece" % (i + 1))
    check(near(g.width, 1125, 10), "staff piece advance about 1125 (is %d)" % g.width)
    check(near(g.width * PX, round(g.width * PX), 1e-9),
          "staff pieces join on a pixel boundary (%.3f px)" % (g.width * PX))
    check(7 * g.width * PX >= BOX_WIDTH, "seven staff pieces span the paint box width")


def check_note_and_ledger(font):
    head = glyph(font, "w")
    xmin, ymin, xmax, ymax = head.boundingBox()
    check(near(ymin, -ymax, 4), "whole note centred on the baseline (%d..%d)" % (ymin, ymax))
    check(0.9 * SPACE <= ymax - ymin <= 1.15 * SPACE,
          "whole note about one staff space high (is %d)" % (ymax - ymin))
    check(0 <= xmin <= 10, "whole note starts at its origin (left bearing %d)" % xmin)
    width_px = (xmax - xmin) * PX
    check(13 <= width_px <= 14.5, "whole note 13 to 14.5 px wide (is %.1f)" % width_px)

    ledger = glyph(font, "-")
    bars = line_centres(ledger)
    staff_thickness = line_centres(glyph(font, "="))[0][1]
    check(len(bars) == 1, "ledger piece is one line")
    centre, thickness, lxmin, lxmax = bars[0]
    check(near(centre, 0, 2), "ledger line on the baseline (centre %.1f)" % centre)
    check(staff_thickness < thickness <= 2.2 * staff_thickness,
          "ledger line a little thicker than a staff line (%d vs %d)"
          % (thickness, staff_thickness))
    check(near(ledger.width * PX, 10, 0.1), "ledger piece advance about 10 px (is %d)" % ledger.width)
    check(lxmin <= 0 and lxmax - lxmin == ledger.width,
          "ledger pieces meet without a gap or an overlap (%d..%d)" % (lxmin, lxmax))

    # "--" at x + 79 around a note drawn at x + 82.
    line_left = 79 + lxmin * PX
    line_right = 79 + (ledger.width + lxmax) * PX
    head_left, head_right = 82 + xmin * PX, 82 + xmax * PX
    left, right = head_left - line_left, line_right - head_right
    # Pieces that start at their origin cannot also be centred on the head to the
    # last half pixel: the join on a pixel boundary comes first.
    check(2 <= left <= 4 and 2 <= right <= 4 and near(left, right, 0.75),
          "ledger line sticks out 2-4 px alike on both sides of the note (%.1f, %.1f)"
          % (left, right))
    return head_right


def check_accidentals(font, head_right):
    for char in "#bn":
        g = glyph(font, char)
        xmin, ymin, xmax, ymax = g.boundingBox()
        check(near(g.width, 250, 10), "%r advance about 8 px (is %d)" % (char, g.width))
        # Drawn at 74 before a note at 82, and at 96 after a note head at 82.
        check(74 + xmax * PX <= 82, "%r ends before its note head" % char)
        check(96 + xmin * PX >= head_right, "%r starts after the previous note head" % char)
        if char == "b":
            # A flat's belly sits on its line or space; its stem rises above.
            check(-220 <= ymin <= -100 and ymax >= 300,
                  "flat's belly on the baseline, stem up (%d..%d)" % (ymin, ymax))
        else:
            check(near(ymin, -ymax, 6), "%r centred on the baseline (%d..%d)"
                  % (char, ymin, ymax))
            check(2 * SPACE <= ymax - ymin <= 3.2 * SPACE,
                  "%r two to three spaces high (is %d)" % (char, ymax - ymin))


def check_clefs(font):
    # The G clef's curl rounds the G line (drawn on the baseline); the clef rises
    # about 4.5 spaces above it and its tail drops about 2.5 below.
    _, ymin, _, ymax = glyph(font, "&").boundingBox()
    check(-2.8 * SPACE <= ymin <= -2.2 * SPACE and 4.3 * SPACE <= ymax <= 5 * SPACE,
          "treble clef's G line on the baseline (%d..%d)" % (ymin, ymax))
    # The F clef's head and dots surround the F line: about one space above, two below.
    _, ymin, _, ymax = glyph(font, "?").boundingBox()
    check(-2.3 * SPACE <= ymin <= -1.8 * SPACE and 0.8 * SPACE <= ymax <= 1.3 * SPACE,
          "bass clef's F line on the baseline (%d..%d)" % (ymin, ymax))
    # The C clef's two halves meet on the C line and reach the staff's outer lines.
    _, ymin, _, ymax = glyph(font, "B").boundingBox()
    check(near(ymin, -2 * SPACE, 30) and near(ymax, 2 * SPACE, 30),
          "C clef's C line on the baseline, spanning the staff (%d..%d)" % (ymin, ymax))
    sharp_left = glyph(font, "#").boundingBox()[0]
    for char in "&?B":
        xmin, _, xmax, _ = glyph(font, char).boundingBox()
        check(0 <= xmin <= 20, "%r starts at the left edge of the paint box" % char)
        # The first signature accidental is drawn at x 24.
        check(xmax * PX + 1 <= 24 + sharp_left * PX, "%r ends before the key signature" % char)


def check_line_marks(font, head):
    """The marks under a line of notes and the ledger lines cut short beside accidentals."""
    hxmin, _, hxmax, _ = head.boundingBox()
    for char in "^x":
        g = glyph(font, char)
        xmin, ymin, xmax, ymax = g.boundingBox()
        check(near((xmin + xmax) / 2, (hxmin + hxmax) / 2, 10),
              "%r centred under the note head drawn at its x" % char)
        check(near(ymin, -ymax, 6) and ymax - ymin <= 1.2 * SPACE,
              "%r centred on the baseline, at most a space high (%d..%d)" % (char, ymin, ymax))
    full = line_centres(glyph(font, "-"))[0]
    ledger_width = 2 * glyph(font, "-").width
    accidental_right = glyph(font, "#").boundingBox()[2] - 250  # drawn 8 px before the head
    # Drawn where "--" is, 3 px (94 units) left of the head: the cut ends clear the
    # note's own accidental by a pixel and end at the head's right edge.
    for char, cut_left, cut_right in (("[", True, False), ("]", False, True), ("|", True, True)):
        bars = line_centres(glyph(font, char))
        centre, thickness, left, right = bars[0]
        check(len(bars) == 1 and near(centre, 0, 2) and thickness == full[1],
              "%r is one ledger line on the baseline, as thick as a ledger piece" % char)
        left_ok = left - 94 >= accidental_right + 31 if cut_left else left == 0
        right_ok = near(right - 94, hxmax, 2) if cut_right else right == ledger_width
        sides = [side for side, cut in (("left", cut_left), ("right", cut_right)) if cut]
        check(left_ok and right_ok, "%r cut on the %s (%d..%d)" % (char, " and ".join(sides), left, right))


def check_grand_staff_fits(font):
    ascent_px = font.os2_typoascent * PX
    check(near(ascent_px, 44, 0.01), "ascent is 44 px at 32 px")

    def top(char, y):
        return y + ascent_px - glyph(font, char).boundingBox()[3] * PX

    def bottom(char, y):
        return y + ascent_px - glyph(font, char).boundingBox()[1] * PX

    tops = {"B4 with a sharp": min(top("w", -24), top("#", -24)),
            "treble clef": top("&", 12), "treble staff": top("=", 20)}
    bottoms = {"F1 with a flat": max(bottom("w", 72), bottom("b", 72)),
               "bass clef": bottom("?", 44), "bass staff": bottom("=", 68)}
    for what, y in tops.items():
        check(y >= 0, "%s inside the paint box (top %.1f px)" % (what, y))
    for what, y in bottoms.items():
        check(y <= BOX_HEIGHT, "%s inside the paint box (bottom %.1f px)" % (what, y))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check_font.py LintraMusic.ttf")
    path = sys.argv[1]
    check_file(path)
    font = fontforge.open(path)
    check_names(font)
    check_metrics(font)
    # Without all the characters the geometry cannot be measured.
    if check_characters(font):
        check_staff(font)
        head_right = check_note_and_ledger(font)
        check_accidentals(font, head_right)
        check_clefs(font)
        check_line_marks(font, glyph(font, "w"))
        check_grand_staff_fits(font)
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all font checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
