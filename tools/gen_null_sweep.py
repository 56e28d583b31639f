#!/usr/bin/env python3
"""Generates the null-pointer sweep from the public header: for every
exported function returning VekStatus and every pointer parameter, one call
with that pointer null and every other argument valid-looking (pointers to
pattern-filled buffers, lengths 16). Usage: gen_null_sweep.py veks.h out.cpp"""
import re
import sys

header, out = sys.argv[1], sys.argv[2]
text = re.sub(r"/\*.*?\*/", "", open(header).read(), flags=re.S)
decls = re.findall(r"VEKS_API\s+([\w\s\*]+?)\s*\b(veks\w+)\s*\(([^)]*)\)\s*;", text)

INTS = {"int", "Vek8u", "Vek8s", "Vek16s", "Vek16u", "Vek32s", "Vek32u", "Vek64s", "Vek64u", "unsigned", "short"}
FLOATS = {"Vek32f", "Vek64f", "float", "double"}

def split_params(p):
    p = p.strip()
    if p in ("", "void"):
        return []
    return [x.strip() for x in p.split(",")]

def param_type(p):
    m = re.match(r"(.*?)(\w+)$", p)
    return m.group(1).strip() if m else p

rows = []
for ret, name, params in decls:
    if ret.strip() != "VekStatus":
        continue
    ps = split_params(params)
    types = [param_type(p) for p in ps]
    ptrs = [i for i, t in enumerate(types) if "*" in t]
    if not ptrs:
        continue
    for null_at in ptrs:
        args = []
        buf = 0
        for i, t in enumerate(types):
            if "*" in t:
                if i == null_at:
                    args.append(f"({t})nullptr")
                else:
                    args.append(f"({t})vt_buf({buf})")
                buf += 1
            else:
                base = t.replace("const", "").strip()
                if base in INTS or set(base.split()) <= {"unsigned", "signed", "int", "short", "long", "char"}:
                    args.append(f"({base})16")
                elif base in FLOATS:
                    args.append(f"({base})0.25")
                else:
                    args.append(f"{base}{{}}")
        pname = re.match(r".*?(\w+)$", ps[null_at]).group(1)
        rows.append((name, pname, null_at, len(ptrs), ", ".join(args)))

with open(out, "w") as f:
    f.write("// Generated from the public header: one call per pointer parameter.\n")
    f.write('#include "null_sweep.h"\n\n')
    f.write("const SweepCase kSweepCases[] = {\n")
    for name, pname, at, nptr, args in rows:
        f.write(f'    {{"{name}", "{pname}", {nptr}, [] {{ return {name}({args}); }}}},\n')
    f.write("};\n")
    f.write("const int kSweepCount = sizeof(kSweepCases) / sizeof(kSweepCases[0]);\n")
print(f"{len(rows)} null-pointer cases over {len(set(r[0] for r in rows))} functions")
