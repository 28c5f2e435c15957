#include "ui/keypad.h"

#include "shell/commandtable.h"
#include "ui/textcolour.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Where each button stands: row and column of the grid, or the operator column (row -1).
struct Cell {
    Button button;
    int row;
    int column;
};
// clang-format off
constexpr Cell kCells[] = {
    {Button::MemoryClear, 0, 0}, {Button::MemoryRecall, 0, 1}, {Button::MemorySubtract, 0, 2}, {Button::MemoryAdd, 0, 3},
    {Button::ClearEntry, 1, 0},  {Button::Back, 1, 1},         {Button::Percent, 1, 2},
    {Button::Digit7, 2, 0},      {Button::Digit8, 2, 1},       {Button::Digit9, 2, 2},
    {Button::Digit4, 3, 0},      {Button::Digit5, 3, 1},       {Button::Digit6, 3, 2},
    {Button::Digit1, 4, 0},      {Button::Digit2, 4, 1},       {Button::Digit3, 4, 2},
    {Button::Digit0, 5, 0},      {Button::Separator, 5, 1},    {Button::Sign, 5, 2},
    {Button::Divide, -1, 3},     {Button::Multiply, -1, 3},    {Button::Subtract, -1, 3},
    {Button::Add, -1, 3},        {Button::Equals, -1, 3},
};
// clang-format on

} // namespace

Keypad::Keypad(QWidget* parent)
    : QGroupBox(parent), m_operatorColumn(new QVBoxLayout), m_releaseTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("fraTeclado"));
    setMemory(QString());
    setTextColour(this, Qt::blue);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(3);
    // The operator column has a layout of its own, so that "+" can grow in Enter-adds mode while the
    // other operators shrink a little and all of them stay in sight.
    m_operatorColumn->setSpacing(grid->spacing());
    grid->addLayout(m_operatorColumn, 1, 3, 5, 1);
    for (const Cell& cell : kCells) {
        auto* b = new QToolButton(this);
        b->setObjectName(CommandTable::forButton(cell.button).objectName);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(52, 30);
        if (cell.row < 0) {
            // The rows of the other keys decide the column's height; the operators share it by stretch.
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
            b->setMinimumHeight(22);
            m_operatorColumn->addWidget(b, 1);
        } else {
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            grid->addWidget(b, cell.row, cell.column);
        }
        m_buttons.insert(int(cell.button), b);
        connect(b, &QToolButton::clicked, this, [this, button = cell.button] { emit clicked(button); });
    }
    for (Button b : {Button::Add, Button::Equals}) {
        QAbstractButton* w = button(b);
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { emit enterKeyMenuRequested(w->mapToGlobal(pos)); });
    }
    m_releaseTimer->setSingleShot(true);
    m_releaseTimer->setInterval(120);
    connect(m_releaseTimer, &QTimer::timeout, this, &Keypad::releaseAll);
}

void Keypad::setMemory(const QString& memory) {
    const QString caption = memory.isEmpty() ? QStringLiteral(" ") : memory;
    if (title() == caption) return;
    setTitle(caption);
    const bool negative = memory.contains(QLatin1Char('-'));
    if (negative != m_memoryNegative) {
        m_memoryNegative = negative;
        setTextColour(this, negative ? Qt::red : Qt::blue);
    }
}

void Keypad::showPressed(Button b) {
    if (QAbstractButton* w = button(b)) {
        w->setDown(true);
        if (!m_pressed.contains(w)) m_pressed.append(w);
        m_releaseTimer->start();
    }
}

void Keypad::releaseAll() {
    for (QAbstractButton* w : std::as_const(m_pressed))
        w->setDown(false);
    m_pressed.clear();
}

void Keypad::setEnterAddsLook(bool on) {
    QAbstractButton* plus = button(Button::Add);
    plus->setToolTip(on ? QStringLiteral(" Enter ") : QStringLiteral(" + "));
    button(Button::Equals)->setToolTip(on ? QStringLiteral(" NumLock ") : QStringLiteral(" Enter "));
    plus->setText(on ? QStringLiteral("EN\nTER") : QStringLiteral("+"));
    m_operatorColumn->setStretchFactor(plus, on ? 2 : 1);
}

void Keypad::setLarge(bool on) {
    QFont f = QApplication::font();
    // The large layout is the designed one; the normal one is smaller.
    if (!on) f.setPointSizeF(f.pointSizeF() * 0.85);
    setFont(f);
    const QSize least = on ? QSize(52, 30) : QSize(44, 26);
    for (QAbstractButton* b : std::as_const(m_buttons)) {
        const bool operatorKey = m_operatorColumn->indexOf(b) >= 0;
        b->setMinimumSize(least.width(), operatorKey ? least.height() * 22 / 30 : least.height());
    }
}

QList<QAbstractButton*> Keypad::operatorKeys() const {
    return {button(Button::Divide), button(Button::Multiply), button(Button::Subtract), button(Button::Add)};
}

void Keypad::setOperatorColours(const QColor& colour, const QColor& hover) {
    m_operatorColour = colour;
    m_operatorHover = hover;
    for (QAbstractButton* b : operatorKeys()) {
        b->removeEventFilter(this);
        b->installEventFilter(this);
        paintOperator(b, b->underMouse());
    }
}

void Keypad::paintOperator(QAbstractButton* b, bool hovered) {
    const QColor c = hovered ? m_operatorHover : m_operatorColour;
    if (!c.isValid()) return;
    QPalette p = b->palette();
    p.setColor(QPalette::Button, c);
    b->setPalette(p);
}

bool Keypad::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave)
        if (auto* b = qobject_cast<QAbstractButton*>(watched))
            paintOperator(b, event->type() == QEvent::Enter);
    return QGroupBox::eventFilter(watched, event);
}
