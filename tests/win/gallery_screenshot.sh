#!/usr/bin/env bash
# Photographs the control gallery from the X server into screenshots/gallery.png
# of the program folder, and checks that the picture shows the dark skin with
# its many colours rather than an unpainted window.
set -euo pipefail
program_dir=$1
out=$program_dir/screenshots/gallery.png
mkdir -p "$(dirname "$out")"
"$(dirname "$0")/../../scripts/wine-exec" "$program_dir/control_gallery.exe" &
pid=$!
id=""
for _ in $(seq 1 150); do
  id=$(xdotool search --name '^Kestrelon control gallery$' 2>/dev/null | head -1 || true)
  [ -n "$id" ] && break
  sleep 0.2
done
if [ -z "$id" ]; then
  echo "the gallery window did not appear"
  kill "$pid" 2>/dev/null || true
  exit 1
fi
sleep 2
# The screen, not the window alone: the open menu and its submenu are windows
# of their own and stand partly outside the gallery.
eval "$(xdotool getwindowgeometry --shell "$id")"
import -window root -crop "$((WIDTH + 200))x${HEIGHT}+${X}+${Y}" +repage "$out"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
mean=$(convert "$out" -colorspace Gray -format '%[fx:mean]' info:)
colours=$(convert "$out" -format '%k' info:)
echo "gallery: mean brightness $mean, $colours colours: $out"
awk -v m="$mean" -v c="$colours" 'BEGIN { exit !(m < 0.35 && c > 50) }'
