#!/usr/bin/env python3
"""Generates the bad-argument sweep from the public header.

For every exported function that returns VekStatus the script builds one
"valid" argument list from the parameter names (lengths 16, factors 1,
phases 0, pattern-filled buffers for data, live objects for specification
and state parameters) and derives from it:

  null cases    one per pointer parameter, that pointer null: -8 expected;
  length cases  one per length parameter, set to 0 and to -1: -6 expected;
  valid calls   the list itself, plus one with each optional pointer null,
                for the allocation-failure sweep.

The tables below say where a family departs from those expectations.

Length parameters are recognised by name: `len`, any name ending in `Len`
(srcLen, dstLen, src1Len, chanLen, tblLen, tapsLen, ...) and `numIters`.
Names that count something other than elements (tapsLen, lenLow, order,
numBq, maskSize, nChannels) carry the status of their own check in
LENGTH_STATUS.

Usage: gen_arg_sweep.py veks.h out.cpp"""
import re
import sys

header, out = sys.argv[1], sys.argv[2]
text = re.sub(r"/\*.*?\*/", "", open(header).read(), flags=re.S)
decls = re.findall(r"VEKS_API\s+([\w\s\*]+?)\s*\b(veks\w+)\s*\(([^)]*)\)\s*;", text)
OBJECT_TYPES = set(re.findall(r"typedef struct (Vek\w+(?:Spec|State)\w*)\s+\w+;", text))

# ---------------------------------------------------------------- values --
# Valid values of scalar parameters, by name. Anything unnamed here is 16
# (integers) or 0.25 (floating point).
INT_VALUES = {
    "order": 3, "numBq": 1, "tapsLen": 4, "lenLow": 2, "lenHigh": 2, "offsLow": 0, "offsHigh": 0,
    "tapsFactor": 0, "upFactor": 1, "downFactor": 1, "upPhase": 0, "downPhase": 0, "factor": 2,
    "dlyLineIndex": 0, "tapsStep": 1, "updateDly": 0, "mu": 1, "muQ15": 1, "index": 0,
    "flag": 8, "hint": 0, "rndMode": 1, "scaleFactor": 0, "relOp": 0, "zcType": 0, "winType": 0,
    "filterType": 0, "doNormal": 0, "maskSize": 3, "lowLag": 0, "bias": 0, "nChannels": 2,
    "srcBitOffset": 0, "dstBitOffset": 0, "magnScaleFactor": 0, "phaseScaleFactor": 0,
    "phaseFixedPoint": 0, "srcShiftRight": 0, "alphaQ15": 0, "nzTapsLen": 4, "nzTapsLen2": 2,
    "orderA": 2, "orderB": 2, "vDiv": 1, "val": 1, "subsetXor": 0, "offset": 0, "numStates": 16,
    "phaseQ15": 0, "asymQ15": 0, "low": 0, "mean": 0, "stdDev": 1, "seed": 1, "magn": 16,
    "rFreqQ15": 16, "lowerBound": 0, "upperBound": 100, "errVal": 1, "alpha": 1,
}
FLOAT_VALUES = {
    "rFreq": 0.125, "rLowFreq": 0.1, "rHighFreq": 0.3, "passbandDb": 1.0, "C": 1.0, "mu": 0.125,
    "alpha": 0.5, "asym": 0.0, "magn": 1.0, "low": 0.0, "high": 1.0, "mean": 0.0, "stdDev": 1.0,
    "vDiv": 2.0, "levelLT": 0.25, "levelGT": 0.5,
}
INTS = {"int", "unsigned int", "unsigned", "short", "Vek8u", "Vek8s", "Vek16s", "Vek16u", "Vek32s",
        "Vek32u", "Vek64s", "Vek64u", "VekHintAlgorithm", "VekIIRFilterType", "VekWinType", "VekZCType"}
FLOATS = {"Vek32f", "Vek64f", "float", "double"}

# ------------------------------------------------------------ exceptions --
# Functions that take no argument checks at all: the fixed-size cyclic
# convolutions work on three fixed arrays.
NO_CHECKS = r"veksConvCyclic"

