#!/usr/bin/env bash
# Whole runs driven by piped input, their run logs checked line by line.
source "$(dirname "$0")/kozos.sh"

SUGO='x\nx\n'  # a key for each of the two help pages
PARAMETEREK='20\n20\n40\n150\n0.3\n0.05\n0.5\n0.0625\n'
CRLF=$'\r'

# Key by key in separate folders at once: each step waits a tenth of a second.
for eset in 400 401 350n; do
  mkdir "$eset"
  cp "$ADATOK"/* "$eset"/
done
# The key read at T = k is the (k + 1)th of the run.
(cd 400 && futtat "$VADONLES" "$SUGO$PARAMETEREK$(ismetles x 400)V"; echo "$KOD" >kod) &
(cd 401 && futtat "$VADONLES" "$SUGO$PARAMETEREK$(ismetles x 401)V"; echo "$KOD" >kod) &
(cd 350n && futtat "$VADONLES" "$SUGO$PARAMETEREK$(ismetles x 100)l$(ismetles x 249)nV"; echo "$KOD" >kod) &

# The end key at the first key: the header, the line of T = 0 and the closing lines; no help or summary here.
futtat "$VADONLES" "x\\n$PARAMETEREK""V"
[ "$KOD" -eq 0 ] || hiba "exit code $KOD"
mapfile -t SOROK <Ragadozas_20x20.csv
[ ${#SOROK[@]} -eq 10 ] || hiba "the log of a run ended at once has ${#SOROK[@]} lines"
[ "${SOROK[0]}" = "Okologia - Ragadozas;$CRLF" ] || hiba "line 1: ${SOROK[0]}"
[[ "${SOROK[1]}" =~ ^Kezdesi\ ido:\;[0-9]+:[0-9]+:[0-9]+,[0-9]+$CRLF$ ]] || hiba "line 2: ${SOROK[1]}"
[ "${SOROK[2]}" = "N:;20;M:;20;$CRLF" ] || hiba "line 3"
[ "${SOROK[3]}" = "Ra0:;40;Zs0:;150;$CRLF" ] || hiba "line 4"
[ "${SOROK[4]}" = "RaSz:;0.300;RaH:;0.050;$CRLF" ] || hiba "line 5"
[ "${SOROK[5]}" = "ZsSz:;0.500;ZsH:;0.063;$CRLF" ] || hiba "line 6: 0.0625 is logged as 0.063"
[ "${SOROK[6]}" = "T;RaDb;ZsDb;RaAtl;ZsAtl;$CRLF" ] || hiba "line 7"
[ "${SOROK[7]}" = "0;40;150;40;150;$CRLF" ] || hiba "the line of T = 0: ${SOROK[7]}"
[[ "${SOROK[8]}" =~ ^Veg-ido:\;[0-9]+:[0-9]+:[0-9]+,[0-9]+$CRLF$ ]] || hiba "Veg-ido: ${SOROK[8]}"
[[ "${SOROK[9]}" =~ ^Ossz\ futasi\ ido:\;\ *[0-9]+\.[0-9][0-9]\;$CRLF$ ]] || hiba "Ossz futasi ido: ${SOROK[9]}"
grep -q 'Üzemmódváltás: Vege (0,V)' ki || hiba "no mode change line for V"
grep -q 'Nincs meg a tájékoztató fájl!!!' ki || hiba "a missing help file is not told"
grep -q 'Nincs meg az összefoglaló fájl!!!' ki || hiba "a missing template is not told"
grep -q 'Itt a vége fuss el véle!!!!' ki || hiba "no farewell line"

# Left in normal mode until a species dies out: the trajectory the dynamics tests pin.
cp "$ADATOK"/* .
futtat "$VADONLES" "${SUGO}10\\n12\\n15\\n40\\n0.5\\n0.1\\n0.5\\n0.05\\nn"
[ "$KOD" -eq 0 ] || hiba "exit code $KOD after the end state"
grep -q 'A szimuláció végállapotba jutott! Nyomja le az entert, ha jól megnézte a grafikonokat!' ki || hiba "no end-state message"
grep -q "^1000;17;75;" Ragadozas_10x12.csv || hiba "the log does not hold the counts of T = 1000"
grep -q "^3400;" Ragadozas_10x12.csv || hiba "no period line at 3400"
grep -q "^3489;0;1;" Ragadozas_10x12.csv || hiba "no closing period line at 3489"
[ "$(grep -c '^3600;' Ragadozas_10x12.csv)" -eq 0 ] || hiba "the run went on after the end state"
grep -q 'A futás összefoglalása' ki || hiba "no summary page"
grep -q 'A szimuláció 3489 időegységig tartott.' ki || hiba "the summary's time is not replaced"

# The log cannot be created where the working directory is not writable.
KOD=$(cd /proc && set +e; printf 'x\n20\n20\n40\n150\n0.3\n0.05\n0.5\n0.0625\n' | "$VADONLES" >"$MUNKA/ki" 2>"$MUNKA/hibak"; echo $?)
[ "$KOD" -eq 9 ] || hiba "exit code $KOD when the log cannot be created, not 9"
tail -n 3 ki | head -n 2 | tr -d '\r' >ket_sor
printf 'A Ragadozas_20x20.csv naplófájl nem nyitható meg.\nLehet, h. másik program használja?\n' | cmp -s - ket_sor ||
  hiba "the two lines for a log that cannot be created: $(cat ket_sor)"
tail -n 1 ki | grep -q '^Lapozhatunk?.$' || hiba "something else was written after the two lines"

# The log becomes unwritable during the run: vadonles stops with 9, vadonles_frame with a run-time I/O error.
for program in "$VADONLES" "$VADONLES_FRAME"; do
  rm -rf Ragadozas_20x20.csv
  inditas_csovel "$program"
  printf "$SUGO$PARAMETEREK" >&3
  sorra_var '^0;' Ragadozas_20x20.csv
  rm Ragadozas_20x20.csv
  mkdir Ragadozas_20x20.csv
  printf 'n' >&3
  bevaras
  if [ "$program" = "$VADONLES" ]; then
    [ "$KOD" -eq 9 ] || hiba "vadonles: exit code $KOD when the log became unwritable, not 9"
    grep -q 'A naplófájlba nem lehet írni.' ki || hiba "vadonles: no line for the unwritable log"
  else
    [ "$KOD" -eq 74 ] || hiba "vadonles_frame: exit code $KOD when the log became unwritable, not 74"
    grep -q 'Futási hiba 74' hibak || hiba "vadonles_frame: no run-time error line"
  fi
done

# SIGTERM during the run: the log still gets its closing lines, and the exit code is 143.
rm -rf Ragadozas_20x20.csv
inditas_csovel "$VADONLES"
printf "$SUGO$PARAMETEREK" >&3
sorra_var '^0;' Ragadozas_20x20.csv
printf 'xxx' >&3
sleep 0.5
kill -TERM "$PID"
bevaras
[ "$KOD" -eq 143 ] || hiba "exit code $KOD after SIGTERM, not 143"
tail -n 3 Ragadozas_20x20.csv | head -n 1 | grep -q '^3;' || hiba "no closing period line after SIGTERM"
tail -n 1 Ragadozas_20x20.csv | grep -q '^Ossz futasi ido:;' || hiba "no run time after SIGTERM"

wait
for eset in 400 401 350n; do [ "$(cat $eset/kod)" -eq 0 ] || hiba "$eset: exit code $(cat $eset/kod)"; done
grep -q "^400;" 400/Ragadozas_20x20.csv || hiba "400 steps: no period line at 400"
[ "$(grep -c '^40[01];' 400/Ragadozas_20x20.csv)" -eq 1 ] || hiba "400 steps: a closing period line was written"
SOR400=$(grep '^401;' 401/Ragadozas_20x20.csv) || hiba "401 steps: no closing period line"
IFS=';' read -r _ RA ZS RAATL ZSATL _ <<<"$SOR400"
[ "$RA" = "$RAATL" ] && [ "$ZS" = "$ZSATL" ] || hiba "401 steps: the averages over one time unit are not the counts: $SOR400"
[ "$(grep -c 'Üzemmódváltás' 350n/ki)" -eq 2 ] || hiba "the key of the mode in force wrote a line"
grep -q '^Üzemmódváltás: Normal (350,n)$' 350n/ki || hiba "no line for n at T = 350"
grep -q '^Üzemmódváltás: Vege (351,V)$' 350n/ki || hiba "no line for V at T = 351"
echo "futas: passed"
