#!/usr/bin/env bash
# Runs the converter on generated hostile plots and prints, for each, the
# message it gave (code page 932 shown as UTF-8), its peak memory and its wall
# time as a markdown table. Fails when a run crashes, hangs, exits non-zero or
# leaves a model file behind.
#
# Usage: scripts/hostile.sh TURNEL [SECONDS_PER_RUN]
# No pipefail: "yes | head" ends with yes killed by SIGPIPE, as it should.
set -eu

turnel=$(realpath "$1")
limit=${2:-120}
work=$(mktemp -d "${TMPDIR:-/tmp}/turnel-hostile-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# A line of n one-digit fields.
fields_line() { yes 0 | head -n "$1" | paste -sd, -; }

# name|what the file holds; each generator writes the file "plot".
cases=(
  "commas|100 MiB of commas, no line end"
  "lines-70000|70,000 lines of 0,0"
  "fields-1025|65,537 lines of 1,025 fields (0,0,...)"
  "fields-10000|6,600 lines of 10,000 fields (0,0,...)"
  "digits-20479|one line of 20,479 digits"
  "random|4 MiB of random bytes with NUL; 0x1A once, 3 MiB in"
  "blank-lines|200 valid points, then 10,000,000 blank lines"
)

generate() {
  case $1 in
    commas) head -c $((100 * 1024 * 1024)) /dev/zero | tr '\0' ',' ;;
    lines-70000) yes 0,0 | head -n 70000 ;;
    fields-1025) yes "$(fields_line 1025)" | head -n 65537 ;;
    fields-10000) yes "$(fields_line 10000)" | head -n 6600 ;;
    digits-20479) yes 7 | head -n 20479 | tr -d '\n'; echo ;;
    random)
      # Random bytes would hold a 0x1A within the first few hundred bytes
      # and end the input there; this one is reached only after 3 MiB.
      head -c $((3 * 1024 * 1024)) /dev/urandom | tr '\032' '\000'
      printf '\032'
      head -c $((1024 * 1024)) /dev/urandom ;;
    blank-lines)
      for ((i = 0; i < 200; ++i)); do echo "$((i % 50)),$i"; done
      head -c 10000000 /dev/zero | tr '\0' '\n' ;;
  esac >plot
}

human_size() { numfmt --to=iec-i --suffix=B "$1"; }

echo "| plot | size | message | peak RSS | wall time |"
echo "|---|---|---|---|---|"
failed=0
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  what=${entry#*|}
  generate "$name"
  size=$(human_size "$(stat -c %s plot)")
  status=0
  timeout -s KILL "$limit" /usr/bin/time -f '%M %e' -o usage \
    "$turnel" plot model >out 2>err || status=$?
  message=$(iconv -f CP932 -t UTF-8 <out | tr -d '\n' || echo '(not CP932)')
  if [ "$status" -ne 0 ]; then
    # The program always exits 0: anything else is a crash or a hang.
    if [ "$status" -eq 137 ]; then
      message="HANG: killed after $limit s"
    else
      message="CRASH: status $status $(head -c 200 err)"
    fi
    failed=1
    rss="-"
    wall="-"
  else
    read -r rss_kib wall_s <usage
    rss="$(awk -v k="$rss_kib" 'BEGIN { printf "%.1f MiB", k / 1024 }')"
    wall="${wall_s} s"
  fi
  if [ -e model.t3m ]; then
    message="$message (A MODEL FILE WAS WRITTEN)"
    failed=1
    rm -f model.t3m
  fi
  echo "| $what | $size | $message | $rss | $wall |"
done
rm -f plot out err usage
exit "$failed"
