# Shared set-up of the black-box tests: a private X server, fresh XDG folders, the real program.
# Source it, then call e2e_start_x, e2e_start_app [words...], and the helpers below.
set -euo pipefail

E2E_TMP=$(mktemp -d)
export HOME=$E2E_TMP/home XDG_CONFIG_HOME=$E2E_TMP/config XDG_DATA_HOME=$E2E_TMP/data XDG_RUNTIME_DIR=$E2E_TMP/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=${E2E_LANG:-pt_BR.UTF-8} LC_ALL=
unset QT_QPA_PLATFORM
E2E_PIDS=()

e2e_cleanup() {
    local p
    for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A private Xvfb that keeps its state (NumLock, clipboard owners) between clients.
e2e_start_x() {
    exec 9>"$E2E_TMP/display"
    Xvfb -displayfd 9 -screen 0 1280x800x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    local i
    for i in $(seq 100); do [ -s "$E2E_TMP/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
}

# Starts the program with the given command words and waits for its main window.
e2e_start_app() {
    "$TABULORA_BIN" "$@" >"$E2E_TMP/app.log" 2>&1 &
    E2E_APP=$!
    E2E_PIDS+=($E2E_APP)
    E2E_WIN=$(xdotool search --all --sync --onlyvisible --pid "$E2E_APP" --name '^ Tabulora$' | head -n1)
    [ -n "$E2E_WIN" ] || fail "no window"
    xdotool windowfocus --sync "$E2E_WIN"
}

# Types keys into the focused window: xdotool key names, one per argument.
e2e_keys() { xdotool key --delay 15 "$@"; }

clipboard() { xclip -selection clipboard -o 2>/dev/null || true; }

# Waits until the clipboard holds the expected text.
expect_clipboard() {
    local want=$1 i got=""
    for i in $(seq 60); do
        got=$(clipboard)
        [ "$got" = "$want" ] && return 0
        sleep 0.05
    done
    fail "clipboard holds '$got', expected '$want'"
}

# Focuses the newest window whose title matches the pattern.
e2e_focus_window() {
    local w
    w=$(xdotool search --sync --onlyvisible --name "$1" | tail -n1)
    xdotool windowfocus --sync "$w"
}

# The largest shown window of the program whose title matches (Qt keeps 1 x 1 helper windows
# with the titles of their dialogs).
dialog_window() {
    local w size best="" bestSize=0
    for w in $(xdotool search --all --onlyvisible --pid "$E2E_APP" --name "$1" 2>/dev/null); do
        [ "$w" = "${E2E_WIN:-}" ] && continue
        size=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/ *Geometry: \([0-9]*\)x\([0-9]*\)/\1*\2/p')
        size=$((${size:-0}))
        [ "$size" -gt "$bestSize" ] && { best=$w; bestSize=$size; }
    done
    [ "$bestSize" -gt 100 ] && echo "$best"
}

# Waits for a window of the program other than its main window (a dialog) and focuses it.
e2e_focus_dialog() {
    wait_until "no dialog titled '$1'" 5 dialog_window "$1"
    xdotool windowfocus --sync "$(dialog_window "$1")"
}

# The text of the message box in front: Qt copies it to the clipboard on Ctrl+C.
e2e_message_text() {
    e2e_focus_dialog "$1"
    printf '' | xclip -selection clipboard -i -l 1 2>/dev/null &
    sleep 0.1
    xdotool key ctrl+c
    local i
    for i in $(seq 40); do [ -n "$(clipboard)" ] && break; sleep 0.05; done
    clipboard
}

# Ends the primary the way a user would from a terminal.
e2e_close_primary() {
    "$TABULORA_BIN" fechar >/dev/null 2>&1 || true
    local i
    for i in $(seq 100); do kill -0 "$E2E_APP" 2>/dev/null || return 0; sleep 0.05; done
    fail "the primary did not end"
}

# Waits up to `seconds` (default 5) until the command succeeds; fails the test with `message`.
wait_until() {
    local message=$1 seconds=$2; shift 2
    local end=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || fail "$message"
        sleep 0.05
    done
}
# The calculator window of a process, when it is shown (closing a window destroys its X window, so
# every showing has a new id). The tray icon carries the same title: it is the 22 x 22 one.
calculator_window() {
    local w
    for w in $(xdotool search --all --onlyvisible --pid "$1" --name "${2:-^ Tabulora$}" 2>/dev/null); do
        [ "$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/ *Geometry: //p')" = "22x22" ] || { echo "$w"; return 0; }
    done
    return 1
}
shown() { calculator_window "$@"; }
# Whether a pop-up menu of the process is open.
menu_open() {
    local w
    for w in $(xdotool search --all --onlyvisible --pid "$1" '' 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q POPUP_MENU && return 0
    done
    return 1
}
menu_closed() { ! menu_open "$@"; }
hidden() { ! shown "$@"; }
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! running "$1"; }

setting() { sed -n "s/^$1=//p" "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini" 2>/dev/null; }
