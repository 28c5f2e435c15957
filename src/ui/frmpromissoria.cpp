#include "ui/frmpromissoria.h"

#include "documents/amountinwords.h"
#include "documents/documenttexts.h"
#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"
#include "shell/calculatorcontroller.h"

#include <QDir>
#include <QImageReader>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

// The texts the note keeps from one printing to the next, by field and settings key.
const struct {
    const char* field;
    const char* key;
} KeptTexts[] = {{"txtPagarei", "Pagarei"},  {"txtCredor", "Credor"},     {"txtCredor2", "Credor2"},
                 {"txtCidade", "Cidade"},    {"txtEmitente", "Emitente"}, {"txtEmitente2", "Emitente2"},
                 {"txtEndereço", "Endereço"}};

} // namespace

frmPromissoria::frmPromissoria(CalculatorController& controller, const DocumentStart::Amount& amount,
                               const DocumentStart::DueDate& due, QWidget* parent)
    : DocumentWindow(controller, promissoryForm(), QString::fromUtf8(" Imprimir Nota Promissória"), parent),
      m_due(due) {
    setObjectName(QStringLiteral("frmPromissoria"));
    DocumentFace* f = face();
    const QString picture = backgroundImagePath(context().facts.dataDir);
    // A picture that cannot be read leaves the plain face.
    if (!picture.isEmpty()) f->setBackground(QImageReader(picture).read());

    f->setText("txtNumero", PromissoryTexts::nextNumber(read("Numero", f->text("txtNumero"))));
    for (const auto& kept : KeptTexts)
        f->setText(kept.field, read(kept.key, f->text(kept.field)));
    const QLocale& locale = context().facts.locale;
    const DateFields date = PromissoryTexts::dueDate(
        due, locale, PromissoryTexts::inFigures(read("TipoMês", QStringLiteral("3")).toInt()));
    f->setText("txtDia", date.day);
    f->setText("txtMês", date.month);
    f->setText("txtAno", date.year);
    f->setText("txtAosDias", PromissoryTexts::dueDateInWords(due.date, locale));
    f->setText("txtValor", amount.figures);
    const auto [line1, line2] = AmountInWords::splitOverTwoLines(amount.words, 63);
    f->setText("txtExtenso1", line1);
    f->setText("txtExtenso2", line2);
    for (const char* name : {"txtDia", "txtMês", "txtAno"})
        f->field(name)->installEventFilter(this);

    selectModel(1);
    f->field("txtNumero")->setFocus();
}

QString frmPromissoria::helpText() const {
    const QString blank = QStringLiteral("\r\n\r\n");
    return (context().messages ? context().messages->text(999) : QString()) + blank +
           QString::fromUtf8(
               "- Para mudar a data de vencimento entre extenso e númerico, dê clique duplo sobre o "
               "dia, mês ou ano.") +
           blank + QStringLiteral("NOVIDADE:") + blank +
           QString::fromUtf8(
               "- Se desejar imprimir a promissória com uma imagem de fundo, basta salvar uma imagem "
               "qualquer com o nome de IMAGEM.bmp (formato bitmap do Windows) dentro da seguinte pasta:") +
           blank + QDir::toNativeSeparators(context().facts.dataDir);
}

void frmPromissoria::toggleDueDate() {
    DocumentFace* f = face();
    LayoutEditor& editor = f->editor();
    const FormSpec& form = f->form();
    const int month = form.indexOf(QString::fromUtf8("txtMês")),
              year = form.indexOf(QStringLiteral("txtAno"));
    const bool toWords = PromissoryTexts::inFigures(int(f->text("txtMês").size()));
    const DateFields date = PromissoryTexts::dueDate(m_due, context().facts.locale, !toWords);
    f->setText("txtMês", date.month);
    f->setText("txtAno", date.year);
    // The widths belong to the layout: the month's name needs room, figures take the day's width.
    const int dayWidth = editor.layout().places[form.indexOf(QStringLiteral("txtDia"))].width;
    editor.setWidth(month, toWords ? form.fields[month].width : dayWidth);
    editor.setWidth(year, toWords ? form.fields[year].width : dayWidth);
    f->applyLayout();
    markLayoutEdited();
}

bool frmPromissoria::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && !face()->editor().adjusting() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        toggleDueDate();
        return true;
    }
    return DocumentWindow::eventFilter(watched, event);
}

void frmPromissoria::showEvent(QShowEvent* event) {
    DocumentWindow::showEvent(event);
    const QScreen* s = screen();
    if (s && PromissoryTexts::screenTooNarrow(s->geometry().width()))
        QTimer::singleShot(0, this, [this] { message(947, int(Dialogs::Icon::Exclamation)); });
}

void frmPromissoria::beforeOutput() {
    toCapitals({"txtCredor", "txtCidade", "txtEmitente", "txtEndereço"});
    write("Numero", face()->text("txtNumero"));
    for (const auto& kept : KeptTexts)
        write(kept.key, face()->text(kept.field));
}

void frmPromissoria::closing() {
    write("TipoMês", QString::number(face()->text("txtMês").size()));
}
