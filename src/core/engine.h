#pragma once
// The adding machine. One character at a time goes into keyPress(), the single entry of the
// engine; the engine keeps the texts a person sees (entry, display, counter, running total,
// memory) and writes one line per entered number to the tape. Arithmetic is immediate, left to
// right, in Decimal, and every result is rounded to the display format before the next step.
//
// The engine owns no window: a front end mirrors the texts after stateChanged(), follows the tape
// through Tape::edited/reset, and shows pressed buttons when buttonPressed() asks. It asks the user
// only through the context's Dialogs, in the context's language. Its code is in three files:
// engine.cpp (the dispatcher, operators, totals, clears), entrybox.cpp (the number being typed and
// its display) and tapeediting.cpp (undo, redo, re-entry, labels and editing of the tape).

#include "core/decimal.h"
#include "core/filenotices.h"
#include "core/keypad.h"
#include "core/numberpattern.h"
#include "core/operators.h"
#include "core/tape.h"
#include "core/tapebackup.h"
#include "platform/context.h"

#include <QList>
#include <QObject>
#include <QStringList>

struct TapeState;

class Engine : public QObject {
    Q_OBJECT
  public:
    // Character codes the dispatcher knows besides printable ones.
    static constexpr int KeyAdd = 2; // Enter in Enter-adds mode, ";" and "ç"
    static constexpr int KeyBackspace = 8;
    static constexpr int KeyEnter = 13;
    static constexpr int KeyEsc = 27;

    static constexpr int TapeCapacity = 21000; // a longer tape asks to be cleared

    explicit Engine(const Context& context, QObject* parent = nullptr);

    // --- the key dispatcher and the keypad -----------------------------------------------------
    void keyPress(int c);
    // A keypad button clicked (or reached through its hotkey): digits and the separator go to the
    // entry, operators to the dispatcher.
    void press(Button button);
    void pressDigit(int digit);
    void pressSeparator();
    void pressBack();
    void pressClearEntry(); // chkCE and Delete
    void pressSign();       // chkNeg
    void memoryClear();
    void memoryRecall();
    void memoryAdd();
    void memorySubtract();

    // --- commands ------------------------------------------------------------------------------
    void clearAll();
    void clearTape();
    // Sums the interest reports of the tape into a block of their own.
    void groupReports();
    // A side tool's report: a calculation in progress is totalled first, a full tape asks to be
    // cleared, the report follows (closed by a separator when asked), the calculator is cleared and
    // `entry` (a number, or "" for none) is left in the entry to go on calculating with.
    void writeReport(const QString& report, const QString& entry, bool closeWithSeparator = true);
    void setEnterAdds(bool on);
    void chooseFormat(int index);
    void setTimeMode(bool on);
    void setInsertText(bool on);
    void setBackup(bool on) { m_backup = on; }
    void setNumLockAlways(bool on) { m_numLockAlways = on; }
    // While loading, counters do not advance and nothing is announced to the user.
    void setLoading(bool loading) { m_loading = loading; }
    void setShuttingDown(bool on) { m_shuttingDown = on; }

    // Undo and redo within the current calculation.
    bool canUndo() const { return !m_undoTotals.isEmpty(); }
    bool canRedo() const { return !m_redoNumbers.isEmpty(); }
    void undo();
    void redo();

    // Re-entry of a tape word (double click); `lineStart` is where its line begins in the tape.
    void reenter(const QString& word, qsizetype lineStart);

    // Free editing of the tape: refused (message 12) during a calculation.
    bool enterEditMode();
    void leaveEditMode(const QString& editedText);
    bool editMode() const { return m_editMode; }
    // While the tape is being edited or the program ends, keys and buttons do nothing.
    bool inactive() const { return m_shuttingDown || m_editMode; }

    // Paste into the display: a numeric text becomes the entry, selected; false for any other text.
    bool pasteEntry(const QString& text);

    // Restores a calculation saved by an earlier run (the tape state file), or only its tape.
    void restore(const TapeState& state);
    void restoreTape(const QString& tape);

    // --- state, as the window shows it -----------------------------------------------------------
    const QString& entry() const { return m_entry; }
    bool entrySelected() const { return m_entrySelected; }
    const QString& display() const { return m_visor[0]; }     // lblVisor(0)
    const QString& counter() const { return m_visor[1]; }     // lblVisor(1)
    const QString& timeDisplay() const { return m_visor[2]; } // lblVisor(2)
    // What the person sees: the time display in time mode, else the display.
    const QString& shownDisplay() const { return m_timeMode ? m_visor[2] : m_visor[0]; }
    const QString& total() const { return m_total; } // lblTotal
    Operator pendingOperator() const { return m_pending; }
    const QString& memory() const { return m_memory; } // fraTeclado's caption
    const Tape& tape() const { return m_tape; }
    Tape& tape() { return m_tape; }
    int formatIndex() const { return m_formatIndex; }
    bool enterAdds() const { return m_enterAdds; }
    bool timeMode() const { return m_timeMode; }
    bool insertText() const { return m_insertText; }
    bool backup() const { return m_backup; }
    const Separators& separators() const { return m_separators; }
    const TapeBackup& backupFile() const { return m_backupFile; }
    FileNotices& fileNotices() { return m_notices; }
    QString dateHeader() const;

