#!/usr/bin/env bash
# System-wide hotkeys with another program in front: Ctrl + keypad keys reach the calculator
# whatever NumLock is, Ctrl+Insert takes the selection, and switching the option off gives the
# keys back to the program in front.
source "$E2E_LIB"
e2e_start_x
e2e_start_app

# Another X client in front; xev reports every key it receives.
xev -event keyboard -name "Other Program" >"$E2E_TMP/xev.log" 2>&1 &
E2E_PIDS+=($!)
other=$(xdotool search --sync --onlyvisible --name '^Other Program$' | head -n1)
xdotool windowfocus --sync "$other"

# Keypad keys by their NumLock-off names: the same physical keys, and NumLock is left alone.
sum_keys() { xdotool key --delay 30 ctrl+KP_End ctrl+KP_Down ctrl+KP_Add ctrl+KP_Next ctrl+Return; }
sum_keys
expect_clipboard "15"
xdotool key Num_Lock
sum_keys
expect_clipboard "15"
grep -q "KP_End\|KP_1" "$E2E_TMP/xev.log" && fail "a grabbed key reached the other program"

# Ctrl+Insert: the value selected in the program in front is entered and added.
printf '7,5' | xclip -selection clipboard -i
xdotool key --delay 30 ctrl+Insert
sleep 1
xdotool key --delay 30 ctrl+KP_Down ctrl+Return
expect_clipboard "9,5"

# Switching the option off from the menu releases every grab.
xdotool windowfocus --sync "$E2E_WIN"
xdotool key --delay 80 alt+c h
sleep 0.3
xdotool windowfocus --sync "$other"
xdotool key --delay 30 ctrl+KP_End ctrl+Return
for i in $(seq 40); do grep -q "KP_End\|KP_1" "$E2E_TMP/xev.log" && break; sleep 0.05; done
grep -q "KP_End\|KP_1" "$E2E_TMP/xev.log" || fail "the key did not reach the other program after switching off"
[ "$(clipboard)" = "9,5" ] || fail "the calculator still took the key"
echo "1 passed, 0 failed"
