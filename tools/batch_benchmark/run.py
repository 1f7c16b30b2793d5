#!/usr/bin/python3
"""Batch benchmark: 1000 analysis files to text reports and 100 to PDF reports
with bulbicalc-lote, on all the machine's cores, each run RUNS times (median).

    tools/batch_benchmark/run.py BINDIR [RUNS]

The analyses vary in yield, area, system, P, K and organic matter, so that
every file makes its own doses, splits and least-cost formula.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

BINDIR = sys.argv[1] if len(sys.argv) > 1 else "build/bin"
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
LOTE = os.path.join(BINDIR, "bulbicalc-lote")


def analysis(i):
    """The bytes of an analysis file in the format the program saves."""
    lines = [
        f"Produtor  Produtor {i}",
        "CPF          .   .   -  ",
        "Local     Linha Alta",
        "Municipio Ituporanga",
        "UF        1",
        f"Matricula {i}",
        f"Prod Area {30 + i % 25:.2f}{1 + i % 7:7.2f}",
        f"Sisteme    {1 + i % 3}",
        f"Denomina  Talhao {i}",
        f"N Laudo   {i}",
        f"Argia     {20 + i % 45:8.2f}    5.50    5.30 {4 + i % 20:8.2f} {40 + i % 150:8.2f}",
        f"{1 + i % 6:8.2f}    0.50    1.50    1.00    3.00   10.00   40.00   12.00    4.00    2.00    0.50"
        "    1.00   30.00",
    ]
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def timed(arguments):
    samples = []
    for _ in range(RUNS):
        start = time.monotonic()
        subprocess.run([LOTE, *arguments], check=True, stdout=subprocess.DEVNULL)
        samples.append(time.monotonic() - start)
    return statistics.median(samples)


with tempfile.TemporaryDirectory() as work:
    inputs = os.path.join(work, "laudos")
    os.makedirs(inputs)
    files = []
    for i in range(1000):
        path = os.path.join(inputs, f"talhao{i:04d}.txt")
        with open(path, "wb") as f:
            f.write(analysis(i))
        files.append(path)
    out = os.path.join(work, "saida")
    text = timed(["--txt", "--saida", out, *files])
    pdf = timed(["--pdf", "--saida", out, *files[:100]])
    print(f"{os.cpu_count()} cores, median of {RUNS} runs")
    print(f"1000 analyses to text reports: {text:.3f} s ({text:.3f} ms per report)")
    print(f"100 analyses to PDF reports:   {pdf:.3f} s ({pdf * 10:.1f} ms per report)")
