#include "ui/frmsystray.h"

#include "platform/globalhotkeys.h"
#include "platform/instancechannel.h"
#include "i18n/menucaptions.h"
#include "i18n/messagecatalog.h"
#include "shell/program.h"
#include "settings/settingsstore.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTime>

namespace {

// The tray picture: a small paper roll with a plus sign, drawn rather than shipped.
QIcon trayPicture() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1f, 0x3a, 0x68));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(2, 2, 28, 28, 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(8, 6, 16, 20);
    p.setPen(QPen(QColor(0x1f, 0x3a, 0x68), 3));
    p.drawLine(16, 10, 16, 22);
    p.drawLine(10, 16, 22, 16);
    return QIcon(pm);
}

} // namespace

frmSysTray::frmSysTray(ShellServices services, QWidget* parent) : QWidget(parent), m_services(services) {
    setObjectName(QStringLiteral("frmSysTray"));
    if (m_services.channel) {
        connect(m_services.channel, &InstanceChannel::received, this, &frmSysTray::receiveHandOver);
        connect(m_services.channel, &InstanceChannel::closeRequested, this, &frmSysTray::unload);
    }
}

frmSysTray::~frmSysTray() = default;

bool frmSysTray::load() {
    Program& prog = program();
    if (prog.Encerrando) return false;
    const QString& word = prog.LinhaComando;
    InstanceChannel* channel = m_services.channel;

    if (Startup::closesPrimaryFirst(word)) {
        channel->closePrimary();
        if (Startup::endsAfterClosingPrimary(word)) return false;
    }

    switch (Startup::roleFor(word, channel->primaryExists())) {
    case Startup::Role::Auxiliary:
        prog.instanceTag = QStringLiteral("2");
        prog.Encerrando = false;
        openCalculator();
        if (Startup::auxiliaryInTimeMode(word)) m_calculator->engine().setTimeMode(true);
        m_showWhenReady = true;
        return true;
    case Startup::Role::HandOver:
        channel->handOver(Startup::handOverText(word, QTime::currentTime()));
        return false;
    case Startup::Role::Primary:
        // Two starts at the same moment: the one that loses the race hands over after all.
        if (!channel->listen()) {
            channel->handOver(Startup::handOverText(word, QTime::currentTime()));
            return false;
        }
        addTrayIcon();
        if (GlobalHotkeys* keys = m_services.trayHotkeys; keys && keys->isAvailable()) {
            using M = GlobalHotkeys::Modifier;
            keys->registerAll({{0, keysym::C, GlobalHotkeys::Modifiers(M::Control) | M::Shift}});
            connect(keys, &GlobalHotkeys::activated, this, &frmSysTray::showCalculator, Qt::UniqueConnection);
        }
        if (Startup::showsCalculator(word)) {
            prog.Encerrando = false;
            openCalculator();
            m_showWhenReady = true;
        }
        return true;
    }
    return false;
}

void frmSysTray::addTrayIcon() {
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuTray"));
    auto* show = m_menu->addAction(QString());
    show->setObjectName(QStringLiteral("mnuSystray"));
    connect(show, &QAction::triggered, this, &frmSysTray::showCalculator);
    m_menu->addSeparator();
    auto* quit = m_menu->addAction(QString());
    quit->setObjectName(QStringLiteral("mnuSair"));
    connect(quit, &QAction::triggered, this, &frmSysTray::unload);
    translateMenu();

    m_tray = new QSystemTrayIcon(trayPicture(), this);
    m_tray->setToolTip(QStringLiteral("Tabulora"));
    m_tray->setContextMenu(m_menu);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) showCalculator();
    });
    // Without a tray on the desktop the icon stays hidden; the calculator is reached by starting
    // the program again, which hands over to this process.
    if (QSystemTrayIcon::isSystemTrayAvailable()) m_tray->show();
}

void frmSysTray::translateMenu() {
    if (!m_menu) return;
    for (const MenuCaption& c : trayMenuCaptions(currentLanguage()))
        if (QAction* a = m_menu->findChild<QAction*>(c.objectName); a && c.caption) a->setText(*c.caption);
}

EngineEnvironment frmSysTray::engineEnvironment() const {
    const Program& prog = program();
    EngineEnvironment env;
    env.clipboard = m_services.clipboard;
    env.dialogs = m_services.dialogs;
    env.desktop = m_services.desktop;
    env.separators = {prog.SepDecimal, prog.SepMilhar};
    env.dataDir = prog.CaminhoApp;
    env.datePattern = prog.FormatoData;
    env.locale = QLocale::system();
    return env;
}

void frmSysTray::showLoadedCalculator() {
    if (m_showWhenReady) showCalculator();
    m_showWhenReady = false;
}

void frmSysTray::showCalculator() {
    if (m_unloading) return;
    openCalculator();
    m_calculator->showNormal();
    m_calculator->raise();
    m_calculator->activateWindow();
}

// Builds and loads the calculator window once; it is shown by showCalculator().
void frmSysTray::openCalculator() {
    if (!m_calculator) {
        const Program& prog = program();
        const frmCalcula::Mode mode = prog.instanceTag != QLatin1String("1") ? frmCalcula::Mode::Auxiliary
                                      : Startup::compactMode(prog.LinhaComando) ? frmCalcula::Mode::Compact
                                                                                : frmCalcula::Mode::Full;
        m_calculator = std::make_unique<frmCalcula>(engineEnvironment());
        m_calculator->setServices(m_services.window);
        m_calculator->load(mode, m_services.settings);
        connect(m_calculator.get(), &frmCalcula::closed, this, &frmSysTray::calculatorClosed);
        connect(m_calculator.get(), &frmCalcula::languageChanged, this, &frmSysTray::translateMenu);
        connect(m_calculator.get(), &frmCalcula::firstActivation, this, [this] {
            act(int(Startup::actionForWord(program().LinhaComando)));
            program().LinhaComando.clear();
        });
    }
}

void frmSysTray::receiveHandOver(const QString& text) {
    if (text.isEmpty()) return;
    showCalculator();
    act(int(Startup::actionForHandOver(text)));
}

void frmSysTray::act(int action) {
    if (!m_calculator) return;
    switch (Startup::Action(action)) {
    case Startup::Action::TimeMode:
        if (!m_calculator->engine().timeMode()) m_calculator->engine().setTimeMode(true);
        break;
    default:
        // The side tools of "juro", "peso" and "data" are not part of this program yet.
        break;
    }
}

void frmSysTray::calculatorClosed() {
    if (!m_calculator || m_unloading) return;
    // Without a tray on the desktop nothing would be left to bring the calculator back: it ends
    // as if staying in the tray were off.
    const bool trayShown = m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
    if (m_calculator->mode() != frmCalcula::Mode::Full || !m_calculator->staysInTray() || !trayShown ||
        program().Encerrando)
        unload();
}

void frmSysTray::endFromOutside() {
    if (m_calculator) m_calculator->engine().fileNotices().hold();
    unload();
}

void frmSysTray::unload() {
    if (m_unloading) return;
    m_unloading = true;
    program().Encerrando = true;
    if (m_tray) m_tray->hide();
    if (m_calculator && m_calculator->isVisible()) m_calculator->close();
    // From here on the calculator ignores whatever events are still queued.
    if (m_calculator) m_calculator->engine().setShuttingDown(true);
    if (m_services.window.hotkeys) m_services.window.hotkeys->unregisterAll();
    if (m_services.trayHotkeys) m_services.trayHotkeys->unregisterAll();
    QApplication::quit();
}
