#!/bin/sh
# The program, started where it cannot show windows, says why in its own lines and exits with
# status 1, rather than aborting: one line naming a display that cannot be reached, and Qt's
# own reason when no platform plugin could be loaded.
#   startup_failure_test.sh PROGRAM
program=$1
failures=0
# check ENVIRONMENT EXPECTED_OUTPUT_PATTERN (a shell pattern the whole output must match)
check() {
  output=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DISPLAY $1 "$program" 2>&1)
  status=$?
  # shellcheck disable=SC2254 # the pattern is meant to match as a pattern
  case $output in
    $2) [ "$status" -eq 1 ] && return ;;
  esac
  printf '%s: exit status %s, output:\n%s\n' "$1" "$status" "$output"
  failures=$((failures + 1))
}
check DISPLAY=:64999 'quillmark: cannot show windows on the display ":64999" (DISPLAY).'
check DISPLAY=garbage 'quillmark: cannot show windows on the display "garbage" (DISPLAY).'
check QT_QPA_PLATFORM=nosuch 'quillmark: Could not find the Qt platform plugin "nosuch"*no Qt platform plugin could be initialized*'
[ "$failures" -eq 0 ]
