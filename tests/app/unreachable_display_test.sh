#!/bin/sh
# The program, pointed at displays that cannot be reached, says which in one line and exits
# with status 1, rather than aborting.
#   unreachable_display_test.sh PROGRAM
program=$1
failures=0
for display in :64999 garbage; do
  output=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" "$program" 2>&1)
  status=$?
  expected="quillmark: cannot show windows on the display \"$display\" (DISPLAY)."
  if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    printf 'DISPLAY=%s: exit status %s, output:\n%s\n' "$display" "$status" "$output"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
