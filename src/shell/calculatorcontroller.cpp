#include "shell/calculatorcontroller.h"

#include "core/displayformat.h"
#include "core/tapestate.h"
#include "i18n/language.h"
#include "i18n/messagecatalog.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/globalhotkeys.h"
#include "platform/keyboardstate.h"
#include "platform/midioutput.h"
#include "settings/autostart.h"
#include "settings/confkeys.h"
#include "settings/settingsstore.h"
#include "shell/clipboardmonitor.h"
#include "shell/colourschemes.h"
#include "shell/helptips.h"
#include "shell/tapeoutput.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {

// Ctrl+Insert waits this long, looking every so often, for the program in front to copy.
constexpr int SelectionWaitMs = 800;
constexpr int SelectionPollMs = 20;

const QString SupportAddress = QStringLiteral("suporte@tabulora.com.br");

} // namespace

CalculatorController::CalculatorController(Context& context, SettingsStore* store, WindowMode mode,
                                           QObject* parent)
    : QObject(parent), m_context(context), m_store(store), m_mode(mode), m_engine(context, this),
      m_keySound(context.midi),
      m_soundChoice(context, m_keySound, m_options, [this](Option option) { writeOption(option); }) {
    connect(&m_engine, &Engine::closeRequested, this, &CalculatorController::closeRequested);
    connect(&m_engine, &Engine::stateChanged, this, [this] {
        if (m_minimized) emit titleChanged();
    });
    connect(&m_engine, &Engine::undoRedoChanged, this, &CalculatorController::commandsChanged);
    connect(&m_engine, &Engine::timeModeChanged, this, &CalculatorController::commandsChanged);
    connect(&m_engine, &Engine::editModeChanged, this, &CalculatorController::commandsChanged);
    connect(&m_engine, &Engine::enterAddsChanged, this, [this](bool on) {
        m_options.enterAdds = on;
        if (!m_loading) writeOption(Option::EnterAdds);
        emit commandsChanged();
    });
    connect(&m_engine, &Engine::formatChosen, this, [this](int index) {
        m_options.format = index;
        if (!m_loading) writeOption(Option::Format);
        emit commandsChanged();
    });
    connect(&m_engine, &Engine::backupTooLarge, this, &CalculatorController::showBackup);
    connect(&m_engine, &Engine::soundWanted, this, &CalculatorController::playKeySound);
    // After every total and every clear the tape is kept, so that a crash or a power cut loses at
    // most the calculation in progress.
    connect(&m_engine, &Engine::tapeSettled, this, &CalculatorController::saveState);
    if (m_context.hotkeys)
        connect(m_context.hotkeys, &GlobalHotkeys::activated, this, &CalculatorController::onHotkey);
    // The second calculator is a scratch pad whose totals the first one's monitor takes: it never
    // monitors itself.
    if (m_context.clipboard && m_mode != WindowMode::Auxiliary)
        connect(m_context.clipboard, &Clipboard::changed, this, &CalculatorController::onClipboardChanged);
}

CalculatorController::~CalculatorController() = default;

void CalculatorController::tell(int number, Dialogs::Icon icon, const QString& parameter) const {
    if (m_context.dialogs && m_context.messages)
        m_context.dialogs->message(m_context.messages->text(number, parameter), QString(), icon);
}

int CalculatorController::language() const {
    return m_context.messages ? m_context.messages->language() : Language::Portuguese;
}

void CalculatorController::writeOption(Option option) {
    if (m_store) ::writeOption(*m_store, m_options, option);
}

QString CalculatorController::today() const {
    return TapeStateFile::dateText(m_context.now().date(), m_context.facts.datePattern);
}

void CalculatorController::playKeySound() {
    m_keySound.signal();
}

// ---------------------------------------------------------------------------------------------
// Loading, showing, closing

