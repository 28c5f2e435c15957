// Writing and reading the tape state file with a tape of 1 MB: the window does one at close and
// the other at start, so each must stay far below what a person notices.

#include "core/tapestate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = TapeStateFile::path(dir.path(), QStringLiteral("1"));

    // Calculator lines with the multiplication sign and an accented report line, as real tapes have.
    const QString block = QStringLiteral("               1.234,56 +\r\n") +
                          QStringLiteral("                  12,00 \u00D7\r\n") +
                          QStringLiteral(" Média mensal            \r\n");
    QString tape;
    while (tape.size() < 1024 * 1024)
        tape += block;
    const TapeState state{QStringLiteral("05/12/2026"), tape,
                          QStringLiteral("1.234,56"),   QStringLiteral("+"),
                          QStringLiteral("0"),          QStringLiteral("1.234,56"),
                          QStringLiteral("003")};

    constexpr int Runs = 7;
    std::vector<double> writes, reads;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!TapeStateFile::writeStateFile(path, state).ok())
            return std::fprintf(stderr, "write failed\n"), 1;
        writes.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const auto back = TapeStateFile::readStateFile(path);
        reads.push_back(timer.nsecsElapsed() / 1e6);
        if (!back || back->state != state) return std::fprintf(stderr, "read back differs\n"), 1;
    }
    std::sort(writes.begin(), writes.end());
    std::sort(reads.begin(), reads.end());
    std::printf("tape state file, %lld characters of tape: write %.2f ms, read %.2f ms (median of %d; target "
                "< 50 ms)\n",
                static_cast<long long>(tape.size()), writes[Runs / 2], reads[Runs / 2], Runs);
    return 0;
}
