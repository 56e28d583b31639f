#!/usr/bin/env python3
"""Writes the API reference (docs/API.md) from the public header.

Functions are grouped by the header's family markers (`/* ==== Family ==== */`,
and the boxed section titles above the first marker) and by its subsection
comments (`/* ---- Topic ---- */`). Each function gets a one-line effect built
from its name: the operation (the part after `veks` and before the first `_`,
with trailing type codes taken off) is looked up in OPERATIONS, or split into
an object family (OBJECTS) and a lifecycle verb (VERBS); then every suffix
token (`_I`, `_Sfs`, `_Direct`, `_RToPerm`, ...) and the type codes add their
meaning.

Usage: gen_api_doc.py veks.h API.md          write the reference
       gen_api_doc.py --check veks.h API.md [count]
                                             fail if API.md differs, a function
                                             has no description, or the header
                                             declares other than count functions"""
import re
import sys

# Longer codes first, so that 16sc is not read as 16s.
TYPE = r"(?:16sc|32sc|64sc|32fc|64fc|8sc|8u|8s|16u|16s|32u|32s|64s|64u|32f|64f|24u|24s|16f|1u)"

OPERATIONS = {
    "10Log10": "10·log10 of each element",
    "ALawToLin": "expands A-law codes to linear samples",
    "ALawToMuLaw": "transcodes A-law codes to mu-law codes",
    "Abs": "absolute value of each element",
    "Add": "adds two vectors element by element",
    "AddProduct": "adds the element-wise product of two vectors to the destination",
    "AddC": "adds a constant to each element",
    "AddProductC": "adds the product of a vector and a constant to the destination",
    "AndC": "bitwise AND of each element with a constant",
    "DivC": "divides each element by a constant",
    "DivCRev": "divides a constant by each element",
    "MulC": "multiplies each element by a constant",
    "OrC": "bitwise OR of each element with a constant",
    "SubC": "subtracts a constant from each element",
    "SubCRev": "subtracts each element from a constant",
    "XorC": "bitwise XOR of each element with a constant",
    "And": "bitwise AND of two vectors",
    "Arctan": "arctangent of each element",
    "AutoCorr": "autocorrelation for the lags 0 .. dstLen-1",
    "BuildSymblTableDV4D": "builds the four-dimensional subset table of the trellis decoder",
    "CalcStatesDV": "add-compare-select step of the trellis decoder",
    "CartToPolar": "converts Cartesian values to magnitudes and phases",
    "Cauchy": "Cauchy robust-estimation function of each element",
    "CauchyD": "Cauchy function and its first derivative",
    "CauchyDD2": "Cauchy function with its first and second derivatives",
    "Conj": "complex conjugate of each element",
    "ConjCcs": "expands a CCS-packed spectrum to the full conjugate-symmetric spectrum",
    "ConjFlip": "conjugates and reverses a complex vector",
    "ConjPack": "expands a Pack-format spectrum to the full conjugate-symmetric spectrum",
    "ConjPerm": "expands a Perm-format spectrum to the full conjugate-symmetric spectrum",
    "Conv": "full linear convolution of two vectors",
    "ConvBiased": "convolution divided by the source length, from a bias offset",
    "ConvCyclic4x4": "fixed-size 4-point cyclic convolution",
    "ConvCyclic8x8": "fixed-size 8-point cyclic convolution",
    "Convert": "converts each element to another type",
    "Copy": "copies a vector",
    "CountInRange": "counts the elements within [lowerBound, upperBound]",
    "CplxToReal": "splits a complex vector into real and imaginary parts",
    "CrossCorr": "cross-correlation of two vectors over a range of lags",
    "Cubrt": "cube root of each element",
    "DCTFwd": "forward discrete cosine transform",
    "DCTInv": "inverse discrete cosine transform",
    "DFTFwd": "forward DFT of any length",
    "DFTInv": "inverse DFT of any length",
    "DFTOutOrdFwd": "forward DFT with the outputs in the transform's own order",
    "DFTOutOrdInv": "inverse DFT from inputs in the transform's own order",
    "DemodulateFM": "FM discriminator: phase step between successive complex samples",
    "Div": "divides element by element (the second source by the first)",
    "DotProd": "dot product of two vectors",
    "Exp": "exponential of each element",
    "FFTFwd": "forward power-of-two FFT",
    "FFTInv": "inverse power-of-two FFT",
    "FIR": "filters a block through an FIR state",
    "FIRGenBandpass": "designs a band-pass FIR filter by the window method",
    "FIRGenBandstop": "designs a band-stop FIR filter by the window method",
    "FIRGenHighpass": "designs a high-pass FIR filter by the window method",
    "FIRGenLowpass": "designs a low-pass FIR filter by the window method",
    "FIRLMS": "filters a block and adapts the taps by least mean squares",
    "FIRLMSMROne": "one output of the multirate LMS filter",
    "FIRLMSMROneVal": "one output of the multirate LMS filter for one new input",
    "FIRLMSOne": "one LMS filter step: output, error and tap update",
    "FIRMR": "multirate FIR filtering (up-sample, filter, down-sample)",
    "FIROne": "filters one sample",
    "FIRSparse": "filters a block with a sparse FIR filter",
    "FilterMedian": "median filter over a sliding mask",
    "FindNearest": "nearest table entries (and their indexes) for each element",
    "FindNearestOne": "nearest table entry (and its index) for one value",
    "Flip": "reverses the order of the elements",
    "Free": "releases storage obtained from veksMalloc",
    "GetLibVersion": "returns the constant library version record",
    "GetVarPointDV": "nearest lattice points of each subset for the trellis decoder",
    "Goertz": "one DFT bin by the Goertzel algorithm",
    "GoertzTwo": "two DFT bins by the Goertzel algorithm",
    "Hilbert": "analytic signal through the Hilbert transform",
    "IIR": "filters a block through an IIR state",
    "IIRGenHighpass": "designs a high-pass IIR filter (Butterworth or Chebyshev I)",
    "IIRGenLowpass": "designs a low-pass IIR filter (Butterworth or Chebyshev I)",
    "IIROne": "filters one sample through an IIR state",
    "IIRSparse": "filters a block with a sparse IIR filter",
    "Imag": "imaginary parts of a complex vector",
    "Join": "interleaves channel lines into one vector",
    "JoinScaled": "interleaves channel lines into one vector with scaling",
    "LShiftC": "shifts each element left by a constant count",
    "LinToALaw": "compresses linear samples to A-law codes",
    "LinToMuLaw": "compresses linear samples to mu-law codes",
    "Ln": "natural logarithm of each element",
    "MagSquared": "squared magnitude of each complex element",
    "Magnitude": "magnitude of each complex element",
    "Malloc": "allocates storage for len elements (null when len < 1 or out of memory)",
    "Max": "largest element",
    "MaxAbs": "largest magnitude",
    "MaxAbsIndx": "largest magnitude and its first index",
    "MaxEvery": "element-wise maximum of two vectors",
    "MaxIndx": "largest element and its first index",
    "MaxOrder": "order (binary exponent) of the largest magnitude",
    "Mean": "arithmetic mean",
    "MeanStdDev": "mean and standard deviation",
    "Min": "smallest element",
    "MinAbs": "smallest magnitude",
    "MinAbsIndx": "smallest magnitude and its first index",
    "MinEvery": "element-wise minimum of two vectors",
    "MinIndx": "smallest element and its first index",
    "MinMax": "smallest and largest elements",
    "MinMaxIndx": "smallest and largest elements with their first indexes",
    "Move": "copies a vector; source and destination may overlap",
    "MuLawToALaw": "transcodes mu-law codes to A-law codes",
    "MuLawToLin": "expands mu-law codes to linear samples",
    "Mul": "multiplies two vectors element by element",
    "MulPack": "multiplies two Pack-format spectra",
    "MulPackConj": "multiplies a Pack-format spectrum by the conjugate of another",
    "MulPerm": "multiplies two Perm-format spectra",
    "Norm": "norm of a vector",
    "NormDiff": "norm of the difference of two vectors",
    "Normalize": "subtracts vSub from each element and divides by vDiv",
    "Not": "bitwise NOT of each element",
    "Or": "bitwise OR of two vectors",
    "PackBits": "packs the low bits of each element into a bit string",
    "Phase": "phase angle of each complex element",
    "PolarToCart": "converts magnitudes and phases to Cartesian values",
    "PowerSpectr": "power spectrum: squared magnitude of each complex element",
    "Preemphasize": "pre-emphasis filter y[n] = x[n] - val·x[n-1]",
    "RShiftC": "shifts each element right by a constant count",
    "RandGauss": "fills a vector with Gaussian random numbers",
    "RandUniform": "fills a vector with uniform random numbers",
    "Real": "real parts of a complex vector",
    "RealToCplx": "builds a complex vector from real and imaginary parts",
    "SampleDown": "keeps every factor-th sample, from a phase",
    "SampleUp": "inserts factor-1 zeros after each sample, at a phase",
    "Set": "sets every element to a value",
    "SortAscend": "sorts in ascending order",
    "SortDescend": "sorts in descending order",
    "SortIndexAscend": "sorts in ascending order and reports the original indexes",
    "SortIndexDescend": "sorts in descending order and reports the original indexes",
    "SortRadixAscend": "radix sort in ascending order",
    "SortRadixDescend": "radix sort in descending order",
    "SortRadixIndexAscend": "stable radix index sort in ascending key order",
    "SortRadixIndexDescend": "stable radix index sort in descending key order",
    "SplitScaled": "splits an interleaved vector into channel lines with scaling",
    "Sqr": "square of each element",
    "Sqrt": "square root of each element",
    "StdDev": "standard deviation",
    "Sub": "subtracts element by element (the first source from the second)",
    "Sum": "sum of the elements",
    "SumLn": "sum of the natural logarithms of the elements",
    "SumWindow": "sliding-window sums over maskSize elements",
    "SwapBytes": "reverses the byte order of each element",
    "Threshold": "limits elements against a level",
    "Tone": "generates a sampled cosine tone",
    "Triangle": "generates a triangle wave",
    "UpdateLinear": "running linear average update",
    "UpdatePathMetricsDV": "renormalises the path metrics of the trellis decoder",
    "UpdatePower": "running power average update",
    "VectorJaehne": "fills a vector with the Jaehne test signal",
    "VectorRamp": "fills a vector with a ramp offset + slope·n",
    "VectorSlope": "fills a vector with a ramp offset + slope·n",
    "WTFwd": "forward two-band wavelet transform",
    "WTHaarFwd": "forward Haar wavelet transform",
    "WTHaarInv": "inverse Haar wavelet transform",
    "WTInv": "inverse two-band wavelet transform",
    "WinBartlett": "multiplies by a Bartlett window",
    "WinBlackman": "multiplies by a Blackman window with parameter alpha",
    "WinBlackmanOpt": "multiplies by the optimal Blackman window",
    "WinBlackmanStd": "multiplies by the standard Blackman window",
    "WinHamming": "multiplies by a Hamming window",
    "WinHann": "multiplies by a Hann window",
    "WinKaiser": "multiplies by a Kaiser window",
    "Xor": "bitwise XOR of two vectors",
    "Zero": "sets every element to zero",
    "ZeroCrossing": "zero-crossing measure of a vector",
}

