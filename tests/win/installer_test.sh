#!/usr/bin/env bash
# The setup program under Wine, in a prefix of its own: a silent install, the
# installed program starting (its window appears, the settings file is
# created), a silent upgrade while it runs, then a silent uninstall that removes
# the program folder and keeps the user's files. Run by scripts/isolated it
# uses the fresh copy of the prepared prefix it was given; otherwise it makes
# a prefix in WORK_FOLDER.
#   installer_test.sh SETUP_EXE WORK_FOLDER
set -euo pipefail
setup=$(readlink -f "$1")
work=$2
here=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${R58_ISOLATED:-}" ]; then
  rm -rf "$work"
  export WINEPREFIX=$(readlink -f "$work")/prefix
  "$here/scripts/wine-prefix" "$WINEPREFIX"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
fail() { echo "FAIL: $*"; wineserver -k 2>/dev/null || true; exit 1; }
wait_for() {  # seconds, command...
  local limit=$1; shift
  for _ in $(seq 1 $((limit * 5))); do "$@" && return 0; sleep 0.2; done
  return 1
}
window() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
no_window() { ! window "$1"; }

program_dir="$WINEPREFIX/drive_c/Program Files/Kestrelon/R58"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KestrelonR58'

echo "install"
wine "$setup" /S
wineserver -w
for f in KestrelonR58.exe hid.exe KBHook.dll r58ctl.exe Uninstall.exe Lan/skin_En.ini \
         Lan/skin_Cs.ini skins/ball.png Help/Help.pdf; do
  [ -f "$program_dir/$f" ] || fail "not installed: $f"
done
wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -q "DisplayVersion" || fail "no uninstall entry"
wine reg query "$key" /v Publisher 2>/dev/null | grep -q "Kestrelon" || fail "no publisher"
ls "$WINEPREFIX"/drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs/*.lnk 2>/dev/null |
  grep -q "Kestrelon R58.lnk" || fail "no Start-menu shortcut"

echo "start the installed program"
wine "C:\\Program Files\\Kestrelon\\R58\\KestrelonR58.exe" &
wait_for 30 window "Kestrelon R58" || fail "the installed program shows no window"
settings=$(ls "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Kestrelon/R58/GamingMouse 2>/dev/null | head -1)
[ -n "$settings" ] || fail "the installed program wrote no settings file"
window "Kestrelon_R58_Hid" || xdotool search --name "^Kestrelon_R58_Hid\$" >/dev/null ||
  echo "(the device service window is hidden)"

echo "upgrade while the program and the service run"
wine "$setup" /S
wineserver -w 2>/dev/null &
wait_for 30 no_window "Kestrelon R58" || fail "the upgrade left the program running"
[ -f "$program_dir/KestrelonR58.exe" ] || fail "the upgrade removed the program"

echo "uninstall"
before=$(sha1sum "$settings" | cut -d' ' -f1)
wine "C:\\Program Files\\Kestrelon\\R58\\Uninstall.exe" /S
wait_for 60 test ! -e "$program_dir" || fail "the program folder is still there"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is still there"
[ -f "$settings" ] || fail "the uninstall removed the user's settings"
[ "$(sha1sum "$settings" | cut -d' ' -f1)" = "$before" ] || fail "the uninstall changed the settings"
ls "$WINEPREFIX"/drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs/ 2>/dev/null |
  grep -q "Kestrelon R58.lnk" && fail "the shortcut is still there"
wineserver -k 2>/dev/null || true
echo "installer: install, start, upgrade and uninstall passed"