void CalculatorController::load() {
    m_loading = true;
    m_engine.setLoading(true);
    // What the files have to say waits until the window is in front (first activation).
    m_engine.fileNotices().hold();
    if (m_store) m_options = readOptions(*m_store);
    const bool compact = m_mode == WindowMode::Compact;

    m_engine.chooseFormat(DisplayFormat::isValidIndex(m_options.format) ? m_options.format
                                                                        : DisplayFormat::Traditional);
    m_engine.setEnterAdds(m_options.enterAdds);
    // The compact and second calculators have the small display font.
    if (m_mode != WindowMode::Full) m_options.largeFont = false;
    if (m_mode == WindowMode::Auxiliary) {
        // The second calculator keeps the designed options: it is a scratch pad.
        const Options designed;
        m_options.insertText = designed.insertText;
        m_options.keypadHidden = designed.keypadHidden;
        m_options.hotkeys = false;
        m_options.stayInTray = false;
    } else if (compact) {
        m_options.keypadHidden = true;
        m_options.hotkeys = true;
        m_options.stayInTray = false;
    }
    m_engine.setInsertText(m_options.insertText);
    m_engine.setBackup(m_options.backup);
    m_engine.setNumLockAlways(m_options.numLockAlways);
    if (m_options.hotkeys) setHotkeys(true);
    // The first scheme is the designed look; the compact calculator keeps it and plain menus.
    if (!compact && m_options.colourScheme != ColourSchemes::First)
        emit colourSchemeChosen(m_options.colourScheme);
    m_officeMenusDrawn = m_options.officeMenus && m_mode == WindowMode::Full;
    m_soundChoice.restore();

    const TapeStateFile::LoadResult kept = TapeStateFile::load(
        m_engine, TapeStateFile::path(m_context.facts.dataDir, m_context.facts.instanceTag), m_context.now(),
        m_context.facts.datePattern);
    if (kept.damaged && m_context.messages) {
        const QString path = kept.keptAs.isEmpty()
                                 ? TapeStateFile::path(m_context.facts.dataDir, m_context.facts.instanceTag)
                                 : kept.keptAs;
        m_engine.fileNotices().tell(m_context.messages->text(242, QDir::toNativeSeparators(path)),
                                    Dialogs::Icon::Exclamation);
    }
    m_startWord = m_context.facts.commandWord;
    m_engine.setLoading(false);
    m_loading = false;
    emit commandsChanged();
    emit appearanceChanged();
}

WindowMeasures CalculatorController::placement(const QSize& screen, int width) const {
    const bool compact = m_mode == WindowMode::Compact;
    const QString section = QLatin1String(conf::Section);
    const QLocale& locale = m_context.facts.locale;
    WindowMeasures m;
    m.height = compact ? 1365 : 7350;
    m.left = defaultLeft(screen.width(), width);
    if (!m_store) return m;
    if (const auto h = m_store->readMeasure(
            section, QLatin1String(compact ? conf::MiniHeight : conf::CalcHeight), m.height, locale);
        h && *h > 0)
        m.height = *h;
    // A stored measure may be any single-precision number: bring it into int range first.
    auto whole = [](const std::optional<double>& v) { return v ? int(qBound(-1e9, *v, 1e9)) : 0; };
    const int height = int(qBound(0.0, m.height, 1e9));
    m.top = clampTop(whole(m_store->readMeasure(section, QLatin1String(conf::CalcTop), 0, locale)), height,
                     screen.height(), compact);
    m.left = clampLeft(whole(m_store->readMeasure(section, QLatin1String(conf::CalcLeft), m.left, locale)),
                       width, screen.width());
    return m;
}

void CalculatorController::firstActivation(double heightTwips) {
    m_visible = true;
    // What the clipboard holds already was not copied for the calculator; a number, though, is
    // not remembered, so that copying it once more adds it.
    if (m_context.clipboard) {
        const QString held = m_context.clipboard->text();
        if (!Decimal::parse(held, m_engine.separators().decimal, m_engine.separators().group))
            m_engine.setLastClipboardText(held);
    }
    // The command word of the start is acted on once.
    runWord(std::exchange(m_startWord, QString()));
    QTimer::singleShot(0, this, [this] { m_engine.fileNotices().release(); });
    if (!m_store) return;
    const QString section = QLatin1String(conf::Section);
    const QString never = QLatin1String(conf::NeverWritten);
    // The first compact calculator ever tells how to type into it from other programs.
    if (m_mode == WindowMode::Compact &&
        m_store->read(section, QLatin1String(conf::MiniHeight), never) == never)
        tell(229, Dialogs::Icon::Information);
    // The first calculator that ever runs remembers its designed height.
    if (m_mode == WindowMode::Full && language() == Language::Portuguese &&
        m_store->read(section, QLatin1String(conf::CalcHeight), never) == never)
        m_store->writeMeasure(section, QLatin1String(conf::CalcHeight), heightTwips, m_context.facts.locale);
}

