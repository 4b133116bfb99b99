#!/usr/bin/env bash
# Sets everything up and starts vadonles in futas/, beside its help text and summary template; the run logs land there.
set -euo pipefail
cd "$(dirname "$0")/.."
VADONLES_CMAKE="-DVADONLES_TESTS=OFF -DVADONLES_BENCH=OFF" bash scripts/telepites.sh
mkdir -p futas
cp data/* futas/ 2>/dev/null || true
cd futas
exec ../build/vadonles
