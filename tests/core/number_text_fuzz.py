"""Fuzzes the opacity prompt's number conversion against Python's exact
decimals, an oracle written apart from it: random short texts over the
characters that matter, and numbers whose long runs of zeros and large
exponents cancel, up to about two million characters.

Usage: number_text_fuzz.py PROBE [SECONDS]  (10 by default)"""

import random
import re
import subprocess
import sys
import time
from decimal import ROUND_HALF_EVEN, Decimal

NUMBER = re.compile(r"[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?")
ALPHABET = "0123456789+-.eE ,\tx\x01\x7fa"


def oracle(text):
    text = text.strip(" \t")
    if not NUMBER.fullmatch(text):
        return "mismatch"
    value = Decimal(text)
    if value == 0 or value.adjusted() < -2:  # below 0.01: rounds to 0
        return "0"
    if value.adjusted() >= 6:  # a million or more
        return "overflow"
    whole = int(value.to_integral_value(rounding=ROUND_HALF_EVEN))
    return str(whole) if -32768 <= whole <= 32767 else "overflow"


def short_text(rng):
    return "".join(rng.choice(ALPHABET) for _ in range(rng.randint(0, 24)))


def long_number(rng):
    """Digits with a long run of zeros before or after them, and an exponent
    that moves the point back near them, give or take a few places."""
    zeros = rng.choice([rng.randint(0, 50), rng.randint(0, 5000), rng.randint(0, 2_000_000)])
    digits = str(rng.randint(1, 99999))
    tail = rng.choice(["", "5", "50", "49", "51", "0" * rng.randint(1, 30) + "1"])
    sign = rng.choice(["", "+", "-"])
    if rng.random() < 0.5:  # 0.000...digits e+(zeros + k)
        text = "0." + "0" * zeros + digits + tail
        exponent = zeros + len(digits) + rng.randint(-8, 3)
    else:  # digits000... e-(zeros + k)
        text = digits + "0" * zeros + ("." + tail if tail else "")
        exponent = -(zeros + rng.randint(-3, 8))
    blank = rng.choice(["", " ", "\t"])
    return f"{blank}{sign}{text}{rng.choice('eE')}{exponent:+d}"


def main(probe, seconds=10.0):
    rng = random.Random(20261208)
    end = time.time() + float(seconds)
    runs = 0
    while time.time() < end:
        batch = [short_text(rng) if rng.random() < 0.7 else long_number(rng) for _ in range(200)]
        batch = [t for t in batch if "\n" not in t]
        out = subprocess.run([probe], input="\n".join(batch) + "\n", capture_output=True,
                             text=True, check=True).stdout.split("\n")
        for text, got in zip(batch, out):
            want = oracle(text)
            assert got == want, f"{text[:60]!r}... ({len(text)} chars): {got}, not {want}"
        runs += len(batch)
    print(f"{runs} texts, the longest up to 2 MB: all as the exact decimals say")
    print(f"{runs} passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
