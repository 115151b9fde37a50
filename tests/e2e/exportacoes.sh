# "Salvar" > "Como Imagem" in its three compressions writes numbered TIFFs
# beside the scan, equal to what the window shows; no export replaces a file
# already there (the next free number, the next free _N suffix), and each
# names the file it wrote in one stdout line.
source "$(dirname "$0")/comum.sh"

mkdir -p "$TMP/radar"
cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/radar/"
abre radar/BRU050301143000.dat
P=$(espera_janela VORLANE)

salvar=("$SALVAR_IMAGEM_LZW" "$SALVAR_IMAGEM_PACKBITS" "$SALVAR_IMAGEM_SEM_COMPRESSAO")
esperado=(LZW RLE None) # ImageMagick calls PackBits RLE
for k in 0 1 2; do
  escolhe "$P" 320 320 ${salvar[k]}
  f="$TMP/radar/BRU050301143000.dat-000$k.tif"
  ate_que gravou imagem "radar/BRU050301143000.dat-000$k.tif" || falha "sem $f: $(cat "$TMP/stdout")"
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

# Names already taken: a file at the next number and a directory at the one
# after are passed over; the counter goes on after the number used.
printf 'de outra sessao\n' | tee "$TMP/antigo" >"$TMP/radar/BRU050301143000.dat-0003.tif"
mkdir "$TMP/radar/BRU050301143000.dat-0004.tif"
escolhe "$P" 320 320 $SALVAR_IMAGEM_LZW
ate_que gravou imagem radar/BRU050301143000.dat-0005.tif || falha "imagem: $(cat "$TMP/stdout")"
rmdir "$TMP/radar/BRU050301143000.dat-0004.tif" # free again, but behind the counter
escolhe "$P" 320 320 $SALVAR_IMAGEM_PACKBITS
ate_que gravou imagem radar/BRU050301143000.dat-0006.tif || falha "a numeracao nao continuou: $(cat "$TMP/stdout")"
cmp -s "$TMP/antigo" "$TMP/radar/BRU050301143000.dat-0003.tif" || falha "a imagem antiga mudou"

# The sector's text export beside an earlier file of its name, twice: _2, then _3.
setor "$P"
texto=radar/BRU050301143000.243km40-84
cp "$TMP/antigo" "$TMP/$texto"
escolhe "$P" 320 320 $SALVAR_TEXTO
ate_que gravou texto "${texto}_2" || falha "texto: $(cat "$TMP/stdout")"
escolhe "$P" 320 320 $SALVAR_TEXTO
ate_que gravou texto "${texto}_3" || falha "segundo texto: $(cat "$TMP/stdout")"
cmp -s "$TMP/antigo" "$TMP/$texto" || falha "o texto antigo mudou"
cmp -s "$TMP/${texto}_2" "$TMP/${texto}_3" || falha "as duas exportacoes diferem"
grep -qx 'Raios: 973-1132' "$TMP/${texto}_2" || falha "conteudo: $(head -c 200 "$TMP/${texto}_2")"

# A larger window: the snapshot is the whole window at its new size (a frame
# kept from the old size left the new columns black).
xdotool windowsize "$P" 800 600
ate_que_avalia '[ "$(xdotool getwindowgeometry "$P" | grep -c "Geometry: 800x600")" = 1 ]' || falha "a janela nao cresceu"
xdotool mousemove --window "$P" 100 100 mousemove --window "$P" 110 100
escolhe "$P" 320 320 $SALVAR_IMAGEM_SEM_COMPRESSAO
f=radar/BRU050301143000.dat-0007.tif
ate_que gravou imagem "$f" || falha "imagem maior: $(cat "$TMP/stdout")"
[ "$(identify -format '%w %h' "$TMP/$f")" = "800 600" ] || falha "tamanho: $(identify "$TMP/$f")"
direita=$(convert "$TMP/$f" -crop 100x600+700+0 +repage -format '%[fx:int(100*mean)]' info:)
[ "$direita" -gt 30 ] || falha "a direita da imagem maior esta escura ($direita %)"

# One stdout line per file written, nothing else; no failures.
[ "$(wc -l <"$TMP/stdout")" -eq 8 ] || falha "stdout: $(cat "$TMP/stdout")"
[ ! -s "$TMP/stderr" ] || falha "stderr: $(cat "$TMP/stderr")"
vivo
echo ok
