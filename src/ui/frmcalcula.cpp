#include "ui/frmcalcula.h"

#include "core/displayformat.h"
#include "core/keymap.h"
#include "shell/tapeoutput.h"
#include "core/tapestate.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/globalhotkeys.h"
#include "platform/keyboardstate.h"
#include "settings/autostart.h"
#include "settings/confkeys.h"
#include "ui/frmmanual.h"
#include "shell/helptips.h"
#include "i18n/language.h"
#include "i18n/menucaptions.h"
#include "i18n/messagecatalog.h"
#include "shell/program.h"
#include "settings/windowgeometry.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QApplication>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Colours of the design, as RGB: red for negative values, blue otherwise.
const QColor Red(0xFF, 0x00, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);

void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

frmCalcula::frmCalcula(EngineEnvironment env, QWidget* parent)
    : QMainWindow(parent), m_engine(std::make_unique<Engine>(std::move(env), this)) {
    setObjectName(QStringLiteral("frmCalcula"));
    setWindowTitle(QStringLiteral(" Tabulora"));

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 4);
    auto* left = new QWidget(central);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    buildDisplay(left);
    buildKeypad(left);
    columns->addWidget(left, 1);

    m_tape = new QPlainTextEdit(central);
    m_tape->setObjectName(QStringLiteral("txtFita"));
    m_tape->setReadOnly(true);
    m_tape->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tape->setUndoRedoEnabled(false);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_tape->setFont(mono);
    // The roll is exactly as wide as its lines and its scroll bar; a wider window widens the keypad.
    m_tape->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int margins = int(2 * m_tape->document()->documentMargin()) + 2 * m_tape->frameWidth();
    m_tape->setFixedWidth(QFontMetrics(mono).horizontalAdvance(QString(TapeLine::Width + 1, QLatin1Char('0'))) +
                          m_tape->verticalScrollBar()->sizeHint().width() + margins);
    setTextColour(m_tape, Blue);
    m_tape->viewport()->installEventFilter(this);
    m_tape->installEventFilter(this);
    columns->addWidget(m_tape);
    setCentralWidget(central);

    buildMenus();
    menuBar()->installEventFilter(this);
    setEnterAddsLook(false);
    // As narrow as the keypad allows: the tape beside it is what the window is for.
    resize(minimumSizeHint().width(), height());
    m_actions.value(QStringLiteral("mnuGrande"))->setChecked(true);

    m_releaseTimer = new QTimer(this);
    m_releaseTimer->setSingleShot(true);
    m_releaseTimer->setInterval(120);
    connect(m_releaseTimer, &QTimer::timeout, this, &frmCalcula::releaseButtons);

    Engine* e = m_engine.get();
    connect(e, &Engine::stateChanged, this, &frmCalcula::refresh);
    connect(&e->tape(), &Tape::edited, this, &frmCalcula::onTapeEdited);
    connect(&e->tape(), &Tape::reset, this, &frmCalcula::onTapeReset);
    connect(e, &Engine::tapeSelection, this, &frmCalcula::selectTape);
    connect(e, &Engine::buttonPressed, this, &frmCalcula::showPressed);
    connect(e, &Engine::tapeFocusRequested, this, [this] { m_tape->setFocus(); });
    connect(e, &Engine::closeRequested, this, &QWidget::close);
    connect(e, &Engine::enterAddsChanged, this, &frmCalcula::setEnterAddsLook);
    connect(e, &Engine::formatChosen, this, [this](int index) {
        if (m_settings && !m_loading) m_settings->write(QString::fromLatin1(conf::Section), QStringLiteral("Formato"),
                                                        QString::number(index));
    });
    connect(e, &Engine::enterAddsChanged, this, [this](bool on) {
        if (m_settings && !m_loading) m_settings->writeBool(QString::fromLatin1(conf::Section), QStringLiteral("CalcEnter"), on);
    });
    connect(e, &Engine::undoRedoChanged, this, [this] {
        m_actions.value(QStringLiteral("mnuUndo"))->setEnabled(m_engine->canUndo());
        m_actions.value(QStringLiteral("mnuRedo"))->setEnabled(m_engine->canRedo());
    });
    connect(e, &Engine::editModeChanged, this, [this](bool on) {
        m_tape->setReadOnly(!on);
        setTextColour(m_tape, on ? palette().color(QPalette::Text) : Blue);
        m_actions.value(QStringLiteral("mnuEditar"))->setChecked(on);
        if (!on) focusEntry();
    });
    connect(e, &Engine::timeModeChanged, this, [this](bool on) {
        m_visor[0]->setVisible(!on);
        m_visor[2]->setVisible(on);
        for (const char* name : {"chkVirgula", "MC", "MR", "Mmenos", "Mmais"})
            m_buttons.value(QLatin1String(name))->setEnabled(!on);
        m_actions.value(QStringLiteral("mnuTempo"))->setChecked(on);
    });

    onTapeReset(e->tape().text());
    refresh();
    focusEntry();

    // Editing ends when another control of the calculator takes the focus; a menu, a pop-up or
    // another window taking it for a while does not end it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == m_tape && now && now->window() == this && m_engine->editMode()) leaveEditMode();
    });
    // Find goes on from wherever the user put the caret in the tape.
    connect(m_tape, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { m_engine->setTapeCaret(toTapePosition(m_tape->textCursor().selectionStart())); });
    // Esc closes the calculator whatever control has the focus, as long as no pop-up or dialog is up
    // (those take their own Esc first).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
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
        setTextColour(m_visor[i], Blue);
    }
    m_visor[2]->hide();
    m_visor[1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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

QAbstractButton* frmCalcula::addButton(const QString& name, const QString& caption, int row, int column,
                                       int rowSpan, int columnSpan) {
    auto* b = new QToolButton(m_keypad);
    b->setObjectName(name);
    b->setText(caption);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(52, 30);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (row < 0) {
        // The rows of the other keys decide the column's height; the operators share it by stretch.
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
        b->setMinimumHeight(22);
        m_operatorColumn->addWidget(b, 1);
    } else
        static_cast<QGridLayout*>(m_keypad->layout())->addWidget(b, row, column, rowSpan, columnSpan);
    m_buttons.insert(name, b);
    connect(b, &QToolButton::clicked, this, [this, name] { pressButton(name); });
    return b;
}

// What a keypad button does, whether it was clicked or reached through its system-wide hotkey.
void frmCalcula::pressButton(const QString& name) {
    Engine& e = *m_engine;
    if (e.inactive()) return; // the tape is being edited: the keypad waits
    if (name.startsWith(QLatin1String("chkNum("))) e.pressDigit(name.mid(7, 1).toInt());
    else if (name == QLatin1String("chkVirgula")) e.pressSeparator();
    else if (name == QLatin1String("chkBack")) e.pressBack();
    else if (name == QLatin1String("chkCE")) e.pressClearEntry();
    else if (name == QLatin1String("chkNeg")) e.pressSign();
    else if (name == QLatin1String("chkMais")) e.keyPress(e.enterAdds() ? Engine::KeyEnter : '+');
    else if (name == QLatin1String("chkMenos")) e.keyPress('-');
    else if (name == QLatin1String("chkVezes")) e.keyPress('*');
    else if (name == QLatin1String("chkDividir")) e.keyPress('/');
    else if (name == QLatin1String("chkPercent")) e.keyPress('%');
    else if (name == QLatin1String("chkIgual")) e.keyPress('=');
    else if (name == QLatin1String("MC")) e.memoryClear();
    else if (name == QLatin1String("MR")) e.memoryRecall();
    else if (name == QLatin1String("Mmais")) e.memoryAdd();
    else if (name == QLatin1String("Mmenos")) e.memorySubtract();
    focusEntry();
}

void frmCalcula::buildKeypad(QWidget* parent) {
    m_keypad = new QGroupBox(parent);
    m_keypad->setObjectName(QStringLiteral("fraTeclado"));
    // The memory is the frame's caption; an empty one still takes its line, so the keys stay put.
    m_keypad->setTitle(QStringLiteral(" "));
    setTextColour(m_keypad, Blue);
    auto* grid = new QGridLayout(m_keypad);
    grid->setSpacing(3);
    addButton(QStringLiteral("MC"), QStringLiteral("MC"), 0, 0);
    addButton(QStringLiteral("MR"), QStringLiteral("MR"), 0, 1);
    addButton(QStringLiteral("Mmenos"), QStringLiteral("M-"), 0, 2);
    addButton(QStringLiteral("Mmais"), QStringLiteral("M+"), 0, 3);
    addButton(QStringLiteral("chkCE"), QStringLiteral("CE"), 1, 0);
    addButton(QStringLiteral("chkBack"), QStringLiteral("←"), 1, 1);
    addButton(QStringLiteral("chkPercent"), QStringLiteral("%"), 1, 2);
    const int digitRows[10][2] = {{5, 0}, {4, 0}, {4, 1}, {4, 2}, {3, 0}, {3, 1}, {3, 2}, {2, 0}, {2, 1}, {2, 2}};
    for (int d = 9; d >= 0; --d)
        addButton(QStringLiteral("chkNum(%1)").arg(d), QString::number(d), digitRows[d][0], digitRows[d][1]);
    addButton(QStringLiteral("chkVirgula"), QString(m_engine->separators().decimal), 5, 1);
    addButton(QStringLiteral("chkNeg"), QStringLiteral("+/-"), 5, 2);
    // The operator column has a layout of its own, so that "+" can grow in Enter-adds mode while the
    // other operators shrink a little and all of them stay in sight.
    m_operatorColumn = new QVBoxLayout;
    m_operatorColumn->setSpacing(grid->spacing());
    grid->addLayout(m_operatorColumn, 1, 3, 5, 1);
    addButton(QStringLiteral("chkDividir"), QStringLiteral("÷"), -1, 3);
    addButton(QStringLiteral("chkVezes"), QStringLiteral("×"), -1, 3);
    addButton(QStringLiteral("chkMenos"), QStringLiteral("-"), -1, 3);
    QAbstractButton* plus = addButton(QStringLiteral("chkMais"), QStringLiteral("+"), -1, 3);
    QAbstractButton* equals = addButton(QStringLiteral("chkIgual"), QStringLiteral("="), -1, 3);
    for (QAbstractButton* b : {plus, equals}) {
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this, [this, b](const QPoint& pos) {
            if (QMenu* m = findChild<QMenu*>(QStringLiteral("mnu4"))) m->popup(b->mapToGlobal(pos));
        });
    }
    parent->layout()->addWidget(m_keypad);
}

