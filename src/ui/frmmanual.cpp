#include "ui/frmmanual.h"

#include "i18n/messagecatalog.h"
#include "shell/helptips.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

frmManual::frmManual(Dialogs& dialogs, Desktop& desktop, QString dataDir, int language, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs), m_desktop(desktop), m_dataDir(std::move(dataDir)),
      m_language(language), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmManual"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MessageCatalog::message(250, language));
    m_browser->setObjectName(QStringLiteral("txtManual"));
    m_browser->setOpenLinks(true);
    m_browser->setSource(QUrl(ManualPage));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* browserButton =
        buttons->addButton(MessageCatalog::message(251, language), QDialogButtonBox::ActionRole);
    browserButton->setObjectName(QStringLiteral("cmdNavegador"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdFechar"));
    connect(browserButton, &QPushButton::clicked, this,
            [this] { openManualInBrowser(m_dialogs, m_desktop, m_dataDir, m_language, windowTitle()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(720, 600);
    m_browser->setFocus();
}