void CalculatorController::windowShown() {
    m_visible = true;
    if (!m_closedOn.isValid()) return;
    if (m_closedOn != m_context.now().date())
        TapeStateFile::load(m_engine,
                            TapeStateFile::path(m_context.facts.dataDir, m_context.facts.instanceTag),
                            m_context.now(), m_context.facts.datePattern);
    m_closedOn = QDate();
    if (m_options.hotkeys) registerHotkeys();
    if (m_soundReleased) {
        m_soundReleased = false;
        if (m_keySound.mode() != KeySound::Mode::None && m_keySound.openOutput() &&
            m_keySound.mode() == KeySound::Mode::Musical)
            m_keySound.sendInstrument(m_options.instrument);
    }
}

void CalculatorController::windowClosing(const WindowMeasures& measures) {
    if (m_engine.editMode()) toggleEditMode();
    if (m_engine.timeMode()) m_engine.setTimeMode(false);
    saveState();
    if (m_store) {
        m_options.language = language();
        saveOnClose(*m_store, m_mode, m_minimized, m_options, measures, m_context.facts.locale);
    }
    if (m_context.hotkeys) m_context.hotkeys->unregisterAll();
    // The synthesizer is the desktop's: it is not held while the calculator is closed to the tray.
    m_keySound.stop();
    m_keySound.closeOutput();
    m_soundReleased = true;
    m_closedOn = m_context.now().date();
    m_visible = false;
}

void CalculatorController::saveState() {
    const QString path = TapeStateFile::path(m_context.facts.dataDir, m_context.facts.instanceTag);
    m_engine.fileNotices().kept(path, TapeStateFile::save(m_engine, path, today()));
}

void CalculatorController::setMinimized(bool minimized) {
    if (m_minimized == minimized) return;
    m_minimized = minimized;
    emit titleChanged();
}

QString CalculatorController::windowTitle() const {
    // Minimized with the hotkeys on, the caption shows what is being typed.
    if (m_minimized && m_options.hotkeys) return QLatin1Char(' ') + m_engine.shownDisplay();
    return m_mode == WindowMode::Auxiliary ? QStringLiteral("Calculadora [Aux]")
                                           : QStringLiteral(" Tabulora");
}

void CalculatorController::setShuttingDown(bool on) {
    m_engine.setShuttingDown(on);
    if (on) m_engine.fileNotices().hold();
}

// ---------------------------------------------------------------------------------------------
// Running the commands

void CalculatorController::run(CommandId id) {
    const Command& command = CommandTable::find(id);
    if (!command.run || !isEnabled(id)) return;
    command.run(*this);
    emit commandsChanged();
}

bool CalculatorController::isChecked(CommandId id) const {
    const Command& command = CommandTable::find(id);
    return command.checked && command.checked(*this);
}

bool CalculatorController::isEnabled(CommandId id) const {
    const Command& command = CommandTable::find(id);
    // The second calculator is a scratch pad: no options, settings or help of its own.
    if (m_mode == WindowMode::Auxiliary &&
        (id == CommandId::MenuOptions || id == CommandId::MenuSettings || id == CommandId::MenuHelp))
        return false;
    if (command.kind == CommandKind::Menu) return !command.enabled || command.enabled(*this);
    if (!command.run) return false;
    return !command.enabled || command.enabled(*this);
}

bool CalculatorController::isVisible(CommandId id) const {
    const Command& command = CommandTable::find(id);
    if (command.portugueseOnly && language() != Language::Portuguese) return false;
    // The compact calculator is a display: no options, settings or help.
    return !(m_mode == WindowMode::Compact &&
             (id == CommandId::MenuOptions || id == CommandId::MenuSettings || id == CommandId::MenuHelp));
}

bool CalculatorController::runWord(const QString& word) {
    const Command* command = CommandTable::findByWord(word);
    if (!command || !command->run) return false;
    if (command->id == CommandId::TimeMode) {
        if (!m_engine.timeMode()) m_engine.setTimeMode(true);
    } else {
        command->run(*this);
    }
    emit commandsChanged();
    return true;
}

