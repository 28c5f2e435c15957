#pragma once
// A run of the program with scripted services: Portuguese, a Brazilian locale, a private data
// folder and a fixed clock (5 December 2026, 09:30:15). Tests change what they need.

#include "i18n/messagecatalog.h"
#include "platform/context.h"
#include "support/fakeclipboard.h"
#include "support/fakedesktop.h"
#include "support/fakedialogs.h"
#include "support/fakeglobalhotkeys.h"
#include "support/fakeinstancechannel.h"
#include "support/fakekeyboardstate.h"
#include "support/fakemidioutput.h"
#include "support/fakeprinter.h"
#include "support/fakesystem.h"

#include <QTemporaryDir>
#include <type_traits>

struct TestContext {
    QTemporaryDir dir;
    Messages messages;
    FakeClipboard clipboard;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakePrinter printer;
    FakeGlobalHotkeys hotkeys;
    FakeKeyboardState keyboard;
    FakeInstanceChannel channel;
    FakeSystemPower power;
    FakeNotifications notifications;
    FakeMidiOutput midi;
    QDateTime now{QDate(2026, 12, 5), QTime(9, 30, 15)};
    Context context;

    TestContext() {
        context.facts.dataDir = dir.path() + QLatin1Char('/');
        context.facts.executablePath = QStringLiteral("/usr/bin/tabulora");
        context.facts.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
        context.messages = &messages, context.clipboard = &clipboard, context.dialogs = &dialogs;
        context.desktop = &desktop, context.printer = &printer, context.hotkeys = &hotkeys;
        context.keyboard = &keyboard, context.channel = &channel, context.midi = &midi,
        context.now = [this] { return now; };
        context.power = &power, context.notifications = &notifications;
    }
};
// The context points into it: neither copied nor moved (its QObject fakes see to that).
static_assert(!std::is_copy_constructible_v<TestContext> && !std::is_move_constructible_v<TestContext>);
