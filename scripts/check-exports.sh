#!/usr/bin/env bash
# Opens t3m's exports in the programs people print and model with, and fails
# when one of them sees what a user would not want: the slicer must find the
# goblet's STL, 3MF and OBJ manifold and the STL and 3MF 220 mm tall, the mesh
# checker must reverse no facet of a cylinder drawn from the top down, and the
# modeller must import a PLY's texture coordinates as a UV map.
#
# Usage: scripts/check-exports.sh BUILD_DIR
set -euo pipefail

build=$(cd "${1:?build dir}" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

status=0
check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    printf '%-44s %s\n' "$1" "$3"
  else
    printf '%-44s %s, expected %s\n' "$1" "$3" "$2"
    status=1
  fi
}

cp "$source/examples/goblet.txt" .
"$build/turnel" /a:10 goblet.txt g >/dev/null
printf '0,100\n50,100\n50,0\n0,0\n' >down.txt
"$build/turnel" /a:10 down.txt d >/dev/null
for out in g.stl g.3mf g.obj g.ply d.stl; do
  "$build/t3m" export "${out%.*}.t3m" "$out" >/dev/null
done

slicer() {  # slicer FILE KEY: the value the slicer reports for KEY
  xvfb-run -a prusa-slicer --info "$1" 2>/dev/null |
    sed -n "s/^$2 = //p" | head -n 1
}
for file in g.stl g.3mf g.obj; do
  check "slicer: $file manifold" yes "$(slicer "$file" manifold)"
done
for file in g.stl g.3mf; do
  check "slicer: $file height" 220.000000 "$(slicer "$file" size_z)"
done

facets_reversed=$(admesh d.stl | sed -n 's/^Facets reversed *: *//p')
check "mesh checker: cylinder drawn downwards" 0 "$facets_reversed"

cat >uv.py <<'PY'
import bpy, sys
bpy.ops.wm.read_factory_settings(use_empty=True)
bpy.ops.import_mesh.ply(filepath=sys.argv[-1])
print("UV maps:", len(bpy.context.selected_objects[0].data.uv_layers))
PY
uv_maps=$(blender -b --python uv.py -- g.ply 2>/dev/null |
  sed -n 's/^UV maps: //p')
check "modeller: g.ply UV maps" 1 "$uv_maps"
exit $status
