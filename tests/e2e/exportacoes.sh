# "Salvar" > "Como Imagem" in its three compressions writes numbered TIFFs
# beside the scan, equal to what the window shows; exports whose file cannot
# be created print one line each and the viewer keeps working.
source "$(dirname "$0")/comum.sh"

mkdir -p "$TMP/radar"
cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/radar/"
abre radar/BRU050301143000.dat
P=$(espera_janela VORLANE)

esperado=(LZW RLE None) # ImageMagick calls PackBits RLE
for k in 0 1 2; do
  escolhe "$P" 320 320 3 0 "$k"
  f="$TMP/radar/BRU050301143000.dat-000$k.tif"
  ate_que test -s "$f" || falha "sem $f"
  info=$(identify -format '%w %h %C' "$f")
  [ "$info" = "640 640 ${esperado[$k]}" ] || falha "imagem $k: $info"
done
# The pointer back where the menu was opened: the readout is the one saved.
xdotool mousemove --window "$P" 321 321 mousemove --window "$P" 320 320
# The minimap overlaps the window's last 5 columns on screen: compare the rest.
convert "$TMP/radar/BRU050301143000.dat-0002.tif" -crop 634x640+0+0 +repage "$TMP/tiff.png"
igual_ao_tiff() {
  captura "$P" "$TMP/tela.png"
  convert "$TMP/tela.png" -crop 634x640+0+0 +repage "$TMP/tela_cortada.png"
  [ "$(diferenca "$TMP/tela_cortada.png" "$TMP/tiff.png")" = 0 ]
}
ate_que igual_ao_tiff || falha "o TIFF difere da tela"

# Files that cannot be created: a directory stands where each would go.
mkdir "$TMP/radar/BRU050301143000.dat-0003.tif"
escolhe "$P" 320 320 3 0 0
escolhe "$P" 320 320 1 1
arrasta "$P" 420 200 500 300
mkdir "$TMP/radar/BRU050301143000.243km40-84"
escolhe "$P" 320 320 3 1
ate_que_avalia 'test "$(wc -l <"$TMP/stderr")" -ge 2' || falha "sem mensagens: $(cat "$TMP/stderr")"
[ "$(grep -c '^vorlane: .*BRU050301143000.dat-0003.tif' "$TMP/stderr")" -eq 1 ] || falha "mensagem da imagem: $(cat "$TMP/stderr")"
[ "$(grep -c '^vorlane: .*BRU050301143000.243km40-84' "$TMP/stderr")" -eq 1 ] || falha "mensagem do texto: $(cat "$TMP/stderr")"
[ "$(wc -l <"$TMP/stderr")" -eq 2 ] || falha "mensagens demais: $(cat "$TMP/stderr")"
# Still running, still in the sector view; the counter moved on to 0004.
vivo
escolhe "$P" 320 320 3 0 1
ate_que test -s "$TMP/radar/BRU050301143000.dat-0004.tif" || falha "a numeracao nao continuou"
echo ok
