"""Peer of the MIDI echo program over JACK (run by jack_e2e.sh).

notes: plays 20 note-ons into the program and expects the same 20 note-ons
back, in order; prints the round-trip times.
sysex: sends system-exclusive messages that fit, overflow and find no buffer,
then a short message, and checks the program's report and its echo.
replug: takes the port the program listens to away and brings it back under
the same name, each time quicker than the window looks at the devices; the
program must see it come back.
"""
import queue
import statistics
import subprocess
import sys
import time

import rtmidi

NOTES = [41 + (i * 7) % 43 for i in range(20)]  # spread over the keyboard, F1..B4
SRC_CLIENT, SRC_PORT = "lintra-e2e-src", "play"
SINK_CLIENT, SINK_PORT = "lintra-e2e-sink", "echo"


def fail(text):
    print("FAIL:", text)
    sys.exit(1)


def open_ports():
    out = rtmidi.MidiOut(rtmidi.API_UNIX_JACK, name=SRC_CLIENT)
    out.open_virtual_port(SRC_PORT)
    sink = rtmidi.MidiIn(rtmidi.API_UNIX_JACK, name=SINK_CLIENT)
    sink.ignore_types(sysex=False, timing=True, active_sense=True)
    sink.open_virtual_port(SINK_PORT)
    received = queue.Queue()
    sink.set_callback(lambda event, _: received.put((time.perf_counter(), event[0])))
    return out, sink, received


def connected(port):
    """The ports connected to `port`, as jack_lsp -c lists them."""
    lines = subprocess.run(["jack_lsp", "-c", port], capture_output=True, text=True).stdout
    return [line.strip() for line in lines.splitlines()[1:] if line.startswith(" ")]


def ensure_connected(source, destination):
    # Opening a port by number connects it already; jack_connect covers a
    # program that would only register its ports.
    if destination not in connected(source):
        subprocess.run(["jack_connect", source, destination], check=True)
    if destination not in connected(source):
        fail(f"{source} is not connected to {destination}")


def start(mode, program, count):
    process = subprocess.Popen(
        [program, mode, f"{SRC_CLIENT}:{SRC_PORT}", f"{SINK_CLIENT}:{SINK_PORT}", str(count), "10000"],
        stdout=subprocess.PIPE, text=True)
    line = process.stdout.readline().strip()
    if line != "ready":
        process.kill()
        fail(f"the echo program did not get ready (said {line!r}, exit {process.wait()})")
    return process


def program_ports():
    ports = subprocess.run(["jack_lsp"], capture_output=True, text=True).stdout.splitlines()
    return [p for p in ports if p.startswith("Lintra ")]


def run_notes(program):
    out, sink, received = open_ports()
    process = start("notes", program, len(NOTES))
    ports = program_ports()
    ensure_connected(f"{SRC_CLIENT}:{SRC_PORT}", next(p for p in ports if p.startswith("Lintra In")))
    ensure_connected(next(p for p in ports if p.startswith("Lintra Out")), f"{SINK_CLIENT}:{SINK_PORT}")

    echoes, trips = [], []
    for note in NOTES:
        sent = time.perf_counter()
        out.send_message([0x90, note, 127])
        try:
            arrived, message = received.get(timeout=2)
        except queue.Empty:
            break
        echoes.append(message)
        trips.append((arrived - sent) * 1000)
        out.send_message([0x80, note, 0])
        time.sleep(0.01)
    output, _ = process.communicate(timeout=15)
    expected = [[0x90, note, 127] for note in NOTES]
    if echoes != expected:
        fail(f"echoes differ: sent {expected}, got {echoes}; program said {output.strip()!r}")
    if process.returncode != 0:
        fail(f"echo program exit {process.returncode}: {output.strip()!r}")
    print(f"PASS notes: {len(echoes)} note-ons echoed in order; round trip ms "
          f"min {min(trips):.1f} median {statistics.median(trips):.1f} max {max(trips):.1f}")


def run_sysex(program):
    out, sink, received = open_ports()
    process = start("sysex", program, 3)
    fits = [0xF0, 0x7D, 0x01, 0x02, 0x03, 0xF7]
    too_long = [0xF0, 0x7D] + list(range(30)) + [0xF7]
    for message in (fits, too_long, fits, [0x90, 60, 100]):  # the third finds no buffer
        out.send_message(message)
        time.sleep(0.05)
    output, _ = process.communicate(timeout=15)
    lines = output.strip().splitlines()
    expected = [
        "long 6 " + bytes(fits).hex(),
        "longerror 16 " + bytes(too_long[:16]).hex(),
        "short 643c90",
        "reset returned 1",
        "closed 0",
    ]
    if lines != expected:
        fail(f"sysex report differs:\n expected {expected}\n got      {lines}")
    try:
        _, echo = received.get(timeout=2)
    except queue.Empty:
        fail("the complete system-exclusive message did not come back")
    if echo != fits:
        fail(f"sysex echo {echo} != {fits}")
    print("PASS sysex: fitting, overflowing and unbuffered messages handled; reset returned the queued buffer")


AWAY_S = 0.6


def run_replug(program):
    out, sink, received = open_ports()
    replugs = 2
    process = start("replug", program, replugs)
    for _ in range(replugs):
        out.close_port()
        out.delete()  # the client goes with its port, as a keyboard unplugged
        # Well under the window's one-second check, yet long enough that a loaded machine (the
        # sanitizer builds run this too) still gives the 100 ms look its turn while the port is away.
        time.sleep(AWAY_S)
        out = rtmidi.MidiOut(rtmidi.API_UNIX_JACK, name=SRC_CLIENT)
        out.open_virtual_port(SRC_PORT)
        time.sleep(0.3)
    output, _ = process.communicate(timeout=15)
    if process.returncode != 0:
        fail(f"the port away for {AWAY_S} s was not seen back: {output.strip()!r}, exit {process.returncode}")
    print(f"PASS replug: the port away for {AWAY_S} s, {replugs} times, was seen back each time")


if __name__ == "__main__":
    mode, program = sys.argv[1], sys.argv[2]
    {"notes": run_notes, "sysex": run_sysex, "replug": run_replug}[mode](program)
