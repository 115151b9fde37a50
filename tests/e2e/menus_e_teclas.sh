# Every display setting of the side panel's menu changes the panel or the
# main view (and the default brings it back); "x" steps the colour modes;
# the arrows pan a zoom; "Deslocar Bolacha" re-centres; "Valores Numericos"
# then a click places the table; "Sair" ends with status 0.
source "$(dirname "$0")/comum.sh"

cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/"
abre BRU050301143000.dat
P=$(espera_janela VORLANE)
PA=$(espera_janela Menu)
captura "$P" "$TMP/disco.png"
captura "$PA" "$TMP/painel.png"

# The panel and the main view as at the start (the readout aside), or changed.
inicial() { difere_menos "$PA" "$TMP/p.png" "$TMP/painel.png" 1 && difere_menos "$P" "$TMP/v.png" "$TMP/disco.png" 700; }
mudou() { difere_mais "$PA" "$TMP/p.png" "$TMP/painel.png" 20 && difere_mais "$P" "$TMP/v.png" "$TMP/disco.png" 500; }

# Per panel submenu, the setting the viewer starts with, then others: each one
# changes both the panel's text or legend and the main view; the first restores.
while read -r padrao escolhas; do
  for escolha in $escolhas; do
    repete_ate escolhe "$PA" 80 300 ${!escolha} -- mudou || falha "painel ou vista igual com $escolha"
    repete_ate escolhe "$PA" 80 300 ${!padrao} -- inicial || falha "$padrao nao voltou ao padrao"
  done
done <<'LISTA'
QUALIDADE_RUIM QUALIDADE_BOA QUALIDADE_PIOR
CORES_32 CORES_MAXIMO CORES_5 CORES_BRILHO
UNIDADE_KILOMETROS UNIDADE_MILHAS
LEITURA_1_KM LEITURA_250_M LEITURA_500_M
LISTA
ate_que difere_menos "$PA" "$TMP/p.png" "$TMP/painel.png" 1 || falha "o painel nao voltou ao padrao"
ate_que difere_menos "$P" "$TMP/v.png" "$TMP/disco.png" 700 || falha "a vista nao voltou ao padrao"

# "Fundo e Texto" shows in the numeric table's background.
escolhe "$P" 320 320 $VALORES_NUMERICOS
repete_ate clica "$P" 420 200 -- difere_mais "$P" "$TMP/t.png" "$TMP/disco.png" 50000 || falha "a tabela nao apareceu"
fundo() { captura "$P" "$TMP/t.png"; [ "$(pixel "$TMP/t.png" 600 630)" = "$esperado" ]; }
for cores in TEXTO_PRETO_FUNDO_BRANCO TEXTO_BRANCO_FUNDO_PRETO TEXTO_COLORIDO_FUNDO_PRETO \
  TEXTO_COLORIDO_FUNDO_BRANCO TEXTO_COLORIDO_FUNDO_PRETO; do
  esperado="0 0 0"; [[ $cores == *FUNDO_BRANCO ]] && esperado="255 255 255"
  repete_ate escolhe "$PA" 80 300 ${!cores} -- fundo || falha "fundo da tabela com $cores"
done
# The table was placed at the click: gate 977 - 15 and azimuth 40 - 6.
repete_ate escolhe "$P" 320 320 $SALVAR_TEXTO -- gravou texto BRU050301143000.240km34-47 ||
  falha "tabela do clique: $(ls "$TMP" | tr '\n' ' ')"
grep -q '^Raios: 962-992$' "$TMP/BRU050301143000.240km34-47" || falha "raios da tabela"
# Again: the full view (no redraw until the pointer moves).
disco() { mexe "$P" 300 300; difere_menos "$P" "$TMP/v.png" "$TMP/disco.png" 3000; }
repete_ate escolhe "$P" 320 320 $VALORES_NUMERICOS -- disco || falha "Valores Numericos nao voltou ao disco"

# "x" steps through the colour modes, each press a new panel; four come
# back. An "X" does nothing: the "x" after it gives the one-x panel again.
passo_x() {
  captura "$PA" "$TMP/antes.png"
  repete_ate xdotool mousemove --window "$P" 320 320 key "$@" x -- difere_mais "$PA" "$TMP/p.png" "$TMP/antes.png" 20
}
passo_x || falha "x nao mudou as cores"
cp "$TMP/p.png" "$TMP/um_x.png"
ate_que difere_mais "$PA" "$TMP/p.png" "$TMP/painel.png" 20 || falha "x nao mudou as cores"
for _ in 2 3 4; do passo_x || falha "x nao mudou as cores"; done
ate_que difere_menos "$PA" "$TMP/p.png" "$TMP/painel.png" 1 || falha "quatro x nao voltaram"
passo_x X || falha "X x nao mudou as cores"
ate_que difere_menos "$PA" "$TMP/p.png" "$TMP/um_x.png" 1 || falha "X maiusculo mudou algo"
for _ in 2 3 4; do passo_x || falha "x nao mudou as cores"; done
ate_que difere_menos "$PA" "$TMP/p.png" "$TMP/painel.png" 1 || falha "quatro x nao voltaram"

# Zoom, then the arrows pan; "Deslocar Bolacha" then a click re-centres.
amplia() { escolhe "$P" 320 320 $AMPLIAR; arrasta "$P" 200 200 440 440; }
repete_ate amplia -- difere_mais "$P" "$TMP/zoom.png" "$TMP/disco.png" 20000 || falha "sem ampliacao"
captura "$P" "$TMP/zoom.png"
repete_ate xdotool mousemove --window "$P" 320 320 key Right Right Right Right Up Up Up Up -- \
  difere_mais "$P" "$TMP/pan.png" "$TMP/zoom.png" 2000 || falha "as setas nao deslocaram"
captura "$P" "$TMP/pan.png"
escolhe "$P" 320 320 $DESLOCAR_BOLACHA
recentrado() { mexe "$P" 300 300; difere_mais "$P" "$TMP/centro.png" "$TMP/pan.png" 20000; }
repete_ate clica "$P" 100 100 -- recentrado || falha "Deslocar Bolacha nao recentrou"

# "Sair" ends the program with status 0.
escolhe "$P" 320 320 $SAIR
ate_que_avalia '! kill -0 "$VORLANE_PID" 2>/dev/null' || falha "Sair nao terminou o vorlane"
st=0
wait "$VORLANE_PID" || st=$?
[ "$st" -eq 0 ] || falha "Sair terminou com $st"
echo ok
