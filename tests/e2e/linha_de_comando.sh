# Start-up: a good scan opens the 640 x 640 "VORLANE" window; every bad
# command line or scan file ends with status 1 and one stderr line before
# GLUT is touched (a bogus DISPLAY would otherwise make GLUT fail first).
source "$(dirname "$0")/comum.sh"

cp "$FONTE/tests/data/minimo.dat" "$TMP/dados.dat"
abre
id=$(espera_janela VORLANE)
geo=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')
[ "$geo" = "640x640" ] || falha "geometria $geo"
fundo() { captura "$id" "$TMP/janela.png"; [ "$(pixel "$TMP/janela.png" 5 5)" = "153 153 153" ]; }
ate_que fundo || falha "fundo $(pixel "$TMP/janela.png" 5 5)"
kill "$VORLANE_PID"
wait "$VORLANE_PID" 2>/dev/null || true
ate_que sem_janela VORLANE || true

# A first gate given as argument replaces the name's, even one out of range.
cp "$FONTE/tests/data/minimo.dat" "$TMP/PPR050301003014.500km.dat"
abre PPR050301003014.500km.dat 40
espera_janela VORLANE >/dev/null
[ ! -s "$TMP/stderr" ] || falha "500 km com 40: $(cat "$TMP/stderr")"
kill "$VORLANE_PID"
wait "$VORLANE_PID" 2>/dev/null || true
ate_que sem_janela VORLANE || true

falha_de_partida() {
  local esperado=$1; shift
  set +e
  (cd "$TMP" && DISPLAY=:vorlane-nenhum timeout 10 "$VORLANE" "$@") >"$TMP/out" 2>"$TMP/err"
  local st=$?
  set -e
  [ "$st" -eq 1 ] || falha "status $st para: $*"
  [ "$(wc -l <"$TMP/err")" -eq 1 ] || falha "stderr de $*: $(cat "$TMP/err")"
  grep -q "^vorlane: .*$esperado" "$TMP/err" || falha "mensagem de $*: $(cat "$TMP/err")"
}

falha_de_partida "uso" dados.dat 4 extra
falha_de_partida "1km" dados.dat 1km
falha_de_partida "-4" dados.dat -4
falha_de_partida "5000" dados.dat 5000
falha_de_partida "nao-existe.dat" nao-existe.dat
falha_de_partida "PPR050301003014.500km.dat" PPR050301003014.500km.dat
mkdir "$TMP/vazia"
falha_de_partida "nao ha varreduras em 'vazia'" vazia # a folder is a series: of nothing here
printf 'x\n' >"$TMP/um.dat"; printf 'y\n' >"$TMP/dois.dat"
falha_de_partida "nenhuma das varreduras pode ser lida" um.dat dois.dat # nothing to show: one line
falha_de_partida "--memoria 'x' invalida" --memoria x um.dat
printf 'so um preambulo\nsem marcador\n' >"$TMP/vazio.dat"
falha_de_partida "vazio.dat" vazio.dat
: >"$TMP/zero.dat"
falha_de_partida "zero.dat" zero.dat
rm "$TMP/dados.dat"
falha_de_partida "dados.dat"
# A good scan and no display: one line of the viewer's own, status 1.
cp "$FONTE/tests/data/minimo.dat" "$TMP/dados.dat"
falha_de_partida "display ':vorlane-nenhum'" dados.dat

# Options: help and version on stdout with status 0; misuse, one line and 1.
(cd "$TMP" && "$VORLANE" --help) >"$TMP/out" || falha "--help: status $?"
grep -q -- "--elevacao N" "$TMP/out" || falha "--help: $(cat "$TMP/out")"
(cd "$TMP" && "$VORLANE" --version) >"$TMP/out" || falha "--version: status $?"
grep -qx "vorlane [0-9.]*" "$TMP/out" || falha "--version: $(cat "$TMP/out")"
falha_de_partida "opcao desconhecida '--nada'" --nada dados.dat
falha_de_partida "'--elevacao' precisa de um valor" dados.dat --elevacao
falha_de_partida "so para arquivos ODIM_H5" --elevacao 2 dados.dat
cp "$TMP/dados.dat" "$TMP/-x.dat"
falha_de_partida "display" -- -x.dat # a file named like an option, after --

# ODIM_H5 files: the first gate comes from the file; what is not a polar
# volume or scan, or a sweep not there, is refused before any window.
"$GERADOR" --odim "$TMP/v.h5" --elevacoes 2 --eco 10,50,40
"$GERADOR" --odim "$TMP/comp.h5" --objeto COMP --eco 10,50,40
"$GERADOR" --odim "$TMP/cortado.h5" --eco 10,50,40 --cortado
"$GERADOR" --odim "$TMP/outro.h5" --nao-odim --eco 10,50,40
falha_de_partida "primeiro raio '4' nao vale" v.h5 4
falha_de_partida "tem 2 elevacoes; --elevacao 3" --elevacao 3 v.h5
falha_de_partida "nao tem 'ZDR'" v.h5 --quantidade ZDR
falha_de_partida "objeto ODIM_H5 'COMP'" comp.h5
falha_de_partida "cortado.h5" cortado.h5
falha_de_partida "nao ODIM_H5" outro.h5
falha_de_partida "display" --elevacao 2 --quantidade DBZH v.h5 # good up to the display

# Colour tables: hostile ones end the start with their line (binary garbage,
# no entries, a huge value, 10 MB of entries); a good one is read.
perl -e 'srand(3); print map { chr(int rand 256) } 1..100000' >"$TMP/lixo.pal"
printf 'Product: BV\nUnits: m/s\n' >"$TMP/vazia.pal"
printf 'Color: 1e300 0 0 0\n' >"$TMP/enorme.pal"
perl -e 'print "Color: $_ 1 2 3\n" for 1..700000' >"$TMP/dez_mb.pal"
printf 'Product: BV\nColor: -30 0 255 0\nColor: 30 255 0 0\n' >"$TMP/boa.pal"
falha_de_partida "lixo.pal' linha 1" --paleta lixo.pal v.h5
falha_de_partida "nenhuma cor" --paleta VRADH=vazia.pal v.h5
falha_de_partida "enorme.pal' linha 1" --paleta enorme.pal v.h5
falha_de_partida "linha 4097" --paleta dez_mb.pal v.h5
falha_de_partida "nao foi possivel abrir a tabela de cores 'falta.pal'" --paleta falta.pal v.h5
falha_de_partida "display" --paleta boa.pal --paleta DBZH=boa.pal v.h5
falha_de_partida "display" --paleta DBZH=boa.pal dados.dat
echo ok
