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
  echo "FALHA: a janela '$1' nao apareceu" >&2
  return 1
}

# Screenshot of a window into a PNG, once the window has drawn its first
# frame (a window not yet drawn reads back black).
captura() {
  for _ in $(seq 1 50); do
    import -window "$1" "$2"
    [ "$(convert "$2" -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)" != "0" ] && return 0
    sleep 0.1
  done
}

# "r g b" of the pixel (x, y) of a PNG.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Absolute screen position of a window's top-left corner: "x y".
posicao() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# The most recently opened (rightmost) visible pop-up menu: "id x y".
menu_aberto() {
  local melhor="" mx=-1 p
  for m in $(xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null); do
    p=($(posicao "$m"))
    if [ "${p[0]}" -gt "$mx" ]; then mx=${p[0]}; melhor="$m ${p[0]} ${p[1]}"; fi
  done
  echo "$melhor"
}

# Opens the right-button menu of window $1 at its point ($2, $3) and follows
# the entry indices that remain: every index but the last opens a submenu
# (entries are 26 px apart; a submenu opens level with its entry).
sem_menus() {
  for _ in $(seq 1 $((${ESPERA_MAXIMA:-10} * 20))); do
    [ -z "$(xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null)" ] && return 0
    sleep 0.05
  done
  falha "um menu ficou aberto"
}

escolhe() {
  local janela=$1 x=$2 y=$3; shift 3
  sem_menus
  xdotool mousemove --window "$janela" "$x" "$y" click 3
  local m=""
  for _ in $(seq 1 $((${ESPERA_MAXIMA:-10} * 10))); do m=$(menu_aberto); [ -n "$m" ] && break; sleep 0.1; done
  [ -n "$m" ] || falha "o menu nao abriu"
  [ -n "${VORLANE_E2E_DEPURA:-}" ] && echo "menu em $m para $*" >&2
  local dados=($m) n=$#
  local mx=${dados[1]} my=${dados[2]} i=0
  for indice in "$@"; do
    i=$((i + 1))
    local ex=$((mx + 25)) ey=$((my + 13 + 26 * indice))
    if [ "$i" -lt "$n" ]; then
      xdotool mousemove "$ex" "$ey"
      local novo="" tentativa=0
      for _ in $(seq 1 $((${ESPERA_MAXIMA:-10} * 10))); do
        novo=$(menu_aberto)
        [ "${novo#* }" != "$mx $my" ] && [ -n "$novo" ] && break
        novo=""
        # A busy viewer may miss the hover: move over the entry again.
        tentativa=$((tentativa + 1))
        [ $((tentativa % 10)) -eq 0 ] && xdotool mousemove "$ex" $((ey + 2)) mousemove "$ex" "$ey"
        sleep 0.1
      done
      [ -n "$novo" ] || falha "o submenu nao abriu"
      dados=($novo); mx=${dados[1]}; my=${dados[2]}
      [ -n "${VORLANE_E2E_DEPURA:-}" ] && echo "  submenu em $novo" >&2
    else
      # Give the menu time to highlight the entry before the click.
      xdotool mousemove "$ex" "$ey"
      sleep 0.5
      xdotool click 1
    fi
  done
  sem_menus
  sleep 0.3
}

# Left drag in window $1 from ($2, $3) to ($4, $5), in steps, as a hand would.
arrasta() {
  local janela=$1 x0=$2 y0=$3 x1=$4 y1=$5
  xdotool mousemove --window "$janela" "$x0" "$y0" mousedown 1
  for k in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --window "$janela" $((x0 + (x1 - x0) * k / 8)) $((y0 + (y1 - y0) * k / 8))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.5
}

clica() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }

# Retries a condition for up to ESPERA_MAXIMA seconds (10): the viewer redraws three windows for
# every event, so under a software renderer it may lag behind the events.
ate_que() {
  for _ in $(seq 1 $((${ESPERA_MAXIMA:-10} * 5))); do "$@" && return 0; sleep 0.2; done
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

# Keeps going only while the viewer runs.
vivo() { kill -0 "$VORLANE_PID" 2>/dev/null || falha "o vorlane terminou: $(cat "$TMP/stderr")"; }
