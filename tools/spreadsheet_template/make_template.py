#!/usr/bin/python3
"""Writes the spreadsheet report template Auxiliares/ModeloRelatorio.xlsx.

Usage: /usr/bin/python3 make_template.py [DATADIR]
       writes DATADIR/Auxiliares/ModeloRelatorio.xlsx; DATADIR defaults to the
       repository's data folder.

The program fills a copy of this workbook: it writes texts into fixed cells of
the first worksheet and, from row 35 down, blocks of rows whose length depends
on the data. The template therefore holds the labels beside the fixed cells,
an empty styled cell at every fixed address, styled cells for the recommendation
block (rows 35 to 39, columns A to J) and, below row 39, only row and column
styles, because the rows written there move with the data. The filler keeps the
style of an existing cell and gives a new cell its row or column style.

The whole layout is the data below; the code after it only turns it into a
workbook.
"""

import datetime
import io
import os
import sys
import zipfile

from openpyxl import Workbook, load_workbook
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side
from openpyxl.worksheet.properties import PageSetupProperties

# ------------------------------------------------------------------ layout

SHEET = "Relatório"
FONT = "Arial"
LAST_COLUMN = "J"

TITLE = "Bulbicalc - Recomendação de calagem e adubação para a cultura da cebola"

# Column widths in characters: A holds the labels of the left column, B the
# values beside them and the fertiliser names of the summaries below row 39.
COLUMN_WIDTHS = {
    "A": 25, "B": 24, "C": 10, "D": 10, "E": 10,
    "F": 10, "G": 10, "H": 10, "I": 10, "J": 10,
}

ROW_HEIGHTS = {1: 26, 6: 18, 26: 18, 30: 18, 34: 18}

# (cell or merged range, text, style). A range is merged; the text and style
# go to its top-left cell. text None marks a cell the program fills.
CELLS = [
    ("A1:J1", TITLE, "title"),

    ("A2", "Produtor:", "label"),
    ("B2:F2", None, "text"),
    ("H2", "CPF:", "label_right"),
    ("I2:J2", None, "text"),
    ("A3", "Localidade:", "label"),
    ("B3:F3", None, "text"),
    ("A4", "Município:", "label"),
    ("B4:F4", None, "text"),
    ("H4", "UF:", "label_right"),
    ("I4", None, "text"),
    ("A5", "Matrícula:", "label"),
    ("B5:D5", None, "text"),

    ("A6:J6", "Análise do solo", "heading"),
    ("A7", "Determinação", "column_head_left"),
    ("B7", "Resultado", "column_head"),
    ("F7:G7", "Laudo nº:", "label_right"),
    ("H7:I7", None, "text"),
    ("A8", "Argila (%)", "label"),
    ("B8", None, "number"),
    ("C8:D8", "Classe textural:", "label_right"),
    ("E8", None, "text"),
    ("A9", "pH", "label"),
    ("B9", None, "number"),
    ("A10", "Índice SMP", "label"),
    ("B10", None, "number"),
    ("A11", "P (mg/dm³)", "label"),
    ("B11", None, "number"),
    ("A12", "K (mg/dm³)", "label"),
    ("B12", None, "number"),
    ("A13", "Matéria orgânica (%)", "label"),
    ("B13", None, "number"),
    ("A14", "Al (cmolc/dm³)", "label"),
    ("B14", None, "number"),
    ("A15", "Ca (cmolc/dm³)", "label"),
    ("B15", None, "number"),
    ("A16", "Mg (cmolc/dm³)", "label"),
    ("B16", None, "number"),
    ("A17", "H+Al (cmolc/dm³)", "label"),
    ("B17", None, "number"),
    ("A18", "CTC (cmolc/dm³)", "label"),
    ("B18", None, "number"),
    ("A19", "Saturação por bases V (%)", "label"),
    ("B19", None, "number"),
    ("A20", "S (mg/dm³)", "label"),
    ("B20", None, "number"),
    ("A21", "Mn (mg/dm³)", "label"),
    ("B21", None, "number"),
    ("A22", "Zn (mg/dm³)", "label"),
    ("B22", None, "number"),
    ("A23", "Cu (mg/dm³)", "label"),
    ("B23", None, "number"),
    ("A24", "B (mg/dm³)", "label"),
    ("B24", None, "number"),
    ("A25", "Fe (mg/dm³)", "label"),
    ("B25", None, "number"),

    ("E10:H10", "Relações e saturações", "subheading"),
    ("E11:G11", "Relação Ca/Mg", "label"),
    ("H11", None, "number"),
    ("E12:G12", "Relação Ca/K", "label"),
    ("H12", None, "number"),
    ("E13:G13", "Custo da adubação (R$/ha)", "label"),
    ("H13", None, "number"),
    ("E15:H15", "Saturação da CTC", "subheading"),
    ("E16:G16", "Saturação de K (%)", "label"),
    ("H16", None, "number"),
    ("E17:G17", "Saturação de Al (%)", "label"),
    ("H17", None, "number"),
    ("E18:G18", "Saturação de Ca (%)", "label"),
    ("H18", None, "number"),
    ("E19:G19", "Saturação de Mg (%)", "label"),
    ("H19", None, "number"),
    ("E20:G20", "Saturação de H (%)", "label"),
    ("H20", None, "number"),

    ("A26:J26", "Dados da produção", "heading"),
    ("A27:B27", "Sistema de cultivo:", "label"),
    ("C27:F27", None, "text"),
    ("A28", "Área (ha)", "label"),
    ("B28", None, "number"),
    ("A29", "Rendimento esperado (t/ha)", "label"),
    ("B29", None, "number"),

    ("A30:J30", "Calagem", "heading"),
    ("A31", "Necessidade (PRNT 100%) t/ha", "label"),
    ("B31", None, "number"),
    ("D31:E31", "PRNT (%)", "label_right"),
    ("F31", None, "number"),
    ("A32", "Calcário comercial (t/ha)", "label"),
    ("B32", None, "number"),
    ("D32:E32", "Total na área (t)", "label_right"),
    ("F32", None, "number"),

    ("A34:J34", "Recomendação de adubação (kg/ha)", "heading"),
]

