#!/usr/bin/env bash
# Times whole-process conversions against the floor program, which only reads
# the plot and writes a file of the model's size: the 200-point profile at
# /a:10 and the bundled vase at the default accuracy. Prints the median
# times, their spread, the ratio of the medians and both peak memories, and
# whether the targets hold (ratio at most 1.25, memory at most 1 MiB above
# the floor's).
#
# Usage: bench/run.sh TURNEL [RUNS]
set -euo pipefail

turnel=$(realpath "$1")
runs=${2:-300}
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
# In memory where possible: the disk's own delays would only add noise to
# two programs that write the same bytes.
base=${TMPDIR:-/tmp}
if [ -w /dev/shm ]; then base=/dev/shm; fi
work=$(mktemp -d "$base/turnel-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

gcc -O2 -static -Wall -Wextra -Wshadow -o "$work/floor" "$here/floor.c"
gcc -O2 -Wall -Wextra -Wshadow -o "$work/timer" "$here/timer.c"
cp "$here/profile200.txt" "$work/profile200.txt"
cp "$root/examples/vase.txt" "$work/vase.txt"
cd "$work"

# One case: its name, the accuracy, then turnel's arguments.
bench_case() {
  local name=$1 accuracy=$2 plot=$3
  shift 3
  echo "$name: $plot at accuracy $accuracy, $runs runs each, in $base"
  "$turnel" "$@" "$plot" turnel-out >/dev/null
  ./floor "$accuracy" "$plot" floor-out.t3m >/dev/null
  local turnel_bytes floor_bytes
  turnel_bytes=$(stat -c %s turnel-out.t3m)
  floor_bytes=$(stat -c %s floor-out.t3m)
  if [ "$turnel_bytes" != "$floor_bytes" ]; then
    echo "  the floor wrote $floor_bytes bytes, turnel $turnel_bytes" >&2
    exit 1
  fi
  local report
  report=$(./timer "$runs" turnel "$turnel" "$@" "$plot" turnel-out -- \
    floor ./floor "$accuracy" "$plot" floor-out.t3m)
  echo "$report"
  echo "  model file: $turnel_bytes bytes"
  echo "$report" | awk '
    /median ratio/ { ratio = $5; rss = $9 }
    END {
      ok = ratio <= 1.25 && rss <= 1024
      printf "  target (ratio <= 1.25, peak RSS <= floor + 1024 KiB): %s\n",
             ok ? "met" : "MISSED"
    }'
}

bench_case profile200 10 profile200.txt /a:10
bench_case vase 3 vase.txt
