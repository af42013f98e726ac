// Closing the window, the port selector and a machine without ports.
#include "window_fixture.h"

#include <QComboBox>
#include <QTimer>

namespace ui::testing {
namespace {

using ShutdownTest = WindowTest;

TEST_F(ShutdownTest, StartUpScansOpensTheFirstPortAndSendsOnlyTheQuery) {
    EXPECT_EQ(startupLog, (std::vector<std::string>{"open /dev/ttyUSB0", "send /dev/ttyUSB0 ask//",
                                                    "close /dev/ttyUSB0", "open /dev/ttyUSB0"}));
}

TEST_F(ShutdownTest, FileCloseSendsAllOffThenPausesAndReleasesThePort) {
    form->findChild<QAction*>("Close1")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(system.TakeLog(), (std::vector<std::string>{"send /dev/ttyUSB0 off//", "pause 250",
                                                          "close /dev/ttyUSB0"}));
}

TEST_F(ShutdownTest, ClosingDuringPlaybackDoesTheSame) {
    Click(Find<QWidget>("SpeedButton1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->sequencer().stepCountdown() == 0; }, 2000));
    system.TakeLog();
    form->close();
    EXPECT_EQ(system.TakeLog(), (std::vector<std::string>{"send /dev/ttyUSB0 off//", "pause 250",
                                                          "close /dev/ttyUSB0"}));
}

class PortSelectorTest : public WindowTest {
protected:
    PortSelectorTest() : WindowTest({"ttyUSB0", "ttyUSB1"}) {}
    QComboBox* Selector() const { return Find<QComboBox>("ComboBox1"); }
    QLabel* Status() const { return Find<QLabel>("Panel1"); }
    QColor StatusColour() const { return Status()->palette().color(QPalette::Window); }
};

TEST_F(PortSelectorTest, PickingAnEntryClosesTheOldPortAndOpensTheNewOne) {
    ASSERT_EQ(Selector()->count(), 2);
    EXPECT_EQ(Selector()->itemText(1), "ttyUSB1->Relay Boad 2");
    EXPECT_EQ(Selector()->currentIndex(), 0);

    Selector()->setFocus();
    QTest::keyClick(Selector(), Qt::Key_Down); // the user picks the second entry
    EXPECT_EQ(system.TakeLog(),
              (std::vector<std::string>{"pause 250", "close /dev/ttyUSB0", "open /dev/ttyUSB1"}));
    EXPECT_EQ(Status()->text(), "USB Relay Board found");

    ClickRow(0);
    EXPECT_EQ(system.TakeLog(),
              std::vector<std::string>{"send /dev/ttyUSB1 " + PatternCommand("0000000000000000")});
}

TEST_F(PortSelectorTest, StatusPanelFollowsAFailedOpenAndPickingAgainReopens) {
    system.SetHeldElsewhere("/dev/ttyUSB1", true);
    emit Selector()->activated(1);
    EXPECT_EQ(Status()->text(), "USB Relay Board not found");
    EXPECT_EQ(StatusColour(), QColor(255, 0, 0));

    system.SetHeldElsewhere("/dev/ttyUSB1", false);
    system.TakeLog();
    emit Selector()->activated(1); // the same entry again
    EXPECT_EQ(system.TakeLog(), (std::vector<std::string>{"pause 250", "open /dev/ttyUSB1"}));
    EXPECT_EQ(Status()->text(), "USB Relay Board found");
    EXPECT_EQ(StatusColour(), QColor(0, 255, 0));
}

class NoPortsTest : public WindowTest {
protected:
    NoPortsTest() : WindowTest({}) {}
};

TEST_F(NoPortsTest, EmptySelectorRedStatusAndTheWindowWorks) {
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->count(), 0);
    EXPECT_EQ(Find<QLabel>("Panel1")->text(), "USB Relay Board not found");
    EXPECT_EQ(Find<QLabel>("Panel1")->palette().color(QPalette::Window), QColor(255, 0, 0));

    Click(RelayButton(1));
    EXPECT_EQ(Row(0), "1000000000000000 -    1    ");
    Click(Find<QWidget>("SpeedButton3"));
    StartWithoutClock();
    form->Timer1Timer();
    EXPECT_EQ(form->sequencer().currentRow(), 1u);
    Click(Find<QWidget>("SpeedButton2"));
    form->close();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(system.TakeCommands().empty());
}

} // namespace
} // namespace ui::testing
