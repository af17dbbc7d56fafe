# Part of run_e2e.sh: the game under a window manager, played with the keyboard alone, on a screen
# where the windows open at twice their design; then the same player, with the sizes kept there,
# on a smaller screen, where every window must fit whole. Uses run_e2e.sh's helpers.

design_width=312  # the design area of every screen, in pixels at factor 1
design_height=253
# The table and the call dialog have a status line of 40 pixels under their design area.
table_design_height=$((design_height + 40))

# The factor a window draws its design at, from its inside width (the design fills the width when
# the window has the design's shape).
factor_of() { # window id
    eval "$(xdotool getwindowgeometry --shell "$1")"
    awk -v w="$WIDTH" -v d="$design_width" 'BEGIN { printf "%.2f", w / d }'
}

expect_factor() { # window id, what, factor
    local factor
    factor=$(factor_of "$1")
    awk -v a="$factor" -v b="$3" 'BEGIN { exit !(a - b < 0.02 && b - a < 0.02) }' ||
        fail "$2 is drawn at factor $factor, not $3"
    log "$2 at factor $factor"
}

# Sends keys to whatever window has the focus, as a player's keyboard does.
press() { xdotool key --delay 120 "$@"; }

# The side of the table's dice as drawn, from a screenshot of the table: the height of the box
# around every red pixel (the dice are the only red on the table, light pips and the white logs
# aside), and its width, which spans the five dice.
measure_dice() { # screenshot
    convert "$1" -fuzz 20% -fill black -opaque white -fill white -opaque '#C00000' \
        -fill black +opaque white -trim -format '%w %h\n' info:
}

expect_dice() { # screenshot, factor
    local span side
    read -r span side < <(measure_dice "$1")
    # A die's face is four fifths of its 25 pixel button; the five buttons stand 32 pixels apart.
    awk -v s="$side" -v f="$2" 'BEGIN { exit !(s >= 20 * f - 2 && s <= 20 * f + 2) }' ||
        fail "the dice in $1 are $side pixels high, not about $((20 * ${2%.*})) at factor $2"
    awk -v w="$span" -v f="$2" 'BEGIN { exit !(w >= 148 * f - 3 && w <= 148 * f + 3) }' ||
        fail "the dice in $1 span $span pixels, not about 148 × $2"
    log "dice in $1: $side pixels each, $span pixels for all five"
}

centre_of() { # window id
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}

expect_centred_on() { # box id, window id
    local bx by wx wy
    read -r bx by < <(centre_of "$1")
    read -r wx wy < <(centre_of "$2")
    [ $((bx > wx ? bx - wx : wx - bx)) -le 16 ] && [ $((by > wy ? by - wy : wy - by)) -le 24 ] ||
        fail "the message box stands at $bx,$by, not centred on the table at $wx,$wy"
    log "message box centred on the table ($bx,$by against $wx,$wy)"
}

# The history file's calls, byte for byte: the header, the player's call of two sixes with no
# dice fixed, and the computer's call back if it made one.
expect_history() { # history file, whether the computer called back (yes/no)
    local history=$1
    [ "$(head -c 18 "$history" | od -An -c | tr -s ' ')" = \
        "$(printf '%s HISTORY\r\n\r\n' "$player" | od -An -c | tr -s ' ')" ] ||
        fail "the history file does not start with '$player HISTORY' and an empty options line"
    grep -qaxF "$(printf '%s Call: 66\r' "$player")" "$history" ||
        fail "the history file has no line '$player Call: 66' CR LF: $(od -c "$history" | head -20)"
    grep -qaxF "$(printf '%s Fix: \r' "$player")" "$history" ||
        fail "the history file has no line '$player Fix: ' CR LF"
    if [ "$2" = yes ]; then
        grep -qaxE "$(printf 'AI Call: [1-6]{1,5}\r')" "$history" ||
            fail "the history file has no line of the computer's call"
    fi
    log "history file holds the calls"
}

