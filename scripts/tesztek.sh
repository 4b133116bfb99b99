#!/usr/bin/env bash
# Sets everything up and runs every test: the normal build with the end-to-end runs, then the unit tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
VADONLES_CMAKE="-DVADONLES_TESTS=ON -DVADONLES_BENCH=ON" bash scripts/telepites.sh libgtest-dev libbenchmark-dev tmux xvfb xauth imagemagick
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVADONLES_SANITIZE=ON >/dev/null
cmake --build build-san
ctest --test-dir build --output-on-failure
ctest --test-dir build-san --output-on-failure