# Pointers that may be null, as (function pattern, parameter). With such a
# pointer null the call may succeed (and write its outputs) or refuse with
# -8 (and then write nothing); the pattern is what decides.
OPTIONAL = [
    # Work buffers of transforms and filters: without one the call allocates
    # its own for the duration of the call. (The pBuffer of an Init is the
    # object's memory and is required.)
    (r"^(?!.*Init)", r"pBuffer|pBuf"),
    # Index outputs of the extreme searches are optional.
    (r"veks(Max|Min)(Abs)?Indx_", r"pIndx"),
    # A delay line left out at Init/InitAlloc or SetDlyLine reads as zeros;
    # so do LMS taps left out at InitAlloc.
    (r"Init|veks(FIR|IIR|FIRLMS)\w*SetDlyLine", r"pDlyLine"),
    (r"veksFIRLMS\w*InitAlloc", r"pTaps"),
    # The init scratch of a transform Init may be null when it needs none.
    (r"Init", r"pSpecBuffer"),
]

# Optional pointers whose refusal may come after a first write: an FFT
# Init lays the header into the caller's specification memory before it
# finds that the table it must build needs the missing init scratch.
OPTIONAL_LATE = [
    (r"veksFFTInit_", r"pSpecBuffer"),
]

OPTIONAL += [
    # One part of a complex vector may be missing; it reads as zeros.
    (r"veksRealToCplx_", r"pSrcRe|pSrcIm"),
    # The LMS Free functions accept a null state.
    (r"veksFIRLMS\w*Free", r"pState"),
]

# Null cases that return -8 after a first stage has written: the floating
# polar conversions run Magnitude and then Phase, each checking its own
# pointers; the integer one runs Phase only after a clean Magnitude.
WRITES_FIRST = [
    (r"veksCartToPolar_(32fc|64fc|32f|64f)$", r"pDstMagn|pDstPhase"),
    (r"veksCartToPolar_16sc_Sfs", r"pDstPhase"),
]

# Pointers whose target is itself a checked parameter (a phase, a relative
# frequency, a delay index, the scale taps of the 16-bit stateless IIR
# forms) point at zeros, a valid value for each; tap positions point at
# 0, 1, 2, ...
ZERO_TARGETS = [(r".", r"pPhase|rFreq|rFreqQ15|pDlyLineIndex"), (r"veksIIR(One)?_(BiQuad)?Direct_16s", r"pTaps")]
POSITIONS = r"\w*Pos"

# InitAlloc functions that set *ppState to null when an allocation fails.
NULLS_OUTPUT = r"veksWT(Fwd|Inv)InitAlloc"

# Length-like parameters whose own check returns a status other than -6,
# as (function pattern, parameter, status for 0, status for -1); None
# leaves that value out (it is valid).
LENGTH_STATUS = [
    (r"veksFFT", r"order", None, -15),                  # order 0 is a one-point FFT
    (r"veksFIRLMS|veksFIRGen", r"tapsLen", -6, -6),     # LMS and design: a plain size
    (r"veksFIRSparse", r"nzTapsLen|order", -26, -26),
    (r".", r"tapsLen", -26, -26),                       # FIR taps length below 1
    (r"veksIIRSparse", r"nzTapsLen", -25, -25),
    (r"veksIIRGen", r"order", -206, -206),              # design order outside 1..12
    (r"veksIIR", r"order|numBq", -25, -25),             # IIR order or biquad count
    (r"veksSumWindow", r"maskSize", -33, -33),          # window length
    (r"veksSumWindow", r"len", 0, 0),                   # an empty window sum is no error
    (r"veksIIR\w*_I?PS?fs$|veksIIR\w*_I?P$", r"nChannels", -53, -53),
]

# Objects made for a function other than by the first InitAlloc of their
# type: (function pattern, object type) -> creator function.
CREATOR_FOR = {}

