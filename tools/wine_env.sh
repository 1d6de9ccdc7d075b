# Sourced by the scripts that run Windows programs: a fresh Wine prefix (32-bit,
# or 64-bit where the machine runs no 32-bit programs) and an X display,
# virtual unless one is given. Cleans up on exit.
# Needs: wine, xvfb (tools/setup.sh installs them).
source "$(dirname "${BASH_SOURCE[0]}")/wine_bits.sh"

if [ -z "${HOME:-}" ] || [ ! -d "$HOME" ]; then
  HOME=$(mktemp -d /tmp/tunelet-home.XXXXXX)
  export HOME
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
export WINEARCH=win$windows_bits
WINEPREFIX=$(mktemp -d /tmp/tunelet-wine.XXXXXX)
export WINEPREFIX
xvfb_pid=""

wine_env_cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap wine_env_cleanup EXIT

start_virtual_display() {
  local display
  for display in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
  done
  echo "could not start a virtual display" >&2
  return 1
}

if [ -z "${DISPLAY:-}" ] || [ "${TUNELET_VIRTUAL_DISPLAY:-}" = 1 ]; then
  start_virtual_display
fi
wineboot -i >/dev/null 2>&1
wineserver -w
