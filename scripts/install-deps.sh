#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ binutils pkg-config
          libboost1.74-dev libboost-log1.74-dev libboost-filesystem1.74-dev
          libboost-date-time1.74-dev libboost-thread1.74-dev
          librapidxml-dev libgtest-dev libbenchmark-dev locales
          # the sanitizer builds and the fuzz targets: clang, its sanitizer
          # and libFuzzer runtimes, llvm-symbolizer for readable reports
          clang libclang-rt-14-dev llvm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
# A locale with a decimal comma, so the tests can show that numbers in job
# and parameter files do not follow the host's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