window_manager_game() {
    local welcome table dialog box called_back=no
    start_program 1 openbox
    wait_for 30 "the welcome screen" has_window WELCOME NORMAL
    welcome=$(window_of WELCOME NORMAL)
    expect_factor "$welcome" "the welcome screen, opened for the first time" 2
    shoot "$welcome" factor2-welcome.png

    # The name box has the focus: the name, then Return for OK.
    xdotool type --delay 40 "$player"
    press Return
    wait_for 30 "the table after signing in" has_window "$table_title" NORMAL
    table=$(window_of "$table_title" NORMAL)
    expect_factor "$table" "the table" 2
    shoot "$table" factor2-table.png

    # C opens the call dialog, the face keys compose the call, Return sends it.
    press c
    wait_for 20 "the call dialog" has_window Call DIALOG
    dialog=$(window_of Call DIALOG)
    expect_factor "$dialog" "the call dialog" 2
    press 6 6
    shoot "$dialog" factor2-call.png
    press Return
    wait_for 20 "the call dialog to close after Return" no_window Call DIALOG
    log "call sent with the keyboard"

    # The computer challenges (its verdict appears) or calls back, and X does not trust that.
    local deadline=$(($(date +%s) + 60))
    until has_message_box; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "timed out waiting for the computer's turn to end"
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended during the computer's turn"
        if xdotool getactivewindow 2>/dev/null | grep -qx "$table"; then
            press x
            called_back=yes
        fi
        sleep 0.5
    done
    box=$(message_box)
    expect_centred_on "$box" "$table"
    shoot root factor2-verdict.png
    answer_box Return "the verdict"
    answer_box Return "the result"
    # Yes: the next game starts, with fresh dice on the table.
    answer_box y "Continue ? "
    expect_history "$program_folder/${player}_0.txt" "$called_back"

    # Three times the design, by the window manager.
    # Moved to the top first: the window manager keeps a window inside the screen.
    xdotool windowmove --sync "$table" 0 0
    eval "$(xdotool getwindowgeometry --shell "$table")"
    xdotool windowsize "$table" $((3 * design_width)) $((HEIGHT + table_design_height))
    wait_for 10 "the table to take its new size" test "$(factor_of "$table")" = 3.00
    expect_factor "$table" "the table, resized" 3
    shoot "$table" factor3-table.png
    expect_dice "$results/factor2-table.png" 2
    expect_dice "$results/factor3-table.png" 3

    # Closed from its frame mid-game: the program asks first, and Return keeps the table.
    xdotool windowactivate --sync "$table"
    press alt+F4
    wait_for 10 "the question about the game in progress" has_message_box
    shoot "$(message_box)" leave-game-question.png
    answer_box Return "leave the game in progress (the default, No)"
    kill -0 "$program_pid" 2>/dev/null || fail "the default answer to the question ended the program"
    has_window "$table_title" NORMAL || fail "the table went after No"
    # Yes ends the game uncounted, and the profile of the decided game is kept.
    xdotool windowactivate --sync "$table"
    press alt+F4
    answer_box alt+y "leave the game in progress (Yes)"
    local profile="$program_folder/${player}Profile.txt"
    deadline=$(($(date +%s) + 20))
    while kill -0 "$program_pid" 2>/dev/null; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "the program did not end after Alt+F4 on the table"
        sleep 0.2
    done
    program_pid=""
    [ -f "$profile" ] || fail "no profile file $profile after closing the table from its frame"
    [ "$(wc -l <"$profile")" -eq 10 ] || fail "the profile file has $(wc -l <"$profile") lines"
    grep -qvP '^\d+\t\d+\r$' "$profile" && fail "the profile file has a line that is not two numbers"
    log "closed from the frame; profile saved"

    # The next run opens each window at the size the player left it.
    start_program 1 openbox
    wait_for 30 "the welcome screen again" has_window WELCOME NORMAL
    welcome=$(window_of WELCOME NORMAL)
    expect_factor "$welcome" "the welcome screen, opened again" 2
    press Return # the name of the last sign-in is offered
    wait_for 30 "the table again" has_window "$table_title" NORMAL
    table=$(window_of "$table_title" NORMAL)
    expect_factor "$table" "the table, opened again" 3
    shoot "$table" reopened-table.png
    stop_program
}

