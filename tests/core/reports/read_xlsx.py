#!/usr/bin/python3
"""Reads a workbook with openpyxl, for the tests of the spreadsheet report.

  read_xlsx.py cells BOOK.xlsx
      one line per cell of the first worksheet that has a value:
      ADDRESS TAB the value's UTF-8 bytes in hexadecimal; then
      "!dimension REF", and "!style ADDRESS font bold fill number-format
      horizontal-alignment" for every cell that exists.
  read_xlsx.py with-formula BOOK.xlsx OUT.xlsx
      a copy whose cell B2 holds a formula, with the calculation chain that
      a spreadsheet application keeps for it.
"""

import re
import sys
import zipfile

from openpyxl import load_workbook


def cells(path):
    wb = load_workbook(path)
    ws = wb.worksheets[0]
    for row in ws.iter_rows():
        for cell in row:
            if cell.value is not None:
                print(f"{cell.coordinate}\t{str(cell.value).encode('utf-8').hex()}")
    with zipfile.ZipFile(path) as z:
        sheet = z.read("xl/worksheets/sheet1.xml").decode("utf-8")
        print("!dimension " + re.search(r'<dimension ref="([^"]+)"', sheet).group(1))
        print("!entries " + " ".join(sorted(z.namelist())))
    for row in ws.iter_rows():
        for cell in row:
            fill = cell.fill.start_color.rgb if cell.fill and cell.fill.fill_type else "none"
            print(f"!style {cell.coordinate} {cell.font.name} {int(bool(cell.font.b))} {fill} "
                  f"{cell.number_format} {cell.alignment.horizontal}")


def with_formula(path, out):
    with zipfile.ZipFile(path) as source, zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as target:
        for info in source.infolist():
            data = source.read(info.filename)
            if info.filename == "xl/worksheets/sheet1.xml":
                data = data.replace(b'<c r="B2" s="6" t="n"></c>', b'<c r="B2" s="6"><f>1+1</f><v>2</v></c>')
            elif info.filename == "xl/_rels/workbook.xml.rels":
                data = data.replace(b"</Relationships>",
                                    b'<Relationship Type="http://schemas.openxmlformats.org/officeDocument/2006/'
                                    b'relationships/calcChain" Target="calcChain.xml" Id="rId9"/></Relationships>')
            elif info.filename == "[Content_Types].xml":
                data = data.replace(b"</Types>",
                                    b'<Override PartName="/xl/calcChain.xml" ContentType="application/'
                                    b'vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/></Types>')
            target.writestr(info, data)
        target.writestr("xl/calcChain.xml",
                        '<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
                        '<c r="B2" i="1"/></calcChain>')


if __name__ == "__main__":
    if sys.argv[1] == "cells":
        cells(sys.argv[2])
    else:
        with_formula(sys.argv[2], sys.argv[3])
