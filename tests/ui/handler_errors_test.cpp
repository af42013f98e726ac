// A row too short to read ends the handler that met it with the error box; the window goes on.
#include "window_fixture.h"

#include <QLineEdit>
#include <QTimer>

namespace ui::testing {
namespace {

class HandlerErrorsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto& sequencer = form->sequencer();
        sequencer.SetRowCount(3);
        sequencer.SetRowText(0, "1000000000000000 -    1    ");
        sequencer.SetRowText(1, "0101"); // shorter than a relay pattern
        sequencer.SetRowText(2, "0010000000000000 -    1    ");
        system.TakeCommands();
    }
};

TEST_F(HandlerErrorsTest, ClickOnAShortRowShowsTheErrorAndTheWindowGoesOn) {
    ClickRow(1);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_FALSE(dialogs.errors.front().isEmpty());
    EXPECT_TRUE(system.TakeCommands().empty()) << "the failed selection sends nothing";
    EXPECT_EQ(ViewCurrentRow(), 1);

    ClickRow(2);
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{PatternCommand("0010000000000000")});
    Click(RelayButton(16));
    EXPECT_EQ(Row(2), "0010000000000001 -    1    ");
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(HandlerErrorsTest, ShortRowDuringPlaybackEndsOneTickOnly) {
    StartWithoutClock();
    system.TakeCommands();
    form->Timer1Timer(); // moves to the short row and fails there
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(form->sequencer().currentRow(), 1u);
    EXPECT_TRUE(form->sequencer().stepTimerOn());
    EXPECT_TRUE(form->sequencer().secondsTimerOn());

    form->Timer1Timer(); // and the next tick moves on
    EXPECT_EQ(form->sequencer().currentRow(), 2u);
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{PatternCommand("0010000000000000")});
}

TEST_F(HandlerErrorsTest, ErrorsWhileTheErrorBoxIsOpenDoNotStackMoreBoxes) {
    // Every row short: each tick fails. A real error box lets the timer tick on inside it.
    auto& sequencer = form->sequencer();
    sequencer.SetRowCount(50);
    for (std::size_t row = 0; row < 50; ++row) {
        sequencer.SetRowText(row, row == 0 ? "1000000000000000 -    1    " : "01");
    }
    StartWithoutClock();
    int nestedTicks = 0;
    dialogs.whileErrorShown = [&] {
        for (; nestedTicks < 10; ++nestedTicks) {
            form->Timer1Timer();
        }
    };
    form->Timer1Timer();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(nestedTicks, 10);
    EXPECT_EQ(form->sequencer().currentRow(), 11u) << "the ticks went on while the box was open";

    dialogs.whileErrorShown = nullptr;
    form->Timer1Timer();
    EXPECT_EQ(dialogs.errors.size(), 2) << "once the box is closed, errors show again";
}

} // namespace
} // namespace ui::testing
