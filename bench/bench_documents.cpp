// The printed documents: amounts written in words per second (100000 random values) and one face
// rendered into a PDF (median of 20). Opening the cheque window is measured with the other tool
// windows, on an X server.

#include "benchsupport.h"
#include "documents/amountinwords.h"
#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"
#include "ui/frmcheque.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

double wordsPerSecond() {
    QRandomGenerator random(11);
    std::vector<Decimal> values;
    values.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        const auto cents = random.bounded(Q_INT64_C(1), Q_INT64_C(99999999999999));
        values.push_back(*Decimal::parse(QString::number(cents / 100) + QLatin1Char('.') +
                                             QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0')),
                                         QLatin1Char('.'), QLatin1Char(',')));
    }
    QElapsedTimer t;
    t.start();
    qsizetype total = 0;
    for (const Decimal& v : values)
        total += AmountInWords::write(v, true)->size();
    const double seconds = t.nsecsElapsed() / 1e9;
    return total > 0 ? values.size() / seconds : 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf(
        "documents: amount in words, 100000 random values: %.0f values per second (target >= 200000)\n",
        wordsPerSecond());

    QTemporaryDir dir;
    MemoryClipboard clipboard;
    AnsweringDialogs dialogs(Dialogs::Answer::Ok);
    BenchContext run(clipboard, dialogs, dir.path());
    run.context.facts.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
    SettingsStore store(dir.filePath(QStringLiteral("Tabulora.ini")));
    CalculatorController controller(run.context, &store, WindowMode::Full);
    frmCheque cheque(controller, *DocumentStart::amountOf(run.context, QStringLiteral("1.234,56")));
    const FacePicture face = cheque.face()->picture();
    std::vector<double> rendering;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer t;
        t.start();
        FacePrinting::savePdf(face, dir.filePath(QStringLiteral("face.pdf")), QStringLiteral("Cheque"));
        rendering.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("documents: one cheque face rendered into a PDF, median of 20: %.2f ms (target < 100 ms)\n",
                median(rendering));
    return 0;
}
