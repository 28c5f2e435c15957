#pragma once
// Facts that the whole program shares for its run, set once at start by the tray window.

#include <QChar>
#include <QString>

struct Program {
    QString CaminhoApp;     // the data folder, with its trailing separator
    QString NomeExe;        // the executable's file name
    QString FormatoData = QStringLiteral("dd/mm/yyyy");
    QChar SepDecimal = QLatin1Char(',');
    QChar SepMilhar = QLatin1Char('.');
    QString instanceTag = QStringLiteral("1"); // "2" in the auxiliary calculator's process
    QString LinhaComando;   // the command word
    bool Encerrando = false; // the program is ending: windows ignore their events
};

// The one set of program-wide facts.
Program& program();
