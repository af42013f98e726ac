// The step list as the user works it: one selection action per click or key move, and the
// view following every change the sequencer makes.
#include "window_fixture.h"

#include <QLineEdit>

namespace ui::testing {
namespace {

class StepListViewTest : public WindowTest {
protected:
    // Three steps: relay 1, relay 2, relay 3, current step 0, nothing sent yet.
    void SetUp() override {
        WindowTest::SetUp();
        auto& sequencer = form->sequencer();
        sequencer.SetRowCount(3);
        sequencer.SetRowText(0, "1000000000000000 -    3    ");
        sequencer.SetRowText(1, "0100000000000000 -    1    ");
        sequencer.SetRowText(2, "0010000000000000 -    2    ");
        system.TakeCommands();
    }
    std::vector<std::string> Sent() { return system.TakeCommands(); }
    static std::vector<std::string> Patterns(std::initializer_list<const char*> patterns) {
        std::vector<std::string> commands;
        for (const char* pattern : patterns) {
            commands.push_back(PatternCommand(pattern));
        }
        return commands;
    }
};

TEST_F(StepListViewTest, ClickOnAnotherRowRunsTheSelectionActionOnce) {
    ClickRow(2);
    EXPECT_EQ(Sent(), Patterns({"0010000000000000"}));
    EXPECT_EQ(form->sequencer().currentRow(), 2u);
    EXPECT_EQ(ViewCurrentRow(), 2);
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "2");
}

TEST_F(StepListViewTest, ClickOnTheCurrentRowRunsItAgain) {
    ClickRow(0);
    ClickRow(0);
    EXPECT_EQ(Sent(), Patterns({"1000000000000000", "1000000000000000"}));
}

TEST_F(StepListViewTest, DoubleClickIsTwoClicks) {
    // A double click arrives as a press, a release, a double-click press and a release.
    QListView* grid = Grid();
    const QPoint cell = grid->visualRect(grid->model()->index(1, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(Sent(), Patterns({"0100000000000000", "0100000000000000"}));
}

TEST_F(StepListViewTest, RightClickSelectsNothing) {
    QListView* grid = Grid();
    const QPoint cell = grid->visualRect(grid->model()->index(2, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cell);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(ViewCurrentRow(), 0);
}

TEST_F(StepListViewTest, ArrowKeysMoveOneRowWithOneSelectionActionEach) {
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Down);
    QTest::keyClick(Grid(), Qt::Key_Down);
    QTest::keyClick(Grid(), Qt::Key_Down); // already on the last row
    EXPECT_EQ(Sent(), Patterns({"0100000000000000", "0010000000000000"}));
    EXPECT_EQ(form->sequencer().currentRow(), 2u);
    QTest::keyClick(Grid(), Qt::Key_Up);
    EXPECT_EQ(Sent(), Patterns({"0100000000000000"}));
    EXPECT_EQ(ViewCurrentRow(), 1);
}

TEST_F(StepListViewTest, ViewFollowsAddRemoveAndClear) {
    ClickRow(2);
    Sent();
    Click(Find<QWidget>("SpeedButton3")); // Add: the copy of the last row becomes current
    EXPECT_EQ(Grid()->model()->rowCount(), 4);
    EXPECT_EQ(ViewCurrentRow(), 3);
    EXPECT_EQ(Grid()->model()->index(3, 0).data().toString().toStdString(), Row(2));
    EXPECT_EQ(Sent(), Patterns({"0010000000000000"}));

    Click(Find<QWidget>("SpeedButton5")); // Remove the current last row
    EXPECT_EQ(Grid()->model()->rowCount(), 3);
    EXPECT_EQ(ViewCurrentRow(), 2);
    EXPECT_EQ(form->sequencer().currentRow(), 2u);
    EXPECT_EQ(Sent(), Patterns({"0010000000000000"})) << "the new last row is selected";

    Click(Find<QWidget>("SpeedButton4")); // Clear
    EXPECT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_EQ(ViewCurrentRow(), 0);
    EXPECT_EQ(Grid()->model()->index(0, 0).data().toString().toStdString(), kDefaultStep);
    EXPECT_EQ(Sent(), Patterns({"0000000000000000"}));
}

TEST_F(StepListViewTest, RewrittenRowIsShownAtOnce) {
    ClickRow(1);
    Click(RelayButton(5));
    EXPECT_EQ(Grid()->model()->index(1, 0).data().toString().toStdString(),
              "0100100000000000 -    1    ");
}

TEST_F(StepListViewTest, PlaybackMovesTheViewAlongWithoutExtraSelections) {
    ClickRow(0); // the delay field now holds the first step's 3
    StartWithoutClock();
    Sent();
    for (int tick = 0; tick < 3; ++tick) {
        form->Timer1Timer();
    }
    EXPECT_EQ(ViewCurrentRow(), 1);
    EXPECT_EQ(Sent(), Patterns({"0100000000000000"}));
}

} // namespace
} // namespace ui::testing
