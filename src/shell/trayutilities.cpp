#include "shell/trayutilities.h"

#include "i18n/messagecatalog.h"
#include "platform/atomicfile.h"
#include "platform/notifications.h"
#include "platform/systempower.h"
#include "settings/autostart.h"
#include "settings/confkeys.h"
#include "settings/options.h"
#include "settings/registry.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString TimeFormat = QStringLiteral("hh:mm:ss");
// Where the alarms are kept between runs: a count, then the moment and the reason of each.
const QString AlarmSection = QStringLiteral("Alarmes");
const QString AlarmCount = QStringLiteral("Quantidade");
const QString KeptMoment = QStringLiteral("yyyy-MM-dd hh:mm:ss");

const QString PolicyRoot = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\");

QString dataHome() {
    const QString env = qEnvironmentVariable("XDG_DATA_HOME");
    if (!env.isEmpty() && QDir::isAbsolutePath(env)) return QDir::cleanPath(env);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

} // namespace

namespace TrayClock {

std::optional<QTime> parseTime(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!time.isValid()) return std::nullopt;
    return time;
}

QDateTime nextOccurrence(QTime time, const QDateTime& now) {
    const QDateTime today(now.date(), time);
    return today.addSecs(FiringWindowSeconds) >= now ? today : QDateTime(now.date().addDays(1), time);
}

} // namespace TrayClock

TrayUtilities::TrayUtilities(Context& context, SettingsStore* store, QObject* parent)
    : QObject(parent), m_context(context), m_store(store) {
    m_clock.setInterval(TickMs);
    connect(&m_clock, &QTimer::timeout, this, &TrayUtilities::tick);
    m_beeper.setInterval(WarningBeepMs);
    connect(&m_beeper, &QTimer::timeout, this, &TrayUtilities::beep);
    if (!m_store) return;
    const QString conf = QLatin1String(conf::Section);
    m_protection =
        toBool(m_store->read(conf, optionKey(Option::Protection), fromBool(false))).value_or(false);
    const int count = m_store->read(AlarmSection, AlarmCount, QStringLiteral("0")).toInt();
    for (int i = 1; i <= count; ++i) {
        const QDateTime due = QDateTime::fromString(
            m_store->read(AlarmSection, QStringLiteral("Hora%1").arg(i), QString()), KeptMoment);
        const QString reason = m_store->read(AlarmSection, QStringLiteral("Motivo%1").arg(i), QString());
        if (due.isValid() && !reason.isEmpty()) m_alarms.append({due, reason});
    }
}

QString TrayUtilities::message(int number, const QString& p1, const QString& p2) const {
    return m_context.messages ? m_context.messages->text(number, p1, p2) : QString();
}

void TrayUtilities::tell(const QString& text, Dialogs::Icon icon) {
    if (!m_context.dialogs) return;
    ++m_boxesUp;
    m_context.dialogs->message(text, QString(), icon);
    --m_boxesUp;
}

void TrayUtilities::start() {
    m_clock.start();
}

void TrayUtilities::keepAlarms() {
    if (!m_store) return;
    m_store->write(AlarmSection, AlarmCount, QString::number(m_alarms.size()));
    for (qsizetype i = 0; i < m_alarms.size(); ++i) {
        m_store->write(AlarmSection, QStringLiteral("Hora%1").arg(i + 1),
                       m_alarms[i].due.toString(KeptMoment));
        m_store->write(AlarmSection, QStringLiteral("Motivo%1").arg(i + 1), m_alarms[i].reason);
    }
}

void TrayUtilities::setSounding(bool on) {
    if (on && !m_beeper.isActive()) m_beeper.start();
    if (!on) m_beeper.stop();
}

// ---------------------------------------------------------------------------------------------
// The clock

