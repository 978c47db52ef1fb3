#!/usr/bin/env bash
# fault_stop_gui.sh PROBE RUNNER...: a Windows GUI program has no console, so its fault
# report must reach the user in a box. Runs the GUI probe on the runner's virtual display,
# finds the box titled "Kestrival", closes it, and checks the status -1 (255) and the report.
set -u
probe=$1
shift
DISPLAY=$("$@" --display) || exit 1
export DISPLAY
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" "$probe" list 9 >"$out" 2>&1 </dev/null &
pid=$!
window=$(timeout 60 xdotool search --sync --name '^Kestrival$' | head -n 1)
if [ -z "$window" ]; then
  echo "FAIL: no box titled Kestrival appeared"
  kill "$pid" 2>/dev/null
  exit 1
fi
xdotool windowactivate --sync "$window" key Return >/dev/null 2>&1 || xdotool key --window "$window" Return
timeout 30 tail --pid="$pid" -f /dev/null
wait "$pid"
status=$?
if [ "$status" != 255 ] || ! grep -qF "fault 1: element position past the count" "$out"; then
  echo "FAIL: status $status, output: $(cat "$out")"
  exit 1
fi
echo "the box appeared and the program ended with status 255"
