# "Ampliar" then a drag zooms; the minimap marks the square; "Voltar" and a
# left click toggle between the full view and the zoom; Esc goes back.
source "$(dirname "$0")/comum.sh"

cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/"
abre BRU050301143000.dat
P=$(espera_janela VORLANE)
M=$(espera_janela " Minimap")
captura "$P" "$TMP/disco.png"
captura "$M" "$TMP/mini0.png"

amplia() { escolhe "$P" 320 320 $AMPLIAR; arrasta "$P" 240 240 400 400; } # a square around the radar
repete_ate amplia -- difere_mais "$P" "$TMP/zoom.png" "$TMP/disco.png" 20000 || falha "a ampliacao nao mudou a vista"
# Magenta (0.93, 0.15, 0.93) marks the zoomed square on the minimap.
magenta() {
  captura "$M" "$TMP/mini1.png"
  local n
  n=$(convert "$TMP/mini1.png" -fill black +opaque 'rgb(237,38,237)' -format '%[fx:mean*w*h]' info: | cut -d. -f1)
  [ "${n:-0}" -gt 50 ]
}
ate_que magenta || falha "o minimapa nao marcou o quadrado"

# "Voltar" requests no redraw: the next pointer movement shows its effect.
disco() { mexe "$P" 300 300; difere_menos "$P" "$TMP/voltar.png" "$TMP/disco.png" 3000; }
repete_ate escolhe "$P" 320 320 $VOLTAR -- disco || falha "Voltar nao mostrou o disco"
# A left click in the full view comes back.
repete_ate clica "$P" 320 320 -- difere_menos "$P" "$TMP/de_novo.png" "$TMP/zoom.png" 3000 ||
  falha "o clique nao voltou a ampliacao"
repete_ate xdotool key Escape -- difere_menos "$P" "$TMP/esc.png" "$TMP/disco.png" 3000 || falha "Esc nao voltou ao disco"
vivo
echo ok
