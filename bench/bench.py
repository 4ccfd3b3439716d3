"""Measures quaymark against the parsers a Python user would otherwise pick, on the same str.

    python bench/bench.py [--repeat N] [--only NAME] [--no-memory] [--markdown FILE]
    python bench/bench.py --callgrind [--only NAME]

For each document of bench/generate.py, in one process and one run: parse throughput (MB/s of
UTF-8 input, best of N) of quaymark.SIRI().parse, lxml.etree.fromstring, ElementTree.fromstring
and xmltodict.parse, the ratio quaymark/peer, the output rate of str() of the parsed document,
and the peak memory one parse adds above the input (resident size, the peak reset before the
parse and memory freed by earlier parses handed back first). Each peak is taken in a process of
its own for that document and parser, after one parse of the same document, so that it holds
what the parse itself needs and not what earlier documents and parsers left in the heap.

--callgrind counts instructions instead (valgrind --tool=callgrind): the instructions of one
parse and of one str() of each document, deterministic enough to compare changes on a noisy
machine. Each count is the difference between a run that does the work and one that only
prepares it.
"""
import argparse
import ctypes
import gc
import os
import re
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import generate  # noqa: E402

PEERS = ("lxml", "ElementTree", "xmltodict")


def parsers():
    import xml.etree.ElementTree as ET

    import quaymark

    result = {"quaymark": quaymark.SIRI().parse, "ElementTree": ET.fromstring}
    try:
        from lxml import etree

        # lxml refuses a str that carries an encoding declaration: give it the UTF-8 bytes.
        result["lxml"] = lambda text: etree.fromstring(text.encode("utf-8"))
    except ImportError:
        pass
    try:
        import xmltodict

        result["xmltodict"] = xmltodict.parse
    except ImportError:
        pass
    return result


def best_time(fn, arg, repeat, number=1):
    """The best time of one call, over `repeat` samples of `number` calls each."""
    best = float("inf")
    for _ in range(repeat):
        gc.collect()
        t0 = time.perf_counter()
        for _ in range(number):
            fn(arg)
        best = min(best, (time.perf_counter() - t0) / number)
    return best


def _status(key):
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith(key):
                return int(line.split()[1])
    raise KeyError(key)


try:
    _malloc_trim = ctypes.CDLL(None).malloc_trim
except (OSError, AttributeError):
    _malloc_trim = None


def peak_memory(fn, text):
    """Peak resident memory (MB) that one parse adds above what the process holds before it."""
    gc.collect()
    if _malloc_trim:
        _malloc_trim(0)  # hand memory freed by earlier parses back, so the parse must take its own
    with open("/proc/self/clear_refs", "w") as f:
        f.write("5")  # resets the peak resident size to the current one
    base = _status("VmRSS:")
    result = fn(text)
    peak = _status("VmHWM:") - base
    del result
    return peak / 1024


def peak_memory_alone(lib_name, path):
    """peak_memory of one parser on the document at `path`, in a fresh process."""
    done = subprocess.run([sys.executable, os.path.abspath(__file__), "--peak-of", lib_name, path],
                          check=True, capture_output=True, text=True)
    return float(done.stdout)


def print_peak_of(lib_name, path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    fn = parsers()[lib_name]
    fn(text)  # the first parse leaves the heap as repeated use does
    print(peak_memory(fn, text))


def measure(doc_name, text, libs, repeat, memory):
    size_mb = len(text.encode("utf-8")) / 1e6
    # A small document is timed in batches of calls, each call paying its own overhead.
    number = 1 if size_mb >= 0.1 else 200
    times = {name: best_time(fn, text, repeat, number) for name, fn in libs.items()}
    parsed = libs["quaymark"](text)
    rendered = str(parsed)
    # A short text form is timed in batches too, whatever the size of its document: one call of a
    # few microseconds is below what the clock tells apart.
    str_number = 1 if len(rendered) >= 100_000 else 200
    str_time = best_time(str, parsed, repeat, str_number)
    row = {"document": doc_name, "MB": round(size_mb, 3)}
    for name, t in times.items():
        row[f"{name} MB/s"] = round(size_mb / t, 1)
    for name in PEERS:
        if name in times:
            row[f"x {name}"] = round(times[name] / times["quaymark"], 2)
    out_mb = len(rendered.encode("utf-8")) / 1e6
    row["str() MB"] = round(out_mb, 3)
    row["str() MB/s out"] = round(out_mb / max(str_time, 1e-9), 1)
    if memory:
        with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".xml", delete=False) as f:
            f.write(text)
        try:
            for name in libs:
                row[f"{name} peak MB"] = round(peak_memory_alone(name, f.name), 1)
        finally:
            os.unlink(f.name)
        row["quaymark peak / MB"] = round(row["quaymark peak MB"] / size_mb, 2)
    return row


