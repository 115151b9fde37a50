#!/usr/bin/env bash
# Private X server for the GL and end-to-end tests.
#   xvfb.sh inicia DIR       start Xvfb on a free display, remember it in DIR
#   xvfb.sh termina DIR      stop it
#   xvfb.sh executa DIR CMD  run CMD with DISPLAY set to that server
set -euo pipefail
acao=${1:?uso: xvfb.sh inicia|termina|executa DIR [comando...]}
dir=${2:?falta o diretorio}
shift 2

case "$acao" in
inicia)
  mkdir -p "$dir"
  if [ -f "$dir/pid" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
    kill "$(cat "$dir/pid")" 2>/dev/null || true
  fi
  rm -f "$dir/display" "$dir/pid"
  # -displayfd makes Xvfb choose a free display number and write it to the fd.
  # -noreset: by default the server resets whenever its last client leaves,
  # and drops the connections that arrive meanwhile (a viewer started just
  # after another ended could not open the display).
  exec 3>"$dir/display"
  setsid Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp \
    </dev/null >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/pid"
  exec 3>&-
  for _ in $(seq 1 100); do
    if [ -s "$dir/display" ]; then
      echo "Xvfb em :$(tr -d '\n' <"$dir/display")"
      exit 0
    fi
    sleep 0.1
  done
  echo "vorlane-testes: o Xvfb nao iniciou (veja $dir/xvfb.log)" >&2
  exit 1
  ;;
termina)
  if [ -f "$dir/pid" ]; then
    kill "$(cat "$dir/pid")" 2>/dev/null || true
    rm -f "$dir/pid" "$dir/display"
  fi
  ;;
executa)
  if [ ! -s "$dir/display" ]; then
    echo "vorlane-testes: nenhum Xvfb ativo em $dir" >&2
    exit 1
  fi
  export DISPLAY=":$(tr -d '\n' <"$dir/display")"
  # The server never resets: the windows of the command before live until its
  # viewer has gone, and must not be taken for this command's.
  for _ in $(seq 1 100); do
    [ -z "$(xdotool search --onlyvisible --name '^VORLANE$' 2>/dev/null)" ] && break
    sleep 0.1
  done
  exec "$@"
  ;;
*)
  echo "vorlane-testes: acao desconhecida '$acao'" >&2
  exit 2
  ;;
esac
