// The cheque and promissory-note windows driven like a person (keys, mouse drags), their faces
// printed into a PDF and read back with pdftotext -bbox, and the choice of their printer.

#include "documents/documenttexts.h"
#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"
#include "support/testcontext.h"
#include "ui/frmcheque.h"
#include "ui/frmimp.h"
#include "ui/frmpromissoria.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Word {
    QString text;
    QRectF box; // points
};

QList<Word> wordsOf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000)) return {};
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    for (auto m = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); m.hasNext();) {
        const auto w = m.next();
        words.append({w.captured(5), QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                            QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
    }
    return words;
}

constexpr double PointsPerPixel = 72.0 / 96.0;

} // namespace

class TestDocumentWindows : public QObject {
    Q_OBJECT

    TestContext m_run;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<CalculatorController> m_controller;

    DocumentStart::Amount amount() {
        return *DocumentStart::amountOf(m_run.context, QStringLiteral("1.234,56"));
    }
    std::unique_ptr<DocumentWindow> open(bool cheque) {
        std::unique_ptr<DocumentWindow> w;
        if (cheque)
            w = std::make_unique<frmCheque>(*m_controller, amount());
        else
            w = std::make_unique<frmPromissoria>(
                *m_controller, amount(),
                *DocumentStart::parseDate(QStringLiteral("15/01/2027"), "dd/mm/yyyy"));
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qFatal("no window");
        return w;
    }
    template <typename T = QWidget> static T* child(QWidget* w, const QString& name) {
        T* c = w->findChild<T*>(name);
        if (!c) qFatal("no control %s", qPrintable(name));
        return c;
    }
    QString lastMessage() const {
        return m_run.dialogs.shown.isEmpty() ? QString() : m_run.dialogs.shown.last().text;
    }

  private slots:
    void init() {
        m_run.dialogs.shown.clear();
        m_store = std::make_unique<SettingsStore>(m_run.dir.filePath(QStringLiteral("Tabulora.ini")));
        m_controller = std::make_unique<CalculatorController>(m_run.context, m_store.get(), WindowMode::Full);
    }
    void cleanup() {
        m_controller.reset();
        m_store.reset();
        QFile::remove(m_run.dir.filePath(QStringLiteral("Tabulora.ini")));
    }

