#!/usr/bin/env python3
"""Writes the seed corpora of gpx_fuzz, tcx_fuzz and fit_fuzz under corpus/: small hand-made
activities (a run along a meridian, one with two segments and a GPS jump, laps only, FIT files
with normal and compressed-timestamp headers in both byte orders). Run from any directory."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def write(target, name, data):
    os.makedirs(os.path.join(HERE, target), exist_ok=True)
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(os.path.join(HERE, target, name), mode) as f:
        f.write(data)


def clock(s):
    return "2026-05-03T08:%02d:%02dZ" % (s // 60 % 60, s % 60)


def gpx(segments):
    out = ['<?xml version="1.0"?><gpx version="1.1" creator="seed"><trk>']
    for seg in segments:
        out.append("<trkseg>")
        for lat, s in seg:
            out.append('<trkpt lat="%.6f" lon="0.5"><time>%s</time></trkpt>' % (lat, clock(s)))
        out.append("</trkseg>")
    out.append("</trk></gpx>\n")
    return "".join(out)


write("gpx_fuzz", "run", gpx([[(0.001 * i, 25 * i) for i in range(12)]]))
jump = [(0.001 * i, 25 * i) for i in range(8)]
jump[4] = (0.05, 100)
write("gpx_fuzz", "segments_and_jump", gpx([jump, [(0.02 + 0.001 * i, 900 + 20 * i) for i in range(6)]]))
write("gpx_fuzz", "no_times", '<gpx version="1.1"><trk><trkseg><trkpt lat="1" lon="2"/></trkseg></trk></gpx>')


def tcx(laps, points):
    out = ['<?xml version="1.0"?><TrainingCenterDatabase><Activities><Activity Sport="Running">'
           '<Id>2026-05-03T08:00:00Z</Id>']
    for t, d in laps:
        out.append("<Lap><TotalTimeSeconds>%s</TotalTimeSeconds><DistanceMeters>%s</DistanceMeters>" % (t, d))
        if points:
            out.append("<Track>")
            for s, m, pos in points:
                out.append("<Trackpoint><Time>%s</Time>" % clock(s))
                if pos:
                    out.append("<Position><LatitudeDegrees>%.6f</LatitudeDegrees>"
                               "<LongitudeDegrees>0</LongitudeDegrees></Position>" % pos)
                if m is not None:
                    out.append("<DistanceMeters>%s</DistanceMeters>" % m)
                out.append("</Trackpoint>")
            out.append("</Track>")
        out.append("</Lap>")
    out.append("</Activity></Activities></TrainingCenterDatabase>\n")
    return "".join(out)


write("tcx_fuzz", "laps_and_distances", tcx([(600, 2000)], [(30 * i, 100 * i, None) for i in range(21)]))
write("tcx_fuzz", "positions", tcx([(300, 1000)], [(25 * i, None, 0.001 * i) for i in range(12)]))
write("tcx_fuzz", "laps_only", tcx([(1085.5, 5000), (300, 1000)], []))


def crc(data, value=0):
    for byte in data:
        value ^= byte
        for _ in range(8):
            value = (value >> 1) ^ 0xA001 if value & 1 else value >> 1
    return value


class Fit:
    def __init__(self):
        self.data = bytearray()
        self.defs = {}

    def define(self, local, glob, fields, big=False):
        e = ">" if big else "<"
        self.data += bytes([0x40 | local, 0, 1 if big else 0]) + struct.pack(e + "H", glob)
        self.data += bytes([len(fields)]) + b"".join(bytes(f) for f in fields)
        self.defs[local] = (fields, e)

    def values(self, local, vals):
        fields, e = self.defs[local]
        for (_, size, _), v in zip(fields, vals):
            self.data += struct.pack(e + {1: "B", 2: "H", 4: "I"}[size], v)

    def record(self, local, vals):
        self.data += bytes([local])
        self.values(local, vals)

    def compressed(self, local, offset, vals):
        self.data += bytes([0x80 | (local << 5) | (offset & 0x1F)])
        self.values(local, vals)

    def bytes(self):
        head = bytes([14, 0x20]) + struct.pack("<HI", 21000, len(self.data)) + b".FIT"
        head += struct.pack("<H", crc(head))
        body = head + bytes(self.data)
        return body + struct.pack("<H", crc(body))


START = 1093000000
fit = Fit()
fit.define(0, 0, [(0, 1, 0)])
fit.record(0, [4])
fit.define(1, 20, [(253, 4, 0x86), (5, 4, 0x86)])
for i in range(120):
    fit.record(1, [START + i, 400 * i])
fit.define(2, 19, [(253, 4, 0x86), (2, 4, 0x86), (7, 4, 0x86), (8, 4, 0x86), (9, 4, 0x86)])
fit.record(2, [START + 120, START, 120000, 119000, 47600])
fit.define(3, 18, [(253, 4, 0x86), (2, 4, 0x86), (7, 4, 0x86), (8, 4, 0x86), (9, 4, 0x86)])
fit.record(3, [START + 120, START, 120000, 119000, 47600])
write("fit_fuzz", "records_lap_session", fit.bytes())

fit = Fit()
fit.define(0, 20, [(253, 4, 0x86), (0, 4, 0x85), (1, 4, 0x85)], big=True)
fit.record(0, [START, 0, 0])
fit.define(1, 20, [(0, 4, 0x85), (1, 4, 0x85), (3, 1, 2)], big=True)
for i in range(1, 12):
    fit.compressed(1, (START + 25 * i) & 0x1F, [11930 * i, 0, 150])
write("fit_fuzz", "compressed_big_endian", fit.bytes())

fit = Fit()
fit.define(0, 0, [(0, 1, 0)])
fit.record(0, [6])
write("fit_fuzz", "course", fit.bytes())
