#include "ui/frmcalcula.h"

#include "core/keymap.h"
#include "i18n/messagecatalog.h"
#include "platform/keyboardstate.h"
#include "shell/colourschemes.h"
#include "ui/frmmanual.h"
#include "ui/frmpaste.h"
#include "ui/keypad.h"
#include "ui/tapeview.h"
#include "ui/textcolour.h"
#include "ui/toolwindows.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

frmCalcula::frmCalcula(CalculatorController& controller, QWidget* parent)
    : QMainWindow(parent), m_controller(controller) {
    setObjectName(QStringLiteral("frmCalcula"));
    setWindowTitle(m_controller.windowTitle());

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 4);
    auto* left = new QWidget(central);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    buildDisplay(left);
    m_keypad = new Keypad(left);
    leftLayout->addWidget(m_keypad);
    columns->addWidget(left, 1);
    m_tape = new TapeView(engine().tape(), central);
    m_tape->viewport()->installEventFilter(this);
    m_tape->installEventFilter(this);
    columns->addWidget(m_tape);
    setCentralWidget(central);

    buildMenus();
    menuBar()->installEventFilter(this);
    // As narrow as the keypad allows: the tape beside it is what the window is for.
    resize(minimumSizeHint().width(), height());

    connect(m_keypad, &Keypad::clicked, this, [this](Button b) {
        m_controller.run(CommandTable::forButton(b).id);
        focusEntry();
    });
    connect(m_keypad, &Keypad::enterKeyMenuRequested, this, [this](const QPoint& at) {
        if (QMenu* m = findChild<QMenu*>(QStringLiteral("mnu4"))) m->popup(at);
    });

    Engine& e = engine();
    connect(&e, &Engine::stateChanged, this, &frmCalcula::refresh);
    connect(&e, &Engine::tapeSelection, m_tape, &TapeView::select);
    connect(&e, &Engine::buttonPressed, this, [this](Button b) {
        if (!isMinimized()) m_keypad->showPressed(b);
    });
    connect(&e, &Engine::tapeFocusRequested, this, [this] { m_tape->setFocus(); });
    connect(&e, &Engine::editModeChanged, this, [this](bool on) {
        m_tape->setEditing(on);
        if (on)
            m_tape->setFocus();
        else
            focusEntry();
    });
    connect(&e, &Engine::timeModeChanged, this, [this](bool on) {
        m_visor[0]->setVisible(!on);
        m_visor[2]->setVisible(on);
    });

    CalculatorController& c = m_controller;
    connect(&c, &CalculatorController::commandsChanged, this, &frmCalcula::refreshCommands);
    connect(&c, &CalculatorController::languageChanged, this, &frmCalcula::translate);
    connect(&c, &CalculatorController::appearanceChanged, this, &frmCalcula::applyAppearance);
    connect(&c, &CalculatorController::titleChanged, this,
            [this] { setWindowTitle(m_controller.windowTitle()); });
    connect(&c, &CalculatorController::closeRequested, this, &QWidget::close);
    connect(&c, &CalculatorController::minimizeToggleRequested, this, &frmCalcula::toggleMinimized);
    connect(&c, &CalculatorController::manualRequested, this, &frmCalcula::showManual);
    connect(&c, &CalculatorController::toolRequested, this, &frmCalcula::openTool);
    connect(&c, &CalculatorController::colourSchemeChosen, this, &frmCalcula::applyColourScheme);
    connect(&c, &CalculatorController::tapeSelection, m_tape, &TapeView::select);
    connect(&c, &CalculatorController::tapeFocusRequested, this, [this] { m_tape->setFocus(); });
    connect(&c, &CalculatorController::entryFocusRequested, this, &frmCalcula::focusEntry);
    connect(m_tape, &QPlainTextEdit::selectionChanged, this,
            [this] { m_controller.setTapeSelected(m_tape->textCursor().hasSelection()); });
    c.setEditedTextSource([this] { return m_tape->editedText(); });

    // Editing ends when another control of the calculator takes the focus; a menu, a pop-up or
    // another window taking it for a while does not end it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == m_tape && now && now->window() == this && engine().editMode())
            m_controller.toggleEditMode();
    });
    // Find goes on from wherever the user put the caret in the tape.
    connect(m_tape, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { m_controller.setTapeCaret(m_tape->caretPosition()); });
    // Esc closes the calculator whatever control has the focus, as long as no pop-up or dialog is up
    // (those take their own Esc first).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    translate();
    applyAppearance();
    refresh();
    refreshCommands();
    focusEntry();
}

