# A series of volumes given together, ordered by their own time (not their
# names): an echo 100 km east of the radar moves 50 km east a scan. `.` and
# `,` step, Home and End go to the ends, space loops until another key; a
# broken file among them is skipped with one warning. Then a followed folder
# shows a file copied into it, once it is complete.
source "$(dirname "$0")/comum.sh"

# 40 dBZ over 4 degrees x 2 km from $2 km east; /what/time $1.
volume() {
  local eco=() k a
  for k in $(seq 0 20); do
    for a in 88.5 89.5 90.5 91.5; do eco+=(--eco "$a,$(($2 + k / 10)).$((k % 10)),40"); done
  done
  "$GERADOR" --odim "$3" --hora "$1" "${eco[@]}" "${@:4}"
}
mkdir -p "$TMP/s"
volume 030000 100 "$TMP/s/d.h5"
volume 030500 150 "$TMP/s/a.h5"
volume 030700 175 "$TMP/s/b-quebrado.h5" --cortado
volume 031000 200 "$TMP/s/c.h5"
volume 031500 250 "$TMP/s/b.h5"
abre s/a.h5 s/b.h5 s/b-quebrado.h5 s/c.h5 s/d.h5
P=$(espera_janela VORLANE)

# Column of the echo at $1 km in the full 640 x 640 view (row 321, off the
# rings' axis and labels); 40 dBZ in 32 colours is (255, 165, 0).
coluna() { echo $((320 + ($1 + 1) * 320 / 500)); }
em() { captura "$P" "$TMP/q.png"; [ "$(pixel "$TMP/q.png" "$(coluna "$1")" 321)" = "255 165 0" ]; }
ate_que em 100 || falha "o primeiro quadro nao tem o eco a 100 km"
repete_ate xdotool mousemove --window "$P" 300 300 key period -- em 150 || falha ". nao passou ao segundo"
repete_ate xdotool mousemove --window "$P" 300 300 key period -- em 200 || falha ". nao passou ao terceiro"
repete_ate xdotool mousemove --window "$P" 300 300 key comma -- em 150 || falha ", nao voltou"
repete_ate xdotool mousemove --window "$P" 300 300 key End -- em 250 || falha "End"
repete_ate xdotool mousemove --window "$P" 300 300 key Home -- em 100 || falha "Home"
grep -q "aviso: .*b-quebrado.h5.*(ignorado)" "$TMP/stderr" || falha "sem aviso do arquivo quebrado: $(cat "$TMP/stderr")"
[ "$(grep -c . "$TMP/stderr")" -eq 1 ] || falha "stderr: $(cat "$TMP/stderr")"

# The loop goes round on its own; Escape stops it where it is.
xdotool mousemove --window "$P" 300 300 key space
ate_que em 150 && ate_que em 250 && ate_que em 100 || falha "o laco nao andou"
xdotool key Escape
parado=
for km in 100 150 200 250; do em "$km" && parado=$km; done
[ -n "$parado" ] || falha "o laco parou fora de um quadro"
ESPERA_MAXIMA=3 ate_que_avalia '! em "$parado"' && falha "o laco nao parou em $parado"

# A followed folder: its newest scan is shown; a file written into it in two
# pieces shows only once closed, and becomes the newest.
kill "$VORLANE_PID"; wait "$VORLANE_PID" 2>/dev/null || true; ate_que sem_janela VORLANE || true
mkdir -p "$TMP/f"
cp "$TMP/s/d.h5" "$TMP/s/a.h5" "$TMP/f/"
volume 032000 300 "$TMP/novo.h5"
abre --seguir f
P=$(espera_janela VORLANE)
ate_que em 150 || falha "--seguir nao mostrou o mais novo"
metade=$(($(stat -c %s "$TMP/novo.h5") / 2))
exec 3>"$TMP/f/novo.h5"
head -c "$metade" "$TMP/novo.h5" >&3
ESPERA_MAXIMA=2 ate_que em 300 && falha "um arquivo pela metade foi mostrado"
tail -c +$((metade + 1)) "$TMP/novo.h5" >&3
exec 3>&-
ate_que em 300 || falha "o arquivo completo nao apareceu: $(cat "$TMP/stderr")"
[ ! -s "$TMP/stderr" ] || falha "stderr: $(cat "$TMP/stderr")"
echo ok
