#!/usr/bin/python3
"""Runs the Google Benchmark binaries of bench/ and writes the measured
ratio tables into docs/performance.md and plots into docs/plots/.

Usage (normally through `make bench-report`):
  bench_report.py --bench-dir build-bench/bench [--min-time 0.05] [--filter fft]
                  [--repetitions N] [--json-dir DIR] [--no-run] --out docs/performance.md --plots docs/plots

With --repetitions N every case runs N times, the cases of a binary in
random order (Google Benchmark's random interleaving), and a case's time
is the median of its N runs: on a shared machine a slow phase then hits
ours and the peer alike instead of one whole case.

Pairing rule. Every benchmark is either ours (its name contains "veks") or
a peer. A peer case is compared with an ours case of the same binary and
the same arguments (the part of the name after the first '/'):
  1. when the two base names are listed together in EXPLICIT_PAIRS, else
  2. when they differ only in the implementation token: the names are
     "<op>_<impl>" or "BM_<impl>_<op>" with <impl> "veks" for ours and one
     of PEER_TOKENS for the peer (Add_32f_veks / Add_32f_volk,
     BM_veks_fwd_32fc / BM_fftw_fwd_32fc).
A new benchmark that follows rule 2 is paired without touching this file.
The ratio is the peer's real time divided by ours for the same case: above
1 we are faster. Cases of ours without a peer are listed with their time.

Cases that time both sides themselves (counters veks_ns and peer_ns, the
shortest batch of each side over rounds that alternate between them) form
a table of their own: one column per base name, one row per first
argument. A file bench_x+name.json in the JSON directory adds the cases
of another run of bench_x (with --no-run), e.g. those cases run alone.

The generated text replaces what stands between the markers
  <!-- bench-report:begin KEY --> ... <!-- bench-report:end KEY -->
in the output file, KEY being a family key (fft, fir, copy, ...) or "all"
for the families that have no block of their own; everything outside the
markers (the hand-written analysis) is kept as it is. Without any marker
an "all" block is appended at the end.
"""
import argparse
import json
import math
import os
import re
import subprocess
import sys
import time

# Binary -> (family key, title, what the peers are).
FAMILIES = {
    'bench_fft': ('fft', 'FFT', 'FFTW 3 (FFTW_MEASURE plans)'),
    'bench_fir': ('fir', 'FIR filters', 'liquid-dsp and a plain -O2 loop'),
    'bench_iir': ('iir', 'IIR, convolution and correlation', 'liquid-dsp, plain loops, FFTW'),
    'bench_copy': ('copy', 'Copy and fill', 'memcpy, memset, std::reverse_copy'),
    'bench_convert': ('convert', 'Conversion', 'VOLK and plain -O3 loops'),
    'bench_arith': ('arith', 'Arithmetic', 'VOLK and plain -O3 loops'),
    'bench_math': ('math', 'Elementary math, magnitude and phase', 'SLEEF, VOLK and libm loops'),
    'bench_stats': ('stats', 'Statistics and sorting', 'VOLK, OpenBLAS, std::sort, boost spreadsort'),
    'bench_generate': ('generate', 'Signal generation and speech support', 'std::mt19937, liquid-dsp, libm loops'),
    'bench_filter_design': ('design', 'Windows and median filter', 'libm loops, std::nth_element'),
}

PEER_TOKENS = ['fftw', 'volk', 'sleef', 'liquid', 'cblas', 'openblas', 'libm', 'scalar', 'loop', 'plain',
               'std', 'spreadsort', 'nth_element']