frmCalcula::~frmCalcula() = default;

// ---------------------------------------------------------------------------------------------
// Building the window

void frmCalcula::buildDisplay(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    // Texts never size their labels: the keypad decides the width, and a number that does not fit
    // is drawn smaller (fitText), so nothing moves while typing.
    for (int i = 0; i < 3; ++i) {
        m_visor[i] = new QLabel(box);
        m_visor[i]->setObjectName(QStringLiteral("lblVisor(%1)").arg(i));
        m_visor[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_visor[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        m_visor[i]->installEventFilter(this);
        setTextColour(m_visor[i], Blue);
    }
    m_visor[1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_visor[2]->hide();
    m_total = new QLabel(box);
    m_total->setObjectName(QStringLiteral("lblTotal"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_entry = new QLineEdit(box);
    m_entry->setObjectName(QStringLiteral("txtEntrada"));
    // The entry is where the keys arrive; what it holds is shown, formatted, on the display.
    m_entry->setFixedSize(1, 1);
    m_entry->installEventFilter(this);
    installEventFilter(this);

    grid->addWidget(m_visor[0], 0, 0, 1, 2);
    grid->addWidget(m_visor[2], 0, 0, 1, 2);
    grid->addWidget(m_visor[1], 1, 0);
    grid->addWidget(m_total, 1, 1);
    grid->addWidget(m_entry, 2, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    parent->layout()->addWidget(box);
}

void frmCalcula::buildMenus() {
    QHash<int, QMenu*> menus;
    QHash<int, QActionGroup*> groups;
    for (const Command& command : CommandTable::all()) {
        QMenu* parentMenu = menus.value(int(command.parent));
        switch (command.kind) {
        case CommandKind::Menu: {
            QMenu* m = parentMenu ? parentMenu->addMenu(QString()) : menuBar()->addMenu(QString());
            m->setObjectName(command.objectName);
            m->menuAction()->setObjectName(command.objectName);
            m_actions.insert(command.objectName, m->menuAction());
            menus.insert(int(command.id), m);
            break;
        }
        case CommandKind::Separator:
            if (parentMenu) parentMenu->addSeparator();
            break;
        case CommandKind::Entry:
        case CommandKind::Check:
        case CommandKind::Radio: {
            if (!parentMenu) break;
            QAction* a = parentMenu->addAction(QString());
            a->setObjectName(command.objectName);
            a->setShortcut(QKeySequence(command.shortcut));
            a->setCheckable(command.kind != CommandKind::Entry);
            if (command.kind == CommandKind::Radio) {
                QActionGroup*& group = groups[int(command.parent)];
                if (!group) group = new QActionGroup(this);
                group->addAction(a);
            }
            connect(a, &QAction::triggered, this, [this, id = command.id] { m_controller.run(id); });
            m_actions.insert(command.objectName, a);
            break;
        }
        case CommandKind::Button:
        case CommandKind::Hotkey:
            break;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Mirroring the controller

void frmCalcula::load() {
    m_controller.load();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const WindowMode mode = m_controller.mode();
    const WindowMeasures placed = m_controller.placement(
        QSize(pixelsToTwips(area.width()), pixelsToTwips(area.height())), pixelsToTwips(width()));
    resize(width(), qMax(twipsToPixels(placed.height), mode == WindowMode::Compact ? 60 : 200));
    move(area.left() + twipsToPixels(placed.left), area.top() + twipsToPixels(placed.top));
    if (mode == WindowMode::Auxiliary) {
        // Beside the first calculator: where it is, when it started this one, else where it was last
        // kept, which the stored place still says. Never right over it.
        QRect first = frameFromText(qEnvironmentVariable("TABULORA_BESIDE"));
        if (!first.isValid()) first = frameGeometry();
        move(besideFrame(first, frameGeometry().size(), area));
    }
    if (m_controller.officeMenusDrawn()) drawOfficeMenus();
    translate();
    setWindowTitle(m_controller.windowTitle());
}

// The Office-XP look: a light column down the menus' left side, and the entry under the mouse
// framed in blue on a pale blue.
void frmCalcula::drawOfficeMenus() {
    for (QMenu* menu : findChildren<QMenu*>())
        menu->setStyleSheet(QStringLiteral(
            "QMenu { background: #FCFCF9; border: 1px solid #8A867A; padding: 1px; }"
            "QMenu::item { padding: 4px 24px 4px 30px; border: 1px solid transparent; }"
            "QMenu::item:selected { background: #C1D2EE; border: 1px solid #316AC5; color: black; }"
            "QMenu::item:disabled { color: #A0A0A0; }"
            "QMenu::separator { height: 1px; background: #C5C2B8; margin: 2px 2px 2px 28px; }"
            "QMenu::indicator { left: 6px; width: 14px; height: 14px; }"));
}

// A colour scheme on the window's parts; a part the scheme leaves unchanged keeps its colour.
void frmCalcula::applyColourScheme(int number) {
    const ColourScheme& scheme = ColourSchemes::scheme(number);
    const auto colourOf = [](const SchemeColour& c) {
        switch (c.kind) {
        case SchemeColour::Kind::Rgb:
            return QColor::fromRgb(QRgb(c.rgb));
        case SchemeColour::Kind::ButtonFace:
            return QApplication::palette().color(QPalette::Button);
        case SchemeColour::Kind::Unchanged:
            break;
        }
        return QColor();
    };
    const auto paint = [&](QWidget* w, QPalette::ColorRole role, const SchemeColour& c) {
        const QColor colour = colourOf(c);
        if (!colour.isValid()) return;
        QPalette p = w->palette();
        p.setColor(role, colour);
        w->setPalette(p);
        w->setAutoFillBackground(role == QPalette::Window);
    };
    paint(this, QPalette::Window, scheme.window);
    paint(m_keypad, QPalette::Window, scheme.keypad);
    paint(m_tape, QPalette::Base, scheme.tape);
    for (QLabel* visor : m_visor)
        paint(visor, QPalette::Window, scheme.display);
    if (scheme.operators.kind != SchemeColour::Kind::Unchanged)
        m_keypad->setOperatorColours(colourOf(scheme.operators), colourOf(scheme.operatorHover));
}

void frmCalcula::refresh() {
    const Engine& e = engine();
    if (m_visor[0]->text() != e.display()) {
        m_visor[0]->setText(e.display());
        fitText(m_visor[0]);
    }
    m_visor[1]->setText(e.counter());
    if (m_visor[2]->text() != e.timeDisplay()) {
        m_visor[2]->setText(e.timeDisplay());
        fitText(m_visor[2]);
    }
    m_total->setText(e.total());
    if (m_entry->text() != e.entry()) m_entry->setText(e.entry());
    if (e.entrySelected())
        m_entry->selectAll();
    else
        m_entry->end(false);
    const bool negative = e.display().contains(QLatin1Char('-'));
    if (negative != m_displayNegative) {
        m_displayNegative = negative;
        setTextColour(m_visor[0], negative ? Red : Blue);
    }
    const bool timeNegative = e.timeDisplay().contains(QLatin1Char('-'));
    if (timeNegative != m_timeDisplayNegative) {
        m_timeDisplayNegative = timeNegative;
        setTextColour(m_visor[2], timeNegative ? Red : Blue);
    }
    m_keypad->setMemory(e.memory());
}

void frmCalcula::refreshCommands() {
    for (const Command& command : CommandTable::all()) {
        if (command.kind == CommandKind::Button) {
            m_keypad->button(*command.button)->setEnabled(m_controller.isEnabled(command.id));
            continue;
        }
        QAction* a = m_actions.value(command.objectName);
        if (!a) continue;
        const bool enabled = m_controller.isEnabled(command.id);
        if (a->isEnabled() != enabled) a->setEnabled(enabled);
        const bool visible = m_controller.isVisible(command.id);
        if (a->isVisible() != visible) a->setVisible(visible);
        if (a->isCheckable() && a->isChecked() != m_controller.isChecked(command.id))
            a->setChecked(m_controller.isChecked(command.id));
    }
    if (engine().enterAdds() != m_enterAddsLook) {
        m_enterAddsLook = engine().enterAdds();
        m_keypad->setEnterAddsLook(m_enterAddsLook);
    }
}

void frmCalcula::translate() {
    const int language = m_controller.language();
    const QChar decimal = engine().separators().decimal;
    for (const Command& command : CommandTable::all()) {
        const QString caption = CommandTable::caption(command, language, decimal);
        if (command.kind == CommandKind::Button) {
            m_keypad->button(*command.button)->setText(caption);
        } else if (QAction* a = m_actions.value(command.objectName)) {
            a->setText(caption);
        }
    }
    m_enterAddsLook = engine().enterAdds();
    m_keypad->setEnterAddsLook(m_enterAddsLook); // the enlarged "+" has a caption of its own
    refreshCommands();
    setWindowTitle(m_controller.windowTitle());
}

// The keypad, the display's font and staying above other windows follow the options.
void frmCalcula::applyAppearance() {
    const Options& options = m_controller.options();
    m_keypad->setVisible(!options.keypadHidden);
    if (m_largeLook != options.largeFont) {
        // The window is built in the large layout, its designed width; a change of layout fits the
        // window to its new width once the layouts have taken the new sizes.
        if (m_largeLook) QTimer::singleShot(0, this, &frmCalcula::fitWidth);
        m_largeLook = options.largeFont;
        m_keypad->setLarge(options.largeFont);
        m_tape->setLarge(options.largeFont);
    }
    m_displayFont = font();
    m_displayFont.setPointSize(m_displayFont.pointSize() + (options.largeFont ? 8 : 3));
    m_displayFont.setBold(true);
    const int height = QFontMetrics(m_displayFont).height() + 4;
    for (QLabel* visor : {m_visor[0], m_visor[2]}) {
        visor->setFixedHeight(height);
        fitText(visor);
    }
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) != options.alwaysOnTop) {
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, options.alwaysOnTop);
        if (shown) show();
    }
    refreshCommands();
}

// A display text wider than its label is drawn in a smaller font instead of widening the window.
void frmCalcula::fitText(QLabel* visor) {
    QFont f = m_displayFont;
    const int room = visor->contentsRect().width();
    while (room > 0 && f.pointSize() > 6 && QFontMetrics(f).horizontalAdvance(visor->text()) > room)
        f.setPointSize(f.pointSize() - 1);
    if (visor->font() != f) visor->setFont(f);
}

void frmCalcula::focusEntry() {
    if (engine().editMode()) return;
    m_entry->setFocus();
}

void frmCalcula::showManual() {
    const Context& context = m_controller.context();
    if (!context.dialogs || !context.desktop) return;
    if (!m_manual)
        m_manual = new frmManual(*context.dialogs, *context.desktop, context.facts.dataDir,
                                 m_controller.language(), this);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

// A side tool opens once: asked again, the open window comes forward. It stays above other
// programs' windows as the calculator does.
void frmCalcula::openTool(CommandId id) {
    QPointer<QWidget>& tool = m_tools[int(id)];
    if (!tool) {
        tool = createToolWindow(id, m_controller, this);
        if (!tool) return;
        tool->setAttribute(Qt::WA_DeleteOnClose);
        tool->setWindowFlag(Qt::WindowStaysOnTopHint, m_controller.options().alwaysOnTop);
    }
    tool->show();
    tool->raise();
    tool->activateWindow();
}

void frmCalcula::openPasteWindow() {
    if (!m_controller.copyForPasteWindow()) return;
    auto* paste = new frmPaste(*m_controller.context().keyboard,
                               MessageCatalog::message(351, m_controller.language()), this);
    paste->show();
    paste->raise();
    paste->activateWindow();
}

void frmCalcula::setUtilitiesMenu(QMenu* menu) {
    QAction* placeholder = m_actions.value(QStringLiteral("mnuUtil"));
    QMenu* options = findChild<QMenu*>(QStringLiteral("mnu1"));
    if (!menu || !placeholder || !options) return;
    options->insertAction(placeholder, menu->menuAction());
    options->removeAction(placeholder);
    if (placeholder->menu()) placeholder->menu()->deleteLater();
    m_actions.insert(QStringLiteral("mnuUtil"), menu->menuAction());
    m_controller.setUtilitiesAvailable(true);
    translate();
}

// ---------------------------------------------------------------------------------------------
// Keys

bool frmCalcula::handleKeyDown(QKeyEvent* ev) {
    Engine& e = engine();
    const KeyMap::Action a = KeyMap::keyDown(ev->key(), ev->modifiers(), ev->text(), e.enterAdds());
    if (a.button) m_keypad->showPressed(*a.button);
    switch (a.op) {
    case KeyMap::Op::Pass:
        return false;
    case KeyMap::Op::Character:
    case KeyMap::Op::Total:
        e.keyPress(a.code);
        return true;
    case KeyMap::Op::MemoryAdd:
        e.memoryAdd();
        return true;
    case KeyMap::Op::MemorySubtract:
        e.memorySubtract();
        return true;
    case KeyMap::Op::MemoryRecall:
        e.memoryRecall();
        return true;
    case KeyMap::Op::MemoryClear:
        e.memoryClear();
        return true;
    case KeyMap::Op::Sign:
        e.pressSign();
        return true;
    case KeyMap::Op::ClearEntry:
        e.pressClearEntry();
        return true;
    case KeyMap::Op::Scroll:
        m_tape->scroll(a.code);
        return true;
    }
    return false;
}

bool frmCalcula::eventFilter(QObject* watched, QEvent* event) {
    const bool editing = engine().editMode();
    // A right click on the display copies it for the paste window; with Ctrl it is left alone.
    if (event->type() == QEvent::MouseButtonPress && (watched == m_visor[0] || watched == m_visor[2])) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && !(mouse->modifiers() & Qt::ControlModifier) &&
            !engine().inactive()) {
            openPasteWindow();
            return true;
        }
    }
    // Every key of the calculator may sound, before anything else is done with it.
    if ((watched == m_entry || watched == m_tape) &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress)
            m_controller.soundKeyDown(k->key(), k->modifiers() & Qt::KeypadModifier);
        else if (!k->isAutoRepeat())
            m_controller.soundKeyUp();
    }
    // A menu closed with Esc leaves the menu bar in keyboard mode, where the next Esc would only end
    // that mode: with no pop-up open, Esc closes the calculator there too.
    if (watched == menuWidget() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !QApplication::activePopupWidget()) {
        close();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && (watched == m_entry || watched == m_tape) && !editing) {
        // The menu shortcuts (Ctrl+C, Ctrl+V, Ctrl+Z, Ctrl+A...) are the calculator's, not the text
        // boxes' own editing keys.
        if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && !editing && (watched == m_entry || watched == this)) {
        if (handleKeyDown(static_cast<QKeyEvent*>(event))) return true;
    } else if (event->type() == QEvent::KeyRelease && watched == m_entry) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) m_keypad->releaseAll();
        m_controller.keyReleased();
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_tape->viewport() && !editing) {
        const auto [word, lineStart] = m_tape->wordAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!word.isEmpty()) engine().reenter(word, lineStart);
        focusEntry();
        return true;
    } else if (watched == m_tape && event->type() == QEvent::KeyPress && !editing) {
        // The tape is read-only: any typing goes back to the calculator.
        auto* k = static_cast<QKeyEvent*>(event);
        if (!(k->modifiers() & Qt::ControlModifier) && handleKeyDown(k)) {
            focusEntry();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// The window's life

WindowMeasures frmCalcula::measures() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
    return {double(pixelsToTwips(height())), double(pixelsToTwips(y() - origin.y())),
            double(pixelsToTwips(x() - origin.x()))};
}

void frmCalcula::closeEvent(QCloseEvent* event) {
    // The tools go first: a report they leave on closing is on the tape before it is saved.
    for (const QPointer<QWidget>& tool : std::as_const(m_tools))
        if (tool) tool->close();
    m_controller.windowClosing(measures());
    QMainWindow::closeEvent(event);
    emit closed();
}

void frmCalcula::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame is known once the window manager has taken the window.
    QTimer::singleShot(0, this, &frmCalcula::keepTitleBarReachable);
    m_controller.windowShown();
}

void frmCalcula::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fitText(m_visor[0]);
    fitText(m_visor[2]);
    m_controller.setWindowFrame(frameGeometry());
}

void frmCalcula::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    m_controller.setWindowFrame(frameGeometry());
}

