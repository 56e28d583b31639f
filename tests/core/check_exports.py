#!/usr/bin/env python3
"""The library's dynamic symbols must be exactly the veks* functions the
public header declares: nothing missing, nothing extra, no internals."""
import re
import subprocess
import sys

header, library = sys.argv[1], sys.argv[2]
text = open(header).read()
text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
declared = set(re.findall(r"\b(veks[A-Za-z0-9_]+)\s*\(", text))

out = subprocess.run(["nm", "-D", "--defined-only", library], capture_output=True, text=True, check=True).stdout
exported = set()
for line in out.splitlines():
    parts = line.split()
    if len(parts) >= 3 and parts[1] in "TtWwDdBbRrVvi":
        exported.add(parts[2].split("@")[0])

missing = sorted(declared - exported)
extra = sorted(exported - declared)
for name in missing:
    print("declared but not exported:", name)
for name in extra:
    print("exported but not declared:", name)
print(f"{len(declared)} declared, {len(exported)} exported")
sys.exit(1 if missing or extra else 0)
