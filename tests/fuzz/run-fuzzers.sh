#!/usr/bin/env bash
# Runs every reader's fuzzer for a while and keeps the grown corpus, minimised, in
# tests/fuzz/corpus/<reader>/. Needs a build made with clang and -DORVELA_FUZZ=ON:
#   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DORVELA_FUZZ=ON
#   cmake --build build-fuzz --target fuzzers
#   tests/fuzz/run-fuzzers.sh build-fuzz [seconds per reader, default 20] [reader ...]
# An input that makes a reader fail is written to <build>/fuzz-out/<reader>/ as crash-*,
# timeout-* or oom-*; put it in tests/fuzz/regressions/<reader>/ once the fault is mended.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?build directory}" && pwd)"
seconds="${2:-20}"
shift $(( $# >= 2 ? 2 : 1 ))
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
    readers=(datalines scrambling settings rules diagnosis records levels journal wordlists
             horoscope story speed reveal wav bmp)
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$here/make-seeds.py" "$work/seeds"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

for reader in "${readers[@]}"; do
    fuzzer="$build/tests/fuzz/fuzz-$reader"
    corpus="$here/corpus/$reader"
    out="$build/fuzz-out/$reader"
    mkdir -p "$corpus" "$out" "$work/grow-$reader" "$work/seeds/$reader"
    echo "== $reader: ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$out/" \
        "$work/grow-$reader" "$corpus" "$work/seeds/$reader" 2>"$out/log" || {
        echo "   failed: see $out/log"
        tail -n 30 "$out/log"
        continue
    }
    grep -E "stat::number_of_executed_units|cov:" "$out/log" | tail -n 2
    # Minimise: only inputs that add coverage are kept.
    mkdir -p "$work/min-$reader"
    "$fuzzer" -merge=1 -max_len=4096 "$work/min-$reader" "$corpus" "$work/grow-$reader" \
        "$work/seeds/$reader" 2>>"$out/log" >/dev/null
    rm -rf "$corpus"
    mv "$work/min-$reader" "$corpus"
    echo "   corpus: $(ls "$corpus" | wc -l) inputs, $(du -sk "$corpus" | cut -f1) KiB"
done
