#!/usr/bin/python3
"""Works out, independently of the program, which notes the trainer asks.

It replays the question cycle from the rules of the pick (the clock-seeded
linear congruential generator, the clef range, the +3 repeat rule and the pool
test) and writes the script lines that answer each question with the right key
or a wrong one.  The long tutor scenarios are written with it, and `find`
searches for a start time that leads to a wanted situation.

  quiz.py answers CLOCK KEY CLEF PATTERN   script lines for PATTERN: R right, W wrong, each
                                           followed by the 600 ms tick; x wrong at once
  quiz.py questions CLOCK KEY CLEF COUNT   the first COUNT questions when every answer is right
"""
import sys

KEY_NAMES = ("F1 F1sharp G1 G1Sharp A1 A1sharp B1 C2 C2sharp d2 D2sharp e2 f2 F2sharp g2 G2sharp a2 "
             "A2sharp b2 c3 C3sharp d3 D3sharp E3 F3 F3sharp g3 G3sharp A3 A3sharp B3 C4 C4sharp D4 "
             "D4sharp E4 F4 F4sharp G4 G4sharp A4 A4sharp B4").split()

# The pools of the 24 keys, in the order of the index that automatic modulation draws.
POOLS = {
    "CMajor1": "0 3 6 9 12 15 18 21 24 27 30 33 36 39 42 45 48 51 54 57 60 63 66 69",
    "GMajor1": "1 3 6 9 12 15 18 22 24 27 30 33 36 39 43 45 48 51 54 57 60 64 66 69",
    "DMajor1": "1 3 6 9 13 15 18 22 24 27 30 34 36 39 43 45 48 51 55 57 60 64 66 69",
    "AMajor1": "1 4 6 9 13 15 18 22 25 27 30 34 36 39 43 46 48 51 55 57 60 64 67 69",
    "EMajor1": "1 4 6 9 13 16 18 22 25 27 30 34 37 39 43 46 48 51 55 58 60 64 67 69",
    "BMajor1": "1 4 7 9 13 16 18 22 25 28 30 34 37 39 43 46 49 51 55 58 60 64 67 67",
    "FsharpMajor1": "1 4 7 9 13 16 19 22 25 28 30 34 37 40 43 46 49 51 55 58 61 64 67 67",
    "FMajor1": "0 3 6 8 12 15 18 21 24 27 29 33 36 39 42 45 48 50 54 57 60 63 66 69",
    "BbMajor1": "0 3 6 8 12 15 17 21 24 27 29 33 36 38 42 45 48 50 54 57 59 63 66 69",
    "EbMajor1": "0 3 5 8 12 15 17 21 24 26 29 33 36 38 42 45 47 50 54 57 59 63 66 68",
    "abMajor1": "0 3 5 8 12 14 17 21 24 26 29 33 35 38 42 45 47 50 54 56 59 63 66 68",
    "DbMajor1": "0 2 5 8 12 14 17 21 23 26 29 33 35 38 42 44 47 50 54 56 59 63 65 68",
    "GbMajor1": "0 2 5 8 11 14 17 21 23 26 29 32 35 38 42 44 47 50 53 56 59 63 65 68",
    "AMinor1": "0 4 6 9 12 15 18 21 25 27 30 33 36 39 42 46 48 51 54 57 60 63 63 69",
    "EMinor1": "1 3 6 9 12 16 18 22 24 27 30 33 37 39 43 45 48 51 54 58 60 64 66 69",
    "BMinor1": "1 3 7 9 13 15 18 22 24 28 30 34 36 39 43 45 49 51 55 57 60 64 66 66",
    "FsharpMinor1": "1 4 6 9 13 15 19 22 25 27 30 34 36 40 43 46 48 51 55 57 61 64 67 69",
    "CsharpMinor1": "1 4 6 10 13 16 18 22 25 27 31 34 37 39 43 46 48 52 55 58 60 64 67 69",
    "DMinor1": "0 3 6 8 13 15 18 21 24 27 29 34 36 39 42 45 48 50 55 57 60 63 66 69",
    "GMinor1": "3 3 6 8 12 15 17 22 24 27 29 33 36 38 43 45 48 50 54 57 59 64 66 69",
    "CMinor1": "0 3 5 9 12 15 17 21 24 26 30 33 36 38 42 45 47 51 54 57 59 63 66 68",
    "FMinor1": "0 3 5 8 12 14 18 21 24 26 29 33 35 39 42 45 47 50 54 56 60 63 66 68",
    "BbMinor1": "0 2 6 8 12 14 17 21 23 27 29 33 35 38 42 44 48 50 54 56 59 63 65 65",
    "EbMinor1": "0 2 5 8 11 15 17 21 23 26 29 32 36 38 42 44 47 50 53 57 59 63 65 68",
}
MODULATION_KEYS = tuple(POOLS)

