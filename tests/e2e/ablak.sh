#!/usr/bin/env bash
# vadonles in a real terminal (tmux) with its real window (Xvfb): the start screen at T = 0, read off a screenshot.
source "$(dirname "$0")/kozos.sh"
export LC_ALL=C.UTF-8
TMUX_SOCKET=vadonles_ablak_$$
tm() { tmux -u -L "$TMUX_SOCKET" "$@"; }
# Xvfb picks a free display itself and tells its number: a screen just the size of the window.
Xvfb -displayfd 5 -screen 0 800x600x24 -nolisten tcp 5>kijelzo 2>/dev/null &
XPID=$!
trap 'tm kill-server 2>/dev/null; kill $XPID 2>/dev/null; rm -rf "$MUNKA"' EXIT
for _ in $(seq 100); do [ -s kijelzo ] && break; sleep 0.1; done
[ -s kijelzo ] || hiba "Xvfb did not start"
KIJELZO=:$(cat kijelzo)
cp "$ADATOK"/* .

# The colour at (x, y) of the screenshot, as #RRGGBB.
szin() { convert kep.png -format "%[hex:p{$1,$2}]" info: | cut -c1-6 | sed 's/^/#/'; }
# How many pixels of a colour the rectangle (x, y, width, height) holds.
szamol() {
  convert kep.png -crop "$3x$4+$1+$2" +repage -format %c histogram:info: | grep -i "#$5" | awk -F: '{s += $1} END {print s + 0}'
}
var() {
  for _ in $(seq 100); do
    tm capture-pane -p -t v | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  hiba "the terminal never showed: $1"
}

tm new-session -d -x 100 -y 30 -s v "DISPLAY=$KIJELZO '$VADONLES'; echo \"kilepes: \$?\"; sleep 60"
var 'Lapozhatunk?'
tm send-keys -t v x
sleep 0.3
tm send-keys -t v x
var 'A territórium függôleges mérete?'
for bejegyzes in 40 50 50 400 0.5 0.1 0.3 0.05; do tm send-keys -t v "$bejegyzes" Enter; done
for _ in $(seq 100); do
  DISPLAY=$KIJELZO import -window root kep.png 2>/dev/null && [ "$(szin 279 247)" = "#00AA00" ] && break
  sleep 0.1
done
cp kep.png "${VADONLES_KEPERNYOKEP:-/dev/null}" 2>/dev/null || true

# The territory: 40 rows and 50 columns at (112, 145) with the wall ring, 50 predators and 400 prey.
[ "$(szamol 112 145 52 42 AA0000)" -eq 50 ] || hiba "red cells: $(szamol 112 145 52 42 AA0000)"
[ "$(szamol 112 145 52 42 FFFF55)" -eq 400 ] || hiba "yellow cells: $(szamol 112 145 52 42 FFFF55)"
[ "$(szamol 112 145 52 42 0000AA)" -eq 184 ] || hiba "blue wall cells: $(szamol 112 145 52 42 0000AA)"
[ "$(szamol 111 144 54 44 0000AA)" -eq 184 ] || hiba "wall cells outside the ring"
# The first XY point (0.025, 0.2) at (279, 247); the first bars of both histograms.
[ "$(szin 279 247)" = "#00AA00" ] || hiba "no first XY point"
for xy in "14 572" "203 331" "407 572" "596 331"; do  # the top may be a row low: P / Max * Max < P
  [ "$(szin $xy)" = "#FFFFFF" ] || hiba "no histogram bar at $xy"
done
[ "$(szin 100 325)" = "#000000" ] || hiba "the predator bar is too high"
# The frame, the header, the time box, the help line and the five window frames.
for xy in "6 300" "794 300" "355 8" "440 8" "697 8" "796 8" "157 592" "636 592" "12 100" "268 100" "536 100" "786 100" "12 400" "405 400"; do
  [ "$(szin $xy)" = "#FFFFFF" ] || hiba "nothing white at $xy"
done

tm send-keys -t v V
var 'Lapozhatunk?'
tm send-keys -t v x
sleep 0.3
tm send-keys -t v x
var 'kilepes: 0'
echo "ablak: passed"
