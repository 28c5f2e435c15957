#pragma once
// The face of a printed form on screen: one text box per field at its layout place (one layout pixel
// to one screen pixel), the background picture under them, and the selection rectangle `sh1` of the
// adjust mode. The mouse goes to the LayoutEditor first; what it leaves to the fields (typing,
// placing the caret) the fields get.

#include "documents/layouteditor.h"
#include "ui/faceprinting.h"

#include <QEvent>
#include <QImage>
#include <QList>
#include <QWidget>

class QFrame;

class DocumentFace : public QWidget {
    Q_OBJECT
  public:
    DocumentFace(const FormSpec& form, QWidget* parent = nullptr);

    LayoutEditor& editor() { return m_editor; }
    const FormSpec& form() const { return m_form; }
    QWidget* field(int index) const { return m_fields.at(index); }
    QWidget* field(const char* name) const;
    QString text(const char* name) const;
    void setText(const char* name, const QString& text);

    // Places every field where the editor has it.
    void applyLayout();
    void setBold(bool bold);
    bool bold() const { return m_bold; }
    void setBackground(const QImage& image);
    // What goes on paper: the fields' texts, places and fonts, without selection colours.
    FacePicture picture() const;

  signals:
    // A field was moved or resized (the layout now differs from the stored model).
    void layoutEdited();
    // A field moved: things that follow one (the payee list) follow it.
    void placesChanged();
    void readoutChanged(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The mouse at `at` (face coordinates); true when the editor took the event.
    bool mouse(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons,
               QWidget* over);
    void showSelection();

    const FormSpec& m_form;
    LayoutEditor m_editor;
    QList<QWidget*> m_fields;
    QFrame* m_band = nullptr;
    QImage m_background;
    bool m_bold = false;
    QString m_readout;
};