SEMITONES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
LETTERS = "FGABCDEFGABCDEFGABCDEFGAB"  # the 25 letter steps from F1


def slot_row(slot):
    """(letter name, MIDI note, staff y) of a NoteSlot."""
    step, kind = divmod(slot, 3)
    if kind == 2:
        step += 1
    letter = LETTERS[step]
    octave = 1 + (step + 3) // 7  # the digit changes between B and C
    natural = 12 * (octave + 2) + SEMITONES[letter]
    name, note = letter, natural
    if kind == 1:
        name, note = letter + "#", natural + 1
    elif kind == 2:
        name, note = letter + "b", natural - 1
    return name + str(octave), note, 72 - 4 * ((slot + 1) // 3)


def time_of_day(clock):
    h, m, rest = clock.split(":")
    s, ms = rest.split(".")
    return ((int(h) * 60 + int(m)) * 60 + int(s)) * 1000 + int(ms)


class Random:
    def __init__(self, seed):
        self.state = seed % (1 << 32)

    def below(self, n):
        self.state = (self.state * 134775813 + 1) % (1 << 32)
        return (self.state * n) >> 32


CLEFS = {"treble": (1, 35), "bass": (0, 35), "grand": (0, 70)}


def pick(now, current, pool, clef):
    """The slot the tick at `now` asks; pool None means the chromatic scale."""
    random = Random(now % 86400000)
    if pool is None:
        p = random.below(70)
        return p + 3 if p == current else p
    treble, span = CLEFS[clef]
    while True:
        p = random.below(span) + (35 if treble else 0)
        if p == current:
            p += 3
        if p in pool:
            return p


def modulation(now, last):
    """The index of the key that automatic modulation chooses at `now`."""
    random = Random(now % 86400000)
    while True:
        index = random.below(24)
        if index != last:
            return index


class Quiz:
    """The question cycle seen from the script: ticks, answers and waits."""

    def __init__(self, clock, key, clef, current=0):
        self.now = time_of_day(clock) if isinstance(clock, str) else clock
        self.pool = None if key == "chromatic" else {int(x) for x in POOLS[key].split()}
        self.clef = clef
        self.current = current
        self.repeat = False
        self.lines = []
        self.asked = []

    def wait(self, ms):
        """Advances to the tick `ms` ahead: a repeat, or a new question."""
        self.now += ms
        self.lines.append(f"wait {ms}")
        if self.repeat:
            self.repeat = False
        else:
            self.current = pick(self.now, self.current, self.pool, self.clef)
            self.asked.append(self.current)

    def answer(self, right):
        note = slot_row(self.current)[1]
        if not right:
            note = note + 1 if note < 83 else note - 1
            self.repeat = True
        self.lines.append(f"click {KEY_NAMES[note - 41]}")

    def play(self, pattern, first_wait=10):
        self.wait(first_wait)
        for i, mark in enumerate(pattern):
            self.answer(mark == "R")
            if mark != "x" and i + 1 < len(pattern):
                self.wait(600)


def main(argv):
    if len(argv) == 5 and argv[0] == "answers":
        quiz = Quiz(argv[1], argv[2], argv[3])
        quiz.play(argv[4])
        print("\n".join(quiz.lines))
    elif len(argv) == 5 and argv[0] == "questions":
        quiz = Quiz(argv[1], argv[2], argv[3])
        quiz.play("R" * int(argv[4]))
        print(" ".join(slot_row(s)[0] for s in quiz.asked))
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
