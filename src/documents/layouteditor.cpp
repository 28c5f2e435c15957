#include "documents/layouteditor.h"

LayoutEditor::LayoutEditor(const FormSpec& form)
    : m_form(form), m_layout(LayoutModel::defaults(form)), m_selected(form.fields.size(), false) {}

void LayoutEditor::setLayout(const LayoutModel& layout) {
    m_layout = layout;
    m_selected.fill(false);
    m_changed = false;
    m_drag = Drag::None;
    m_band.reset();
}

void LayoutEditor::setFourDigitYear(bool on) {
    m_layout.fourDigitYear = on;
    m_changed = true;
}

void LayoutEditor::setWidth(int index, int width) {
    m_layout.places[index].width = qMax(1, width);
    m_changed = true;
}

void LayoutEditor::setAdjusting(bool on) {
    m_adjusting = on;
    if (!on) {
        m_selected.fill(false);
        m_readout.clear();
        m_band.reset();
    }
}

int LayoutEditor::fieldAt(const QPoint& at) const {
    // The last field is drawn over the others.
    for (int i = int(m_form.fields.size()) - 1; i >= 0; --i)
        if (rect(i).contains(at)) return i;
    return -1;
}

bool LayoutEditor::onRightEdge(int index, const QPoint& at) const {
    const QRect r = rect(index);
    return r.contains(at) && at.x() > r.right() - ResizeGrip;
}

bool LayoutEditor::press(const QPoint& at) {
    m_last = at;
    if (m_resizeField >= 0 && onRightEdge(m_resizeField, at)) {
        m_drag = Drag::Resize;
        m_dragField = m_resizeField;
        return true;
    }
    if (!m_adjusting) return false;
    const int field = fieldAt(at);
    if (field >= 0) {
        m_drag = m_selected.at(field) ? Drag::Group : Drag::One;
        m_dragField = field;
        return true;
    }
    m_selected.fill(false);
    m_drag = Drag::Band;
    m_bandStart = at;
    m_band = QRect(at, at);
    return true;
}

void LayoutEditor::move(const QPoint& at, bool leftHeld) {
    const QPoint by = at - m_last;
    m_last = at;
    if (!leftHeld && m_drag != Drag::None) release();
    switch (m_drag) {
    case Drag::Resize: {
        FieldPlace& p = m_layout.places[m_dragField];
        const int width = qMax(1, p.width + by.x());
        m_changed = m_changed || width != p.width;
        p.width = width;
        m_cursor = Cursor::Resize;
        return;
    }
    case Drag::One:
        moveFields({m_dragField}, by);
        break;
    case Drag::Group: {
        QList<int> selected;
        for (int i = 0; i < m_selected.size(); ++i)
            if (m_selected[i]) selected << i;
        moveFields(selected, by);
        break;
    }
    case Drag::Band: {
        m_band = QRect(m_bandStart, at).normalized();
        for (int i = 0; i < m_selected.size(); ++i)
            m_selected[i] = rect(i).intersects(*m_band);
        return;
    }
    case Drag::None: {
        const int field = fieldAt(at);
        if (field >= 0 && onRightEdge(field, at)) {
            m_resizeField = field;
            m_cursor = Cursor::Resize;
        } else {
            if (field >= 0 && !leftHeld) m_resizeField = -1;
            if (field < 0) m_resizeField = -1;
            m_cursor = m_adjusting && field >= 0 ? Cursor::Move : Cursor::Normal;
        }
        break;
    }
    }
    const int field = m_drag == Drag::None ? fieldAt(at) : m_dragField;
    if (!m_adjusting || field < 0) {
        m_readout.clear();
        return;
    }
    const FieldPlace& p = m_layout.places[field];
    m_readout = QStringLiteral(" Posição:  %1 / %2")
                    .arg(p.left, 3, 10, QLatin1Char('0'))
                    .arg(p.top, 3, 10, QLatin1Char('0'));
}

void LayoutEditor::release() {
    m_drag = Drag::None;
    m_dragField = -1;
    m_band.reset();
}

void LayoutEditor::moveFields(const QList<int>& fields, const QPoint& by) {
    if (by.isNull() || fields.isEmpty()) return;
    for (int i : fields) {
        m_layout.places[i].left += by.x();
        m_layout.places[i].top += by.y();
    }
    // A row keeps one top: the others take the top of the field that moved.
    for (int i : fields)
        for (int other : m_form.rowOf(i))
            m_layout.places[other].top = m_layout.places[i].top;
    m_changed = true;
}
