#!/bin/bash
# The steps of a user's session, run inside the virtual X server: open the
# Gate example through the Help menu, add a user story and change the
# project's description three times through the Project box's menu and its
# dialogs, and a user story's description through its own box; undo all five
# and save as a.xml, redo them and save again (Ctrl+S); toggle maximise by
# double clicks on the title bar; close the window; start again, open a.xml,
# save it as b.xml and close it. Every wait has a time limit and fails on a
# crashed program.
# Usage: user_session_steps.sh <morvanta> <work folder>
set -u
program=$1
work=$2
story="visitor badges of the session"
description="Described in the session"
story_description="Story edited in the session"

openbox > "$work/openbox.txt" 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
pid=
# The window manager is up once it names itself on the root window.
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done

# SESSION_SHOTS=<folder> keeps numbered pictures of the screen at every step
# and at a failure, to see what the session did.
shots=0
shot() {
  [ -n "${SESSION_SHOTS:-}" ] || return 0
  shots=$((shots + 1))
  import -window root "$SESSION_SHOTS/$(printf %02d $shots)_$(echo "$1" | tr -c 'A-Za-z0-9\n' _).png"
}

fail() {
  echo "FAILED: $*"
  shot failed
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Fails when the program has ended: it may only end when its window is closed.
check_alive() {
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    fail "the program ended during: $1 (exit status $?)"
  fi
}

# wait_until <what> <command...>: polls the command for up to 30 s (a loaded machine starts slowly).
wait_until() {
  local what=$1
  shift
  echo "waiting for $what"
  for _ in $(seq 1 150); do
    check_alive "$what"
    if "$@" > /dev/null 2>&1; then
      shot "$what"
      return 0
    fi
    sleep 0.2
  done
  fail "timed out waiting for $what"
}

window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
no_window_named() { ! window_named "$1"; }
# Keys go to the focused window: a dialog is typed into once it has the focus.
window_active() { [ "$(xdotool getactivewindow)" = "$(window_named "$1")" ]; }
visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }
main_window() { window_named Morvanta; }

keys() {
  for key in "$@"; do
    check_alive "key $key"
    xdotool key "$key"
    sleep 0.25
  done
}

type_text() {
  xdotool key ctrl+a
  xdotool type --delay 15 "$1"
}

start_program() {
  "$program" &
  pid=$!
  wait_until "the main window" main_window
  sleep 1  # the first layout and the maximised placement
  xdotool windowactivate --sync "$(main_window)" > /dev/null 2>&1
}

# On the Project page the project box's top-left corner is at (2 f, 2 f) of
# the canvas and the first user story's at (9 f, 9 f); boxes are 12 f x 6 f
# (f = 16 px, the canvas font of the default settings). The canvas lies right
# of the tree (11 F) and below the title bar, the tool strip and the tab row
# (4 F), F = 16 px the application font. A box's centre is aimed at, which
# leaves half a box of room either way.
# run_box_command <x> <y> <downs> <dialog title>: right click the box at
# (x f, y f), choose the command <downs> items down its menu, which opens the
# dialog of that title.
run_box_command() {
  local before
  before=$(visible_windows)
  eval "$(xdotool getwindowgeometry --shell "$(main_window)")"
  xdotool mousemove $((X + 11 * 16 + ($1 + 6) * 16)) $((Y + 4 * 16 + ($2 + 3) * 16)) click 3
  wait_until "the box menu at ($1 f, $2 f)" more_windows_than "$before"
  for _ in $(seq 1 "$3"); do keys Down; done
  keys Return
  wait_until "the dialog \"$4\"" window_active "$4"
}

# save_through_dialog <path>: the file dialog is open; type the path, Enter.
save_through_dialog() {
  wait_until "the save dialog" window_active "Save Morvanta file"
  type_text "$1"
  shot "the path typed"
  keys Return
  wait_until "the save dialog to close" no_window_named "Save Morvanta file"
  wait_until "$1 to be written" test -s "$1"
}