# Operations that take a constant: "<op>C" and "<op>CRev".
CONSTANT = "with a constant operand"
CONSTANT_REV = "with the constant as the left operand"

OBJECTS = {
    "FFT": "an FFT specification", "DFT": "a DFT specification",
    "DFTOutOrd": "an out-of-order DFT specification", "DCTFwd": "a forward DCT specification",
    "DCTInv": "an inverse DCT specification", "Hilbert": "a Hilbert transform specification",
    "FIR": "an FIR state", "FIRMR": "a multirate FIR state", "FIRStream": "a streaming FIR state",
    "FIRMRStream": "a streaming multirate FIR state", "FIRSparse": "a sparse FIR state",
    "FIRLMS": "an LMS filter state", "FIRLMSMR": "a multirate LMS filter state", "IIR": "an IIR state",
    "IIRSparse": "a sparse IIR state", "RandUniform": "a uniform random generator state",
    "RandGauss": "a Gaussian random generator state", "Tone": "a tone generator state",
    "Triangle": "a triangle generator state", "WTFwd": "a forward wavelet state",
    "WTInv": "an inverse wavelet state",
}
VERBS = {
    "Init": "lays {} into caller memory",
    "InitAlloc": "allocates and initialises {}",
    "Free": "releases {}",
    "GetSize": "reports the memory {} needs",
    "GetBufSize": "reports the work buffer size of {}",
    "GetStateSize": "reports the bytes {} needs",
    "GetDlyLine": "copies out the delay line of {}",
    "SetDlyLine": "replaces the delay line of {}",
    "GetTaps": "copies out the taps of {}",
    "SetTaps": "replaces the taps of {}",
    "GetTapsPointer": "points at the taps held in {}",
    "GetDlyVal": "reads one delayed value of {}",
    "PutVal": "feeds one input sample into {}",
    "SetMu": "sets the adaptation step of {}",
    "UpdateTaps": "adapts the taps of {} by an error value",
}
# Q15 generator operations: the state kind is in the operation name.
Q15_STATE = {"ToneQ15": "generates a tone from a Q15 tone state",
             "TriangleQ15": "generates a triangle wave from a Q15 triangle state"}

