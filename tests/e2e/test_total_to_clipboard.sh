#!/usr/bin/env bash
# Keys typed into the running program reach the engine, and the total lands on the clipboard.
source "$E2E_LIB"
e2e_start_x
e2e_start_app
e2e_keys 1 2 comma 5 plus 3 0 Return
expect_clipboard "42,5"
e2e_keys KP_7 KP_Multiply KP_6 KP_Enter
expect_clipboard "42"
echo "1 passed, 0 failed"
