// The key table of the calculator window.

#include "core/keymap.h"

#include <QtTest>

using namespace KeyMap;

// A key pressed (with its text as Qt gives it, and whether Enter adds), and the action it takes.
struct Press {
    QKeyCombination keys;
    Action action;
    QString text = {};
    bool enterAdds = false;
};
const auto row = [](const char* name, const Press& press) { QTest::newRow(name) << press; };

class TestKeyMap : public QObject {
    Q_OBJECT

  private slots:
    void keys_data() {
        QTest::addColumn<Press>("key");
        row("Shift+A adds to memory", {Qt::SHIFT | Qt::Key_A, {Op::MemoryAdd, 0, Button::MemoryAdd}});
        row("Delete clears", {Qt::Key_Delete, {Op::ClearEntry, 0, Button::ClearEntry}});
        row("NumLock totals when Enter adds", {Qt::Key_NumLock, {Op::Total, '=', Button::Equals}, {}, true});
        row("NumLock is nothing otherwise", {Qt::Key_NumLock, {}});
        row("arrows scroll", {Qt::Key_Up, {Op::Scroll, Qt::Key_Up, {}}});
        row("keypad plus", {Qt::KeypadModifier | Qt::Key_Plus, {Op::Character, '+', {}}, "+"});
        row("Backspace", {Qt::Key_Backspace, {Op::Character, 8, {}}, "\b"});
        row("cedilla, as typed", {Qt::Key(0xc7), {Op::Character, 0xe7, {}}, "ç"});
        row("Ctrl+Alt+Enter is the hotkey's", {Qt::CTRL | Qt::ALT | Qt::Key_Return, {}, "\r"});
        row("Ctrl+Delete is the hotkey's", {Qt::CTRL | Qt::Key_Delete, {}});
    }
    void keys() {
        QFETCH(Press, key);
        QCOMPARE(keyDown(key.keys.key(), key.keys.keyboardModifiers(), key.text, key.enterAdds), key.action);
    }
};

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
