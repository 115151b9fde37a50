# Pictures without a screen: `--imagem` with no X display draws what the
# main window shows, pixel for pixel but for the pointer readout, which
# stays empty; the window's "Salvar" > "Como Imagem" > "PNG" writes its
# snapshot as a PNG. An existing file is never replaced; --tamanho sets
# the size.
source "$(dirname "$0")/comum.sh"

mkdir -p "$TMP/radar"
"$GERADOR" --semente 3 >"$TMP/radar/BRU050301143000.dat"              # the built-in map and towns
"$GERADOR" --odim "$TMP/radar/volume.h5" --posicao -22.36,-49.03        # coasts, borders, Latin-1 towns

# Runs the viewer from $TMP with no display at all.
sem_tela() { (cd "$TMP" && exec env -u DISPLAY "$VORLANE" "$@") >"$TMP/sem.out" 2>"$TMP/sem.err"; }

# The status bar's readout box (x 0..281 of the bottom 16 rows) painted black.
sem_leitura() { convert "$1" -fill black -draw 'rectangle 0,624 281,639' "$2"; }

for cena in radar/BRU050301143000.dat radar/volume.h5; do
  abre "$cena"
  P=$(espera_janela VORLANE)
  escolhe "$P" 320 320 $SALVAR_IMAGEM_PNG
  ate_que gravou imagem "$cena-0000.png" || falha "sem PNG de $cena: $(cat "$TMP/stdout")"
  [ "$(identify -format '%m %w %h' "$TMP/$cena-0000.png")" = "PNG 640 640" ] || falha "PNG: $(identify "$TMP/$cena-0000.png")"
  [ ! -s "$TMP/stderr" ] || falha "stderr da janela: $(cat "$TMP/stderr")"
  kill "$VORLANE_PID"
  ate_que sem_janela VORLANE || falha "a janela nao fechou"

  sem_tela --imagem "$cena.png" "$cena" || falha "--imagem $cena: $(cat "$TMP/sem.err")"
  [ "$(cat "$TMP/sem.out")" = "vorlane: imagem gravada em '$cena.png'" ] || falha "stdout: $(cat "$TMP/sem.out")"
  [ "$(identify -format '%m %w %h' "$TMP/$cena.png")" = "PNG 640 640" ] || falha "$(identify "$TMP/$cena.png")"
  # The readout is empty: its box is all black.
  [ "$(convert "$TMP/$cena.png" -crop 282x16+0+624 +repage -format '%[fx:maxima]' info:)" = 0 ] || falha "leitura em $cena.png"
  sem_leitura "$TMP/$cena-0000.png" "$TMP/janela.png"
  sem_leitura "$TMP/$cena.png" "$TMP/semtela.png"
  d=$(diferenca "$TMP/janela.png" "$TMP/semtela.png")
  [ "$d" = 0 ] || falha "$cena: $d pixels diferem da janela"
done

# The TIFF is the same picture.
sem_tela --imagem radar/volume.tif radar/volume.h5 || falha "--imagem .tif: $(cat "$TMP/sem.err")"
[ "$(diferenca "$TMP/radar/volume.tif" "$TMP/radar/volume.h5.png")" = 0 ] || falha "o TIFF difere do PNG"

# A second run leaves the file as it was: one line, status 1.
cp "$TMP/radar/volume.h5.png" "$TMP/antes.png"
if sem_tela --imagem radar/volume.h5.png radar/volume.h5; then falha "substituiu a imagem"; fi
[ "$(wc -l <"$TMP/sem.err")" = 1 ] && grep -q "^vorlane: .*ja existe" "$TMP/sem.err" || falha "stderr: $(cat "$TMP/sem.err")"
[ ! -s "$TMP/sem.out" ] || falha "stdout: $(cat "$TMP/sem.out")"
cmp -s "$TMP/antes.png" "$TMP/radar/volume.h5.png" || falha "a imagem mudou"

sem_tela --imagem pequena.png --tamanho 320x200 radar/BRU050301143000.dat || falha "--tamanho: $(cat "$TMP/sem.err")"
[ "$(identify -format '%m %w %h' "$TMP/pequena.png")" = "PNG 320 200" ] || falha "$(identify "$TMP/pequena.png")"

if sem_tela --imagem outra.png --tamanho 320x8 radar/BRU050301143000.dat; then falha "aceitou 320x8"; fi
[ "$(wc -l <"$TMP/sem.err")" = 1 ] || falha "stderr: $(cat "$TMP/sem.err")"
[ ! -e "$TMP/outra.png" ] || falha "gravou com tamanho invalido"
echo ok