void CalculatorController::keyReleased() {
    KeyboardState* keyboard = m_context.keyboard;
    if (m_options.numLockAlways && keyboard && keyboard->isAvailable() && !keyboard->numLockOn())
        keyboard->setNumLock(true);
}

void CalculatorController::press(Button button) {
    m_engine.press(button);
}

void CalculatorController::openAnotherCalculator() {
    if (m_mode == WindowMode::Auxiliary || !m_context.desktop) return;
    m_context.desktop->startProgram(
        m_context.facts.executablePath,
        {m_engine.timeMode() ? QStringLiteral("outratempo") : QStringLiteral("outra")},
        {QStringLiteral("TABULORA_BESIDE=") + frameToText(m_frame)});
    // The second calculator's totals reach this one through the clipboard monitor.
    if (!m_options.clipboardMonitor) {
        m_options.clipboardMonitor = true;
        writeOption(Option::ClipboardMonitor);
    }
    if (m_context.clipboard) m_context.clipboard->clear();
}

void CalculatorController::openDesktopCalculator() {
    for (const char* name :
         {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "speedcrunch", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty() && m_context.desktop && m_context.desktop->startProgram(path, {})) return;
    }
    tell(19, Dialogs::Icon::Exclamation);
}

void CalculatorController::copyDisplay() {
    if (m_context.clipboard) TapeOutput::copyDisplay(m_engine, *m_context.clipboard);
}

void CalculatorController::pasteIntoDisplay() {
    if (!m_context.clipboard) return;
    if (const auto entry = TapeOutput::pastedEntry(m_context.clipboard->text(), m_engine.separators()))
        m_engine.pasteEntry(*entry);
}

void CalculatorController::toggleClipboardMonitor() {
    // What the clipboard holds now was copied before the monitor was asked for.
    if (m_context.clipboard) m_context.clipboard->clear();
    m_options.clipboardMonitor = !m_options.clipboardMonitor;
    writeOption(Option::ClipboardMonitor);
    if (m_options.clipboardMonitor) tell(222, Dialogs::Icon::Information);
}

void CalculatorController::onClipboardChanged() {
    if (!m_options.clipboardMonitor || !m_visible || m_engine.inactive() || !m_context.clipboard) return;
    if (m_tapeSelected) {
        // Copied from the tape itself.
        m_engine.setLastClipboardText(m_context.clipboard->text());
        emit entryFocusRequested();
        return;
    }
    if (ClipboardMonitor::take(m_engine, *m_context.clipboard) == ClipboardMonitor::Step::NoNumber)
        tell(20, Dialogs::Icon::Exclamation);
}

bool CalculatorController::copyForPasteWindow() {
    copyDisplay();
    if (m_context.keyboard && m_context.keyboard->isAvailable()) return true;
    if (!std::exchange(m_pasteUnavailableSaid, true)) tell(350, Dialogs::Icon::Information);
    return false;
}

void CalculatorController::sendEmail() {
    if (!m_context.desktop) return;
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(SupportAddress);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"),
                       QStringLiteral("Tabulora %1").arg(QLatin1String(TABULORA_VERSION)));
    mail.setQuery(query);
    if (!m_context.desktop->openDocument(mail.toString(QUrl::FullyEncoded)))
        tell(13, Dialogs::Icon::Exclamation, SupportAddress);
}

void CalculatorController::toggleEditMode() {
    if (!m_engine.editMode()) {
        m_engine.enterEditMode();
        return;
    }
    QString text = m_editedText ? m_editedText() : m_engine.tape().text();
    m_engine.leaveEditMode(text);
}

void CalculatorController::find() {
    if (!m_context.dialogs || !m_context.messages) return;
    const Messages& text = *m_context.messages;
    const QString answer = m_context.dialogs->input(text.text(55), text.text(56), m_finder.lastSearch());
    if (answer.trimmed().isEmpty()) {
        m_finder.next(m_engine.tape().text(), answer);
        return;
    }
    emit tapeFocusRequested();
    const std::optional<qsizetype> at = m_finder.next(m_engine.tape().text(), answer);
    if (!at) {
        m_context.dialogs->message(text.text(18), QString(), Dialogs::Icon::Information);
        return;
    }
    emit tapeSelection(*at, m_finder.lastSearch().size());
}

