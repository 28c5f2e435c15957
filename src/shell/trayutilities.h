#pragma once
// The utilities of the tray's menu: alarms at a time of day with a reason, a scheduled shutdown of
// the computer, the protection switch of the system settings and the Start-menu entry. They belong
// to the process rather than to the calculator window, so that an alarm rings and a shutdown
// happens while the calculator is closed to the tray. Everything here runs without a display: the
// clock is the context's, the questions go through its dialogs, and the tray window only shows the
// entries and beeps when asked.

#include "platform/context.h"
#include "platform/dialogs.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class SettingsStore;

struct Alarm {
    QDateTime due;  // the moment the time of day comes round, as it was when the alarm was set
    QString reason; // in capitals
    friend bool operator==(const Alarm&, const Alarm&) = default;
};

namespace TrayClock {
inline constexpr int FiringWindowSeconds = 5; // an alarm rings within this long of its time, or never
inline constexpr int WarningSeconds = 20;     // the shutdown's warning beeps start this long before

// A time of day as typed: "14:30", "14:30:00", "9:05". Anything else is none ("25:00", "abc",
// "14h30", "").
std::optional<QTime> parseTime(const QString& text);
// When `time` next comes round: today while its firing window has not passed, else tomorrow.
QDateTime nextOccurrence(QTime time, const QDateTime& now);
} // namespace TrayClock

class TrayUtilities : public QObject {
    Q_OBJECT
  public:
    static constexpr int TickMs = 500;        // how often the clock is looked at
    static constexpr int WarningBeepMs = 200; // the beeps while an alarm or the shutdown sounds

    // `store` may be null: nothing is kept between runs. The alarms an earlier run kept come back.
    TrayUtilities(Context& context, SettingsStore* store, QObject* parent = nullptr);

    // Starts looking at the clock. Its first look, a tick after the start, tells the alarms that
    // were missed meanwhile: by then the calculator is in front.
    void start();
    // One look at the clock (every TickMs once started): alarms ring, the shutdown warns and
    // happens, and what was missed while the computer slept is told instead of done.
    void tick();

    // mnuAlarme(i): a pending alarm is cancelled; the free entry, index alarms().size(), asks for
    // a time and a reason.
    const QList<Alarm>& alarms() const { return m_alarms; }
    void alarmClicked(int index);
    // mnuDesligar: cancels the scheduled shutdown, or asks for its time and confirmation.
    const std::optional<QDateTime>& shutdownAt() const { return m_shutdown; }
    void shutdownClicked();
    // mnuProteger: writes or removes the policy values of the lock-down (Segur keeps the state).
    bool protectionOn() const { return m_protection; }
    void protectionClicked();
    // mnuAtalho: the entry of the desktop's application menu, $XDG_DATA_HOME/applications.
    void createStartMenuEntry();
    static QString startMenuEntryPath();

    // An alarm or the shutdown is scheduled, or one of their boxes is up: the program stays when
    // the calculator closes.
    bool pending() const { return !m_alarms.isEmpty() || m_shutdown.has_value() || m_boxesUp > 0; }
    bool sounding() const { return m_beeper.isActive(); }
    // Whether the calculator is in sight; when it is not, an alarm is also a desktop notification.
    void setCalculatorShown(bool shown) { m_calculatorShown = shown; }

    // The sixteen policy values of the lock-down, each "key path\value name".
    static QStringList policyValues();

  signals:
    // The entries changed: their number, captions or checks.
    void changed();
    void beep();
    // The system took the power-off: the program is to close now, keeping what it keeps.
    void powerOffAccepted();

  private:
    void setSounding(bool on);
    void keepAlarms();
    void ring(const Alarm& alarm);
    void tell(const QString& text, Dialogs::Icon icon);
    // Asks for a time of day, now offered; an answer that is no time is told (message 38) and gives none.
    std::optional<QTime> askTime(int prompt, const QString& title);
    QString message(int number, const QString& p1 = {}, const QString& p2 = {}) const;

    Context& m_context;
    SettingsStore* m_store;
    QList<Alarm> m_alarms;
    std::optional<QDateTime> m_shutdown;
    bool m_protection = false;
    bool m_calculatorShown = false;
    int m_ringing = 0; // alarm boxes up
    int m_boxesUp = 0; // any box of these utilities
    QTimer m_clock;
    QTimer m_beeper;
};