    // Every field's text lands where its layout puts it, within one layout pixel, and the printing
    // steps keep what the next opening proposes.
    void faceOnPaper_data() {
        QTest::addColumn<bool>("cheque");
        QTest::newRow("cheque") << true;
        QTest::newRow("promissory note") << false;
    }
    void faceOnPaper() {
        QFETCH(bool, cheque);
        m_store->write(QStringLiteral("Promissoria"), QStringLiteral("Numero"), QStringLiteral("00041"));
        auto w = open(cheque);
        DocumentFace* face = w->face();
        const char* typed = cheque ? "txtFavorecido" : "txtCredor";
        face->setText(typed, QString());
        QTest::keyClicks(face->field(typed), QStringLiteral("Joao da Silva"));
        QTest::keyClicks(face->field("txtReserva"), QStringLiteral("obs 1"));
        const QString pdf = m_run.dir.filePath(QStringLiteral("face.pdf"));
        m_run.dialogs.savePaths << pdf;
        QTest::mouseClick(child<QAbstractButton>(w.get(), QStringLiteral("cmdPdf")), Qt::LeftButton);
        QVERIFY2(lastMessage().contains(pdf), qPrintable(lastMessage()));
        QVERIFY(!w->isVisible());

        const QList<Word> words = wordsOf(pdf);
        QVERIFY2(!words.isEmpty(), "pdftotext read nothing");
        const double pitch = words[0].box.width() / words[0].text.size(); // one fixed-width character
        const FacePicture picture = face->picture();
        for (const FaceField& f : picture.fields) {
            const QString first = f.text.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0);
            if (first.isEmpty()) continue;
            const qsizetype lead = f.text.indexOf(first);
            const double inner = (f.rect.width() - 2 * FacePrinting::TextMargin) * PointsPerPixel;
            const double left = (f.rect.left() + FacePrinting::TextMargin) * PointsPerPixel;
            const double width = f.text.size() * pitch;
            double start = left;
            if (f.alignment & Qt::AlignRight) start = left + inner - width;
            if (f.alignment & Qt::AlignHCenter) start = left + (inner - width) / 2;
            start += lead * pitch;
            const QRectF place(f.rect.left() * PointsPerPixel, (f.rect.top() - 1) * PointsPerPixel,
                               f.rect.width() * PointsPerPixel, (f.rect.height() + 2) * PointsPerPixel);
            double nearest = 1e9;
            for (const Word& word : words)
                if (word.text == first && place.contains(word.box.topLeft()) &&
                    word.box.bottom() <= place.bottom())
                    nearest = qMin(nearest, qAbs(word.box.left() - start));
            QVERIFY2(
                nearest <= PointsPerPixel,
                qPrintable(QStringLiteral("%1 '%2' is %3 pt off its place").arg(f.text, first).arg(nearest)));
        }
        if (cheque) {
            QCOMPARE(PayeeList::read(PayeeList::path(m_run.context.facts.dataDir)),
                     QStringList{"JOAO DA SILVA"});
            QCOMPARE(m_store->read("Cheque", "Favorecido", {}), QStringLiteral("JOAO DA SILVA"));
        } else {
            QCOMPARE(m_store->read("Promissoria", "Numero", {}), QStringLiteral("00042"));
            QCOMPARE(m_store->read("Promissoria", "Credor", {}), QStringLiteral("JOAO DA SILVA"));
        }
    }

    void noteNumberOnlyKeptWhenPrinted() {
        m_store->write(QStringLiteral("Promissoria"), QStringLiteral("Numero"), QStringLiteral("00041"));
        auto w = open(false);
        QCOMPARE(w->face()->text("txtNumero"), QStringLiteral("00042"));
        QCOMPARE(QApplication::focusWidget(), w->face()->field("txtNumero"));
        w->close();
        QCOMPARE(m_store->read("Promissoria", "Numero", {}), QStringLiteral("00041"));
    }

    // The adjust mode with the mouse: a drag moves a field (its row follows), a rectangle drawn on
    // the bare face selects fields and a drag moves them together, the right edge resizes.
    void adjustWithTheMouse_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QStringList>("moved"); // "name left top width" after the gesture
        QTest::newRow("drag one") << "drag one"
                                  << QStringList{"txtCidade 272 117 167", "txtDia 444 117 25",
                                                 "txtAno 580 117 43", "txtFavorecido 18 86 573"};
        QTest::newRow("rectangle, then drag")
            << "group"
            << QStringList{"txtDia 454 112 25", QString::fromUtf8("txtMês 490 112 97"), "txtAno 580 112 43",
                           "txtCidade 262 112 167"};
        QTest::newRow("resize") << "resize" << QStringList{"txtFavorecido 18 86 593"};
    }
    void adjustWithTheMouse() {
        QFETCH(QString, gesture);
        auto w = open(true);
        DocumentFace* face = w->face();
        if (gesture != QLatin1String("resize"))
            QTest::mouseClick(child<QAbstractButton>(w.get(), QStringLiteral("Check2")), Qt::LeftButton);
        if (gesture == QLatin1String("drag one")) {
            QWidget* place = face->field("txtCidade");
            QTest::mousePress(place, Qt::LeftButton, {}, QPoint(50, 8));
            QTest::mouseMove(place, QPoint(60, 13));
            QTest::mouseRelease(place, Qt::LeftButton, {}, QPoint(50, 8));
            QCOMPARE(child<QLabel>(w.get(), QStringLiteral("lblLocal"))->text(),
                     QString::fromUtf8(" Posição:  272 / 117"));
        } else if (gesture == QLatin1String("group")) {
            QTest::mousePress(face, Qt::LeftButton, {}, QPoint(460, 140));
            QTest::mouseMove(face, QPoint(500, 120));
            QVERIFY(child(w.get(), QStringLiteral("sh1"))->isVisible());
            QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(500, 120));
            QVERIFY(!child(w.get(), QStringLiteral("sh1"))->isVisible());
            QCOMPARE(face->field("txtDia")->palette().color(QPalette::Base), QColor(192, 255, 255));
            QCOMPARE(face->field("txtAno")->palette().color(QPalette::Base), QColor(Qt::white));
            QWidget* day = face->field("txtDia");
            QTest::mousePress(day, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseMove(day, QPoint(15, 5));
            QTest::mouseRelease(day, Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            QWidget* payee = face->field("txtFavorecido");
            const QPoint edge(payee->width() - 1, 8);
            QTest::mouseMove(payee, edge);
            QCOMPARE(payee->cursor().shape(), Qt::SizeHorCursor);
            QTest::mousePress(payee, Qt::LeftButton, {}, edge);
            QTest::mouseMove(payee, edge + QPoint(20, 0));
            QTest::mouseRelease(payee, Qt::LeftButton, {}, edge + QPoint(20, 0));
        }
        QFETCH(QStringList, moved);
        for (const QString& expected : moved) {
            const QStringList p = expected.split(QLatin1Char(' '));
            const QRect r = face->field(p[0].toUtf8().constData())->geometry();
            QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(p[0]).arg(r.left()).arg(r.top()).arg(r.width()),
                     expected);
        }
        QVERIFY(child<QAbstractButton>(w.get(), QStringLiteral("cmdSalvar"))->isEnabled());
        // Closing asks about the unsaved layout; No (the default) keeps the stored model.
        w->close();
        QVERIFY(lastMessage().startsWith(
            QString::fromUtf8("Deseja salvar as alterações feitas em \"MODELO 1\"")));
        QCOMPARE(m_store->read("Cheque", "txtCidadeT", QStringLiteral("none")), QStringLiteral("none"));
    }

    void saveModel_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored"); // "" = not saved
        QTest::newRow("named") << "meu banco"
                               << "MEU BANCO";
        QTest::newRow("empty") << "  "
                               << "";
        QTest::newRow("too long") << QString(31, QLatin1Char('x')) << "";
    }
    void saveModel() {
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        auto w = open(true);
        auto* models = child<QComboBox>(w.get(), QStringLiteral("cbModelo"));
        w->selectModel(3);
        w->face()->editor().setWidth(0, 300);
        m_run.dialogs.inputs << answer;
        QCOMPARE(w->saveModel(), !stored.isEmpty());
        QCOMPARE(m_store->read("Cheque2", "Banco", {}), stored);
        if (stored.isEmpty()) {
            QCOMPARE(m_run.dialogs.shown.last().icon,
                     answer.trimmed().isEmpty() ? Dialogs::Icon::Critical : Dialogs::Icon::Exclamation);
            return;
        }
        QCOMPARE(models->itemText(2), stored);
        QCOMPARE(m_store->read("Cheque2", "txtFavorecidoW", {}), QStringLiteral("300"));
        auto again = open(true);
        again->selectModel(3);
        QCOMPARE(again->face()->field("txtFavorecido")->width(), 300);
    }

    void printerChoice_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("saved"); // "-": the window stays open with its message
        QTest::newRow("default, kept") << ""
                                       << ""
                                       << "";
        QTest::newRow("pick a printer") << ""
                                        << "pick"
                                        << "Forms";
        QTest::newRow("picked, then default") << "Forms"
                                              << "default"
                                              << "";
        QTest::newRow("stored printer gone") << "Gone"
                                             << ""
                                             << "-";
    }
    void printerChoice() {
        QFETCH(QString, stored);
        QFETCH(QString, action);
        QFETCH(QString, saved);
        m_controller->setPrintDevice(stored);
        frmImp w(*m_controller, {{"Office", "Hall", true}, {"Forms", "Room 2", false}});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = child<QComboBox>(&w, QStringLiteral("cbImpressora"));
        auto* byDefault = child<QRadioButton>(&w, QString::fromUtf8("optPadrão"));
        QCOMPARE(byDefault->isChecked(), stored.isEmpty());
        if (action == QLatin1String("pick")) list->setCurrentIndex(1);
        if (action == QLatin1String("default")) byDefault->click();
        if (action == QLatin1String("pick"))
            QCOMPARE(child<QLineEdit>(&w, QStringLiteral("txtEndereco"))->text(), QStringLiteral("Room 2"));
        QTest::mouseClick(child<QAbstractButton>(&w, QStringLiteral("cmdOK")), Qt::LeftButton);
        if (saved == QLatin1String("-")) {
            QVERIFY(w.isVisible());
            QVERIFY(lastMessage().startsWith(QStringLiteral("Selecione o dispositivo")));
            return;
        }
        QVERIFY(!w.isVisible());
        QCOMPARE(m_controller->options().printDevice, saved);
        QCOMPARE(m_store->read("Conf", "ImpDispo", {}), saved);
    }
};

QTEST_MAIN(TestDocumentWindows)
#include "tst_documentwindows.moc"
