#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the committed seed corpora again: small well-formed inputs and their near
# misses, so each fuzzer starts inside the formats rather than guessing magic bytes.
# Needs python3 and ImageMagick's convert (both installed by scripts/deps.sh --test).
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p corpus/value corpus/standards corpus/lookup corpus/cli corpus/labels corpus/jpeg corpus/wav
cd corpus

python3 - <<'PY'
import struct

def value(name, mode, payload):
    open(f"value/{name}", "wb").write(bytes([mode]) + payload)

# Mode byte: bit 0 UTF-16, bits 1-2 unit, bit 3 three digits, bit 4 long double.
value("ohms-4700", 0x00, b"4700")
value("kilo-three-digits", 0x0A, b"472")
value("mega-largest", 0x04, b"999")
value("base-largest", 0x08, b"999000000")
value("one", 0x08, b"1")
value("signs", 0x00, b"+12")
value("negative", 0x00, b"-5")
value("int64-min", 0x00, b"-9223372036854775808")
value("int64-over", 0x00, b"9223372036854775808")
value("int32-edge", 0x00, b"2147483648")
value("utf16-digits", 0x01, "1234".encode("utf-16-le"))
value("utf16-devanagari", 0x01, "\u0967\u0968".encode("utf-16-le"))
value("utf8-fullwidth", 0x00, "\uff11\uff12".encode("utf-8"))
value("markup", 0x00, b"<b>12</b>")
value("empty", 0x00, b"")
value("spaces", 0x00, b" 12 ")
# A long double: cap byte, 8 bytes of mantissa, 2 of sign and exponent (bias 16500).
value("format-tie", 0x10, bytes([9]) + struct.pack("<QH", 1005, 16500))
value("format-huge", 0x10, bytes([9]) + struct.pack("<QH", 2**64 - 1, 16500 + 200))
value("format-negative", 0x10, bytes([9]) + struct.pack("<QH", 47, 0x8000 | 16500))

def standards(name, mode, payload):
    open(f"standards/{name}", "wb").write(bytes([mode]) + payload)

# Mode byte: bits 0-1 UTF-8 text, UTF-16 text, band code, double; bit 2 capacitance.
# Band bytes index black..white, gold, silver, none, then a colour that is no band's.
standards("letters-4K7", 0x00, b"4K7")
standards("letters-R47", 0x00, b"R47")
standards("letters-milli-refused", 0x00, b"4m7")
standards("letters-4n7", 0x04, b"4n7")
standards("letters-micro", 0x04, "68\u00b5".encode("utf-8"))
standards("letters-utf16", 0x05, "2p2".encode("utf-16-le"))
standards("letters-two-letters", 0x00, b"1K2K")
standards("bands-10k-reversed", 0x02, bytes([1, 1, 0, 0, 2, 1]))
standards("bands-6-with-tfr", 0x02, bytes([3, 1, 1, 0, 2, 1, 2]))
standards("bands-no-tolerance", 0x02, bytes([0, 4, 7, 2, 12]))
standards("bands-capacitor", 0x06, bytes([0, 1, 6, 0, 1]))
standards("double-5k14", 0x03, struct.pack("<d", 5140.0))
standards("double-nan", 0x03, struct.pack("<d", float("nan")))
standards("double-1e15", 0x07, struct.pack("<d", 1e15))

def lookup(name, mode, text):
    payload = text.encode("utf-16-le") if mode & 1 else text.encode("utf-8")
    open(f"lookup/{name}", "wb").write(bytes([mode]) + payload)

# Mode byte: bit 0 UTF-16, bit 1 capacitance, bits 2-3 locale (C, German, US, Egypt).
lookup("value-comma", 0x04, "6,4k")
lookup("value-exponent", 0x00, "4.7e3")
lookup("value-unit-space", 0x04, "10,00 KOhm")
lookup("letter-4K7", 0x00, "4K7")
lookup("letter-4u7", 0x02, "4\u00b57")
lookup("smd-1002", 0x00, "1002")
lookup("eia96-01C", 0x00, "01C")
lookup("ambiguous-10R", 0x00, "10R")
lookup("cap3-104", 0x02, "104")
lookup("colours-both-ends", 0x00, "brown black black red brown")
lookup("colours-gray-purple", 0x01, "Gray-purple,red gold")
lookup("colours-six", 0x00, "brown black black red brown red")
lookup("arabic-digits", 0x0C, "\u0664\u0667\u0660\u0660")
lookup("rubbish", 0x00, "<b>4 7\u0000</b>")

def cli(name, *args):
    open(f"cli/{name}", "wb").write(b"\0".join(a.encode("utf-8") for a in args))

