#!/usr/bin/env bash
# Undo and redo through the real keys: Ctrl+Z takes the last line back, Ctrl+R enters it again.
source "$E2E_LIB"
e2e_start_x
e2e_start_app
e2e_keys 5 plus 3 plus ctrl+z Return
expect_clipboard "5"
e2e_keys 2 plus 4 plus ctrl+z ctrl+r Return
expect_clipboard "6"
echo "1 passed, 0 failed"
