#include "ui/frmpeso.h"

#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"
#include "shell/calculatorcontroller.h"
#include "ui/toolfields.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The gauge is laid out in twips; on the screen ten of them make a pixel, and the arrow's leftmost
// place (-90) still falls inside the widget.
constexpr int TwipsPerPixel = 10;
constexpr int GaugeOrigin = 12;
constexpr int ArrowWidth = 300;
constexpr int ArrowMaxRight = IdealWeight::ArrowMax + ArrowWidth;
constexpr int ScaleTop = 24;
constexpr int ScaleHeight = 20;

int px(int twips) {
    return GaugeOrigin + twips / TwipsPerPixel;
}

QLabel* scaleLabel(QWidget* gauge, const char* name, const char* colour) {
    auto* label = new QLabel(gauge);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: black; font-size: 8pt; }").arg(colour));
    return label;
}

QPixmap arrowPicture() {
    QPixmap picture(ArrowWidth / TwipsPerPixel, ScaleTop - 2);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xC0, 0x00, 0x00));
    p.setPen(Qt::NoPen);
    const qreal w = picture.width(), h = picture.height();
    p.drawPolygon(QPolygonF{{w * 0.3, 0},
                            {w * 0.7, 0},
                            {w * 0.7, h * 0.45},
                            {w, h * 0.45},
                            {w / 2, h},
                            {0, h * 0.45},
                            {w * 0.3, h * 0.45}});
    return picture;
}

} // namespace

frmPeso::frmPeso(CalculatorController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), m_controller(controller), m_seps(controller.engine().separators()),
      m_language(controller.language()) {
    const bool portuguese = m_language == Language::Portuguese;
    setObjectName(QStringLiteral("frmPeso"));
    setWindowTitle(say(" IMC - Cálculo do peso ideal", " Ideal Weight"));

    m_height = new QLineEdit(this);
    m_height->setObjectName(QStringLiteral("txtAltura"));
    m_weight = new QLineEdit(this);
    m_weight->setObjectName(QStringLiteral("txtPeso"));
    for (QLineEdit* field : {m_height, m_weight}) {
        makeNumberField(field, m_seps.decimal, false);
        selectAllOnFocus(field);
        field->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000,000")) + 12);
        field->setAlignment(Qt::AlignRight);
    }
    auto* heightLabel = new QLabel(say("&Altura (m)", "&Height (m)"), this);
    heightLabel->setBuddy(m_height);
    auto* weightLabel = new QLabel(say("&Peso Atual (Kg)", "W&eight (Kg)"), this);
    weightLabel->setBuddy(m_weight);

    m_man = new QRadioButton(say("&Homem", "&Man"), this);
    m_man->setObjectName(QStringLiteral("Option1"));
    m_man->setChecked(true);
    m_woman = new QRadioButton(say("&Mulher", "&Woman"), this);
    m_woman->setObjectName(QStringLiteral("Option2"));
    m_calculate = new QPushButton(say("&Calcular", "&Calculate"), this);
    m_calculate->setObjectName(QStringLiteral("cmdHomem"));
    m_calculate->setAutoDefault(true);

    m_frame = new QGroupBox(say("Resultado", "Result"), this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    auto* limits = new QFormLayout;
    const char* limitNames[5] = {"txtMagro", "txtIdeal", "txtSobrepeso", "txtGordo", "txtObeso"};
    const QString limitCaptions[5] = {say("Magro <", "Thin <"), say("Média =", "Medium ="),
                                      say("Sobrepeso >", "Overweight >"), say("Gordo >", "Fat >"),
                                      say("Obeso >", "Obese >")};
    for (int i = 0; i < 5; ++i) {
        m_limits[i] = new QLineEdit(m_frame);
        m_limits[i]->setObjectName(QLatin1String(limitNames[i]));
        m_limits[i]->setReadOnly(true);
        m_limits[i]->setFocusPolicy(Qt::ClickFocus);
        m_limits[i]->setAlignment(Qt::AlignRight);
        m_limits[i]->setFixedWidth(m_height->width());
        limits->addRow(limitCaptions[i], m_limits[i]);
    }
    m_result = new ActionLabel(m_frame);
    m_result->setObjectName(QStringLiteral("lblResultado"));
    m_result->setAlignment(Qt::AlignCenter);
    QFont bold = m_result->font();
    bold.setBold(true);
    m_result->setFont(bold);
    // Room for the longest advice, so the window keeps its size whatever it says.
    const QFontMetrics boldMetrics(bold);
    int adviceWidth = 0;
    for (const char* line : {"Você está dentro do peso normal", "para ficar no peso normal",
                             "You are in your NORMAL Weight", "to enter in normal weight"})
        adviceWidth = std::max(adviceWidth, boldMetrics.horizontalAdvance(QString::fromUtf8(line)));
    m_result->setFixedSize(adviceWidth + 24, boldMetrics.lineSpacing() * 4);
    auto* frameLayout = new QHBoxLayout(m_frame);
    frameLayout->addLayout(limits);
    frameLayout->addWidget(m_result);

    // The gauge: the scale's bands, their ticks, and the arrow above them.
    m_gauge = new QWidget(this);
    m_gauge->setObjectName(QStringLiteral("Medidor"));
    m_gauge->setFixedSize(px(ArrowMaxRight) + GaugeOrigin, ScaleTop + ScaleHeight + 2);
    m_scale = scaleLabel(m_gauge, "lblMedidor", "#8fd18f");
    m_scale->setGeometry(px(0), ScaleTop, px(3420) - px(0), ScaleHeight);
    m_scaleMin = scaleLabel(m_gauge, "lblMin", "#9cc3ec");
    m_scaleMin->setText(say("| Magro | | | | | | | | | | | | |", "| Thin | | | | | | | | | |"));
    m_scaleMax = scaleLabel(m_gauge, "lblMax", "#ee9a8a");
    m_scaleMax->setText(say("| | | | | | Obeso |", "| | | | | | Obese |"));
    m_scaleMax->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The ticks lie over the ends of the bands they mark.
    m_tick1 = scaleLabel(m_gauge, "lblTol1", "#c9e4a6");
    m_tick2 = scaleLabel(m_gauge, "lblTol2", "#f2d27a");
    m_arrow = new QLabel(m_gauge);
    m_arrow->setObjectName(QStringLiteral("imgSeta"));
    m_arrow->setPixmap(arrowPicture());
    m_arrow->setFixedSize(m_arrow->pixmap().size());
    m_arrow->hide();

    auto* tables = new ActionLabel(this);
    tables->setObjectName(QStringLiteral("lbl8"));
    tables->setText(QStringLiteral("<u>Fonte: tabelas OMS e NHANES II</u>"));
    tables->setVisible(portuguese);
    if (portuguese) {
        tables->setAction([this] {
            m_controller.context().dialogs->message(IdealWeight::bandTables(), windowTitle(),
                                                    Dialogs::Icon::Information);
        });
        m_result->setAction([this] {
            const WeightCalculation none;
            m_controller.context().dialogs->message(
                IdealWeight::mediumAdvice(m_result->text().isEmpty() ? none : m_calculation, m_seps),
                windowTitle(), Dialogs::Icon::Information);
        });
    }

    auto* fields = new QGridLayout;
    fields->addWidget(heightLabel, 0, 0);
    fields->addWidget(m_height, 0, 1);
    fields->addWidget(weightLabel, 0, 2);
    fields->addWidget(m_weight, 0, 3);
    fields->addWidget(m_man, 1, 0);
    fields->addWidget(m_woman, 1, 1);
    fields->addWidget(m_calculate, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_frame);
    layout->addWidget(m_gauge, 0, Qt::AlignHCenter);
    layout->addWidget(tables);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_height, m_weight);
    setTabOrder(m_weight, m_man);
    setTabOrder(m_man, m_woman);
    setTabOrder(m_woman, m_calculate);
    setTabOrder(m_calculate, m_result);
    setTabOrder(m_result, tables);

    connect(m_calculate, &QPushButton::clicked, this, &frmPeso::calculate);
    connect(m_man, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseSex();
    });
    connect(m_woman, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseSex();
    });
    connect(m_weight, &QLineEdit::textChanged, m_result, &QLabel::clear);
    placeGauge();
    m_height->setFocus();
}

