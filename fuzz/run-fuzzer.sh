#!/usr/bin/env bash
# Runs one fuzzer for a given time on a fresh copy of its seed corpus, so the
# committed seeds are never changed by a run. Any crash, leak or mismatch
# fails the run.
# Usage: run-fuzzer.sh FUZZER SEED_DIR SECONDS [extra libFuzzer flags]
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$seeds"/. "$work/corpus"
cd "$work"
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$@" corpus 2>&1 | grep -E 'stat::|ERROR|SUMMARY|Done|BINGO|crash|leak' || true
exit "${PIPESTATUS[0]}"