void TrayUtilities::tick() {
    const QDateTime now = m_context.now();

    if (m_shutdown) {
        const QDateTime due = *m_shutdown;
        if (now > due.addSecs(TrayClock::FiringWindowSeconds)) {
            // The computer slept through the time: turning it off now would surprise the user.
            m_shutdown.reset();
            setSounding(m_ringing > 0);
            tell(message(343, due.toString(TimeFormat)), Dialogs::Icon::Exclamation);
            emit changed();
        } else if (now >= due) {
            m_shutdown.reset();
            const QString refusal = m_context.power ? m_context.power->powerOff() : message(348);
            setSounding(m_ringing > 0);
            if (refusal.isEmpty()) {
                emit changed();
                emit powerOffAccepted();
                return;
            }
            tell(message(342, refusal), Dialogs::Icon::Critical);
            emit changed();
        } else if (now >= due.addSecs(-TrayClock::WarningSeconds)) {
            setSounding(true);
        }
    }

    // Each alarm leaves the list before its box shows: the clock goes on while the box is up, and
    // must not ring it again.
    QList<Alarm> ringing, missed;
    for (qsizetype i = m_alarms.size() - 1; i >= 0; --i) {
        const Alarm& a = m_alarms[i];
        if (now < a.due) continue;
        (now <= a.due.addSecs(TrayClock::FiringWindowSeconds) ? ringing : missed).prepend(a);
        m_alarms.removeAt(i);
    }
    if (ringing.isEmpty() && missed.isEmpty()) return;
    keepAlarms();
    for (const Alarm& a : missed)
        tell(message(340, a.due.toString(TimeFormat), a.reason), Dialogs::Icon::Exclamation);
    for (const Alarm& a : ringing)
        ring(a);
    // Told only once the boxes are answered: with the calculator closed and nothing else pending,
    // the program ends on this news, and must not take the box of the alarm with it.
    emit changed();
}