SUFFIXES = {
    "I": "in place", "Sfs": "scaled integer result", "ISfs": "in place, scaled integer result",
    "Direct": "stateless form", "Direct32f": "stateless form, 32f taps",
    "DirectQ15": "stateless form, Q15 taps and step", "BiQuad": "biquad cascade",
    "BiQuadDirect": "stateless biquad cascade", "DF1": "direct form I",
    "P": "multi-channel", "IP": "multi-channel, in place", "PSfs": "multi-channel, scaled integer result",
    "IPSfs": "multi-channel, in place, scaled integer result", "D2L": "channels as a list of lines",
    "Round": "explicit rounding mode", "Low": "reduced precision, truncating",
    "C": "complex kind", "R": "real kind",
    "CToC": "complex to complex", "CToR": "complex to real",
    "RToPerm": "real to Perm-format spectrum", "RToPack": "real to Pack-format spectrum",
    "RToCCS": "real to CCS-format spectrum", "PermToR": "Perm-format spectrum to real",
    "PackToR": "Pack-format spectrum to real", "CCSToR": "CCS-format spectrum to real",
    "Inf": "infinity norm", "L1": "L1 norm", "L2": "L2 norm", "L2Sqr": "squared L2 norm",
    "LT": "elements below the level become the level", "GT": "elements above the level become the level",
    "LTVal": "elements below the level become a value", "GTVal": "elements above the level become a value",
    "LTValGTVal": "below the lower level one value, above the upper level another",
    "LTInv": "reciprocals, magnitudes below the level limited",
    "LTAbs": "on magnitudes: below the level", "GTAbs": "on magnitudes: above the level",
    "NormA": "normalised by the length", "NormB": "normalised by the number of terms of each lag",
}


