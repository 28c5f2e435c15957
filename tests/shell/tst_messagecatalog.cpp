#include "shell/messagecatalog.h"

#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

namespace {
const QString P1(MessageCatalog::Param1);
const QString P2(MessageCatalog::Param2);
const QString P3(MessageCatalog::Param3);
} // namespace

class TestMessageCatalog : public QObject {
    Q_OBJECT
  private slots:
    void lookup_data();
    void lookup();
    void followsCurrentLanguage();
    void parse_data();
    void parse();
    void everyMessage_data();
    void everyMessage();
};

void TestMessageCatalog::lookup_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QString>("expected");

    QTest::newRow("every bar is a line break")
        << 4 << 1 << QStringList{}
        << u"A lista dos cálculos está cheia!\r\n\r\nDeseja apagar todos os cálculos desta lista?"_qs;
    QTest::newRow("same in English")
        << 4 << 2 << QStringList{}
        << u"Calculation's list is full.\r\n\r\nDo you want to erase all the calculations of the list?"_qs;
    QTest::newRow("one parameter") << 39 << 1 << QStringList{u"22:30"_qs}
                                   << u"Deseja realmente desligar o computador às 22:30 hs. ?"_qs;
    QTest::newRow("two parameters in order")
        << 43 << 1 << QStringList{u"14:30:00"_qs, u"REUNIÃO"_qs}
        << u"Horário Agendado para Alarme:\r\n14:30:00 hs.\r\n\r\nREUNIÃO"_qs;
    QTest::newRow("missing parameter is empty")
        << 39 << 1 << QStringList{} << u"Deseja realmente desligar o computador às  hs. ?"_qs;
    QTest::newRow("parameters without marks are dropped")
        << 18 << 1 << QStringList{u"a"_qs, u"b"_qs, u"c"_qs} << u"Fim da procura"_qs;
    QTest::newRow("bar inside a parameter stays")
        << 13 << 1 << QStringList{u"a|b"_qs}
        << u"Problemas ao tentar abrir seu programa de e-mail e enviar mensagem para:\r\n\r\na|b"_qs;
    // Marks are replaced on the whole text in turn, so a first parameter that carries the second
    // mark receives the second parameter and the message's own second mark stays.
    QTest::newRow("parameter carrying a later mark")
        << 206 << 1 << QStringList{u"A"_qs + P2, u"B"_qs}
        << u"Se aumentar:\r\n\"AB\"\r\n\r\naumentará (ou terá que aumentar):\r\n\""_qs + P2 + u"\" ?"_qs;
    QTest::newRow("parameter carrying an earlier mark")
        << 206 << 2 << QStringList{u"X"_qs, P1 + u"Y"_qs}
        << u"If you add:\r\n\"X\"\r\n\r\nthe result will/would add:\r\n\""_qs + P1 + u"Y\" ?"_qs;
    QTest::newRow("leading blank kept") << 56 << 1 << QStringList{} << u" Localizar na Lista"_qs;
    QTest::newRow("trailing blank kept") << 154 << 1 << QStringList{} << u"VALOR INICIAL "_qs;
    QTest::newRow("parameter with leading blanks")
        << 81 << 3 << QStringList{u"   Ctrl+Shift+C"_qs} << u"Mostrar Calculadora    Ctrl+Shift+C"_qs;
    QTest::newRow("unknown number") << 5 << 1 << QStringList{u"x"_qs} << QString();
    QTest::newRow("zero") << 0 << 1 << QStringList{} << QString();
    QTest::newRow("negative") << -4 << 1 << QStringList{} << QString();
    QTest::newRow("beyond 16 bits") << 65540 << 1 << QStringList{} << QString();
    QTest::newRow("language 0") << 4 << 0 << QStringList{} << QString();
    QTest::newRow("language 5") << 4 << 5 << QStringList{} << QString();
    // 4 in language 12 would be id 52, a neighbour's slot: it must not leak through.
    QTest::newRow("language 12") << 4 << 12 << QStringList{} << QString();
}

void TestMessageCatalog::lookup() {
    QFETCH(int, number);
    QFETCH(int, language);
    QFETCH(QStringList, params);
    QFETCH(QString, expected);
    params.resize(3);
    QCOMPARE(MessageCatalog::message(number, language, params[0], params[1], params[2]), expected);
}