# (ours, peer) base names that rule 2 cannot pair.
EXPLICIT_PAIRS = [
    ('BM_veksCopy_8u', 'BM_memcpy'),
    ('BM_veksSet_8u', 'BM_memset'),
    ('BM_veksZero_32f', 'BM_memset0'),
    ('BM_veksFlip_32f', 'BM_std_reverse_copy'),
    ('BM_veksFlip_32f', 'BM_scalar_flip'),
    ('BM_32f8u_veks', 'BM_32f8u_volk_8i'),
    ('BM_8u32f_veks', 'BM_8u32f_volk_8i'),
    ('BM_ThresholdLT_32f_I_veks', 'BM_ThresholdLT_32f_I_volk_max'),
    ('BM_veks_fir_32f', 'BM_liquid_firfilt_rrrf'),
    ('BM_veks_fir_32f', 'BM_plain_loop_32f'),
    ('BM_veks_fir_32fc', 'BM_liquid_firfilt_cccf'),
    ('BM_veks_decim4_32f', 'BM_liquid_firdecim_rrrf'),
    ('BM_veksSqrt_32f', 'BM_libm_sqrtf'),
    ('BM_veksSqrt_32f', 'BM_volk_32f_sqrt_32f'),
    ('BM_veksExp_32f', 'BM_libm_expf'),
    ('BM_veksExp_32f', 'BM_Sleef_expf4_u10'),
    ('BM_veksExp_32f', 'BM_volk_32f_exp_32f'),
    ('BM_veksLn_32f', 'BM_libm_logf'),
    ('BM_veksLn_32f', 'BM_Sleef_logf4_u10'),
    ('BM_veksArctan_32f', 'BM_libm_atanf'),
    ('BM_veksArctan_32f', 'BM_Sleef_atanf4_u10'),
    ('BM_veksArctan_32f', 'BM_volk_32f_atan_32f'),
    ('BM_veksMagnitude_32fc', 'BM_libm_magnitude'),
    ('BM_veksMagnitude_32fc', 'BM_libm_hypotf'),
    ('BM_veksMagnitude_32fc', 'BM_volk_32fc_magnitude_32f'),
    ('BM_veksPhase_32fc', 'BM_libm_atan2f'),
    ('BM_veksPhase_32fc', 'BM_Sleef_atan2f4_u10'),
    ('BM_veksPhase_32fc', 'BM_volk_32fc_s32f_atan2_32f'),
    ('BM_veksPowerSpectr_32fc', 'BM_libm_power'),
    ('BM_veksPowerSpectr_32fc', 'BM_volk_32fc_magnitude_squared_32f'),
    ('BM_veksGoertz_32f', 'BM_scalar_goertzel_32f'),
    ('BM_veksSum_32f_fast', 'BM_scalar_sum'),
    ('BM_veksSum_32f_fast', 'BM_volk_32f_accumulator_s32f'),
    ('BM_veksSum_32f_accurate', 'BM_scalar_sum'),
    ('BM_veksDotProd_32f', 'BM_scalar_dot'),
    ('BM_veksDotProd_32f', 'BM_volk_32f_x2_dot_prod_32f'),
    ('BM_veksDotProd_32f', 'BM_cblas_sdot'),
    ('BM_veksMaxIndx_32f', 'BM_volk_32f_index_max_32u'),
    ('BM_veksMaxIndx_32f', 'BM_cblas_isamax'),
    ('BM_veksSortRadixAscend_32f_I', 'BM_std_sort_32f'),
    ('BM_veksSortRadixAscend_32f_I', 'BM_spreadsort_32f'),
    ('BM_veksSortAscend_32f_I', 'BM_std_sort_32f'),
    ('BM_veksSortRadixAscend_32s_I', 'BM_std_sort_32s'),
    ('BM_veksSortRadixAscend_32s_I', 'BM_spreadsort_32s'),
    ('BM_veksRandUniform_Direct_32f', 'BM_mt19937_uniform_real'),
    ('BM_veksRandUniform_Direct_32f', 'BM_liquid_randf'),
    ('BM_veksRandUniform_32f_state', 'BM_mt19937_uniform_real'),
    ('BM_veksRandGauss_Direct_32f', 'BM_mt19937_normal'),
    ('BM_veksRandGauss_Direct_32f', 'BM_liquid_randnf'),
    ('BM_veksTone_Direct_32f_fast', 'BM_sinf_loop'),
    ('BM_veksTone_Direct_32f_accurate', 'BM_sinf_loop'),
    ('BM_veksTone_Direct_32fc', 'BM_sincosf_loop'),
    ('BM_veksTone_Direct_32fc', 'BM_liquid_nco_cexpf'),
    ('BM_veksTriangle_Direct_32f', 'BM_plain_triangle_loop'),
    ('BM_veksVectorSlope_16s', 'BM_plain_slope_16s'),
    ('BM_veksUpdatePower_16s32s_I', 'BM_plain_power_average'),
    ('BM_veksDemodulateFM_CToR_16s', 'BM_atan2f_discriminator'),
]

# Plot axes per family: x value from the case arguments, and its label.
PLOTS = {
    'fft': (lambda a: 2 ** a[0], 'transform length N (points)'),
    'fir': (lambda a: a[0] if len(a) < 3 or a[2] == 1 else None, 'taps (block of 4096 or 65536 samples, 1 thread)'),
    'copy': (lambda a: a[0], 'bytes'),
    'convert': (lambda a: a[0], 'elements'),
}

