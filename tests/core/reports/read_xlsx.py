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
  read_xlsx.py sheet-last BOOK.xlsx OUT.xlsx
      a copy with every part stored uncompressed and the worksheet last.
  read_xlsx.py damaged BOOK.xlsx OUT.xlsx
      the same, with one byte of xl/workbook.xml changed after its CRC.
  read_xlsx.py huge-claim BOOK.xlsx OUT.xlsx
      a copy whose directory claims 4 GB for the worksheet.
  read_xlsx.py replaced BOOK.xlsx OUT.xlsx OLD NEW [OLD NEW...]
      a copy with each text OLD of the worksheet replaced by its NEW.
  read_xlsx.py part BOOK.xlsx NAME
      the bytes of the part NAME, in hexadecimal.
"""

import io
import re
import struct
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


SHEET = "xl/worksheets/sheet1.xml"


def sheet_last(path):
    """The bytes of a stored copy whose worksheet is the last part."""
    out = io.BytesIO()
    with zipfile.ZipFile(path) as source, zipfile.ZipFile(out, "w", zipfile.ZIP_STORED) as target:
        names = [n for n in source.namelist() if n != SHEET] + [SHEET]
        for name in names:
            target.writestr(name, source.read(name))
    return out.getvalue()


def damaged(path):
    data = bytearray(sheet_last(path))
    at = data.index(b"<workbook")
    data[at + 1] = ord("W")
    return bytes(data)


def huge_claim(path):
    with open(path, "rb") as f:
        data = bytearray(f.read())
    at = 0
    while True:
        at = data.find(b"PK\x01\x02", at)
        if at < 0:
            return bytes(data)
        name_length = struct.unpack_from("<H", data, at + 28)[0]
        if data[at + 46:at + 46 + name_length] == SHEET.encode():
            struct.pack_into("<I", data, at + 24, 0xFFFFFFF0)
        at += 46


def replaced(path, pairs):
    out = io.BytesIO()
    with zipfile.ZipFile(path) as source, zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as target:
        for info in source.infolist():
            data = source.read(info.filename)
            if info.filename == SHEET:
                for old, new in zip(pairs[::2], pairs[1::2]):
                    data = data.replace(old.encode(), new.encode())
            target.writestr(info, data)
    return out.getvalue()


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "cells":
        cells(sys.argv[2])
    elif command == "part":
        with zipfile.ZipFile(sys.argv[2]) as z:
            print(z.read(sys.argv[3]).hex())
    elif command == "with-formula":
        with_formula(sys.argv[2], sys.argv[3])
    else:
        made = {"sheet-last": lambda: sheet_last(sys.argv[2]),
                "damaged": lambda: damaged(sys.argv[2]),
                "huge-claim": lambda: huge_claim(sys.argv[2]),
                "replaced": lambda: replaced(sys.argv[2], sys.argv[4:])}[command]()
        with open(sys.argv[3], "wb") as f:
            f.write(made)
