# Installation: `make install` puts exactly the viewer, its manual page,
# desktop entry and icon under the prefix; the installed viewer runs from
# anywhere; the entry and the page are valid; the .deb holds the same files
# and names its section and the Debian packages of its libraries.
# Arguments: the build folder, the source tree.
set -euo pipefail
BUILD=$1
FONTE=$2
TMP=$(mktemp -d /tmp/vorlane-instalacao.XXXXXX)
trap 'rm -rf "$TMP"' EXIT
falha() { echo "FALHA: $*" >&2; exit 1; }

ESPERADOS="bin/vorlane
share/applications/vorlane.desktop
share/doc/vorlane/copyright
share/icons/hicolor/scalable/apps/vorlane.svg
share/man/man1/vorlane.1"

cmake --install "$BUILD" --prefix "$TMP/prefixo" >/dev/null
instalados=$(cd "$TMP/prefixo" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$instalados" = "$ESPERADOS" ] || falha "instalados: $instalados"

# From another folder, with nothing of the build at hand.
cd /
versao=$("$TMP/prefixo/bin/vorlane" --version)
[[ "$versao" =~ ^vorlane\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || falha "--version: $versao"
cp "$FONTE/tests/data/minimo.dat" "$TMP/dados.dat"
set +e
(cd "$TMP" && DISPLAY=:vorlane-nenhum "$TMP/prefixo/bin/vorlane") 2>"$TMP/err"
st=$?
set -e
# The scan is read; only the missing display stops it.
[ "$st" -eq 1 ] && grep -q "^vorlane: nao foi possivel abrir o display" "$TMP/err" || falha "sem display: $st $(cat "$TMP/err")"

desktop-file-validate "$TMP/prefixo/share/applications/vorlane.desktop" >"$TMP/validacao" 2>&1 ||
  falha "desktop-file-validate: $(cat "$TMP/validacao")"
grep -v ': hint: ' "$TMP/validacao" | grep . && falha "desktop-file-validate: $(cat "$TMP/validacao")"
groff -ww -z -man "$TMP/prefixo/share/man/man1/vorlane.1" 2>"$TMP/groff"
[ ! -s "$TMP/groff" ] || falha "groff: $(cat "$TMP/groff")"
MANWIDTH=80 man -l "$TMP/prefixo/share/man/man1/vorlane.1" >"$TMP/man" 2>"$TMP/man.err"
[ ! -s "$TMP/man.err" ] && grep -q -- "--elevacao" "$TMP/man" || falha "man: $(cat "$TMP/man.err")"

cpack -G DEB -B "$TMP/deb" --config "$BUILD/CPackConfig.cmake" >"$TMP/cpack" 2>&1 || falha "cpack: $(cat "$TMP/cpack")"
deb=$(ls "$TMP"/deb/vorlane_*.deb)
conteudo=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '/$' | sed 's|^\./usr/||' | sort)
[ "$conteudo" = "$ESPERADOS" ] || falha "o .deb tem: $conteudo"
[ "$(dpkg-deb -f "$deb" Package)" = vorlane ] && [ "$(dpkg-deb -f "$deb" Section)" = science ] ||
  falha "controle: $(dpkg-deb -f "$deb")"
[ "vorlane $(dpkg-deb -f "$deb" Version)" = "$versao" ] || falha "versao do .deb: $(dpkg-deb -f "$deb" Version)"
dependencias=$(dpkg-deb -f "$deb" Depends)
for biblioteca in libglut libopengl libtiff libhdf5 libgeonames libgeographiclib; do
  [[ "$dependencias" == *"$biblioteca"* ]] || falha "Depends sem $biblioteca: $dependencias"
done
[[ "$(dpkg-deb -f "$deb" Recommends)" == *gmt-gshhg-low* ]] || falha "Recommends: $(dpkg-deb -f "$deb" Recommends)"
echo ok
