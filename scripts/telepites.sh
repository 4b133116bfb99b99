#!/usr/bin/env bash
# Installs the Debian packages the project needs where they are missing, then builds into build/.
# Usage: [VADONLES_CMAKE="cmake options"] scripts/telepites.sh [extra packages...]
set -euo pipefail
cd "$(dirname "$0")/.."

CSOMAGOK=(g++ cmake ninja-build pkg-config libsdl2-dev libncurses-dev "$@")
HIANYZIK=()
for csomag in "${CSOMAGOK[@]}"; do
  dpkg-query -W -f='${Status}' "$csomag" 2>/dev/null | grep -q 'install ok installed' || HIANYZIK+=("$csomag")
done
if [ ${#HIANYZIK[@]} -gt 0 ]; then
  echo "Telepítés: ${HIANYZIK[*]}"
  SUDO=()
  [ "$(id -u)" -eq 0 ] || SUDO=(sudo)
  "${SUDO[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq "${HIANYZIK[@]}" >/dev/null
fi

# shellcheck disable=SC2086  # VADONLES_CMAKE holds options, one word each
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${VADONLES_CMAKE:-} >/dev/null
cmake --build build
