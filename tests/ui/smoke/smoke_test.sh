#!/bin/sh
# The real program under a virtual X server: it starts, shows its main window
# with an empty project, and ends with exit code 0 when the user chooses
# File > Exit (Alt, Down into the File menu, Up to its last item, Enter).
# Usage: smoke_test.sh <morvanta> <x_keys>
set -u
program=$1
keys=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Documents"
export HOME="$home" XDG_CONFIG_HOME="$home/config"
unset QT_QPA_PLATFORM

xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
  "$1" &
  pid=$!
  if ! "$2" Morvanta 60 Alt_L Down Up Return; then
    kill "$pid"
    exit 3
  fi
  for _ in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "Morvanta did not end after File > Exit"
    kill "$pid"
    exit 4
  fi
  wait "$pid"
' smoke "$program" "$keys" > "$home/out.txt" 2>&1
status=$?
cat "$home/out.txt"
if [ "$status" -ne 0 ]; then
  echo "smoke test failed: status $status"
  exit 1
fi
grep -q "^shown 1280x" "$home/out.txt" || { echo "the main window was not shown across the screen"; exit 1; }
if ls "$home/Documents" | grep -q recover_; then
  echo "a normal end left a recovery file"
  exit 1
fi
echo "smoke test passed"
