#!/usr/bin/env bash
# The dated installment plan from the keyboard alone: the calculator's value comes in as the loan,
# the installment is found from the rate, the schedule is copied for a spreadsheet, and the report
# is in the tape's file once the window closes.
source "$E2E_LIB"
e2e_start_x
e2e_start_app

e2e_keys 1 0 0 0 ctrl+j
e2e_focus_dialog "^ Calcular Juro Capitalizado$"
# Past the installment to the count, the days and "à vista", to the rate; Enter moves on as Tab.
e2e_keys Tab Tab 1 0 Return Return Return 1 alt+c
# Alt+C clicks once its button has shown itself pressed: the copy is asked for until it is there.
copy_schedule() {
    e2e_keys alt+t
    clipboard | tr -d '\r' | grep -q "	105,58	1,05	104,53	0,02$"
}
wait_until "the schedule was not copied" 5 copy_schedule
e2e_keys Escape
wait_until "Esc did not close the installments" 5 dialog_closed "^ Calcular Juro Capitalizado$"
wait_until "no report in the tape's file" 5 on_tape "001ª.............105,58 ="
on_tape "^ *1.055,80 $" || fail "the report has no final value"
echo "1 passed, 0 failed"