void CalculatorController::saveTape() {
    playKeySound();
    if (TapeOutput::saveTape(m_context, m_engine.fileNotices(), m_options, m_engine.tape().text()) ==
        TapeOutput::Outcome::Done) {
        writeOption(Option::LastSavedFile);
        writeOption(Option::LastSavedFolder);
    }
}

void CalculatorController::showBackup() {
    if (!m_context.dialogs || !m_context.messages) return;
    const QString path = m_engine.backupFile().path();
    if (!QFileInfo::exists(path)) {
        tell(171, Dialogs::Icon::Information);
        return;
    }
    if (!m_context.desktop || !m_context.desktop->openDocument(path))
        m_context.dialogs->message(m_context.messages->text(172) + QStringLiteral("\r\n\r\n") +
                                       QDir::toNativeSeparators(path),
                                   QString(), Dialogs::Icon::Critical);
}

void CalculatorController::printTape(int sizeIndex) {
    playKeySound();
    TapeOutput::printTape(m_context, m_engine.tape().text(), sizeIndex);
}

void CalculatorController::printOnRoll() {
    playKeySound();
    const QString before = m_options.rollPrinterPort;
    // A key of the section "Portas" names the device of a port (a USB roll printer, a test's pty).
    auto deviceOf = [this](const QString& port) {
        return m_store ? m_store->read(QStringLiteral("Portas"), port, QString()) : QString();
    };
    TapeOutput::printOnRoll(m_context, m_options, m_engine.tape().text(), deviceOf);
    if (m_options.rollPrinterPort != before) writeOption(Option::RollPrinterPort);
}

void CalculatorController::setBackup(bool on) {
    m_options.backup = on;
    m_engine.setBackup(on);
}

void CalculatorController::setKeypadHidden(bool on) {
    m_options.keypadHidden = on;
    emit appearanceChanged();
}

void CalculatorController::setLargeFont(bool on) {
    m_options.largeFont = on;
    // Written by the menu only while the window is in use; the load's own choice is not the user's.
    if (m_visible && !m_loading) writeOption(Option::LargeFont);
    emit appearanceChanged();
}

void CalculatorController::toggleStartWithSession() {
    if (autostart::isEnabled())
        autostart::disable();
    else
        autostart::enable(m_context.facts.executablePath);
}

bool CalculatorController::startsWithSession() const {
    return autostart::isEnabled();
}

void CalculatorController::setStayInTray(bool on) {
    m_options.stayInTray = on;
    writeOption(Option::StayInTray);
}

void CalculatorController::setNumLockAlways(bool on) {
    m_options.numLockAlways = on;
    m_engine.setNumLockAlways(on);
    writeOption(Option::NumLockAlways);
}

void CalculatorController::setAlwaysOnTop(bool on) {
    m_options.alwaysOnTop = on;
    writeOption(Option::AlwaysOnTop);
    emit appearanceChanged();
}

void CalculatorController::setInsertText(bool on) {
    m_options.insertText = on;
    m_engine.setInsertText(on);
    writeOption(Option::InsertText);
}

void CalculatorController::setPrintDevice(const QString& name) {
    m_options.printDevice = name;
    writeOption(Option::PrintDevice);
}

void CalculatorController::chooseFormat(int index) {
    m_engine.chooseFormat(index);
}

void CalculatorController::setEnterAdds(bool on) {
    m_engine.setEnterAdds(on);
}

void CalculatorController::chooseLanguage(int language) {
    if (language < Language::Portuguese || language > Language::French || !m_context.messages) return;
    m_context.messages->setLanguage(language);
    applyQtTranslations(language);
    emit languageChanged(language);
    emit titleChanged();
}

void CalculatorController::showHelp() {
    if (m_context.dialogs && askForManual(*m_context.dialogs, language())) emit manualRequested();
}

void CalculatorController::showAbout() {
    if (m_context.dialogs)
        m_context.dialogs->message(aboutText(language()), aboutTitle(), Dialogs::Icon::Information);
}

// ---------------------------------------------------------------------------------------------
// System-wide hotkeys

