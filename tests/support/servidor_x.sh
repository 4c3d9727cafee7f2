# Sourced by the tests that run the program on a private X server: starts the server and a
# window manager, each waited for up to a minute (a loaded machine is slow to start them). The
# caller keeps `work` (a folder of its own) and `pids` (what it kills on leaving).

# Exits 77 (skipped), with the reason, when one of the tools named is not installed.
precisa_de() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIPPED: $tool is not installed (scripts/bootstrap installs it)"
      exit 77
    fi
  done
}

# Stops every process started (the servers, the window managers, the program) and waits for them.
para_processos() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  { wait; } 2>/dev/null || true
  pids=()
}

# Runs a command until it succeeds, for up to 60 s.
espera_ate() {
  for _ in $(seq 600); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# A private X server of the given screen (e.g. 1366x768) on a free display, set as DISPLAY.
sobe_servidor_x() {
  rm -f "$work/display"
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
  espera_ate test -s "$work/display" || return 1
  export DISPLAY=":$(cat "$work/display")"
}

gerenciador_na_tela() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# Starts the window manager, again if it quits or stalls before it takes the screen: on a loaded
# machine it can give up on a server that is slow to answer. Its output is in $work/openbox.log.
sobe_gerenciador() {
  for _ in 1 2 3; do
    openbox >"$work/openbox.log" 2>&1 &
    local wm=$!
    pids+=("$wm")
    for _ in $(seq 400); do
      if gerenciador_na_tela; then return 0; fi
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.1
    done
    kill "$wm" 2>/dev/null || true
  done
  return 1
}