def table(rows):
    cols = list(rows[0])
    for r in rows:
        cols += [c for c in r if c not in cols]
    widths = [max(len(c), *(len(str(r.get(c, ""))) for r in rows)) for c in cols]
    lines = ["| " + " | ".join(c.ljust(w) for c, w in zip(cols, widths)) + " |",
             "|" + "|".join("-" * (w + 2) for w in widths) + "|"]
    for r in rows:
        lines.append("| " + " | ".join(str(r.get(c, "")).ljust(w) for c, w in zip(cols, widths)) + " |")
    return "\n".join(lines)


CALLGRIND_PROBE = """
import sys
sys.path.insert(0, {here!r})
import quaymark
text = open({path!r}, encoding="utf-8").read()
siri = quaymark.SIRI()
steps = {steps!r}
if steps >= 1:
    parsed = siri.parse(text)
if steps >= 2:
    rendered = str(parsed)
"""


def instructions(path, steps):
    """Instructions (Ir) of a whole process that reads the document and does `steps` of the work."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "callgrind.out")
        code = CALLGRIND_PROBE.format(here=HERE, path=path, steps=steps)
        env = dict(os.environ, PYTHONHASHSEED="0")
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", sys.executable, "-c", code],
                       check=True, capture_output=True, env=env)
        with open(out) as f:
            for line in f:
                m = re.match(r"(?:summary|totals):\s+(\d+)", line)
                if m:
                    return int(m.group(1))
    raise RuntimeError("callgrind wrote no total")


def callgrind(names):
    rows = []
    for doc_name in names:
        text = generate.DOCUMENTS[doc_name]()
        size = len(text.encode("utf-8"))
        with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".xml", delete=False) as f:
            f.write(text)
        try:
            base, parse, render = (instructions(f.name, s) for s in (0, 1, 2))
        finally:
            os.unlink(f.name)
        row = {"document": doc_name, "MB": round(size / 1e6, 3),
               "parse Ir": parse - base, "parse Ir/byte": round((parse - base) / size, 2),
               "str() Ir": render - parse}
        rows.append(row)
        print(row, flush=True)
    return rows


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--repeat", type=int, default=5)
    ap.add_argument("--only", help="only the documents whose name contains this")
    ap.add_argument("--no-memory", action="store_true")
    ap.add_argument("--callgrind", action="store_true", help="count instructions instead of timing")
    ap.add_argument("--markdown", help="also write the table to this file")
    ap.add_argument("--peak-of", nargs=2, metavar=("PARSER", "FILE"), help=argparse.SUPPRESS)
    args = ap.parse_args()
    if args.peak_of:
        return print_peak_of(*args.peak_of)
    names = [n for n in generate.DOCUMENTS if not args.only or args.only in n]
    if args.callgrind:
        rows = callgrind(names)
    else:
        libs = parsers()
        libs["quaymark"](generate.DOCUMENTS["stop_monitoring_small"]())  # class objects built once
        rows = []
        for doc_name in names:
            rows.append(measure(doc_name, generate.DOCUMENTS[doc_name](), libs, args.repeat, not args.no_memory))
            print(rows[-1], flush=True)
    text = table(rows)
    print(text)
    if args.markdown:
        with open(args.markdown, "w") as f:
            f.write(text + "\n")
    return rows


if __name__ == "__main__":
    main()
