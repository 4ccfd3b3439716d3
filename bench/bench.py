"""Measures quaymark against the parsers a Python user would otherwise pick, on the same str.

    python bench/bench.py [--repeat N] [--only NAME]

For each document of bench/generate.py: parse throughput (MB/s of UTF-8 input) of
quaymark.SIRI().parse, lxml.etree.fromstring, xml.etree.ElementTree.fromstring and
xmltodict.parse, the ratio quaymark/peer, the output rate of str() of the parsed document, and
the peak memory each parse adds (each measured in a fresh process).
"""
import argparse
import gc
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate  # noqa: E402


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


def best_time(fn, arg, repeat):
    best = float("inf")
    for _ in range(repeat):
        gc.collect()
        t0 = time.perf_counter()
        fn(arg)
        best = min(best, time.perf_counter() - t0)
    return best


MEMORY_PROBE = """
import sys
sys.path.insert(0, {here!r})
import bench, generate
def status(key):
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith(key):
                return int(line.split()[1])
fn = bench.parsers()[{name!r}]
fn(generate.DOCUMENTS["stop_monitoring_small"]())
text = generate.DOCUMENTS[{doc!r}]()
with open("/proc/self/clear_refs", "w") as f:
    f.write("5")  # resets the peak resident size to the current one
base = status("VmRSS:")
result = fn(text)
print((status("VmHWM:") - base) / 1024)
"""


def peak_memory(name, doc):
    """Peak resident memory added by one parse, in MB, measured in a fresh process."""
    here = os.path.dirname(os.path.abspath(__file__))
    code = MEMORY_PROBE.format(here=here, name=name, doc=doc)
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True)
    return float(out.stdout.strip())


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--repeat", type=int, default=5)
    ap.add_argument("--only")
    ap.add_argument("--no-memory", action="store_true")
    args = ap.parse_args()
    libs = parsers()
    rows = []
    for doc_name, make in generate.DOCUMENTS.items():
        if args.only and args.only not in doc_name:
            continue
        text = make()
        size_mb = len(text.encode("utf-8")) / 1e6
        small = size_mb < 0.1
        repeat = args.repeat * (50 if small else 1)
        times = {name: best_time(fn, text, repeat) for name, fn in libs.items()}
        parsed = libs["quaymark"](text)
        t0 = time.perf_counter()
        rendered = str(parsed)
        str_time = time.perf_counter() - t0
        line = {"document": doc_name, "MB": round(size_mb, 3)}
        for name, t in times.items():
            line[f"{name} MB/s"] = round(size_mb / t, 1)
        for name in times:
            if name != "quaymark":
                line[f"x {name}"] = round(times[name] / times["quaymark"], 2)
        line["str() MB/s out"] = round(len(rendered.encode("utf-8")) / 1e6 / max(str_time, 1e-9), 1)
        if not args.no_memory:
            for name in libs:
                line[f"{name} peak MB"] = round(peak_memory(name, doc_name), 1)
        rows.append(line)
        print(json.dumps(line))
    return rows


if __name__ == "__main__":
    main()
