// The delay field, its arrows, Repeat, the picture buttons and File > New.
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace ui::testing {
namespace {

using EditingControlsTest = WindowTest;

TEST_F(EditingControlsTest, TypingInTheDelayFieldRewritesTheStepAndKeepsTheCursor) {
    auto* edit = Find<QLineEdit>("Edit1");
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "2");
    EXPECT_EQ(edit->text(), "21");
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(Row(0), "0000000000000000 -   21    ");

    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(edit->text(), "21x") << "typed text is not restricted";
    EXPECT_EQ(Row(0), "0000000000000000 -   21    ");
    EXPECT_TRUE(system.TakeCommands().empty());
}

TEST_F(EditingControlsTest, ArrowsStepTheDelayWithinOneTo9999) {
    auto* upDown = Find<QWidget>("UpDown1");
    auto* up = upDown->findChild<QToolButton*>("UpArrow");
    auto* down = upDown->findChild<QToolButton*>("DownArrow");
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    EXPECT_LT(up->geometry().bottom(), down->geometry().top() + 1) << "up lies above down";

    Click(up);
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "2");
    EXPECT_EQ(Row(0), "0000000000000000 -    2    ");
    Click(down);
    Click(down);
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "1");

    QTest::keyClicks(Find<QLineEdit>("Edit1"), "0000"); // "10000"
    Click(up);
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "9999");
    EXPECT_EQ(Row(0), "0000000000000000 - 9999    ");
}

TEST_F(EditingControlsTest, RepeatBoxSetsRepeat) {
    auto* box = Find<QCheckBox>("CheckBox1");
    Click(box);
    EXPECT_TRUE(form->sequencer().repeat());
    Click(box);
    EXPECT_FALSE(form->sequencer().repeat());
}

TEST_F(EditingControlsTest, StartAndStopRunTheTimersAndTheDisplays) {
    auto* timer1 = form->findChild<QTimer*>("Timer1");
    auto* timer2 = form->findChild<QTimer*>("Timer2");
    Click(Find<QWidget>("SpeedButton1"));
    EXPECT_TRUE(timer1->isActive());
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{PatternCommand("0000000000000000")});
    timer1->stop(); // the test ticks by itself from here
    timer2->stop();

    form->Timer2Timer();
    form->Timer2Timer();
    EXPECT_EQ(Find<QLabel>("Label2")->text(), "2");
    form->Timer1Timer();
    EXPECT_EQ(Find<QLabel>("Label4")->text(), "0");

    timer1->start();
    timer2->start();
    Click(Find<QWidget>("SpeedButton2"));
    EXPECT_FALSE(timer1->isActive());
    EXPECT_FALSE(timer2->isActive());
    EXPECT_EQ(Find<QLabel>("Label2")->text(), "0");
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{"off//"});
}

TEST_F(EditingControlsTest, RealTimerTicksDrivePlayback) {
    form->sequencer().SetRowCount(2);
    form->sequencer().SetRowText(1, "0000000000000001 -    1    ");
    Click(Find<QWidget>("SpeedButton1"));
    system.TakeCommands();
    // The first step lasts one tick of 50 ms; then the second step's pattern goes out.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->sequencer().currentRow() == 1; }, 2000));
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{PatternCommand("0000000000000001")});
}

TEST_F(EditingControlsTest, NewResetsListCaptionAndTimers) {
    Click(RelayButton(3));
    Click(Find<QWidget>("SpeedButton3"));
    Click(Find<QWidget>("SpeedButton1"));
    form->setWindowTitle("steps.txt");

    form->findChild<QAction*>("New1")->trigger();
    EXPECT_EQ(form->windowTitle(), "New.txt");
    EXPECT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_EQ(Row(0), kDefaultStep);
    EXPECT_FALSE(form->findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(form->findChild<QTimer*>("Timer2")->isActive());
    EXPECT_TRUE(LampIsRed(3));
    EXPECT_EQ(Find<QLabel>("Label4")->text(), "0");
}

} // namespace
} // namespace ui::testing
