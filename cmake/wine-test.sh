#!/usr/bin/env bash
# Runs one test program under Wine (the loader is the first argument) with
# its output in a file of its own, and hands that output on when it ends.
# A console host that Wine leaves behind for a child ended while it starts
# inherits the program's output; on ctest's own pipe it would hold the test
# open until its time-out, though the program itself has ended.
loader="$1"
shift
out=$(mktemp)
finish() {
  cat "$out"
  rm -f "$out"
}
trap 'kill "$pid" 2>/dev/null; finish; exit 124' TERM INT
"$loader" "$@" >"$out" 2>&1 &
pid=$!
wait "$pid"
status=$?
finish
exit "$status"