QAction* frmCalcula::addAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key,
                               bool checkable) {
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setCheckable(checkable);
    m_actions.insert(name, a);
    return a;
}

void frmCalcula::buildMenus() {
    Engine* e = m_engine.get();
    auto menu = [this](const QString& name, const QString& caption, QMenu* parent = nullptr) {
        QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        m_actions.insert(name, m->menuAction());
        return m;
    };
    auto act = [this](QMenu* m, const char* name, const char* caption, const QKeySequence& key = {},
                      bool checkable = false) {
        return addAction(m, QLatin1String(name), QString::fromUtf8(caption), key, checkable);
    };
    // Entries whose tools are not part of this program yet stand in the menus, disabled.
    auto later = [](QAction* a) { a->setEnabled(false); };

    QMenu* options = menu(QStringLiteral("mnu1"), QStringLiteral("&Opções"));
    connect(act(options, "mnuOutra", "Abrir O&utra Calculadora Desta", Qt::Key_F6), &QAction::triggered, this,
            &frmCalcula::openAnotherCalculator);
    connect(act(options, "mnuWindows", "Abrir Calculadora do &Windows", Qt::Key_F7), &QAction::triggered, this,
            &frmCalcula::openDesktopCalculator);
    later(act(options, "mnuData", "Calcular &Data", Qt::Key_F5));
    later(act(options, "mnuPeso", "Calcular Peso Ideal (IMC)", QKeySequence(Qt::SHIFT | Qt::Key_F5)));
    connect(act(options, "mnuTempo", "Calcular Temp&o", Qt::Key_F8, true), &QAction::triggered, this,
            [e](bool) { e->setTimeMode(!e->timeMode()); });
    later(act(options, "mnuJuro", "Calcular &Juro Capitalizado", QKeySequence(Qt::CTRL | Qt::Key_J)));
    later(act(options, "mnuRegra", "Calcular Regra de &Três", QKeySequence(Qt::CTRL | Qt::Key_T)));
    options->addSeparator();
    connect(act(options, "mnuCopiar", "&Copiar o Visor Numérico", QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &frmCalcula::copyDisplay);
    connect(act(options, "mnuColar", "Colar no &Visor", QKeySequence(Qt::CTRL | Qt::Key_V)), &QAction::triggered,
            this, &frmCalcula::pasteIntoDisplay);
    later(act(options, "mnuExtenso", "Copiar o Visor por &Extenso", QKeySequence(Qt::CTRL | Qt::Key_E)));
    later(act(options, "mnuCheque", "&Imprimir Cheque", QKeySequence(Qt::CTRL | Qt::Key_I)));
    later(act(options, "mnuPromissoria", "Imprimir &Nota Promissória", QKeySequence(Qt::CTRL | Qt::Key_N)));
    later(act(options, "mnuConverte", "Converter &Pesos e Medidas", QKeySequence(Qt::CTRL | Qt::Key_O)));
    options->addSeparator();
    connect(act(options, "mnuUndo", "Desfa&zer", QKeySequence(Qt::CTRL | Qt::Key_Z)), &QAction::triggered, e,
            &Engine::undo);
    connect(act(options, "mnuRedo", "&Refazer", QKeySequence(Qt::CTRL | Qt::Key_R)), &QAction::triggered, e,
            &Engine::redo);
    m_actions[QStringLiteral("mnuUndo")]->setEnabled(false);
    m_actions[QStringLiteral("mnuRedo")]->setEnabled(false);
    options->addSeparator();
    later(menu(QStringLiteral("mnuUtil"), QStringLiteral("Utilitário&s"), options)->menuAction());

    QMenu* tape = menu(QStringLiteral("mnuFita"), QStringLiteral("&Lista dos Cálculos (Fita)"));
    connect(act(tape, "mnuEditar", "&Editar", Qt::Key_F2, true), &QAction::triggered, this, [this](bool) {
        if (m_engine->editMode())
            leaveEditMode();
        else if (!m_engine->enterEditMode())
            m_actions[QStringLiteral("mnuEditar")]->setChecked(false);
    });
    connect(act(tape, "mnuLocalizar", "Locali&zar Texto ou Número", Qt::Key_F3), &QAction::triggered, e,
            &Engine::find);
    connect(act(tape, "mnuLimpar", "&Limpar (apagar cálculos)", QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, e, &Engine::clearTape);
    connect(act(tape, "mnuAgrupar", "&Agrupar o Total das Capitalizações", QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, e, &Engine::group);
    tape->addSeparator();
    connect(act(tape, "mnuSalvar", "&Salvar em Arquivo", QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered,
            this, &frmCalcula::saveTape);
    QAction* backup = act(tape, "mnuBackup", "Fazer &Backup ao Limpar", {}, true);
    backup->setChecked(e->backup());
    connect(backup, &QAction::toggled, e, &Engine::setBackup);
    connect(act(tape, "mnuMostraBack", "Mostrar Bac&kup", QKeySequence(Qt::CTRL | Qt::Key_K)), &QAction::triggered,
            e, &Engine::showBackup);
    tape->addSeparator();
    connect(act(tape, "mnuImprimir(0)", "Imprimir com fonte &Pequena", QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { printTape(0); });
    connect(act(tape, "mnuImprimir(1)", "Imprimir com fonte &Média", QKeySequence(Qt::CTRL | Qt::Key_M)),
            &QAction::triggered, this, [this] { printTape(1); });
    connect(act(tape, "mnuImprimir(2)", "Imprimir com fonte &Grande", QKeySequence(Qt::CTRL | Qt::Key_G)),
            &QAction::triggered, this, [this] { printTape(2); });
    connect(act(tape, "mnuMatricial", "Imprimir em &Bobina", QKeySequence(Qt::CTRL | Qt::Key_Y)),
            &QAction::triggered, this, &frmCalcula::printOnRoll);

    QMenu* config = menu(QStringLiteral("mnuConfig"), QStringLiteral("&Configurações"));
    connect(act(config, "mnuOcultar", "&Ocultar Teclado", {}, true), &QAction::toggled, this,
            [this](bool on) { m_keypad->setVisible(!on); });
    connect(act(config, "mnuGrande", "Exibir com Letra &Grande", {}, true), &QAction::toggled, this,
            &frmCalcula::setLargeFont);
    connect(act(config, "mnuFicar", "Iniciar com o Window&s", {}, true), &QAction::triggered, this,
            &frmCalcula::toggleStartWithSession);
    act(config, "mnuSystray", "Ficar na &Systray ao Fechar", {}, true);
    act(config, "mnuNumLock", "\"N&umLock\" sempre ligado", {}, true);
    connect(m_actions[QStringLiteral("mnuNumLock")], &QAction::toggled, e, &Engine::setNumLockAlways);
    later(act(config, "mnuMonit", "&Monitorar Área de Transferência", {}, true));
    connect(act(config, "mnuVisivel", "Sempre &Visível (On Top)", {}, true), &QAction::toggled, this,
            &frmCalcula::setAlwaysOnTop);
    connect(act(config, "mnuHotKey", "&HotKeys (CTRL + Teclado Numérico)", {}, true), &QAction::toggled, this,
            &frmCalcula::setHotkeys);
    connect(act(config, "mnuInserir", "&Inserir Texto Durante o Cálculo", {}, true), &QAction::toggled, e,
            &Engine::setInsertText);
    config->addSeparator();
    QMenu* formats = menu(QStringLiteral("mnuForm"), QStringLiteral("Formato do &Número Digitado"), config);
    auto* formatGroup = new QActionGroup(this);
    const QStringList captions = {QStringLiteral("&Moeda com Símbolo Decimal Flutuante"),
                                  QStringLiteral("Moeda com Símbolo Decimal &Fixo"),
                                  QStringLiteral("&Numeral (Modo Tradicional)")};
    for (int i = 0; i <= 10; ++i) {
        const QString caption = i < 3 ? captions[i]
                                      : QStringLiteral("0") + e->separators().decimal + QString(i - 2, QLatin1Char('0'));
        QAction* a = addAction(formats, QStringLiteral("mnuNumeral(%1)").arg(i), caption, {}, true);
        formatGroup->addAction(a);
        connect(a, &QAction::triggered, e, [e, i] { e->chooseFormat(i); });
        if (i == 2) formats->addSeparator();
    }
    QMenu* colours = menu(QStringLiteral("mnuEsquema"), QStringLiteral("&Esquema de Cor (Aparência)"), config);
    auto* colourGroup = new QActionGroup(this);
    for (int i = 1; i <= 4; ++i) {
        static const char* names[] = {"&Padrão", "&Marrom", "&Verde", "&Rosa"};
        QAction* a = addAction(colours, QStringLiteral("mnuCor%1").arg(i), QString::fromUtf8(names[i - 1]), {}, true);
        colourGroup->addAction(a);
        a->setChecked(i == 1);
    }
    later(colours->menuAction());
    QMenu* sounds = menu(QStringLiteral("mnuSomEscolher"), QStringLiteral("Som ao &Digitar"), config);
    auto* soundGroup = new QActionGroup(this);
    soundGroup->addAction(act(sounds, "mnuSemSom", "&Nenhum", {}, true))->setChecked(true);
    soundGroup->addAction(act(sounds, "mnuBeep", "&Beep, Beep...", QKeySequence(Qt::CTRL | Qt::Key_B), true));
    soundGroup->addAction(act(sounds, "mnuSom", "Mu&sical (à escolher)", QKeySequence(Qt::CTRL | Qt::Key_U), true));
    later(sounds->menuAction());
    QMenu* languages = menu(QStringLiteral("mnuIdioma"), QStringLiteral("&Linguagem (Idioma)"), config);
    auto* languageGroup = new QActionGroup(this);
    for (int l = 1; l <= 4; ++l) {
        static const char* names[] = {"&Português", "&English", "E&spañol", "&Français"};
        QAction* a = addAction(languages, languageMenuName(l), QString::fromUtf8(names[l - 1]), {}, true);
        languageGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, l] { chooseLanguage(l); });
    }
    QMenu* enterKey = menu(QStringLiteral("mnu4"), QStringLiteral("&Função da Tecla \"ENTER\""), config);
    auto* enterGroup = new QActionGroup(this);
    QAction* enter = act(enterKey, "mnuEnter", "&Somar (Modo Avançado)", Qt::Key_F4, true);
    // F9 is the way back that the help tips teach.
    QAction* equals = act(enterKey, "mnuIgual", "&Resultado (Modo Tradicional)", Qt::Key_F9, true);
    enterGroup->addAction(enter);
    enterGroup->addAction(equals);
    connect(enter, &QAction::triggered, e, [e] { e->setEnterAdds(true); });
    connect(equals, &QAction::triggered, e, [e] { e->setEnterAdds(false); });
    later(act(config, "mnuXP", "Office &XP menu", {}, true));

    QMenu* help = menu(QStringLiteral("mnu9"), QStringLiteral("?"));
    connect(act(help, "mnuAjuda", "&Ajuda", Qt::Key_F1), &QAction::triggered, this, &frmCalcula::showHelp);
    connect(act(help, "mnuCalc", "&Sobre a Calculadora", Qt::Key_F11), &QAction::triggered, this,
            &frmCalcula::showAbout);
    later(act(help, "mnuEmail", "&Enviar e-mail ao suporte técnico"));

    // Options that are written to the settings the moment they change.
    const std::pair<const char*, const char*> immediate[] = {
        {"mnuVisivel", "Visivel"}, {"mnuSystray", "mnuSystray"}, {"mnuMonit", "Monitor"},
        {"mnuInserir", "InserirTexto"}, {"mnuNumLock", "NumLock"}};
    for (const auto& [menuName, key] : immediate) {
        const QString k = QLatin1String(key);
        connect(m_actions.value(QLatin1String(menuName)), &QAction::toggled, this, [this, k](bool on) {
            if (m_settings && !m_loading) m_settings->writeBool(QString::fromLatin1(conf::Section), k, on);
        });
    }
}

// ---------------------------------------------------------------------------------------------
// Mirroring the engine

void frmCalcula::refresh() {
    const Engine& e = *m_engine;
    if (isMinimized()) updateTitle();
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
    const QString memoryCaption = e.memory().isEmpty() ? QStringLiteral(" ") : e.memory();
    if (m_keypad->title() != memoryCaption) {
        m_keypad->setTitle(memoryCaption);
        const bool memNegative = e.memory().contains(QLatin1Char('-'));
        if (memNegative != m_memoryNegative) {
            m_memoryNegative = memNegative;
            setTextColour(m_keypad, memNegative ? Red : Blue);
        }
    }
    for (int i = 0; i <= 10; ++i)
        if (QAction* a = m_actions.value(QStringLiteral("mnuNumeral(%1)").arg(i)))
            if (a->isChecked() != (i == e.formatIndex())) a->setChecked(i == e.formatIndex());
}

void frmCalcula::onTapeEdited(const QString& removed, const QString& added) {
    QTextCursor c(m_tape->document());
    c.movePosition(QTextCursor::End);
    const int cut = int(removed.size() - removed.count(QLatin1Char('\r')));
    if (cut > 0) {
        c.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, cut);
        c.removeSelectedText();
    }
    if (!added.isEmpty()) {
        QString text = added;
        text.remove(QLatin1Char('\r'));
        c.insertText(text);
    }
    m_tapeWidgetLength += int(added.size() - added.count(QLatin1Char('\r'))) - cut;
}

void frmCalcula::onTapeReset(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    m_tape->setPlainText(plain);
    m_tapeWidgetLength = int(plain.size());
}

// The tape keeps CR LF; the widget keeps LF alone. Positions are converted counting from the end,
// where the engine works, so that the cost is that of the tail and not of the whole roll.
int frmCalcula::toWidgetPosition(qsizetype tapePosition) const {
    const QString& t = m_engine->tape().text();
    tapePosition = qBound<qsizetype>(0, tapePosition, t.size());
    const QStringView tail = QStringView(t).mid(tapePosition);
    return m_tapeWidgetLength - int(tail.size() - tail.count(QLatin1Char('\r')));
}

// The widget keeps LF alone: every line before a position carries one CR more in the tape.
qsizetype frmCalcula::toTapePosition(int widgetPosition) const {
    const QTextBlock block = m_tape->document()->findBlock(widgetPosition);
    return block.isValid() ? widgetPosition + block.blockNumber() : widgetPosition;
}

void frmCalcula::selectTape(qsizetype start, qsizetype length) {
    QTextCursor c(m_tape->document());
    const int from = toWidgetPosition(start);
    c.setPosition(from);
    if (length > 0) c.setPosition(toWidgetPosition(start + length), QTextCursor::KeepAnchor);
    m_tape->setTextCursor(c);
    m_tape->ensureCursorVisible();
}

void frmCalcula::showPressed(const QString& objectName) {
    if (QAbstractButton* b = m_buttons.value(objectName)) {
        b->setDown(true);
        if (!m_pressed.contains(b)) m_pressed.append(b);
        m_releaseTimer->start();
    }
}

void frmCalcula::releaseButtons() {
    for (QAbstractButton* b : std::as_const(m_pressed)) b->setDown(false);
    m_pressed.clear();
}

void frmCalcula::focusEntry() {
    if (m_engine->editMode()) return;
    m_entry->setFocus();
}

void frmCalcula::setEnterAddsLook(bool on) {
    QAbstractButton* plus = m_buttons.value(QStringLiteral("chkMais"));
    QAbstractButton* equals = m_buttons.value(QStringLiteral("chkIgual"));
    plus->setToolTip(on ? QStringLiteral(" Enter ") : QStringLiteral(" + "));
    equals->setToolTip(on ? QStringLiteral(" NumLock ") : QStringLiteral(" Enter "));
    plus->setText(on ? QStringLiteral("EN\nTER") : QStringLiteral("+"));
    m_operatorColumn->setStretchFactor(plus, on ? 2 : 1);
    m_actions.value(QStringLiteral("mnuEnter"))->setChecked(on);
    m_actions.value(QStringLiteral("mnuIgual"))->setChecked(!on);
}

// ---------------------------------------------------------------------------------------------
// Keys

bool frmCalcula::handleKeyDown(QKeyEvent* ev) {
    Engine& e = *m_engine;
    const KeyMap::Action a = KeyMap::keyDown(ev->key(), ev->modifiers(), ev->text(), e.enterAdds());
    if (!a.button.isEmpty()) showPressed(a.button);
    switch (a.op) {
    case KeyMap::Op::Pass: return false;
    case KeyMap::Op::Character: e.keyPress(a.code); return true;
    case KeyMap::Op::MemoryAdd: e.memoryAdd(); return true;
    case KeyMap::Op::MemorySubtract: e.memorySubtract(); return true;
    case KeyMap::Op::MemoryRecall: e.memoryRecall(); return true;
    case KeyMap::Op::MemoryClear: e.memoryClear(); return true;
    case KeyMap::Op::Sign: e.pressSign(); return true;
    case KeyMap::Op::ClearEntry: e.pressClearEntry(); return true;
    case KeyMap::Op::Total: e.keyPress(a.code); return true;
    case KeyMap::Op::Scroll: break;
    }
    // Typed in the entry, these move through the tape.
    QTextCursor c = m_tape->textCursor();
    QTextCursor::MoveOperation move = QTextCursor::NoMove;
    switch (a.code) {
    case Qt::Key_Up: move = QTextCursor::Up; break;
    case Qt::Key_Down: move = QTextCursor::Down; break;
    case Qt::Key_Left: move = QTextCursor::Left; break;
    case Qt::Key_Right: move = QTextCursor::Right; break;
    case Qt::Key_Home: move = QTextCursor::Start; break;
    case Qt::Key_End: move = QTextCursor::End; break;
    default: break;
    }
    if (move != QTextCursor::NoMove) {
        c.movePosition(move);
        m_tape->setTextCursor(c);
        m_tape->ensureCursorVisible();
    } else {
        QScrollBar* bar = m_tape->verticalScrollBar();
        bar->setValue(bar->value() + (a.code == Qt::Key_PageDown ? bar->pageStep() : -bar->pageStep()));
    }
    return true;
}

bool frmCalcula::eventFilter(QObject* watched, QEvent* event) {
    // A menu closed with Esc leaves the menu bar in keyboard mode, where the next Esc would only end
    // that mode: with no pop-up open, Esc closes the calculator there too.
    if (watched == menuWidget() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !QApplication::activePopupWidget()) {
        close();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && (watched == m_entry || watched == m_tape) &&
        !m_engine->editMode()) {
        // The menu shortcuts (Ctrl+C, Ctrl+V, Ctrl+Z, Ctrl+A…) are the calculator's, not the
        // text boxes' own editing keys.
        if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && !m_engine->editMode() && (watched == m_entry || watched == this)) {
        if (handleKeyDown(static_cast<QKeyEvent*>(event))) return true;
    } else if (event->type() == QEvent::KeyRelease && watched == m_entry) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) releaseButtons();
        KeyboardState* keyboard = m_services.keyboard;
        if (m_actions.value(QStringLiteral("mnuNumLock"))->isChecked() && keyboard && keyboard->isAvailable() &&
            !keyboard->numLockOn())
            keyboard->setNumLock(true);
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_tape->viewport() &&
               !m_engine->editMode()) {
        reenterAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    } else if (watched == m_tape && m_engine->editMode()) {
        if (event->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(event);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                // A new line keeps the tape's columns: the current one is filled to full width.
                QTextCursor c = m_tape->textCursor();
                const int column = c.positionInBlock();
                if (column < TapeLine::Width) c.insertText(QString(TapeLine::Width - column, QLatin1Char(' ')));
                c.insertText(QStringLiteral("\n"));
                m_tape->setTextCursor(c);
                return true;
            }
        }
    } else if (watched == m_tape && event->type() == QEvent::KeyPress && !m_engine->editMode()) {
        // The tape is read-only: any typing goes back to the calculator.
        auto* k = static_cast<QKeyEvent*>(event);
        if (!(k->modifiers() & Qt::ControlModifier) && handleKeyDown(k)) {
            focusEntry();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmCalcula::reenterAt(const QPoint& pos) {
    const QTextCursor c = m_tape->cursorForPosition(pos);
    // A word of the tape runs between blanks: "1.234,56", "-01:30:00", but also "05/12/2026" of a
    // date header, which is no number and so is not entered.
    const QString line = c.block().text();
    auto inWord = [&line](int i) { return i >= 0 && i < line.size() && !line.at(i).isSpace(); };
    // The caret lands between two characters: the word is on either side of it.
    int start = c.positionInBlock();
    if (!inWord(start)) --start;
    if (!inWord(start)) return;
    int end = start;
    while (inWord(start - 1)) --start;
    while (inWord(end)) ++end;
    const QString word = line.mid(start, end - start);
    // Where the clicked line begins in the tape: lines before it each carry one CR more.
    const int blockNumber = c.block().blockNumber();
    const qsizetype lineStart = c.block().position() + blockNumber;
    m_engine->reenter(word, lineStart);
    focusEntry();
}

void frmCalcula::leaveEditMode() {
    if (!m_engine->editMode()) return;
    QString text = m_tape->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_engine->leaveEditMode(text);
}

// ---------------------------------------------------------------------------------------------
// Loading and closing

void frmCalcula::load(Mode mode, SettingsStore* settings) {
    m_mode = mode;
    m_settings = settings;
    m_loading = true;
    Engine& e = *m_engine;
    e.setLoading(true);
    // What the files have to say waits until the window is in front (first activation).
    e.fileNotices().hold();
    const QString section = QString::fromLatin1(conf::Section);
    const QLocale locale = QLocale::system();
    const bool compact = mode == Mode::Compact;
    const bool auxiliary = mode == Mode::Auxiliary;
    auto check = [this](const char* name, bool on) { m_actions.value(QLatin1String(name))->setChecked(on); };
    auto flag = [&](const conf::Key& key) -> std::optional<bool> {
        if (!settings) return toBool(QString::fromLatin1(key.defaultText));
        return toBool(settings->read(key));
    };

    // Each step stands on its own: a value that cannot be read leaves its control as designed.
    bool isNumber = false;
    const int format = settings ? settings->read(conf::Formato).toInt(&isNumber) : 2;
    e.chooseFormat(isNumber && DisplayFormat::isValidIndex(format) ? format : DisplayFormat::Traditional);
    if (auto on = flag(conf::CalcEnter)) e.setEnterAdds(*on);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const auto height = settings ? settings->readMeasure(section, QLatin1String(compact ? "MiniHeight" : "CalcHeight"),
                                                         compact ? 1365 : 7350, locale)
                                 : std::optional<double>(compact ? 1365 : 7350);
    if (height && *height > 0) resize(width(), qMax(twipsToPixels(*height), compact ? 60 : 200));
    if (auto large = flag(conf::Letrona); (large && !*large) || compact || auxiliary) setLargeFont(false);
    if (settings) {
        const int screenW = pixelsToTwips(area.width()), screenH = pixelsToTwips(area.height());
        const int w = pixelsToTwips(width()), h = pixelsToTwips(this->height());
        const auto top = settings->readMeasure(section, QLatin1String(conf::CalcTop.name), 0, locale);
        const auto left = settings->readMeasure(section, QLatin1String(conf::CalcLeft.name),
                                                defaultLeft(screenW, w), locale);
        // A stored measure may be any single-precision number: bring it into int range first.
        auto whole = [](const std::optional<double>& v) { return v ? int(qBound(-1e9, *v, 1e9)) : 0; };
        move(area.left() + twipsToPixels(clampLeft(whole(left), w, screenW)),
             area.top() + twipsToPixels(clampTop(whole(top), h, screenH, compact)));
    }
    if (auxiliary) {
        // Beside the first calculator, whose frame came with the start; never right over it.
        const QRect first = frameFromText(qEnvironmentVariable("TABULORA_BESIDE"));
        if (first.isValid()) move(besideFrame(first, frameGeometry().size(), area));
        updateTitle();
        for (const char* name : {"mnu1", "mnuConfig", "mnu9"}) m_actions.value(QLatin1String(name))->setEnabled(false);
    } else {
        if (auto on = flag(conf::InserirTexto)) check("mnuInserir", *on);
        if (!compact) {
            if (auto on = flag(conf::MnuSystray)) check("mnuSystray", *on);
            check("mnuFicar", autostart::isEnabled());
        }
        if (auto on = flag(conf::Monitor)) check("mnuMonit", *on);
        if (auto on = flag(conf::Oculte); (on && *on) || compact) check("mnuOcultar", true);
        if (auto on = flag(conf::HotKey); (on && *on) || compact) check("mnuHotKey", true);
    }
    if (compact)
        for (const char* name : {"mnu1", "mnuConfig", "mnu9"}) m_actions.value(QLatin1String(name))->setVisible(false);

    // The language chosen at start: the window is designed in Portuguese.
    const int language = currentLanguage();
    if (language == 1)
        TraduzirMenus(true);
    else
        chooseLanguage(language);
    m_actions.value(languageMenuName(language))->setChecked(true);
    // Colour scheme, menu style and key sound keep their stored choice on their menus; the
    // schemes and sounds themselves are not part of this program yet.
    if (settings && !compact) {
        const int scheme = settings->read(conf::Cor).toInt();
        if (scheme >= 2 && scheme <= 4) check(qPrintable(QStringLiteral("mnuCor%1").arg(scheme)), true);
    }
    if (auto on = flag(conf::MenuXP)) check("mnuXP", *on);
    if (settings) {
        const int sound = settings->read(conf::Sons).toInt();
        check(sound == 2 ? "mnuBeep" : sound == 3 ? "mnuSom" : "mnuSemSom", true);
    }
    if (auto on = flag(conf::Visivel)) check("mnuVisivel", *on);
    if (auto on = flag(conf::Backup)) check("mnuBackup", *on);
    if (auto on = flag(conf::NumLock)) check("mnuNumLock", *on);

    const EngineEnvironment& env = e.environment();
    const TapeStateFile::LoadResult kept =
        TapeStateFile::load(e, stateFilePath(), TapeStateFile::dateText(env.now().date(), env.datePattern));
    if (kept.damaged)
        e.fileNotices().tell(
            fMensagem(242, QDir::toNativeSeparators(kept.keptAs.isEmpty() ? stateFilePath() : kept.keptAs)),
            Dialogs::Icon::Exclamation);
    e.setLoading(false);
    m_loading = false;
    // Beyond the close: after every total and every clear the tape is kept, so that a crash or a
    // power cut loses at most the calculation in progress.
    connect(&e, &Engine::tapeSettled, this, &frmCalcula::saveState, Qt::UniqueConnection);
}

bool frmCalcula::staysInTray() const { return m_actions.value(QStringLiteral("mnuSystray"))->isChecked(); }

void frmCalcula::saveSettings() {
    if (!m_settings) return;
    CloseState state;
    state.mode = m_mode == Mode::Full      ? CloseState::Mode::Full
                 : m_mode == Mode::Compact ? CloseState::Mode::Compact
                                           : CloseState::Mode::Aux;
    state.minimized = isMinimized();
    state.calcEnter = m_engine->enterAdds();
    state.keypadHidden = m_actions.value(QStringLiteral("mnuOcultar"))->isChecked();
    state.backup = m_engine->backup();
    state.language = currentLanguage();
    state.hotKey = m_actions.value(QStringLiteral("mnuHotKey"))->isChecked();
    state.largeFont = m_actions.value(QStringLiteral("mnuGrande"))->isChecked();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
    state.height = pixelsToTwips(height());
    state.top = pixelsToTwips(y() - origin.y());
    state.left = pixelsToTwips(x() - origin.x());
    saveOnClose(*m_settings, state, QLocale::system());
}

void frmCalcula::closeEvent(QCloseEvent* event) {
    leaveEditMode();
    if (m_engine->timeMode()) m_engine->setTimeMode(false);
    saveState();
    saveSettings();
    if (m_services.hotkeys) m_services.hotkeys->unregisterAll();
    m_closedOn = m_engine->environment().now().date();
    QMainWindow::closeEvent(event);
    emit closed();
}

void frmCalcula::keepTitleBarReachable() {
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens.append(s->availableGeometry());
    const QRect frame = frameGeometry();
    const int titleHeight = qMax(8, geometry().top() - frame.top());
    const QPoint reachable = reachablePosition(frame, titleHeight, screens);
    if (reachable != frame.topLeft()) move(reachable);
}

// Shown again from the tray: the hotkeys released at close come back, and a tape kept overnight
// starts the new day as a start of the program would.
void frmCalcula::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame is known once the window manager has taken the window.
    QTimer::singleShot(0, this, &frmCalcula::keepTitleBarReachable);
    if (!m_closedOn.isValid()) return;
    const EngineEnvironment& env = m_engine->environment();
    if (m_closedOn != env.now().date())
        TapeStateFile::load(*m_engine, stateFilePath(), TapeStateFile::dateText(env.now().date(), env.datePattern));
    m_closedOn = QDate();
    if (m_actions.value(QStringLiteral("mnuHotKey"))->isChecked()) registerHotkeys();
}

void frmCalcula::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fitText(m_visor[0]);
    fitText(m_visor[2]);
}

