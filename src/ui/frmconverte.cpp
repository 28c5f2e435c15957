#include "ui/frmconverte.h"

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "shell/calculatorcontroller.h"
#include "ui/toolfields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

frmConverte::frmConverte(CalculatorController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), m_controller(controller), m_table(UnitTable::shipped()),
      m_seps(controller.engine().separators()) {
    setObjectName(QStringLiteral("frmConverte"));
    setWindowTitle(text(" Converter Pesos e Medidas"));

    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("txtValor1"));
    makeNumberField(m_value, m_seps.decimal, true);
    selectAllOnFocus(m_value);
    auto* valueLabel = new QLabel(text("&Valor a ser convertido:"), this);
    valueLabel->setBuddy(m_value);

    m_units = new QListWidget(this);
    m_units->setObjectName(QStringLiteral("lstTipo"));
    m_units->viewport()->setCursor(Qt::PointingHandCursor);
    int widest = 0;
    for (int i = 0; i < m_table.units().size(); ++i) {
        const QString& name = m_table.units().at(i).name;
        auto* item = new QListWidgetItem(name, m_units);
        item->setData(Qt::UserRole, i);
        widest = std::max(widest, m_units->fontMetrics().horizontalAdvance(name));
    }
    m_units->setFixedSize(widest + 40, m_units->sizeHintForRow(0) * 14 + 2 * m_units->frameWidth());
    m_units->installEventFilter(this);
    auto* unitsLabel = new QLabel(text("Dados de &Origem:"), this);
    unitsLabel->setBuddy(m_units);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtProcura"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(text("nome da unidade"));
    m_search->installEventFilter(this);
    auto* searchLabel = new QLabel(text("&Procurar:"), this);
    searchLabel->setBuddy(m_search);

    m_resultFrame = new QGroupBox(text("&Resultado: (=)"), this);
    m_resultFrame->setObjectName(QStringLiteral("fraResultado"));
    auto* grid = new QGridLayout(m_resultFrame);
    int widestResult = 0;
    for (const SourceUnit& u : m_table.units())
        for (const Conversion& c : u.results)
            widestResult = std::max(widestResult, fontMetrics().horizontalAdvance(c.unit));
    for (int i = 0; i < Rows; ++i) {
        m_resultUnit[i] = new QLabel(m_resultFrame);
        m_resultUnit[i]->setObjectName(QStringLiteral("lblResult(%1)").arg(i));
        m_resultUnit[i]->setFixedWidth(widestResult + 8);
        m_result[i] = new QLineEdit(m_resultFrame);
        m_result[i]->setObjectName(QStringLiteral("txtResult(%1)").arg(i));
        m_result[i]->setReadOnly(true);
        m_result[i]->setAlignment(Qt::AlignRight);
        m_result[i]->setMinimumWidth(
            fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000,0000000000")));
        m_result[i]->installEventFilter(this);
        selectAllOnFocus(m_result[i]);
        grid->addWidget(m_resultUnit[i], i, 0);
        grid->addWidget(m_result[i], i, 1);
    }
    auto* hint = new QLabel(text("Dê \"ENTER\" sobre o resultado para copia-lo com texto e número."), this);
    hint->setWordWrap(true);

    // Fixed widths: nothing moves as the texts change (a search field grows its clear button).
    const int column = m_units->width();
    m_value->setFixedWidth(column);
    m_search->setFixedWidth(column - searchLabel->sizeHint().width() - 6);
    hint->setFixedWidth(m_resultFrame->sizeHint().width());
    auto* left = new QVBoxLayout;
    left->addWidget(valueLabel);
    left->addWidget(m_value);
    left->addWidget(unitsLabel);
    left->addWidget(new QLabel(text("Selecione na lista abaixo"), this));
    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(6);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search);
    left->addLayout(searchRow);
    left->addWidget(m_units);
    auto* right = new QVBoxLayout;
    right->addStretch();
    right->addWidget(m_resultFrame);
    right->addWidget(hint);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_value, m_search);
    setTabOrder(m_search, m_units);
    setTabOrder(m_units, m_result[0]);
    for (int i = 1; i < Rows; ++i)
        setTabOrder(m_result[i - 1], m_result[i]);

    connect(m_value, &QLineEdit::textChanged, this, &frmConverte::convert);
    connect(m_value, &QLineEdit::editingFinished, this,
            [this] { m_value->setText(UnitConverter::reformat(m_value->text(), m_seps)); });
    connect(m_units, &QListWidget::currentRowChanged, this, &frmConverte::convert);
    connect(m_search, &QLineEdit::textChanged, this, &frmConverte::filterUnits);
    m_units->setCurrentRow(-1);
    m_value->setFocus();
}

const SourceUnit* frmConverte::selectedUnit() const {
    const QListWidgetItem* item = m_units->currentItem();
    if (!item || !item->isSelected() || item->isHidden()) return nullptr;
    return &m_table.units().at(item->data(Qt::UserRole).toInt());
}

void frmConverte::convert() {
    m_rows.clear();
    const SourceUnit* unit = selectedUnit();
    const auto value = UnitConverter::parseValue(m_value->text(), m_seps);
    if (unit && value) m_rows = UnitConverter::convert(*unit, *value, m_seps);
    for (int i = 0; i < Rows; ++i) {
        const bool filled = i < m_rows.size();
        m_resultUnit[i]->setText(filled ? m_rows.at(i).unit : QString());
        m_result[i]->setText(filled ? m_rows.at(i).value : QString());
        // The row stays empty, and says why.
        m_result[i]->setPlaceholderText(filled && m_rows.at(i).overflow ? text("grande demais") : QString());
    }
}

// The list shows the units whose name holds the search; the one selected stays while it is shown,
// and a single unit left is chosen at once.
void frmConverte::filterUnits(const QString& search) {
    const QList<int> shown = m_table.matching(search);
    for (int row = 0; row < m_units->count(); ++row)
        m_units->item(row)->setHidden(!shown.contains(m_units->item(row)->data(Qt::UserRole).toInt()));
    if (shown.size() == 1)
        m_units->setCurrentRow(shown.first());
    else if (m_units->currentItem() && m_units->currentItem()->isHidden())
        m_units->setCurrentRow(-1);
    convert();
}

void frmConverte::copyResult(int row) {
    const SourceUnit* unit = selectedUnit();
    const Context& context = m_controller.context();
    if (!unit || row >= m_rows.size() || m_rows.at(row).value.isEmpty() || !context.clipboard) return;
    const QString copied = UnitConverter::copyText(m_value->text(), unit->name, m_rows.at(row));
    context.clipboard->clear();
    context.clipboard->setText(copied);
    if (context.dialogs)
        context.dialogs->message(
            copied + QStringLiteral("\n\n") +
                text("Copiado para Área de Transferência do Windows (use Colar: Ctrl+V)"),
            windowTitle(), Dialogs::Icon::Information);
}

bool frmConverte::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_units && event->type() == QEvent::FocusIn && !selectedUnit()) {
        for (int row = 0; row < m_units->count(); ++row)
            if (!m_units->item(row)->isHidden()) {
                m_units->setCurrentRow(row);
                break;
            }
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == m_search && key == Qt::Key_Down) {
        m_units->setFocus();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    for (int i = 0; i < Rows; ++i)
        if (watched == m_result[i] && i < m_rows.size() && !m_rows.at(i).value.isEmpty()) {
            copyResult(i);
            return true;
        }
    return false;
}

void frmConverte::keyPressEvent(QKeyEvent* event) {
    if (!moveOnEnterCloseOnEsc(this, event)) QWidget::keyPressEvent(event);
}
