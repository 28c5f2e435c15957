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

namespace {

const QString Today = QStringLiteral("05/12/2026");

TapeState sample() {
    return TapeState{Today,
                     QStringLiteral("      10,00 ×\r\n       3,00 +\r\n"),
                     QStringLiteral("30,00"),
                     QStringLiteral("+"),
                     QStringLiteral("0"),
                     QStringLiteral("30,00"),
                     QStringLiteral("002")};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A calculator whose clock says `day`, with its data folder in `dir`.
struct Calculator {
    FakeClipboard clipboard;
    FakeDialogs dialogs;
    std::unique_ptr<Engine> engine;
    Calculator(const QDate& day, const QString& dir, const QString& keys = {}) {
        EngineEnvironment env;
        env.clipboard = &clipboard;
        env.dialogs = &dialogs;
        env.dataDir = dir + QLatin1Char('/');
        env.now = [day] { return QDateTime(day, QTime(9, 30)); };
        engine = std::make_unique<Engine>(env);
        engine->chooseFormat(0);
        KeyScript::play(*engine, keys);
    }
    TapeState state() const { return TapeStateFile::capture(*engine, Today); }
};

} // namespace

class TestTapeState : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setCurrentLanguage(Language::Portuguese); }

    void recordLayout() {
        QCOMPARE(
            TapeStateFile::encode(sample()),
            QByteArray("\"05/12/2026\",\"      10,00 \xC3\x97\r\n       3,00 +\r\n\",\"30,00\",\"+\",\"0\","
                       "\"30,00\",\"002\"\r\n"));
        QCOMPARE(TapeStateFile::dateText(QDate(2026, 12, 5), QStringLiteral("dd/mm/yyyy")), Today);
        QCOMPARE(TapeStateFile::dateText(QDate(2026, 12, 5), QStringLiteral("mm/dd/yyyy")),
                 QStringLiteral("12/05/2026"));
    }

    void roundTrip_data() {
        QTest::addColumn<TapeState>("state");
        QTest::newRow("calculation in progress") << sample();
        QTest::newRow("CR LF, commas and accents in several fields")
            << TapeState{"", " Média, €\r\n", "\r\n", ",", "", "a\r\n\r\nb", "\r\n"};
        TapeState big = sample();
        while (big.tape.size() < 1024 * 1024)
            big.tape += QStringLiteral("               1.234,56 ×\r\n");
        QTest::newRow("1 MB tape") << big;
    }
    void roundTrip() {
        QFETCH(TapeState, state);
        QCOMPARE(TapeStateFile::decode(TapeStateFile::encode(state)), std::optional(state));
        QTemporaryDir dir;
        const QString path = TapeStateFile::path(dir.filePath(QStringLiteral("new")), QStringLiteral("2"));
        QCOMPARE(path, dir.filePath(QStringLiteral("new/calc2.fita")));
        QVERIFY(TapeStateFile::writeStateFile(path, sample()));
        QVERIFY(TapeStateFile::writeStateFile(path, state)); // replaces, whatever the sizes
        QCOMPARE(readAll(path), TapeStateFile::encode(state));
        QCOMPARE(TapeStateFile::readStateFile(path), std::optional(state));
    }

    void decodeDamaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        const QByteArray good = TapeStateFile::encode(sample());
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("six fields") << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n") << false;
        QTest::newRow("unquoted field") << QByteArray("\"a\",b,\"c\",\"d\",\"e\",\"f\",\"g\"\r\n") << false;
        // The classic reader ends a field at its next quote, so "cd" is left where a comma belongs.
        QTest::newRow("quote inside")
            << QByteArray("\"ab\"cd\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n") << false;
        QTest::newRow("text after the record")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"x") << false;
        QTest::newRow("cut after CR") << good.chopped(1) << false;
        QTest::newRow("invalid UTF-8")
            << QByteArray("\"\xFF\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n") << false;
        QTest::newRow("UTF-8 cut by a quote")
            << QByteArray("\"\xC3\",\"\x97\",\"c\",\"d\",\"e\",\"f\",\"g\"") << false;
        QTest::newRow("final CR LF lost") << good.chopped(2) << true;
        QTest::newRow("ended by LF") << good.chopped(2) + "\n" << true;
        QTest::newRow("another record follows") << good + good << true;
    }
    void decodeDamaged() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        QCOMPARE(TapeStateFile::decode(bytes), accepted ? std::optional(sample()) : std::nullopt);
    }

    // Wherever a write was cut short, the reader says so instead of restoring part of a record.
    void everyTruncationIsRefused() {
        const QByteArray good = TapeStateFile::encode(sample());
        for (qsizetype n = 0; n < good.size() - 2; ++n)
            QVERIFY2(!TapeStateFile::decode(good.left(n)), good.left(n).constData());
    }

    // A quote cannot be written inside a field; it must not cost the other six fields.
    void quoteInsideAFieldBecomesAnApostrophe() {
        TapeState state = sample();
        state.tape = QStringLiteral(" \"Aluguel\"\r\n");
        const auto back = TapeStateFile::decode(TapeStateFile::encode(state));
        state.tape = QStringLiteral(" 'Aluguel'\r\n");
        QCOMPARE(back, std::optional(state));
    }

    void unreadableFiles() {
        QTemporaryDir dir;
        QCOMPARE(TapeStateFile::readStateFile(dir.filePath(QStringLiteral("calc1.fita"))), std::nullopt);
        QCOMPARE(TapeStateFile::readStateFile(dir.path()), std::nullopt);
        QCOMPARE(TapeStateFile::loadAction(std::nullopt, Today), TapeStateFile::LoadAction::Nothing);
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QVERIFY(!TapeStateFile::writeStateFile(plain.fileName() + QStringLiteral("/calc1.fita"), sample()));
    }

    // Closed in the middle of a sum and opened again the same day, the calculator goes on as if it
    // had never closed.
    void sameDayContinuesTheCalculation() {
        QTemporaryDir dir;
        const QString path = TapeStateFile::path(dir.path(), QStringLiteral("1"));
        Calculator before(QDate(2026, 12, 5), dir.path(), QStringLiteral("10*3+7"));
        QVERIFY(TapeStateFile::save(*before.engine, path, Today));
        Calculator after(QDate(2026, 12, 5), dir.path());
        QCOMPARE(TapeStateFile::load(*after.engine, path, Today), TapeStateFile::LoadAction::RestoreAll);
        QCOMPARE(after.state(), before.state());
        KeyScript::play(*before.engine, QStringLiteral("="));
        KeyScript::play(*after.engine, QStringLiteral("="));
        QCOMPARE(after.state(), before.state());
    }

    // Opened on a later day, yesterday's tape goes to the backup file and a fresh day begins, just
    // as on a calculator started that day whose tape was cleared.
    void nextDayClearsIntoTheBackup() {
        QTemporaryDir dir;
        const QString path = TapeStateFile::path(dir.path(), QStringLiteral("1"));
        Calculator yesterday(QDate(2026, 12, 5), dir.path(), QStringLiteral("10*3+7"));
        QVERIFY(TapeStateFile::save(*yesterday.engine, path, Today));
        Calculator today(QDate(2026, 12, 6), dir.path());
        QCOMPARE(TapeStateFile::load(*today.engine, path, QStringLiteral("06/12/2026")),
                 TapeStateFile::LoadAction::NewDay);
        QVERIFY(readAll(today.engine->backupFilePath()).startsWith(yesterday.engine->tape().text().toUtf8()));
        Calculator cleared(QDate(2026, 12, 6), dir.path());
        cleared.engine->clearTape();
        QCOMPARE(today.state(), cleared.state());
    }
};

QTEST_GUILESS_MAIN(TestTapeState)
#include "tst_tapestate.moc"
