#!/usr/bin/env bash
# The desktop program on a virtual X server, played with real mouse and key events.
#
# usage: run_e2e.sh QUINTEL_BINARY RESULTS_FOLDER [SOLVED_FOLDER]
#
# One whole game at the design size (a screen on which the windows open at factor 1): sign in as a
# new player, send a call from the call dialog, challenge the computer's answer (or take its
# challenge), answer the closing questions with No to "Continue ? ", and check that the player's
# history and profile files appear beside the program; then the reading windows, the statistics
# and the review of the game just played. Then a short run at Qt's scale 2 for the
# high-resolution look, starting the guided first game and opening the call dialog by its key.
# Then, under the openbox window manager on a full HD screen (where the windows open at twice the
# design): a whole game with the keyboard alone, the table resized to three times its design,
# closed from its frame, and opened again at that size; then on a 1366 x 768 screen with the same
# settings, where every window must fit whole. Between them, a game against the Expert with the
# coach shown (it reads the solved games of SOLVED_FOLDER). Screenshots go to RESULTS_FOLDER. With
# E2E_KEEP=1 in the environment the work folder, with the programs' output and files, is left for
# a look.
set -euo pipefail

binary=${1:?usage: run_e2e.sh QUINTEL_BINARY RESULTS_FOLDER}
results=${2:?usage: run_e2e.sh QUINTEL_BINARY RESULTS_FOLDER}
solved_folder=${3:+$(realpath "$3")}
player=Tester

# Geometry of the screens, in twips, as laid out by the game (15 twips to a pixel at scale 1).
client_width_px=312
client_height_px=253
# The table and the call dialog have a status line of 40 pixels under the design area.
status_client_height_px=$((client_height_px + 40))

started=$(date +%s)
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
program_pid=""

log() { echo "e2e [$(($(date +%s) - started))s]: $*"; }
fail() {
    echo "e2e: FAIL: $*" >&2
    local output
    for output in "$work"/program*.log; do
        [ -s "$output" ] && { echo "e2e: what the program wrote ($output):" >&2; tail -n 40 "$output" >&2; }
    done
    if [ -n "${DISPLAY:-}" ]; then
        import -display "$DISPLAY" -window root "$results/e2e-failure.png" 2>/dev/null || true
        echo "e2e: screen at the failure: $results/e2e-failure.png" >&2
    fi
    exit 1
}

stop_program() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    program_pid=""
}

cleanup() {
    stop_program
    stop_display
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb xdotool xprop xdpyinfo import convert openbox; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (packages xvfb, xdotool, x11-utils, imagemagick, openbox)"
done
[ -x "$binary" ] || fail "no program at $binary"
mkdir -p "$results"
rm -f "$results/e2e-failure.png" # from an earlier failed run

# Runs a command every fifth of a second until it succeeds; fails the test after the timeout.
wait_for() { # seconds, description, command...
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(date +%s) + seconds))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "timed out after ${seconds}s waiting for $what"
        if [ -n "$program_pid" ] && ! kill -0 "$program_pid" 2>/dev/null; then
            fail "the program ended while waiting for $what"
        fi
        sleep 0.2
    done
}

stop_display() {
    if [ -n "$wm_pid" ]; then
        kill "$wm_pid" 2>/dev/null || true
        wait "$wm_pid" 2>/dev/null || true
        wm_pid=""
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}

# -noreset: by default the server resets when its last client leaves, and a program started
# during that reset cannot connect.
start_display() { # screen size, as WIDTHxHEIGHT
    local n
    stop_display
    for n in $(seq 90 150); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 "$1x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            if wait_display; then
                return
            fi
            kill "$xvfb_pid" 2>/dev/null || true
            wait "$xvfb_pid" 2>/dev/null || true
            xvfb_pid=""
        fi
    done
    unset DISPLAY
    fail "no free display for Xvfb"
}

