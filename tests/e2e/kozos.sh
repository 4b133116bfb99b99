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

# Starts a program on a named pipe that stays open, so that it waits for more: write its input to
# descriptor 3. Its output lands in ki and hibak, its process id in PID.
inditas_csovel() {
  rm -f bemenet
  mkfifo bemenet
  "$1" <bemenet >ki 2>hibak &
  PID=$!
  exec 3>bemenet
}

# Waits for the program started on the pipe; its exit code lands in KOD.
bevaras() {
  set +e
  wait "$PID"
  KOD=$?
  set -e
  exec 3>&-
}

# Waits until the file holds a line that matches, for at most 10 seconds.
sorra_var() {
  for _ in $(seq 100); do
    grep -q "$1" "$2" 2>/dev/null && return 0
    sleep 0.1
  done
  hiba "$2 never held a line matching $1"
}

# N copies of a text.
ismetles() { printf "%${2}s" '' | sed "s/ /$1/g"; }