void frmCalcula::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        m_engine->setMinimized(isMinimized());
        updateTitle();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activated) {
        m_activated = true;
        onFirstActivation();
    }
    QMainWindow::changeEvent(event);
}

void frmCalcula::onFirstActivation() {
    selectTape(m_engine->tape().size(), 0);
    focusEntry();
    emit firstActivation();
    QTimer::singleShot(0, this, [this] { m_engine->fileNotices().release(); });
    // The first compact calculator ever tells how to type into it from other programs.
    const EngineEnvironment& env = m_engine->environment();
    if (m_settings && m_mode == Mode::Compact && env.dialogs &&
        m_settings->read(QString::fromLatin1(conf::Section), QStringLiteral("MiniHeight"),
                         QString::fromLatin1(conf::NeverWritten)) == QLatin1String(conf::NeverWritten))
        env.dialogs->message(fMensagem(229), windowTitle(), Dialogs::Icon::Information);
    // The first calculator that ever runs remembers its designed height.
    if (m_settings && m_mode == Mode::Full && currentLanguage() == 1 &&
        m_settings->read(QString::fromLatin1(conf::Section), QStringLiteral("CalcHeight"),
                         QString::fromLatin1(conf::NeverWritten)) == QLatin1String(conf::NeverWritten))
        m_settings->writeMeasure(QString::fromLatin1(conf::Section), QStringLiteral("CalcHeight"),
                                 pixelsToTwips(height()), QLocale::system());
}