# The allocation sweep also runs every function that takes an object with
# larger objects (and longer blocks), and the functions below with longer
# inputs: the sizes where FFT paths and work buffers start.
BIG_OBJECTS = {"order": 8, "len": 1000, "tapsLen": 128}
ALLOC_EXTRA = [
    (r"^veksConv(Biased)?_", {"src1Len": 700, "src2Len": 300}),
    (r"^veksCrossCorr", {"src1Len": 700, "src2Len": 700, "dstLen": 700}),
    (r"^veksAutoCorr", {"srcLen": 1000, "dstLen": 1000}),
    (r"^veksFIR\w*_Direct", {"numIters": 1024, "tapsLen": 128}),
    (r"^veksFilterMedian", {"len": 1024, "maskSize": 101}),
    (r"^veksFIRGen", {"tapsLen": 33}),
    (r".", {"numIters": 1024, "len": 1024}),
]

ZERO_BASE = 20  # buffers 0..19 hold the pattern, 20..23 zeros

LENGTH_NAMES = re.compile(r"^(len|numIters|\w*Len|order|numBq|maskSize|nChannels)$")


def split_params(p):
    p = " ".join(p.split())
    if p in ("", "void"):
        return []
    return [x.strip() for x in p.split(",")]


def name_type(p):
    m = re.match(r"(.*?)(\w+)$", p)
    return m.group(1).strip(), m.group(2)


def base_of(t):
    return t.replace("const", "").replace("*", "").strip()


def scalar(t, n, over={}):
    b = base_of(t)
    if n in over:
        return f"({b}){over[n]}"
    if b in FLOATS:
        return f"({b}){FLOAT_VALUES.get(n, 0.25)}"
    if b in INTS or set(b.split()) <= {"unsigned", "signed", "int", "short", "long", "char"}:
        return f"({b}){INT_VALUES.get(n, 16)}"
    if n in ("val", "value", "vSub", "src", "errVal"):  # complex constants
        return f"{b}{{1, 0}}"
    return f"{b}{{}}"


def lookup(table, fn, pn):
    for fpat, ppat, *rest in table:
        if re.search(fpat, fn) and re.fullmatch(ppat, pn):
            return rest if rest else True
    return None


funcs = []
for ret, name, params in decls:
    if ret.strip() != "VekStatus":
        continue
    ps = [name_type(p) for p in split_params(params)]
    funcs.append((name, ps))

# Creators: the first InitAlloc (else Init) whose first parameter is T**,
# and the Free that takes a T*.
creators, frees = {}, {}
for name, ps in funcs:
    if not ps:
        continue
    t0 = ps[0][0]
    b = base_of(t0)
    if b in OBJECT_TYPES and t0.count("*") == 2:
        if "InitAlloc" in name and (b not in creators or "InitAlloc" not in creators[b][0]):
            creators[b] = (name, ps)
        elif "Init" in name and b not in creators:
            creators[b] = (name, ps)
    if "Free" in name and len(ps) == 1 and base_of(ps[0][0]) in OBJECT_TYPES:
        frees.setdefault(base_of(ps[0][0]), name)


def creator_args(fn, ps, over):
    """Arguments that build a live object: unit taps, increasing tap
    positions, zero delay lines, memory from the object arena."""
    args = []
    for t, n in ps:
        if "*" not in t:
            args.append(scalar(t, n, over))
        elif t.count("*") == 2:
            args.append("&obj")
        elif re.search(r"Pos$", n):
            args.append(f"({t})vt_iota()")
        elif re.search(r"Taps", n):
            args.append(f"({t})vt_ones<{base_of(t)}>()")
        elif re.search(r"Dly", n):
            args.append(f"({t})vt_zeros()")
        else:
            args.append(f"({t})vt_arena()")
    return ", ".join(args)