QString frmPeso::say(const char* portuguese, const char* english) const {
    return QString::fromUtf8(m_language == Language::Portuguese ? portuguese : english);
}

Sex frmPeso::sex() const {
    return m_woman->isChecked() ? Sex::Woman : Sex::Man;
}

void frmPeso::calculate() {
    const WeightCalculation c = IdealWeight::calculate(m_height->text(), m_weight->text(), sex(), m_seps);
    if (c.heightText != m_height->text()) m_height->setText(c.heightText);
    switch (c.outcome) {
    case WeightCalculation::Outcome::NotANumber:
        return;
    case WeightCalculation::Outcome::HeightRefused:
    case WeightCalculation::Outcome::WeightRefused: {
        QLineEdit* field = c.outcome == WeightCalculation::Outcome::HeightRefused ? m_height : m_weight;
        m_controller.context().dialogs->message(IdealWeight::refusal(c.outcome, m_language), windowTitle(),
                                                Dialogs::Icon::Information);
        field->setFocus();
        return;
    }
    case WeightCalculation::Outcome::Done:
        break;
    }
    m_calculation = c;
    m_frame->setTitle(IdealWeight::verdict(c, m_language));
    static const NumberPattern money(QStringLiteral("#,##0.00"));
    for (int i = 0; i < 5; ++i)
        m_limits[i]->setText(money.format(c.limits.kg[i], m_seps));
    m_arrow->move(px(c.arrowLeft), 0);
    m_arrow->show();
    m_result->setText(IdealWeight::advice(c, m_seps, m_language));
}

// The scale follows the sex's bands, and a calculation already made is made again for it.
void frmPeso::chooseSex() {
    placeGauge();
    const bool numbers = IdealWeight::holdsNumber(m_height->text(), m_seps) &&
                         IdealWeight::holdsNumber(m_weight->text(), m_seps);
    if (numbers) calculate();
}

void frmPeso::placeGauge() {
    const GaugeGeometry g = IdealWeight::gauge(sex());
    m_scaleMin->setGeometry(px(0), ScaleTop, g.minWidth / TwipsPerPixel, ScaleHeight);
    m_tick1->setGeometry(px(g.tol1Left), ScaleTop, px(g.minWidth) - px(g.tol1Left), ScaleHeight);
    m_tick2->setGeometry(px(g.tol2Left), ScaleTop, g.tol2Width / TwipsPerPixel, ScaleHeight);
    m_scaleMax->setGeometry(px(g.maxLeft), ScaleTop, g.maxWidth / TwipsPerPixel, ScaleHeight);
}

void frmPeso::keyPressEvent(QKeyEvent* event) {
    if (!moveOnEnterCloseOnEsc(this, event)) QWidget::keyPressEvent(event);
}

// A calculation whose advice is still shown goes on the tape.
void frmPeso::closeEvent(QCloseEvent* event) {
    if (!m_result->text().isEmpty()) {
        m_controller.engine().writeReport(IdealWeight::report(m_calculation, m_seps, m_language),
                                          IdealWeight::reportEntry(m_calculation, m_seps));
        m_result->clear();
    }
    QWidget::closeEvent(event);
}
