#!/bin/sh
# Installs what is missing, builds in Release and starts Lumentor with an example.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DLUMEN_TESTS=OFF -DLUMEN_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target lumentor lumentor-cli
if [ $# -gt 0 ]; then
  exec ./build-release/app/lumentor "$@"
fi
# Without a file, a newcomer sees the example described at once: column A
# marked, its frequency graph beside the data.
LUMENTOR_DEMO=1 exec ./build-release/app/lumentor examples/hoejder.lmt
