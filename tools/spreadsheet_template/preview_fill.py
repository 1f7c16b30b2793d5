#!/usr/bin/python3
"""Fills a copy of the report template with sample texts, to look at it filled.

Usage: /usr/bin/python3 preview_fill.py TEMPLATE.xlsx OUT.xlsx [--prices-hidden]

It writes what the program writes: texts with the decimal comma into every
fixed cell, a four-parcela recommendation block in rows 35 to 39, the summary
per parcela from row 40, three untouched rows, the summary of all fertilisers,
three untouched rows, "Observações:" and the lines of the recommendations.
Like the program's filler, a cell that exists keeps its style and a new cell
takes its row style, or else its column style. Then convert and look:
  libreoffice --headless --convert-to pdf OUT.xlsx && pdftoppm -png -r 70 OUT.pdf out
"""

import copy
import sys

from openpyxl import load_workbook
from openpyxl.utils.cell import coordinate_to_tuple

FIXED = {
    "B2": "João Carlos da Silva Pereira", "I2": "123.456.789-09",
    "B3": "Linha Santa Rosa", "B4": "Ituporanga", "I4": "SC", "B5": "12345",
    "H7": "2024/0815",
    "B8": "35", "E8": "Classe 3", "B9": "5,4", "B10": "5,6", "B11": "8,5", "B12": "96",
    "B13": "3,2", "B14": "0,4", "B15": "4,1", "B16": "1,6", "B17": "5,5", "B18": "11,45",
    "B19": "52,0", "B20": "6,5", "B21": "12,0", "B22": "1,2", "B23": "0,8", "B24": "0,3", "B25": "45,0",
    "H11": "2,56", "H12": "16,71", "H13": "1.845,30",
    "H16": "2,1", "H17": "6,8", "H18": "35,8", "H19": "14,0", "H20": "41,3",
    "C27": "Sistema de Plantio Direto Consolidado", "B28": "2,5", "B29": "40",
    "B31": "4,6", "F31": "75", "B32": "6,1", "F32": "15,3",
}

RECOMMENDATION = [
    ["Nutriente", "Par. 1", "Par. 2", "Par. 3", "Par. 4"],
    ["N", "30,0", "40,0", "50,0", "40,0"],
    ["P2O5", "180", "", "", ""],
    ["K2O", "60,0", "45,0", "45,0", ""],
    ["S", "30", "", "", ""],
]

PER_PARCELA = [
    ["Parcela", "Adubo", "Kg/ha", "total (Kg)"],
    ["1", "Superfosfato triplo", "391,3", "978,3"],
    ["1", "Cloreto de potássio", "100,0", "250,0"],
    ["2", "Ureia", "88,9", "222,2"],
    ["3", "Nitrato de amônio", "156,3", "390,6"],
    ["4", "Ureia", "88,9", "222,2"],
]

TOTAL_SHOWN = [
    ["Item", "Adubo", "kg/ha", "RS/ha", "Total (kg)", "Total (R$)"],
    ["1", "Superfosfato triplo", "391,3", "1.056,51", "978,3", "2.641,28"],
    ["2", "Cloreto de potássio", "100,0", "240,00", "250,0", "600,00"],
    ["3", "Ureia", "177,8", "373,33", "444,4", "933,33"],
    ["4", "Nitrato de amônio", "156,3", "175,46", "390,6", "438,65"],
]

OBSERVATIONS = [
    "Recomendações",
    "Sobre a calagem: Aplicar calcário a lanço e incorporar na camada de 0 a 20 cm. Use calcário Dolomítico",
    "Sobre a adubação de Fósforo : Aplicar a lanço e incorporar antes do transplante.",
    "Sobre a adubação de Potássio: Parcelar a dose em cobertura.",
    "Sobre a adubação de Zinco:  : Não há necessidade de aplicação.",
    "Sobre a adubação de Boro    : Aplicar 1 kg/ha de B.",
    "Sobre a adubação de Manganes: Não há necessidade de aplicação.",
]


def put(ws, address, text):
    """Writes text like the program: an existing cell keeps its style, a new one
    takes the style of its row (when the row has one) or of its column."""
    exists = coordinate_to_tuple(address) in ws._cells
    cell = ws[address]
    if not exists:
        row = ws.row_dimensions[cell.row]
        column = ws.column_dimensions[cell.column_letter]
        if row.customFormat:
            cell._style = copy.copy(row._style)
        elif column.style_id:
            cell._style = copy.copy(column._style)
    cell.value = text if text != "" else None


def main(argv):
    if len(argv) not in (3, 4):
        sys.stderr.write(__doc__)
        return 2
    prices_hidden = len(argv) == 4 and argv[3] == "--prices-hidden"
    wb = load_workbook(argv[1])
    ws = wb.worksheets[0]
    for address, text in FIXED.items():
        put(ws, address, text)
    for c in range(len(RECOMMENDATION[0])):
        for r, row in enumerate(RECOMMENDATION):
            put(ws, f"{chr(ord('A') + c)}{35 + r}", row[c])
    for r, row in enumerate(PER_PARCELA):
        for c, text in enumerate(row):
            put(ws, f"{'ABCD'[c]}{40 + r}", text)
    R, T = len(PER_PARCELA), len(TOTAL_SHOWN)
    for r, row in enumerate(TOTAL_SHOWN):
        line = 43 + R + r
        texts = row if not prices_hidden else row[:3] + [row[4], "", ""]
        for c, text in enumerate(texts):
            put(ws, f"{'ABCDEF'[c]}{line}", text)
    put(ws, f"A{46 + R + T}", "Observações:")
    for i, text in enumerate(OBSERVATIONS):
        put(ws, f"A{47 + R + T + i}", text)
    wb.save(argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
