#!/usr/bin/env bash
# The programs with piped input: the dialog's prompts and bounds, and the end of the input.
source "$(dirname "$0")/kozos.sh"

for program in "$VADONLES" "$VADONLES_FRAME"; do
  futtat "$program" 'x\n4\n5\nabc\n0\n21\n20\n1\n3\n1\n4\n2\n1.01\n-0.1\n0.5\n0.1\n0.3\n0.05\nV'
  [ "$KOD" -eq 0 ] || hiba "$program: exit code $KOD after V"
  [ "$(grep -c 'A ragadozók száma? \[1- 20\]' ki)" -eq 4 ] || hiba "$program: predator prompt of a 4 x 5 territory"
  grep -q 'A ragadozók kitöltik a territóriumot' ki || hiba "$program: no way out of a full territory"
  grep -q 'A zsákányok száma? \[1-  2\]4' ki || hiba "$program: prey bound"
  [ "$(grep -c 'Ragadozó szülési valószínűsége? \[0..1\]' ki)" -eq 3 ] || hiba "$program: probabilities asked again"
  [ ! -s hibak ] || hiba "$program: wrote errors: $(cat hibak)"

  futtat "$program" 'x\n4\n5\n'
  [ "$KOD" -eq 74 ] || hiba "$program: exit code $KOD at the end of the input, not 74"
  [ "$(grep -c 'bemenet véget ért' hibak)" -eq 1 ] || hiba "$program: one message at the end of the input"
  [ "$(grep -c 'A ragadozók száma?' ki)" -eq 1 ] || hiba "$program: prompts repeated at the end of the input"
done
# SIGTERM while the program waits for an entry: the way out with 143.
inditas_csovel "$VADONLES"
sleep 0.3
kill -TERM "$PID"
bevaras
[ "$KOD" -eq 143 ] || hiba "exit code $KOD after SIGTERM, not 143"
echo "parbeszed: passed"
