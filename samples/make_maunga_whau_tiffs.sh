#!/bin/sh
# Writes maunga-whau-nztm.tif and maunga-whau-wgs84.tif from maunga-whau.dtm with GDAL's own
# tools (gdal-bin): the Maunga Whau grid put in its real place, as a GIS holds it.
#
# maunga-whau-nztm.tif: the heights as they are (16-bit integers, metres) in New Zealand
#   Transverse Mercator 2000 (EPSG:2193), 10 m pixels, the grid's middle node (row 31, column 44)
#   on the summit of Maunga Whau (Mt Eden, Auckland; 36.877° S, 174.764° E), whose NZTM
#   coordinates GDAL's own transformation gives, rounded to whole 10 m. Each pixel is centred on
#   its node.
# maunga-whau-wgs84.tif: its twin in geographic coordinates (EPSG:4326), as gdalwarp resamples
#   it bilinearly at its own choice of pixel size (32-bit floats); the corners the turned grid
#   leaves empty hold no data (-9999).
#
# Run it again to write both files anew; with the same GDAL the result is the same every time.
set -eu
cd "$(dirname "$0")"

summit=$(echo "174.764 -36.877" | gdaltransform -s_srs EPSG:4326 -t_srs EPSG:2193)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The DTM grid file as an ESRI ASCII grid: the header "n,m,X_NW,Y_NW,a,b", then the rows north
# first. The ASCII grid takes the south-west corner of the south-west pixel.
awk -v summit="$summit" '
  BEGIN { split(summit, s, " ") }
  NR == 1 {
    split($0, h, ",")
    n = h[1]; m = h[2]; a = h[5]; b = h[6]
    cx = sprintf("%.0f", s[1] / a) * a; cy = sprintf("%.0f", s[2] / b) * b
    xnw = cx - (m - 1) / 2 * a; ynw = cy + (n - 1) / 2 * b
    printf "ncols %d\nnrows %d\nxllcorner %.1f\nyllcorner %.1f\ncellsize %g\n", m, n, xnw - a / 2, ynw - (n - 1) * b - b / 2, a
    next
  }
  { gsub(",", " "); print }
' maunga-whau.dtm > "$work/maunga-whau.asc"

gdal_translate -q -of GTiff -ot Int16 -a_srs EPSG:2193 -co COMPRESS=DEFLATE \
  "$work/maunga-whau.asc" maunga-whau-nztm.tif
gdalwarp -q -overwrite -t_srs EPSG:4326 -r bilinear -ot Float32 -dstnodata -9999 \
  -co COMPRESS=DEFLATE maunga-whau-nztm.tif maunga-whau-wgs84.tif
