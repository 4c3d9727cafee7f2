#!/usr/bin/env bash
# A clerk's working day on the installed program: installs the build into a temporary folder,
# starts it as its own process on a private X server with a window manager, types with real X
# key events and checks what lands on disk.
#
#   dia_de_trabalho.sh BUILD_DIR MAIN_WINDOW_TITLE
#
# Exits 77 (skipped) with the reason when the machine lacks the X server or the tools.
set -euo pipefail

build_dir="$1"
principal="$2"

# shellcheck source=../support/servidor_x.sh
source "$(dirname "$0")/../support/servidor_x.sh"
precisa_de Xvfb xdotool openbox xprop

work="$(mktemp -d)"
pids=()
trap 'para_processos; rm -rf -- "$work"' EXIT

fail() {
  echo "FAILED: $*"
  [ ! -s "$work/pravex.log" ] || { echo "the program's output:"; cat "$work/pravex.log"; }
  if [ -n "${DISPLAY:-}" ]; then
    import -window root "$work/falha.png" 2>/dev/null &&
      cp "$work/falha.png" "${TMPDIR:-/tmp}/dia_de_trabalho-falha.png" &&
      echo "screen at the failure: ${TMPDIR:-/tmp}/dia_de_trabalho-falha.png"
  fi
  exit 1
}

# Waits up to 20 s for a condition given as a command.
espera() {
  local descricao="$1"
  shift
  for _ in $(seq 200); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  fail "timed out waiting for $descricao"
}

folder="$work/Pravex"
cmake --install "$build_dir" --prefix "$folder" >/dev/null

# A private X server on a free display, a window manager to hand the keyboard to new windows.
sobe_servidor_x 1366x768 || fail "no X server"
sobe_gerenciador || { cat "$work/openbox.log"; fail "no window manager"; }

# The program talks to the X server, whatever platform the other tests were given.
export QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Built with the sanitizers, a program on an X server ends with a leak inside the session bus
# library, not the program's own: the exit status of a refused second start must not carry it.
printf 'leak:libdbus-1.so\n' >"$work/lsan.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$work/lsan.supp"
# What an instance killed in the middle of a write left: gone at the next start.
printf 'x' >"$folder/Pravex2005.txt.novo-Ab12Cd"
"$folder/pravex" >"$work/pravex.log" 2>&1 &
programa=$!
pids+=("$programa")

janela_ativa() { xdotool getactivewindow getwindowname; }
# Waits for a window of the given title to have the keyboard.
espera_janela() {
  local titulo="$1"
  for _ in $(seq 200); do
    if [ "$(janela_ativa 2>/dev/null)" = "$titulo" ]; then return 0; fi
    sleep 0.1
  done
  fail "window \"$titulo\" never took the keyboard (active: \"$(janela_ativa 2>/dev/null)\")"
}
digita() { xdotool type --delay 15 -- "$1"; }
tecla() { xdotool key --delay 60 "$@"; }
# Lets the program take in what was typed before the next step depends on it.
pausa() { sleep "${1:-0.5}"; }

# The start hint, then exercise 2005 with a new header.
espera_janela "Pravex"
tecla Return
espera_janela "$principal"
[ ! -e "$folder/Pravex2005.txt.novo-Ab12Cd" ] || fail "the leftover of a dead instance is still there"

# A second user starts the same program: another home and runtime folder, the same program
# folder. It says the program is running, leaves the first one and its files alone, and ends.
printf 'x' >"$folder/pravexenvio2005.txt.novo-Em1234"
mkdir -p "$work/home2" "$work/run2"
chmod 700 "$work/run2"
HOME="$work/home2" XDG_RUNTIME_DIR="$work/run2" "$folder/pravex" >"$work/segundo.log" 2>&1 &
segundo=$!
pids+=("$segundo")
caixa_do_segundo() {
  [ "$(xdotool getactivewindow getwindowpid)" = "$segundo" ] &&
    [ "$(janela_ativa)" = "Pravex" ]
}
espera "the second instance's message" caixa_do_segundo
tecla Return
for _ in $(seq 100); do kill -0 "$segundo" 2>/dev/null || break; sleep 0.1; done
kill -0 "$segundo" 2>/dev/null && fail "the second instance did not end after its message"
wait "$segundo" || fail "the second instance ended with an error: $(cat "$work/segundo.log")"
kill -0 "$programa" 2>/dev/null || fail "the first instance ended"
[ -e "$folder/pravexenvio2005.txt.novo-Em1234" ] || fail "the second instance removed a file in use"
rm -f "$folder/pravexenvio2005.txt.novo-Em1234"
# When the window manager hands the keyboard back to the main window, no exercise started yet,
# the start hint comes again; it may also leave the keyboard where it was.
caixa_do_primeiro() {
  [ "$(xdotool getactivewindow getwindowpid 2>/dev/null)" = "$programa" ] &&
    [ "$(janela_ativa 2>/dev/null)" = "Pravex" ]
}
volta_ao_primeiro() {
  for _ in $(seq 200); do
    if caixa_do_primeiro; then tecla Return; fi
    if [ "$(janela_ativa 2>/dev/null)" = "$principal" ]; then
      sleep 1
      caixa_do_primeiro && continue
      [ "$(janela_ativa 2>/dev/null)" = "$principal" ] && return 0
    fi
    sleep 0.1
  done
  fail "the main window never took the keyboard back (active: \"$(janela_ativa 2>/dev/null)\")"
}
volta_ao_primeiro
digita 2005
tecla Return
pausa
digita "PREFEITURA MUNICIPAL"; tecla Return
digita "FULANO DE TAL"; tecla Return
digita "BELTRANO DA SILVA"; tecla Return
pausa

