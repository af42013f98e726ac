#pragma once

#include <QString>

#include <optional>

namespace ui {

// The modal windows the program shows. The window talks only to this, so tests replace
// it with one that answers at once and records what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The standard error box for an error that ended a handler.
    virtual void ShowError(const QString& message) = 0;
    // A message box for a failed save or open; names the file and the reason.
    virtual void ShowFileProblem(const QString& title, const QString& message) = 0;
    // File dialogs with no filter, no default extension, no starting folder. Nothing on cancel.
    virtual std::optional<QString> AskSaveFileName(const QString& initialName) = 0;
    virtual std::optional<QString> AskOpenFileName(const QString& initialName) = 0;
};

} // namespace ui
