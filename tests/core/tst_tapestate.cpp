// The tape state file: the record's bytes, what a damaged file gives, and the calculation that comes
// back on the same day or is cleared into the backup on the next.

#include "core/engine.h"
#include "core/tapestate.h"
#include "shell/messagecatalog.h"
#include "support/fakeclipboard.h"
#include "support/fakedialogs.h"
#include "support/keyscript.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TapeState)
Q_DECLARE_METATYPE(TapeStateFile::LoadAction)

namespace {

const QString Today = QStringLiteral("05/12/2026");

TapeState sample() {
    return TapeState{Today,
                     QStringLiteral("                   10,00 ×\r\n                    3,00 +\r\n"),
                     QStringLiteral("30,00"),
                     QStringLiteral("+"),
                     QStringLiteral("0"),
                     QStringLiteral("30,00"),
                     QStringLiteral("002")};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A calculator whose clock says `day`, with its data folder in `dir`.
std::unique_ptr<Engine> engineOn(const QDate& day, const QString& dir, FakeClipboard& clipboard,
                                 FakeDialogs& dialogs) {
    EngineEnvironment env;
    env.clipboard = &clipboard;
    env.dialogs = &dialogs;
    env.dataDir = dir + QLatin1Char('/');
    env.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
    env.now = [day] { return QDateTime(day, QTime(9, 30, 15)); };
    auto engine = std::make_unique<Engine>(env);
    engine->chooseFormat(0);
    return engine;
}

} // namespace

class TestTapeState : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setCurrentLanguage(Language::Portuguese); }

    void recordLayout() {
        QCOMPARE(TapeStateFile::encode(sample()),
                 QByteArray("\"05/12/2026\",\"                   10,00 \xC3\x97\r\n                    3,00 "
                            "+\r\n\",\"30,00\",\"+\",\"0\",\"30,00\",\"002\"\r\n"));
    }

    void roundTrip_data() {
        QTest::addColumn<TapeState>("state");
        QTest::newRow("calculation in progress") << sample();
        QTest::newRow("all fields empty") << TapeState{};
        TapeState breaks = sample();
        breaks.total = QStringLiteral("\r\n");
        breaks.counter = QStringLiteral("a\r\n\r\nb");
        QTest::newRow("CR LF inside several fields") << breaks;
        TapeState accents = sample();
        accents.tape = QStringLiteral(" Média  ÷ çã € \r\n");
        QTest::newRow("accents and symbols") << accents;
        TapeState commas = sample();
        commas.tape = QStringLiteral(",,\r\n, ,\r\n");
        QTest::newRow("commas inside a field") << commas;
        TapeState big = sample();
        const QString line = QStringLiteral("               1.234,56 ×\r\n");
        big.tape.clear();
        while (big.tape.size() < 1024 * 1024)
            big.tape += line;
        QTest::newRow("1 MB tape") << big;
    }
    void roundTrip() {
        QFETCH(TapeState, state);
        QCOMPARE(TapeStateFile::decode(TapeStateFile::encode(state)), std::optional<TapeState>(state));

        QTemporaryDir dir;
        const QString path =
            TapeStateFile::path(dir.path() + QStringLiteral("/new/folder"), QStringLiteral("1"));
        QVERIFY(TapeStateFile::writeStateFile(path, state));
        QCOMPARE(readAll(path), TapeStateFile::encode(state));
        QCOMPARE(TapeStateFile::readStateFile(path), std::optional<TapeState>(state));
    }

    // A quote cannot be written inside a field; it must not cost the other six fields.
    void quoteInsideAFieldBecomesAnApostrophe() {
        TapeState state = sample();
        state.tape = QStringLiteral(" \"Aluguel\" \r\n");
        const auto back = TapeStateFile::decode(TapeStateFile::encode(state));
        QVERIFY(back);
        QCOMPARE(back->tape, QStringLiteral(" 'Aluguel' \r\n"));
        state.tape = back->tape;
        QCOMPARE(*back, state);
    }

    void damagedRecordIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = TapeStateFile::encode(sample());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only a line end") << QByteArray("\r\n");
        QTest::newRow("six fields") << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n");
        QTest::newRow("unquoted field") << QByteArray("\"a\",b,\"c\",\"d\",\"e\",\"f\",\"g\"\r\n");
        QTest::newRow("blank before a field") << QByteArray("\"a\", \"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n");
        // Read as the classic input statement does, the quote ends the field and "cd" is left over.
        QTest::newRow("quote inside a field")
            << QByteArray("\"ab\"cd\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n");
        QTest::newRow("text after the last field")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"x\r\n");
        QTest::newRow("cut after CR") << good.left(good.size() - 1);
        QTest::newRow("invalid UTF-8") << QByteArray("\"a\",\"\xFF\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n");
        QTest::newRow("UTF-8 sequence cut by the quote")
            << QByteArray("\"a\xC3\",\"\x97\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\"", 4);
    }
    void damagedRecordIsRefused() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(TapeStateFile::decode(bytes), std::nullopt);
    }

    // Wherever a write was cut short, the reader says so instead of restoring part of a record.
    void everyTruncationIsRefused() {
        const QByteArray good = TapeStateFile::encode(sample());
        for (qsizetype n = 0; n < good.size() - 2; ++n)
            QVERIFY2(!TapeStateFile::decode(good.left(n)), qPrintable(QString::number(n)));
    }

    void completeRecordIsAccepted_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = TapeStateFile::encode(sample());
        QTest::newRow("without the final CR LF") << good.left(good.size() - 2);
        QTest::newRow("ended by LF") << good.left(good.size() - 2) + "\n";
        QTest::newRow("followed by another record") << good + TapeStateFile::encode(TapeState{});
    }
    void completeRecordIsAccepted() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(TapeStateFile::decode(bytes), std::optional<TapeState>(sample()));
    }

    void unreadableFiles() {
        QTemporaryDir dir;
        QCOMPARE(TapeStateFile::readStateFile(dir.filePath(QStringLiteral("calc1.fita"))), std::nullopt);
        QCOMPARE(TapeStateFile::readStateFile(dir.path()), std::nullopt); // a folder
        QFile half(dir.filePath(QStringLiteral("calc2.fita")));
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.write(TapeStateFile::encode(sample()).left(40));
        half.close();
        QCOMPARE(TapeStateFile::readStateFile(half.fileName()), std::nullopt);
    }

    void rewritingReplacesTheFile() {
        QTemporaryDir dir;
        const QString path = TapeStateFile::path(dir.path(), QStringLiteral("1"));
        TapeState longer = sample();
        longer.tape = QString(5000, QLatin1Char('x'));
        QVERIFY(TapeStateFile::writeStateFile(path, longer));
        QVERIFY(TapeStateFile::writeStateFile(path, sample()));
        QCOMPARE(readAll(path), TapeStateFile::encode(sample()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("calc1.fita")});
    }

    void writeFailureIsReported() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("plain")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!TapeStateFile::writeStateFile(dir.filePath(QStringLiteral("plain/calc1.fita")), sample()));
    }

    void names_data() {
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("primary") << "/data/Tabulora/"
                                 << "1"
                                 << "/data/Tabulora/calc1.fita";
        QTest::newRow("auxiliary") << "/data/Tabulora/"
                                   << "2"
                                   << "/data/Tabulora/calc2.fita";
        QTest::newRow("folder without separator") << "/data/Tabulora"
                                                  << "1"
                                                  << "/data/Tabulora/calc1.fita";
    }
    void names() {
        QFETCH(QString, dataDir);
        QFETCH(QString, tag);
        QFETCH(QString, expected);
        QCOMPARE(TapeStateFile::path(dataDir, tag), expected);
    }

    void dateText_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("expected");
        QTest::newRow("day first") << "dd/mm/yyyy" << QDate(2026, 12, 5) << "05/12/2026";
        QTest::newRow("month first") << "mm/dd/yyyy" << QDate(2026, 12, 5) << "12/05/2026";
        QTest::newRow("year change") << "dd/mm/yyyy" << QDate(2027, 1, 1) << "01/01/2027";
    }
    void dateText() {
        QFETCH(QString, pattern);
        QFETCH(QDate, day);
        QFETCH(QString, expected);
        QCOMPARE(TapeStateFile::dateText(day, pattern), expected);
    }

    void loadDecision_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("today");
        QTest::addColumn<TapeStateFile::LoadAction>("expected");
        using A = TapeStateFile::LoadAction;
        QTest::newRow("no record") << false << "" << Today << A::Nothing;
        QTest::newRow("same day") << true << Today << Today << A::RestoreAll;
        QTest::newRow("next day") << true << Today << "06/12/2026" << A::NewDay;
        QTest::newRow("same day a year later") << true << Today << "05/12/2027" << A::NewDay;
        QTest::newRow("date missing in the record") << true << "" << Today << A::NewDay;
    }
    void loadDecision() {
        QFETCH(bool, present);
        QFETCH(QString, stored);
        QFETCH(QString, today);
        QFETCH(TapeStateFile::LoadAction, expected);
        std::optional<TapeState> state;
        if (present) {
            state = sample();
            state->date = stored;
        }
        QCOMPARE(TapeStateFile::loadAction(state, today), expected);
    }

    // Closed in the middle of a sum and opened again the same day, the calculator goes on as if
    // it had never closed.
    void sameDayContinuesTheCalculation() {
        QTemporaryDir dir;
        FakeClipboard clipboard;
        FakeDialogs dialogs;
        const QDate day(2026, 12, 5);
        const QString path = TapeStateFile::path(dir.path(), QStringLiteral("1"));
        auto before = engineOn(day, dir.path(), clipboard, dialogs);
        KeyScript::play(*before, QStringLiteral("10*3+7"));
        QVERIFY(TapeStateFile::save(*before, path, Today));
        QCOMPARE(TapeStateFile::readStateFile(path)->date, Today);

        auto after = engineOn(day, dir.path(), clipboard, dialogs);
        QCOMPARE(TapeStateFile::load(*after, path, Today), TapeStateFile::LoadAction::RestoreAll);
        QCOMPARE(TapeStateFile::capture(*after, Today), TapeStateFile::capture(*before, Today));

        KeyScript::play(*before, QStringLiteral("="));
        KeyScript::play(*after, QStringLiteral("="));
        QCOMPARE(after->tape().text(), before->tape().text());
        QCOMPARE(after->total(), before->total());
    }

    // Opened on a later day, yesterday's tape goes to the backup file and a fresh day begins.
    void nextDayClearsIntoTheBackup() {
        QTemporaryDir dir;
        FakeClipboard clipboard;
        FakeDialogs dialogs;
        const QString path = TapeStateFile::path(dir.path(), QStringLiteral("1"));
        auto yesterday = engineOn(QDate(2026, 12, 5), dir.path(), clipboard, dialogs);
        KeyScript::play(*yesterday, QStringLiteral("10*3+7"));
        const QString oldTape = yesterday->tape().text();
        QVERIFY(TapeStateFile::save(*yesterday, path, Today));

        auto today = engineOn(QDate(2026, 12, 6), dir.path(), clipboard, dialogs);
        QCOMPARE(TapeStateFile::load(*today, path, QStringLiteral("06/12/2026")),
                 TapeStateFile::LoadAction::NewDay);
        // Just as a calculator started today whose (empty) tape was cleared.
        auto cleared = fresh(dir.path());
        cleared->clearTape();
        QCOMPARE(TapeStateFile::capture(*today, Today), TapeStateFile::capture(*cleared, Today));
        QVERIFY(today->tape().text().startsWith(today->dateHeader()));
        QVERIFY(readAll(today->backupFilePath()).startsWith(oldTape.toUtf8()));
    }

    void missingFileLeavesTheCalculatorAlone() {
        QTemporaryDir dir;
        auto engine = fresh(dir.path());
        const TapeState untouched = TapeStateFile::capture(*engine, Today);
        QCOMPARE(TapeStateFile::load(*engine, TapeStateFile::path(dir.path(), QStringLiteral("1")), Today),
                 TapeStateFile::LoadAction::Nothing);
        QCOMPARE(TapeStateFile::capture(*engine, Today), untouched);
    }

  private:
    std::unique_ptr<Engine> fresh(const QString& dir) {
        return engineOn(QDate(2026, 12, 6), dir, m_clipboard, m_dialogs);
    }
    FakeClipboard m_clipboard;
    FakeDialogs m_dialogs;
};

QTEST_GUILESS_MAIN(TestTapeState)
#include "tst_tapestate.moc"