wait_display() {
    local tries
    for tries in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# The program runs from a folder of its own, which is where it keeps the player's files.
start_program() { # scale, folder name (default: scale<scale>)
    local folder=$work/${2:-scale$1}
    mkdir -p "$folder"
    cp "$binary" "$folder/quintel"
    # Settings of its own too: a name kept by an earlier run would be in the name box already. A
    # copied program finds no solved games beside it: QUINTEL_SOLVED_DIR names them.
    (cd "$folder" && XDG_CONFIG_HOME="$folder/config" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$1 \
        QUINTEL_SOLVED_DIR=$solved_folder exec ./quintel) \
        >>"$work/program${2:-$1}.log" 2>&1 &
    program_pid=$!
    program_folder=$folder
}

# The visible top-level window with exactly this title, of this window type (NORMAL or DIALOG).
window_of() { # title, type
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "_NET_WM_WINDOW_TYPE_$2\b"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
has_window() { window_of "$@" >/dev/null; }
no_window() { ! window_of "$@" >/dev/null; }

# The message boxes are dialogs titled "Quintel"; the table is the normal window titled with the
# computer it seats after it.
table_title="Quintel — .+"
message_box() { window_of Quintel DIALOG; }
has_message_box() { message_box >/dev/null; }

# Where a window's client area starts and how much bigger than designed it is drawn: the window
# is the menu bar above the client area, without a frame (there is no window manager).
measure() { # window id [client area height in pixels at scale 1]
    eval "$(xdotool getwindowgeometry --shell "$1")"
    scale=$(awk -v w="$WIDTH" -v d="$client_width_px" 'BEGIN { printf "%.3f", w / d }')
    client_x=$X
    client_y=$(awk -v y="$Y" -v h="$HEIGHT" -v d="${2:-$client_height_px}" -v s="$scale" \
        'BEGIN { printf "%d", y + h - d * s }')
}

# mousemove --sync waits out its timeout when the pointer is already there, so no --sync.
pointer_click() { # x y
    xdotool mousemove "$1" "$2" sleep 0.1 click 1
}

# Clicks the middle of a control given in twips (left, top, width, height) of a measured window.
click_twips() { # left top width height
    local x y
    x=$(awk -v o="$client_x" -v s="$scale" -v l="$1" -v w="$3" 'BEGIN { printf "%d", o + (l + w / 2) / 15 * s }')
    y=$(awk -v o="$client_y" -v s="$scale" -v t="$2" -v h="$4" 'BEGIN { printf "%d", o + (t + h / 2) / 15 * s }')
    pointer_click "$x" "$y"
}

shoot() { # window id, file name
    sleep 0.5 # let the window finish painting
    import -window "$1" "$results/$2"
    log "screenshot $results/$2"
}

# Without a window manager a new window opens at the top left, over the game's menu bar.
shoot_aside() { # window title, file name
    local window
    window=$(window_of "$1" NORMAL)
    shoot "$window" "$2"
    xdotool windowmove "$window" 640 0
    sleep 0.3
}

# Answers the message box on top with a key and waits until that box has gone.
answer_box() { # key, what the box should be
    local box
    wait_for 60 "the message box: $2" has_message_box
    box=$(message_box)
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    sleep 0.2
    xdotool key "$1"
    wait_for 10 "the message box ($2) to close after $1" box_gone "$box"
    log "answered '$2' with $1"
}
box_gone() { ! xdotool search --onlyvisible --name '^Quintel$' 2>/dev/null | grep -qx "$1"; }

# Welcome screen, control places in twips.
txtName=(1440 810 1935 285)
btnOK=(1920 2400 975 495)
# Table.
Call1=(3600 2760 735 375)
XTrust=(2640 3240 735 375)
# Call dialog: the option button for `count` dice of face `face`, and OK.
option_twips() { # face count
    echo $((960 + 120 + 360 * $2)) $((600 + 480 * ($1 - 1))) 255 255
}
CallOK=(3480 2280 735 375)

sign_in() { # screenshot name prefix
    wait_for 30 "the welcome screen" has_window WELCOME NORMAL
    local welcome
    welcome=$(window_of WELCOME NORMAL)
    measure "$welcome"
    log "welcome screen at $client_x,$client_y, drawn at scale $scale"
    shoot "$welcome" "$1welcome.png"
    click_twips "${txtName[@]}"
    xdotool type --delay 40 "$player"
    click_twips "${btnOK[@]}"
    wait_for 30 "the table after signing in" has_window "$table_title" NORMAL
    wait_for 10 "the welcome screen to close" no_window WELCOME NORMAL
    table=$(window_of "$table_title" NORMAL)
    measure "$table" "$status_client_height_px"
    log "signed in as $player; table at $client_x,$client_y"
    shoot "$table" "$1table.png"
}

open_call_dialog() { # screenshot name prefix, "key" to press C instead of clicking Call
    if [ "${2:-}" = key ]; then
        xdotool key c
    else
        click_twips "${Call1[@]}"
    fi
    wait_for 20 "the call dialog" has_window Call DIALOG
    dialog=$(window_of Call DIALOG)
    measure "$dialog" "$status_client_height_px"
    # Two sixes: the preview shows them as the option buttons are clicked.
    click_twips $(option_twips 6 2)
    shoot "$dialog" "$1call.png"
}

# The computer either challenges the player's call (its verdict appears) or calls back, which
# enables XTrust; the player does not trust it. A click on XTrust while it is disabled does
# nothing.
end_with_challenge() { # what the computer is doing, for the messages
    local deadline=$(($(date +%s) + 90))
    until has_message_box; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "timed out waiting for $1 to end"
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended during $1"
        click_twips "${XTrust[@]}"
        sleep 1
    done
}

whole_game() {
    start_program 1
    sign_in "design-"
    open_call_dialog "design-"
    click_twips "${CallOK[@]}"
    wait_for 20 "the call dialog to close after OK" no_window Call DIALOG
    log "call sent"

    measure "$table" "$status_client_height_px"
    end_with_challenge "the computer's turn"
    shoot root "verdict.png"

    answer_box Return "the verdict: who did not trust, the call and the dice"
    answer_box Return "the result"
    answer_box n "Continue ? "
    answer_box Return "the tally of games played and won"
    wait_for 20 "the welcome screen after No" has_window WELCOME NORMAL
    wait_for 10 "the table to close after No" no_window "$table_title" NORMAL
    log "back at the welcome screen"

    local history="$program_folder/${player}_0.txt" profile="$program_folder/${player}Profile.txt"
    wait_for 10 "the history file $history" test -f "$history"
    wait_for 10 "the profile file $profile" test -f "$profile"
    [ "$(head -c $((${#player} + 10)) "$history" | od -An -c | tr -s ' ')" = \
        "$(printf '%s HISTORY\r\n' "$player" | od -An -c | tr -s ' ')" ] ||
        fail "the history file does not start with '$player HISTORY' CR LF: $(head -1 "$history" | od -c | head -2)"
    [ "$(wc -l <"$profile")" -eq 10 ] || fail "the profile file has $(wc -l <"$profile") lines, not 10"
    grep -qvP '^\d+\t\d+\r$' "$profile" && fail "the profile file has a line that is not two numbers"
    log "history and profile files written"
    reading_windows
    stop_program
}

# Clicks a menu bar entry of a measured window: x is where the entry sits at scale 1, in pixels.
click_menu() { # x
    local x y
    x=$(awk -v o="$X" -v s="$scale" -v e="$1" 'BEGIN { printf "%d", o + e * s }')
    y=$(((Y + client_y) / 2))
    pointer_click "$x" "$y"
}

# The rules, help, about and profile windows from the welcome screen's menu.
reading_windows() {
    local welcome
    welcome=$(window_of WELCOME NORMAL)
    measure "$welcome"
    click_menu 64
    wait_for 10 "the rules window" has_window "Rules of Quintel" NORMAL
    shoot_aside "Rules of Quintel" rules.png
    click_menu 110
    wait_for 10 "the about window" has_window "About Quintel" NORMAL
    shoot_aside "About Quintel" about.png
    # Help is a menu: its first entry is the help page, the second the profile chart.
    click_menu 24
    sleep 0.5
    xdotool key Down Return
    wait_for 10 "the help window" has_window "Playing Quintel" NORMAL
    shoot_aside "Playing Quintel" help.png
    click_menu 24
    sleep 0.5
    xdotool key Down Down Return
    # Back at the welcome screen, the chart is still the profile of the player who just stopped.
    wait_for 10 "the profile chart" has_window "Profile of $player" NORMAL
    shoot_aside "Profile of $player" profile.png
    statistics_and_review
}

# Keys to a window of the program: without a window manager it takes the focus when told to.
keys_to() { # window id, keys...
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 0.2
    xdotool key "$@"
}

# The statistics of the game just played, each of its tabs, and the review of that game stepped
# through to its end.
statistics_and_review() {
    local statistics review tab
    click_menu 24
    sleep 0.5
    xdotool key Down Down Down Return
    wait_for 10 "the statistics window" has_window "Statistics of $player" NORMAL
    statistics=$(window_of "Statistics of $player" NORMAL)
    shoot "$statistics" statistics-games-and-wins.png
    for tab in win-rates calls dice games; do
        keys_to "$statistics" ctrl+Tab
        shoot "$statistics" "statistics-$tab.png"
    done
    # The list of games opens at its newest game: Review shows it.
    keys_to "$statistics" alt+r
    wait_for 10 "the review of the game" has_window "Review of game 1" NORMAL
    review=$(window_of "Review of game 1" NORMAL)
    xdotool windowmove "$review" 0 0
    shoot "$review" review-first-call.png
    keys_to "$review" End
    shoot "$review" review-end.png
    log "statistics and review shown"
}

# The player chose German in the settings: the menu bar and the help speak it (the screens'
# captions are the game's own).
scale_two() {
    mkdir -p "$work/scale2/config/Quintel"
    printf '[preferences]\nlanguage=de\n' >"$work/scale2/config/Quintel/Quintel.conf"
    start_program 2
    sign_in "scale2-"
    # A new player is offered the guided first game, with the focus: Space plays it.
    xdotool key space
    shoot "$table" scale2-guide.png
    # The table opens ready for keys: C opens the call dialog.
    open_call_dialog "scale2-" key
    xdotool key Escape
    wait_for 10 "the call dialog to close" no_window Call DIALOG
    # Hilfe, its first entry: the help page, titled in German.
    measure "$table" "$status_client_height_px"
    click_menu 24
    sleep 0.5
    xdotool key Down Return
    wait_for 10 "the help page in German" has_window "Quintel spielen" NORMAL
    shoot_aside "Quintel spielen" scale2-help-de.png
    stop_program
}

# A window manager on the display: openbox, once it has taken the screen.
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 20 "openbox to manage the screen" wm_running
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

. "$(dirname "$0")/window_manager_game.sh"
. "$(dirname "$0")/expert_game.sh"

# On this screen the windows open at the design size.
start_display 1024x768
log "Xvfb on $DISPLAY, 1024 x 768"
whole_game
expert_game
start_display 1280x1024
log "Xvfb on $DISPLAY, 1280 x 1024"
scale_two
start_display 1920x1080
start_window_manager
log "Xvfb on $DISPLAY, 1920 x 1080, with openbox"
window_manager_game
start_display 1366x768
start_window_manager
log "Xvfb on $DISPLAY, 1366 x 768, with openbox"
smaller_screen_game
log "passed in $(($(date +%s) - started))s"
