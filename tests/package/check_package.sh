#!/usr/bin/env bash
# Builds the suite's Debian packages as ./dev package does (the package preset, with the
# generator GENERATOR, in the scratch folder SCRATCH) and checks each with lintian --pedantic:
# no error, no warning, and no hardening tag (the preset builds with Debian's hardened flags).
# lintian's hardening-no-fortify-functions only says that a binary calls no fortified function,
# which a binary whose few calls have no buffer size known when compiling cannot; so that every
# source is compiled with _FORTIFY_SOURCE and the stack protector is read from the compile
# commands instead.
# Also checks that the suite's own package is named as Debian names it and that it depends on
# no GDAL and holds nothing of dtmconvert, which only the converter's package CONVERT_PACKAGE
# may bring. Given CONVERT_PACKAGE, the packages are built with dtmconvert, and its package must
# exist, depend on GDAL's library, and share no file with the suite's package (dpkg would refuse
# to install the second of two packages holding the same file).
#   check_package.sh SOURCE SCRATCH GENERATOR MAINTAINER BASE_PACKAGE DEBIAN_VERSION [CONVERT_PACKAGE]
# Exits 77 (skipped) where lintian is not installed.
set -euo pipefail
source_dir=$1 scratch=$2 generator=$3 maintainer=$4 base_package=$5 debian_version=$6
convert_package=${7:-}

if ! command -v lintian >/dev/null; then
  echo "SKIP: lintian is not installed, so the Debian packages are not checked."
  echo "Install it with: apt-get install --no-install-recommends lintian"
  exit 77
fi

rm -rf "$scratch"
dtmconvert=OFF
[ -n "$convert_package" ] && dtmconvert=ON
cmake -S "$source_dir" -B "$scratch/build" --preset package -G "$generator" \
  -DSUITE_PACKAGE_MAINTAINER="$maintainer" -DSUITE_DTMCONVERT=$dtmconvert
cmake --build "$scratch/build" --parallel 2
cpack --config "$scratch/build/CPackConfig.cmake" -B "$scratch/packages"

arch=$(dpkg --print-architecture)
base_deb="$scratch/packages/${base_package}_${debian_version}_${arch}.deb"
[ -f "$base_deb" ] || { echo "FAIL: no ${base_deb##*/}; made: $(ls "$scratch/packages")"; exit 1; }
if [ -n "$convert_package" ]; then
  convert_deb="$scratch/packages/${convert_package}_${debian_version}_${arch}.deb"
  [ -f "$convert_deb" ] ||
    { echo "FAIL: no ${convert_deb##*/}; made: $(ls "$scratch/packages")"; exit 1; }
fi

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

# The files (not folders) a package holds, one path a line, sorted.
package_files() {
  dpkg-deb --fsys-tarfile "$1" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort
}
base_files=$(package_files "$base_deb")
if grep -Ei 'dtmconvert|\.tif$' <<<"$base_files"; then
  echo "FAIL: ${base_deb##*/} holds dtmconvert's files (above)"
  status=1
fi

if [ -n "$convert_package" ]; then
  depends=$(dpkg-deb --field "$convert_deb" Depends)
  echo "${convert_deb##*/} depends on: $depends"
  echo "${convert_deb##*/} recommends: $(dpkg-deb --field "$convert_deb" Recommends)"
  if ! grep -Eq '(^|, )libgdal[0-9]+' <<<"$depends"; then
    echo "FAIL: ${convert_deb##*/} does not depend on GDAL's library"
    status=1
  fi
  convert_files=$(package_files "$convert_deb")
  if ! grep -qx '/usr/bin/dtmconvert' <<<"$convert_files"; then
    echo "FAIL: ${convert_deb##*/} lacks /usr/bin/dtmconvert"
    status=1
  fi
  shared=$(comm -12 <(echo "$base_files") <(echo "$convert_files"))
  if [ -n "$shared" ]; then
    echo "FAIL: both packages hold these files:"
    echo "$shared"
    status=1
  fi
fi
exit $status
