#!/usr/bin/env bash
# Checks how the components under src/ include each other. The components,
# lowest layer first, are the unitcmn_component( lines of src/CMakeLists.txt;
# an include "B/.../Header.h" (relative to src/) names component B. Fails,
# naming the file and the include, when
#   (a) a file of component A (at any depth) includes a header of a
#       component B that comes after A;
#   (b) a file of one component and a file of another include each other;
#   (c) two files of one component include each other.
# Includes of anything else (system headers, include/) are not looked at.
# Usage: check_layers.sh <src folder>
set -u
cd "${1:?usage: check_layers.sh <src folder>}" || exit 2

declare -A layer
n=0
while read -r c; do
  layer[$c]=$((n++))
done < <(sed -n 's/^[[:space:]]*unitcmn_component(\([A-Za-z0-9_]*\).*/\1/p' CMakeLists.txt)
((n > 0)) || { echo "layering: no unitcmn_component( lines in $PWD/CMakeLists.txt"; exit 2; }

# One line per include in a component's files: "file included-path".
includes=$(for c in "${!layer[@]}"; do
  grep -rHo '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' "$c"
done | sed 's/^\([^:]*\):.*"\(.*\)"$/\1 \2/')
declare -A included
while read -r file inc; do included["$file $inc"]=1; done <<< "$includes"

status=0
while read -r file inc; do
  from=${file%%/*} to=${inc%%/*}
  [[ -n ${layer[$to]+set} ]] || continue
  if ((layer[$to] > layer[$from])); then
    echo "layering: $file includes \"$inc\", but $to comes after $from in src/CMakeLists.txt"
    status=1
  fi
  if [[ $file < $inc && -n ${included["$inc $file"]+set} ]]; then
    echo "layering: $file includes \"$inc\", and $inc includes \"$file\" back"
    status=1
  fi
done <<< "$includes"
exit $status
