#!/usr/bin/env bash
# Runs one fuzz target for CTest for a bounded time from a fixed seed, on a fresh copy of its seed
# corpus so that the corpus kept in the repository never grows. A crash, a sanitizer report or a
# difference from the model makes the fuzzer, and so the test, fail; the input is kept in WORK_DIR.
# Usage: run_fuzzer.sh FUZZER SEED_CORPUS WORK_DIR SECONDS
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3 seconds=$4

rm -rf "$work"
mkdir -p "$work/artifacts"
cp -R "$seeds" "$work/corpus"
exec "$fuzzer" -seed=1 -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus"
