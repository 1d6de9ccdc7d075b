# Sourced by the scripts that build for Wine or run it. Sets windows_bits to
# 32 where this machine runs 32-bit Wine, and to 64 where its kernel cannot
# run 32-bit programs at all (Linux booted without ia32 emulation): there the
# tests run the same sources built for 64-bit Windows under 64-bit Wine, and
# wine, wineboot, winepath and wineserver below are the 64-bit ones.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  windows_bits=32
  wine_loader=/usr/lib/wine/wine
  WINESERVER=/usr/lib/wine/wineserver32
  windows_preset=win32
  e2e_preset=e2e
else
  windows_bits=64
  wine_loader=/usr/lib/wine/wine64
  WINESERVER=/usr/lib/wine/wineserver64
  windows_preset=win64
  e2e_preset=e2e64
fi
export WINESERVER
wine() { WINELOADER=$wine_loader "$wine_loader" "$@"; }
wineboot() { wine wineboot "$@"; }
winepath() { wine winepath "$@"; }
wineserver() { "$WINESERVER" "$@"; }
