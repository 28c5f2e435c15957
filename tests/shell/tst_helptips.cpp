// F1: the tip pages, the offer of the manual, writing the manual out and opening it in a browser.

#include "i18n/messagecatalog.h"
#include "shell/helptips.h"
#include "support/testcontext.h"

#include <QRegularExpression>
#include <QTest>

class TestHelpTips : public QObject {
    Q_OBJECT
    static QByteArray bytes(QFile&& f) { return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
    const QString m_manual = QString::fromUtf8(bytes(QFile(":/manual/index.html"))); // as shipped

  private slots:
    // Rows "answers boxes". The answers: the language, then Y or N per box, and ! when opening fails.
    // The boxes shown, in order: P a tip page, O the offer of the manual (both asking Yes or No), F the
    // failure, which tells where the manual is; then " opened" when the manual was written out, over
    // an older one, and opened.
    void flow_data() {
        QTest::addColumn<QString>("row");
        for (const char* row : {"1YN PP", "3YYYN PPPO", "1YYYY PPPO opened", "2Y O opened", "4Y! OF opened"})
            QTest::newRow(row) << QString(row);
    }
    void flow() {
        QFETCH(QString, row);
        QString answers = row.section(' ', 0, 0);
        const int lang = answers.front().digitValue();
        TestContext r;
        const QString manual = manualPath(r.dir.path());
        QVERIFY(QDir().mkpath(QFileInfo(manual).path()) && QFile(manual).open(QFile::WriteOnly));
        r.desktop.openSucceeds = !answers.endsWith(u'!');
        for (QChar a : answers.remove(u'!').mid(1))
            r.dialogs.answers << (a == u'Y' ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        if (askForManual(r.dialogs, lang)) openManualInBrowser(r.dialogs, r.desktop, r.dir.path(), lang);
        const QString failure = MessageCatalog::message(8, lang) + "\r\n\r\n" + manual;
        QString seen;
        for (const auto& [text, title, icon, buttons, defaultButton] : r.dialogs.shown)
            seen += buttons != Dialogs::Buttons::YesNo           ? (text == failure ? 'F' : '?')
                    : text == helpPages(lang).value(seen.size()) ? 'P'
                    : text == MessageCatalog::message(7, lang)   ? 'O'
                                                                 : '?';
        for (const QString& path : r.desktop.opened)
            seen += path == manual && bytes(QFile(path)) == m_manual.toUtf8() ? " opened" : " wrong";
        QCOMPARE(seen, row.section(' ', 1));
    }

    // The pages end their lines with CR LF (a bare LF or CR runs the text together on some desktops)
    // and have as many lines as their Portuguese originals. Where a file takes the data folder's place
    // no manual is written. The manual is opened from the user's disk, often without a network:
    // nothing may be fetched, and every link of the table of contents lands on a section.
    void pagesAndManual() {
        const QRegularExpression bare(u"(?<!\r)\n|\r(?!\n)"_qs);
        for (int i = 0; i < 3; ++i)
            QVERIFY(helpPages(3)[i].count(u'\n') == helpPages(1)[i].count(u'\n') &&
                    !(helpPages(1)[i] + helpPages(3)[i]).contains(bare));
        QVERIFY(installManual(QCoreApplication::applicationFilePath()).isEmpty());
        const QRegularExpression re(u"(?i)<meta charset=\"utf-8\">|//|<script|<link|src=|@import|url\\("_qs);
        QCOMPARE(m_manual.count(re), 1); // the character set, and nothing from outside
        for (const auto& m : QRegularExpression(u"href=\"#([^\"]*)\""_qs).globalMatch(m_manual))
            QVERIFY2(m_manual.contains("id=\"" + m.captured(1) + '"'), qPrintable(m.captured(1)));
    }
};

QTEST_GUILESS_MAIN(TestHelpTips)
#include "tst_helptips.moc"
