# A sector, a radial and an angular profile and a numeric table chosen with
# the mouse, each checked through its own text export ("Salvar" > "Como
# Texto"), whose name and header give the region exactly. Expected regions
# come from the pixel positions (640 x 640 window):
#   (420, 200): gate 977.9, polar angle 50.4, azimuth 40
#   (500, 300): gate 1137.0, polar angle 6.7, azimuth 84
#   (420, 150): gate 1234.0, azimuth 31
source "$(dirname "$0")/comum.sh"

cp "$FONTE/exemplos/BRU050301143000.dat" "$TMP/"
abre BRU050301143000.dat
P=$(espera_janela VORLANE)
captura "$P" "$TMP/disco.png"

# Exports the region shown as text, again until the viewer names the file
# BRU050301143000.$1 (keys before it may take effect late).
exporta() { repete_ate escolhe "$P" 320 320 $SALVAR_TEXTO -- gravou texto "BRU050301143000.$1"; }
exportado() { # the header of the export named $1, once it is written
  exporta "$1" || { echo "sem exportacao $1: $(cat "$TMP/stdout")"; return; }
  sed -n '2,3p' "$TMP/BRU050301143000.$1" | tr '\n' ' '
}
blocos() { grep -c '^#  ' "$TMP/BRU050301143000.$1"; }
# Shows the full disc again (a step that requests no redraw).
disco() { mexe "$P" 300 300; difere_menos "$P" "$TMP/d.png" "$TMP/disco.png" 3000; }
grafico() { mexe "$P" 100 300; captura "$P" "$TMP/grafico.png"; [ "$(pixel "$TMP/grafico.png" 600 20)" = "0 0 0" ]; }

# Nothing to export in the full view; seen once the next step has shown.
escolhe "$P" 320 320 $SALVAR_TEXTO

# Sector: gates 973..1132 (corner gate - 4), polar 6..50 = azimuth rows 40..84.
setor "$P"
[ "$(ls "$TMP" | grep -c 'km')" -eq 0 ] || falha "Como Texto exportou no disco inteiro"
[ "$(exportado 243km40-84)" = "Raios: 973-1132 Angulos: 40-84 " ] || falha "setor: $(exportado 243km40-84)"
[ "$(blocos 243km40-84)" -eq 45 ] || falha "setor: blocos"

# "Voltar" shows the full disc, where view points are scan points.
repete_ate escolhe "$P" 320 320 $VOLTAR -- disco || falha "Voltar nao mostrou o disco"
# Radial profile dragged along azimuths 40 -> 31: the ordered arc starts at 31.
radial() { escolhe "$P" 320 320 $PERFIL_RADIAL; arrasta "$P" 420 200 420 150; }
repete_ate radial -- grafico || falha "o grafico nao tem fundo preto"
xdotool mousemove --window "$P" 500 300
ate_que difere_mais "$P" "$TMP/radial2.png" "$TMP/grafico.png" 0 || falha "a leitura nao seguiu o ponteiro"
[ "$(exportado 244km31-31)" = "Raios: 977-1234 Angulos: 31-31 " ] || falha "radial: $(exportado 244km31-31)"

# The table opens at the graph sample under the pointer (x 320: gate 1106).
captura "$P" "$TMP/radial3.png"
repete_ate escolhe "$P" 320 320 $VALORES_NUMERICOS -- difere_mais "$P" "$TMP/tabela.png" "$TMP/radial3.png" 5000 ||
  falha "a tabela nao apareceu"
[ "$(exportado 272km31-44)" = "Raios: 1091-1121 Angulos: 31-44 " ] || falha "tabela: $(exportado 272km31-44)"
[ "$(blocos 272km31-44)" -eq 14 ] || falha "tabela: blocos"
# Down moves the rows one gate farther, Right turns the columns.
xdotool mousemove --window "$P" 320 320 key Down Right
[ "$(exportado 273km32-45)" = "Raios: 1092-1122 Angulos: 32-45 " ] || falha "tabela movida: $(exportado 273km32-45)"

# "Valores Numericos" again goes to the full view; then the angular profile:
# the arc from azimuth 40 to 84 at the press gate 977.
repete_ate escolhe "$P" 320 320 $VALORES_NUMERICOS -- disco || falha "Valores Numericos nao voltou ao disco"
angular() { escolhe "$P" 320 320 $PERFIL_ANGULAR; arrasta "$P" 420 200 500 300; }
repete_ate angular -- grafico || falha "sem grafico angular"
[ "$(exportado 244km40-84)" = "Raios: 977-977 Angulos: 40-84 " ] || falha "angular: $(exportado 244km40-84)"
[ "$(blocos 244km40-84)" -eq 45 ] || falha "angular: blocos"
# In the angular graph Up moves the arc one gate out and Left turns it back a degree.
xdotool mousemove --window "$P" 320 320 key Up Left
[ "$(exportado 244km39-83)" = "Raios: 978-978 Angulos: 39-83 " ] || falha "angular movido: $(exportado 244km39-83)"

# A sector through the radar from polar angle 180 (224, 319: gate 598) to 0
# (480, 319: gate 1005): the southern half it outlines is the half shown and
# exported, azimuth rows 90 to 270.
captura "$P" "$TMP/antes_do_meio.png"
meio() { escolhe "$P" 320 320 $SETOR_CIRCULAR; arrasta "$P" 224 319 480 319; }
repete_ate meio -- difere_mais "$P" "$TMP/meio.png" "$TMP/antes_do_meio.png" 50000 || falha "o meio disco nao apareceu"
[ "$(exportado 148km90-270)" = "Raios: 594-1001 Angulos: 90-270 " ] || falha "meio disco: $(exportado 148km90-270)"
[ "$(blocos 148km90-270)" -eq 181 ] || falha "meio disco: blocos"
vivo
echo ok
