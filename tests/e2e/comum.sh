# Shared helpers of the end-to-end tests. Arguments of every test script:
#   $1 the vorlane binary, $2 the source tree, $3 the scan generator.
set -euo pipefail
VORLANE=$1
FONTE=$2
GERADOR=${3:-}
TMP=$(mktemp -d /tmp/vorlane-e2e.XXXXXX)
PIDS=()

# VORLANE_E2E_GUARDA=dir keeps the screenshots and files of a run for a look.
limpa() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  if [ -n "${VORLANE_E2E_GUARDA:-}" ]; then mkdir -p "$VORLANE_E2E_GUARDA" && cp -r "$TMP"/. "$VORLANE_E2E_GUARDA"/; fi
  rm -rf "$TMP"
}
trap limpa EXIT

falha() { echo "FALHA: $*" >&2; exit 1; }

# Starts the viewer in the background with the given arguments (from $TMP).
abre() {
  (cd "$TMP" && exec "$VORLANE" "$@") >"$TMP/stdout" 2>"$TMP/stderr" &
  PIDS+=($!)
  VORLANE_PID=$!
}

# Waits for a visible window whose title is exactly $1 and prints its id.
espera_janela() {
  local id
  for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  echo "FALHA: a janela '$1' nao apareceu; stderr: $(head -c 300 "$TMP/stderr" 2>/dev/null)" >&2
  return 1
}

# Screenshot of a window into a PNG, once the window has drawn its first
# frame (a window not yet drawn reads back black).
captura() { ate_que capturou "$1" "$2" || true; }
capturou() { importa "$1" "$2" && [ "$(convert "$2" -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)" != "0" ]; }

# import -window $1 with the other arguments, bounded: an import started as
# a window maps has waited for an event that never came.
importa() { local id=$1; shift; timeout 5 import -window "$id" "$@"; }

# "r g b" of the pixel (x, y) of a PNG.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Absolute screen position of a window's top-left corner: "x y".
posicao() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# Every action below waits for the effect it causes, and callers wait for
# the effect of their steps (ate_que, repete_ate): under a software renderer
# on a busy machine the viewer may handle events seconds late, and an action
# taken before it caught up (a click before a menu highlights its entry) is
# lost. Waits are bounded by ESPERA_MAXIMA seconds (10).

# The visible pop-up menus, one id a line.
menus_visiveis() { xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null || true; }
nenhum_menu() { [ -z "$(menus_visiveis)" ]; }

# True when menu window $1 draws its entry $2 highlighted: freeglut paints the
# row under the pointer white, the others grey (178), and the entry text
# starts 4 px in, so the 2 px before it tell. Entries are 26 px apart.
destacada() {
  [ "$(importa "$1" -crop 2x19+2+$((26 * $2 + 4)) +repage -format '%[fx:minima.r]' info: 2>/dev/null)" = 1 ]
}
nao_destacada() { ! destacada "$@"; }

# The single open menu, once its entry $1 is not drawn highlighted (a menu
# reopened where it was may show its last picture until it redraws). Sets MENU.
menu_fresco() {
  local ms
  ms=($(menus_visiveis))
  [ "${#ms[@]}" -eq 1 ] && nao_destacada "${ms[0]}" "$1" && MENU=${ms[0]}
}

# A visible menu that is not in the list $1 (a submenu just opened). Sets MENU.
menu_novo() {
  local id
  for id in $(menus_visiveis); do
    case " $1 " in *" $id "*) ;; *) MENU=$id; return 0 ;; esac
  done
  return 1
}

# Puts the pointer on ($2, $3) and waits for the rest of the arguments to
# hold, moving off and back every second (a busy viewer may miss a hover).
# False when menu $1 closes meanwhile or after ESPERA_MAXIMA seconds.
paira_ate() {
  local m=$1 ex=$2 ey=$3; shift 3
  local fim=$((SECONDS + ${ESPERA_MAXIMA:-10})) volta=$((SECONDS + 1))
  xdotool mousemove "$ex" "$ey"
  until "$@"; do
    [[ $'\n'"$(menus_visiveis)"$'\n' == *$'\n'"$m"$'\n'* ]] || return 1
    [ "$SECONDS" -lt "$fim" ] || return 1
    if [ "$SECONDS" -ge "$volta" ]; then
      xdotool mousemove "$ex" $((ey + 2)) mousemove "$ex" "$ey"
      volta=$((SECONDS + 1))
    fi
    sleep 0.05
  done
}