# The fixed cells the program writes, in its order; each must be a value cell
# of CELLS (checked after writing).
PROGRAM_CELLS = [
    "B2", "I2", "B3", "B4", "I4", "B5", "H7", "B8", "E8",
    "B9", "B10", "B11", "B12", "B13", "B14", "B15", "B16", "B17", "B18", "B19",
    "B20", "B21", "B22", "B23", "B24", "B25",
    "H11", "H12", "H13", "H16", "H17", "H18", "H19", "H20",
    "C27", "B28", "B29", "B31", "F31", "B32", "F32",
]
FIRST_BLOCK_ROW = 35

# The recommendation by parcela: a title row ("Nutriente", "Par. 1", ...) and
# the rows of N, P2O5, K2O and S, up to nine parcelas in columns B to J.
RECOMMENDATION_ROWS = range(35, 40)
RECOMMENDATION_STYLES = {
    "title": ("grid_head_left", "grid_head"),  # column A, columns B to J
    "body": ("grid_name", "grid_number"),
}
# Cells written beyond column J take these row styles.
RECOMMENDATION_ROW_STYLES = {"title": "row_head", "body": "row_number"}

# Below row 39 the summaries and the observations: column A the parcela or
# item number and the lines of the observations (left, so a long line runs on
# over the empty cells to its right), B the fertiliser name, C to F amounts.
BLOCK_COLUMN_STYLES = {
    "A": "plain_left", "B": "plain_left",
    "C": "plain_number", "D": "plain_number", "E": "plain_number", "F": "plain_number",
}

# ------------------------------------------------------------------ styles

BRAND = "FF7A1F45"     # the red of the onion in the logo
GREEN = "FF3F6F2A"     # the green of its leaves, for the section bands
GREEN_LIGHT = "FFE4EEDC"
VALUE_FILL = "FFF7F7F2"
LINE = "FFA6A6A6"

thin = Side(style="thin", color=LINE)
box = Border(left=thin, right=thin, top=thin, bottom=thin)


def font(**kw):
    return Font(name=FONT, size=kw.pop("size", 10), **kw)


def fill(rgb):
    return PatternFill(fill_type="solid", start_color=rgb, end_color=rgb)


