# Shared by scripts/run and scripts/test: a Wine prefix of our own and a virtual display.
# Every process started here is remembered and ended by `cleanup`, nothing else.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
started_pids=()

export WINEPREFIX="$repo/build/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="

# A prefix made without a display; unmanaged windows, else every closing window lingers 2 s.
ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.glimmora-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    env -u DISPLAY wineboot -i >/dev/null 2>&1
    env -u DISPLAY wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
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

# Starts Xvfb on the first free display (and a compositor, so translucency is drawn) and exports DISPLAY.
start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  started_pids+=($!)
  export DISPLAY=":$n"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
  xcompmgr >/dev/null 2>&1 &
  started_pids+=($!)
}

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