# One try of escolhe; false when a menu did not open or closed too early, a
# submenu did not open, the entry never highlighted or the menus stayed open.
tenta_escolher() {
  local janela=$1 x=$2 y=$3; shift 3
  local indices=("$@") k m p ex ey antes
  # Menus a failed try left open close with a press on the first one's
  # corner, where it opened, once the pointer has left the entries of all
  # (freeglut takes an entry still marked under the pointer instead).
  if ! ate_que nenhum_menu; then
    for m in $(menus_visiveis); do xdotool mousemove $(posicao "$m"); done
    xdotool mousemove --window "$janela" "$x" "$y" click 3
    ate_que nenhum_menu || return 1
  fi
  xdotool mousemove --window "$janela" "$x" "$y" click 3
  ate_que menu_fresco "${indices[0]}" || return 1
  for k in "${!indices[@]}"; do
    p=($(posicao "$MENU"))
    [ -n "${VORLANE_E2E_DEPURA:-}" ] && echo "menu $MENU em ${p[*]}, entrada ${indices[k]}" >&2
    ex=$((p[0] + 25)) ey=$((p[1] + 13 + 26 * indices[k]))
    if [ "$k" -lt $((${#indices[@]} - 1)) ]; then
      antes=$(menus_visiveis | tr '\n' ' ')
      paira_ate "$MENU" "$ex" "$ey" menu_novo "$antes" || return 1
      # Not yet entered, the submenu highlights nothing once it has drawn.
      ate_que nao_destacada "$MENU" "${indices[k + 1]}" || return 1
    else
      paira_ate "$MENU" "$ex" "$ey" destacada "$MENU" "${indices[k]}" || return 1
      xdotool click 1
      ate_que nenhum_menu || return 1
    fi
  done
}

# Opens the right-button menu of window $1 at its point ($2, $3) and follows
# the entry indices that remain: every index but the last opens a submenu
# (a submenu opens level with its entry). The last entry is clicked once it
# is drawn highlighted, and the menus must close; a try that goes wrong is
# done again from a fresh menu, three times at most.
escolhe() {
  local tentativa
  for tentativa in 1 2 3; do
    tenta_escolher "$@" && return 0
    echo "menu $*: tentativa $tentativa sem efeito" >&2
  done
  falha "o menu $* nao foi escolhido"
}

# Paths for escolhe; they mirror the menu tables in src/janelas/menus.cpp (main window, then panel).
readonly AMPLIAR="0" VOLTAR="2" SAIR="4"
readonly PERFIL_ANGULAR="1 0 0" PERFIL_RADIAL="1 0 1" SETOR_CIRCULAR="1 1" DESLOCAR_BOLACHA="1 2" VALORES_NUMERICOS="1 3"
readonly SALVAR_IMAGEM_LZW="3 0 0" SALVAR_IMAGEM_PACKBITS="3 0 1" SALVAR_IMAGEM_SEM_COMPRESSAO="3 0 2" SALVAR_IMAGEM_PNG="3 0 3"
readonly SALVAR_TEXTO="3 1"
readonly TEXTO_PRETO_FUNDO_BRANCO="0 0" TEXTO_BRANCO_FUNDO_PRETO="0 1"
readonly TEXTO_COLORIDO_FUNDO_PRETO="0 2" TEXTO_COLORIDO_FUNDO_BRANCO="0 3"
readonly QUALIDADE_BOA="1 0" QUALIDADE_RUIM="1 1" QUALIDADE_PIOR="1 2"
readonly CORES_MAXIMO="2 0" CORES_32="2 1" CORES_5="2 2" CORES_BRILHO="2 3"
readonly UNIDADE_KILOMETROS="3 0" UNIDADE_MILHAS="3 1" LEITURA_250_M="4 0" LEITURA_500_M="4 1" LEITURA_1_KM="4 2"
# "Produto" (volumes only): the shown sweep's moments in the file's order.
readonly PRODUTO_0="5 0" PRODUTO_1="5 1" PRODUTO_3="5 3"
# "Mapa" (volumes, after "Produto"): the layers.
readonly MAPA_LINHAS="6 0" MAPA_CIDADES="6 1" MAPA_RIOS="6 2"

# Left drag in window $1 from ($2, $3) to ($4, $5), in steps with the button
# down, as a hand would. Its effect is the caller's to wait for.
arrasta() {
  local janela=$1 x0=$2 y0=$3 x1=$4 y1=$5 k
  xdotool mousemove --window "$janela" "$x0" "$y0" mousedown 1
  for k in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --window "$janela" $((x0 + (x1 - x0) * k / 8)) $((y0 + (y1 - y0) * k / 8))
    sleep 0.05
  done
  xdotool mouseup 1
}

clica() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Moves the pointer to ($2, $3) of window $1 through a neighbouring pixel: the
# window gets a motion event, and redraws, even if the pointer was there
# (steps that request no redraw show on the next movement).
mexe() { xdotool mousemove --window "$1" $(($2 + 1)) $(($3 + 1)) mousemove --window "$1" "$2" "$3"; }

# Retries a condition for up to ESPERA_MAXIMA seconds (10): the viewer redraws three windows for
# every event, so under a software renderer it may lag behind the events.
ate_que() {
  local fim=$((SECONDS + ${ESPERA_MAXIMA:-10}))
  until "$@"; do
    [ "$SECONDS" -lt "$fim" ] || return 1
    sleep 0.1
  done
}

# Does an action until its effect shows: repete_ate ACTION... -- CONDITION...
# The condition gets ESPERA_MAXIMA seconds after each of three tries at most,
# so a late effect still counts and only a lost action is done again.
repete_ate() {
  local acao=() tentativa
  while [ "${1:?repete_ate: falta --}" != -- ]; do acao+=("$1"); shift; done
  shift
  for tentativa in 1 2 3; do
    "${acao[@]}"
    ate_que "$@" && return 0
    echo "${acao[*]}: tentativa $tentativa sem efeito" >&2
  done
  return 1
}

# As ate_que, for a condition written as one shell string: its command
# substitutions run afresh on every try (ate_que test "$(...)" would not).
ate_que_avalia() { ate_que eval "$1"; }

# True when no window titled exactly $1 is visible (a killed viewer's window
# may outlive its process for a moment): ate_que sem_janela VORLANE.
sem_janela() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }

# Captures window $1 into $2 until it differs from image $3 by more than $4
# pixels (mais) or by fewer (menos).
difere_mais() { captura "$1" "$2"; [ "$(diferenca "$3" "$2")" -gt "$4" ]; }
difere_menos() { captura "$1" "$2"; [ "$(diferenca "$3" "$2")" -lt "$4" ]; }

# Number of pixels that differ between two images.
diferenca() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }

# Chooses "Setor Circular" in window $1 and drags from (420, 200) to
# (500, 300), again until the sector fills the view.
setor() {
  captura "$1" "$TMP/disco.png"
  repete_ate arrasta_setor "$1" -- difere_mais "$1" "$TMP/setor.png" "$TMP/disco.png" 50000 || falha "o setor nao encheu a janela"
}
arrasta_setor() { escolhe "$1" 320 320 $SETOR_CIRCULAR; arrasta "$1" 420 200 500 300; }

# True once stdout has the line of a file written: $1 imagem/texto, $2 its
# name as the viewer gives it (the viewer writes the line after the file).
gravou() {
  case $1 in imagem) grep -qxF "vorlane: imagem gravada em '$2'" "$TMP/stdout" ;;
             texto) grep -qxF "vorlane: texto gravado em '$2'" "$TMP/stdout" ;; esac
}

# Keeps going only while the viewer runs.
vivo() { kill -0 "$VORLANE_PID" 2>/dev/null || falha "o vorlane terminou: $(cat "$TMP/stderr")"; }