# One argument list per seed, arguments separated by NUL bytes.
cli("decode-5-bands", "decode", "brown", "black", "black", "red", "brown", "--json")
cli("decode-bad-colour", "decode", "chartreuse", "red", "red")
cli("encode-6-bands", "encode", "--digits", "3", "--tolerance", "1", "--tcr", "50", "4k75")
cli("encode-capacitor", "encode", "--capacitor", "4\u00b57", "--json")
cli("nearest-all", "nearest", "4.6k")
cli("parallel-tolerances", "parallel", "--json", "4.7k/5%", "1k/1")
cli("series-capacitors", "series", "--capacitor", "100nF", "47n")
# A stock file follows a byte 0x01; the argument @stock names it.
def cli_stock(name, content, *args):
    open(f"cli/{name}", "wb").write(b"\0".join(a.encode("utf-8") for a in args) + b"\x01" + content)

cli_stock("stock-drawer", b"# drawer 3\n1k\n2k2  # two left\n\n3.3k\n", "combine", "--stock", "@stock", "3.2k", "--json")
cli_stock("stock-bad-token", b"1k\n\x1b]0;x\x07 4k7\n", "combine", "--stock", "@stock", "1k")
cli_stock("stock-exponent", b"4.7e3\n1E6\n", "combine", "--stock", "@stock", "--parts", "3", "--exclude", "1M", "5k")
cli("decode-iec", "decode", "--chart", "iec", "brown", "black", "black", "red", "orange", "grey", "--json")
cli("marking-eia96", "marking", "--json", "10R")
cli("marking-cap3", "marking", "--capacitor", "479")
cli("combine-three", "combine", "--series", "E12", "--parts", "3", "--exclude", "4k7", "--top", "3", "4.7k")
cli("help", "combine", "--help")
cli("version", "--version")

def wav(name, chunks, riff_size=None):
    body = b"WAVE" + b"".join(chunks)
    size = len(body) if riff_size is None else riff_size
    open(f"wav/{name}", "wb").write(b"RIFF" + struct.pack("<I", size) + body)

def fmt(channels, rate, bits, tag=1, extra=b""):
    align = channels * bits // 8
    payload = struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits) + extra
    return b"fmt " + struct.pack("<I", len(payload)) + payload

def data(samples, declared=None):
    return b"data" + struct.pack("<I", len(samples) if declared is None else declared) + samples

wav("mono8", [fmt(1, 8000, 8), data(bytes(range(0, 256, 8)))])
wav("stereo16", [fmt(2, 44100, 16), data(struct.pack("<8h", 0, 1000, -1000, 32767, -32768, 5, -5, 0))])
wav("list-odd-pad", [fmt(1, 11025, 8), b"LIST" + struct.pack("<I", 5) + b"INFOx\0", data(b"\x80\x81\x82")])
wav("fmt-extension", [fmt(1, 22050, 16, extra=b"\0\0"), data(b"\0\1\2\3")])
wav("data-too-long", [fmt(2, 8000, 16), data(b"\1\2\3\4\5\6", declared=1000)])
wav("compressed", [fmt(1, 8000, 8, tag=3), data(b"\0\0\0\0")])
wav("data-before-fmt", [data(b"\0\0"), fmt(1, 8000, 8)])
wav("riff-size-lies", [fmt(1, 8000, 8), data(b"\x10\x20")], riff_size=7)

# Labels: the mode byte, then a value list (or a serialised layout with bit 2).
def labels(name, mode, payload):
    open(f"labels/{name}", "wb").write(bytes([mode]) + payload)

labels("lines", 0x00, b"# drawer 1\n4k7\n22k  # top\n-\n1M\n")
labels("crlf-capacitors", 0x01, b"100n\r\n4n7\r\n\r\n22p\r\n")
labels("items", 0x02, b"4k7,22k,-,0.47")
labels("bad-line", 0x00, b"4k7\n4k7x\n")
labels("small-sheet-folded", 0x28, b"4.99k\n12.34k\n1T\n")
labels("layout-truncated", 0x04, b"1LLK\x00\x00\x00\x01")
PY

# Three ways to code a picture (baseline, progressive, greyscale) plus restart
# markers and 4:2:0 sampling, each tiny, and one cut short.
convert -size 16x8 gradient:red-blue -quality 90 jpeg/baseline.jpg
convert -size 16x16 plasma:fractal -seed 1 -interlace JPEG -quality 80 jpeg/progressive.jpg 2>/dev/null ||
  convert -size 16x16 gradient:white-green -interlace JPEG -quality 80 jpeg/progressive.jpg
convert -size 9x7 gradient:black-white -colorspace Gray -quality 75 jpeg/grey.jpg
convert -size 24x16 gradient:yellow-navy -sampling-factor 2x2 -define jpeg:restart-interval=1 jpeg/restart.jpg
head -c 200 jpeg/baseline.jpg > jpeg/truncated.jpg

# The sound the button really plays.
cp ../../widgets/resources/PREKO.wav wav/hover-sound.wav
