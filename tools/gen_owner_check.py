#!/usr/bin/env python3
"""Generates the C++ layer's coverage test from the public header: one row
per InitAlloc function (the owner of its object type must exist and release
with the header's Free for that type) and one row per status constant (the
layer must name it). Usage: gen_owner_check.py veks.h out.cpp"""
import re
import sys

header, out = sys.argv[1], sys.argv[2]
text = re.sub(r"/\*.*?\*/", "", open(header).read(), flags=re.S)

init_allocs = re.findall(r"VekStatus\s+(veks\w*InitAlloc\w*)\s*\(\s*(Vek\w+)\s*\*\s*\*", text)
frees = {ty: fn for fn, ty in re.findall(r"VekStatus\s+(veks\w*Free\w*)\s*\(\s*(Vek\w+)\s*\*\s*\w+\s*\)\s*;", text)}
status_block = re.search(r"enum\s*\{([^}]*vekStsNoErr[^}]*)\}", text).group(1)
statuses = re.findall(r"\b(vekSts\w+)\s*=", status_block)

with open(out, "w") as f:
    f.write("// Generated from the public header by tools/gen_owner_check.py.\n")
    f.write('#include "owner_check.h"\n\n')
    f.write("const OwnerRow kOwnerRows[] = {\n")
    for fn, ty in init_allocs:
        free = frees.get(ty)
        if free:
            f.write(f'    owner_row("{fn}", "{free}", &{fn}, &{free}),\n')
        else:
            f.write(f'    OwnerRow{{"{fn}", "(no Free for {ty})", false, false}},\n')
    f.write("};\n")
    f.write("const int kOwnerRowCount = sizeof(kOwnerRows) / sizeof(kOwnerRows[0]);\n")
    f.write(f"const int kOwnedTypeCount = {len(set(ty for _, ty in init_allocs))};\n\n")
    f.write("const StatusRow kStatusRows[] = {\n")
    for name in statuses:
        f.write(f'    {{"{name}", {name}}},\n')
    f.write("};\n")
    f.write("const int kStatusRowCount = sizeof(kStatusRows) / sizeof(kStatusRows[0]);\n")
print(f"{len(init_allocs)} InitAlloc functions over {len(set(t for _, t in init_allocs))} object types, "
      f"{len(statuses)} statuses")