// ---------------------------------------------------------------------------------------------
// Language

void frmCalcula::chooseLanguage(int language) {
    if (language < 1 || language > 4) return;
    setCurrentLanguage(language);
    applyQtTranslations(language);
    m_actions.value(languageMenuName(language))->setChecked(true);
    TraduzirMenus(false);
    emit languageChanged(language);
}

void frmCalcula::TraduzirMenus(bool initial) {
    updateTitle();
    if (initial) return;
    for (const MenuCaption& c : mainMenuCaptions(currentLanguage(), m_engine->separators().decimal)) {
        QAction* a = m_actions.value(c.objectName);
        if (!a) continue;
        if (c.caption) a->setText(*c.caption);
        if (c.visible) a->setVisible(*c.visible);
    }
}

// ---------------------------------------------------------------------------------------------
// Menu commands of the window

void frmCalcula::openAnotherCalculator() {
    if (m_mode == Mode::Auxiliary) return;
    const EngineEnvironment& env = m_engine->environment();
    if (!env.desktop) return;
    env.desktop->startProgram(QCoreApplication::applicationFilePath(),
                              {m_engine->timeMode() ? QStringLiteral("outratempo") : QStringLiteral("outra")},
                              {QStringLiteral("TABULORA_BESIDE=") + frameToText(frameGeometry())});
    if (env.clipboard) env.clipboard->clear();
}

