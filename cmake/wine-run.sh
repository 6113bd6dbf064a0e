#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix of its own, no display and no debug
# chatter, keeping one wine server alive so that start-up is paid once per test run:
# the server stays for half a minute after its last program ends, and then ends too
# (stopping it at the end of a run would race the next run's first program).
#   wine-run.sh PREFIX PROGRAM ARGS...   run a program
#   wine-run.sh PREFIX --start           make the prefix (PREFIX/.made) and start its server
#   wine-run.sh PREFIX --stop            stop the prefix's server
set -euo pipefail
wine_dir=${VX4820CAL_WINE_DIR:-/usr/lib/wine}
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
case ${1:-} in
  --stop) exec "$wine_dir/wineserver" -k 2>/dev/null || true ;;
  --start)
    mkdir -p "$WINEPREFIX"
    "$wine_dir/wineserver" -p30 2>/dev/null || true
    if [[ ! -f $WINEPREFIX/.made ]]; then
      "$wine_dir/wine64" wineboot -i >/dev/null 2>&1
      # A program that crashes ends at once instead of waiting for a debugger.
      "$wine_dir/wine64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d '' /f >/dev/null 2>&1
      touch "$WINEPREFIX/.made"
    fi
    exit 0 ;;
esac
mkdir -p "$WINEPREFIX"
"$wine_dir/wineserver" -p30 2>/dev/null || true
exec "$wine_dir/wine64" "$@"
