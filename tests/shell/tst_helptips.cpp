// F1: the tip pages, the offer of the manual, writing the manual out and opening it in a browser.

#include "shell/helptips.h"
#include "i18n/messagecatalog.h"
#include "support/fakedesktop.h"
#include "support/fakedialogs.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

static QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
static const QString Shipped = QStringLiteral(":/manual/index.html");

class TestHelpTips : public QObject {
    Q_OBJECT

  private slots:
    // The boxes shown, in order: P a tip page, O the offer of the manual, F the failure; then
    // " opened" when the manual was written out and opened.
    void flow_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("answers"); // Y or N per box; a final ! makes opening fail
        QTest::addColumn<QString>("expected");
        QTest::newRow("Portuguese, all yes") << 1 << u"YYYY"_qs << u"PPPO opened"_qs;
        QTest::newRow("Portuguese, no on page 2") << 1 << u"YN"_qs << u"PP"_qs;
        QTest::newRow("Spanish, no to the manual") << 3 << u"YYYN"_qs << u"PPPO"_qs;
        QTest::newRow("English skips the pages") << 2 << u"Y"_qs << u"O opened"_qs;
        QTest::newRow("French, opening fails") << 4 << u"Y!"_qs << u"OF opened"_qs;
    }
    void flow() {
        QFETCH(int, language);
        QFETCH(QString, answers);
        QFETCH(QString, expected);
        QTemporaryDir dataDir;
        FakeDialogs dialogs;
        FakeDesktop desktop;
        desktop.openSucceeds = !answers.endsWith(u'!');
        for (QChar a : answers.remove(u'!'))
            dialogs.answers.append(a == u'Y' ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        if (askForManual(dialogs, language, u"T"_qs))
            openManualInBrowser(dialogs, desktop, dataDir.path(), language, u"T"_qs);

        // The boxes want CR LF (a bare LF or CR runs the text together on some desktops); a page has
        // as many lines as its Portuguese original.
        const QStringList pages = helpPages(language), portuguese = helpPages(1);
        QString seen;
        for (const auto& [text, title, icon, buttons, defaultButton] : dialogs.shown) {
            const bool asks = icon == Dialogs::Icon::Information && buttons == Dialogs::Buttons::YesNo;
            const bool page = asks && title == helpPagesTitle(language) && text == pages.value(seen.size()) &&
                              text.count(u'\n') + text.count(u'\r') == 2 * text.count(u"\r\n"_qs) &&
                              text.count(u"\r\n"_qs) == portuguese[seen.size()].count(u"\r\n"_qs);
            const bool offer = asks && title == "T" && text == MessageCatalog::message(7, language);
            // Without a browser the user learns where the manual is.
            const bool failure = icon == Dialogs::Icon::Exclamation &&
                                 text == MessageCatalog::message(8, language) + u"\r\n\r\n"_qs +
                                             QDir::toNativeSeparators(manualPath(dataDir.path()));
            seen += page ? 'P' : offer ? 'O' : failure ? 'F' : '?';
        }
        for (const QString& path : desktop.opened)
            seen +=
                path == manualPath(dataDir.path()) && bytes(path) == bytes(Shipped) ? " opened" : " wrong";
        QCOMPARE(seen, expected);
    }

    // A manual left by an older version is replaced.
    void manualIsWrittenOut() {
        QTemporaryDir dataDir;
        QFile file(manualPath(dataDir.path()));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                file.write("old"));
        file.close();
        QCOMPARE(installManual(dataDir.path()), file.fileName());
        QCOMPARE(bytes(file.fileName()), bytes(Shipped));
        QCOMPARE(installManual(file.fileName()), QString()); // a file where the folder should be
    }

    // It is opened from the user's disk, often without a network: nothing may be fetched, and
    // every link of the table of contents lands on a section.
    void manualIsSelfContained() {
        const QString html = QString::fromUtf8(bytes(Shipped));
        QVERIFY(html.contains(u"<meta charset=\"utf-8\">"_qs, Qt::CaseInsensitive));
        for (const char* outside : {"http:", "https:", "//", "<script", "<link", "src=", "@import", "url("})
            QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
        for (const auto& m : QRegularExpression(u"href=\"#([^\"]*)\""_qs).globalMatch(html))
            QVERIFY2(html.contains("id=\"" + m.captured(1) + '"'), qPrintable(m.captured(1)));
    }
};

QTEST_GUILESS_MAIN(TestHelpTips)
#include "tst_helptips.moc"
