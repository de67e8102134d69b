#!/usr/bin/env bash
# Retakes the window screenshots in docs/screenshots on a virtual X server:
# a real run of a few help files in progress (status bar, converting row),
# the error report question that follows a run with a broken file, the
# window after the run, the details of the failed file, the options dialog
# with a marked key, and the about card; in English on a 1280x800 screen, then on a 640x480 screen
# (names ending in -640) and in German (names ending in -de). Needs a build
# (build/bin/pellin), LibreOffice, xvfb, xdotool and scrot
# (scripts/packages.txt).
#   scripts/take-screenshots.sh [build/bin/pellin] [folder of .chm files]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$here/build/bin/pellin}")
samples=$(realpath "${2:-$here/../shared/chm/real}")
shots=$here/docs/screenshots
work=/tmp/pellin-shots
display=${DISPLAY_FOR_SHOTS:-:77}  # another number where :77 is taken

xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  app="" xvfb=""
}
trap cleanup EXIT

# screen, LANGUAGE, locale, suffix, then the keys of the File menu, of the
# options dialog's Discard and of About, and the options dialog's title
shoot() {
  local screen=$1 language=$2 locale=$3 suffix=$4 file_menu=$5 discard=$6 about_key=$7
  local options_title=$8
  rm -rf "$work" && mkdir -p "$work/src" "$work/out"
  # Three files, the larger ones first, so the run is caught in the middle.
  for name in faxir-courseproject-help aoe-minder-help dreamvb-mybasic-help; do
    cp "$samples/$name.chm" "$work/src/"
  done
  # A broken file, so that the run ends with a failure.
  cp "$samples/../malformed/empty.chm" "$work/src/broken-manual.chm"

  Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  app=""
  export DISPLAY=$display
  sleep 1

  grab() {  # window id, file
    eval "$(xdotool getwindowgeometry --shell "$1")"
    scrot -o -a "$X,$Y,$WIDTH,$HEIGHT" "$2"
  }
  wait_for_pdfs() {  # count
    for _ in $(seq 1 600); do
      [ "$(find "$work/out" -name '*.pdf' -not -name '.*' | wc -l)" -ge "$1" ] && return 0
      sleep 0.5
    done
    echo "take-screenshots: the run did not produce $1 PDF files" >&2
    return 1
  }

  LANGUAGE=$language LANG=$locale "$exe" "-P:Source=$work/src/*.chm,Target=$work/out,ThreadsCount=1" &
  app=$!
  main=$(xdotool search --sync --onlyvisible --name '^Pellin Convertor')
  xdotool windowfocus --sync "$main"
  xdotool key --window "$main" F5               # Convert
  wait_for_pdfs 1
  sleep 0.7                                     # the next row converts
  grab "$main" "$shots/run-in-progress$suffix.png"
  wait_for_pdfs 3
  # The error report question, the program's other window after the run.
  local question=""
  for _ in $(seq 1 40); do
    sleep 0.5
    question=$(xdotool search --onlyvisible --pid "$app" | grep -v "^$main\$" | head -1 || true)
    [ -n "$question" ] && break
  done
  if [ -n "$question" ]; then
    sleep 0.5
    grab "$question" "$shots/error-report-question$suffix.png"
    xdotool windowfocus --sync "$question"
    xdotool key Escape                          # Don't Send
  else
    echo "take-screenshots: the error report question did not show" >&2
  fi
  sleep 1
  grab "$main" "$shots/main-window$suffix.png"

  # The broken file's row, found in the order the search lists the folder,
  # selected from the keyboard; the details pane shows under the list.
  local row
  row=$(ls -U "$work/src" | grep -n '^broken-manual' | cut -d: -f1)
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove --window "$main" 300 $((HEIGHT - 60)) click 1   # the list's empty part
  xdotool key Home
  for _ in $(seq 2 "$row"); do xdotool key Down; done
  sleep 1
  grab "$main" "$shots/failed-job-details$suffix.png"

  # The options dialog from the File menu: a key with a slip in it, OK, then
  # "Go Back".
  xdotool key --window "$main" "$file_menu" p
  config=$(xdotool search --sync --onlyvisible --name "^$options_title\$")
  xdotool windowfocus --sync "$config"
  xdotool key --window "$config" ctrl+End Return
  xdotool type --window "$config" 'ThreadCount=2'
  xdotool key --window "$config" alt+o               # OK
  sleep 1
  xdotool key Escape                                 # "Go Back"
  sleep 1
  grab "$config" "$shots/options$suffix.png"
  xdotool windowfocus --sync "$config"
  xdotool key Escape                                 # asks about the edit
  sleep 1
  xdotool key "$discard"                             # and drops it
  sleep 1

  # The about card, from the Help menu; it has no title, so it is found as the
  # program's other visible window.
  xdotool windowfocus --sync "$main"
  xdotool key --window "$main" alt+h
  sleep 0.5
  xdotool key "$about_key"
  about=""
  for _ in $(seq 1 20); do
    sleep 0.5
    about=$(xdotool search --onlyvisible --pid "$app" | grep -v "^$main\$" | head -1 || true)
    [ -n "$about" ] && break
  done
  if [ -n "$about" ]; then
    grab "$about" "$shots/about$suffix.png"
  else
    echo "take-screenshots: the about card did not show" >&2
  fi
  cleanup
}

shoot 1280x800 en en_US.UTF-8 "" alt+f alt+d a Options
shoot 640x480 en en_US.UTF-8 -640 alt+f alt+d a Options
shoot 1280x800 de de_DE.UTF-8 -de alt+d alt+v b Optionen
echo "Screenshots written to $shots"
