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

# Panel menu: submenu index, entry index, default entry of that submenu.
# Each entry but the default changes the main view; the quality, colour,
# unit and reading entries also change the panel's text or legend.
while read -r sub entrada padrao muda_painel; do
  escolhe "$PA" 80 300 "$sub" "$entrada"
  if [ "$entrada" != "$padrao" ]; then
    if [ "$muda_painel" = 1 ]; then
      ate_que difere_mais "$PA" "$TMP/p.png" "$TMP/painel.png" 20 || falha "painel igual com $sub/$entrada"
    fi
    [ "$sub" = 0 ] || ate_que difere_mais "$P" "$TMP/v.png" "$TMP/disco.png" 500 || falha "vista igual com $sub/$entrada"
  fi
  escolhe "$PA" 80 300 "$sub" "$padrao"
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
clica "$P" 420 200
for entrada in 0 1 2 3; do
  escolhe "$PA" 80 300 0 "$entrada"
  esperado="0 0 0"; { [ "$entrada" = 0 ] || [ "$entrada" = 3 ]; } && esperado="255 255 255"
  fundo() { captura "$P" "$TMP/t.png"; [ "$(pixel "$TMP/t.png" 600 630)" = "$esperado" ]; }
  ate_que fundo || falha "fundo da tabela com a entrada $entrada"
done
escolhe "$PA" 80 300 0 2
# The table was placed at the click: gate 977 - 15 and azimuth 40 - 6.
escolhe "$P" 320 320 3 1
ate_que test -s "$TMP/BRU050301143000.240km34-47" || falha "tabela do clique: $(ls "$TMP" | tr '\n' ' ')"
grep -q '^Raios: 962-992$' "$TMP/BRU050301143000.240km34-47" || falha "raios da tabela"
escolhe "$P" 320 320 1 3 # again: the full view

# "x" steps through the colour modes: four presses come back.
xdotool mousemove --window "$P" 320 320 key x
ate_que difere_mais "$PA" "$TMP/p.png" "$TMP/painel.png" 20 || falha "x nao mudou as cores"
xdotool key x x x
ate_que difere_menos "$PA" "$TMP/p.png" "$TMP/painel.png" 1 || falha "quatro x nao voltaram"
xdotool key X
sleep 0.5
ate_que difere_menos "$PA" "$TMP/p.png" "$TMP/painel.png" 1 || falha "X maiusculo mudou algo"

# Zoom, then the arrows pan; "Deslocar Bolacha" then a click re-centres.
escolhe "$P" 320 320 0
arrasta "$P" 200 200 440 440
ate_que difere_mais "$P" "$TMP/zoom.png" "$TMP/disco.png" 20000 || falha "sem ampliacao"
captura "$P" "$TMP/zoom.png"
xdotool mousemove --window "$P" 320 320 key Right Right Right Right Up Up Up Up
ate_que difere_mais "$P" "$TMP/pan.png" "$TMP/zoom.png" 2000 || falha "as setas nao deslocaram"
captura "$P" "$TMP/pan.png"
escolhe "$P" 320 320 1 2
clica "$P" 100 100
xdotool mousemove --window "$P" 300 300
ate_que difere_mais "$P" "$TMP/centro.png" "$TMP/pan.png" 20000 || falha "Deslocar Bolacha nao recentrou"

# "Sair" ends the program with status 0.
escolhe "$P" 320 320 4
for _ in $(seq 1 50); do kill -0 "$VORLANE_PID" 2>/dev/null || break; sleep 0.1; done
set +e
wait "$VORLANE_PID"
st=$?
set -e
[ "$st" -eq 0 ] || falha "Sair terminou com $st"
echo ok
