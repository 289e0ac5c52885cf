#!/usr/bin/env bash
# Runs a Windows program under Wine, as CTest and the test scripts do: in the
# project's own Wine prefix (made on first use), without Wine's messages, its
# crash dialog or its installers, and with the program's CR LF line ends
# turned into plain LF. The program's exit status is passed on.
#
#   scripts/wine-run.sh program.exe [arguments...]
#
# WINEPREFIX, when set, names another prefix (an absolute path). Programs
# that create windows need an X display: run under xvfb-run.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$repo/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# A prefix made before the 32-bit part of Wine was installed cannot run 32-bit
# programs, and updating it does not mend that: such a prefix is made afresh.
prefix_usable() {
  [ -f "$WINEPREFIX/system.reg" ] || return 1
  if [ -x /usr/lib/wine/wine ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    return 1
  fi
}

if ! prefix_usable; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Parallel tests wait for the one that makes the prefix.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if ! prefix_usable; then
    rm -rf "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    # A crashing program would otherwise wait for someone to close the dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
  fi
  flock -u 9
  exec 9>&-
fi

status=0
wine "$@" | tr -d '\r' || status=${PIPESTATUS[0]}
exit "$status"
