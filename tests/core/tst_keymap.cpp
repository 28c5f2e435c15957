// The key table of the calculator window and the buttons behind the system-wide hotkeys.

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
                                                << Action{Op::MemoryAdd, 0, QStringLiteral("Mmais")};
        QTest::newRow("Shift+C clears memory") << int(Qt::Key_C) << shift << "C" << false
                                               << Action{Op::MemoryClear, 0, QStringLiteral("MC")};
        QTest::newRow("Shift+P changes the sign") << int(Qt::Key_P) << shift << "P" << false
                                                  << Action{Op::Sign, 0, QStringLiteral("chkNeg")};
        QTest::newRow("Delete clears") << int(Qt::Key_Delete) << none << "" << false
                                       << Action{Op::ClearEntry, 0, QStringLiteral("chkCE")};
        QTest::newRow("NumLock totals in Enter-adds mode") << int(Qt::Key_NumLock) << none << "" << true
                                                           << Action{Op::Total, '=', QStringLiteral("chkIgual")};
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

    void hotkeyButtons_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("enterAdds");
        QTest::addColumn<QString>("button");
        QTest::newRow("digit 7") << 7 << false << "chkNum(7)";
        QTest::newRow("Ctrl+Enter gives the result") << int(KeyMap::HotkeyEquals) << false << "chkIgual";
        QTest::newRow("Ctrl+Enter adds in Enter-adds mode") << int(KeyMap::HotkeyEquals) << true << "chkMais";
        QTest::newRow("Ctrl+Alt+Enter changes the sign") << int(KeyMap::HotkeySign) << false << "chkNeg";
        QTest::newRow("Ctrl+Alt+Enter totals in Enter-adds mode") << int(KeyMap::HotkeySign) << true << "chkIgual";
    }
    void hotkeyButtons() {
        QFETCH(int, id);
        QFETCH(bool, enterAdds);
        QFETCH(QString, button);
        QCOMPARE(KeyMap::hotkeyButton(id, enterAdds), button);
    }

    void everyHotkeyHasAButtonAndNoKeyIsBoundTwice() {
        const auto keys = KeyMap::calculatorHotkeys();
        for (int i = 0; i < keys.size(); ++i) {
            QVERIFY(!KeyMap::hotkeyButton(keys[i].id, false).isEmpty());
            for (int j = i + 1; j < keys.size(); ++j)
                QVERIFY(!(keys[i].keysym == keys[j].keysym && keys[i].modifiers == keys[j].modifiers));
        }
        QCOMPARE(keys.size(), 23);
    }
};

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