void frmCalcula::openDesktopCalculator() {
    const EngineEnvironment& env = m_engine->environment();
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "speedcrunch", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty() && env.desktop && env.desktop->startProgram(path, {})) return;
    }
    if (env.dialogs) env.dialogs->message(fMensagem(19), windowTitle(), Dialogs::Icon::Exclamation);
}

void frmCalcula::copyDisplay() {
    if (Clipboard* c = m_engine->environment().clipboard) TapeOutput::copyDisplay(*m_engine, *c);
}

void frmCalcula::pasteIntoDisplay() {
    if (Clipboard* c = m_engine->environment().clipboard)
        if (const auto entry = TapeOutput::pastedEntry(c->text(), m_engine->separators())) m_engine->pasteEntry(*entry);
    focusEntry();
}

namespace {
TapeOutput::Environment outputEnvironment(const EngineEnvironment& env, Printer* printer,
                                          SettingsStore* settings, const QString& title,
                                          FileNotices* notices = nullptr) {
    TapeOutput::Environment out;
    out.dialogs = env.dialogs;
    out.printer = printer;
    out.windowTitle = title;
    out.keySound = env.keySound;
    out.notices = notices;
    out.readSetting = [settings](const QString& section, const QString& key, const QString& def) {
        return settings ? settings->read(section, key, def) : def;
    };
    out.writeSetting = [settings](const QString& section, const QString& key, const QString& value) {
        if (settings) settings->write(section, key, value);
    };
    return out;
}
} // namespace

