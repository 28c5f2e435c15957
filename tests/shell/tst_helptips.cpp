// F1: the tip pages, the offer of the manual, writing the manual out and opening it.

#include "shell/helptips.h"
#include "shell/messagecatalog.h"
#include "support/fakedesktop.h"
#include "support/fakedialogs.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray manualResource() {
    QFile file(QStringLiteral(":/manual/index.html"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestHelpTips : public QObject {
    Q_OBJECT
  private slots:
    void flow_data();
    void flow();
    void pages_data();
    void pages();
    void portugueseFirstPage();
    void manualIsWrittenOut_data();
    void manualIsWrittenOut();
    void unwritableDataFolder();
    void manualIsSelfContained();
};

void TestHelpTips::flow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("answers"); // Y or N per box, in order
    QTest::addColumn<bool>("openSucceeds");
    QTest::addColumn<int>("pagesShown");
    QTest::addColumn<bool>("offersManual");
    QTest::addColumn<bool>("opensManual");
    QTest::addColumn<bool>("reportsFailure");

    QTest::newRow("Portuguese, all yes") << 1 << "YYYY" << true << 3 << true << true << false;
    QTest::newRow("Portuguese, no on page 1") << 1 << "N" << true << 1 << false << false << false;
    QTest::newRow("Portuguese, no on page 2") << 1 << "YN" << true << 2 << false << false << false;
    QTest::newRow("Portuguese, no on page 3") << 1 << "YYN" << true << 3 << false << false << false;
    QTest::newRow("Portuguese, no to the manual") << 1 << "YYYN" << true << 3 << true << false << false;
    QTest::newRow("Spanish, all yes") << 3 << "YYYY" << true << 3 << true << true << false;
    QTest::newRow("Spanish, no on page 2") << 3 << "YN" << true << 2 << false << false << false;
    QTest::newRow("English skips the pages") << 2 << "Y" << true << 0 << true << true << false;
    QTest::newRow("French skips the pages") << 4 << "Y" << true << 0 << true << true << false;
    QTest::newRow("French, no to the manual") << 4 << "N" << true << 0 << true << false << false;
    QTest::newRow("Portuguese, open fails") << 1 << "YYYY" << false << 3 << true << true << true;
    QTest::newRow("English, open fails") << 2 << "Y" << false << 0 << true << true << true;
}

void TestHelpTips::flow() {
    QFETCH(int, language);
    QFETCH(QString, answers);
    QFETCH(bool, openSucceeds);
    QFETCH(int, pagesShown);
    QFETCH(bool, offersManual);
    QFETCH(bool, opensManual);
    QFETCH(bool, reportsFailure);

    QTemporaryDir dataDir;
    QVERIFY(dataDir.isValid());
    FakeDialogs dialogs;
    for (QChar a : answers)
        dialogs.answers.append(a == u'Y' ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    FakeDesktop desktop;
    desktop.openSucceeds = openSucceeds;

    showHelpTips(dialogs, desktop, dataDir.path(), language, u" Tabulora"_qs);

    const QStringList pages = helpPages(language);
    QCOMPARE(dialogs.shown.size(), pagesShown + int(offersManual) + int(reportsFailure));
    for (int i = 0; i < pagesShown; ++i) {
        const auto& box = dialogs.shown[i];
        QCOMPARE(box.text, pages.value(i));
        QCOMPARE(box.title, helpPagesTitle(language));
        QCOMPARE(box.icon, Dialogs::Icon::Information);
        QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
    }
    if (offersManual) {
        const auto& box = dialogs.shown[pagesShown];
        QVERIFY(!box.text.isEmpty());
        QCOMPARE(box.text, MessageCatalog::message(7, language));
        QCOMPARE(box.title, u" Tabulora"_qs);
        QCOMPARE(box.icon, Dialogs::Icon::Information);
        QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
    }
    if (opensManual) {
        const QString path = manualPath(dataDir.path());
        QCOMPARE(desktop.opened, QStringList{path});
        QVERIFY(path.startsWith(dataDir.path()));
        QCOMPARE(fileBytes(path), manualResource());
    } else {
        QVERIFY(desktop.opened.isEmpty());
    }
    if (reportsFailure) {
        const auto& box = dialogs.shown.last();
        QVERIFY(!box.text.isEmpty());
        QCOMPARE(box.text, MessageCatalog::message(8, language));
        QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    }
}

void TestHelpTips::pages_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("question");

    QTest::newRow("Portuguese") << 1 << 3 << u" DICAS DE OPERAÇÃO"_qs
                                << u"DESEJA CONTINUAR VENDO AS DICAS?"_qs;
    QTest::newRow("English") << 2 << 0 << QString() << QString();
    QTest::newRow("Spanish") << 3 << 3 << u" INSTRUCCIONES DE USO"_qs
                             << u"¿DESEA SEGUIR VIENDO MÁS INSTRUCCIONES?"_qs;
    QTest::newRow("French") << 4 << 0 << QString() << QString();
}

void TestHelpTips::pages() {
    QFETCH(int, language);
    QFETCH(int, count);
    QFETCH(QString, title);
    QFETCH(QString, question);

    const QStringList pages = helpPages(language);
    QCOMPARE(pages.size(), count);
    QCOMPARE(helpPagesTitle(language), title);
    const QStringList portuguese = helpPages(1);
    for (int i = 0; i < pages.size(); ++i) {
        const QString& page = pages[i];
        QVERIFY2(page.endsWith(u"\r\n\r\n"_qs + question), qPrintable(page.right(60)));
        // A tip never starts or ends with a break, so breaks never pile up beyond a blank line.
        QVERIFY2(!page.contains(u"\r\n\r\n\r\n"_qs), qPrintable(page));
        // The boxes want CR LF; a bare LF or CR would show as one run of text on some desktops.
        QCOMPARE(page.count(u'\n'), page.count(u"\r\n"_qs));
        QCOMPARE(page.count(u'\r'), page.count(u"\r\n"_qs));
        // Each page carries the same tips as its Portuguese original.
        QCOMPARE(page.count(u"\r\n\r\n"_qs), portuguese[i].count(u"\r\n\r\n"_qs));
        QCOMPARE(page.count(u"\r\n"_qs), portuguese[i].count(u"\r\n"_qs));
    }
    if (language == 3) QVERIFY(pages != portuguese);
}

void TestHelpTips::portugueseFirstPage() {
    const QString expected =
        u"NOVIDADE: Agora é possível efetuar cálculos sem necessidade de ficar com a calculadora na tela. "
        u"Vantagem: Poderá lançar valores na calculadora sem perder o foco ou ter que sair de outros "
        u"programas que você estiver usando.\r\n\r\n"
        u"- As HotKeys (teclas de atalho) irão operar mesmo com a calculadora estando sem o foco "
        u"(trabalhando em segundo plano) ou MINIMIZADA!\r\n\r\n"
        u"- Para utilizar as HOTKEYS, basta pressionar a tecla CTRL e mantendo-a pressionada, use o teclado "
        u"numérico para digitar os valores ou as operações. Quando estiver minimizado, os números irão "
        u"aparecer na barra de tarefas do Windows.\r\n\r\n"
        u"- Para desligar as HotKeys, vá no menu CONFIGURAÇÕES.\r\n\r\n"
        u"- Outras HotKeys: CTRL+DELETE = limpar a fita, CTRL+BACKSPACE = limpar último dígito, "
        u"CTRL+ALT+ENTER = negativar número digitado, CTRL+INSERT = colar na calculadora valor copiado ou "
        u"apenas selecionado em outros documentos, CTRL+ENTER = resultado do cálculo, CTRL+SPACE = "
        u"minimizar ou restaurar a calculadora.\r\n\r\n"
        u"DESEJA CONTINUAR VENDO AS DICAS?"_qs;
    QCOMPARE(helpPages(1).value(0), expected);
    QVERIFY(helpPages(1).value(1).contains(
        u"alterar o que foi lançado:\r\nCtrl+Z = Desfazer último(s) lançamento(s)\r\n"
        u"Ctrl+R = Refazer as parcelas que foram desfeitas com o Ctrl+Z\r\n\r\n- Usuário de NOTEBOOK"_qs));
}

void TestHelpTips::manualIsWrittenOut_data() {
    QTest::addColumn<QByteArray>("before"); // what the data folder already holds; null = nothing
    QTest::addColumn<bool>("rewritten");

    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("left by an older version") << QByteArray("<html>old manual</html>") << true;
    QTest::newRow("empty file") << QByteArray("") << true;
    QTest::newRow("current") << manualResource() << false;
}

void TestHelpTips::manualIsWrittenOut() {
    QFETCH(QByteArray, before);
    QFETCH(bool, rewritten);

    QTemporaryDir dataDir;
    QVERIFY(dataDir.isValid());
    const QString path = manualPath(dataDir.path());
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-30);
    if (!before.isNull()) {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    QCOMPARE(installManual(dataDir.path()), path);
    QCOMPARE(fileBytes(path), manualResource());
    // A current manual is left alone, so a browser showing it is not disturbed.
    const bool touched = QFileInfo(path).lastModified() > longAgo.addSecs(60);
    QCOMPARE(touched, rewritten);
}

void TestHelpTips::unwritableDataFolder() {
    // A file where the data folder should be: the manual cannot be written, so nothing is opened
    // and the user is told.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString blocked = dir.filePath(u"Tabulora"_qs);
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QCOMPARE(installManual(blocked), QString());

    FakeDialogs dialogs;
    dialogs.answers = {Dialogs::Answer::Yes};
    FakeDesktop desktop;
    showHelpTips(dialogs, desktop, blocked, 2);
    QVERIFY(desktop.opened.isEmpty());
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown[1].text, MessageCatalog::message(8, 2));
    QCOMPARE(dialogs.shown[1].icon, Dialogs::Icon::Exclamation);
}

