#pragma once

#include "ui/dialogs.h"

class QWidget;

namespace ui {

// The standard message boxes and file dialogs, owned by `parent` while open.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowError(const QString& message) override;
    void ShowFileProblem(const QString& title, const QString& message) override;
    std::optional<QString> AskSaveFileName(const QString& initialName) override;
    std::optional<QString> AskOpenFileName(const QString& initialName) override;

private:
    QWidget* parent_;
};

} // namespace ui
