#!/bin/sh
# Runs every fuzz harness in DIR for SECONDS each, starting from its seed
# corpus fuzz/corpus/<harness>/. New inputs go to a scratch corpus under
# DIR, so the repository's seeds stay as committed. Any crash, sanitizer
# report, leak or failed check stops the run with a non-zero status; the
# offending input is left in DIR as crash-*/leak-*/timeout-*.
set -eu
dir=$1
seconds=${2:-30}
root="$(cd "$(dirname "$0")/.." && pwd)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
found=0
for h in "$dir"/fuzz_*; do
    [ -x "$h" ] || continue
    name=$(basename "$h")
    seeds="$root/fuzz/corpus/${name#fuzz_}"
    work="$dir/corpus-${name#fuzz_}"
    mkdir -p "$work"
    found=$((found + 1))
    echo "== $name: ${seconds}s"
    "$h" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 -max_len=4096 \
         -print_final_stats=1 -print_funcs=0 -artifact_prefix="$dir/" "$work" "$seeds"
done
[ "$found" -gt 0 ] || { echo "no fuzz harnesses in $dir" >&2; exit 1; }
echo "fuzz: $found harnesses clean"
