#!/usr/bin/python3
"""Prints the cells of an .xlsx workbook as JSON: per sheet, per cell its
value, whether it is bold and its number format; and the column widths."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
out = {}
for sheet in book.worksheets:
    cells = {}
    for row in sheet.iter_rows():
        for c in row:
            if c.value is None:
                continue
            cells[c.coordinate] = {"value": c.value, "bold": bool(c.font and c.font.b),
                                   "format": c.number_format}
    widths = {k: d.width for k, d in sheet.column_dimensions.items() if d.width}
    out[sheet.title] = {"cells": cells, "widths": widths}
json.dump(out, sys.stdout, ensure_ascii=False)
