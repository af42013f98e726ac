#pragma once

#include "recording_dialogs.h"
#include "stand_in_system.h"
#include "ui/tform1.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace ui::testing {

// The buttons' names by relay; they do not follow the relay numbers.
inline constexpr std::array<const char*, 16> kRelayButtonNames{
    "Button4",  "Button5",  "Button6",  "Button3",  "Button7",  "Button8",  "Button9",  "Button10",
    "Button19", "Button18", "Button16", "Button17", "Button15", "Button14", "Button13", "Button12"};

inline const std::string kDefaultStep = "0000000000000000 -    1    ";

// A shown window on one stand-in port, its start-up traffic already taken from the log.
class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(std::vector<std::string> ports = {"ttyUSB0"}) : system(std::move(ports)) {}

    void SetUp() override {
        form = std::make_unique<TForm1>(system, dialogs);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        startupLog = system.TakeLog();
        system.TakeCommands();
    }

    template <typename Widget> Widget* Find(const char* name) const {
        return form->findChild<Widget*>(QString::fromLatin1(name));
    }
    QPushButton* RelayButton(int relay) const {
        return Find<QPushButton>(kRelayButtonNames[static_cast<std::size_t>(relay - 1)]);
    }
    QLabel* Lamp(int relay) const {
        return Find<QLabel>(("Image" + std::to_string(relay + 2)).c_str());
    }
    bool LampIsGreen(int relay) const {
        return Lamp(relay)->pixmap().toImage() == Find<QLabel>("Image1")->pixmap().toImage();
    }
    bool LampIsRed(int relay) const {
        return Lamp(relay)->pixmap().toImage() == Find<QLabel>("Image2")->pixmap().toImage();
    }
    QListView* Grid() const { return Find<QListView>("StringGrid1"); }
    std::string Row(std::size_t row) const { return form->sequencer().rowText(row); }
    int ViewCurrentRow() const { return Grid()->currentIndex().row(); }

    void Click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    // Presses Start, then holds the clock still: the test drives every tick itself.
    void StartWithoutClock() const {
        Click(Find<QWidget>("SpeedButton1"));
        for (const char* name : {"Timer1", "Timer2"}) {
            form->findChild<QTimer*>(QString::fromLatin1(name))->stop();
        }
    }
    void ClickRow(int row) const {
        QListView* grid = Grid();
        const QModelIndex index = grid->model()->index(row, 0);
        grid->scrollTo(index);
        const QRect cell = grid->visualRect(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    StandInSystem system;
    RecordingDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::vector<std::string> startupLog;
};

} // namespace ui::testing