def classify(fn, ps, over={}, variant=""):
    """The valid argument list: (expression, kind, buffer index) per parameter."""
    out, buf, zero, tbl = [], 0, 0, 0
    for t, n in ps:
        b = base_of(t)
        if "*" not in t:
            out.append((scalar(t, n, over), "scalar", None))
        elif b in OBJECT_TYPES and t.count("*") == 1:
            out.append((f"({t})vt_obj_{b}{variant}()", "object", None))
        elif b in OBJECT_TYPES and "Init" not in fn:  # per-channel states
            out.append((f"({t})vt_objs_{b}{variant}()", "object", None))
        elif t.count("*") == 2 and b not in OBJECT_TYPES and n != "ppTaps":
            out.append((f"({t})vt_table({tbl})", "table", tbl))
            tbl += 1
        elif re.fullmatch(POSITIONS, n) and "const" in t:
            out.append((f"({t})vt_iota()", "scalar", None))
        elif lookup(ZERO_TARGETS, fn, n):
            out.append((f"({t})vt_buf(kZeroBuffer + {zero})", "buffer", ZERO_BASE + zero))
            zero += 1
        else:
            out.append((f"({t})vt_buf({buf})", "buffer", buf))
            buf += 1
    assert buf <= ZERO_BASE and zero <= 4, fn
    return out


def masks(cl):
    bm = sum(1 << k for _, kind, k in cl if kind == "buffer")
    tm = sum(1 << k for _, kind, k in cl if kind == "table")
    return bm, tm


def release_of(fn, ps):
    """How to free what an InitAlloc wrote into its output slot, vt_buf(0)."""
    if ps and ps[0][0].count("*") == 2 and base_of(ps[0][0]) in OBJECT_TYPES and "InitAlloc" in fn:
        ob = base_of(ps[0][0])
        if ob in frees:
            return f"{frees[ob]}(*({ob}**)vt_buf(0))"
    return None


def note_objects(cl, ps, variant):
    for (e, kind, _), (t, n) in zip(cl, ps):
        if kind == "object":
            used_objects.add((base_of(t), variant))
            if "**" in t.replace(" ", ""):
                used_arrays.add((base_of(t), variant))


def extra_valid_rows(fn, ps):
    """Valid calls past the size thresholds where a call starts to allocate
    (FFT paths of filters and correlations, transforms with work buffers)."""
    rows = []
    over = {}
    for fpat, o in ALLOC_EXTRA:
        if re.search(fpat, fn):
            over = o
            break
    has_object = any(base_of(t) in OBJECT_TYPES and "Init" not in fn for t, _ in ps)
    if not over and not has_object:
        return rows
    variant = "_big" if has_object else ""
    cl = classify(fn, ps, over, variant)
    note_objects(cl, ps, variant)
    bm, tm = masks(cl)
    base = [e for e, _, _ in cl]
    rows.append((fn, "large", bm, tm, ", ".join(base), release_of(fn, ps)))
    for i, ((e, kind, k), (t, n)) in enumerate(zip(cl, ps)):
        if "*" in t and lookup(OPTIONAL, fn, n) and "Free" not in fn:
            args = base[:]
            args[i] = f"({t})nullptr"
            b = bm & ~(1 << k) if kind == "buffer" else bm
            rows.append((fn, f"large, {n} = null", b, tm, ", ".join(args), release_of(fn, ps)))
    return rows


