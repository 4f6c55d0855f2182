#!/usr/bin/env bash
# Installs a build into a fresh prefix and uses what it installed as a user
# would: the converter run from a directory of its own writes the same file
# as the built one, t3m reads it, the manual pages are there, and a C program
# builds against the library's installed header and runs.
#
# Usage: scripts/check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(cd "${1:?build dir}" && pwd)
source=$(cd "${2:?source dir}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
  echo "install: $*" >&2
  exit 1
}
for file in bin/turnel bin/t3m include/torvane3d.h share/man/man1/turnel.1 \
  share/man/man1/t3m.1; do
  [ -f "$prefix/$file" ] || fail "$file is missing"
done
libdir=$(dirname "$(find "$prefix" -name 'libtorvane3d.so*' -type f | head -n 1)")
[ -n "$libdir" ] && [ "$libdir" != . ] || fail "the library is missing"
[ -f "$libdir/pkgconfig/torvane3d.pc" ] || fail "torvane3d.pc is missing"

# The same plot converted by the built and by the installed program, each in
# a directory of its own.
mkdir "$work/built" "$work/installed"
for side in built installed; do
  cp "$source/examples/vase.txt" "$work/$side/"
done
(cd "$work/built" && "$build/turnel" /a:4 vase.txt vase >out.txt)
(cd "$work/installed" && "$prefix/bin/turnel" /a:4 vase.txt vase >out.txt)
cmp -s "$work/built/vase.t3m" "$work/installed/vase.t3m" ||
  fail "the installed turnel wrote another model file"
cmp -s "$work/built/out.txt" "$work/installed/out.txt" ||
  fail "the installed turnel printed another line"
(cd "$work/installed" && "$prefix/bin/t3m" info vase.t3m >/dev/null) ||
  fail "the installed t3m cannot read the model"

# A sanitizer build's library needs its runtime first in the program: a
# plain C program cannot load it. The list is read whole, not piped into a
# grep that may leave early.
needed=$(ldd "$libdir/libtorvane3d.so")
if [[ $needed != *libasan* ]]; then
  cat >"$work/user.c" <<'C'
#include <torvane3d.h>
int main(void) {
  const float vertices[15] = {0};
  const unsigned short conns[3] = {0, 1, 2};
  Torvane3DSize size = {0, 0};
  if (!Torvane3D_Init(0, 0, &size, 0)) return 1;
  T3DMODEL model = Torvane3D_CreateModel(TORVANE3D_FORMAT_XYZ_UV,
                                         TORVANE3D_PRIMITIVE_TRIANGLES,
                                         vertices, 3, conns, 3);
  int ok = T3DModel_GetParam(model, T3DMODEL_PARAM_CONN_COUNT) == 3;
  Torvane3D_UnInit();
  return ok ? 0 : 1;
}
C
  cc -std=c99 -Wall -Werror -I"$prefix/include" "$work/user.c" \
    -L"$libdir" -ltorvane3d -o "$work/user" || fail "a C program does not build"
  LD_LIBRARY_PATH=$libdir "$work/user" || fail "a C program cannot use the library"
fi
echo "install: programs, library, header and manual pages in $prefix work"
