#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite
# headless. LUMEN_SANITIZE=1 builds with AddressSanitizer and UBSan instead.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
DIR=build-test
SAN=OFF
if [ "${LUMEN_SANITIZE:-0}" = 1 ]; then DIR=build-asan; SAN=ON; fi
cmake -S . -B $DIR -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMEN_SANITIZE=$SAN >/dev/null
cmake --build $DIR -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd $DIR && ctest --output-on-failure -j"$(nproc)" --timeout 300
