#pragma once
// The adding machine. One character at a time goes into keyPress(), the single entry of the
// engine; the engine keeps the texts a person sees (entry, display, counter, running total,
// memory) and writes one line per entered number to the tape. Arithmetic is immediate, left to
// right, in Decimal, and every result is rounded to the display format before the next step.
//
// The engine owns no window: a front end mirrors the texts after stateChanged(), follows the tape
// through Tape::edited/reset, and shows pressed buttons when buttonPressed() asks.

#include "core/decimal.h"
#include "core/filenotices.h"
#include "core/numberpattern.h"
#include "core/tape.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <functional>

class Clipboard;
class Dialogs;
class Desktop;

struct EngineEnvironment {
    Clipboard* clipboard = nullptr;
    Dialogs* dialogs = nullptr;
    Desktop* desktop = nullptr;            // may be null: the backup viewer is then unavailable
    Separators separators;                 // the locale's decimal and group separators
    QString dataDir;                       // program folder (backup file), with trailing separator
    QString datePattern = QStringLiteral("dd/mm/yyyy"); // the locale's short-date order
    QLocale locale;                        // weekday names of the date header
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    std::function<void()> keySound;        // the key sound; empty when sounds are off
    QString windowTitle = QStringLiteral(" Tabulora"); // title of the engine's message boxes
};

class Engine : public QObject {
    Q_OBJECT
public:
    // Character codes the dispatcher knows besides printable ones.
    static constexpr int KeyAdd = 2; // Enter in Enter-adds mode, ";" and "ç"
    static constexpr int KeyBackspace = 8;
    static constexpr int KeyEnter = 13;
    static constexpr int KeyEsc = 27;

    static constexpr int TapeCapacity = 21000;        // a longer tape asks to be cleared
    static constexpr qint64 BackupWarningSize = 3200000;

    explicit Engine(EngineEnvironment env, QObject* parent = nullptr);

    // --- the key dispatcher and the keypad -----------------------------------------------------
    void keyPress(int c);
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
    void LimpaTudo();
    void clearTape();
    void find();
    void group();
    void showBackup();
    void setEnterAdds(bool on);
    void chooseFormat(int index);
    void setTimeMode(bool on);
    void setInsertText(bool on);
    void setBackup(bool on) { m_backup = on; }
    void setNumLockAlways(bool on) { m_numLockAlways = on; }
    void setMinimized(bool minimized) { m_minimized = minimized; }
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

    // Puts a new text on the clipboard instead of the next total (clipboard tools).
    void setWaitingClipboardText(const QString& text) { m_waitingClipboardText = text; }
    // The text the engine last placed on (or read from) the clipboard.
    QString lastClipboardText() const { return m_clipboardText; }
    void setLastClipboardText(const QString& text) { m_clipboardText = text; }

    // Restores a calculation saved by an earlier run (the tape state file).
    void restore(const QString& tape, const QString& total, const QString& pending, const QString& entry,
                 const QString& display, const QString& counter);
    void restoreTape(const QString& tape);

    // --- state, as the window shows it -----------------------------------------------------------
    const QString& entry() const { return m_entry; }
    bool entrySelected() const { return m_entrySelected; }
    const QString& display() const { return m_visor[0]; }   // lblVisor(0)
    const QString& counter() const { return m_visor[1]; }   // lblVisor(1)
    const QString& timeDisplay() const { return m_visor[2]; } // lblVisor(2)
    // What the person sees: the time display in time mode, else the display.
    const QString& shownDisplay() const { return m_timeMode ? m_visor[2] : m_visor[0]; }
    const QString& total() const { return m_total; }       // lblTotal
    const QString& pendingOperator() const { return m_pending; }
    const QString& memory() const { return m_memory; }     // fraTeclado's caption
    const Tape& tape() const { return m_tape; }
    Tape& tape() { return m_tape; }
    int formatIndex() const { return m_formatIndex; }
    const QString& formatPattern() const { return m_pattern; }
    bool enterAdds() const { return m_enterAdds; }
    bool timeMode() const { return m_timeMode; }
    bool insertText() const { return m_insertText; }
    const QString& insertedText() const { return m_insertBuffer; }
    bool backup() const { return m_backup; }
    const Separators& separators() const { return m_env.separators; }
    const EngineEnvironment& environment() const { return m_env; }
    int entryMaxLength() const { return m_maxLength; }
    QString backupFilePath() const;
    // Where failed writes of the calculator's files are told (the backup here, the state file and a
    // saved tape by the window).
    FileNotices& fileNotices() { return m_notices; }
    QString dateHeader() const;

signals:
    void stateChanged();
    // A keypad button is to be shown pressed (`chkNum(5)`, `chkMais`, …).
    void buttonPressed(const QString& objectName);
    // Select this range of the tape (a found text, a re-entered line) or just move the caret
    // there (length 0).
    void tapeSelection(qsizetype start, qsizetype length);
    void tapeFocusRequested();
    void enterAddsChanged(bool on);
    void formatChosen(int index);
    void timeModeChanged(bool on);
    void undoRedoChanged();
    void editModeChanged(bool on);
    void closeRequested();
    // A calculation was totalled or the tape was cleared: a good moment to keep the tape safe.
    void tapeSettled();

private:
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
    void operatorKey(int code);
    void minusOnZeroDisplay();
    void percentKey();
    void equalsKey();
    void commonEnd(int code);
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
    void press(const QString& objectName);
    void askToClearFullTape();
    bool writeBackup();
    QString timeFromTotal() const;
    QString message(int number) const;

    EngineEnvironment m_env;
    FileNotices m_notices{m_env.dialogs, m_env.windowTitle};
    Tape m_tape;

    QString m_entry = QStringLiteral("0");
    bool m_entrySelected = true;
    int m_maxLength = 12;
    QString m_visor[3];
    QString m_total;
    QString m_pending = QStringLiteral("+");
    QString m_lastNumber;
    QString m_prevKey;
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
    bool m_minimized = false;
    bool m_loading = false;
    bool m_shuttingDown = false;
    bool m_undoBusy = false;
    bool m_totalled = false;
    QString m_insertBuffer;
    qsizetype m_requestedLine = -1;
    QString m_clipboardText;
    QString m_waitingClipboardText;
    QString m_lastSearch;
    qsizetype m_caret = 0;
    QStringList m_undoTotals;
    QStringList m_undoOps;
    QStringList m_redoNumbers;
    QStringList m_redoOps;

public:
    // The tape caret as the window last reported it (find continues from there).
    void setTapeCaret(qsizetype position) { m_caret = position; }
};
