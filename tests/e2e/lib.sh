# Shared set-up of the black-box tests: a private X server, fresh XDG folders, the real program.
# Source it, then call e2e_start_x, e2e_start_app [words...], and the helpers below. Nothing waits a
# fixed time: every wait is wait_until with a limit.
set -euo pipefail

E2E_TMP=$(mktemp -d)
export HOME=$E2E_TMP/home XDG_CONFIG_HOME=$E2E_TMP/config XDG_DATA_HOME=$E2E_TMP/data XDG_RUNTIME_DIR=$E2E_TMP/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Tabulora" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=${E2E_LANG:-pt_BR.UTF-8} LC_ALL=
unset QT_QPA_PLATFORM
E2E_PIDS=()
FITA=$XDG_DATA_HOME/Tabulora/calc1.fita

e2e_cleanup() {
    local p
    for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to `seconds` until the command succeeds; otherwise the test fails with `message`.
wait_until() {
    local message=$1 seconds=$2; shift 2
    local end=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || fail "$message"
        sleep 0.05
    done
}
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! running "$1"; }
background() { "$@" & E2E_PIDS+=($!); }

# A private Xvfb that keeps its state (NumLock, clipboard owners) between clients.
e2e_start_x() {
    exec 9>"$E2E_TMP/display"
    background Xvfb -displayfd 9 -screen 0 1280x800x24 -noreset -nolisten tcp
    wait_until "no X server" 5 test -s "$E2E_TMP/display"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
}
e2e_start_tray() {
    background trayer --edge top --align right --widthtype pixel --width 200 --height 24
    E2E_TRAY=$!
    wait_until "no tray" 5 xdotool search --class trayer
}

# The shown window of a process whose title matches (closing a window destroys its X window, so
# every showing has a new id): the largest one, since Qt keeps 1 x 1 helpers with the same title.
window_of() {
    local w size best="" bestSize=0
    for w in $(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null); do
        [ "$w" = "${3:-}" ] && continue
        size=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/ *Geometry: \([0-9]*\)x\([0-9]*\)/\1*\2/p')
        size=$((${size:-0}))
        [ "$size" -gt "$bestSize" ] && { best=$w; bestSize=$size; }
    done
    [ "$bestSize" -gt 100 ] && echo "$best"
}
calculator_window() { window_of "$1" "${2:-^ Tabulora$}"; }
shown() { calculator_window "$@"; }
hidden() { ! shown "$@"; }
focus() { timeout 5 xdotool windowfocus --sync "$1" || fail "could not focus window $1"; }

# Starts the program with the given command words and waits for its main window.
e2e_start_app() {
    "$TABULORA_BIN" "$@" >"$E2E_TMP/app.log" 2>&1 &
    E2E_APP=$!
    E2E_PIDS+=($E2E_APP)
    wait_until "no window" 10 shown "$E2E_APP"
    E2E_WIN=$(calculator_window "$E2E_APP")
    focus "$E2E_WIN"
}

# Another X client in front; xev reports every key it receives.
e2e_other_program() {
    background xev -event keyboard -name "Other Program" >"$E2E_TMP/xev.log" 2>&1
    wait_until "no other program" 5 xdotool search --onlyvisible --name '^Other Program$'
    OTHER=$(xdotool search --onlyvisible --name '^Other Program$' | head -n1)
    focus "$OTHER"
}

# Types keys into the focused window: xdotool key names, one per argument.
e2e_keys() { xdotool key --delay 15 "$@"; }

clipboard() { xclip -selection clipboard -o 2>/dev/null || true; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
expect_clipboard() { wait_until "clipboard holds '$(clipboard)', expected '$1'" 3 clipboard_is "$1"; }

# Whether a pop-up menu of the process is open.
menu_open() {
    local w
    for w in $(xdotool search --all --onlyvisible --pid "$1" --name '' 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q POPUP_MENU && return 0
    done
    return 1
}
menu_closed() { ! menu_open "$@"; }

# Waits for a window of the program other than its main window (a dialog) and focuses it.
dialog_window() { window_of "$E2E_APP" "$1" "${E2E_WIN:-}"; }
dialog_closed() { ! dialog_window "$1"; }
e2e_focus_dialog() {
    wait_until "no dialog titled '$1'" 5 dialog_window "$1"
    focus "$(dialog_window "$1")"
}

# The text of the message box in front: Qt copies it to the clipboard on Ctrl+C.
e2e_message_text() {
    e2e_focus_dialog "$1"
    background xclip -selection clipboard -i -l 1 </dev/null
    wait_until "the clipboard was not emptied" 3 clipboard_is ""
    xdotool key ctrl+c
    clipboard_filled() { [ -n "$(clipboard)" ]; }
    wait_until "the message was not copied" 3 clipboard_filled
    clipboard
}

# Ends the primary the way a user would from a terminal.
e2e_close_primary() {
    "$TABULORA_BIN" fechar >/dev/null 2>&1 || true
    wait_until "the primary did not end" 5 ended "$E2E_APP"
}

setting() { sed -n "s/^$1=//p" "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini" 2>/dev/null; }
on_tape() { tr -d '\r' < "${2:-$FITA}" | grep -q "$1"; }
