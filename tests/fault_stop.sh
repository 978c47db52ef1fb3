#!/usr/bin/env bash
# fault_stop.sh PROBE [RUNNER...]: runs the fault probe as a child process, through RUNNER
# (Wine) when given, and checks that an out-of-range element read reports the fault by
# number and meaning and ends with status -1 (255), while an in-range read goes on.
set -u
probe=$1
shift
fails=0

# Each case: what, position, status, text the output must hold.
cases=(
  "list 0 255 fault 4: element position below 1 (position 0, count 3)"
  "list -2147483648 255 fault 4: element position below 1"
  "list 4 255 fault 1: element position past the count (position 4, count 3)"
  "bytes 0 255 fault 4: element position below 1"
  "bytes 2147483647 255 fault 1: element position past the count"
  "list 3 0 read 1"
  "bytes 2 0 read 2"
)
for c in "${cases[@]}"; do
  read -r what position status report <<<"$c"
  out=$("$@" "$probe" "$what" "$position" 2>&1 </dev/null)
  got=$?
  out=${out//$'\r'/}
  if [ "$got" != "$status" ] || ! grep -qF -- "$report" <<<"$out"; then
    echo "FAIL: $what $position: status $got (want $status), output: $out (want: $report)"
    fails=$((fails + 1))
  fi
done
[ "$fails" -eq 0 ] && echo "all fault stop cases passed"
[ "$fails" -eq 0 ]