STYLES = {
    "title": dict(font=font(size=14, bold=True, color=BRAND),
                  alignment=Alignment(horizontal="left", vertical="center"),
                  border=Border(bottom=Side(style="medium", color=BRAND))),
    "heading": dict(font=font(size=11, bold=True, color="FFFFFFFF"), fill=fill(GREEN),
                    alignment=Alignment(horizontal="left", vertical="center", indent=1)),
    "subheading": dict(font=font(bold=True, color=GREEN), fill=fill(GREEN_LIGHT),
                       alignment=Alignment(horizontal="left", vertical="center", indent=1)),
    "label": dict(font=font(), alignment=Alignment(horizontal="left", vertical="center")),
    "label_right": dict(font=font(), alignment=Alignment(horizontal="right", vertical="center", indent=1)),
    "column_head_left": dict(font=font(bold=True, color=GREEN),
                             alignment=Alignment(horizontal="left", vertical="center"),
                             border=Border(bottom=Side(style="thin", color=GREEN))),
    "column_head": dict(font=font(bold=True, color=GREEN),
                        alignment=Alignment(horizontal="right", vertical="center"),
                        border=Border(bottom=Side(style="thin", color=GREEN))),
    # Cells the program fills: texts (names) and numbers written as text.
    "text": dict(font=font(), fill=fill(VALUE_FILL), border=box, number_format="@",
                 alignment=Alignment(horizontal="left", vertical="center", indent=1)),
    "number": dict(font=font(), fill=fill(VALUE_FILL), border=box, number_format="@",
                   alignment=Alignment(horizontal="right", vertical="center", indent=1)),
    "grid_head_left": dict(font=font(bold=True, color="FFFFFFFF"), fill=fill(GREEN), border=box,
                           number_format="@", alignment=Alignment(horizontal="left", vertical="center", indent=1)),
    "grid_head": dict(font=font(bold=True, color="FFFFFFFF"), fill=fill(GREEN), border=box,
                      number_format="@", alignment=Alignment(horizontal="center", vertical="center")),
    "grid_name": dict(font=font(bold=True), fill=fill(GREEN_LIGHT), border=box, number_format="@",
                      alignment=Alignment(horizontal="left", vertical="center", indent=1)),
    "grid_number": dict(font=font(), fill=fill(VALUE_FILL), border=box, number_format="@",
                        alignment=Alignment(horizontal="right", vertical="center", indent=1)),
    "row_head": dict(font=font(bold=True), number_format="@",
                     alignment=Alignment(horizontal="center", vertical="center")),
    "row_number": dict(font=font(), number_format="@",
                       alignment=Alignment(horizontal="right", vertical="center")),
    "plain_left": dict(font=font(), number_format="@",
                       alignment=Alignment(horizontal="left", vertical="center")),
    "plain_number": dict(font=font(), number_format="@",
                         alignment=Alignment(horizontal="right", vertical="center")),
}

# ------------------------------------------------------------------ page

PAGE_HEADER_LEFT = '&"Arial,Bold"&10Bulbicalc'
PAGE_FOOTER_RIGHT = '&"Arial,Regular"&8Página &P de &N'

# Fixed document dates and zip entry times, so that running the script again
# writes the very same bytes.
FIXED_TIME = datetime.datetime(2024, 1, 1, 0, 0, 0)

# ------------------------------------------------------------------ build


def apply(target, style):
    for attribute, value in STYLES[style].items():
        setattr(target, attribute, value)