# Where a framed window's inside lies on the screen, as X Y WIDTH HEIGHT: xdotool getwindowgeometry
# adds the frame's offset to it once more, xwininfo does not.
inside_of() { # window id
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# The window with its frame (as the window manager says it in _NET_FRAME_EXTENTS) lies wholly on
# the screen.
expect_on_screen() { # window id, what
    local extents left right top bottom width height X Y WIDTH HEIGHT
    read -r X Y WIDTH HEIGHT < <(inside_of "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
    read -r left right top bottom <<<"${extents:-0 0 0 0}"
    read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
    [ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] && [ $((X + WIDTH + right)) -le "$width" ] &&
        [ $((Y + HEIGHT + bottom)) -le "$height" ] ||
        fail "$2 reaches off the ${width}x$height screen: ${WIDTH}x$HEIGHT at $X,$Y within a frame of $left $right $top $bottom"
    log "$2 on the screen: ${WIDTH}x$HEIGHT at $X,$Y"
}

# The settings and files of the full HD screen on a 1366 x 768 screen: the table kept at three
# times its design no longer fits and is scaled down; every window, message box and reading window
# opens whole on the screen. A player with a long name signs in: the logs show it cut short, each
# call on one line, and the history keeps it whole.
long_player="Maximiliane-Alexandrina von Hohenberg"

smaller_screen_game() {
    local welcome table dialog box window
    start_program 1 openbox
    wait_for 30 "the welcome screen on the smaller screen" has_window WELCOME NORMAL
    welcome=$(window_of WELCOME NORMAL)
    expect_on_screen "$welcome" "the welcome screen"
    press ctrl+a
    xdotool type --delay 20 "$long_player"
    press Return
    wait_for 30 "the table on the smaller screen" has_window "$table_title" NORMAL
    table=$(window_of "$table_title" NORMAL)
    sleep 0.5 # the frame comes after the window
    expect_on_screen "$table" "the table kept at factor 3"
    shoot root small-table.png
    press c
    wait_for 20 "the call dialog" has_window Call DIALOG
    dialog=$(window_of Call DIALOG)
    sleep 0.5
    expect_on_screen "$dialog" "the call dialog"
    press 6 6
    shoot root small-call.png
    press Return
    wait_for 20 "the call dialog to close after Return" no_window Call DIALOG
    local deadline=$(($(date +%s) + 60))
    until has_message_box; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "timed out waiting for the computer's turn to end"
        if xdotool getactivewindow 2>/dev/null | grep -qx "$table"; then
            press x
        fi
        sleep 0.5
    done
    box=$(message_box)
    sleep 0.5
    expect_on_screen "$box" "the verdict's message box"
    expect_centred_on "$box" "$table"
    shoot root small-verdict.png
    answer_box Return "the verdict"
    answer_box Return "the result"
    answer_box n "Continue ? "
    grep -qaxF "$(printf '%s Call: 66\r' "$long_player")" "$program_folder/${long_player}_0.txt" ||
        fail "the history does not keep the long name whole in the line of its call"
    box=$(message_box)
    expect_on_screen "$box" "the tally's message box"
    shoot root small-tally.png
    answer_box Return "the tally of games played and won"
    wait_for 20 "the welcome screen after No" has_window WELCOME NORMAL
    welcome=$(window_of WELCOME NORMAL)
    # The first entry of the menu bar, Help, is a menu: its third entry is the statistics.
    local X Y WIDTH HEIGHT
    read -r X Y WIDTH HEIGHT < <(inside_of "$welcome")
    pointer_click $((X + 20)) $((Y + 10))
    sleep 0.5
    press Down Down Down Return
    wait_for 10 "the statistics window" has_window "Statistics of $long_player" NORMAL
    window=$(window_of "Statistics of $long_player" NORMAL)
    sleep 0.5
    expect_on_screen "$window" "the statistics window"
    press ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
    press alt+r
    wait_for 10 "the review of a game" has_window "Review of game 2" NORMAL
    window=$(window_of "Review of game 2" NORMAL)
    sleep 0.5
    expect_on_screen "$window" "the review window"
    shoot root small-review.png
    stop_program
}
