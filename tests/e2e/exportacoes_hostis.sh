# Exports into hostile places: a scan path of about 4000 characters, names
# with spaces and non-ASCII bytes, and a directory that disappears while the
# viewer runs (each failed export: one stderr line, the viewer goes on).
source "$(dirname "$0")/comum.sh"

# Takes a snapshot and a sector's text export; checks both land beside the scan.
exporta_e_confere() {
  local P=$1 dir=$2 base=$3
  escolhe "$P" 320 320 $SALVAR_IMAGEM_SEM_COMPRESSAO
  ate_que test -s "$dir/$base.dat-0000.tif" || falha "sem TIFF em ${dir:0:80}..."
  setor "$P"
  escolhe "$P" 320 320 $SALVAR_TEXTO
  ate_que test -s "$dir/${base%%.*}.243km40-84" || falha "sem texto em ${dir:0:80}..."
}

# 1. A path of about 4000 characters (16 directories of 246 or 247), given
# with a leading "./": a '.' in a directory must not cut the export name.
longo=raiz
for k in $(seq 1 16); do longo="$longo/$(printf 'd%.0s' $(seq 1 245))$k"; done
mkdir -p "$TMP/$longo"
cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/$longo/"
[ "${#longo}" -gt 3900 ] || falha "caminho curto: ${#longo}"
abre "./$longo/BRU050301143000.dat"
P=$(espera_janela VORLANE)
exporta_e_confere "$P" "$TMP/$longo" BRU050301143000
kill "$VORLANE_PID"; wait "$VORLANE_PID" 2>/dev/null || true
ate_que sem_janela VORLANE

# 2. Spaces and Latin-1 / UTF-8 bytes in the directory and the file name.
estranho=$'meus dados \xe9 \xc3\xa7' arquivo=$'BRU 0503 \xe1.dat'
mkdir "$TMP/$estranho"
cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/$estranho/$arquivo"
abre "$estranho/$arquivo"
P=$(espera_janela VORLANE)
exporta_e_confere "$P" "$TMP/$estranho" "${arquivo%.dat}"
kill "$VORLANE_PID"; wait "$VORLANE_PID" 2>/dev/null || true
ate_que sem_janela VORLANE

# 3. The scan's directory disappears after start-up.
mkdir "$TMP/some"
cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/some/"
abre some/BRU050301143000.dat
P=$(espera_janela VORLANE)
rm -rf "$TMP/some"
escolhe "$P" 320 320 $SALVAR_IMAGEM_LZW
setor "$P"
escolhe "$P" 320 320 $SALVAR_TEXTO
ate_que_avalia 'test "$(wc -l <"$TMP/stderr")" -eq 2' || falha "mensagens: $(cat "$TMP/stderr")"
[ "$(grep -c '^vorlane: ' "$TMP/stderr")" -eq 2 ] || falha "mensagens: $(cat "$TMP/stderr")"
[ ! -s "$TMP/stdout" ] || falha "falhas anunciadas como gravadas: $(cat "$TMP/stdout")"
vivo
echo ok
