#pragma once
// The user manual in a window of the program itself, so that it reads on any machine; a button
// still hands it to the desktop's browser for those who prefer it.

#include <QWidget>

class Desktop;
class Dialogs;
class QTextBrowser;

class frmManual : public QWidget {
    Q_OBJECT
  public:
    frmManual(Dialogs& dialogs, Desktop& desktop, QString dataDir, int language, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

  private:
    Dialogs& m_dialogs;
    Desktop& m_desktop;
    QString m_dataDir;
    int m_language;
    QTextBrowser* m_browser;
};
