#!/usr/bin/env bash
# Times whole-process conversions against the floor program, which reads the
# plot and saves a file of the model's size as safely as turnel does (a fresh
# temporary file beside the output, renamed over it): the 200-point profile
# at /a:10, the bundled vase at the default accuracy and a 2-point profile.
# Prints the median times, their spread, the ratio of the medians with the
# spread of the ratio within each pair of runs, both peak memories, and
# whether the targets hold (ratio at most 1.10 for the 200-point profile,
# memory at most 0.5 MiB above the floor's for every case).
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
printf '0,0\n50,100\n' >"$work/minimum.txt"
cd "$work"

# One case: its name, the accuracy, the largest median ratio that meets the
# target (0: none), the plot, then turnel's arguments.
bench_case() {
  local name=$1 accuracy=$2 ratio_target=$3 plot=$4
  shift 4
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
  echo "$report" | awk -v target="$ratio_target" '
    /median ratio/ { ratio = $5; rss = $9 }
    END {
      if (target > 0) {
        ok = ratio <= target && rss <= 512
        printf "  target (ratio <= %s, peak RSS <= floor + 512 KiB): %s\n",
               target, ok ? "met" : "MISSED"
      } else {
        printf "  target (peak RSS <= floor + 512 KiB): %s\n",
               rss <= 512 ? "met" : "MISSED"
      }
    }'
}

bench_case profile200 10 1.10 profile200.txt /a:10
bench_case vase 3 0 vase.txt
bench_case minimum 3 0 minimum.txt
