# A seeded storm of user events on the viewer: pointer moves in and out of
# the window, clicks and drags anywhere, keys, every menu leaf but "Sair",
# exports into a temporary directory and window resizes down to 1 x 1. The
# viewer must survive, still answer, and every text export must be well formed.
# Replay a run with VORLANE_SEMENTE=<seed printed>; VORLANE_EVENTOS sets the count.
source "$(dirname "$0")/comum.sh"

# A sanitizer build drawing 250 m cells smoothly takes seconds per frame.
ESPERA_MAXIMA=60
SEMENTE=${VORLANE_SEMENTE:-$(date +%s)}
ALVO=${VORLANE_EVENTOS:-5000}
RANDOM=$SEMENTE
echo "semente $SEMENTE"

# Odd seeds open a series of two volumes of three tilts of six moments
# (720 rays, 150 m bins) at a real site, over its map; even ones the sample.
mkdir -p "$TMP/radar"
if [ $((SEMENTE % 2)) -eq 1 ]; then
  for h in 143000 143500; do
    "$GERADOR" --odim "$TMP/radar/BRU050301$h.h5" --semente $((SEMENTE + h)) --elevacoes 3 --nrays 720 --rscale 150 \
      --mais-momentos --hora "$h" --posicao 49.9135,5.5044,592
  done
  abre radar/BRU050301143000.h5 radar/BRU050301143500.h5
else
  cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/radar/"
  abre radar/BRU050301143000.dat
fi
P=$(espera_janela VORLANE)
PA=$(espera_janela Menu)

LARGURA=640 ALTURA=640
eventos=0
read -r X0 Y0 < <(posicao "$P")
# A screen point within 50 px of the window (outside it too).
ponto() {
  local x=$((X0 + RANDOM % (LARGURA + 100) - 50)) y=$((Y0 + RANDOM % (ALTURA + 100) - 50))
  echo $((x < 0 ? 0 : x)) $((y < 0 ? 0 : y))
}

movimentos() { # a burst of pointer moves, inside and outside the window
  local args=() n=$((RANDOM % 20 + 5))
  for _ in $(seq 1 "$n"); do args+=(mousemove $(ponto)); done
  xdotool "${args[@]}"
  eventos=$((eventos + n))
}

clique() { xdotool mousemove $(ponto) click 1; eventos=$((eventos + 2)); }

arrasto() {
  local args=(mousemove $(ponto) mousedown 1) n=$((RANDOM % 8 + 2))
  for _ in $(seq 1 "$n"); do args+=(mousemove $(ponto)); done
  args+=(mouseup 1)
  xdotool "${args[@]}"
  eventos=$((eventos + n + 3))
}

TECLAS=(Escape x x Left Right Up Down Left Right Up Down a X Return F1 space Prior Next Prior p p period comma Home End
  plus minus space)
teclas() {
  local args=() n=$((RANDOM % 6 + 1))
  for _ in $(seq 1 "$n"); do args+=("${TECLAS[RANDOM % ${#TECLAS[@]}]}"); done
  xdotool mousemove $(ponto) key "${args[@]}"
  eventos=$((eventos + n + 1))
}

FOLHAS_PRINCIPAL=(AMPLIAR PERFIL_ANGULAR PERFIL_RADIAL SETOR_CIRCULAR DESLOCAR_BOLACHA VALORES_NUMERICOS VOLTAR
  SALVAR_IMAGEM_LZW SALVAR_IMAGEM_PACKBITS SALVAR_IMAGEM_SEM_COMPRESSAO SALVAR_TEXTO)
FOLHAS_PAINEL=(TEXTO_PRETO_FUNDO_BRANCO TEXTO_BRANCO_FUNDO_PRETO TEXTO_COLORIDO_FUNDO_PRETO TEXTO_COLORIDO_FUNDO_BRANCO
  QUALIDADE_BOA QUALIDADE_RUIM QUALIDADE_PIOR CORES_MAXIMO CORES_32 CORES_5 CORES_BRILHO
  UNIDADE_KILOMETROS UNIDADE_MILHAS LEITURA_250_M LEITURA_500_M LEITURA_1_KM)
