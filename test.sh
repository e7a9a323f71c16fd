#!/usr/bin/env bash
# Builds everything twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds; packs and
# checks the Debian package of the plain build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVEX_WERROR=ON
cmake --build build
# The Debian package, checked and installed once into this system.
rm -f build/corvex-utility_*.deb
(cd build && cpack -G DEB)
scripts/check-package.sh build
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVEX_SANITIZE=ON -DCORVEX_BUILD_BENCH=OFF -DCORVEX_WERROR=ON
cmake --build build-asan

ctest --test-dir build --output-on-failure --parallel 2
ctest --test-dir build-asan --output-on-failure --parallel 2