void frmCalcula::saveTape() {
    TapeOutput::saveTape(outputEnvironment(m_engine->environment(), m_services.printer, m_settings,
                                           windowTitle(), &m_engine->fileNotices()),
                         m_engine->tape().text());
}

void frmCalcula::printTape(int sizeIndex) {
    TapeOutput::printTape(outputEnvironment(m_engine->environment(), m_services.printer, m_settings, windowTitle()),
                          m_engine->tape().text(), sizeIndex);
}

void frmCalcula::printOnRoll() {
    TapeOutput::printOnRoll(outputEnvironment(m_engine->environment(), m_services.printer, m_settings, windowTitle()),
                            m_engine->tape().text());
}

// ---------------------------------------------------------------------------------------------
// System-wide hotkeys

void frmCalcula::setServices(const WindowServices& services) {
    m_services = services;
    if (m_services.hotkeys)
        connect(m_services.hotkeys, &GlobalHotkeys::activated, this, &frmCalcula::onHotkey, Qt::UniqueConnection);
}

void frmCalcula::setHotkeys(bool on) {
    GlobalHotkeys* hotkeys = m_services.hotkeys;
    if (!on) {
        if (hotkeys) hotkeys->unregisterAll();
        updateTitle();
        return;
    }
    const EngineEnvironment& env = m_engine->environment();
    if (!hotkeys || !hotkeys->isAvailable()) {
        // Outside X11 the option stays a choice that does nothing; the user hears it once.
        if (!m_loading && !m_hotkeysUnavailableSaid && env.dialogs) {
            m_hotkeysUnavailableSaid = true;
            env.dialogs->message(fMensagem(228), windowTitle(), Dialogs::Icon::Information);
        }
        return;
    }
    registerHotkeys();
    if (!m_loading && env.dialogs) env.dialogs->message(fMensagem(229), windowTitle(), Dialogs::Icon::Information);
}

