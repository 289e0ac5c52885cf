#!/usr/bin/env bash
# Runs a Windows program under Wine, as CTest and the test scripts do: in the
# project's own Wine prefix (scripts/wine-env.sh), with the program's CR LF
# line ends turned into plain LF. The program's exit status is passed on.
#
#   scripts/wine-run.sh program.exe [arguments...]
#
# Programs that create windows need an X display: run under xvfb-run (as
# scripts/test-windows.sh does).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
wine_prefix_ensure

# Wine's own background programs start with the first program of a server and
# inherit its output; they would hold the pipe below open as long as the
# server lives. A program of no output starts them first.
wine cmd /c exit </dev/null >/dev/null 2>&1

status=0
wine "$@" | tr -d '\r' || status=${PIPESTATUS[0]}
exit "$status"