def describe(name):
    """One-line effect of an exported function, or None when the tables
    cannot name it."""
    parts = name[len("veks"):].split("_")
    op, tokens = parts[0], parts[1:]
    m = re.match(rf"(.*?)((?:{TYPE})*)$", op)
    op, taps = m.group(1), m.group(2)
    q15 = op.endswith("Q15") and op not in OPERATIONS and op not in Q15_STATE
    if q15:
        op = op[:-3]
    effect = None
    if op in Q15_STATE:
        effect = Q15_STATE[op]
    elif op in OPERATIONS:
        effect = OPERATIONS[op]
    elif op.endswith("CRev") and op[:-4] in OPERATIONS:
        effect = f"{OPERATIONS[op[:-4]]}, {CONSTANT_REV}"
    elif op.endswith("C") and op[:-1] in OPERATIONS:
        effect = f"{OPERATIONS[op[:-1]]}, {CONSTANT}"
    else:
        for fam in sorted(OBJECTS, key=len, reverse=True):
            verb = op[len(fam):]
            if op.startswith(fam) and verb in VERBS:
                effect = VERBS[verb].format(OBJECTS[fam])
                break
    if effect is None:
        return None
    notes, types = [], []
    if taps:
        notes.append(f"{taps} taps")
    if q15:
        notes.append("Q15 parameters")
    for t in tokens:
        if re.fullmatch(rf"(?:{TYPE})+", t):
            types.append(t)
        elif t in SUFFIXES:
            notes.append(SUFFIXES[t])
        else:
            return None
    if types:
        codes = re.findall(TYPE, "".join(types))
        notes.insert(0, codes[0] if len(codes) == 1 else " to ".join([", ".join(codes[:-1]), codes[-1]]))
    line = effect[0].upper() + effect[1:]
    return line + (f" ({'; '.join(notes)})" if notes else "") + "."


