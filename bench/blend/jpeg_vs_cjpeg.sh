#!/usr/bin/env bash
# JPEG through Qt against libjpeg-turbo's own tools on the same 3840 × 2160 picture: Qt's quality-90
# encode (goal: at most 1.2 × the time of `cjpeg -quality 90`) and its decode next to `djpeg`.
# The command-line tools' times include starting the process and reading or writing the PPM file.
#
# Usage: bench/blend/jpeg_vs_cjpeg.sh [path/to/bench_blend]   (RUNS=15 by default)
# Needs: cjpeg and djpeg (Debian package libjpeg-turbo-progs).
set -euo pipefail

bench=${1:-build/bench/blend/bench_blend}
runs=${RUNS:-15}
for tool in cjpeg djpeg; do
    command -v "$tool" >/dev/null || { echo "$tool not found: install libjpeg-turbo-progs" >&2; exit 1; }
done
[[ -x $bench ]] || { echo "no benchmark program at $bench" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-picture="$work/uhd.ppm"

# Median wall time in milliseconds of running the command $runs times.
median_ms() {
    local times=() start end
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@"
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.2f", t[int((NR + 1) / 2)] / 1000 }'
}

cjpeg_ms=$(median_ms sh -c "cjpeg -quality 90 '$work/uhd.ppm' > '$work/cjpeg.jpg'")
djpeg_ms=$(median_ms sh -c "djpeg '$work/cjpeg.jpg' > /dev/null")

"$bench" --benchmark_filter='BM_Jpeg' --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$work/qt.csv"
qt_ms() { awk -F, -v name="\"$1_median\"" '$1 == name { print $3 }' "$work/qt.csv"; }
qt_encode_ms=$(qt_ms BM_JpegEncodeQ90)
qt_decode_ms=$(qt_ms BM_JpegDecode)

awk -v qe="$qt_encode_ms" -v ce="$cjpeg_ms" -v qd="$qt_decode_ms" -v cd="$djpeg_ms" 'BEGIN {
    printf "encode q90  Qt %7.2f ms   cjpeg %7.2f ms   ratio %.2f (goal <= 1.20: %s)\n", qe, ce, qe / ce, qe / ce <= 1.2 ? "met" : "missed"
    printf "decode      Qt %7.2f ms   djpeg %7.2f ms   ratio %.2f\n", qd, cd, qd / cd
    exit qe / ce <= 1.2 ? 0 : 1
}'
