#!/usr/bin/env python3
"""Writes the seed corpora in fuzz/corpus/<target>/: a few inputs per target that reach the
deep paths at once (every unit answering, the fallback counting units, values at the size
limit, tokens in texts), written in the byte encoding that FuzzInput, FuzzedUnits and each
target read. Run it again after changing that encoding; the fuzzer finds the rest. Inputs
kept from findings sit beside these seeds and are left alone."""
import pathlib
import struct

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"

# ---- fuzz_driver_replies: one byte per open, one decision byte per request (FuzzedUnits).
OPEN, NO_OPEN = b"\x01", b"\x00"
FAIL = b"\x00"


def full(payload):
    return b"\x01" + payload


def long_reply(payload):
    return b"\x03" + struct.pack("<H", len(payload)) + payload


def short_reply(payload):
    return b"\x07" + bytes([len(payload)]) + payload


def words(*values):
    return struct.pack("<%di" % len(values), *values)


def settings(level=5, smaller=0, adjust_a=0, status=1):
    rate_table = words(*range(70))
    tail = words(1, smaller, level, 1, 1, adjust_a, 1, 0, 0, 1, 0)
    return rate_table + tail + words(status)


def stream_state(units, rate):
    return words(0, units, rate, 0, 0, 0, 0, 0)


def info(text, length=None):
    data = text.encode()
    return words(0) + struct.pack("<I", len(data) if length is None else length) + data


def absent_slots(count, per_slot=1):
    return NO_OPEN * (count * per_slot)


def probed(reply):
    """A settings request with the probe: probe open, second open, the request."""
    return OPEN + OPEN + reply


def raw_arithmetic(level, smaller, units, rate, range_max, pos):
    return words(level, smaller, units, rate, range_max, pos) + b"\x01"


def one_unit_direct():
    load = probed(full(settings(status=1)))
    write = words(0) + probed(full(settings(status=1))) + absent_slots(3)
    retry = probed(full(settings(status=0))) + absent_slots(3)
    query = OPEN + full(stream_state(1, 48000))
    count = OPEN + short_reply(info("ABCD")) + OPEN + full(words(0, 48000)) + absent_slots(3)
    return load + write + retry + query + count + raw_arithmetic(5, 0, 1, 48000, 9, 5)


def fallback_pass():
    """No stream state anywhere; slot 0 fails its information request, slot 1 is the first
    unit, slot 2 matches it with its mode set, slot 3 differs with no mode: both counted."""
    return (
        OPEN + FAIL
        + OPEN + short_reply(info("Talvex")) + OPEN + full(words(0, 44100))
        + OPEN + short_reply(info("TALVEX")) + OPEN + full(words(1)) + OPEN + full(words(0, 44100))
        + OPEN + short_reply(info("another")) + NO_OPEN + OPEN + full(words(0, 44100))
    )


def four_units_fallback():
    load = NO_OPEN + probed(full(settings(level=42, adjust_a=1 << 30, status=1)))
    write = words(7) + NO_OPEN
    for status in (1, 3, 0):
        write += probed(long_reply(settings(status=status)))
    query = (OPEN + full(stream_state(0, 0))) * 4 + fallback_pass()
    return load + write + query + fallback_pass() + raw_arithmetic(-1, 1, 4, 192001, 9, 0)


def extreme_words():
    load = probed(full(settings(level=-(1 << 31), smaller=-1, adjust_a=-(1 << 31), status=-1)))
    write = words(-1) + (OPEN + OPEN + b"\x08" + settings(status=2)) * 4
    query = OPEN + full(stream_state(-5, 0x7FFFFFFF))
    count = (OPEN + long_reply(info("x", length=0xFFFFFFFF)) + OPEN + full(words(0, -1))
             + (OPEN + long_reply(info("x", length=0xFFFFFFFF)) + OPEN + FAIL
                + OPEN + full(words(0, -1))) * 3)
    return load + write + query + count + raw_arithmetic(0x7FFFFFFF, 5, -7, -(1 << 31),
                                                         0x7FFFFFFF, -(1 << 31))


# ---- fuzz_registry_values: a layout byte, the present values, then four texts.
KEY, DEFAULT, VERSION, COPYRIGHT, READS_FAIL, README_FILE, README_DIR = (
    0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40)


def utf16(text, terminated=True):
    return (text + ("\0" if terminated else "")).encode("utf-16-le")


def value(data):
    return struct.pack("<H", len(data)) + data


def text(t):
    units = t.encode("utf-16-le")
    return bytes([len(units) // 2]) + units


STRINGS = (text("__MODEL__ Driver Settings") + text("__MODEL__ Driver __VERSION__")
           + text("Copyright notice") + text("Readme\\Readme_EN.htm"))


def english_install():
    return (bytes([KEY | DEFAULT | VERSION | COPYRIGHT | README_FILE])
            + value(utf16("C:\\Program Files\\Talvex")) + value(utf16("1.0.0"))
            + value(utf16("(c) Talvex")) + STRINGS)


def limit_values():
    """A folder of an odd byte count with no NUL, a version of 178 characters (shown) and a
    copyright of 179 (absent: 360 bytes with its terminator)."""
    return (bytes([KEY | DEFAULT | VERSION | COPYRIGHT | README_DIR])
            + value(utf16("C:\\T", terminated=False) + b"x") + value(utf16("v" * 178))
            + value(utf16("c" * 179)) + STRINGS)


def tokens_in_values():
    return (bytes([KEY | DEFAULT | VERSION | README_FILE])
            + value(utf16("C:\\__VERSION__\\", terminated=False) + utf16("after the NUL"))
            + value(utf16("__MODEL__ __VERSION__")) + STRINGS)


def reads_fail():
    return bytes([KEY | DEFAULT | VERSION | COPYRIGHT | READS_FAIL]) + (value(utf16("x")) * 3) + STRINGS


# ---- fuzz_token_replace: a narrow flag, then token, replacement and text.
def narrow(t):
    return bytes([len(t)]) + bytes("ab_".index(c) for c in t)


SEEDS = {
    "fuzz_driver_replies": {
        "nothing-answers": b"",
        "one-unit-direct": one_unit_direct(),
        "four-units-fallback": four_units_fallback(),
        "extreme-words": extreme_words(),
    },
    "fuzz_registry_values": {
        "no-key": b"",
        "english-install": english_install(),
        "limit-values": limit_values(),
        "tokens-in-values": tokens_in_values(),
        "reads-fail": reads_fail(),
    },
    "fuzz_token_replace": {
        "overlapping-narrow": b"\x01" + narrow("aa") + narrow("aaa") + narrow("aaaaab_aa"),
        "token-in-replacement": b"\x00" + text("__MODEL__") + text("Talvex __MODEL__")
                                + text("__MODEL__ Driver __MODEL____MODEL__"),
        "empty-token": b"\x00" + text("") + text("x") + text("__VERSION__"),
        "shrinking": b"\x01" + narrow("a_b") + narrow("") + narrow("a_ba_a_b_a_bb"),
    },
}

for target, seeds in SEEDS.items():
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)
