# Sourced by the Wine scripts: the project's Wine prefix (made on first use)
# and quiet defaults. WINEPREFIX, when set, names another prefix (absolute).
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$repo/build/wine-prefix}"
# Without Wine's messages, and without its Mono and Gecko installers.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# A prefix made before the 32-bit part of Wine was installed cannot run 32-bit
# programs, and updating it does not mend that: such a prefix is made afresh.
wine_prefix_usable() {
  [ -f "$WINEPREFIX/system.reg" ] || return 1
  if [ -x /usr/lib/wine/wine ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    return 1
  fi
}

wine_prefix_ensure() {
  wine_prefix_usable && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Parallel tests wait for the one that makes the prefix.
  (
    flock 9
    if ! wine_prefix_usable; then
      rm -rf "$WINEPREFIX"
      wine wineboot --init >/dev/null 2>&1
      # A crashing program would otherwise wait for someone to close the dialog.
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
    fi
  ) 9>"$WINEPREFIX.lock"
}
