#include "i18n/messagecatalog.h"

#include <QRegularExpression>
#include <QTest>

static const QString P1(MessageCatalog::Param1), P2(MessageCatalog::Param2), P3(MessageCatalog::Param3);

class TestMessageCatalog : public QObject {
    Q_OBJECT

  private slots:
    // Rows "number language parameters", the parameters split at "/". Each bar is a line break. Marks
    // are replaced on the whole text in turn, so a first parameter that carries the second mark (Ž)
    // receives the second parameter and the message's own second mark stays. 65540 would be message 4
    // if the number were cut, and 17 in language 12 the English text of message 18 if the languages'
    // slots overlapped.
    void lookup_data() {
        QTest::addColumn<QString>("expected");
        QTest::newRow("43 2 A/B") << u"Alarm Scheduled for:\r\nA\r\n\r\nB"_qs;
        QTest::newRow("43 2 AŽ/B") << u"Alarm Scheduled for:\r\nAB\r\n\r\n"_qs + P2;
        QTest::newRow("45 1") << u"Tocar Alarme às  hs."_qs;        // a missing parameter
        QTest::newRow("81 3 a|b") << u"Mostrar Calculadora a|b"_qs; // no line break in a parameter
        QTest::newRow("65540 1") << QString();
        QTest::newRow("17 12") << QString();
    }
    void lookup() {
        const QStringList row = QString(QTest::currentDataTag()).split(u' ');
        const QStringList p = row.value(2).split(u'/') + QStringList{QString(), QString()};
        QTEST(MessageCatalog::message(row[0].toInt(), row[1].toInt(), p[0], p[1], p[2]), "expected");
    }

    // Blanks are kept and CR dropped, and the last line needs no line break; comments and blank
    // lines are skipped quietly, and each line without a number and four texts with a warning.
    void parse() {
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^message catalogue line \\d+ "));
        const QHash<int, QString> expected = {
            {121, " um "},  {122, "one "},    {123, " uno"}, {124, "un"}, {131, P1 + '-' + P2 + '-' + P3},
            {132, P3 + P1}, {133, "b|" + P2}, {134, "ç"}};
        const QByteArray tsv = "# c\r\nx14\ta\tb\tc\td\n15\ta\tb\tc\n16\ta\tb\tc\td\te\n99999\ta\tb\tc\td\n"
                               "12\t um \tone \t uno\tun\r\n\r\n13\t{1}-{2}-{3}\t{3}{1}\tb|{2}\tç";
        QCOMPARE(MessageCatalog::parse(tsv), expected);
    }

    // Every message says something in every language, with the marks of the Portuguese text: a
    // translation that loses or gains one would drop or misplace a parameter.
    void everyMessage() {
        const QRegularExpression leftover("[\\t\\r\\n]|\\{\\d\\}");
        for (int number : MessageCatalog::numbers())
            for (int language = 1; language <= 4; ++language) {
                const QString text = MessageCatalog::text(number, language);
                QVERIFY2(!text.trimmed().isEmpty() && !text.contains(leftover), QByteArray::number(number));
                for (const QString& mark : {P1, P2, P3})
                    QCOMPARE(text.count(mark), MessageCatalog::text(number, 1).count(mark));
            }
    }
};

QTEST_GUILESS_MAIN(TestMessageCatalog)
#include "tst_messagecatalog.moc"
