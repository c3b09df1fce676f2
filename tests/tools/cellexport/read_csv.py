"""Reads a CSV file as a spreadsheet program would and prints it as JSON.

Usage: read_csv.py FILE DELIMITER DECIMAL_MARK
Prints {"byte_order_mark": bool, "rows": [[cell, ...], ...]}: a cell that reads as a number with the
given decimal mark becomes a JSON number, any other stays a string.
"""
import csv
import json
import sys


def cell_value(text, decimal_mark):
    other_mark = "." if decimal_mark == "," else ","
    if other_mark in text:
        return text
    try:
        return float(text.replace(decimal_mark, "."))
    except ValueError:
        return text


def main():
    path, delimiter, decimal_mark = sys.argv[1:4]
    with open(path, "rb") as raw:
        byte_order_mark = raw.read(3) == b"\xef\xbb\xbf"
    with open(path, encoding="utf-8-sig", newline="") as text:
        rows = [[cell_value(cell, decimal_mark) for cell in row] for row in csv.reader(text, delimiter=delimiter)]
    json.dump({"byte_order_mark": byte_order_mark, "rows": rows}, sys.stdout, ensure_ascii=False)


main()
