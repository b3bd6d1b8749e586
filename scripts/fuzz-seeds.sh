#!/usr/bin/env bash
# Collects the fuzz targets' seeds and dictionaries into DIR (default
# build-asan/fuzz-seeds): seeds/<target>/ from the examples and the tests'
# data, <target>.dict from the names the library reads (section keys and
# XML element names from the field tables in src/, section names from the
# job files). Nothing is stored in the repository; this runs before every
# fuzzing run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-asan/fuzz-seeds}
rm -rf "$out"
mkdir -p "$out"
cd "$root"

copy_seeds() {  # target files...
  local target=$1; shift
  mkdir -p "$out/seeds/$target"
  local f
  for f in "$@"; do cp "$f" "$out/seeds/$target/$(echo "${f#./}" | tr / _)"; done
}

mapfile -t inis < <(find examples tests/data -name '*.ini' | sort)
copy_seeds fuzz_ini "${inis[@]}"
copy_seeds fuzz_csv $(find examples tests/data -name '*.csv' | sort)
for root_and_target in DeviceFunction:fuzz_DeviceFunctionParam Jig:fuzz_JigParam \
    VariableDataInfo:fuzz_VariableDataPrintingParam \
    OptiScoutCutCondition:fuzz_OptiScoutCutConditionParam; do
  element=${root_and_target%%:*}
  copy_seeds "${root_and_target#*:}" $(grep -rlE "<$element[ >]" --include='*.xml' examples tests/data | sort)
done

# The C interface: the end-to-end cases as they are, and scripts made of
# the example folders.
copy_seeds fuzz_c_interface tests/data/e2e/*.case
block() {  # statement file: the file as a block of that statement
  echo "$1"; cat "$2"; echo; echo end
}
scripts=$out/seeds/fuzz_c_interface
{ echo "init kind=1 gapScan=5 gapFeed=5 width=1600 length=-1"
  for f in examples/jobs/*.ini; do block job "$f"; done
  echo "position 0"; echo "init kind=9 width=1600 length=3000"; echo "position 10"
} > "$scripts/examples_jobs.script"
{ echo "init kind=7 gapScan=5 gapFeed=5 width=1600 length=-1"
  block job examples/jobs/wall_mural_tiled.ini; echo "tile false 10 false false 0 0 0"
} > "$scripts/examples_tile.script"
{ echo "init kind=17 gapScan=5 gapFeed=5 width=1600 length=-1"
  for f in examples/group/*.ini; do block job "$f"; done
  echo group
} > "$scripts/examples_group.script"
{ for f in examples/jig/*.ini; do block job "$f"; done
  block "vdp CASE-B" examples/jig/names_b.xml
  block "vdp CASE-C" examples/jig/names_c.xml
  block jigtext examples/jig/phone_cases_2x2.xml
  echo "jig CASE-B"
} > "$scripts/examples_jig.script"
{ block device tests/data/params/device_full.xml
  block optiscout tests/data/params/optiscout_full.xml
  block jigparam tests/data/params/jig_full.xml
  echo "init kind=20 gapScan=5 gapFeed=5 width=1600 length=-1"
  for f in examples/group/*.ini; do block job "$f"; done
  echo group; echo "slitter true 5 5 10 10 1"; echo "position 0"
} > "$scripts/params_and_executions.script"

# Dictionaries.
quoted() { sed -e 's/\\/\\\\/g' -e 's/"/\\"/g' -e 's/^/"/' -e 's/$/"/'; }
table_names() { grep -ohE '\{"[A-Za-z][A-Za-z0-9_]*", &' "$@" | sed -E 's/^\{"([^"]*)".*/\1/' | sort -u; }
{ table_names src/unitCmnJobParam/*.cpp | sed 's/$/=/'
  cat "${inis[@]}" | grep -oE '^\[[A-Za-z][A-Za-z0-9]{0,20}\]' | sort -u
  printf '%s\n' '"' '=' '(' ')' ';' ',' 'true' 'false' '1.17' '1.08' '-2147483648' '2147483647' 'nan' 'inf'
} | quoted > "$out/fuzz_ini.dict"
{ grep -ohE 'kRoot = "[A-Za-z]+"' src/unitCmnParams/*.h | sed -E 's/.*"(.*)"/\1/'
  table_names src/unitCmnParams/*.cpp
} | sort -u | awk '{print "<" $0 ">"; print "</" $0 ">"}' | quoted > "$out/xml.dict"
printf '%s\n' '<?xml version="1.0" encoding="utf-8"?>' '<ParamVersion>' '</ParamVersion>' \
  '/>' '&amp;' '<![CDATA[' ']]>' '<!--' '-->' 'true' 'false' '1e308' 'nan' | quoted >> "$out/xml.dict"
for target in DeviceFunctionParam JigParam VariableDataPrintingParam OptiScoutCutConditionParam; do
  cp "$out/xml.dict" "$out/fuzz_$target.dict"
done
printf '%s\n' ',' '"' '\' '\n' '\,' '\"' '\\' | quoted > "$out/fuzz_csv.dict"
{ cat "$out/fuzz_ini.dict" "$out/xml.dict"
  printf '%s\n' 'init kind=' ' gapScan=' ' gapFeed=' ' center=true' ' width=' ' length=-1' \
    ' twin=' 'job A' 'job B' 'end' 'device' 'optiscout' 'jigparam' 'jigtext' 'vdp A' \
    'position 0' 'tile true ' 'group' 'slitter true ' 'jig A' | quoted
  printf '"\\x0A"\n'
} > "$out/fuzz_c_interface.dict"
rm "$out/xml.dict"
echo "$out"
