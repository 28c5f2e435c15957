#pragma once
#include "platform/dialogs.h"

#include <QList>
#include <QStringList>

// Dialogs answered from a script. Every question is recorded; answers are taken in order and
// a question with no scripted answer gets the default (Ok/No, or "" for input).
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override {
        shown.append({text, title, icon, buttons});
        if (!answers.isEmpty()) return answers.takeFirst();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override {
        shown.append({prompt, title, Icon::None, Buttons::OkCancel});
        inputDefaults.append(defaultText);
        return inputs.isEmpty() ? QString() : inputs.takeFirst();
    }

    QList<Shown> shown;
    QList<Answer> answers;
    QStringList inputs;
    QStringList inputDefaults;
};
