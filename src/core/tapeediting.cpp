// The engine's editing of what was already entered: undo and redo of the last lines, re-entry of a
// tape number, labels typed during a calculation (insert text) and free editing of the tape.

#include "core/engine.h"

#include "i18n/messagecatalog.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"

namespace {

// Letters and the blank that insert text collects: A-Z, a-z and the accented letters of
// codes 192 to 251.
bool isLabelCharacter(QChar c) {
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= 192 && u <= 251) || u == ' ';
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Insert text: a label typed during a calculation goes into columns 2 to 13 of the last line.

bool Engine::collectInsertedText(QChar c) {
    if (!entryIsZero() || m_tape.size() < 28) return false;
    if (c.unicode() == KeyBackspace) {
        if (m_insertBuffer.isEmpty()) return false;
        m_insertBuffer.chop(1);
        rewriteLabel();
        return true;
    }
    if (!isLabelCharacter(c)) return false;
    if (m_insertBuffer.size() < 11) {
        m_insertBuffer += c.toUpper();
        rewriteLabel();
    }
    return true;
}

void Engine::rewriteLabel() {
    const QString line = m_tape.tail(28).left(26);
    const QString relabelled =
        line.left(1) + m_insertBuffer.leftJustified(12, QLatin1Char(' ')) + line.mid(13);
    // The label is not a number: the tape changes without applying anything.
    m_tape.edit(28, relabelled + TapeLine::CrLf);
    emit tapeSelection(m_tape.size(), 0);
}

// ---------------------------------------------------------------------------------------------
// Undo and redo

void Engine::pushSnapshot() {
    if (m_undoBusy || m_loading) return;
    m_undoTotals.append(m_total);
    m_undoOps.append(m_pending);
    emit undoRedoChanged();
}

void Engine::dropRedo() {
    if (m_undoBusy || m_redoNumbers.isEmpty()) return;
    m_redoNumbers.removeLast();
    m_redoOps.removeLast();
    emit undoRedoChanged();
}

void Engine::undo() {
    if (m_undoTotals.isEmpty() || m_editMode) return;
    // Only a number line can be taken back; a total block stays as printed.
    // (An operator typed after a total sits on the separator line, which is no number either, and
    // with insert text on a label may have been typed over the separator's start.)
    if (m_tape.size() < 28 || !TapeLine::isNumberMarker(m_tape.lastMarker()) ||
        TapeLine::isSeparatorLine(m_tape.tail(28)))
        return;
    m_undoBusy = true;
    m_redoNumbers.append(m_tape.tail(28).left(24));
    m_redoOps.append(m_pending);
    const int counter = qMax(0, m_visor[1].toInt() - 1);
    m_visor[1] = QStringLiteral("%1").arg(counter, 3, 10, QLatin1Char('0'));
    setEntry(QString(), true);
    editTape(28, QString());
    m_total = m_undoTotals.takeLast().trimmed();
    m_pending = m_undoOps.takeLast();
    if (m_timeMode)
        setDisplay(timeFromTotal());
    else
        setDisplay(m_total.left(22));
    m_undoBusy = false;
    emit undoRedoChanged();
}

// A number taken from the tape as it would be typed: a time "h:mm:ss" becomes its digits (time
// mode is switched on for it), anything else stays as written.
QString Engine::typedForm(const QString& text) {
    QString value = text.trimmed();
    if (!value.contains(QLatin1Char(':'))) return value;
    if (!m_timeMode) setTimeMode(true);
    const bool negative = value.startsWith(QLatin1Char('-'));
    value.remove(QLatin1Char(':'));
    value.remove(QLatin1Char('-'));
    return negative ? QLatin1Char('-') + value : value;
}

void Engine::redo() {
    if (m_redoNumbers.isEmpty() || m_editMode) return;
    const QString field = m_redoNumbers.last();
    const Operator op = m_redoOps.last();
    const QString label = m_insertText ? field.left(12) : QString();
    const QString value = typedForm(field.right(m_insertText ? 11 : 23));
    const qsizetype before = m_redoNumbers.size();
    setEntry(value, false);
    if (m_redoNumbers.size() == before) {
        // The entry already held a number, so no new number started: the entry is consumed here.
        m_redoNumbers.removeLast();
        m_redoOps.removeLast();
        emit undoRedoChanged();
    }
    keyPress(op == Operator::Subtract   ? '-'
             : op == Operator::Divide   ? '/'
             : op == Operator::Multiply ? '*'
                                        : '+');
    if (m_insertText && !label.trimmed().isEmpty() && m_tape.size() >= 28) {
        const QString line = m_tape.tail(28).left(26);
        m_tape.edit(28, line.left(1) + label.mid(1) + QLatin1Char(' ') + line.mid(13) + TapeLine::CrLf);
    }
}

// ---------------------------------------------------------------------------------------------
// Re-entry and edit mode

void Engine::reenter(const QString& word, qsizetype lineStart) {
    if (m_editMode) return;
    const QString value = typedForm(word);
    const auto v = number(value);
    if (!v || v->isZero()) return;
    m_requestedLine = lineStart;
    setEntry(value.left(22), false);
    keyPress(m_enterAdds ? KeyEnter : '+');
    m_requestedLine = -1;
}

bool Engine::enterEditMode() {
    if (m_editMode) return true;
    if (!m_tape.text().endsWith(QStringLiteral("==") + TapeLine::CrLf)) {
        if (m_context.dialogs) m_context.dialogs->message(message(12), QString(), Dialogs::Icon::Exclamation);
        return false;
    }
    m_editMode = true;
    m_tape.edit(0, QStringLiteral(" "));
    emit editModeChanged(true);
    emit tapeFocusRequested();
    emit tapeSelection(m_tape.size(), 0);
    return true;
}

void Engine::leaveEditMode(const QString& editedText) {
    if (!m_editMode) return;
    // What was copied while editing came from the tape itself: the monitor leaves it alone.
    if (m_context.clipboard) m_clipboardText = m_context.clipboard->text();
    QString text = editedText;
    if (!text.endsWith(TapeLine::CrLf)) text += TapeLine::CrLf;
    text += TapeLine::separator();
    m_tape.setText(text);
    m_editMode = false;
    m_entrySelected = true;
    emit editModeChanged(false);
    emit stateChanged();
}
