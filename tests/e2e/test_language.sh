#!/usr/bin/env bash
# The language comes from the system on a first start, and a stored choice wins over it.
source "$E2E_LIB"
export LANG=en_US.UTF-8
e2e_start_x

ask_find() {
    e2e_keys F3
    e2e_focus_dialog "Locate on List|Localizar na Lista"
    xdotool type --delay 10 "no such text"
    xdotool key Return
    e2e_message_text "^ Tabulora$"
}

e2e_start_app
e2e_keys 1 period 5 plus 1 Return
expect_clipboard "2.5"
text=$(ask_find)
grep -q "End of search" <<<"$text" || fail "English expected, the message said: $text"
xdotool key Return
e2e_close_primary
[ "$(setting Idioma)" = "2" ] || fail "Idioma saved as '$(setting Idioma)'"

# A stored Portuguese choice wins over the English system.
sed -i 's/^Idioma=.*/Idioma=1/' "$XDG_CONFIG_HOME/Tabulora/Tabulora.ini"
e2e_start_app
text=$(ask_find)
grep -q "Fim da procura" <<<"$text" || fail "Portuguese expected, the message said: $text"
xdotool key Return
e2e_close_primary
[ "$(setting Idioma)" = "1" ] || fail "Idioma saved as '$(setting Idioma)'"
echo "1 passed, 0 failed"
