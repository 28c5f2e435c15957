// The forms' models in the settings file, their backup, and the texts the program writes on a note.

#include "documents/documenttexts.h"
#include "documents/formlayout.h"
#include "documents/printdevice.h"
#include "settings/settingsstore.h"

#include <QTemporaryDir>
#include <QtTest>

class TestFormLayout : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    const QLocale m_locale{QLocale::Portuguese, QLocale::Brazil};

    QString ini(const QString& name) { return m_dir.filePath(name + QStringLiteral(".ini")); }

  private slots:
    void modelsRoundTrip() {
        SettingsStore store(ini(QStringLiteral("models")));
        const FormSpec& cheque = chequeForm();
        QCOMPARE(LayoutStore::names(store, cheque).at(2), QStringLiteral("Modelo 3"));
        QCOMPARE(LayoutStore::load(store, cheque, 3, m_locale), LayoutModel::defaults(cheque));
        LayoutModel layout = LayoutModel::defaults(cheque);
        layout.places[0] = {30, 90, 500};
        layout.fourDigitYear = true;
        LayoutStore::save(store, cheque, 3, QStringLiteral("MEU BANCO"), layout);
        QCOMPARE(store.read(QStringLiteral("Cheque2"), QStringLiteral("Banco"), {}),
                 QStringLiteral("MEU BANCO"));
        QCOMPARE(store.read(QStringLiteral("Cheque2"), QStringLiteral("txtFavorecidoL"), {}),
                 QStringLiteral("30"));
        QCOMPARE(store.read(QStringLiteral("Cheque2"), QString::fromUtf8("lblMêsL"), {}),
                 QStringLiteral("480"));
        QCOMPARE(LayoutStore::names(store, cheque).at(2), QStringLiteral("MEU BANCO"));
        QCOMPARE(LayoutStore::load(SettingsStore(ini(QStringLiteral("models"))), cheque, 3, m_locale),
                 layout);
        QCOMPARE(LayoutStore::load(store, cheque, 1, m_locale), LayoutModel::defaults(cheque));
        QCOMPARE(promissoryForm().layoutKeys().size(), 45);
    }

    // A value that is no number, or far off the face, takes that field's designed place; the rest of
    // the section and the other models stay as stored.
    void damagedSection_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("not a number") << "abc";
        QTest::newRow("far off the face") << "99999";
        QTest::newRow("empty") << "";
    }
    void damagedSection() {
        QFETCH(QString, stored);
        SettingsStore store(ini(QStringLiteral("damaged")));
        const FormSpec& note = promissoryForm();
        LayoutModel moved = LayoutModel::defaults(note);
        for (FieldPlace& p : moved.places)
            p.left += 5;
        LayoutStore::save(store, note, 1, QStringLiteral("A"), moved);
        LayoutStore::save(store, note, 2, QStringLiteral("B"), moved);
        store.write(QStringLiteral("Promissoria"), QStringLiteral("txtNumeroL"), stored);
        const LayoutModel loaded = LayoutStore::load(store, note, 1, m_locale);
        const int number = note.indexOf(QStringLiteral("txtNumero"));
        for (int i = 0; i < note.fields.size(); ++i)
            QCOMPARE(loaded.places[i].left, i == number ? note.fields[i].left : moved.places[i].left);
        QCOMPARE(LayoutStore::load(store, note, 2, m_locale), moved);
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("problem"); // -1 none
        QTest::newRow("fine") << "ITAU" << -1;
        QTest::newRow("blank") << "   " << int(LayoutStore::NameProblem::Empty);
        QTest::newRow("too long") << QString(31, QLatin1Char('X')) << int(LayoutStore::NameProblem::TooLong);
    }
    void names() {
        QFETCH(QString, name);
        QTEST(int(LayoutStore::checkName(name).value_or(LayoutStore::NameProblem(-1))), "problem");
    }

    void backupAndRestore() {
        SettingsStore fresh(ini(QStringLiteral("fresh")));
        const QString text =
            LayoutStore::backupText(fresh, chequeForm(), QStringLiteral("6000"), QStringLiteral("9900"));
        QVERIFY(text.startsWith(
            QStringLiteral("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tabulora\\Cheque]\r\n"
                           "\"Height\"=\"6000\"\r\n\"Width\"=\"9900\"\r\n\"Banco\"=\"Modelo 1\"\r\n"
                           "\"lblValorT\"=\"10\"\r\n\"lblValorL\"=\"454\"\r\n")));
        QCOMPARE(text.count(QStringLiteral("[HKEY_CURRENT_USER")), 9);
        QVERIFY(text.contains(QStringLiteral("\\Cheque8]\r\n")) &&
                text.contains(QStringLiteral("\"Banco\"=\"Modelo 9\"")));
        QVERIFY(!text.contains(QStringLiteral("Reserva")) && !text.contains(QStringLiteral("W\"=")));

        SettingsStore office(ini(QStringLiteral("office")));
        LayoutModel layout = LayoutModel::defaults(chequeForm());
        layout.places[1].top = 120;
        LayoutStore::save(office, chequeForm(), 5, QStringLiteral("BANCO \"X\""), layout);
        SettingsStore other(ini(QStringLiteral("other")));
        QCOMPARE(
            LayoutStore::restoreBackup(other, chequeForm(),
                                       LayoutStore::backupText(office, chequeForm(), QString(), QString())),
            9);
        QCOMPARE(LayoutStore::name(other, chequeForm(), 5), QStringLiteral("BANCO \"X\""));
        QCOMPARE(LayoutStore::load(other, chequeForm(), 5, m_locale).places[1].top, 120);
        QCOMPARE(LayoutStore::restoreBackup(other, promissoryForm(), text), 0);
        QCOMPARE(LayoutStore::restoreBackup(other, chequeForm(), QStringLiteral("no backup at all")), 0);
    }

    void noteNumber_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("next") << "00041"
                              << "00042";
        QTest::newRow("never printed") << ""
                                       << "";
        QTest::newRow("not a number") << "A-12"
                                      << "A-12";
        QTest::newRow("past five digits") << "99999"
                                          << "100000";
    }
    void noteNumber() {
        QFETCH(QString, stored);
        QTEST(PromissoryTexts::nextNumber(stored), "proposed");
    }

    void dueDate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("inFigures");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("words"); // without the filler
        QTest::newRow("first day") << "01/03/2027" << false << "01 março 2027"
                                   << QString::fromUtf8(
                                          "PRIMEIRO DIA DO MÊS DE MARÇO DO ANO DE DOIS MIL E VINTE E SETE ");
        QTest::newRow("fifteenth") << "15/01/2027" << false << "15 janeiro 2027"
                                   << QString::fromUtf8(
                                          "QUINZE DIAS DO MÊS DE JANEIRO DO ANO DE DOIS MIL E VINTE E SETE ");
        QTest::newRow("figures") << "15/01/2027" << true << "15 01 27" << QString();
        QTest::newRow("short year") << "5/1/28" << true << "05 01 28" << QString();
    }
    void dueDate() {
        QFETCH(QString, typed);
        QFETCH(bool, inFigures);
        QFETCH(QString, words);
        const auto due = DocumentStart::parseDate(typed, QStringLiteral("dd/mm/yyyy"));
        QVERIFY(due);
        const DateFields f = PromissoryTexts::dueDate(*due, m_locale, inFigures);
        QTEST(QStringList({f.day, f.month, f.year}).join(QLatin1Char(' ')), "fields");
        if (!words.isEmpty())
            QCOMPARE(PromissoryTexts::dueDateInWords(due->date, m_locale), words + PromissoryTexts::filler());
        QCOMPARE(PromissoryTexts::filler().size(), 45);
    }

    void parseDate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QDate>("date"); // invalid: refused
        QTest::newRow("day first") << "05/01/2027"
                                   << "dd/mm/yyyy" << QDate(2027, 1, 5);
        QTest::newRow("month first") << "01/05/2027"
                                     << "mm/dd/yyyy" << QDate(2027, 1, 5);
        QTest::newRow("dashes") << "5-1-2027"
                                << "dd/mm/yyyy" << QDate(2027, 1, 5);
        QTest::newRow("no such day") << "31/02/2027"
                                     << "dd/mm/yyyy" << QDate();
        QTest::newRow("words") << "amanhã"
                               << "dd/mm/yyyy" << QDate();
    }
    void parseDate() {
        QFETCH(QString, typed);
        QFETCH(QString, pattern);
        QFETCH(QDate, date);
        const auto due = DocumentStart::parseDate(typed, pattern);
        QCOMPARE(due ? due->date : QDate(), date);
    }

    void payees() {
        const QString path = PayeeList::path(m_dir.path() + QLatin1Char('/'));
        for (const char* payee : {"JOAO", "MARIA", "JOAO", ""})
            QVERIFY(PayeeList::add(path, QString::fromUtf8(payee)).ok());
        QCOMPARE(PayeeList::read(path), QStringList({"JOAO", "MARIA"}));
        QCOMPARE(PayeeList::match(PayeeList::read(path), QStringLiteral("ma")), 1);
        QCOMPARE(PayeeList::match(PayeeList::read(path), QStringLiteral("x")), -1);
    }

    void printDevice_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the default") << ""
                                     << "Office";
        QTest::newRow("the forms' printer") << "Forms"
                                            << "Forms";
        QTest::newRow("gone") << "Old"
                              << "Office";
    }
    void printDevice() {
        QFETCH(QString, stored);
        const QList<PrinterDevice> installed = {{"Forms", "Room 2", false}, {"Office", "Hall", true}};
        QTEST(PrintDevice::choose(stored, installed), "chosen");
        QCOMPARE(PrintDevice::choose(stored, {}), QString());
    }
};

QTEST_GUILESS_MAIN(TestFormLayout)
#include "tst_formlayout.moc"
