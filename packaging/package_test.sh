#!/usr/bin/env bash
# The Debian package of a build: packed by CPack, unpacked with dpkg -x into a scratch root, every
# file where the desktop looks, and the program started from there on a virtual X server. It
# reaches its welcome window, and signing in against the Expert seats the Expert: its solved
# games are found from the installed program's own place, with nothing of the build compiled in.
#
# usage: package_test.sh BUILD_FOLDER SOURCE_FOLDER APP_ID
set -euo pipefail

usage="usage: package_test.sh BUILD_FOLDER SOURCE_FOLDER APP_ID"
build=$(realpath "${1:?$usage}")
source=$(realpath "${2:?$usage}")
app_id=${3:?$usage}
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    local pid
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/program.log" ] && { echo "the program wrote:" >&2; cat "$work/program.log" >&2; }
    exit 1
}
wait_for() { # tenths of a second, description, command...
    local tenths=$1 what=$2
    shift 2
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        [ -z "$program_pid" ] || kill -0 "$program_pid" 2>/dev/null || fail "the program ended waiting for $what"
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

(cd "$work" && cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake") \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack could not pack the build"; }
package=$(ls "$work"/package/quintel_*.deb)
dpkg-deb --field "$package" Package Depends Section >"$work/fields"
grep -qx 'Package: quintel' "$work/fields" || fail "the package is not named quintel"
grep -q 'libqt6widgets6' "$work/fields" || fail "the package does not depend on Qt: $(cat "$work/fields")"
dpkg -x "$package" "$work/root"
usr=$work/root/usr
for file in bin/quintel "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" "share/icons/hicolor/16x16/apps/$app_id.png" \
    "share/icons/hicolor/256x256/apps/$app_id.png" share/quintel/solved/none.qsolved; do
    [ -e "$usr/$file" ] || fail "the package lacks /usr/$file"
done
for tree in "$build" "$source"; do
    ! grep -aqF "$tree" "$usr/bin/quintel" || fail "the installed program names a folder of $tree"
done
echo "packed $(basename "$package"): $(du -k "$package" | cut -f1) KiB"

for n in $(seq 230 280); do
    [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && break
done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
wait_for 50 "the virtual X server" xdpyinfo >/dev/null 2>&1

# The last sign-in offers a player who plays the Expert; the installed program finds no solved
# games but its own.
mkdir -p "$work/home/.config/Quintel"
printf '[lastSignIn]\nname=Tester\nopponent=expert\n' >"$work/home/.config/Quintel/Quintel.conf"
(cd "$work" && unset QUINTEL_SOLVED_DIR && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=xcb exec "$usr/bin/quintel") \
    >"$work/program.log" 2>&1 &
program_pid=$!
window() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_for 200 "the welcome window" window WELCOME
welcome=$(xdotool search --onlyvisible --name '^WELCOME$' | head -1)
xdotool windowfocus --sync "$welcome" 2>/dev/null || true
xdotool key Return
# The table's title names the computer it seats.
wait_for 100 "the table after signing in, with the Expert" window "Quintel — Expert"
sleep 1
# A message titled Quintel beside the table would say that the Expert cannot play.
[ "$(xdotool search --onlyvisible --name '^Quintel$' | wc -l)" -eq 0 ] ||
    fail "a message came at sign-in: the Expert did not take its seat"
history=$(find "$usr/bin" "$work/home" -name 'Tester_*.txt' | head -1)
[ -n "$history" ] || fail "no history file of the sign-in"
[ "$(sed -n 3p "$history")" = $'Opponent : Expert\r' ] ||
    fail "the history does not name the Expert: $(head -3 "$history" | od -c | head -3)"
echo "PASS: the installed program reached its welcome window and seated the Expert"
