// Builds the window on two stand-in ports with a short list of steps and saves its picture.
// Usage: window-screenshot OUTPUT.png (run with QT_QPA_PLATFORM=offscreen on a server).
#include "board/serial_port.h"
#include "ui/dialogs.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QPixmap>
#include <QTextStream>

#include <cstdio>

namespace {

class StandInPort : public board::SerialPort {
public:
    board::OpenResult Open() override {
        open_ = true;
        return {};
    }
    bool IsOpen() const override { return open_; }
    void SendByte(std::uint8_t) override {}
    std::size_t Read(std::span<std::uint8_t>, std::chrono::milliseconds) override { return 0; }
    void Close() override { open_ = false; }
    void SetFailureHandler(std::function<void()>) override {}

private:
    bool open_ = false;
};

class StandInSystem : public board::SerialSystem {
public:
    board::PortNaming Naming() const override { return board::PortNaming::System; }
    std::vector<std::string> ListPorts() override { return {"ttyUSB0", "ttyUSB1"}; }
    std::unique_ptr<board::SerialPort> CreatePort(const std::string&) override {
        return std::make_unique<StandInPort>();
    }
    void Pause(std::chrono::milliseconds) override {}
};

class SilentDialogs : public ui::Dialogs {
public:
    void ShowError(const QString& message) override {
        QTextStream(stderr) << "error: " << message << '\n';
    }
    void ShowFileProblem(const QString&, const QString&) override {}
    std::optional<QString> AskSaveFileName(const QString&) override { return std::nullopt; }
    std::optional<QString> AskOpenFileName(const QString&) override { return std::nullopt; }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-screenshot OUTPUT.png\n");
        return 2;
    }
    StandInSystem system;
    SilentDialogs dialogs;
    ui::TForm1 form(system, dialogs);

    // A short list: relays 1 and 4 for 20 ticks, then 2 and 3, the second step current.
    form.Button4Click();
    form.Button3Click();
    form.Edit1Change(QStringLiteral("20"));
    form.SpeedButton3Click();
    form.Button4Click();
    form.Button3Click();
    form.Button5Click();
    form.Button6Click();
    form.Edit1Change(QStringLiteral("5"));
    form.show();
    QApplication::processEvents();

    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
