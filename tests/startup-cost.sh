#!/usr/bin/env bash
# Usage: startup-cost.sh REFERENCE PROGRAM...
# Each program may execute at most 10% more instructions than the plain C
# reference for the same input: a run is one start-up, one read and one line.
set -euo pipefail

instructions() {
  printf '30000\n' |
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}

reference=$(instructions "$1")
shift
status=0
for program in "$@"; do
  count=$(instructions "$program")
  echo "$(basename "$program"): $count instructions, reference $reference"
  if [ -z "$count" ] || [ $((count * 10)) -gt $((reference * 11)) ]; then
    echo "more than 10% above the reference" >&2
    status=1
  fi
done
exit $status
