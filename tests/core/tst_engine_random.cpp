// A long seeded run of random keys (run under the sanitizers too): whatever is typed, the engine
// never crashes and the tape keeps its shape — every line 26 characters plus CR LF (the empty line
// under the insert-text rule aside), its marker just before the line break — and neither display
// outgrows 22 characters. Another run: TABULORA_RANDOM_SEED and TABULORA_RANDOM_KEYS.

#include "support/enginerig.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

class TestEngineRandom : public QObject {
    Q_OBJECT

    // The first line of the tape that is out of shape, or "".
    static QString badLine(const QString& tape) {
        const QStringList lines = tape.split(QStringLiteral("\r\n"));
        if (!lines.last().isEmpty()) return QStringLiteral("no CR LF at the end: ") + lines.last();
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString& l = lines[i];
            const bool underRule = l.isEmpty() && i > 0 && lines[i - 1].endsWith(QLatin1Char('_'));
            if ((l.size() != 26 && !underRule) || l.contains(QLatin1Char('\r')) ||
                l.contains(QLatin1Char('\n')))
                return QStringLiteral("line %1: '%2'").arg(i).arg(l);
        }
        return {};
    }

  private slots:
    void randomKeysKeepTheTapeInShape() {
        bool ok = false;
        const quint32 seed = qEnvironmentVariable("TABULORA_RANDOM_SEED").toUInt(&ok);
        QRandomGenerator rng(ok ? seed : 20261205);
        const int requested = qEnvironmentVariableIntValue("TABULORA_RANDOM_KEYS", &ok);
        const int total = ok && requested > 0 ? requested : 100000;
        // Nine in ten are keys; the rest are these commands, so many in a thousand each ({f} chooses a
        // display format at random).
        static const QString keys =
            QStringLiteral("0123456789012345678901234567890123456789+-*/=%,.;ujkm\r\bxA ");
        const QList<std::pair<int, QString>> commands = {
            {15, "{del}"}, {15, "{neg}"}, {15, "{undo}"}, {10, "{redo}"}, {2, "{mc}"},
            {2, "{mr}"},   {2, "{m+}"},   {2, "{m-}"},    {4, "{time}"},  {4, "{text}"},
            {4, "{f}"},    {3, "{adds}"}, {1, "{clear}"}, {21, "="}};
        // The last line: 24 characters, then a marker after a blank, or the end of a separator.
        static const QRegularExpression lastLine(
            QStringLiteral("(^|\\n)[^\\r\\n]{24}( [-+×÷%=TE]|==)\\r\\n\\z"));
        EngineRig rig;
        for (int i = 0; i < total; ++i) {
            QString step = keys.at(rng.bounded(int(keys.size())));
            int r = int(rng.bounded(1000)) - 900; // below zero: the key
            for (const auto& [weight, command] : commands) {
                if (r >= 0 && r < weight) step = command;
                r -= weight;
            }
            rig.type(step == QLatin1String("{f}") ? QStringLiteral("{f%1}").arg(rng.bounded(11)) : step);
            const QString& tape = rig.engine->tape().text();
            QVERIFY2(rig.engine->display().size() <= 22, qPrintable(rig.engine->display()));
            QVERIFY2(rig.engine->timeDisplay().size() <= 22, qPrintable(rig.engine->timeDisplay()));
            QVERIFY2(tape.isEmpty() || lastLine.match(tape.right(30)).hasMatch(), qPrintable(tape.right(60)));
            if (i % 2000 == 0 || i == total - 1) QVERIFY2(badLine(tape).isEmpty(), qPrintable(badLine(tape)));
        }
    }
};

QTEST_GUILESS_MAIN(TestEngineRandom)
#include "tst_engine_random.moc"
