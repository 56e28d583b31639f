#!/usr/bin/env python3
"""Only the kernels chosen at run time may hold AVX, AVX2 or AVX-512 code.

Files named *_avx2.cpp / *_avx512.cpp are compiled for wider instruction
sets. An inline function or template they share with baseline files (a
header helper, a standard-library instantiation) is emitted in both, and the
linker keeps one copy: if it keeps the wide one, baseline code calls AVX
instructions on a processor without them. This scans the library's code for
VEX- or EVEX-encoded instructions and requires every function holding them
to be internal to a wide file (anonymous namespace) or one of the entry
points the dispatch checks guard."""
import re
import subprocess
import sys

library = sys.argv[1]
# Entry points of the wide files, reached only after a CPU check.
ENTRY = re.compile(r"\(anonymous namespace\)|_avx2\b|_avx512\b|\bavx2_|\bavx512_|"
                   r"veks::fft::wide_cfft|veks::fft::large_(column_strip|transpose)<")

out = subprocess.run(["objdump", "-d", "--no-show-raw-insn", "-C", library],
                     capture_output=True, text=True, check=True).stdout
wide, name = {}, None
for line in out.splitlines():
    m = re.match(r"^[0-9a-f]+ <(.*)>:$", line)
    if m:
        name = m.group(1)
        continue
    parts = line.split("\t")
    if name and len(parts) >= 2 and re.match(r"\s*[0-9a-f]+:$", parts[0]):
        ins = parts[1]
        if re.match(r"v[a-z]", ins) or re.search(r"%[yz]mm", ins):
            wide.setdefault(name, ins.strip())

stray = sorted(n for n in wide if not ENTRY.search(n))
for n in stray:
    print(f"wide instruction in a function baseline code may call: {n}: {wide[n]}")
print(f"{len(wide)} functions hold wide instructions, {len(stray)} outside the dispatched kernels")
sys.exit(1 if stray or not wide else 0)
