// A long seeded run of random keys (run under the sanitizers too): whatever is typed, the engine
// never crashes and the tape keeps its shape — every line 26 characters plus CR LF, its marker
// just before the line break — and the display never outgrows 22 characters.

#include "core/engine.h"
#include "support/testcontext.h"

#include <QRandomGenerator>
#include <QtTest>

class TestEngineRandom : public QObject {
    Q_OBJECT

    static QString badLine(const QString& tape) {
        const QStringList lines = tape.split(QStringLiteral("\r\n"));
        if (!lines.last().isEmpty()) return QStringLiteral("no CR LF at the end: ") + lines.last();
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString& l = lines[i];
            // The only short line is the empty one under the insert-text rule.
            if (l.isEmpty() && i > 0 && lines[i - 1].endsWith(QLatin1Char('_'))) continue;
            if (l.size() != 26) return QStringLiteral("line %1 has %2 characters: '%3'").arg(i).arg(l.size()).arg(l);
            if (l.contains(QLatin1Char('\r')) || l.contains(QLatin1Char('\n'))) return QStringLiteral("stray break");
        }
        return {};
    }

private slots:
    void randomKeysKeepTheTapeInShape() {
        TestContext run;
        Engine engine(run.context);

        static const QString keys = QStringLiteral("0123456789012345678901234567890123456789+-*/=%,.;ujkm\r\bxA ");
        // A longer or another run: TABULORA_RANDOM_SEED and TABULORA_RANDOM_KEYS.
        bool ok = false;
        const quint32 seed = qEnvironmentVariable("TABULORA_RANDOM_SEED").toUInt(&ok);
        QRandomGenerator rng(ok ? seed : 20261205);
        const int requested = qEnvironmentVariableIntValue("TABULORA_RANDOM_KEYS", &ok);
        const int total = ok && requested > 0 ? requested : 100000;
        for (int i = 0; i < total; ++i) {
            const quint32 r = rng.bounded(1000);
            if (r < 900) {
                engine.keyPress(keys.at(rng.bounded(int(keys.size()))).unicode());
            } else if (r < 915) {
                engine.pressClearEntry();
            } else if (r < 930) {
                engine.pressSign();
            } else if (r < 945) {
                engine.undo();
            } else if (r < 955) {
                engine.redo();
            } else if (r < 962) {
                switch (rng.bounded(4)) {
                case 0: engine.memoryAdd(); break;
                case 1: engine.memorySubtract(); break;
                case 2: engine.memoryRecall(); break;
                default: engine.memoryClear(); break;
                }
            } else if (r < 966) {
                engine.setTimeMode(!engine.timeMode());
            } else if (r < 970) {
                engine.setInsertText(!engine.insertText());
            } else if (r < 974) {
                engine.chooseFormat(int(rng.bounded(11)));
            } else if (r < 977) {
                engine.setEnterAdds(!engine.enterAdds());
            } else if (r < 978) {
                engine.clearTape();
            } else {
                engine.keyPress('=');
            }

            QVERIFY2(engine.display().size() <= 22, qPrintable(engine.display()));
            QVERIFY2(engine.timeDisplay().size() <= 22, qPrintable(engine.timeDisplay()));
            const QString& t = engine.tape().text();
            if (!t.isEmpty()) {
                QVERIFY2(t.endsWith(QStringLiteral("\r\n")), qPrintable(t.right(30)));
                static const QString markers = QStringLiteral("+-×÷%=TE");
                const QChar marker = t.at(t.size() - 3);
                QVERIFY2(markers.contains(marker), qPrintable(t.right(30)));
                QVERIFY2(marker == QLatin1Char('=') || t.at(t.size() - 4) == QLatin1Char(' '), qPrintable(t.right(30)));
                const qsizetype lastBreak = t.lastIndexOf(QStringLiteral("\r\n"), t.size() - 3);
                QVERIFY2(t.size() - lastBreak - 4 == 26 || lastBreak < 0, qPrintable(t.right(60)));
            }
            if (i % 2000 == 0) {
                const QString bad = badLine(t);
                QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("after key %1: %2").arg(i).arg(bad)));
            }
        }
        const QString bad = badLine(engine.tape().text());
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
    }
};

QTEST_GUILESS_MAIN(TestEngineRandom)
#include "tst_engine_random.moc"
