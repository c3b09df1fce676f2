#!/usr/bin/python3
"""The work of `cellexport FILE...` written the short way, in Python with numpy, as the yardstick its
speed is measured against: each file read and checked, its header and series decoded, the chamber
temperatures smoothed by a quartic, the results grid, the characteristic points and the result
curves computed, and all tests printed as one JSON document {"tests": [...]}, each as soon as it is evaluated."""
import json
import math
import sys

import numpy as np

SLOT_SIZE = 10001
HEADER_SIZE, BLOCK_SIZE, LANE_SIZE = 1536, 2048, 512
CHORD_SPAN = 8
GRADES = ["F25", "F35", "F50", "F75", "F100", "F150", "F200", "F300", "F400", "F500", "F600", "F800",
          "F1000"]


def finite(value):
    return value if math.isfinite(value) else None


def series(values):
    return [finite(v) for v in values.tolist()]


def lanes(slot, chamber):
    start = HEADER_SIZE + BLOCK_SIZE * (chamber - 1)
    # The fourth channel's temperatures start two words into their lane.
    temperature_at = 0x2204 if chamber == 4 else start + 2 * LANE_SIZE
    time = np.frombuffer(slot, "<u2", 256, start).astype(float)
    volume = np.frombuffer(slot, "<i2", 256, start + LANE_SIZE) / 1000.0
    temperature = np.frombuffer(slot, "<i2", 256, temperature_at) / 10.0
    return time, volume, temperature


def header_texts(h):
    hours, minutes, seconds, day, month, year = h[5], h[4], h[3], h[6], h[7], 2000 + h[8]
    if hours > 23 or minutes > 59 or seconds > 59:
        raise ValueError("'     %02d:%02d:%02d' is not a valid date and time" % (hours, minutes, seconds))
    days = [31, 29 if year % 4 == 0 and (year % 100 or year % 400 == 0) else 28, 31, 30, 31, 30, 31, 31,
            30, 31, 30, 31]
    if not 1 <= month <= 12 or not 1 <= day <= days[month - 1]:
        raise ValueError("'     %02d.%02d.%d' is not a valid date and time" % (day, month, year))
    return "%02d:%02d:%02d" % (hours, minutes, seconds), "%02d.%02d.%d" % (day, month, year)


def characteristic_index(volume, temperature, count):
    j = np.arange(2, count - 2)
    minima = j[(volume[j] <= volume[j - 1]) & (volume[j] < volume[j + 1]) & (volume[j] < volume[j + 2])]
    if minima.size == 0:
        return None
    below = minima[temperature[minima] < 0.0]
    return int((below[0] if below.size else minima[-1]) - 1)


def evaluate(path):
    with open(path, "rb") as file:
        data = file.read(SLOT_SIZE + 1)
    if not 2 <= len(data) <= SLOT_SIZE:
        raise ValueError("File \"%s\" is not a test file of the dilatometer" % path)
    slot = data.ljust(SLOT_SIZE, b"\0")
    h = np.frombuffer(slot, np.uint8, 160)
    number = int(h[0]) | int(h[1]) << 8
    if not 1 <= number <= 999:
        raise ValueError("File \"%s\" holds test number %d" % (path, number))
    time_text, date_text = header_texts(h)
    cube = h[10] == 0
    dimensions = [[int(h[13 + 6 * k + 2 * d]) for d in range(3)] for k in range(3)]
    present = [int(h[45 + k]) for k in range(3)]
    counts = [int(h[37 + 2 * k]) for k in range(4)]
    counts[3] -= 3
    stored = np.frombuffer(slot, "<i2", 3, 50) / 1000.0

    volumes = [a * a * b * math.pi / 4000.0 if not cube else a * b * c / 1000.0 for a, b, c in dimensions]
    volumes.append(100.0 * 100 * 100 / 1000 if cube else 70.0 * 70 * 70 * math.pi / 4000)
    relative = [stored[k] / volumes[k] * 1000.0 if present[k] == 1 else None for k in range(3)]
    grid = [[str(a), str(b), str(c) if cube else "", "%.2f" % volumes[k], None, None, str(h[48]),
             "%g" % stored[k] if present[k] == 1 else None,
             "%.3f" % relative[k] if present[k] == 1 else None] for k, (a, b, c) in enumerate(dimensions)]
    nominal = ["100", "100", "100"] if cube else ["70", "70", ""]
    grid.append(nominal + ["%.2f" % volumes[3], None, None, None, None, None])

    chambers = []
    for chamber in range(1, 5):
        time, volume, temperature = lanes(slot, chamber)
        count = max(0, min(counts[chamber - 1], 256))
        entry = {"chamber": chamber, "characteristic_index": None, "result_first_slot": None,
                 "result": None}
        if chamber <= 3 and present[chamber - 1] == 1 and np.unique(time[:count]).size >= 5:
            fit = np.polynomial.polynomial.polyfit(time[:count], temperature[:count], 4)
            temperature[:count] = np.polynomial.polynomial.polyval(time[:count], fit)
            index = characteristic_index(volume, temperature, count)
            if index is not None and CHORD_SPAN <= index < count:
                first = index - CHORD_SPAN
                slope = (volume[index] - volume[first]) / (temperature[index] - temperature[first])
                offset = volume[index] - slope * temperature[index]
                result = volume[first:count] - slope * temperature[first:count] - offset
                entry.update(characteristic_index=index, result_first_slot=first, result=series(result))
        entry.update(time=series(time[:count]), volume_change=series(volume[:count]),
                     temperature=series(temperature[:count]))
        chambers.append(entry)

    fridge = np.frombuffer(slot, "<i2", 256, HEADER_SIZE + 3 * LANE_SIZE) / 10.0
    grade_index = int(h[94]) | int(h[95]) << 8
    return {
        "file": path, "test_number": number, "series": int(h[2]), "time": time_text, "date": date_text,
        "concrete_type": int(h[9]), "shape": int(h[10]), "strength_mpa": (int(h[11]) | int(h[12]) << 8) / 10,
        "treatment": int(h[48]), "dimensions": dimensions, "point_count": counts, "present": present,
        "stored_volume_change": stored.tolist(),
        "mean_relative_volume_change": (int(h[92]) | int(h[93]) << 8) / 1000, "grade_index": grade_index,
        "grade": GRADES[min(grade_index, 12)], "sample_volume": volumes, "relative_volume_change": relative,
        "grid": grid, "mean_text": "%g" % ((int(h[92]) | int(h[93]) << 8) / 1000),
        "grade_text": GRADES[min(grade_index, 12)], "chambers": chambers, "fridge_temperature": series(fridge[:max(0, counts[0])]),
        "warnings": [],
    }


def main(paths):
    # Each test is written as soon as it is evaluated, as cellexport does.
    failed = False
    out = sys.stdout
    out.write('{"tests":[')
    for number, path in enumerate(paths):
        try:
            test = evaluate(path)
        except (OSError, ValueError) as error:
            test = {"file": path, "error": str(error)}
            failed = True
        out.write(("," if number else "") + json.dumps(test, sort_keys=True, separators=(",", ":")))
    out.write("]}\n")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