void frmCalcula::registerHotkeys() {
    // A key another program holds is simply not available.
    if (m_services.hotkeys && m_services.hotkeys->isAvailable())
        m_services.hotkeys->registerAll(KeyMap::calculatorHotkeys());
}

void frmCalcula::onHotkey(int id) {
    if (program().Encerrando || m_engine->editMode()) return;
    switch (id) {
    case KeyMap::HotkeyTakeSelection:
        takeSelection();
        return;
    case KeyMap::HotkeyMinimize:
        if (isMinimized()) {
            showNormal();
            activateWindow();
        } else {
            showMinimized();
        }
        return;
    default:
        break;
    }
    const QString button = KeyMap::hotkeyButton(id, m_engine->enterAdds());
    showPressed(button);
    pressButton(button);
    updateTitle();
}

// Ctrl+Insert: the program in front copies its selection, and a number found there is added.
void frmCalcula::takeSelection() {
    const EngineEnvironment& env = m_engine->environment();
    if (!env.clipboard) return;
    const QString before = env.clipboard->text();
    if (m_services.keyboard && m_services.keyboard->isAvailable()) {
        m_services.keyboard->sendCopyToFocusedWindow();
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 800 && env.clipboard->text() == before)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    if (const auto entry = TapeOutput::pastedEntry(env.clipboard->text(), m_engine->separators())) {
        m_engine->pasteEntry(*entry);
        m_engine->keyPress(Engine::KeyAdd);
        updateTitle();
    } else if (env.dialogs) {
        env.dialogs->message(fMensagem(224), windowTitle(), Dialogs::Icon::Exclamation);
    }
}