    // A side tool is opening: a calculation in progress is totalled as "=" would, and the calculator
    // is cleared. Returns what the display showed then, the total or a number just typed ("" for
    // zero), which the tool may take as its starting value.
    QString settleForTool();
    // The automatic clipboard text: what the calculator last put on the clipboard itself (a total,
    // the display, the monitor's products) or saw there, so that the clipboard monitor never takes
    // it as a new copy. Remembered before the clipboard is set, since the clipboard announces a
    // change at once.
    const QString& lastClipboardText() const { return m_clipboardText; }
    void setLastClipboardText(const QString& text) { m_clipboardText = text; }
    // Numbers from elsewhere (the clipboard monitor), each entered and added as if typed, as one
    // change of the tape and the display however many they are. Zeros add nothing and are skipped.
    void addNumbers(const QStringList& entries);

  signals:
    void stateChanged();
    // A keypad button is to be shown pressed.
    void buttonPressed(Button button);
    // Select this range of the tape (a re-entered line) or just move the caret there (length 0).
    void tapeSelection(qsizetype start, qsizetype length);
    void tapeFocusRequested();
    void enterAddsChanged(bool on);
    void formatChosen(int index);
    void timeModeChanged(bool on);
    void undoRedoChanged();
    void editModeChanged(bool on);
    void closeRequested();
    // The key sound of a command that has none of its own key (the full tape, the grouping).
    void soundWanted();
    // The backup file has grown past its warning size; message 173 has been shown.
    void backupTooLarge();
    // A calculation was totalled or the tape was cleared: a good moment to keep the tape safe.
    void tapeSettled();

  private:
    QString message(int number) const;

    // The entry box: what reaches it after the dispatcher, and its change handler.
    void entryBoxKey(QChar c);
    void typeIntoEntry(const QString& text);
    void setEntry(const QString& text, bool selected);
    void entryChanged();
    void storeDisplay(const QString& text);
    void setDisplay(const QString& text);
    QString entryDisplayText() const;

    void dispatch(int c);
    void addToMemory(bool subtract);
    QString typedForm(const QString& text);
    void operatorKey(OperatorKey key);
    void minusOnZeroDisplay();
    void percentKey();
    void equalsKey();
    void commonEnd(OperatorKey key);
    void applyPending();
    void computePercent();
    void finishCalculation(qsizetype removed, const QString& added);
    void editTape(qsizetype removed, const QString& added);
    void tapeChanged();
    bool collectInsertedText(QChar c);
    void rewriteLabel();

    bool entryIsZero() const;
    bool displayIsZero() const;
    std::optional<Decimal> number(const QString& text) const;
    QString formatTotal(const Decimal& value) const;
    QString format(const Decimal& value, const QString& pattern) const;
    QString zeroDisplay() const;
    void updateMaxLength();
    void pushSnapshot();
    void dropRedo();
    void show(Button button);
    void askToClearFullTape();
    bool writeBackup();
    QString timeFromTotal() const;

    const Context& m_context;
    Separators m_separators;
    Tape m_tape;
    TapeBackup m_backupFile;
    FileNotices m_notices;

    QString m_entry = QStringLiteral("0");
    bool m_entrySelected = true;
    int m_maxLength = 12;
    QString m_visor[3];
    QString m_total;
    Operator m_pending = Operator::Add;
    QString m_lastNumber;
    OperatorKey m_previousKey = OperatorKey::None;
    int m_formatIndex = 2;
    QString m_pattern;
    int m_decimalPlaces = 10;
    QString m_memory;
    bool m_enterAdds = false;
    bool m_enterAddsAnnounced = false;
    bool m_timeMode = false;
    bool m_insertText = false;
    bool m_numLockAlways = false;
    bool m_backup = true;
    bool m_editMode = false;
    bool m_loading = false;
    bool m_shuttingDown = false;
    bool m_undoBusy = false;
    bool m_totalled = false;
    QString m_insertBuffer;
    qsizetype m_requestedLine = -1;
    QString m_clipboardText;
    QStringList m_undoTotals;
    QList<Operator> m_undoOps;
    QStringList m_redoNumbers;
    QList<Operator> m_redoOps;
};
