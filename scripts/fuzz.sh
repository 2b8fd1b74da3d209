#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time on its seed corpus:
#   scripts/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-fuzz}
SECONDS_EACH=${2:-60}
shopt -s nullglob
status=0
for fuzzer in "$BUILD"/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  work=$(mktemp -d)
  seeds=()
  [ -d "fuzz/seeds/${name#fuzz_}" ] && seeds+=("fuzz/seeds/${name#fuzz_}")
  for extra in $(cat "fuzz/seeds/${name#fuzz_}.dirs" 2>/dev/null || true); do
    [ -d "$extra" ] && seeds+=("$extra")
  done
  echo "-- $name for ${SECONDS_EACH}s"
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/fuzz/lsan.supp":print_suppressions=0 \
    "$fuzzer" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$work/" "$work" "${seeds[@]}" >"$work/log" 2>&1 || {
      status=1; echo "!! $name failed:"; tail -n 60 "$work/log"; }
  grep -E '^(stat::number_of_executed_units|Done)' "$work/log" || true
done
exit $status
