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
mudou() {
  { [ "$muda_painel" = 0 ] || difere_mais "$PA" "$TMP/p.png" "$TMP/painel.png" 20; } &&
    { [ "$sub" = 0 ] || difere_mais "$P" "$TMP/v.png" "$TMP/disco.png" 500; }
}

# Panel menu: submenu index, entry index, default entry of that submenu.
# Each entry but the default changes the main view; the quality, colour,
# unit and reading entries also change the panel's text or legend.
while read -r sub entrada padrao muda_painel; do
  if [ "$entrada" != "$padrao" ]; then
    repete_ate escolhe "$PA" 80 300 "$sub" "$entrada" -- mudou || falha "painel ou vista igual com $sub/$entrada"
  fi
  repete_ate escolhe "$PA" 80 300 "$sub" "$padrao" -- inicial || falha "$sub/$padrao nao voltou ao padrao"
done <<'LISTA'
1 0 1 1
1 2 1 1
2 0 1 1
2 2 1 1
2 3 1 1
3 1 0 1
4 0 2 1
4 1 2 1
LISTA
ate_que difere_menos "$PA" "$TMP/p.png" "$TMP/painel.png" 1 || falha "o painel nao voltou ao padrao"
ate_que difere_menos "$P" "$TMP/v.png" "$TMP/disco.png" 700 || falha "a vista nao voltou ao padrao"

# "Fundo e Texto" shows in the numeric table: white background for entries 1 and 4.
escolhe "$P" 320 320 1 3
repete_ate clica "$P" 420 200 -- difere_mais "$P" "$TMP/t.png" "$TMP/disco.png" 50000 || falha "a tabela nao apareceu"
for entrada in 0 1 2 3 2; do
  esperado="0 0 0"; { [ "$entrada" = 0 ] || [ "$entrada" = 3 ]; } && esperado="255 255 255"
  fundo() { captura "$P" "$TMP/t.png"; [ "$(pixel "$TMP/t.png" 600 630)" = "$esperado" ]; }
  repete_ate escolhe "$PA" 80 300 0 "$entrada" -- fundo || falha "fundo da tabela com a entrada $entrada"
done
# The table was placed at the click: gate 977 - 15 and azimuth 40 - 6.
repete_ate escolhe "$P" 320 320 3 1 -- gravou texto BRU050301143000.240km34-47 ||
  falha "tabela do clique: $(ls "$TMP" | tr '\n' ' ')"
grep -q '^Raios: 962-992$' "$TMP/BRU050301143000.240km34-47" || falha "raios da tabela"
# Again: the full view (no redraw until the pointer moves).
disco() { mexe "$P" 300 300; difere_menos "$P" "$TMP/v.png" "$TMP/disco.png" 3000; }
repete_ate escolhe "$P" 320 320 1 3 -- disco || falha "Valores Numericos nao voltou ao disco"

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
amplia() { escolhe "$P" 320 320 0; arrasta "$P" 200 200 440 440; }
repete_ate amplia -- difere_mais "$P" "$TMP/zoom.png" "$TMP/disco.png" 20000 || falha "sem ampliacao"
captura "$P" "$TMP/zoom.png"
repete_ate xdotool mousemove --window "$P" 320 320 key Right Right Right Right Up Up Up Up -- \
  difere_mais "$P" "$TMP/pan.png" "$TMP/zoom.png" 2000 || falha "as setas nao deslocaram"
captura "$P" "$TMP/pan.png"
escolhe "$P" 320 320 1 2
recentrado() { mexe "$P" 300 300; difere_mais "$P" "$TMP/centro.png" "$TMP/pan.png" 20000; }
repete_ate clica "$P" 100 100 -- recentrado || falha "Deslocar Bolacha nao recentrou"

# "Sair" ends the program with status 0.
escolhe "$P" 320 320 4
ate_que_avalia '! kill -0 "$VORLANE_PID" 2>/dev/null' || falha "Sair nao terminou o vorlane"
set +e
wait "$VORLANE_PID"
st=$?
set -e
[ "$st" -eq 0 ] || falha "Sair terminou com $st"
echo ok
