#!/usr/bin/env bash
# System-wide hotkeys with another program in front: Ctrl + keypad keys reach the calculator
# whatever NumLock is, and Ctrl+Insert takes the selection; with the option off the keys stay with
# the program in front.
source "$E2E_LIB"
e2e_start_x
e2e_start_app
e2e_other_program

# Keypad keys by their NumLock-off names: the same physical keys, and NumLock is left alone.
sum_keys() { xdotool key --delay 30 ctrl+KP_End ctrl+KP_Down ctrl+KP_Add ctrl+KP_Next ctrl+Return; }
sum_keys
expect_clipboard "15"
xdotool key Num_Lock
sum_keys
expect_clipboard "15"
grep -q "KP_End\|KP_1" "$E2E_TMP/xev.log" && fail "a grabbed key reached the other program"

# Ctrl+Insert: the value selected in the program in front is entered and added; keys typed while
# the calculator waits for the copy follow it.
printf '7,5' | xclip -selection clipboard -i
xdotool key --delay 30 ctrl+Insert
xdotool key --delay 30 ctrl+KP_Down ctrl+Return
expect_clipboard "9,5"
e2e_close_primary

# The option off: no key is taken.
printf '[Conf]\nHotKey=False\n' > "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"
e2e_start_app
e2e_other_program
xdotool key --delay 30 ctrl+KP_End ctrl+KP_Add ctrl+Return
reached() { grep -q "KP_End\|KP_1" "$E2E_TMP/xev.log"; }
wait_until "the key did not reach the other program with the option off" 3 reached
[ -z "$(clipboard)" ] || fail "the calculator took the keys"
echo "1 passed, 0 failed"
