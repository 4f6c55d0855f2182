#!/usr/bin/env bash
# Runs one fuzz target for a given time: it first replays the target's corpus
# in the repository (the seeds and every earlier finding), then fuzzes. New
# inputs collect in the build directory; an input that breaks the target is
# kept in BUILD/findings and fails the run.
#
# Usage: fuzz/run_fuzzer.sh BUILD TARGET SECONDS
set -uo pipefail

build=$1
target=$2
seconds=$3
here=$(cd "$(dirname "$0")" && pwd)

case $target in
  plot) max_len=32768 ;;  # room for a line past the 20479-character limit
  args) max_len=2048 ;;
  convert) max_len=8192 ;;
  model_reader) max_len=8192 ;;
  *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

cd "$build" || exit 2
build=$(pwd)
mkdir -p "corpus/$target" findings
log="fuzz-$target.log"
echo "fuzzing $target for $seconds s (log: $build/$log)"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  nice "./${target}_fuzzer" -max_total_time="$seconds" -max_len="$max_len" \
  -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
  -dict="$here/$target.dict" -artifact_prefix="$build/findings/$target-" \
  "$build/corpus/$target" "$here/corpus/$target" >"$log" 2>&1
status=$?
grep -E '^(#[0-9]+ +DONE|Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log"
if [ "$status" -ne 0 ]; then
  tail -n 40 "$log"
  echo "fuzz target $target FAILED; the input is in $build/findings" >&2
fi
exit "$status"
