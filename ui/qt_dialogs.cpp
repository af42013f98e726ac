#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ui {

void QtDialogs::ShowError(const QString& message) {
    QMessageBox::critical(parent_, QApplication::applicationDisplayName(), message);
}

void QtDialogs::ShowFileProblem(const QString& title, const QString& message) {
    QMessageBox::warning(parent_, title, message);
}

std::optional<QString> QtDialogs::AskSaveFileName(const QString& initialName) {
    const QString name = QFileDialog::getSaveFileName(parent_, QString(), initialName);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<QString> QtDialogs::AskOpenFileName(const QString& initialName) {
    const QString name = QFileDialog::getOpenFileName(parent_, QString(), initialName);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

} // namespace ui
