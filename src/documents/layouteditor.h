#pragma once
// Lining a form's fields up with the mouse, without any window: the face hands in where the mouse
// is (in layout pixels) and whether its left button is down; the editor moves, selects and resizes
// the fields and says which cursor to show and what the position read-out says.
//
// In the adjust mode a drag on a field moves it (or, when it is selected, every selected field); a
// drag on the bare face draws the selection rectangle, and the fields it touches are selected. The
// right edge of a field resizes it, in the adjust mode or not. Fields of one row (the cheque's place
// and date, the note's due date, the creditor and its tax number) keep one top.

#include "documents/formlayout.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

class LayoutEditor {
  public:
    enum class Cursor { Normal, Move, Resize };
    // The right edge is this many pixels wide, so a hand need not find one exact column.
    static constexpr int ResizeGrip = 3;

    explicit LayoutEditor(const FormSpec& form);

    const FormSpec& form() const { return m_form; }
    const LayoutModel& layout() const { return m_layout; }
    // A model just loaded: nothing selected, nothing to save.
    void setLayout(const LayoutModel& layout);
    void setFourDigitYear(bool on);
    // A width the form itself chooses (the note's due date in figures or in words).
    void setWidth(int index, int width);
    QRect rect(int index) const { return m_layout.rect(m_form, index); }

    bool adjusting() const { return m_adjusting; }
    // Leaving the adjust mode unselects every field.
    void setAdjusting(bool on);
    bool isSelected(int index) const { return m_selected.at(index); }
    // The layout differs from the model as stored.
    bool changed() const { return m_changed; }
    void setChanged(bool on) { m_changed = on; }

    // The field under a point of the face, or -1.
    int fieldAt(const QPoint& at) const;

    // The left button went down at `at`: true when the editor takes the press (a drag, a resize or
    // the selection rectangle starts), false when the field should have it (typing, the caret).
    bool press(const QPoint& at);
    // The mouse is at `at`, with the left button held or not.
    void move(const QPoint& at, bool leftHeld);
    void release();
    bool dragging() const { return m_drag != Drag::None; }

    Cursor cursor() const { return m_cursor; }
    // " Posição:  018 / 086" over a field in the adjust mode; "" elsewhere.
    QString readout() const { return m_readout; }
    // The selection rectangle while it is drawn.
    std::optional<QRect> band() const { return m_band; }

  private:
    enum class Drag { None, One, Group, Band, Resize };
    void moveFields(const QList<int>& fields, const QPoint& by);
    bool onRightEdge(int index, const QPoint& at) const;

    const FormSpec& m_form;
    LayoutModel m_layout;
    QList<bool> m_selected;
    bool m_adjusting = false;
    bool m_changed = false;
    Drag m_drag = Drag::None;
    int m_dragField = -1;
    int m_resizeField = -1; // the field whose right edge the mouse is on
    QPoint m_last;
    QPoint m_bandStart;
    std::optional<QRect> m_band;
    Cursor m_cursor = Cursor::Normal;
    QString m_readout;
};
