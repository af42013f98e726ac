#include "board/qt_serial_system.h"
#include "ui/art/art.h"
#include "ui/qt_dialogs.h"
#include "ui/tform1.h"

#include <QApplication>

#include <cstdlib>
#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ui::art::ProgramIcon());
    ui::QtDialogs dialogs;
    try {
        const auto system = board::MakeQtSerialSystem();
        ui::TForm1 form(*system, dialogs);
        dialogs.SetParent(&form);
        form.show();
        const int result = QApplication::exec();
        dialogs.SetParent(nullptr);
        return result;
    } catch (const std::exception& error) {
        dialogs.SetParent(nullptr); // the window is gone by now
        dialogs.ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        dialogs.SetParent(nullptr);
        dialogs.ShowError(QString());
    }
    return EXIT_FAILURE;
}