NS = {'ns': 1.0, 'us': 1e3, 'ms': 1e6, 's': 1e9}


def is_ours(base):
    return 'veks' in base


def split_impl(base):
    """(impl, op) under rule 2, or None."""
    name = base[3:] if base.startswith('BM_') else base
    for tok in ['veks'] + PEER_TOKENS:
        if name.endswith('_' + tok):
            return tok, name[:-len(tok) - 1]
        if name.startswith(tok + '_'):
            return tok, name[len(tok) + 1:]
    return None


def run_binaries(bench_dir, json_dir, min_time, name_filter, repetitions):
    os.makedirs(json_dir, exist_ok=True)
    binaries = sorted(f for f in os.listdir(bench_dir)
                      if f.startswith('bench_') and os.access(os.path.join(bench_dir, f), os.X_OK)
                      and os.path.isfile(os.path.join(bench_dir, f)))
    for b in binaries:
        if name_filter and name_filter not in b:
            continue
        out = os.path.join(json_dir, b + '.json')
        start = time.time()
        print(f'bench-report: running {b}', flush=True)
        cmd = [os.path.join(bench_dir, b), f'--benchmark_min_time={min_time}',
               f'--benchmark_context=min_time={min_time}', f'--benchmark_out={out}',
               '--benchmark_out_format=json', '--benchmark_format=console']
        if repetitions > 1:
            cmd += [f'--benchmark_repetitions={repetitions}', '--benchmark_enable_random_interleaving=true']
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
        print(f'bench-report: {b} took {time.time() - start:.0f} s', flush=True)


