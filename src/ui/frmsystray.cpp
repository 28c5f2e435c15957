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
        m_utilities = std::make_unique<TrayUtilities>(m_context, m_settings);
        connect(m_utilities.get(), &TrayUtilities::changed, this, [this] {
            refreshUtilities();
            endWhenNothingKeeps();
        });
        connect(m_utilities.get(), &TrayUtilities::beep, this, [] { QApplication::beep(); });
        connect(m_utilities.get(), &TrayUtilities::powerOffAccepted, this, &frmSysTray::unload);
        buildMenu();
        addTrayIcon();
        m_utilities->start();
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

// mnu0: the show entry (the default), the utilities, "Sair".
void frmSysTray::buildMenu() {
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnu0"));
    auto* show = m_menu->addAction(QString());
    show->setObjectName(QStringLiteral("mnuSystray"));
    connect(show, &QAction::triggered, this, &frmSysTray::showCalculator);
    m_menu->setDefaultAction(show);
    m_menu->addSeparator();

    m_utilMenu = m_menu->addMenu(QString());
    m_utilMenu->setObjectName(QStringLiteral("mnuUtil"));
    m_utilMenu->menuAction()->setObjectName(QStringLiteral("mnuUtil"));
    auto* shutdown = m_utilMenu->addAction(QString());
    shutdown->setObjectName(QStringLiteral("mnuDesligar"));
    shutdown->setCheckable(true);
    connect(shutdown, &QAction::triggered, m_utilities.get(), &TrayUtilities::shutdownClicked);
    auto* protect = m_utilMenu->addAction(QString());
    protect->setObjectName(QStringLiteral("mnuProteger"));
    protect->setCheckable(true);
    connect(protect, &QAction::triggered, m_utilities.get(), &TrayUtilities::protectionClicked);
    m_utilMenu->addSeparator();
    auto* shortcut = m_utilMenu->addAction(QString());
    shortcut->setObjectName(QStringLiteral("mnuAtalho"));
    connect(shortcut, &QAction::triggered, m_utilities.get(), &TrayUtilities::createStartMenuEntry);

    m_menu->addSeparator();
    auto* quit = m_menu->addAction(QString());
    quit->setObjectName(QStringLiteral("mnuSair"));
    connect(quit, &QAction::triggered, this, &frmSysTray::unload);
    translateMenu();
}

void frmSysTray::addTrayIcon() {
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
        for (QAction* a : m_menu->findChildren<QAction*>(c.objectName))
            if (c.caption) a->setText(*c.caption);
    refreshUtilities();
}

// The alarm entries: one per pending alarm, checked, with its time, then one free entry; the
// shutdown entry with its time while one is scheduled.
void frmSysTray::refreshUtilities() {
    if (!m_utilMenu || !m_utilities || !m_context.messages) return;
    const Messages& text = *m_context.messages;
    const QList<Alarm>& alarms = m_utilities->alarms();
    while (m_alarmEntries.size() > alarms.size() + 1)
        delete m_alarmEntries.takeLast();
    QAction* shutdown = m_utilMenu->findChild<QAction*>(QStringLiteral("mnuDesligar"));
    while (m_alarmEntries.size() < alarms.size() + 1) {
        const int index = int(m_alarmEntries.size());
        auto* entry = new QAction(m_utilMenu);
        entry->setObjectName(QStringLiteral("mnuAlarme(%1)").arg(index));
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, index] { m_utilities->alarmClicked(index); });
        m_utilMenu->insertAction(shutdown, entry);
        m_alarmEntries.append(entry);
    }
    for (qsizetype i = 0; i < m_alarmEntries.size(); ++i) {
        const bool pending = i < alarms.size();
        m_alarmEntries[i]->setChecked(pending);
        m_alarmEntries[i]->setText(pending ? text.text(45, alarms[i].due.toString(QStringLiteral("hh:mm:ss")))
                                           : text.text(67).trimmed());
    }
    const std::optional<QDateTime>& at = m_utilities->shutdownAt();
    shutdown->setChecked(at.has_value());
    shutdown->setText(at ? text.text(80, at->toString(QStringLiteral("hh:mm:ss"))) : text.text(70).trimmed());
    m_utilMenu->findChild<QAction*>(QStringLiteral("mnuProteger"))->setChecked(m_utilities->protectionOn());
}

void frmSysTray::showLoadedCalculator() {
    if (m_showWhenReady) showCalculator();
    m_showWhenReady = false;
}

void frmSysTray::showCalculator() {
    if (m_unloading) return;
    openCalculator();
    m_calculatorClosed = false;
    if (m_utilities) m_utilities->setCalculatorShown(true);
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
    m_calculator->setUtilitiesMenu(m_utilMenu);
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
    m_calculatorClosed = true;
    if (m_utilities) m_utilities->setCalculatorShown(false);
    endWhenNothingKeeps();
}

// With the calculator closed, the program stays for a pending alarm or shutdown (even without a
// tray: they still ring and happen, and a new start brings the calculator back) or, with a tray to
// bring it back from, for the option of staying in the tray. The compact and second calculators
// end with their window.
void frmSysTray::endWhenNothingKeeps() {
    if (!m_calculator || !m_calculatorClosed || m_unloading) return;
    const bool trayShown = m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
    const bool full = m_controller->mode() == WindowMode::Full;
    const bool pending = full && m_utilities && m_utilities->pending();
    if (!(m_controller->staysInTray() && trayShown) && !pending) unload();
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
