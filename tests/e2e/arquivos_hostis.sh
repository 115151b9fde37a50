# Hostile scan files on the real binary: each either opens the window within
# seconds (status 0 when closed) or ends with status 1 and one stderr line.
# Files that draw a wrong picture say so on stderr before the window opens.
source "$(dirname "$0")/comum.sh"

cd "$TMP"
: >vazio.dat
printf 'so um preambulo\nsem blocos\n' >preambulo.dat
perl -e 'srand(1); print map { my $c = chr(int rand 256); $c eq "#" ? "\0" : $c } 1..1000000' >lixo.dat
perl -e 'print "7" x (10 * 1024 * 1024)' >linha10mb.dat
perl -e 'print "p\n"; $l = "33.5 " x 56000; print "# Az: $_ graus\n$l\n" for 0..359' >cem_mb.dat
perl -e 'print "p\n# Az: 0 graus\n", " 12.5" x 1000000, "\n"' >milhao.dat
perl -e 'print "p\n"; print "# Az: $_ g\n 20.5\n" for 0..99999' >cem_mil_blocos.dat
perl -e 'print "p\n# Az: 0 graus\n ", "9" x 100000, " 1................. -------- ....\n"' >digitos.dat
printf 'p\n# Az: -100000 graus\n 30.0\n' >az_negativo.dat
printf 'p\n# Az: 99999 graus\n 30.0\n' >az_grande.dat
# Ray 100 missing, a word in every block, the last line cut off.
perl -e 'print "p\n"; print "# Az: $_ graus\n 20.5 nan 30.0\n" for 0..99, 101..359; print " 1.0"' >girado.dat
mkdir diretorio.dat
# ODIM_H5: the signature then garbage; a volume cut short; one whose bins
# reach beyond 500 km (huge nbins attribute and data); odd geometry.
perl -e 'srand(2); print "\x89HDF\r\n\x1a\n", map { chr(int rand 256) } 1..100000' >assinatura.h5
"$GERADOR" --odim cortado.h5 --elevacoes 3 --cortado
"$GERADOR" --odim longe.h5 --nbins 20000 --rscale 50 --eco 10,900,40 --eco 20,100,40
"$GERADOR" --odim estranho.h5 --nrays 7 --rscale 3000 --rstart -5 --ganho -1e300 --astart 1e300

recusa() {
  set +e
  timeout 20 "$VORLANE" "$1" >out 2>err
  local st=$?
  set -e
  [ "$st" -eq 1 ] || falha "$1: status $st"
  [ "$(wc -l <err)" -eq 1 ] && grep -q '^vorlane: ' err || falha "$1: stderr $(head -c 300 err)"
}

# $1 the file; $2 how many warning lines it gives (default none): they must
# be on stderr by the time the window appears, and nothing else ever.
aceita() {
  local inicio pid avisos=${2:-0}
  # Two tries: under sanitizers, with the fuzzers or other jobs loading the
  # machine, the test X server has refused or stalled a first connection.
  # A file that is really slow to read fails both.
  for tentativa in 1 2; do
    inicio=$SECONDS
    "$VORLANE" "$1" >out 2>err &
    pid=$!
    PIDS+=("$pid")
    espera_janela VORLANE >/dev/null 2>&1 && break
    [ "$tentativa" -eq 2 ] && falha "$1: sem janela em $((SECONDS - inicio)) s; stderr $(head -c 1000 err)"
    echo "$1: sem janela em $((SECONDS - inicio)) s; outra tentativa" >&2
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  kill -0 "$pid" 2>/dev/null || falha "$1: sem janela; stderr $(head -c 1000 err)"
  [ "$(grep -c "^vorlane: aviso: '$1': " err)" -eq "$avisos" ] || falha "$1: avisos $(head -c 1000 err)"
  [ $((SECONDS - inicio)) -le 15 ] || falha "$1: demorou $((SECONDS - inicio)) s"
  kill -0 "$pid" || falha "$1: terminou"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  [ "$(wc -l <err)" -eq "$avisos" ] || falha "$1: stderr $(head -c 1000 err)"
  ate_que sem_janela VORLANE || true
}

for f in vazio.dat preambulo.dat lixo.dat linha10mb.dat diretorio.dat assinatura.h5 cortado.h5; do recusa "$f"; done
for f in cem_mb.dat milhao.dat digitos.dat az_negativo.dat az_grande.dat longe.h5 estranho.h5; do aceita "$f"; done
aceita cem_mil_blocos.dat 1
aceita girado.dat 3
grep -q "linha 202 (azimute 101, esperado 100)" err || falha "girado.dat: $(cat err)"
if [ "$(id -u)" -ne 0 ]; then # root reads any file
  cp az_grande.dat fechado.dat && chmod 000 fechado.dat && recusa fechado.dat
fi
echo ok
