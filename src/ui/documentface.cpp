#include "ui/documentface.h"

#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace {

// A selected field is light cyan, the others white.
const QColor Selected(192, 255, 255);

QString textOf(const QWidget* w) {
    if (auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(w)) return box->toPlainText();
    return {};
}

} // namespace

DocumentFace::DocumentFace(const FormSpec& form, QWidget* parent)
    : QWidget(parent), m_form(form), m_editor(form) {
    setObjectName(QStringLiteral("picFace"));
    setFixedSize(form.face);
    setMouseTracking(true);
    for (const FieldSpec& spec : form.fields) {
        QWidget* w = nullptr;
        if (spec.height > 17) {
            auto* box = new QPlainTextEdit(this);
            box->setFrameShape(QFrame::NoFrame);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->document()->setDocumentMargin(FacePrinting::TextMargin);
            box->setTabChangesFocus(true);
            box->setPlainText(QString::fromUtf8(spec.designText));
            box->viewport()->setMouseTracking(true);
            box->viewport()->installEventFilter(this);
            w = box;
        } else {
            auto* line = new QLineEdit(QString::fromUtf8(spec.designText), this);
            line->setFrame(false);
            line->setAlignment(spec.alignment | Qt::AlignVCenter);
            line->setTextMargins(0, 0, 0, 0);
            w = line;
        }
        w->setObjectName(QString::fromUtf8(spec.name));
        w->setToolTip(QString::fromUtf8(spec.tooltip));
        w->setMouseTracking(true);
        w->setAutoFillBackground(true);
        w->installEventFilter(this);
        m_fields << w;
    }
    m_band = new QFrame(this);
    m_band->setObjectName(QStringLiteral("sh1"));
    m_band->setFrameShape(QFrame::Box);
    m_band->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_band->hide();
    setBold(false);
    applyLayout();
    showSelection();
}

QWidget* DocumentFace::field(const char* name) const {
    const int i = m_form.indexOf(QString::fromUtf8(name));
    return i < 0 ? nullptr : m_fields.at(i);
}

QString DocumentFace::text(const char* name) const {
    return textOf(field(name));
}

void DocumentFace::setText(const char* name, const QString& text) {
    QWidget* w = field(name);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setText(text);
        // Long texts (the words and their asterisks) show from their start.
        line->setCursorPosition(0);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        box->setPlainText(text);
    }
}

void DocumentFace::applyLayout() {
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setGeometry(m_editor.rect(i));
    emit placesChanged();
}

void DocumentFace::setBold(bool bold) {
    m_bold = bold;
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setFont(FacePrinting::fieldFont(bold && !m_form.fields[i].keepsFont));
}

void DocumentFace::setBackground(const QImage& image) {
    m_background = image;
    update();
}

FacePicture DocumentFace::picture() const {
    FacePicture face;
    face.size = m_form.face;
    face.background = m_background;
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldSpec& spec = m_form.fields[i];
        face.fields << FaceField{m_editor.rect(i), textOf(m_fields[i]), spec.alignment,
                                 m_bold && !spec.keepsFont, spec.height > 17};
    }
    return face;
}

void DocumentFace::showSelection() {
    for (int i = 0; i < m_fields.size(); ++i) {
        QPalette p = m_fields[i]->palette();
        p.setColor(QPalette::Base, m_editor.isSelected(i) ? Selected : QColor(Qt::white));
        p.setColor(QPalette::Window, m_editor.isSelected(i) ? Selected : QColor(Qt::white));
        p.setColor(QPalette::Text, Qt::black);
        m_fields[i]->setPalette(p);
    }
    if (const auto band = m_editor.band()) {
        m_band->setGeometry(*band);
        m_band->raise();
        m_band->show();
    } else {
        m_band->hide();
    }
}

bool DocumentFace::mouse(QEvent::Type type, const QPoint& at, Qt::MouseButton button,
                         Qt::MouseButtons buttons, QWidget* over) {
    const bool wasChanged = m_editor.changed();
    bool taken = false;
    switch (type) {
    case QEvent::MouseButtonPress:
        if (button != Qt::LeftButton) return m_editor.adjusting();
        taken = m_editor.press(at);
        break;
    case QEvent::MouseMove:
        taken = m_editor.dragging();
        m_editor.move(at, buttons & Qt::LeftButton);
        if (taken) applyLayout();
        break;
    case QEvent::MouseButtonRelease:
        taken = m_editor.dragging();
        m_editor.release();
        break;
    case QEvent::MouseButtonDblClick:
        // In the adjust mode a double click is two presses, not a word selection.
        taken = m_editor.adjusting() || m_editor.dragging();
        break;
    default:
        break;
    }
    showSelection();
    switch (m_editor.cursor()) {
    case LayoutEditor::Cursor::Move:
        over->setCursor(Qt::SizeAllCursor);
        break;
    case LayoutEditor::Cursor::Resize:
        over->setCursor(Qt::SizeHorCursor);
        break;
    case LayoutEditor::Cursor::Normal:
        over->unsetCursor();
        break;
    }
    if (m_editor.readout() != m_readout) {
        m_readout = m_editor.readout();
        emit readoutChanged(m_readout);
    }
    if (m_editor.changed() && !wasChanged) emit layoutEdited();
    return taken;
}

bool DocumentFace::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w) break;
        auto* e = static_cast<QMouseEvent*>(event);
        return mouse(event->type(), w->mapTo(this, e->position().toPoint()), e->button(), e->buttons(), w);
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentFace::mousePressEvent(QMouseEvent* event) {
    mouse(event->type(), event->position().toPoint(), event->button(), event->buttons(), this);
}

void DocumentFace::mouseMoveEvent(QMouseEvent* event) {
    mouse(event->type(), event->position().toPoint(), event->button(), event->buttons(), this);
}

void DocumentFace::mouseReleaseEvent(QMouseEvent* event) {
    mouse(event->type(), event->position().toPoint(), event->button(), event->buttons(), this);
}

void DocumentFace::paintEvent(QPaintEvent*) {
    if (m_background.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
}
