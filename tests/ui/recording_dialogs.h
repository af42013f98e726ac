#pragma once

#include "ui/dialogs.h"

#include <QString>
#include <QStringList>

#include <functional>

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
    std::optional<QString> AskSaveFileName(const QString&) override { return std::nullopt; }
    std::optional<QString> AskOpenFileName(const QString&) override { return std::nullopt; }

    QStringList errors;
    QStringList fileProblems;
    // Runs inside ShowError, as events do while a real error box is open.
    std::function<void()> whileErrorShown;
};

} // namespace ui::testing