void CalculatorController::setHotkeys(bool on) {
    m_options.hotkeys = on;
    emit titleChanged();
    GlobalHotkeys* hotkeys = m_context.hotkeys;
    if (!on) {
        if (hotkeys) hotkeys->unregisterAll();
        return;
    }
    if (!hotkeys || !hotkeys->isAvailable()) {
        // Outside X11 the option stays a choice that does nothing; the user hears it once.
        if (!m_loading && !std::exchange(m_hotkeysUnavailableSaid, true))
            tell(228, Dialogs::Icon::Information);
        return;
    }
    registerHotkeys();
    if (!m_loading) tell(229, Dialogs::Icon::Information);
}

void CalculatorController::registerHotkeys() {
    // A key another program holds is simply not available.
    if (m_context.hotkeys && m_context.hotkeys->isAvailable())
        m_context.hotkeys->registerAll(CommandTable::hotkeys());
}

void CalculatorController::onHotkey(int id) {
    if (m_engine.inactive()) return;
    if (m_takingSelection) {
        m_waitingHotkeys.append(id);
        return;
    }
    run(CommandId(id));
}

// Ctrl+Enter totals, or adds in Enter-adds mode; Ctrl+Alt+Enter changes the sign, or totals there.
void CalculatorController::hotkeyEnter() {
    m_engine.press(m_engine.enterAdds() ? Button::Add : Button::Equals);
}

void CalculatorController::hotkeyAltEnter() {
    m_engine.press(m_engine.enterAdds() ? Button::Equals : Button::Sign);
}

// Ctrl+Insert: the program in front copies its selection, and a number found there is added. The
// copy happens in that program, later: the clipboard is looked at until it changes or a while has
// passed, with the calculator answering its own events meanwhile.
void CalculatorController::takeSelection() {
    if (!m_context.clipboard) return;
    const QString before = m_context.clipboard->text();
    if (m_context.keyboard && m_context.keyboard->isAvailable()) {
        m_takingSelection = true;
        m_context.keyboard->sendCopyToFocusedWindow();
        QTimer::singleShot(SelectionPollMs, this,
                           [this, before] { finishTakingSelection(before, SelectionPollMs); });
        return;
    }
    finishTakingSelection(before, SelectionWaitMs);
}

void CalculatorController::finishTakingSelection(const QString& before, int waitedMs) {
    const QString now = m_context.clipboard->text();
    if (now == before && waitedMs < SelectionWaitMs) {
        QTimer::singleShot(SelectionPollMs, this, [this, before, waitedMs] {
            finishTakingSelection(before, waitedMs + SelectionPollMs);
        });
        return;
    }
    if (const auto entry = TapeOutput::pastedEntry(now, m_engine.separators())) {
        m_engine.pasteEntry(*entry);
        m_engine.keyPress(Engine::KeyAdd);
        emit titleChanged();
    } else {
        tell(224, Dialogs::Icon::Exclamation);
    }
    m_takingSelection = false;
    for (const QList<int> waiting = std::exchange(m_waitingHotkeys, {}); int id : waiting)
        onHotkey(id);
}

// ---------------------------------------------------------------------------------------------
// Key sounds and looks

void CalculatorController::chooseKeySound(KeySound::Mode mode) {
    m_soundChoice.choose(mode, m_visible && !m_loading);
    emit commandsChanged();
}

void CalculatorController::soundKeyDown(int qtKey, bool keypad) {
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return; // a modifier plays nothing; the key it goes with does
    default:
        m_keySound.keyDown(KeySound::virtualKey(qtKey, keypad));
    }
}

void CalculatorController::soundKeyUp() {
    m_keySound.keyUp();
}

void CalculatorController::windowDeactivated() {
    m_keySound.stop();
}

void CalculatorController::chooseColourScheme(int scheme) {
    m_options.colourScheme = scheme;
    writeOption(Option::ColourScheme);
    emit colourSchemeChosen(scheme);
    emit commandsChanged();
}

void CalculatorController::toggleOfficeMenus() {
    m_options.officeMenus = !m_options.officeMenus;
    writeOption(Option::OfficeMenus);
    emit commandsChanged();
    tell(218, Dialogs::Icon::Information);
}
