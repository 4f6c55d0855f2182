#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: the unit tests, the end-to-end
# cases against turnel.exe, and a byte-for-byte comparison of the model files
# that the Linux and the Windows program write for the same plots.
set -euo pipefail

linux_build=$(cd "${1:?linux build dir}" && pwd)
windows_build=$(cd "${2:?windows build dir}" && pwd)
wine=${WINE:-/usr/lib/wine/wine64}

# A throwaway prefix, so that no earlier Wine state takes part.
WINEPREFIX=$(mktemp -d /tmp/turnel-wine.XXXXXX)
export WINEPREFIX WINEDEBUG=-all
work=$(mktemp -d /tmp/turnel-compare.XXXXXX)
cleanup() {
  WINEPREFIX=$WINEPREFIX "${wine%/*}/wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT

echo "== starting Wine in $WINEPREFIX"
"$wine" cmd /c exit >/dev/null 2>&1 || true

echo "== unit tests under Wine"
(cd "$windows_build" && ctest --output-on-failure)

echo "== end-to-end tests against turnel.exe"
TURNEL_LAUNCHER=$wine \
TURNEL_EXE=$windows_build/turnel.exe \
TURNEL_FAKE_EXE=$windows_build/turnel_fakelib.exe \
TURNEL_NEWLINE=crlf \
  "$linux_build/e2e_test"

echo "== the same model files from both programs"
# A 200-point profile whose radius and height both wander, made with integer
# arithmetic so that it is the same on every machine.
awk 'BEGIN { for (i = 0; i < 200; i++) print (i * 37) % 2500 "," i * 23 - 2300 }' \
  > "$work/profile200.txt"
cp examples/*.txt "$work/"
compared=0
differing=0
cd "$work"
for plot in *.txt; do
  for accuracy in 1 2 3 4 5 6 7 8 9 10; do
    name=${plot%.txt}-$accuracy
    "$linux_build/turnel" "/a:$accuracy" "$plot" "linux-$name" >/dev/null
    "$wine" "$windows_build/turnel.exe" "/a:$accuracy" "$plot" "windows-$name" \
      >/dev/null
    compared=$((compared + 1))
    if ! cmp -s "linux-$name.t3m" "windows-$name.t3m"; then
      echo "differs: $plot at /a:$accuracy"
      cmp -l "linux-$name.t3m" "windows-$name.t3m" | head -5 || true
      differing=$((differing + 1))
    fi
  done
done
echo "$((compared - differing)) passed, $differing failed"
[ "$differing" -eq 0 ]