void frmCalcula::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) m_controller.setMinimized(isMinimized());
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) m_controller.windowDeactivated();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activated) {
        m_activated = true;
        m_tape->select(engine().tape().size(), 0);
        focusEntry();
        m_controller.firstActivation(pixelsToTwips(height()));
    }
    QMainWindow::changeEvent(event);
}

void frmCalcula::keepTitleBarReachable() {
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens())
        screens.append(s->availableGeometry());
    const QRect frame = frameGeometry();
    const int titleHeight = qMax(8, geometry().top() - frame.top());
    const QPoint reachable = reachablePosition(frame, titleHeight, screens);
    if (reachable != frame.topLeft()) move(reachable);
}

// The window keeps its height and is as narrow as the keypad allows; grown wider than the room to its
// right, it moves left until all of it is in sight.
void frmCalcula::fitWidth() {
    if (isMaximized() || isFullScreen()) return;
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(minimumSizeHint().width(), height());
    const QScreen* s = screen();
    if (!isVisible() || !s) return;
    const int overflow = pos().x() + frameGeometry().width() - 1 - s->availableGeometry().right();
    if (overflow > 0) move(qMax(s->availableGeometry().left(), pos().x() - overflow), pos().y());
}

void frmCalcula::toggleMinimized() {
    if (isMinimized()) {
        showNormal();
        activateWindow();
    } else {
        showMinimized();
    }
}