void TestHelpTips::manualIsSelfContained() {
    const QByteArray bytes = manualResource();
    QVERIFY(!bytes.isEmpty());
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString html = decoder(bytes);
    QVERIFY(!decoder.hasError());
    QVERIFY(html.contains(u"<meta charset=\"utf-8\">"_qs, Qt::CaseInsensitive));

    // It is opened from the user's disk, often without a network: nothing may be fetched.
    for (const QString& outside : {u"http:"_qs, u"https:"_qs, u"//"_qs, u"<script"_qs, u"<link"_qs,
                                   u"src="_qs, u"@import"_qs, u"url("_qs})
        QVERIFY2(!html.contains(outside, Qt::CaseInsensitive), qPrintable(outside));

    // Every link of the table of contents lands on a section.
    QSet<QString> ids;
    for (const auto& m : QRegularExpression(u"id=\"([^\"]+)\""_qs).globalMatch(html))
        ids.insert(m.captured(1));
    const QRegularExpression href(u"href=\"([^\"]*)\""_qs);
    int links = 0;
    for (const auto& m : href.globalMatch(html)) {
        const QString target = m.captured(1);
        QVERIFY2(target.startsWith(u'#') && ids.contains(target.mid(1)), qPrintable(target));
        ++links;
    }
    QVERIFY(links > 0);
}

QTEST_GUILESS_MAIN(TestHelpTips)
#include "tst_helptips.moc"
