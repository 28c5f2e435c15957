#include "ui/frmsystray.h"

#include "i18n/menucaptions.h"
#include "i18n/messagecatalog.h"
#include "platform/globalhotkeys.h"
#include "platform/instancechannel.h"
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

frmSysTray::frmSysTray(Context& context, SettingsStore* settings, QWidget* parent)
    : QWidget(parent), m_context(context), m_settings(settings) {
    setObjectName(QStringLiteral("frmSysTray"));
    if (m_context.channel) {
        connect(m_context.channel, &InstanceChannel::received, this, &frmSysTray::receiveHandOver);
        connect(m_context.channel, &InstanceChannel::closeRequested, this, &frmSysTray::unload);
    }
}

frmSysTray::~frmSysTray() {
    // The window goes before the controller it is bound to.
    m_calculator.reset();
}

bool frmSysTray::load() {
    if (m_unloading || !m_context.channel) return false;
    const QString word = m_context.facts.commandWord;
    InstanceChannel* channel = m_context.channel;

    if (Startup::closesPrimaryFirst(word)) {
        channel->closePrimary();
        if (Startup::endsAfterClosingPrimary(word)) return false;
    }

    switch (Startup::roleFor(word, channel->primaryExists())) {
    case Startup::Role::Auxiliary:
        m_context.facts.instanceTag = QStringLiteral("2");
        openCalculator();
        if (Startup::auxiliaryInTimeMode(word)) m_controller->engine().setTimeMode(true);
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
        if (GlobalHotkeys* keys = m_context.trayHotkeys; keys && keys->isAvailable()) {
            using M = GlobalHotkeys::Modifier;
            keys->registerAll({{0, keysym::C, GlobalHotkeys::Modifiers(M::Control) | M::Shift}});
            connect(keys, &GlobalHotkeys::activated, this, &frmSysTray::showCalculator, Qt::UniqueConnection);
        }
        if (Startup::showsCalculator(word)) {
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
    const int language = m_context.messages ? m_context.messages->language() : Language::Portuguese;
    for (const MenuCaption& c : trayMenuCaptions(language))
        if (QAction* a = m_menu->findChild<QAction*>(c.objectName); a && c.caption) a->setText(*c.caption);
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
    if (m_calculator) return;
    const WindowMode mode = m_context.facts.instanceTag != QLatin1String("1")   ? WindowMode::Auxiliary
                            : Startup::compactMode(m_context.facts.commandWord) ? WindowMode::Compact
                                                                                : WindowMode::Full;
    m_controller = std::make_unique<CalculatorController>(m_context, m_settings, mode);
    m_calculator = std::make_unique<frmCalcula>(*m_controller);
    m_calculator->load();
    connect(m_calculator.get(), &frmCalcula::closed, this, &frmSysTray::calculatorClosed);
    connect(m_controller.get(), &CalculatorController::languageChanged, this, &frmSysTray::translateMenu);
}

void frmSysTray::receiveHandOver(const QString& text) {
    if (text.isEmpty()) return;
    showCalculator();
    if (m_controller) m_controller->runWord(Startup::wordOfHandOver(text));
}

void frmSysTray::calculatorClosed() {
    if (!m_calculator || m_unloading) return;
    // Without a tray on the desktop nothing would be left to bring the calculator back: it ends
    // as if staying in the tray were off.
    const bool trayShown = m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
    if (!m_controller->staysInTray() || !trayShown) unload();
}

void frmSysTray::endFromOutside() {
    if (m_controller) m_controller->engine().fileNotices().hold();
    unload();
}

void frmSysTray::unload() {
    if (m_unloading) return;
    m_unloading = true;
    if (m_tray) m_tray->hide();
    if (m_calculator && m_calculator->isVisible()) m_calculator->close();
    // From here on the calculator ignores whatever events are still queued.
    if (m_controller) m_controller->setShuttingDown(true);
    if (m_context.hotkeys) m_context.hotkeys->unregisterAll();
    if (m_context.trayHotkeys) m_context.trayHotkeys->unregisterAll();
    QApplication::quit();
}
