#!/usr/bin/env bash
# Runs a command on an X server of its own whose screen is split into two monitors of
# different heights, as a laptop beside a larger monitor: the primary one (1024 x 600)
# on the right, its bottom level with the other's (1200 x 900) on the left, so that
# above it lies an area on no monitor. The command may unplug a monitor with
# `xrandr --delmonitor NAME`. The server has ended when this script returns.
#
# Without Xvfb or xrandr it prints SKIP and exits 77 (what ctest counts as skipped),
# except under CI, where they are installed and their absence is a failure.
set -u
if ! command -v Xvfb >/dev/null || ! command -v xrandr >/dev/null; then
  echo "SKIP: Xvfb or xrandr is not installed (scripts/install-deps.sh installs them)"
  [ -n "${CI:-}" ] && exit 1
  exit 77
fi

number=$(mktemp "${TMPDIR:-/tmp}/velqora-display-XXXXXX")
# No reset when a client leaves: xrandr's monitors would go with it.
Xvfb -displayfd 3 -screen 0 2224x900x24 +extension RANDR -noreset -nolisten tcp 3>"$number" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$number"' EXIT
for _ in $(seq 600); do
  [ -s "$number" ] && break
  kill -0 "$server" 2>/dev/null || { echo "the X server did not start"; exit 1; }
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$number")"
xrandr --setmonitor laptop 1024/226x600/128+1200+300 screen >/dev/null &&
  xrandr --setmonitor beside 1200/300x900/225+0+0 none >/dev/null &&
  xrandr --output screen --primary || { echo "the monitors could not be set"; exit 1; }
QT_QPA_PLATFORM=xcb "$@"
