#!/usr/bin/env bash
# The paste window: a right click on the display copies it and shows the small window under the
# pointer; a double click on another program's field replaces the field's text with the value.
source "$E2E_LIB"
e2e_start_x
e2e_start_app
background "$OTHER_FIELD_BIN" >"$E2E_TMP/field.log" 2>&1
wait_until "no other program" 5 xdotool search --onlyvisible --name '^Other Field$'
field=$(xdotool search --onlyvisible --name '^Other Field$' | head -n1)

focus "$E2E_WIN"
e2e_keys 1 2 comma 5
# The display: the top of the keypad's side, below the menu bar.
xdotool mousemove --window "$E2E_WIN" 150 38 click 3
expect_clipboard "12,5"

# The paste window: the program's 16 x 16 window, centred on the pointer once it has followed it.
under_pointer() {
    local x y w
    eval "$(xdotool getmouselocation --shell)"
    for w in $(xdotool search --onlyvisible --pid "$E2E_APP" 2>/dev/null); do
        xdotool getwindowgeometry "$w" | tr -d '\n' | grep -q "Position: $((X - 8)),$((Y - 8)) .*Geometry: 16x16" && return 0
    done
    return 1
}
xdotool mousemove --window "$field" 150 15
wait_until "the paste window did not follow the pointer" 5 under_pointer
xdotool click --repeat 2 --delay 80 1
pasted() { [ "$(tail -n1 "$E2E_TMP/field.log")" = "12,5" ]; }
wait_until "the value did not replace the field's text: $(tail -n1 "$E2E_TMP/field.log")" 5 pasted
echo "1 passed, 0 failed"
