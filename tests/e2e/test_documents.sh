#!/usr/bin/env bash
# A cheque as a person prints it: the value typed, Ctrl+I, a payee, Alt+I. Without any printer the
# window says so and stays open; with a printer (a CUPS scheduler of the test's own, whose queue
# writes a file) the face's texts land on the page and the payee is kept for the next cheque.
source "$E2E_LIB"
e2e_start_x
CHEQUE='^ Imprimir Cheque Banc.+rio $'

# The visible windows of the program with a title, largest first: the form, then its message box.
windows_titled() {
    local w size
    for w in $(xdotool search --all --onlyvisible --pid "$E2E_APP" --name "$1" 2>/dev/null); do
        size=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/ *Geometry: \([0-9]*\)x\([0-9]*\)/\1*\2/p')
        [ $((${size:-0})) -gt 100 ] && echo "$(($size)) $w"
    done | sort -rn | cut -d' ' -f2
}
box_up() { [ "$(windows_titled "$CHEQUE" | wc -l)" -ge 2 ]; }
box_gone() { ! box_up; }
# The text of the message box in front of the cheque window (Qt copies it on Ctrl+C).
box_text() {
    wait_until "no message box over the cheque" 10 box_up
    focus "$(windows_titled "$CHEQUE" | tail -n1)"
    background xclip -selection clipboard -i -l 1 </dev/null
    wait_until "the clipboard was not emptied" 3 clipboard_is ""
    # A box just shown may not take keys yet: Ctrl+C again until its text arrives.
    copied() {
        xdotool key ctrl+c
        [ -n "$(clipboard)" ]
    }
    wait_until "the message was not copied" 5 copied
    clipboard
}
open_cheque() {
    e2e_keys 1 2 3 4 comma 5 6 ctrl+i
    wait_until "no cheque window" 10 dialog_window "$CHEQUE"
    focus "$(windows_titled "$CHEQUE" | head -n1)"
    xdotool type --delay 15 "$1"
}

# No scheduler answers: no printer, and the document can still be saved as a PDF.
export CUPS_SERVER=$E2E_TMP/no-scheduler.sock
e2e_start_app
open_cheque "joao da silva"
e2e_keys alt+i
grep -q "Nenhuma impressora" <<<"$(box_text)" || fail "no word that there is no printer"
e2e_keys Return
wait_until "the box did not close" 5 box_gone
dialog_window "$CHEQUE" >/dev/null || fail "the cheque window closed without printing"
[ ! -e "$XDG_DATA_HOME/Tabulora/favorecidos.txt" ] || fail "a payee was kept although nothing was printed"
e2e_close_primary

# A scheduler of our own: its queue FORMS writes each job into out/forms.pdf, text kept.
CUPS=$E2E_TMP/cups
mkdir -p "$CUPS"/{etc,spool/tmp,cache,state,log,out}
chmod a+x "$E2E_TMP"
chmod 777 "$CUPS/out" "$CUPS/spool/tmp"
printf 'Listen %s/cups.sock\nLogLevel warn\nBrowsing No\nWebInterface No\nDefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n' \
    "$CUPS" >"$CUPS/etc/cupsd.conf"
printf 'FileDevice Yes\nServerRoot %s/etc\nRequestRoot %s/spool\nTempDir %s/spool/tmp\nCacheDir %s/cache\nStateDir %s/state\nErrorLog %s/log/error_log\nAccessLog %s/log/access_log\nPageLog %s/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nSandboxing Relaxed\n' \
    "$CUPS" "$CUPS" "$CUPS" "$CUPS" "$CUPS" "$CUPS" "$CUPS" "$CUPS" >"$CUPS/etc/cups-files.conf"
background cupsd -f -c "$CUPS/etc/cupsd.conf" -s "$CUPS/etc/cups-files.conf"
export CUPS_SERVER=$CUPS/cups.sock
scheduler_up() { lpstat -r | grep -q "is running"; }
wait_until "cupsd did not start" 10 scheduler_up
lpadmin -p FORMS -E -v "file://$CUPS/out/forms.pdf" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
lpadmin -d FORMS

e2e_start_app
open_cheque "maria souza"
e2e_keys alt+i
grep -q "Enviado para impressora" <<<"$(box_text)" || fail "printing was not announced"
e2e_keys Return
cheque_closed() { ! dialog_window "$CHEQUE"; }
wait_until "the cheque window did not close after printing" 5 cheque_closed
printed() { [ -s "$CUPS/out/forms.pdf" ]; }
wait_until "nothing reached the queue's file" 30 printed
page=$(pdftotext -layout "$CUPS/out/forms.pdf" -)
for text in "***1.234,56" "(UM MIL E DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS" "CENTAVOS)" "MARIA SOUZA"; do
    grep -qF "$text" <<<"$page" || fail "the printed page lacks '$text': $page"
done
[ "$(tr -d '\r' <"$XDG_DATA_HOME/Tabulora/favorecidos.txt")" = "MARIA SOUZA" ] || fail "the payee was not kept"
e2e_close_primary
echo "1 passed, 0 failed"
