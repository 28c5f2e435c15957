#include "i18n/messagecatalog.h"

#include <QRegularExpression>
#include <QTest>

static const QString P1(MessageCatalog::Param1), P2(MessageCatalog::Param2), P3(MessageCatalog::Param3);

class TestMessageCatalog : public QObject {
    Q_OBJECT

  private slots:
    // Each bar is a line break. Marks are replaced on the whole text in turn, so a first parameter
    // that carries the second mark receives the second parameter and the message's own second mark
    // stays. 65540 would be message 4 if the number were cut, and 17 in language 12 the English
    // text of message 18 if the languages' slots overlapped.
    void lookup_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("params"); // split at "/"
        QTest::addColumn<QString>("expected");
        QTest::newRow("two parameters") << 43 << 2 << u"A/B"_qs << u"Alarm Scheduled for:\r\nA\r\n\r\nB"_qs;
        QTest::newRow("later mark") << 43 << 2 << u"A"_qs + P2 + u"/B"_qs
                                    << u"Alarm Scheduled for:\r\nAB\r\n\r\n"_qs + P2;
        QTest::newRow("missing parameter") << 45 << 1 << QString() << u"Tocar Alarme às  hs."_qs;
        QTest::newRow("bar in a parameter") << 81 << 3 << u"a|b"_qs << u"Mostrar Calculadora a|b"_qs;
        QTest::newRow("beyond 16 bits") << 65540 << 1 << QString() << QString();
        QTest::newRow("language 12") << 17 << 12 << QString() << QString();
    }
    // The user's language takes 1..4 only, and its messages speak it.
    void lookup() {
        QFETCH(int, number);
        QFETCH(int, language);
        QFETCH(QString, params);
        QFETCH(QString, expected);
        const QStringList p = params.split(u'/') + QStringList{QString(), QString()};
        QCOMPARE(MessageCatalog::message(number, language, p[0], p[1], p[2]), expected);
        Messages messages;
        messages.setLanguage(language);
        QCOMPARE(messages.language(), language >= 1 && language <= 4 ? language : 1);
        if (messages.language() == language) QCOMPARE(messages.text(number, p[0], p[1], p[2]), expected);
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

    void everyMessage_data() {
        QTest::addColumn<int>("number");
        for (int number : MessageCatalog::numbers())
            QTest::addRow("%d", number) << number;
    }
    // Every message says something in every language, with the marks of the Portuguese text: a
    // translation that loses or gains one would drop or misplace a parameter.
    void everyMessage() {
        QFETCH(int, number);
        for (int language = 1; language <= 4; ++language) {
            const QString text = MessageCatalog::text(number, language);
            QVERIFY2(!text.trimmed().isEmpty() && !text.contains(QRegularExpression("[\\t\\r\\n]|\\{\\d\\}")),
                     qPrintable(QString::number(language) + ": " + text));
            for (QChar mark : {MessageCatalog::Param1, MessageCatalog::Param2, MessageCatalog::Param3})
                QCOMPARE(text.count(mark), MessageCatalog::text(number, 1).count(mark));
        }
    }
};

QTEST_GUILESS_MAIN(TestMessageCatalog)
#include "tst_messagecatalog.moc"
