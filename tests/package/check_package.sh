#!/usr/bin/env bash
# Builds the suite's Debian packages as ./dev package does (the package preset, with the
# generator GENERATOR, in the scratch folder SCRATCH) and checks each with lintian --pedantic:
# no error, no warning, and no hardening tag (the preset builds with Debian's hardened flags).
# lintian's hardening-no-fortify-functions only says that a binary calls no fortified function,
# which a binary whose few calls have no buffer size known when compiling cannot; so that every
# source is compiled with _FORTIFY_SOURCE and the stack protector is read from the compile
# commands instead.
# Also checks that the suite's own package is named as Debian names it and that it depends on
# no GDAL, which only the converter's package may bring.
#   check_package.sh SOURCE SCRATCH GENERATOR MAINTAINER BASE_PACKAGE DEBIAN_VERSION
# Exits 77 (skipped) where lintian is not installed.
set -euo pipefail
source_dir=$1 scratch=$2 generator=$3 maintainer=$4 base_package=$5 debian_version=$6

if ! command -v lintian >/dev/null; then
  echo "SKIP: lintian is not installed, so the Debian packages are not checked."
  echo "Install it with: apt-get install --no-install-recommends lintian"
  exit 77
fi

rm -rf "$scratch"
cmake -S "$source_dir" -B "$scratch/build" --preset package -G "$generator" \
  -DSUITE_PACKAGE_MAINTAINER="$maintainer"
cmake --build "$scratch/build" --parallel 2
cpack --config "$scratch/build/CPackConfig.cmake" -B "$scratch/packages"

arch=$(dpkg --print-architecture)
base_deb="$scratch/packages/${base_package}_${debian_version}_${arch}.deb"
[ -f "$base_deb" ] || { echo "FAIL: no ${base_deb##*/}; made: $(ls "$scratch/packages")"; exit 1; }

status=0
for deb in "$scratch"/packages/*.deb; do
  echo "== lintian --pedantic --display-info ${deb##*/}"
  report=$(lintian --pedantic --display-info "$deb" 2>&1) || true
  echo "$report"
  if grep -Eq '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian reports errors or warnings for ${deb##*/}"
    status=1
  fi
  if grep -E '^.: [^ ]+: hardening-' <<<"$report" | grep -qv 'hardening-no-fortify-functions'; then
    echo "FAIL: a binary of ${deb##*/} lacks Debian's hardening"
    status=1
  fi
done

commands=$(grep -c '"command":' "$scratch/build/compile_commands.json")
hardened=$(grep '"command":' "$scratch/build/compile_commands.json" |
           grep -- '-D_FORTIFY_SOURCE=[1-9]' | grep -c -- '-fstack-protector-strong' || true)
echo "$hardened of $commands compile commands have _FORTIFY_SOURCE and the stack protector"
if [ "$commands" -eq 0 ] || [ "$hardened" -ne "$commands" ]; then
  echo "FAIL: not every source is compiled with Debian's hardening"
  status=1
fi

depends=$(dpkg-deb --field "$base_deb" Depends)
echo "${base_deb##*/} depends on: $depends"
if grep -qi gdal <<<"$depends"; then
  echo "FAIL: ${base_deb##*/} depends on GDAL"
  status=1
fi
exit $status
