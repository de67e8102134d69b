#!/usr/bin/env bash
# Retakes the window screenshots in docs/screenshots on a virtual X server:
# a real run of a few help files in progress (status bar, converting row),
# the error report question that follows a run with a broken file, the
# window after the run, the details of the failed file, the options dialog
# with a marked key, and the about card. Needs a build (build/bin/pellin), LibreOffice, xvfb, xdotool
# and scrot (scripts/packages.txt).
#   scripts/take-screenshots.sh [build/bin/pellin] [folder of .chm files]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$here/build/bin/pellin}")
samples=$(realpath "${2:-$here/../shared/chm/real}")
shots=$here/docs/screenshots
work=/tmp/pellin-shots
display=:77

rm -rf "$work" && mkdir -p "$work/src" "$work/out"
# Three files, the larger ones first, so the run is caught in the middle.
for name in faxir-courseproject-help aoe-minder-help dreamvb-mybasic-help; do
  cp "$samples/$name.chm" "$work/src/"
done
# A broken file, so that the run ends with a failure.
cp "$samples/../malformed/empty.chm" "$work/src/broken-manual.chm"

Xvfb "$display" -screen 0 1280x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

grab() {  # window id, file
  eval "$(xdotool getwindowgeometry --shell "$1")"
  scrot -o -a "$X,$Y,$WIDTH,$HEIGHT" "$2"
}
wait_for_pdfs() {  # count
  for _ in $(seq 1 600); do
    [ "$(find "$work/out" -name '*.pdf' | wc -l)" -ge "$1" ] && return 0
    sleep 0.5
  done
  echo "take-screenshots: the run did not produce $1 PDF files" >&2
  return 1
}

"$exe" "-P:Source=$work/src/*.chm,Target=$work/out,ThreadsCount=1" &
app=$!
main=$(xdotool search --sync --onlyvisible --name '^Pellin Convertor')
xdotool windowfocus --sync "$main"
xdotool key --window "$main" alt+c            # Convert
wait_for_pdfs 1
sleep 0.7                                     # the next row converts
grab "$main" "$shots/run-in-progress.png"
wait_for_pdfs 3
# The error report question, the program's other window after the run.
question=""
for _ in $(seq 1 40); do
  sleep 0.5
  question=$(xdotool search --onlyvisible --pid "$app" | grep -v "^$main\$" | head -1 || true)
  [ -n "$question" ] && break
done
if [ -n "$question" ]; then
  sleep 0.5
  grab "$question" "$shots/error-report-question.png"
  xdotool windowfocus --sync "$question"
  xdotool key Escape                          # Don't Send
else
  echo "take-screenshots: the error report question did not show" >&2
fi
sleep 1
grab "$main" "$shots/main-window.png"

# The broken file's row, found in the order the search lists the folder,
# selected from the keyboard; the details pane shows under the list.
row=$(ls -U "$work/src" | grep -n '^broken-manual' | cut -d: -f1)
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 300 $((HEIGHT - 60)) click 1   # the list's empty part
xdotool key Home
for _ in $(seq 2 "$row"); do xdotool key Down; done
sleep 1
grab "$main" "$shots/failed-job-details.png"

# The options dialog: a key with a slip in it, Ok, then "Go Back".
xdotool mousemove --window "$main" 250 12 click 1   # Config, third on the tool bar
config=$(xdotool search --sync --onlyvisible --name '^Config$')
xdotool windowfocus --sync "$config"
xdotool key --window "$config" ctrl+End Return
xdotool type --window "$config" 'ThreadCount=2'
xdotool key --window "$config" alt+o               # Ok
sleep 1
xdotool key Escape                                 # "Go Back"
sleep 1
grab "$config" "$shots/options.png"
xdotool windowfocus --sync "$config"
xdotool key Escape                                 # closes the dialog
sleep 1

# The about card, from the last button of the tool bar; it has no title, so
# it is found as the program's other visible window.
xdotool mousemove --window "$main" 985 12 click 1
about=""
for _ in $(seq 1 20); do
  sleep 0.5
  about=$(xdotool search --onlyvisible --pid "$app" | grep -v "^$main\$" | head -1 || true)
  [ -n "$about" ] && break
done
if [ -n "$about" ]; then
  grab "$about" "$shots/about.png"
else
  echo "take-screenshots: the about card did not show" >&2
fi
echo "Screenshots written to $shots"
