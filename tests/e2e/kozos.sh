# Shared by the end-to-end scripts: a scratch working directory, and failing with a reason.
set -euo pipefail
VADONLES=$1
VADONLES_FRAME=$2
ADATOK=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../data" && pwd)
MUNKA=$(mktemp -d)
trap 'rm -rf "$MUNKA"' EXIT
cd "$MUNKA"
unset DISPLAY WAYLAND_DISPLAY  # no window: these runs only read the console

hiba() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs a program with the given input; its output lands in ki, its errors in hibak, its exit code in KOD.
futtat() {
  local program=$1 bemenet=$2
  set +e
  printf '%b' "$bemenet" | "$program" >ki 2>hibak
  KOD=$?
  set -e
}

# N copies of a text.
ismetles() { printf "%${2}s" '' | sed "s/ /$1/g"; }
