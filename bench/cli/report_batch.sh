#!/usr/bin/env bash
# Throughput of `quistra report` on a batch: 100 copies of a 30 m DPL test
# (300 readings, a sand profile with water) written to PDF by one process.
# Prints reports per second and the peak memory (maximum resident set size).
#
#   bash bench/cli/report_batch.sh [path/to/quistra] [copies]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
tool="${1:-$here/build/bin/quistra}"
copies="${2:-100}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# 300 readings, 0,10 ... 30,00 m, blow counts rising with depth.
for i in $(seq 1 300); do
    printf '%d,%02d;%d\r\n' $((i / 10)) $(((i % 10) * 10)) $((3 + (i * 7) % 23))
done > "$work/dpl30.csv"
"$tool" import-csv "$work/dpl30.csv" -o "$work/dpl30.sdn" --probe 1 >/dev/null

mkdir -p "$work/in" "$work/out"
for i in $(seq 1 "$copies"); do cp "$work/dpl30.sdn" "$work/in/test$i.sdn"; done

start=$(date +%s.%N)
/usr/bin/time -f '%M' -o "$work/rss" "$tool" report "$work"/in/*.sdn -o "$work/out" >/dev/null
end=$(date +%s.%N)

pages=$(pdfinfo "$work/out/test1.pdf" | awk '/^Pages:/ {print $2}')
seconds=$(echo "$end - $start" | bc -l)
printf 'reports: %d (%d pages each)\n' "$copies" "$pages"
printf 'time: %.2f s, %.1f reports per second\n' "$seconds" "$(echo "$copies / $seconds" | bc -l)"
printf 'peak memory: %.1f MiB\n' "$(echo "$(cat "$work/rss") / 1024" | bc -l)"
