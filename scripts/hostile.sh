#!/usr/bin/env bash
# Runs the converter on generated hostile plots and prints, for each, the
# message it gave (code page 932 shown as UTF-8), its peak memory and its wall
# time as a markdown table. Fails when a run crashes, hangs, exits non-zero or
# leaves a model file behind. Then puts both programs through hostile
# conditions (limits, closed pipes, signals, protected files, awkward names)
# and prints what each left, as a second table; fails when one does not
# hold.
#
# Usage: scripts/hostile.sh TURNEL [T3M [SECONDS_PER_RUN]]
# No pipefail: "yes | head" ends with yes killed by SIGPIPE, as it should.
set -eu

turnel=$(realpath "$1")
t3m=$(realpath "${2:-$(dirname "$1")/t3m}")
limit=${3:-120}
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

# The conditions: each row says what was done, what the program printed (as
# UTF-8), its exit status, and what it left on disk.
echo
echo "| condition | printed | status | left on disk |"
echo "|---|---|---|---|"
row() { echo "| $1 | $2 | $3 | $4 |"; }
expect() { [ "$1" = "$2" ] || { failed=1; echo "FAILED: $3: '$1', not '$2'" >&2; }; }
printed() { iconv -f CP932 -t UTF-8 <out | tr -d '\n' || echo '(not CP932)'; }
temporaries() { find . -name '~t3m*' | wc -l; }
# Whether the file still holds the "earlier" it was given.
kept() { cmp -s <(echo earlier) "$1" && echo unchanged || echo CHANGED; }
# Standard output a pipe whose reader has gone before the program starts.
no_reader() { perl -e 'pipe(R, W); close R; open(STDOUT, ">&W"); exec @ARGV' -- "$@"; }
for ((i = 0; i < 200; ++i)); do echo "$(((i * 37) % 2500)),$((i * 23 - 2300))"; done >big.txt
printf '0,0\n50,0\n50,100\n' >vase.txt
save_failed="t3mファイルの保存に失敗"

echo earlier >fz.t3m
status=0
(ulimit -f 64; exec "$turnel" /a:10 big.txt fz) >out || status=$?
left="fz.t3m $(kept fz.t3m), $(temporaries) temporary"
row "200 points at /a:10 under a 64 KiB file-size limit" "$(printed)" "$status" "$left"
expect "$(printed)|$status|$left" "$save_failed|0|fz.t3m unchanged, 0 temporary" "file-size limit"

status=0
(ulimit -f 64; no_reader "$turnel" /a:10 big.txt fz) || status=$?
left="fz.t3m $(kept fz.t3m), $(temporaries) temporary"
row "the same, standard output a pipe without a reader" "-" "$status" "$left"
expect "$status|$left" "0|fz.t3m unchanged, 0 temporary" "limit and closed pipe"

status=0
no_reader "$turnel" /a:10 big.txt cp || status=$?
row "standard output a pipe without a reader" "-" "$status" "cp.t3m of $(stat -c %s cp.t3m) bytes"
expect "$status|$(stat -c %s cp.t3m)" "0|144552" "closed pipe"

ended=0
for ((i = 0; i < 300; ++i)); do
  # Up to 2.5 ms after the start: a conversion takes about 2, its save the
  # last part of it.
  status=0
  timeout -s TERM "$(printf '0.%04d' $((RANDOM % 25)))" "$turnel" /a:10 big.txt k \
    >/dev/null ||
    status=$?
  [ "$status" -ne 124 ] || ended=$((ended + 1))
done
row "kill -TERM at a random moment of the save, 300 times ($ended ended by it)" "-" "-" "$(temporaries) temporary"
expect "$(temporaries)" 0 "kill -TERM"

echo earlier >ro.t3m
chmod 0444 ro.t3m
"$turnel" vase.txt ro >out
row "a model file of mode 0444" "$(printed)" 0 "ro.t3m $(kept ro.t3m), mode $(stat -c %a ro.t3m)"
expect "$(printed)|$(cat ro.t3m)" "$save_failed|earlier" "read-only"

echo earlier >kept.t3m
chmod 0640 kept.t3m
"$turnel" vase.txt kept >out
row "a model file of mode 0640" "$(printed)" 0 "kept.t3m of $(stat -c %s kept.t3m) bytes, mode $(stat -c %a kept.t3m)"
expect "$(stat -c %a kept.t3m)" 640 "mode 0640"

mkdir -p real
echo earlier >real/target.t3m
ln -s real/target.t3m link.t3m
"$turnel" vase.txt link >out
row "a model name that is a link to real/target.t3m" "$(printed)" 0 "link.t3m a link: $([ -L link.t3m ] && echo yes || echo NO); real/target.t3m of $(stat -c %s real/target.t3m) bytes"
expect "$([ -L link.t3m ] && echo link)|$(stat -c %s real/target.t3m)" "link|748" "link"

"$turnel" vase.txt $'\x95\x5c\x8e\xa6' >out
row "the model name 表示 in code page 932 (95 5C 8E A6)" "$(printed)" 0 "$([ -f $'\x95\x5c\x8e\xa6.t3m' ] && echo "a file of that name" || echo NO FILE)"
expect "$(printed)" "vase.txt(acc=3) -> 表示.t3m (vt=27, cn=96)" "code page 932 title"

mkdir -p あ
"$turnel" vase.txt あ/m >out
row "the model name あ/m, あ a UTF-8 directory" "$(printed)" 0 "$(ls あ)"
expect "$(printed)|$(ls あ)" "vase.txt(acc=3) -> m.t3m (vt=27, cn=96)|m.t3m" "UTF-8 directory"

script -qc "LC_ALL=C.UTF-8 '$turnel'" /dev/null >out
usage=$(tr -d '\r\n' <out)
row "no arguments, standard output a UTF-8 terminal" "$usage" 0 "-"
expect "$usage" "使い方: turnel [/a:精密度] プロット モデル名" "UTF-8 terminal"

"$turnel" /a:10 big.txt m >/dev/null
status=0
(ulimit -s 64; exec "$t3m" info m.t3m) >out || status=$?
row "t3m info under a 64 KiB stack limit" "$(head -c 40 out | iconv -f CP932 -t UTF-8 | head -n 1)" "$status" "-"
expect "$status" 0 "t3m stack"

status=0
"$t3m" info m.t3m >/dev/full || status=$?
row "t3m info with standard output on a full disk" "-" "$status" "-"
expect "$status" 1 "t3m full disk"

# 2,000 triangles over the whole frame, in a 12 KB file.
perl -e 'print "T3M_", pack("l<3", 1, 4, 6000),
  pack("f<*", -1, -1, 0, 0, 0, 1, -1, 0, 0, 0, 1, 1, 0, 0, 0, -1, 1, 0, 0, 0),
  pack("S<*", map { $_ % 2 ? (0, 2, 3) : (0, 1, 2) } 0 .. 1999)' >full.t3m
status=0
/usr/bin/time -f '%e' -o usage "$t3m" render full.t3m full.png /s:2048x2048 >out || status=$?
row "t3m render of 2,000 full-frame triangles at 2048 x 2048" "$(printed)" "$status" "full.png, drawn in $(cat usage) s"
expect "$status|$(awk '{ print ($1 < 5) }' usage)" "0|1" "render budget"

exit "$failed"
