#!/bin/bash
# A user's session of the real program under a virtual X server and a real
# window manager (openbox): see user_session_steps.sh for what it does.
# Fails on a crash, a hang (every wait has a time limit) or a saved file that
# is not what the session's edits give.
# Usage: user_session.sh <morvanta>
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Documents" "$home/work"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

timeout 170 xvfb-run -a -s "-screen 0 1280x800x24" "$here/user_session_steps.sh" "$program" "$home/work" \
  > "$home/out.txt" 2>&1
status=$?
cat "$home/out.txt"
if [ "$status" -ne 0 ]; then
  echo "user session failed: status $status"
  exit 1
fi
if ls "$home/Documents" | grep -q recover_; then
  echo "a normal end left a recovery file"
  exit 1
fi
echo "user session passed"