def build():
    wb = Workbook()
    ws = wb.active
    ws.title = SHEET
    wb.properties.creator = "Bulbicalc"
    wb.properties.title = TITLE
    wb.properties.created = FIXED_TIME
    wb.properties.modified = FIXED_TIME

    for column, width in COLUMN_WIDTHS.items():
        ws.column_dimensions[column].width = width
    for column, style in BLOCK_COLUMN_STYLES.items():
        apply(ws.column_dimensions[column], style)
    for row, height in ROW_HEIGHTS.items():
        ws.row_dimensions[row].height = height

    for where, text, style in CELLS:
        first = where.split(":")[0]
        cell = ws[first]
        if text is not None:
            cell.value = text
        apply(cell, style)
        if ":" in where:
            ws.merge_cells(where)  # copies the outer borders to the merged cells

    columns = [chr(c) for c in range(ord("A"), ord(LAST_COLUMN) + 1)]
    for row in RECOMMENDATION_ROWS:
        kind = "title" if row == RECOMMENDATION_ROWS[0] else "body"
        first_style, other_style = RECOMMENDATION_STYLES[kind]
        for column in columns:
            apply(ws[f"{column}{row}"], first_style if column == "A" else other_style)
        apply(ws.row_dimensions[row], RECOMMENDATION_ROW_STYLES[kind])

    ws.sheet_view.showGridLines = False
    ws.print_options.gridLines = False
    ws.print_options.horizontalCentered = True
    ws.page_setup.paperSize = ws.PAPERSIZE_A4
    ws.page_setup.orientation = ws.ORIENTATION_PORTRAIT
    ws.sheet_properties.pageSetUpPr = PageSetupProperties(fitToPage=True)
    ws.page_setup.fitToWidth = 1
    ws.page_setup.fitToHeight = 0  # as many pages down as the data needs
    ws.page_margins.left = 0.55
    ws.page_margins.right = 0.55
    ws.page_margins.top = 0.75
    ws.page_margins.bottom = 0.7
    ws.page_margins.header = 0.3
    ws.page_margins.footer = 0.3
    ws.oddHeader.left.text = PAGE_HEADER_LEFT
    ws.oddFooter.right.text = PAGE_FOOTER_RIGHT
    return wb


def deterministic_zip(data):
    """The workbook with every zip entry dated FIXED_TIME."""
    out = io.BytesIO()
    with zipfile.ZipFile(io.BytesIO(data)) as source, \
            zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as target:
        for info in source.infolist():
            entry = zipfile.ZipInfo(info.filename, FIXED_TIME.timetuple()[:6])
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            target.writestr(entry, source.read(info.filename))
    return out.getvalue()


def check(path):
    """Reads the written workbook back: every cell the program fills is there,
    empty and boxed, every label is in place, and nothing but empty styled
    cells lies where the row blocks go. Returns a list of faults."""
    faults = []
    wb = load_workbook(path)
    if len(wb.worksheets) != 1 or wb.worksheets[0].title != SHEET:
        faults.append(f"expected the single sheet {SHEET!r}, got {wb.sheetnames}")
    ws = wb.worksheets[0]
    value_cells = {where.split(":")[0] for where, text, _ in CELLS if text is None}
    for address in PROGRAM_CELLS:
        cell = ws[address]
        if address not in value_cells:
            faults.append(f"{address}: the program writes here but the layout has no value cell")
        elif cell.value is not None or cell.border.left.style is None:
            faults.append(f"{address}: not an empty boxed cell")
    for where, text, _ in CELLS:
        first = where.split(":")[0]
        if text is not None and ws[first].value != text:
            faults.append(f"{first}: label {ws[first].value!r}, expected {text!r}")
        if text is not None and ws[first].row >= FIRST_BLOCK_ROW:
            faults.append(f"{first}: a label where the row blocks go")
    for row in ws.iter_rows(min_row=FIRST_BLOCK_ROW):
        for cell in row:
            if cell.value is not None:
                faults.append(f"{cell.coordinate}: holds {cell.value!r} where the row blocks go")
            if cell.data_type == "f":
                faults.append(f"{cell.coordinate}: formula")
    if ws.max_row > RECOMMENDATION_ROWS[-1]:
        faults.append(f"cells down to row {ws.max_row}; the rows below "
                      f"{RECOMMENDATION_ROWS[-1]} must be left to the filler")
    return faults


def main(argv):
    if len(argv) > 2:
        sys.stderr.write("usage: make_template.py [DATADIR]\n")
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    data = argv[1] if len(argv) == 2 else os.path.join(here, os.pardir, os.pardir, "data")
    folder = os.path.normpath(os.path.join(data, "Auxiliares"))
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "ModeloRelatorio.xlsx")
    buffer = io.BytesIO()
    build().save(buffer)
    with open(path + ".tmp", "wb") as f:
        f.write(deterministic_zip(buffer.getvalue()))
    os.replace(path + ".tmp", path)
    faults = check(path)
    for fault in faults:
        sys.stderr.write(f"make_template.py: {fault}\n")
    print(path)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
