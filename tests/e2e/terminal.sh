#!/usr/bin/env bash
# vadonles in a real terminal (tmux): the dialog shows readable accented text and takes typed entries.
source "$(dirname "$0")/kozos.sh"
export LC_ALL=C.UTF-8
TMUX_SOCKET=vadonles_e2e_$$
tm() { tmux -u -L "$TMUX_SOCKET" "$@"; }
trap 'tm kill-server 2>/dev/null; rm -rf "$MUNKA"' EXIT

# Waits until the pane shows the text, for at most 10 seconds.
var() {
  for _ in $(seq 100); do
    tm capture-pane -p -t v | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  tm capture-pane -p -t v >&2
  hiba "the terminal never showed: $1"
}

tm new-session -d -x 100 -y 30 -s v "env -u DISPLAY '$VADONLES'; echo \"kilepes: \$?\"; sleep 60"
var 'Nincs meg a tájékoztató fájl!!!'
tm send-keys -t v x
var 'A territórium függôleges mérete? [1-250]'
tm send-keys -t v 4 Enter x Enter 5 Enter
var 'A territórium vizszintes mérete? [1-250]x'
var 'A ragadozók száma? [1- 20]'
for bejegyzes in 3 4 0.5 0.1 0.3 0.05; do tm send-keys -t v "$bejegyzes" Enter; done
var 'Zsákmány halálozási valószínűsége? [0..1]0.05'
tm send-keys -t v V
var 'Nincs meg az összefoglaló fájl!!!'
tm send-keys -t v x
var 'kilepes: 0'

# Ctrl+C in the middle of the dialog: the terminal comes back and the exit code is 130.
tm kill-session -t v
tm new-session -d -x 100 -y 30 -s v "env -u DISPLAY '$VADONLES'; echo \"kilepes: \$?\"; stty -a | grep -q ' icanon .* echo ' && echo 'terminal rendben'; sleep 60"
var 'Lapozhatunk?'
tm send-keys -t v x
var 'A territórium függôleges mérete? [1-250]'
tm send-keys -t v C-c
var 'kilepes: 130'
var 'terminal rendben'
# A terminal smaller than 80 x 25: one clear line, and the program ends before it shows anything else.
tm kill-session -t v
tm new-session -d -x 70 -y 20 -s v "env -u DISPLAY '$VADONLES'; echo \"kilepes: \$?\"; sleep 60"
var 'kilepes: 74'
var 'A terminál túl kicsi (70 x 20): legalább 80 x 25 karakter kell.'
echo "terminal: passed"
