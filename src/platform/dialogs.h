#pragma once
// Message boxes and input boxes. Logic asks through this interface so that a test can answer
// without a person; the production implementation shows Qt dialogs.

#include <QString>
#include <optional>

class Dialogs {
  public:
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Dialogs() = default;
    // Shows `text` titled `title`; returns the button chosen. `defaultButton` is the one Enter
    // presses: a question whose Yes erases something names No, so a hurried Enter keeps the data.
    // Without it the box chooses (its first button).
    virtual Answer message(const QString& text, const QString& title, Icon icon = Icon::None,
                           Buttons buttons = Buttons::Ok, std::optional<Answer> defaultButton = {}) = 0;
    // Asks for one line of text; returns "" when the user cancels (as the classic input box does).
    virtual QString input(const QString& prompt, const QString& title, const QString& defaultText = {}) = 0;
    // Asks where to save a file: starts in `directory` with `fileName` proposed (an absolute
    // `fileName` wins over `directory`), lists the files matching `filter` ("Name (*.ext)"), adds
    // `defaultSuffix` to a name typed without one and asks before replacing an existing file.
    // Returns the chosen path, or "" on cancel. A Dialogs that cannot ask cancels.
    virtual QString saveFileName(const QString& /*title*/, const QString& /*directory*/,
                                 const QString& /*fileName*/, const QString& /*filter*/,
                                 const QString& /*defaultSuffix*/) {
        return {};
    }
    // Asks for an existing file to read, listing the files matching `filter`; "" on cancel.
    virtual QString openFileName(const QString& /*title*/, const QString& /*directory*/,
                                 const QString& /*filter*/) {
        return {};
    }
};
