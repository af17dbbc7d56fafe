# A game against the Expert with the coach shown, sourced by run_e2e.sh: the opponent chosen on
# the welcome screen, the coach asked for by its key, a call sent and the Expert's turn ended. The
# player chose dark colours: the screenshots show the dice, the logs and the coach on them.
# The history names the Expert after the options line and marks the game as coached.
# Without the solved game of no options in SOLVED_FOLDER the Expert cannot play, and the game is
# left out.

# Welcome screen: the Expert's option button, in its frame right of the options.
optExpert=(3480 1680 1095 375)

expert_game() {
    if [ ! -f "$solved_folder/none.qsolved" ]; then
        log "no solved game in $solved_folder: the game against the Expert is left out"
        return
    fi
    mkdir -p "$work/expert/config/Quintel"
    printf '[preferences]\ncolours=dark\n' >"$work/expert/config/Quintel/Quintel.conf"
    start_program 1 expert
    wait_for 30 "the welcome screen" has_window WELCOME NORMAL
    local welcome
    welcome=$(window_of WELCOME NORMAL)
    measure "$welcome"
    click_twips "${txtName[@]}"
    xdotool type --delay 40 "$player"
    click_twips "${optExpert[@]}"
    shoot "$welcome" "expert-welcome.png"
    click_twips "${btnOK[@]}"
    wait_for 30 "the table after signing in" has_window "$table_title" NORMAL
    has_message_box && fail "a message at sign-in: the Expert did not take its seat"
    table=$(window_of "$table_title" NORMAL)
    measure "$table" "$status_client_height_px"
    xdotool key a
    shoot "$table" "expert-coach-opening.png"

    open_call_dialog "expert-coach-"
    click_twips "${CallOK[@]}"
    wait_for 20 "the call dialog to close after OK" no_window Call DIALOG
    log "call sent to the Expert"
    sleep 1
    if ! has_message_box; then
        # The Expert called: the coach weighs trusting it against not trusting it.
        shoot "$table" "expert-coach-answer.png"
    fi
    measure "$table" "$status_client_height_px"
    end_with_challenge "the Expert's turn"
    answer_box Return "the verdict: who did not trust, the call and the dice"
    answer_box Return "the result"
    answer_box n "Continue ? "
    answer_box Return "the tally of games played and won"
    wait_for 20 "the welcome screen after No" has_window WELCOME NORMAL

    local history="$program_folder/${player}_0.txt"
    wait_for 10 "the history file $history" test -f "$history"
    [ "$(sed -n 3p "$history")" = $'Opponent : Expert\r' ] ||
        fail "the history does not name the Expert on its third line: $(head -4 "$history" | od -c | head -4)"
    grep -q $'^Coach used\r$' "$history" || fail "the history does not mark the coached game"
    grep -q '^EXPERT AI : ' "$history" || fail "the history has no line of the Expert's turn"
    log "the Expert played, the coach was shown, the history says so"

    # The charts on dark colours.
    welcome=$(window_of WELCOME NORMAL)
    measure "$welcome"
    click_menu 24
    sleep 0.5
    xdotool key Down Down Down Return
    wait_for 10 "the statistics window" has_window "Statistics of $player" NORMAL
    shoot_aside "Statistics of $player" expert-dark-statistics.png
    # The player's leaks, from the Statistics window.
    xdotool windowfocus --sync "$(window_of "Statistics of $player" NORMAL)" key alt+l
    wait_for 20 "the leaks window" has_window "Leaks of $player" NORMAL
    sleep 1
    shoot_aside "Leaks of $player" expert-dark-leaks.png
    stop_program
}
