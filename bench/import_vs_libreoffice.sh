#!/bin/sh
# Opening a 100 000-row workbook: BM_ImportXlsx/100000 and LibreOffice's
# headless converter reading the same file, in one run. LibreOffice's start
# on a one-cell workbook is timed too, to tell its reading from its start.
# Usage: sh bench/import_vs_libreoffice.sh [BUILD-FOLDER]   (default build-test)
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build-test}
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
LUMEN_BENCH_XLSX="$DIR/maalinger.xlsx" "$BUILD/bench/bench_import" \
    --benchmark_filter='BM_ImportXlsx/1000$|BM_ImportXlsx/100000' --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true
if ! command -v soffice >/dev/null; then
    echo "soffice is not installed (apt-get install libreoffice-calc-nogui)"
    exit 0
fi
LUMEN_BENCH_XLSX="$DIR/lille.xlsx" "$BUILD/bench/bench_import" \
    --benchmark_filter='BM_ImportXlsx/1000$' >/dev/null
for F in lille maalinger maalinger maalinger; do
    /usr/bin/time -f "soffice --convert-to csv $F.xlsx: %e s wall, %U s user, %S s system" \
        soffice --headless --convert-to csv --outdir "$DIR/csv" "$DIR/$F.xlsx" >/dev/null
done
