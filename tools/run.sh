#!/bin/sh
# Installs what is missing, builds in Release and starts Lumentor with an example.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DLUMEN_TESTS=OFF -DLUMEN_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target lumentor lumentor-cli
FILE="${1:-examples/hoejder.lmt}"
[ -f "$FILE" ] || FILE=""
exec ./build-release/app/lumentor $FILE
