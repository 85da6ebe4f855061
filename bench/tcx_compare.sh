#!/usr/bin/env bash
# Times the TCX import against gpsbabel reading the same file: 200000 trackpoints one second
# apart with position, altitude, distance and heart rate (no watts, no cadence).
# usage: bench/tcx_compare.sh [BUILD_DIR]   (default build; needs velomatix_bench built there)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bench=$build/bench/velomatix_bench
if [ ! -x "$bench" ]; then
  echo "tcx_compare: $bench is missing (cmake --build $build --target velomatix_bench)" >&2
  exit 1
fi
if ! command -v gpsbabel >/dev/null; then
  echo "tcx_compare: gpsbabel is not installed" >&2
  exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
file=$tmp/long.tcx
awk 'BEGIN {
  n = 200000
  print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
  print "<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">"
  print "<Activities>\n<Activity Sport=\"Biking\">\n<Id>2014-07-05T06:00:00Z</Id>"
  print "<Lap StartTime=\"2014-07-05T06:00:00Z\">\n<Track>"
  for (i = 0; i < n; i++) {
    t = 6 * 3600 + i
    day = 5 + int(t / 86400); t %= 86400
    printf "<Trackpoint>\n <Time>2014-07-%02dT%02d:%02d:%02dZ</Time>\n", day, int(t / 3600), int(t / 60) % 60, t % 60
    printf " <Position>\n  <LatitudeDegrees>%.7f</LatitudeDegrees>\n  <LongitudeDegrees>%.7f</LongitudeDegrees>\n </Position>\n", 48.1 + i * 1e-6, 11.5 + i * 1e-6
    printf " <AltitudeMeters>%.1f</AltitudeMeters>\n <DistanceMeters>%.2f</DistanceMeters>\n", 300 + (i % 1000) * 0.1, i * 8.25
    printf " <HeartRateBpm>\n  <Value>%d</Value>\n </HeartRateBpm>\n <SensorState>Present</SensorState>\n</Trackpoint>\n", 120 + i % 40
  }
  print "</Track>\n</Lap>\n</Activity>\n</Activities>\n</TrainingCenterDatabase>"
}' >"$file"
echo "file_mb: $(($(stat -c %s "$file") / 1000000))"

# Ours: read from disk and converted into a trip, the mean of three runs.
ours_ms=$(VELOMATIX_TCX_FILE=$file "$bench" --benchmark_filter='^BM_ReadTcxFile/' \
  --benchmark_format=json 2>/dev/null |
  sed -n 's/^ *"real_time": \([0-9.e+-]*\),$/\1/p' | head -n 1)

if [ -z "$ours_ms" ]; then
  echo "tcx_compare: the benchmark BM_ReadTcxFile gave no time" >&2
  exit 1
fi

# gpsbabel: the file read as tracks, everything dropped before its (empty) output is written;
# the best of three runs.
babel_ms=
for _ in 1 2 3; do
  start=$(date +%s%N)
  gpsbabel -t -i gtrnctr -f "$file" -x nuketypes,waypoints,tracks,routes -o unicsv -F /dev/null
  ms=$((($(date +%s%N) - start) / 1000000))
  if [ -z "$babel_ms" ] || [ "$ms" -lt "$babel_ms" ]; then babel_ms=$ms; fi
done

awk -v ours="$ours_ms" -v babel="$babel_ms" 'BEGIN {
  printf "velomatix_ms: %.1f\ngpsbabel_ms: %.1f\nratio_gpsbabel_over_velomatix: %.2f\n", ours, babel, babel / ours
}'
