#include "platform/qt/qtdialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
// Message texts use CR LF for line breaks; Qt wants LF.
QString plain(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Ctrl+C on a message box copies its title and text, as office users expect of any message box.
class CopyableMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            const QString rule = QStringLiteral("---------------------------\n");
            QGuiApplication::clipboard()->setText(rule + windowTitle() + QLatin1Char('\n') + rule + text() +
                                                  QLatin1Char('\n') + rule);
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};
} // namespace

// A dialog hands the keyboard back to the window that was active before it: some desktops (and a
// bare X server) leave the focus nowhere when a dialog closes, and the calculator would then not hear
// its keys, Esc included.
class FocusComesBack {
  public:
    FocusComesBack() : m_window(QApplication::activeWindow()), m_focus(QApplication::focusWidget()) {}
    ~FocusComesBack() {
        if (!m_window || !m_window->isVisible()) return;
        m_window->activateWindow();
        if (m_focus) m_focus->setFocus(Qt::OtherFocusReason);
    }
    FocusComesBack(const FocusComesBack&) = delete;
    FocusComesBack& operator=(const FocusComesBack&) = delete;

  private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

QWidget* QtDialogs::owner() const {
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = QApplication::activeWindow();
    return front ? front : m_parent;
}

Dialogs::Answer QtDialogs::message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                                   std::optional<Answer> defaultButton) {
    const FocusComesBack focusComesBack;
    QWidget* const parent = owner();
    CopyableMessageBox box(parent);
    // Untitled boxes carry the title of the window they belong to.
    box.setWindowTitle(title.isEmpty() && parent ? parent->windowTitle() : title);
    box.setText(plain(text));
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::None:
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    if (defaultButton) {
        const QMessageBox::StandardButton standard = *defaultButton == Answer::Yes      ? QMessageBox::Yes
                                                     : *defaultButton == Answer::No     ? QMessageBox::No
                                                     : *defaultButton == Answer::Cancel ? QMessageBox::Cancel
                                                                                        : QMessageBox::Ok;
        if (QAbstractButton* button = box.button(standard))
            box.setDefaultButton(qobject_cast<QPushButton*>(button));
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    const FocusComesBack focusComesBack;
    QWidget* const parent = owner();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title.isEmpty() && parent ? parent->windowTitle() : title);
    dialog.setLabelText(plain(prompt));
    dialog.setTextValue(defaultText);
    // A short prompt would make the box narrower than its own title ("Agendar Horário para Alarme"),
    // which the window manager then cuts.
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 120);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtDialogs::saveFileName(const QString& title, const QString& directory, const QString& fileName,
                                const QString& filter, const QString& defaultSuffix) {
    const FocusComesBack focusComesBack;
    QWidget* const parent = owner();
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile); // the folder must exist, the file need not
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QFileInfo proposed(fileName);
    if (proposed.isAbsolute()) {
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    } else {
        if (!directory.isEmpty()) dialog.setDirectory(directory);
        if (!fileName.isEmpty()) dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

QString QtDialogs::openFileName(const QString& title, const QString& directory, const QString& filter) {
    const FocusComesBack focusComesBack;
    return QFileDialog::getOpenFileName(owner(), title, directory, filter);
}
