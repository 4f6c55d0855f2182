#!/usr/bin/env bash
# Fails when a source file includes a header from a folder that its own
# folder may not use: every folder builds only on the floors below it, and a
# test may use the shared test helpers in tests/ as well.
#
# Usage: scripts/check-floors.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Bottom up; "*" may use every folder.
declare -A may_use=(
  [platform]=""
  [lib3d]=""
  [base]="platform"
  [cmdline]="base platform"
  [plot]="base platform"
  [torvane3d]="lib3d base platform"
  [mesh]="plot lib3d base platform"
  [modelfile]="lib3d base platform"
  [app]="cmdline plot mesh modelfile lib3d base platform"
  [t3m]="cmdline base platform"
  [tests]="*"
  [fuzz]="*"
  [bench]="*"
)

status=0
files=0
while IFS= read -r file; do
  file=${file#./}
  folder=${file%%/*}
  files=$((files + 1))
  if [[ ! -v may_use[$folder] ]]; then
    echo "$file: $folder/ stands on no floor; give it one in $0"
    status=1
    continue
  fi
  allowed=" $folder ${may_use[$folder]} "
  case $file in *_test.cpp | */test_*.h) allowed+="tests " ;; esac
  while IFS= read -r header; do
    case $header in
      winapi.h) used=platform ;;  # the build picks which platform's
      */*) used=${header%%/*} ;;
      *) continue ;;
    esac
    if [[ $allowed != *" * "* && $allowed != *" $used "* ]]; then
      echo "$file: includes \"$header\", but $folder/ may use only:" \
        "${may_use[$folder]:-nothing else}"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . \( -path './build*' -o -path './.git' -o -name node_modules \) \
  -prune -o -type f \( -name '*.h' -o -name '*.c' -o -name '*.cpp' \) -print | sort)

if [ "$status" -eq 0 ]; then
  echo "floors: $files files, every include on its own floor or below"
fi
exit "$status"
