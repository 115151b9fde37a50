# Shared helpers of the end-to-end tests. Arguments of every test script:
#   $1 the vorlane binary, $2 the source tree, $3 the scan generator.
set -euo pipefail
VORLANE=$1
FONTE=$2
GERADOR=${3:-}
TMP=$(mktemp -d /tmp/vorlane-e2e.XXXXXX)
PIDS=()

limpa() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
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
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  falha "a janela '$1' nao apareceu"
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