net_wm_state() { xprop -id "$(main_window)" _NET_WM_STATE; }
is_maximised() { net_wm_state | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
is_restored() { ! net_wm_state | grep -q -e _NET_WM_STATE_MAXIMIZED_HORZ -e _NET_WM_STATE_HIDDEN; }

# A double click on the title bar, left of the window buttons and right of
# the title, toggles maximise; it never hides the window.
double_click_title_bar() {
  eval "$(xdotool getwindowgeometry --shell "$(main_window)")"
  xdotool mousemove $((X + WIDTH - 220)) $((Y + 8)) click --repeat 2 --delay 80 1
  sleep 0.5
}

# The title bar's close button; with nothing unsaved nothing is asked.
close_program() {
  eval "$(xdotool getwindowgeometry --shell "$(main_window)")"
  xdotool mousemove $((X + WIDTH - 15)) $((Y + 10)) click 1
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end when its window was closed"
  wait "$pid"
  local status=$?
  pid=
  [ "$status" -eq 0 ] || fail "closing the window ended the program with status $status"
}

# --- first run: edit an example and save it ---
start_program
keys alt Left Down Down Down Right Down Return  # Help > Example Projects > Gate Example Project
sleep 1

run_box_command 2 2 3 "Define New User Story"  # the project box: Add User Story
type_text "guard"
keys Return
type_text "check"
keys Return
type_text "$story"
keys Return
type_text "Added in the session"
shot "the user story typed"
keys Return Return  # to the derive choice, then OK
wait_until "the user story dialog to close" no_window_named "Define New User Story"

# Three times: a released menu used to be written to after its dialog closed.
for text in "First" "Second" "$description"; do
  run_box_command 2 2 2 "Enter New Description"  # the project box: Change Description
  type_text "$text"
  keys Return
  wait_until "the description dialog to close" no_window_named "Enter New Description"
done

run_box_command 9 9 4 "Enter New Description"  # the first user story: Edit description
type_text "$story_description"
keys Return
wait_until "the story's description dialog to close" no_window_named "Enter New Description"

keys ctrl+z ctrl+z ctrl+z ctrl+z ctrl+z
keys alt Down Down Down Down Return  # File > Save as (below New, Open and Save)
save_through_dialog "$work/a.xml"
grep -q "$story" "$work/a.xml" && fail "undo left the added user story in the saved file"
grep -q "$description" "$work/a.xml" && fail "undo left the changed description in the saved file"
grep -q "$story_description" "$work/a.xml" && fail "undo left the story's description in the saved file"
grep -q "Gate Project" "$work/a.xml" || fail "the saved file is not the Gate example"
cp "$work/a.xml" "$work/undone.xml"

keys ctrl+y ctrl+y ctrl+y ctrl+y ctrl+y ctrl+s
wait_until "Ctrl+S to write the redone edits" grep -q "$story" "$work/a.xml"
grep -q "$description" "$work/a.xml" || fail "redo did not bring back the changed description"
grep -q "$story_description" "$work/a.xml" || fail "redo did not bring back the story's description"
cp "$work/a.xml" "$work/first_save.xml"

is_maximised || fail "the main window does not start maximised: $(net_wm_state)"
double_click_title_bar
wait_until "a double click on the title bar to restore the window" is_restored
double_click_title_bar
wait_until "a second double click on the title bar to maximise the window" is_maximised
net_wm_state | grep -q _NET_WM_STATE_HIDDEN && fail "the double clicks hid the window: $(net_wm_state)"

close_program
[ -e "$work/.a.xml.lock" ] && fail "closing the window left the lock file"

# --- second run: reopen the file and save it under another name ---
start_program
keys ctrl+o
wait_until "the open dialog" window_active "Open Morvanta file"
type_text "$work/a.xml"
keys Return
wait_until "the open dialog to close" no_window_named "Open Morvanta file"
sleep 1
keys alt Down Down Down Return  # File > Save as (the menu skips the disabled Save)
save_through_dialog "$work/b.xml"
close_program

# Reopening and saving again changes nothing but what names the file.
if ! diff "$work/first_save.xml" "$work/b.xml"; then
  fail "the reopened project saved differently"
fi
echo "session steps passed"
