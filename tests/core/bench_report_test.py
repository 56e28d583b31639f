#!/usr/bin/python3
"""tools/bench_report.py on a made-up run: cases pair by the explicit table
and by the implementation-token rule at equal arguments only, the ratio is
peer time over ours, and the hand-written text around the markers survives
a rewrite unchanged."""
import json
import os
import subprocess
import sys
import tempfile

tool = sys.argv[1]


def case(name, t, unit='ns', items=None):
    b = {'name': name, 'run_type': 'iteration', 'real_time': t, 'cpu_time': t, 'time_unit': unit}
    if items:
        b['items_per_second'] = items
    return b


runs = {
    'bench_arith': [case('Add_32f_veks/1024', 100), case('Add_32f_volk/1024', 250), case('Add_32f_volk/65536', 9),
                    case('Mul_32f_loop/1024', 80)],
    'bench_copy': [case('BM_veksCopy_8u/64', 2, 'us'), case('BM_memcpy/64', 3, 'us')],
}
prose = '# Performance\n\nHand-written analysis.\n\n<!-- bench-report:begin copy -->\nold\n<!-- bench-report:end copy -->\n\nMore prose.\n'
with tempfile.TemporaryDirectory() as d:
    for b, cases in runs.items():
        with open(os.path.join(d, b + '.json'), 'w') as fh:
            json.dump({'context': {'date': 'today'}, 'benchmarks': cases}, fh)
    out = os.path.join(d, 'perf.md')
    with open(out, 'w') as fh:
        fh.write(prose)
    cmd = [sys.executable, tool, '--no-run', '--json-dir', d, '--out', out, '--plots', os.path.join(d, 'plots')]
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
    first = open(out).read()
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
    second = open(out).read()

failures = []
def expect(cond, what):
    if not cond:
        failures.append(what)

expect(first == second, 'a second run changes the file')
expect(first.startswith('# Performance\n\nHand-written analysis.\n'), 'text before the markers changed')
expect('More prose.' in first and 'old\n' not in first, 'copy block not replaced in place')
expect('| `Add_32f_veks/1024` | 100.0 ns | `Add_32f_volk` | 250.0 ns | **2.50** |' in first, 'token-rule pair or ratio')
expect('| `BM_veksCopy_8u/64` | 2.00 us | `BM_memcpy` | 3.00 us | **1.50** |' in first, 'explicit pair in its block')
expect(first.index('BM_memcpy') < first.index('More prose.'), 'copy family outside its own block')
expect('Add_32f_volk` | 9' not in first, 'paired across different arguments')
expect(first.count('<!-- bench-report:begin all -->') == 1, 'families without a block not gathered once')
for f in failures:
    print('FAIL:', f)
sys.exit(1 if failures else 0)
