#!/usr/bin/env bash
# Takes the README's screenshots from the real program under a virtual display.
# Needs xvfb, xdotool and imagemagick; run after scripts/play.sh has built the game.
set -euo pipefail
cd "$(dirname "$0")/.."
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
sleep 1
build/play/app/quorvane >/dev/null 2>&1 &
game=$!
sleep 2
window() { xdotool search --onlyvisible --name Quorvane | tail -1; }
mkdir -p docs
title=$(window)
import -window "$title" docs/title.png
# NEW GAME, a band name and two hires.
eval "$(xdotool getwindowgeometry --shell "$title")"
xdotool mousemove $((X + 210)) $((Y + 301)) click 1
sleep 1
xdotool type --delay 20 "The Velvet Amps"
xdotool key Return
sleep 1
main=$(window)
eval "$(xdotool getwindowgeometry --shell "$main")"
for _ in 1 2; do xdotool mousemove $((X + 723)) $((Y + 573)) click 1; sleep 0.5; done
import -window "$main" docs/main.png
# GAME OPTIONS opens the file options screen over the main screen.
xdotool mousemove $((X + 763)) $((Y + 439)) click 1
sleep 1.5
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/fileoptions.png