null_rows, len_rows, valid_rows = [], [], []
used_objects, used_arrays = set(), set()
for fn, ps in funcs:
    cl = classify(fn, ps)
    note_objects(cl, ps, "")
    bm, tm = masks(cl)
    base = [e for e, _, _ in cl]
    checked = not re.search(NO_CHECKS, fn)
    for i, ((e, kind, k), (t, n)) in enumerate(zip(cl, ps)):
        if "*" in t and checked:
            args = base[:]
            args[i] = f"({t})nullptr"
            optional = lookup(OPTIONAL, fn, n)
            expect = ("kOptionalLate" if lookup(OPTIONAL_LATE, fn, n) else
                      "kOptional" if optional else
                      "kWritesFirst" if lookup(WRITES_FIRST, fn, n) else "vekStsNullPtrErr")
            b = bm & ~(1 << k) if kind == "buffer" else bm
            tt = tm & ~(1 << k) if kind == "table" else tm
            null_rows.append((fn, n, expect, b, tt, ", ".join(args), release_of(fn, ps) if optional else None))
            if optional and "Free" not in fn:
                valid_rows.append((fn, n + " = null", b, tt, ", ".join(args), release_of(fn, ps)))
        if "*" not in t and checked and LENGTH_NAMES.match(n):
            statuses = lookup(LENGTH_STATUS, fn, n) or ["vekStsSizeErr"] * 2
            for v, status in zip((0, -1), statuses):
                if status is None:
                    continue
                args = base[:]
                args[i] = f"({base_of(t)}){v}"
                len_rows.append((fn, f"{n} = {v}", status, bm, tm, ", ".join(args), None))
    if "Free" not in fn:
        valid_rows.append((fn, "valid", bm, tm, ", ".join(base), release_of(fn, ps)))
        valid_rows += extra_valid_rows(fn, ps)

with open(out, "w") as f:
    f.write("// Generated from the public header by tools/gen_arg_sweep.py.\n")
    f.write('#include "arg_sweep.h"\n\n')
    f.write("namespace {\n")
    for ob, variant in sorted(used_objects):
        name = f"vt_obj_{ob}{variant}"
        if ob not in creators:
            f.write(f"// {ob}: no creator in the header; its calls see a pattern buffer.\n")
            f.write(f"{ob}* {name}() {{ return ({ob}*)vt_buf(15); }}\n")
            continue
        cf, cps = creators[ob]
        free = frees.get(ob)
        drop = f"[](void* p) {{ {free}(({ob}*)p); }}" if free and "InitAlloc" in cf else "nullptr"
        args = creator_args(cf, cps, BIG_OBJECTS if variant else {})
        f.write(f"{ob}* {name}() {{\n"
                f"    static {ob}* obj = [] {{ {ob}* obj = nullptr;\n"
                f"        const VekStatus s = {cf}({args});\n"
                f"        vt_made(s, \"{ob}{variant}\", obj, {drop});\n"
                f"        return obj; }}();\n"
                f"    return obj;\n}}\n")
    for ob, variant in sorted(used_arrays):
        f.write(f"{ob}** vt_objs_{ob}{variant}() {{\n"
                f"    static {ob}* all[16];\n"
                f"    for ({ob}*& p : all) p = vt_obj_{ob}{variant}();\n"
                f"    return all;\n}}\n")
    f.write("}  // namespace\n\n")
    f.write("void vt_make_objects() {\n")
    for ob, variant in sorted(used_objects):
        f.write(f"    vt_obj_{ob}{variant}();\n")
    f.write("}\n\n")

    def table(name, rows):
        f.write(f"const SweepCase {name}[] = {{\n")
        for fn, what, expect, b, t, args, release in rows:
            rel = f"[] {{ {release}; }}" if release else "nullptr"
            f.write(f'    {{"{fn}", "{what}", {expect}, {b:#x}u, {t:#x}u, [] {{ return {fn}({args}); }}, {rel}}},\n')
        f.write("};\n")
        f.write(f"const int {name}Count = sizeof({name}) / sizeof({name}[0]);\n\n")

    table("kNullCases", null_rows)
    table("kLengthCases", len_rows)
    f.write("const ValidCall kValidCalls[] = {\n")
    for fn, what, b, t, args, release in valid_rows:
        rel = f"[] {{ {release}; }}" if release else "nullptr"
        nulls = "true" if re.search(NULLS_OUTPUT, fn) else "false"
        f.write(f'    {{"{fn}", "{what}", {b:#x}u, {t:#x}u, [] {{ return {fn}({args}); }}, {rel}, {nulls}}},\n')
    f.write("};\n")
    f.write("const int kValidCallsCount = sizeof(kValidCalls) / sizeof(kValidCalls[0]);\n")
print(f"{len(null_rows)} null cases, {len(len_rows)} length cases, {len(valid_rows)} valid calls, "
      f"{len(used_objects)} object types")
