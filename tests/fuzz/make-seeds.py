#!/usr/bin/env python3
"""Writes the starting inputs of the fuzzers into DIR/<reader>/: small pieces of the sample
course and hand-made records, WAV headers and BMP pictures. Usage: make-seeds.py DIR"""
import pathlib
import struct
import sys

root = pathlib.Path(__file__).resolve().parents[2]
data = root / "content" / "DATA"
out = pathlib.Path(sys.argv[1])


def put(reader, name, blob):
    d = out / reader
    d.mkdir(parents=True, exist_ok=True)
    (d / name).write_bytes(blob)


def head(path, lines):
    return b"".join(path.read_bytes().splitlines(keepends=True)[:lines])


for i, f in enumerate(sorted(data.glob("*.DAT"))[::6]):
    put("datalines", f.name, head(f, 12))
    for j, line in enumerate(f.read_bytes().splitlines()[:4]):
        put("scrambling", f"{f.stem}-{j}", line)
for f in sorted((root / "content" / "PROGRAM").glob("*.INI")):
    put("settings", f.name, f.read_bytes())
put("settings", "mixed", b"; note\n[path]\ndiagnospath=..\\RES\n[SETTINGS]\r\nSOUNDS=0\r\n"
    b"TIMESHOWINGCORRECTANSWER=99999999999\r\nFRENCHPICTURES=1")
for f in sorted(data.glob("R*.R0*"))[::8]:
    put("rules", f.name, f.read_bytes())
for f in sorted(data.glob("*.fr*"))[::3]:
    put("wordlists", f.name, head(f, 10))
for f in sorted(data.glob("*.ORD"))[:3]:
    put("horoscope", f.name, f.read_bytes())
put("horoscope", "FRA42000", head(data / "FRA42000.DAT", 40))
put("speed", "FRA41000", head(data / "FRA41000.DAT", 30))
put("reveal", "FRA43000", head(data / "FRA43000.DAT", 30))
put("story", "FRA44000", head(data / "FRA44000.DAT", 30))


def pstr(text, field):
    b = text.encode("cp1252")[: field - 1]
    return bytes([len(b)]) + b + b"\0" * (field - 1 - len(b))


def diagnosis(name, password, result):
    rec = pstr(name, 22) + pstr(password, 11) + b"\0" * 3
    rec += struct.pack("<20i", *([result] * 20)) + bytes(range(20))
    for v in (2026, 12, 6, 10, 30):
        rec += struct.pack("<20H", *([v] * 20))
    assert len(rec) == 336
    return rec


put("diagnosis", "one", diagnosis("Anna Öberg", "hemligt", 17))
put("diagnosis", "two-stray", diagnosis("Bo", "", -1) + diagnosis("CÉCILE", "x", 99) + b"\x07\x08")
put("diagnosis", "password", pstr("VAKT", 27) + pstr("LOSEN", 27))


def score(name, score):
    return pstr(name, 22) + struct.pack("<5Hi", 2026, 12, 6, 10, 30, score)


put("records", "three", score("Anna", 300) + score("Bo", 120) + score("Åsa", -5))
put("records", "stray", score("X" * 30, 2**31 - 1) + b"abc")


def level(name, lvl):
    b = name.encode("cp1252")
    return b + b"\0" * (256 - len(b)) + struct.pack("<i", lvl)


put("levels", "two", level("ANNA", 3) + level("Bo", 12))
put("levels", "stray", level("Z" * 255, -7) + b"\x01\x02")


def journal(old, patches, cut=0):
    """The journal of patches [(offset, bytes)] to a level store holding `old`."""
    u64 = lambda v: struct.pack("<Q", v)
    final = max([len(old)] + [o + len(b) for o, b in patches])
    out = b"ORVELA JOURNAL 2\n" + u64(len(old)) + u64(final) + u64(len(patches))
    for o, b in patches:
        before = old[o:o + len(b)] if o < len(old) else b""
        out += u64(o) + u64(len(before)) + before + u64(len(b)) + b
    h = 14695981039346656037
    for byte in out:
        h = ((h ^ byte) * 1099511628211) % 2**64
    out += u64(h)
    return out[:len(out) - cut]


two = level("ANNA", 3) + level("Bo", 12)
put("journal", "append", journal(two, [(520, level("Siv", 4))]))
put("journal", "level", journal(two, [(256, struct.pack("<i", 7)), (516, struct.pack("<i", 2))]))
put("journal", "stale", journal(level("ANNA", 5) + level("Bo", 12), [(256, struct.pack("<i", 6))]))
put("journal", "cut", journal(two, [(520, level("Eva", 9))], cut=5))
put("journal", "empty", b"")


def wav(fmt_tag=1, channels=1, rate=22050, bits=16, data_len=8, claimed=None, extra=b""):
    align = channels * bits // 8
    fmt = struct.pack("<HHIIHH", fmt_tag, channels, rate, rate * align, align, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + extra
    body += b"data" + struct.pack("<I", data_len if claimed is None else claimed) + b"\0" * data_len
    return b"RIFF" + struct.pack("<I", len(body)) + body


put("wav", "pcm", wav())
put("wav", "stereo8", wav(channels=2, bits=8, rate=8000))
put("wav", "list-chunk", wav(extra=b"LIST" + struct.pack("<I", 5) + b"abcde\0"))
put("wav", "truncated", wav(claimed=1000000))


def bmp(width, height, top_down=False):
    stride = (width * 3 + 3) & ~3
    pixels = bytes((x * 7 + y * 13) % 256 for y in range(height) for x in range(stride))
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, 24, 0,
                       len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54) + info + pixels


put("bmp", "2x2", bmp(2, 2))
put("bmp", "3x1", bmp(3, 1))
put("bmp", "1x3-topdown", bmp(1, 3, True))
