#!/usr/bin/env bash
# The date calculator and the rule of three from the keyboard alone: the span between two typed dates
# kept in the tape's file once its window closes, and the proportion solved copied as one line.
source "$E2E_LIB"
e2e_start_x
e2e_start_app

e2e_keys F5
e2e_focus_dialog "^ Calcular Data$"
e2e_keys 0 1 0 1 2 0 0 0 Tab 0 1 0 1 2 0 0 4 Return Escape
wait_until "Esc did not close the date calculator" 5 dialog_closed "^ Calcular Data$"
wait_until "no date report in the tape's file" 5 on_tape "^ *\[01/01/2000\] = *$"
on_tape "^ *anos: 4 $" || fail "the report lacks its years"

focus "$E2E_WIN"
e2e_keys ctrl+t
e2e_focus_dialog "Regra de Tr"
REGRA=$(dialog_window "Regra de Tr")
# The question bears the window's title: the other window so named.
question() { window_of "$E2E_APP" "Regra de Tr" "$REGRA"; }
no_question() { ! question; }
# 3 kg for 2 reais: what do 6 kg cost? One question (Yes: more kg, more reais), then the line copied.
e2e_keys 3 Return k g Return 2 Return r e a i s Return Tab Tab 6 Tab Tab Tab space alt+c
wait_until "no question" 5 question
focus "$(question)"
e2e_keys Return
wait_until "the question stayed" 5 no_question
focus "$REGRA"
e2e_keys alt+o ctrl+a ctrl+c
expect_clipboard "2 × 6/3 = 4"
echo "1 passed, 0 failed"
