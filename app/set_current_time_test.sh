#!/usr/bin/env bash
# set_current_time_test.sh linux|wine PROBE...: runs set_current_time_probe (PROBE... is the
# command that starts it) without the right to set the clock and with every clock call made
# to fail and recorded by strace, and checks which instant each value would have set.
set -uo pipefail
kind=$1
shift
probe=("$@")
log=$(mktemp)
trap 'rm -f "$log"' EXIT
failures=0
# LeakSanitizer cannot run under ptrace; the sanitizer build's other checks still do.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

# without_right COMMAND...: runs COMMAND without CAP_SYS_TIME (a process that lacks it has
# nothing to drop).
without_right() {
  if (( 0x$(awk '/^CapEff:/ {print $2}' /proc/self/status) >> 25 & 1 )); then
    capsh --drop=cap_sys_time -- -c 'exec "$@"' guard "$@"
  else
    "$@"
  fi
}

# run ZONE VALUE: the probe's output; the clock calls it made are left in $log.
run() {
  TZ=$1 without_right strace -f -qq --seccomp-bpf -o "$log" \
    -e trace=clock_settime,settimeofday -e inject=clock_settime,settimeofday:error=EPERM \
    "${probe[@]}" "$2"
}

# expect ZONE VALUE SECONDS: the clock was to be set to SECONDS since 1970 (none: not at all).
expect() {
  local output calls
  if ! output=$(run "$1" "$2" | tr -d '\r'); then
    echo "FAIL TZ=$1 $2: the guarded run failed" >&2
    failures=$((failures + 1))
    return
  fi
  calls=$(grep -E 'clock_settime|settimeofday' "$log" || true)
  if grep -qvE '= -1 EPERM .*\(INJECTED\)$' <<<"${calls:-= -1 EPERM (INJECTED)}"; then
    echo "FAIL TZ=$1 $2: a clock call was not blocked: $calls" >&2
    exit 1
  fi
  local wanted=""
  [ "$3" != none ] && [ "$kind" = linux ] &&
    wanted="clock_settime(CLOCK_REALTIME, {tv_sec=$3, tv_nsec=0})"
  if [ "$output" != refused ] || { [ -n "$wanted" ] && ! grep -qF "$wanted" <<<"$calls"; } ||
     { [ -z "$wanted" ] && [ -n "$calls" ]; }; then
    echo "FAIL TZ=$1 $2: printed '$output', clock calls: ${calls:-none}, wanted ${wanted:-none}" >&2
    failures=$((failures + 1))
  fi
}

expect CST-8 45306.833333333336 1705320000  # 2024-01-15 20:00 at UTC+8
expect UTC0 nan none                        # no date at all
# Wine refuses SetLocalTime itself, so the instant shows only on Linux.
if [ "$kind" = linux ]; then
  expect America/New_York 45474.5 1719849600  # 2024-07-01 12:00 EDT
  expect UTC0 45306.50000694444 1705320001    # 12:00:00.6 rounds up
  expect UTC0 1e7 253402214400                # limited to 9999-12-31 00:00
fi
[ "$failures" -eq 0 ] && echo "all clock writes as expected"
[ "$failures" -eq 0 ]
