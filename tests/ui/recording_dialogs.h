#pragma once

#include "ui/dialogs.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace ui::testing {

// Answers at once and keeps what would have been shown.
class RecordingDialogs : public Dialogs {
public:
    void ShowError(const QString& message) override {
        errors.append(message);
        if (whileErrorShown) {
            whileErrorShown();
        }
    }
    void ShowFileProblem(const QString& title, const QString& message) override {
        fileProblems.append(title + ": " + message);
    }
    std::optional<QString> AskSaveFileName(const QString& initialName) override {
        saveAsked.append(initialName);
        return std::exchange(saveAnswer, std::nullopt);
    }
    std::optional<QString> AskOpenFileName(const QString& initialName) override {
        openAsked.append(initialName);
        return std::exchange(openAnswer, std::nullopt);
    }

    QStringList errors;
    QStringList fileProblems;
    // What the next file dialog answers (nothing: cancelled), and what each one started with.
    std::optional<QString> saveAnswer;
    std::optional<QString> openAnswer;
    QStringList saveAsked;
    QStringList openAsked;
    // Runs inside ShowError, as events do while a real error box is open.
    std::function<void()> whileErrorShown;
};

} // namespace ui::testing