void TestMessageCatalog::followsCurrentLanguage() {
    const int before = currentLanguage();
    setCurrentLanguage(4);
    QCOMPARE(fMensagem(87), u"Sortir"_qs);
    setCurrentLanguage(0);
    QCOMPARE(currentLanguage(), 4);
    setCurrentLanguage(5);
    QCOMPARE(fMensagem(87), u"Sortir"_qs);
    setCurrentLanguage(3);
    QCOMPARE(fMensagem(45, u"14:30:00"_qs), u"Sonar Alarma a las 14:30:00 hs."_qs);
    setCurrentLanguage(before);
}

void TestMessageCatalog::parse_data() {
    QTest::addColumn<QByteArray>("tsv");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("badLines");

    const QByteArray sample = "# number\tpt\ten\tes\tfr\r\n"
                              "12\t um \tone \t uno\tun\r\n"
                              "\r\n"
                              "13\t{1}-{2}-{3}\t{3}{1}\tb|{2}\tc\n"
                              "x14\ta\tb\tc\td\n"
                              "15\ta\tb\tc\n"
                              "16\ta\tb\tc\td\te\n"
                              "99999\ta\tb\tc\td\n"
                              "17\tlast\tno\tnewline\tat end";
    QTest::newRow("blanks kept, CR dropped") << sample << 121 << u" um "_qs << 4;
    QTest::newRow("trailing blank") << sample << 122 << u"one "_qs << 4;
    QTest::newRow("leading blank") << sample << 123 << u" uno"_qs << 4;
    QTest::newRow("last column before CR LF") << sample << 124 << u"un"_qs << 4;
    QTest::newRow("marks") << sample << 131 << P1 + u'-' + P2 + u'-' + P3 << 4;
    QTest::newRow("marks in any order") << sample << 132 << P3 + P1 << 4;
    QTest::newRow("bar kept raw") << sample << 133 << u"b|"_qs + P2 << 4;
    QTest::newRow("bad number skipped") << sample << 141 << QString() << 4;
    QTest::newRow("too few texts skipped") << sample << 151 << QString() << 4;
    QTest::newRow("too many texts skipped") << sample << 161 << QString() << 4;
    QTest::newRow("number too large skipped") << sample << 999991 << QString() << 4;
    QTest::newRow("no final newline") << sample << 174 << u"at end"_qs << 4;
    QTest::newRow("UTF-8") << QByteArray("20\tação\tb\tc\td\n") << 201 << u"ação"_qs << 0;
}

void TestMessageCatalog::parse() {
    QFETCH(QByteArray, tsv);
    QFETCH(int, id);
    QFETCH(QString, expected);
    QFETCH(int, badLines);
    for (int i = 0; i < badLines; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^message catalogue line \\d+ "));
    const QHash<int, QString> table = MessageCatalog::parse(tsv);
    QCOMPARE(table.value(id), expected);
}

void TestMessageCatalog::everyMessage_data() {
    QTest::addColumn<int>("number");
    const QList<int> numbers = MessageCatalog::numbers();
    QVERIFY(!numbers.isEmpty());
    QVERIFY(std::is_sorted(numbers.begin(), numbers.end()));
    for (int n : numbers)
        QTest::addRow("%d", n) << n;
}

void TestMessageCatalog::everyMessage() {
    QFETCH(int, number);
    const QString portuguese = MessageCatalog::text(number, 1);
    for (int language = 1; language <= 4; ++language) {
        const QString text = MessageCatalog::text(number, language);
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QString::number(language)));
        // A translation that loses or gains a mark would drop or misplace a parameter.
        for (QChar mark : {MessageCatalog::Param1, MessageCatalog::Param2, MessageCatalog::Param3})
            QCOMPARE(text.count(mark), portuguese.count(mark));
        QVERIFY2(!text.contains(QRegularExpression(R"(\{\d\})")), qPrintable(text));
        QVERIFY(!text.contains(u'\t') && !text.contains(u'\r') && !text.contains(u'\n'));
    }
}

QTEST_GUILESS_MAIN(TestMessageCatalog)
#include "tst_messagecatalog.moc"