// Minimized with the hotkeys on, the window's caption shows what is being typed.
void frmCalcula::updateTitle() {
    QString title = m_mode == Mode::Auxiliary ? QStringLiteral("Calculadora [Aux]") : QStringLiteral(" Tabulora");
    const QAction* hotkeys = m_actions.value(QStringLiteral("mnuHotKey"));
    if (isMinimized() && hotkeys && hotkeys->isChecked()) title = QLatin1Char(' ') + m_engine->shownDisplay();
    if (windowTitle() != title) setWindowTitle(title);
}

QString frmCalcula::stateFilePath() const {
    return TapeStateFile::path(m_engine->environment().dataDir, program().instanceTag);
}

void frmCalcula::saveState() {
    const EngineEnvironment& env = m_engine->environment();
    const QString today = TapeStateFile::dateText(env.now().date(), env.datePattern);
    m_engine->fileNotices().kept(stateFilePath(), TapeStateFile::save(*m_engine, stateFilePath(), today));
}

void frmCalcula::setLargeFont(bool on) {
    m_displayFont = font();
    m_displayFont.setPointSize(m_displayFont.pointSize() + (on ? 8 : 3));
    m_displayFont.setBold(true);
    const int height = QFontMetrics(m_displayFont).height() + 4;
    for (QLabel* visor : {m_visor[0], m_visor[2]}) {
        visor->setFixedHeight(height);
        fitText(visor);
    }
    QAction* a = m_actions.value(QStringLiteral("mnuGrande"));
    if (a->isChecked() != on) {
        const QSignalBlocker block(a);
        a->setChecked(on);
    }
    if (m_settings && isVisible() && !m_loading) m_settings->writeBool(QString::fromLatin1(conf::Section),
                                                                       QStringLiteral("Letrona"), on);
}

// A display text wider than its label is drawn in a smaller font instead of widening the window.
void frmCalcula::fitText(QLabel* visor) {
    QFont f = m_displayFont;
    const int room = visor->contentsRect().width();
    while (room > 0 && f.pointSize() > 6 && QFontMetrics(f).horizontalAdvance(visor->text()) > room)
        f.setPointSize(f.pointSize() - 1);
    if (visor->font() != f) visor->setFont(f);
}

void frmCalcula::toggleStartWithSession() {
    if (autostart::isEnabled())
        autostart::disable();
    else
        autostart::enable(QCoreApplication::applicationFilePath());
    m_actions.value(QStringLiteral("mnuFicar"))->setChecked(autostart::isEnabled());
}

void frmCalcula::setAlwaysOnTop(bool on) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == on) return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) show();
}

void frmCalcula::showHelp() {
    const EngineEnvironment& env = m_engine->environment();
    if (!env.dialogs || !env.desktop || !askForManual(*env.dialogs, currentLanguage(), windowTitle())) return;
    if (!m_manual) m_manual = new frmManual(*env.dialogs, *env.desktop, env.dataDir, currentLanguage(), this);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

void frmCalcula::showAbout() {
    const EngineEnvironment& env = m_engine->environment();
    if (env.dialogs) env.dialogs->message(aboutText(currentLanguage()), aboutTitle(), Dialogs::Icon::Information);
}
