// The rule of three without its window: the guided examples answered as their messages say, the
// questions asked once, and the inputs it refuses, each told and its field given the focus.

#include "support/testcontext.h"
#include "tools/ruleofthree.h"

#include <QtTest>

using Field = RuleOfThree::Field;
using A = Dialogs::Answer;

namespace {
// Rows written "value;description;new value|..."; an empty new value is left untouched.
void fill(RuleOfThree& r, const QString& rows) {
    const QStringList list = rows.split(QLatin1Char('|'));
    for (int i = 0; i < list.size(); ++i) {
        const QStringList f = list[i].split(QLatin1Char(';'));
        r.setText(i, Field::Value, f[0]);
        r.setText(i, Field::Description, f[1]);
        if (!f[2].isEmpty()) r.setText(i, Field::NewValue, f[2]);
    }
}
QList<A> answers(const QString& letters) {
    QList<A> list;
    for (QChar c : letters)
        list << (c == u'Y' ? A::Yes : c == u'N' ? A::No : A::Cancel);
    return list;
}
} // namespace

class TestRuleOfThree : public QObject {
    Q_OBJECT

  private slots:
    void examples() {
        TestContext run;
        RuleOfThree r(run.context);
        r.runFirstExample();
        QCOMPARE(run.dialogs.shown.size(), 9);
        run.dialogs.answers = answers("YYY");
        QVERIFY(r.calculate());
        QCOMPARE(run.dialogs.shown[9].text, run.messages.text(206, "MARCENEIROS", "ARMÁRIOS"));
        QCOMPARE(run.dialogs.shown.size(), 12);
        QCOMPARE(r.proportion(), QStringLiteral("12 × 5/8 × 10/5 × 8/6 = 20"));
        QVERIFY(r.secondExampleEnabled() && !r.canCalculate() && r.canPrint());
        r.runSecondExample();
        run.dialogs.answers = answers("NNY");
        QVERIFY(r.calculate());
        QCOMPARE(r.text(2, Field::NewValue), QStringLiteral("10"));
        QCOMPARE(r.proportion(), QStringLiteral("6 × 8/3 × 5/12 × 18/12 = 10"));
    }

    // One question for two quantities; none when only values change; a new description asks again;
    // Cancel is told and keeps the answers given.
    void questionsAskedOnce() {
        TestContext run;
        RuleOfThree r(run.context);
        fill(r, "3;kg;1|2;reais;");
        r.setText(1, Field::NewValue, QString());
        run.dialogs.answers = answers("Y");
        QVERIFY(r.calculate());
        QCOMPARE(r.text(1, Field::NewValue), QStringLiteral("0,6667"));
        r.setText(0, Field::NewValue, QStringLiteral("6"));
        QVERIFY(r.calculate());
        QCOMPARE(run.dialogs.shown.size(), 1);
        QCOMPARE(r.text(1, Field::NewValue), QStringLiteral("4"));
        r.setText(0, Field::Description, QStringLiteral("litros"));
        run.dialogs.answers = answers("C");
        QVERIFY(!r.calculate());
        QCOMPARE(run.dialogs.shown.last().text, run.messages.text(30));
        QCOMPARE(r.answer(0), RuleOfThree::Answer::Direct);
    }

    void refused_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("unknown");
        QTest::addColumn<QString>("answered");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<int>("row");
        QTest::addColumn<Field>("field");
        QTest::newRow("no base value") << ";a;1|4;b;" << 1 << "" << 197 << "" << 0 << Field::Value;
        QTest::newRow("negative") << "2;a;1|-4;b;" << 1 << "" << 197 << "" << 1 << Field::Value;
        QTest::newRow("new value missing") << "2;a;|4;b;" << 1 << "" << 199 << "" << 0 << Field::NewValue;
        QTest::newRow("one quantity") << "2;a;1|0;b;" << -1 << "" << 200 << "" << 0 << Field::Value;
        QTest::newRow("no unknown") << "2;a;1|4;b;5" << -1 << "" << 201 << "" << 0 << Field::Unknown;
        QTest::newRow("empty row between")
            << "2;a;1|4;b;|;;|3;c;4" << 1 << "" << 303 << "3" << 2 << Field::Value;
        QTest::newRow("no description")
            << "2;a;1|4;b;|7;;" << 1 << "" << 305 << "7" << 2 << Field::Description;
        QTest::newRow("no value") << "2;a;1|4;b;|;c;" << 1 << "" << 304 << "c" << 2 << Field::Value;
        QTest::newRow("20 digits") << "12345678901234567890;a;1|4;b;" << 1 << "" << 306
                                   << "12345678901234567890" << 0 << Field::Value;
        QTest::newRow("30 digits new") << "2;a;123456789012345678901234567890|4;b;" << 1 << "" << 306
                                       << "123456789012345678901234567890" << 0 << Field::NewValue;
        QTest::newRow("zero divisor") << "2;a;0|4;b;" << 1 << "N" << 307 << "a" << 0 << Field::NewValue;
        QTest::newRow("too large") << "1;a;999999999999999|999999999999999;b;" << 1 << "Y" << 308 << "" << 1
                                   << Field::NewValue;
    }
    void refused() {
        QFETCH(QString, rows);
        QFETCH(int, unknown);
        QFETCH(QString, answered);
        QFETCH(int, message);
        QFETCH(QString, parameter);
        QFETCH(int, row);
        QFETCH(Field, field);
        TestContext run;
        RuleOfThree r(run.context);
        fill(r, rows);
        if (unknown >= 0) r.markUnknown(unknown);
        run.dialogs.answers = answers(answered);
        QPair<int, Field> focus{-2, Field::Calculate};
        connect(&r, &RuleOfThree::focusRequested, this, [&focus](int i, Field f) { focus = {i, f}; });
        QVERIFY(!r.calculate());
        QCOMPARE(run.dialogs.shown.last().text, run.messages.text(message, parameter));
        QCOMPARE(focus, qMakePair(row, field));
        QVERIFY(r.proportion().isEmpty() && r.canCalculate());
    }
};

QTEST_MAIN(TestRuleOfThree)
#include "tst_ruleofthree.moc"
