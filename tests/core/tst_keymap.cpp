// The key table of the calculator window.

#include "core/keymap.h"

#include <QtTest>

using KeyMap::Action;
using KeyMap::Op;

Q_DECLARE_METATYPE(KeyMap::Action)

class TestKeyMap : public QObject {
    Q_OBJECT
private slots:
    void keyDown_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enterAdds");
        QTest::addColumn<Action>("expected");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("Shift+A adds to memory") << int(Qt::Key_A) << shift << "A" << false
                                                << Action{Op::MemoryAdd, 0, Button::MemoryAdd};
        QTest::newRow("Shift+C clears memory") << int(Qt::Key_C) << shift << "C" << false
                                               << Action{Op::MemoryClear, 0, Button::MemoryClear};
        QTest::newRow("Shift+P changes the sign") << int(Qt::Key_P) << shift << "P" << false
                                                  << Action{Op::Sign, 0, Button::Sign};
        QTest::newRow("Delete clears") << int(Qt::Key_Delete) << none << "" << false
                                       << Action{Op::ClearEntry, 0, Button::ClearEntry};
        QTest::newRow("NumLock totals in Enter-adds mode") << int(Qt::Key_NumLock) << none << "" << true
                                                           << Action{Op::Total, '=', Button::Equals};
        QTest::newRow("NumLock is nothing otherwise") << int(Qt::Key_NumLock) << none << "" << false << Action{};
        QTest::newRow("arrows scroll") << int(Qt::Key_Up) << none << "" << false << Action{Op::Scroll, Qt::Key_Up, {}};
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << keypad << "+" << false << Action{Op::Character, '+', {}};
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << false << Action{Op::Character, 8, {}};
        QTest::newRow("cedilla") << int(0xc7) << none << "ç" << false << Action{Op::Character, 0xe7, {}};
        QTest::newRow("Ctrl+C is the menu's") << int(Qt::Key_C) << ctrl << "\x03" << false << Action{};
        QTest::newRow("Ctrl+Delete is the hotkey's") << int(Qt::Key_Delete) << ctrl << "" << false << Action{};
    }
    void keyDown() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, enterAdds);
        QFETCH(Action, expected);
        const Action got = KeyMap::keyDown(key, Qt::KeyboardModifiers(modifiers), text, enterAdds);
        QCOMPARE(int(got.op), int(expected.op));
        QCOMPARE(got.code, expected.code);
        QCOMPARE(got.button, expected.button);
    }
};

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
