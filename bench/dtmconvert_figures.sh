#!/bin/sh
# Time and peak memory of dtmconvert beside GDAL's own tools doing the same, in one run each,
# measured with /usr/bin/time -v (elapsed wall-clock time, maximum resident set size):
#   1. a 10000 × 10000 GeoTIFF (single precision, 1 m pixels, Greek Grid) into a 2000 × 2000
#      grid of 5 m cells, bilinear: dtmconvert import (to a DTM grid file) beside
#      gdalwarp -tr 5 5 -r bilinear (to a GeoTIFF);
#   2. the contours at interval 1 of a 1000 × 1000 grid: dtmconvert contours (from the DTM grid
#      file) beside gdal_contour -i 1 (from the same grid as GeoTIFF), both to GeoPackage.
# Usage: bench/dtmconvert_figures.sh [DTMCONVERT] [SCRATCH]; needs gdal-bin and GNU time. The
# 10000 × 10000 source takes about 400 MB in SCRATCH (default: a fresh temporary folder).
set -eu
program=${1:-build/default/dtmconvert/dtmconvert}
scratch=${2:-$(mktemp -d)}
mkdir -p "$scratch"

# A smooth made-up terrain, upsampled with cubic splines from the Maunga Whau sample.
here=$(dirname "$0")
if [ ! -f "$scratch/source-10000.tif" ]; then
  gdalwarp -q -overwrite -ts 10000 10000 -r cubicspline -ot Float32 \
    "$here/../samples/maunga-whau-nztm.tif" "$scratch/upsampled.tif"
  gdal_translate -q -a_srs EPSG:2100 -a_ullr 400000 4210000 410000 4200000 \
    "$scratch/upsampled.tif" "$scratch/source-10000.tif"
  rm -f "$scratch/upsampled.tif"
fi

measure() {  # measure LABEL COMMAND...
  label=$1
  shift
  /usr/bin/time -v "$@" > /dev/null 2> "$scratch/time.txt"
  seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$scratch/time.txt")
  kib=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$scratch/time.txt")
  printf '%-44s %10s s %8d MiB\n' "$label" "$seconds" $((kib / 1024))
}

rm -f "$scratch/grid-2000.dtm" "$scratch/grid-2000.tif"
measure "dtmconvert import 10000² → 2000² (.dtm)" \
  "$program" import "$scratch/source-10000.tif" "$scratch/grid-2000.dtm" --cell 5
measure "gdalwarp 10000² → 2000² (GeoTIFF)" \
  gdalwarp -q -tr 5 5 -r bilinear -dstnodata nan "$scratch/source-10000.tif" "$scratch/grid-2000.tif"

"$program" import "$scratch/source-10000.tif" "$scratch/grid-1000.dtm" --cell 10 \
  --bounds 400000,4200000,410000,4210000 > /dev/null
"$program" geotiff "$scratch/grid-1000.dtm" "$scratch/grid-1000.tif" > /dev/null
rm -f "$scratch/ours.gpkg" "$scratch/theirs.gpkg"
measure "dtmconvert contours 1000² -i 1 (.gpkg)" \
  "$program" contours "$scratch/grid-1000.dtm" "$scratch/ours.gpkg" --interval 1
measure "gdal_contour 1000² -i 1 (.gpkg)" \
  gdal_contour -q -i 1 -a height "$scratch/grid-1000.tif" "$scratch/theirs.gpkg"
