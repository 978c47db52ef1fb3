#!/usr/bin/env bash
# clock_right_test.sh PROBE: without CAP_SYS_TIME the probe must say so in one line in the
# terminal's encoding and end with status 1; with it, it must go on. The probe never
# touches the clock.
set -uo pipefail
probe=$1
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# "设置系统时间需要root权限（CAP_SYS_TIME）" in UTF-8.
message=$'\xe8\xae\xbe\xe7\xbd\xae\xe7\xb3\xbb\xe7\xbb\x9f\xe6\x97\xb6\xe9\x97\xb4\xe9\x9c\x80\xe8\xa6\x81root\xe6\x9d\x83\xe9\x99\x90\xef\xbc\x88CAP_SYS_TIME\xef\xbc\x89'

holds_right() {
  (( 0x$(awk '/^CapEff:/ {print $2}' /proc/self/status) >> 25 & 1 ))
}

# The probe's output (both streams) without CAP_SYS_TIME.
run_without_right() {
  if holds_right; then
    capsh --drop=cap_sys_time -- -c 'exec "$0" 2>&1' "$probe"
  else
    "$probe" 2>&1
  fi
}

# A UTF-8 terminal, and a plain ASCII one, which gets UTF-8 as well.
for locale in C.UTF-8 C; do
  out=$(LC_ALL=$locale run_without_right)
  status=$?
  [ "$status" -eq 1 ] || fail "LC_ALL=$locale without the right: status $status"
  [ "$out" = "$message" ] || fail "LC_ALL=$locale without the right: printed '$out'"
done

# GBK where the terminal uses it, if this machine has such a locale.
if locale -a 2>/dev/null | grep -qiE '^zh_CN\.gbk$'; then
  out=$(LC_ALL=zh_CN.GBK run_without_right | iconv -f GBK -t UTF-8)
  [ "$out" = "$message" ] || fail "LC_ALL=zh_CN.GBK: printed '$out'"
fi

# Only where this test itself holds the right can it see the probe go on.
if holds_right; then
  out=$("$probe" 2>&1)
  status=$?
  [ "$status" -eq 0 ] && [ "$out" = "right held" ] || fail "with the right: status $status, '$out'"
fi

[ "$failures" -eq 0 ] && echo "clock right checked"
[ "$failures" -eq 0 ]
