#!/usr/bin/python3
"""The command bulbicalc-lote as a user runs it: exit statuses, messages and the
three reports of real analysis files (the PDF read back with pdftotext, the
spreadsheet with openpyxl).

    batch_cli_test.py BULBICALC_LOTE FIXTURES_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

import openpyxl

LOTE, FIXTURES = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what)


def run(*arguments, cwd=None):
    result = subprocess.run([LOTE, *arguments], capture_output=True, text=True, cwd=cwd)
    return result.returncode, result.stdout, result.stderr


with tempfile.TemporaryDirectory() as work:
    # The usage, the version and usage errors.
    status, out, err = run("--ajuda")
    check(status == 0 and out.startswith("Uso: bulbicalc-lote") and err == "", "--ajuda prints the usage")
    status, out, _ = run("--version")
    check(status == 0 and out == "bulbicalc-lote 1.0\n", "--version prints the version")
    for arguments in (["--pfd", "x.txt"], [], ["--saida"], ["--catalogo", os.path.join(work, "nada"), "x.txt"]):
        status, out, err = run(*arguments)
        check(status == 2 and out == "" and err.startswith("bulbicalc-lote: "), f"usage error for {arguments}")

    # Two analyses, one with blanks and accents in its name, and a broken one.
    inputs = os.path.join(work, "laudos de campo")
    os.makedirs(inputs)
    good = os.path.join(inputs, "talhão 7 ó.txt")
    shutil.copy(os.path.join(FIXTURES, "laudo_pr_no_till.txt"), good)
    broken = os.path.join(inputs, "quebrado.txt")
    shutil.copy(os.path.join(FIXTURES, "laudo_truncated.txt"), broken)
    out_dir = os.path.join(work, "relatórios")
    status, out, err = run("--txt", "--pdf", "--xlsx", "--tecnico", "Eng. Agr. Ana, CREA 5",
                           "--saida", out_dir, good, broken)
    check(status == 1, "a failed file makes the status 1")
    check(err == f"bulbicalc-lote: {broken}: Read beyond end of file\n", f"one line for the failed file: {err!r}")
    stem = os.path.join(out_dir, "talhão 7 ó")
    for extension in (".relatorio.txt", ".pdf", ".xlsx"):
        check(os.path.isfile(stem + extension), f"the report {extension} was written")
    check(not any(name.startswith("quebrado") for name in os.listdir(out_dir)), "no report of the broken file")
    check(sorted(os.listdir(inputs)) == sorted(["talhão 7 ó.txt", "quebrado.txt"]), "the inputs are untouched")

    text = open(stem + ".relatorio.txt", "rb").read().decode("cp1252")
    check("Ana D'Ávila" in text and "\r\n" in text, "the text report is Windows-1252 with CR LF")
    pdf_text = subprocess.run(["pdftotext", "-layout", stem + ".pdf", "-"], capture_output=True,
                              text=True).stdout
    check("Ana D'Ávila" in pdf_text and "Eng. Agr. Ana, CREA 5" in pdf_text,
          "the PDF holds the producer and the technician as text")
    check("Recomendação de Adubação" in pdf_text, "the PDF holds the page's fixed texts")
    sheet = openpyxl.load_workbook(stem + ".xlsx").worksheets[0]
    check(sheet["B2"].value == "Ana D'Ávila", f"the spreadsheet's B2 is the producer: {sheet['B2'].value!r}")
    check(sheet["C27"].value == "Sistema de Plantio Direto Consolidado", "the spreadsheet names the system")

    # All good: status 0; the default report is the PDF, beside the input.
    os.remove(broken)
    status, out, err = run(good)
    check(status == 0 and err == "" and out == "", f"all good: status 0, nothing printed: {err!r}")
    check(os.path.isfile(os.path.join(inputs, "talhão 7 ó.pdf")), "the PDF is written beside the input")

    # An output folder that cannot be written.
    blocker = os.path.join(work, "arquivo")
    open(blocker, "w").close()
    status, out, err = run("--saida", os.path.join(blocker, "sub"), good)
    check(status == 1 and "não é possível escrever na pasta de saída" in err, "an output folder that cannot be written")

sys.exit(1 if failures else 0)