# Types one advance from the Processo field on and stores it with F2.
inclui() {
  digita "$1"; tecla Return
  tecla ctrl+a; digita "$2"; tecla Return
  # The element list finds an item by its code when typing starts after a pause.
  pausa 1
  tecla Home
  digita "$3"; tecla Return
  digita "$4"; tecla Return
  if [ -n "$5" ]; then digita "$5"; tecla Return; fi
  digita "$6"; tecla Return
  digita "$7"; tecla Return
  digita "$8"; tecla F2
  pausa
}

dados="$folder/Pravex2005.txt"
inclui "A-1" 41 339030 12345678909 "CICRANO DA SILVA" 300 0103 3103
espera "the first advance on disk" grep -q "A-1" "$dados"
inclui "A-2" 42 339039 52998224725 "OUTRO CREDOR" "20,5" 0102 2802
inclui "A-3" 43 339030 12345678909 "" 1000 1504 3004
espera "the third advance on disk" grep -q "A-3" "$dados"
tecla Escape
pausa

printf '%s\r\n' \
  "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,," \
  "A-1,41,339030,12345678909,CICRANO DA SILVA,300.00,01/03,31/03" \
  "A-2,42,339039,52998224725,OUTRO CREDOR,20.50,01/02,28/02" \
  "A-3,43,339030,12345678909,CICRANO DA SILVA,1000.00,15/04,30/04" >"$work/esperado"
espera "the data file of three advances" cmp -s "$dados" "$work/esperado"

# F6: the submission file beside the program, then a copy into the folder the dialog opens at.
tecla F6
espera_janela "Gravar/Restaurar arquivo"
pausa
tecla Return
espera_janela "Arquivo para o ORVAL"
tecla Return
espera_janela "$principal"
envio="$folder/pravexenvio2005.txt"
# Each data line with its checksum, summed by hand from the weights table, and the trailer.
printf '%s\r\n' \
  "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,,1230" \
  "A-1,41,339030,12345678909,CICRANO DA SILVA,300.00,01/03,31/03,0885" \
  "A-2,42,339039,52998224725,OUTRO CREDOR,20.50,01/02,28/02,0885" \
  "A-3,43,339030,12345678909,CICRANO DA SILVA,1000.00,15/04,30/04,0895" \
  ",,,,,,,,<<< 1444-FX.95380000.11-02-00 >>>" >"$work/envio-esperado"
cmp "$envio" "$work/envio-esperado" || fail "the submission file differs from the one worked out by hand"
cmp "$envio" "$HOME/pravexenvio2005.txt" || fail "the copy of the submission file differs"

# Esc: the backup offer; "Sim" writes the backup into the chosen folder and ends the program.
tecla Escape
espera_janela "Pravex  -   Cópia de segurança (Backup)"
tecla alt+s
espera_janela "Gravar/Restaurar arquivo"
pausa
tecla Return
espera_janela "Arquivo de segurança (backup)"
tecla Return
for _ in $(seq 100); do kill -0 "$programa" 2>/dev/null || break; sleep 0.1; done
kill -0 "$programa" 2>/dev/null && fail "the program did not end after the backup"
cmp "$dados" "$work/esperado" || fail "the data file changed on the way out"
# The first include created the data file; each of the other two kept the file as it was.
versoes=$(find "$folder/versoes" -name 'PravexBkp2005-*.txt' | sort)
[ "$(echo "$versoes" | wc -l)" -eq 2 ] || fail "not two versions: $versoes"
head -n 3 "$work/esperado" >"$work/esperado-2"
cmp "$(echo "$versoes" | tail -n 1)" "$work/esperado-2" ||
  fail "the newest version is not the register of two advances"
cmp "$dados" "$HOME/PravexBkp2005.txt" || fail "the backup is not a copy of the data file"
echo "the working day reached the disk as typed: register, versions, submission file, its copy and a backup"