def sections(header_text):
    """(family, subsection, function name) in header order."""
    family, sub = "Library frame", None
    pending_box = False
    for line in header_text.splitlines():
        s = line.strip()
        m = re.match(r"/\* ==== (.*?) ==== \*/", s)
        if m:
            family, sub = m.group(1), None
            continue
        if re.fullmatch(r"/\* -{20,} \*/", s):
            pending_box = not pending_box
            continue
        if pending_box:
            m = re.match(r"/\* (.*?)\s*\*/", s)
            if m and m.group(1):
                family, sub = m.group(1), None
            continue
        m = re.match(r"/\* ---- (.*?) -+ \*/", s)
        if m:
            sub = m.group(1)
            continue
        for fn in re.findall(r"VEKS_API\s+[\w\s\*]+?\b(veks\w+)\s*\(", line):
            yield family, sub, fn


def render(header_path):
    text = open(header_path).read()
    out = ["# veks API reference", "",
           "Generated from `include/veks.h` by `tools/gen_api_doc.py`; do not edit by hand.",
           "Every function returns a `VekStatus` unless its declaration says otherwise.", ""]
    missing, count = [], 0
    last_family, last_sub = None, None
    for family, sub, fn in sections(text):
        if family != last_family:
            out += ["", f"## {family}", ""]
            last_family, last_sub = family, None
        if sub != last_sub and sub:
            out += ["", f"### {sub}", ""]
        last_sub = sub
        d = describe(fn)
        if d is None:
            missing.append(fn)
        out.append(f"- `{fn}`: {d}")
        count += 1
    out.append("")
    return "\n".join(out).replace("\n\n\n", "\n\n"), missing, count


def main(argv):
    check = argv[:1] == ["--check"]
    header, doc, *expect = argv[1:] if check else argv
    content, missing, count = render(header)
    if expect and count != int(expect[0]):
        print(f"the header declares {count} functions, not {expect[0]}", file=sys.stderr)
        return 1
    for fn in missing:
        print(f"no description for {fn}", file=sys.stderr)
    if check:
        try:
            same = open(doc).read() == content
        except OSError:
            same = False
        if not same:
            print(f"{doc} is out of date: regenerate it with tools/gen_api_doc.py", file=sys.stderr)
        return 1 if missing or not same else 0
    old = None
    try:
        old = open(doc).read()
    except OSError:
        pass
    if old != content:
        with open(doc, "w") as f:
            f.write(content)
    print(f"{count} functions documented")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
