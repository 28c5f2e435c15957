#pragma once
#include "platform/dialogs.h"

class QWidget;

// Message and input boxes as Qt dialogs, owned by the window that asks.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   std::optional<Answer> defaultButton) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QString& directory, const QString& fileName,
                         const QString& filter, const QString& defaultSuffix) override;
    QString openFileName(const QString& title, const QString& directory, const QString& filter) override;

  private:
    // The window a box belongs to: the program's window in front (a side tool asking stays under its
    // box), else the calculator.
    QWidget* owner() const;

    QWidget* m_parent;
};
