#pragma once
#include "platform/dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

// Dialogs answered from a script. Every question is recorded; answers are taken in order and
// a question with no scripted answer gets what Enter would give: its default button, else Ok/No
// (or "" for input).
class FakeDialogs : public Dialogs {
  public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        std::optional<Answer> defaultButton;
    };

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   std::optional<Answer> defaultButton) override {
        shown.append({text, title, icon, buttons, defaultButton});
        if (onMessage) onMessage(shown.constLast());
        if (!answers.isEmpty()) return answers.takeFirst();
        if (defaultButton) return *defaultButton;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override {
        shown.append({prompt, title, Icon::None, Buttons::OkCancel, {}});
        inputDefaults.append(defaultText);
        return inputs.isEmpty() ? QString() : inputs.takeFirst();
    }

    // Save dialogs: each request is recorded as "title|folder|file|filter|suffix", the answer taken
    // from `savePaths` ("" = cancel).
    QString saveFileName(const QString& title, const QString& directory, const QString& fileName,
                         const QString& filter, const QString& defaultSuffix) override {
        saveRequests.append(QStringList{title, directory, fileName, filter, defaultSuffix}.join(u'|'));
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    // Open dialogs: recorded among the save requests with an empty file and suffix, answered from
    // `openPaths`.
    QString openFileName(const QString& title, const QString& directory, const QString& filter) override {
        saveRequests.append(QStringList{title, directory, QString(), filter, QString()}.join(u'|'));
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }

    QList<Shown> shown;
    // Runs while a message box is up, before it is answered: what the world looks like at that moment.
    std::function<void(const Shown&)> onMessage;
    QList<Answer> answers;
    QStringList inputs, inputDefaults, saveRequests, savePaths, openPaths;
};