void TrayUtilities::ring(const Alarm& alarm) {
    const QString text = message(43, alarm.due.toString(TimeFormat), alarm.reason);
    if (!m_calculatorShown && m_context.notifications)
        m_context.notifications->notify(QStringLiteral("Tabulora"),
                                        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    ++m_ringing;
    setSounding(true);
    tell(text, Dialogs::Icon::Information);
    --m_ringing;
    setSounding(m_ringing > 0 ||
                (m_shutdown && m_context.now() >= m_shutdown->addSecs(-TrayClock::WarningSeconds)));
}

// ---------------------------------------------------------------------------------------------
// The entries

void TrayUtilities::alarmClicked(int index) {
    if (index >= 0 && index < m_alarms.size()) {
        m_alarms.removeAt(index);
        keepAlarms();
        tell(message(38), Dialogs::Icon::Exclamation);
        emit changed();
        return;
    }
    if (!m_context.dialogs) return;
    const QString title = message(67);
    const std::optional<QTime> time = askTime(66, title);
    if (!time) return;
    const QString reason = m_context.dialogs->input(message(68), title, QString()).trimmed().toUpper();
    if (reason.isEmpty()) return;
    m_alarms.append({TrayClock::nextOccurrence(*time, m_context.now()), reason});
    keepAlarms();
    emit changed();
}

std::optional<QTime> TrayUtilities::askTime(int prompt, const QString& title) {
    const QString answer =
        m_context.dialogs->input(message(prompt), title, m_context.now().time().toString(TimeFormat));
    const std::optional<QTime> time = TrayClock::parseTime(answer);
    if (!time) {
        // A typed answer that is no time says why; a cancelled box only that nothing was scheduled.
        tell(answer.trimmed().isEmpty()
                 ? message(38)
                 : message(38) + QLatin1String("\r\n\r\n") + message(349, answer.trimmed()),
             Dialogs::Icon::Exclamation);
    }
    return time;
}

void TrayUtilities::shutdownClicked() {
    if (m_shutdown) {
        m_shutdown.reset();
        setSounding(m_ringing > 0);
        tell(message(38), Dialogs::Icon::Exclamation);
        emit changed();
        return;
    }
    if (!m_context.dialogs) return;
    const QDateTime now = m_context.now();
    const std::optional<QTime> time = askTime(69, message(70));
    if (!time) return;
    const QDateTime due = TrayClock::nextOccurrence(*time, now);
    // A time already gone today means tomorrow: the question says so, and a hurried Enter says No.
    const int question = due.date() == now.date() ? 39 : 341;
    if (m_context.dialogs->message(message(question, time->toString(TimeFormat)), QString(),
                                   Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                                   Dialogs::Answer::No) != Dialogs::Answer::Yes)
        return;
    m_shutdown = due;
    emit changed();
}

QStringList TrayUtilities::policyValues() {
    QStringList values;
    const struct {
        const char* key;
        QList<const char*> names;
    } keys[] = {
        {"Explorer", {"NoSetFolders", "NoSetTaskbar", "NoSaveSettings"}},
        {"Network", {"NoNetSetup", "NoNetSetupIDPage", "NoNetSetupSecurityPage"}},
        {"System",
         {"DisableRegistryTools", "NoSecCPL", "NoPwdPage", "NoAdminPage", "NoProfilePage", "NoDevMgrPage",
          "NoConfigPage", "NoFileSysPage", "NoVirtMemPage", "NoDispCPL"}},
    };
    for (const auto& k : keys)
        for (const char* name : k.names)
            values.append(PolicyRoot + QLatin1String(k.key) + QLatin1Char('\\') + QLatin1String(name));
    return values;
}

void TrayUtilities::protectionClicked() {
    const auto split = [](const QString& value) {
        const qsizetype slash = value.lastIndexOf(QLatin1Char('\\'));
        return std::pair(value.left(slash), value.mid(slash + 1));
    };
    if (m_protection) {
        for (const QString& value : policyValues()) {
            const auto [key, name] = split(value);
            registry::remove(key, name);
        }
        m_protection = false;
        tell(message(40), Dialogs::Icon::Information);
    } else if (m_context.dialogs &&
               m_context.dialogs->message(message(41), QString(), Dialogs::Icon::Question,
                                          Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
        registry::writeNumber(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("MenuShowDelay"), 10);
        for (const QString& value : policyValues()) {
            const auto [key, name] = split(value);
            registry::writeNumber(key, name, 1);
        }
        m_protection = true;
        tell(message(42), Dialogs::Icon::Information);
    }
    if (m_store)
        m_store->write(QLatin1String(conf::Section), optionKey(Option::Protection), fromBool(m_protection));
    emit changed();
}

// ---------------------------------------------------------------------------------------------
// The Start-menu entry

QString TrayUtilities::startMenuEntryPath() {
    return dataHome() + QStringLiteral("/applications/tabulora.desktop");
}

void TrayUtilities::createStartMenuEntry() {
    const QString path = startMenuEntryPath();
    QStringList lines = {QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                         QStringLiteral("Name=Tabulora")};
    // The hint of Ctrl+Shift+C in the user's language first, then in every language for the desktop.
    lines.append(QStringLiteral("Comment=") + autostart::escapeValue(message(346)));
    const char* locales[] = {"pt_BR", "en", "es", "fr"};
    for (int language = Language::Portuguese; language <= Language::French; ++language)
        lines.append(QStringLiteral("Comment[%1]=").arg(QLatin1String(locales[language - 1])) +
                     autostart::escapeValue(MessageCatalog::message(346, language)));
    lines.append(autostart::execLine(m_context.facts.executablePath, QString()));
    lines.append(QStringLiteral("Path=") +
                 autostart::escapeValue(QDir::toNativeSeparators(m_context.facts.dataDir)));
    lines.append(QStringLiteral("Terminal=false"));
    lines.append(QStringLiteral("Categories=Office;Utility;Calculator;"));
    lines.append(QStringLiteral("StartupNotify=false"));

    QString error;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        error = message(347);
    else
        error = AtomicFile::write(path, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()).error;
    if (error.isEmpty())
        tell(message(344, QDir::toNativeSeparators(path)), Dialogs::Icon::Information);
    else
        tell(message(345, QDir::toNativeSeparators(path), error), Dialogs::Icon::Critical);
}