[ $((SEMENTE % 2)) -eq 1 ] && FOLHAS_PAINEL+=(PRODUTO_0 PRODUTO_1 PRODUTO_3 MAPA_LINHAS MAPA_CIDADES MAPA_RIOS)
REGIOES=(SETOR_CIRCULAR PERFIL_RADIAL PERFIL_ANGULAR VALORES_NUMERICOS) # the press places the table
# The minimap covers the main window from its column 635 on (rows 0 to 319).
menu() {
  local largura=$((LARGURA < 630 ? LARGURA : 630))
  if [ $((RANDOM % 2)) -eq 0 ] && [ "$LARGURA" -ge 100 ] && [ "$ALTURA" -ge 100 ]; then
    escolhe "$P" $((RANDOM % (largura - 40) + 20)) $((RANDOM % (ALTURA - 40) + 20)) \
      ${!FOLHAS_PRINCIPAL[RANDOM % ${#FOLHAS_PRINCIPAL[@]}]}
  else
    escolhe "$PA" 80 $((RANDOM % 200 + 300)) ${!FOLHAS_PAINEL[RANDOM % ${#FOLHAS_PAINEL[@]}]}
  fi
  eventos=$((eventos + 4))
}

# A region picked and exported as text: a sector, a profile or a table.
exporta() {
  [ "$LARGURA" -ge 200 ] && [ "$ALTURA" -ge 200 ] || return 0
  local x0=$((X0 + RANDOM % (LARGURA - 20) + 10)) y0=$((Y0 + RANDOM % (ALTURA - 20) + 10))
  local x1=$((X0 + RANDOM % (LARGURA - 20) + 10)) y1=$((Y0 + RANDOM % (ALTURA - 20) + 10))
  escolhe "$P" 100 100 ${!REGIOES[RANDOM % ${#REGIOES[@]}]}
  xdotool mousemove "$x0" "$y0" mousedown 1 mousemove "$x1" "$y1" mouseup 1
  escolhe "$P" 100 100 $SALVAR_TEXTO
  eventos=$((eventos + 12))
}

TAMANHOS=("1 1" "2 3" "10 10" "50 30" "30 200" "641 479" "800 600" "600 800" "640 640" "640 640")
redimensiona() {
  local t=(${TAMANHOS[RANDOM % ${#TAMANHOS[@]}]})
  LARGURA=${t[0]} ALTURA=${t[1]}
  xdotool windowsize "$P" "$LARGURA" "$ALTURA"
  eventos=$((eventos + 1))
}

inicio=$SECONDS
while [ "$eventos" -lt "$ALVO" ]; do
  r=$((RANDOM % 100))
  if [ "$r" -lt 40 ]; then movimentos
  elif [ "$r" -lt 55 ]; then clique
  elif [ "$r" -lt 75 ]; then arrasto
  elif [ "$r" -lt 90 ]; then teclas
  elif [ "$r" -lt 94 ]; then menu
  elif [ "$r" -lt 97 ]; then exporta
  else redimensiona
  fi
  vivo
done
echo "eventos $eventos em $((SECONDS - inicio)) s"

# Still answering: a snapshot of a 640 x 640 window is a valid TIFF.
xdotool windowsize "$P" 640 640
LARGURA=640 ALTURA=640
ate_que_avalia '[ "$(xdotool getwindowgeometry "$P" | grep -c "Geometry: 640x640")" = 1 ]' || falha "a janela nao voltou a 640 x 640"
antes=$(ls "$TMP/radar" | grep -c '\.tif$' || true)
mais_um_tiff() { [ "$(ls "$TMP/radar" | grep -c '\.tif$')" -gt "$antes" ]; }
repete_ate escolhe "$P" 320 320 $SALVAR_IMAGEM_LZW -- mais_um_tiff || falha "sem TIFF final"
ultimo=$(ls "$TMP/radar"/*.tif | sort | tail -n 1)
ate_que_avalia 'test "$(identify -format "%w %h" "$ultimo" 2>/dev/null)" = "640 640"' || falha "TIFF final invalido: $ultimo"
vivo
[ ! -s "$TMP/stderr" ] || ! grep -qE 'Sanitizer|runtime error' "$TMP/stderr" || falha "relatorio: $(head -c 2000 "$TMP/stderr")"

# Every text export has the layout of its kind: a blank line, "Raios: a-b",
# "Angulos: c-d", a blank line; then per row a blank line, "#  i  Az: n " and
# one line of items " v " or " --.- " (the first row's blank lines are lines 4-5).
exportacoes=0
for f in "$TMP"/radar/BRU0503011430*.*km* "$TMP"/radar/BRU0503011435*.*km*; do
  [ -f "$f" ] || continue
  exportacoes=$((exportacoes + 1))
  awk -v nome="$f" '
    function erro(o) { print "exportacao mal formada (" o "): " nome; falhou = 1; exit 1 }
    function valores(linha,   itens) {
      itens = 0
      while (match(linha, /^ (--\.-|-?[0-9]+(\.[0-9]+)?(e[-+][0-9]+)?) /)) { itens++; linha = substr(linha, RLENGTH + 1) }
      if (linha != "" || itens != n) erro("valores " NR)
      vistos++
    }
    NR == 1 || NR == 4 { if ($0 != "") erro("linha " NR); next }
    NR == 2 { if ($0 !~ /^Raios: [0-9]+-[0-9]+$/) erro("raios"); split(substr($0, 8), r, "-"); n = r[2] >= r[1] ? r[2] - r[1] + 1 : 0; next }
    NR == 3 { if ($0 !~ /^Angulos: [0-9]+-[0-9]+$/) erro("angulos"); split(substr($0, 10), a, "-"); blocos = (a[2] - a[1] + 360) % 360 + 1; next }
    (NR - 5) % 3 == 0 { if ($0 != "") erro("linha vazia " NR); next }
    (NR - 5) % 3 == 1 { i = (NR - 6) / 3; if ($0 != "#  " i "  Az: " (a[1] + i + 359) % 360 " ") erro("cabecalho " NR); next }
    { valores($0) }
    END { if (!falhou && vistos != blocos) { print "blocos " vistos " de " blocos ": " nome; exit 1 } }
  ' "$f" || falha "exportacao $f"
done
echo "semente $SEMENTE, $eventos eventos, $exportacoes exportacoes de texto: ok"