def load(json_dir):
    """binary -> (context, [case])"""
    runs = {}
    for f in sorted(os.listdir(json_dir)):
        if not f.endswith('.json'):
            continue
        try:
            with open(os.path.join(json_dir, f)) as fh:
                data = json.load(fh)
        except (OSError, ValueError):
            print(f'bench-report: skipping unreadable {f}', file=sys.stderr)
            continue
        cases, runs_of = [], {}
        for b in data.get('benchmarks', []):
            if b.get('run_type', 'iteration') != 'iteration' or b.get('error_occurred'):
                continue
            name = b['name']
            base, _, args = name.partition('/')
            t = b['real_time'] * NS[b.get('time_unit', 'ns')]
            if 'items_per_second' in b:
                per, unit = 1e9 / b['items_per_second'], 'element'
            elif 'bytes_per_second' in b:
                per, unit = 1e9 / b['bytes_per_second'], 'byte'
            else:
                per, unit = t, 'call'
            nums = []
            for a in args.split('/') if args else []:
                m = re.match(r'^(?:\w+:)?(-?\d+)$', a)
                if m:
                    nums.append(int(m.group(1)))
            if name not in runs_of:
                runs_of[name] = []
                cases.append({'name': name, 'base': base, 'args': args, 'nums': nums, 'unit': unit,
                              'iterations': b.get('iterations', 0)})
            if 'veks_ns' in b and 'peer_ns' in b:
                cases[-1]['alt'] = (b['veks_ns'], b['peer_ns'])
                cases[-1]['date'] = data.get('context', {}).get('date', '?')
            runs_of[name].append((t, per))
        for c in cases:
            # The median run of a repeated case (the run itself, so that
            # time and time per element stay one measurement).
            r = sorted(runs_of[c['name']])
            c['time'], c['per'] = r[(len(r) - 1) // 2]
            c['repetitions'] = len(r)
        if any(c['repetitions'] > 1 for c in cases):
            # Interleaved runs come in random order; list the cases by name.
            cases.sort(key=lambda c: (c['base'], c['nums'], c['args']))
        # bench_x+more.json adds the cases of another run of bench_x.
        binary = f[:-5].split('+')[0]
        context, known = runs.get(binary, (None, []))
        if context is None or '+' not in f:
            context = data.get('context', {})
        runs[binary] = (context, known + cases)
    return runs


def pairs_of(cases):
    explicit = {}
    for ours, peer in EXPLICIT_PAIRS:
        explicit.setdefault(peer, set()).add(ours)
    by_key = {(c['base'], c['args']): c for c in cases}
    ours_cases = [c for c in cases if is_ours(c['base'])]
    pairs = []
    for p in cases:
        if is_ours(p['base']):
            continue
        partners = set(explicit.get(p['base'], ()))
        sp = split_impl(p['base'])
        if sp and sp[0] != 'veks':
            for o in ours_cases:
                so = split_impl(o['base'])
                if so and so[0] == 'veks' and so[1] == sp[1]:
                    partners.add(o['base'])
        for ob in sorted(partners):
            o = by_key.get((ob, p['args']))
            if o:
                pairs.append((o, p))
    return pairs


def fmt_time(ns):
    if ns >= 1e6:
        return f'{ns / 1e6:.2f} ms'
    if ns >= 1e3:
        return f'{ns / 1e3:.2f} us'
    if ns >= 10:
        return f'{ns:.1f} ns'
    return f'{ns:.3f} ns'


def alternating_block(cases):
    """Ratio matrix of the cases that time both sides in turn."""
    cols, rows, cell, rounds = [], [], {}, set()
    for c in cases:
        col = c['base'].replace('BM_alt_', '')
        row = c['nums'][0] if c['nums'] else c['args']
        if col not in cols:
            cols.append(col)
        if row not in rows:
            rows.append(row)
        ours, peer = c['alt']
        cell[(row, col)] = peer / ours if ours > 0 else float('nan')
        rounds.add(c['iterations'])
    rows.sort(key=lambda r: (isinstance(r, str), r))
    how = f'{min(rounds)} to {max(rounds)}' if len(rounds) > 1 else f'{min(rounds)}'
    dates = ', '.join(sorted({c['date'] for c in cases}))
    lines = ['', f'Both sides timed in one case (`BM_alt_*`, run of {dates}): batches of calls of veks and of '
             f"the peer in turn, {how} rounds a case, shortest batch of each side; "
             'ratio = peer time / veks time:', '',
             '| order | ' + ' | '.join(cols) + ' |', '|---|' + '---|' * len(cols)]
    for r in rows:
        lines.append(f'| {r} | ' + ' | '.join(f"{cell[(r, c)]:.2f}" if (r, c) in cell else '' for c in cols) + ' |')
    low = [min((cell[(r, c)], r) for r in rows if (r, c) in cell) for c in cols]
    lines += ['', 'Lowest ratio per column: ' + ', '.join(f'{c} {v:.2f} (at {r})' for c, (v, r) in zip(cols, low)) + '.']
    return lines


def family_block(binary, cases, plot_rel, context=None):
    key, title, peers = FAMILIES.get(binary, (binary.replace('bench_', ''), binary, 'peers in the same binary'))
    lines = [f'### {title} (`{binary}`, peers: {peers})', '']
    alternating = [c for c in cases if 'alt' in c]
    cases = [c for c in cases if 'alt' not in c]
    if context:
        reps = max((c['repetitions'] for c in cases), default=1)
        how = f', median of {reps} runs of each case in random order' if reps > 1 else ''
        mt = f", --benchmark_min_time={context['min_time']}" if 'min_time' in context else ''
        lines += [f"Run of {context.get('date', '?')}{mt}{how}.", '']
    pairs = pairs_of(cases)
    if pairs:
        lines += ['| case | veks | peer case | peer | ratio (peer/veks) |', '|---|---|---|---|---|']
        for o, p in pairs:
            r = p['time'] / o['time'] if o['time'] > 0 else float('nan')
            lines.append(f"| `{o['name']}` | {fmt_time(o['time'])} | `{p['base']}` | {fmt_time(p['time'])} | "
                         f"**{r:.2f}** |")
        by_peer = {}
        for o, p in pairs:
            by_peer.setdefault(p['base'], []).append(p['time'] / o['time'])
        lines += ['', 'Geometric mean of the ratio per peer case: ' + ', '.join(
            f"`{k}` {math.exp(sum(map(math.log, v)) / len(v)):.2f} ({len(v)} cases)"
            for k, v in sorted(by_peer.items())) + '.']
    paired = {o['name'] for o, _ in pairs}
    alone = [c for c in cases if is_ours(c['base']) and c['name'] not in paired]
    if alone:
        lines += ['', 'Cases without a peer case of the same arguments:', '',
                  '| case | time | per ' + 'unit |', '|---|---|---|']
        for c in alone:
            lines.append(f"| `{c['name']}` | {fmt_time(c['time'])} | {fmt_time(c['per'])} per {c['unit']} |")
    if alternating:
        lines += alternating_block(alternating)
    if plot_rel:
        lines += ['', f'![{title}: time per element against size]({plot_rel})']
    return key, '\n'.join(lines) + '\n'


def plot(binary, cases, plot_dir):
    key = FAMILIES.get(binary, (None,))[0]
    if key not in PLOTS:
        return None
    try:
        import matplotlib
        matplotlib.use('Agg')
        import matplotlib.pyplot as plt
    except ImportError:
        print('bench-report: python3-matplotlib is missing, no plots', file=sys.stderr)
        return None
    xof, xlabel = PLOTS[key]
    series = {}
    for c in cases:
        if not c['nums'] or 'alt' in c:
            continue
        x = xof(c['nums'])
        if x is None:
            continue
        label = c['base'][3:] if c['base'].startswith('BM_') else c['base']
        if key == 'fir':
            label += f" n={c['nums'][1]}" if len(c['nums']) > 1 else ''
        series.setdefault(label, []).append((x, c['per']))
    if not series:
        return None
    fig, ax = plt.subplots(figsize=(8, 5))
    for label, pts in sorted(series.items()):
        pts.sort()
        style = '-o' if 'veks' in label else '--s'
        ax.plot([p[0] for p in pts], [p[1] for p in pts], style, markersize=3, linewidth=1.2, label=label)
    ax.set_xscale('log', base=2)
    ax.set_yscale('log')
    ax.set_xlabel(xlabel)
    ax.set_ylabel('ns per element (bytes for copy)')
    ax.set_title(f"{FAMILIES[binary][1]}: veks (solid) and peers (dashed)")
    ax.grid(True, which='both', alpha=0.3)
    ax.legend(fontsize=6, ncol=2)
    fig.tight_layout()
    os.makedirs(plot_dir, exist_ok=True)
    path = os.path.join(plot_dir, f'{key}.png')
    fig.savefig(path, dpi=110)
    plt.close(fig)
    return path


def splice(text, blocks, header):
    """Replaces marked blocks; families without their own block go to 'all'."""
    rest = []
    for key, body in blocks:
        pat = re.compile(rf'(<!-- bench-report:begin {re.escape(key)} -->\n).*?(<!-- bench-report:end {re.escape(key)} -->)',
                         re.S)
        if pat.search(text):
            text = pat.sub(lambda m: m.group(1) + body + m.group(2), text)
        else:
            rest.append(body)
    allbody = header + '\n' + '\n'.join(rest)
    pat = re.compile(r'(<!-- bench-report:begin all -->\n).*?(<!-- bench-report:end all -->)', re.S)
    if pat.search(text):
        return pat.sub(lambda m: m.group(1) + allbody + m.group(2), text)
    return (text.rstrip('\n') + '\n\n## Measured ratios (generated by `make bench-report`)\n\n'
            '<!-- bench-report:begin all -->\n' + allbody + '<!-- bench-report:end all -->\n')


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--bench-dir', default='build-bench/bench')
    ap.add_argument('--json-dir', default=None)
    ap.add_argument('--min-time', default='0.05')
    ap.add_argument('--filter', default='')
    ap.add_argument('--repetitions', type=int, default=1)
    ap.add_argument('--no-run', action='store_true', help='reuse the JSON files of an earlier run')
    ap.add_argument('--out', default='docs/performance.md')
    ap.add_argument('--plots', default='docs/plots')
    a = ap.parse_args()
    json_dir = a.json_dir or os.path.join(a.bench_dir, '..', 'json')
    if not a.no_run:
        run_binaries(a.bench_dir, json_dir, a.min_time, a.filter, a.repetitions)
    runs = load(json_dir)
    if not runs:
        sys.exit('bench-report: no benchmark results in ' + json_dir)
    out_dir = os.path.dirname(os.path.abspath(a.out))
    blocks = []
    ctx = {}
    for binary, (context, cases) in sorted(runs.items(), key=lambda kv: FAMILIES.get(kv[0], ('~',))[0]):
        ctx = ctx or context
        path = plot(binary, cases, a.plots)
        rel = os.path.relpath(path, out_dir) if path else None
        blocks.append(family_block(binary, cases, rel, context))
    header = (f"Runs on {ctx.get('host_name', '?')}: {ctx.get('num_cpus', '?')} CPUs at "
              f"{ctx.get('mhz_per_cpu', '?')} MHz, Release build of veks; each family names its run. "
              "Times are real (wall-clock) time per iteration of the case; "
              'ratio = peer time / veks time for the same case in the same run, above 1 means veks is faster. '
              'The machine was shared with other jobs, so single ratios can be off by tens of percent; '
              'see tools/bench_report.py for the pairing rule.\n')
    text = open(a.out).read() if os.path.exists(a.out) else '# Performance\n'
    with open(a.out, 'w') as fh:
        fh.write(splice(text, blocks, header))
    print(f'bench-report: wrote {a.out} ({len(blocks)} families)')


if __name__ == '__main__':
    main()
