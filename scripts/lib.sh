# Shared by scripts/run and scripts/test: a Wine prefix of our own and a virtual display.
# Every process started here is remembered and ended by `cleanup`, nothing else.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
started_pids=()

export WINEPREFIX="$repo/build/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
# Builds use every core of the machine.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

# A prefix made without a display; unmanaged windows, else every closing window lingers 2 s.
# It is marked ready only once every step has succeeded, so a failed one is made again next time.
ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.glimmora-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    env -u DISPLAY wineboot -i >/dev/null 2>&1 &&
      env -u DISPLAY wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 &&
      wineserver -w ||
      { echo "the Wine prefix $WINEPREFIX could not be made" >&2; return 1; }
    touch "$WINEPREFIX/.glimmora-ready"
  fi
  # The dialogs' fonts do not exist here; a Japanese font in their place shows the Japanese texts.
  if [ ! -f "$WINEPREFIX/.glimmora-fonts" ]; then
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    for font in "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
      env -u DISPLAY wine reg add "$key" /v "$font" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.glimmora-fonts"
  fi
  # Caption buttons are drawn with Marlett (Debian's fonts-wine), which this Wine does not find in
  # its own data folder: without it they show as letters.
  local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f "$marlett" ] && [ ! -e "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts" && cp "$marlett" "$fonts/"
  fi
}

# Starts an X server (Xvfb or Xephyr and their arguments) on a display it finds free itself and exports
# DISPLAY. The server names the display once it takes connections.
start_x_server() {
  local named n=
  named=$(mktemp -u "${TMPDIR:-/tmp}/glimmora-display.XXXXXX")
  mkfifo "$named" || return 1
  "$@" -displayfd 3 -nolisten tcp 3>"$named" >/dev/null 2>&1 &
  started_pids+=($!)
  read -r -t 30 n <"$named"
  rm -f "$named"
  [ -n "$n" ] || { echo "$1 did not start" >&2; return 1; }
  export DISPLAY=":$n"
}

# A compositor, so that translucency is drawn (without one a layered window shows opaque).
start_compositor() {
  xcompmgr >/dev/null 2>&1 &
  started_pids+=($!)
}

# A virtual display of one screen, GLIMMORA_SCREEN in size (default 1280x1024x24).
start_virtual_display() {
  start_x_server Xvfb -screen 0 "${GLIMMORA_SCREEN:-1280x1024x24}" || return 1
  start_compositor
}

# A presenter's two monitors: the laptop's, primary, and a smaller projector to its left. Wine sees
# two monitors on a display with Xinerama and without RandR: a Xephyr of two screens inside an Xvfb.
start_two_monitor_display() {
  start_x_server Xvfb -screen 0 2400x1100x24 || return 1
  start_x_server Xephyr +xinerama -extension RANDR -origin 1024,0 -screen 1280x1024 -origin 0,0 -screen 1024x768 ||
    return 1
  start_compositor
}

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
