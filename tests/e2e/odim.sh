# An ODIM_H5 volume opens directly: an echo measured at azimuth 63 from 101
# to 103 km is drawn there, also in a zoom as the tilts change, the table
# placed on it exports its value, and snapshots are named after the file.
# Its other moments come with `p` and the "Produto" menu: -27 m/s at
# azimuth 243 is a velocity (green), not the reflectivity's "no echo".
source "$(dirname "$0")/comum.sh"

eco=()
for k in $(seq 0 20); do eco+=(--eco "63.1,$((101 + k / 10)).$((k % 10)),50" --eco "243.1,$((101 + k / 10)).$((k % 10)),-27"); done
"$GERADOR" --odim "$TMP/radar.h5" --elevacoes 2 --nrays 720 --rscale 125 --mais-momentos "${eco[@]}"
abre radar.h5
P=$(espera_janela VORLANE)

# 102 km at azimuth 63 (27 degrees from east) in the 640 x 640 full view;
# 50 dBZ is the 32-colour palette's (255, 31, 0).
read -r x y < <(awk 'BEGIN { a = 27 * atan2(0, -1) / 180; r = 102 / 500
  printf "%d %d\n", (r * cos(a) + 1) * 320, (1 - r * sin(a)) * 320 }')
no_eco() { captura "$P" "$TMP/disco.png"; [ "$(pixel "$TMP/disco.png" "$x" "$y")" = "255 31 0" ]; }
ate_que no_eco || falha "o eco nao esta em $x,$y: $(pixel "$TMP/disco.png" "$x" "$y")"

# A zoom on the echo stays where it is across tilts: Page Up shows the
# higher sweep's 60 dBZ (212, 0, 170) there, Page Down the 50 dBZ again.
amplia() { escolhe "$P" 320 320 $AMPLIAR; arrasta "$P" $((x - 60)) $((y - 60)) $((x + 60)) $((y + 60)); }
repete_ate amplia -- difere_mais "$P" "$TMP/zoom.png" "$TMP/disco.png" 2000 || falha "sem ampliacao"
cor_no_centro() { captura "$P" "$TMP/z.png"; [ "$(pixel "$TMP/z.png" 320 320)" = "$1" ]; }
ate_que cor_no_centro "255 31 0" || falha "o eco nao esta no centro da ampliacao"
repete_ate xdotool mousemove --window "$P" 300 300 key Prior -- cor_no_centro "212 0 170" ||
  falha "Page Up nao mostrou a elevacao de cima: $(pixel "$TMP/z.png" 320 320)"
difere_menos "$P" "$TMP/z2.png" "$TMP/zoom.png" 2000 || falha "a ampliacao nao ficou onde estava"
repete_ate xdotool mousemove --window "$P" 300 300 key Next -- cor_no_centro "255 31 0" || falha "Page Down"
repete_ate xdotool mousemove --window "$P" 300 300 key Escape -- no_eco || falha "Esc nao voltou ao disco"

# Page Up with a menu open (the "Produto" entries change with the tilt):
# the viewer lives on and the menu is refilled once closed.
xdotool mousemove --window "$P" 320 320 click 3
ate_que_avalia '[ -n "$(menus_visiveis)" ]' || falha "o menu nao abriu"
xdotool key Prior
xdotool mousemove --window "$P" 600 600 click 1
ate_que nenhum_menu || falha "o menu nao fechou"
vivo
repete_ate xdotool mousemove --window "$P" 300 300 key Next -- no_eco || falha "Page Down depois do menu"

# `p`: VRADH, where -27 is an inbound velocity (32-colour green, about 107);
# five more presses wrap round the six moments back to DBZH; the menu's
# second entry is VRADH again.
read -r x2 y2 < <(awk 'BEGIN { a = -153 * atan2(0, -1) / 180; r = 102 / 500
  printf "%d %d\n", (r * cos(a) + 1) * 320, (1 - r * sin(a)) * 320 }')
verde() { captura "$P" "$TMP/v.png"; pixel "$TMP/v.png" "$x2" "$y2" | awk '{ exit !($1 == 0 && $3 == 0 && $2 > 95 && $2 < 120) }'; }
cinza() { captura "$P" "$TMP/v.png"; [ "$(pixel "$TMP/v.png" "$x2" "$y2")" = "153 153 153" ]; }
ate_que cinza || falha "-27 dBZ nao e cinza: $(pixel "$TMP/v.png" "$x2" "$y2")"
repete_ate xdotool mousemove --window "$P" 300 300 key p -- verde || falha "p nao mostrou a velocidade: $(pixel "$TMP/v.png" "$x2" "$y2")"
xdotool mousemove --window "$P" 300 300 key p p p p p
ate_que no_eco && ate_que cinza || falha "cinco vezes p nao voltou a DBZH"
PA=$(espera_janela Menu)
repete_ate escolhe "$PA" 80 400 $PRODUTO_1 -- verde || falha "o menu Produto nao mostrou VRADH"

# "Valores Numericos", a click on the echo, "Como Texto": the table holds it.
escolhe "$P" 320 320 $VALORES_NUMERICOS
repete_ate clica "$P" "$x" "$y" -- difere_mais "$P" "$TMP/tabela.png" "$TMP/disco.png" 5000 || falha "sem tabela"
repete_ate escolhe "$P" 320 320 $SALVAR_TEXTO -- grep -q "texto gravado em 'radar\." "$TMP/stdout" || falha "sem texto"
exportado=$TMP/$(sed -n "s/^vorlane: texto gravado em '\(radar\.[^']*\)'$/\1/p" "$TMP/stdout")
grep -q " 50 " "$exportado" || falha "o texto nao tem o eco: $(head -c 300 "$exportado")"

repete_ate escolhe "$P" 320 320 $SALVAR_IMAGEM_SEM_COMPRESSAO -- gravou imagem radar.h5-0000.tif ||
  falha "sem imagem: $(cat "$TMP/stdout")"
[ "$(identify -format '%w %h' "$TMP/radar.h5-0000.tif")" = "640 640" ] || falha "imagem"
[ ! -s "$TMP/stderr" ] || falha "stderr: $(cat "$TMP/stderr")"
echo ok
