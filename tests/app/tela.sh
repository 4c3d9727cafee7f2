#!/usr/bin/env bash
# Runs the screen test (test_tela) on private X servers with a window manager, one for each
# screen size, at each scale factor a clerk's desktop may use.
#
#   tela.sh TEST_BINARY
#
# Exits 77 (skipped) with the reason when the machine lacks the X server or the tools. With
# TELA_FOTOS set to a folder, a picture of the screen of every case is left there; one of a
# failing case is always left in ${TMPDIR:-/tmp}.
set -euo pipefail

teste="$1"

# shellcheck source=../support/servidor_x.sh
source "$(dirname "$0")/../support/servidor_x.sh"
precisa_de Xvfb openbox xprop import

work="$(mktemp -d)"
pids=()
trap 'para_processos; rm -rf -- "$work"' EXIT

export QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Under the sanitizers: the one leak Qt's X connection leaves inside libdbus is not ours.
echo 'leak:libdbus-1.so' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

falhas=0
# A screen size, then the scale factors tried on it.
while read -r tela escalas; do
  sobe_servidor_x "$tela" || { echo "FAILED: no X server for $tela"; exit 1; }
  sobe_gerenciador || { echo "FAILED: no window manager on $tela"; cat "$work/openbox.log"; exit 1; }
  for escala in $escalas; do
    caso="${tela}-escala-${escala}"
    echo "== $tela at scale $escala"
    foto="$work/$caso.png"
    # The picture is taken while the window is still up: just before the case ends.
    if QT_SCALE_FACTOR="$escala" TELA_FOTO="$foto" "$teste" --gtest_brief=1; then
      [ -z "${TELA_FOTOS:-}" ] || cp "$foto" "$TELA_FOTOS/" 2>/dev/null || true
    else
      falhas=$((falhas + 1))
      cp "$foto" "${TMPDIR:-/tmp}/tela-$caso.png" 2>/dev/null &&
        echo "screen of the failure: ${TMPDIR:-/tmp}/tela-$caso.png"
    fi
  done
  para_processos
done <<'CASOS'
1024x768 1
1366x768 1 1.25 1.5 2
1920x1080 1 1.5 2
CASOS

[ "$falhas" -eq 0 ] || { echo "FAILED: $falhas cases"; exit 1; }
echo "the main window fits every screen and scale tried"
