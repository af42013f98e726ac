// The relay buttons and lamps: each button toggles its own relay of the current step.
#include "window_fixture.h"

#include <QLineEdit>

namespace ui::testing {
namespace {

using RelayPanelTest = WindowTest;

TEST_F(RelayPanelTest, Relay4ButtonRewritesTheDefaultStepAndShowsTheGreenLamp) {
    QPushButton* button = Find<QPushButton>("Button3");
    ASSERT_EQ(button->pos(), QPoint(176, 160));

    Click(button);
    EXPECT_EQ(Row(0), "0001000000000000 -    1    ");
    EXPECT_EQ(button->pos(), QPoint(176, 50));
    EXPECT_TRUE(LampIsGreen(4));
    EXPECT_EQ(Find<QLabel>("Image6"), Lamp(4));
    EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "0001000000000000");

    Click(button);
    EXPECT_EQ(Row(0), kDefaultStep);
    EXPECT_EQ(button->pos(), QPoint(176, 160));
    EXPECT_TRUE(LampIsRed(4));
    EXPECT_TRUE(system.TakeCommands().empty()) << "a relay press sends nothing";
}

class EachRelayTest : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(EachRelayTest, ButtonTogglesOnlyItsOwnRelayAndLamp) {
    const int relay = GetParam();
    Click(RelayButton(relay));

    std::string expected = kDefaultStep;
    expected[static_cast<std::size_t>(relay - 1)] = '1';
    EXPECT_EQ(Row(0), expected);
    for (int other = 1; other <= 16; ++other) {
        EXPECT_EQ(RelayButton(other)->y(), other == relay ? 50 : 160) << "relay " << other;
        EXPECT_EQ(LampIsGreen(other), other == relay) << "relay " << other;
    }

    Click(RelayButton(relay));
    EXPECT_EQ(Row(0), kDefaultStep);
    EXPECT_TRUE(LampIsRed(relay));
}

INSTANTIATE_TEST_SUITE_P(Relays, EachRelayTest, ::testing::Range(1, 17));

TEST_F(RelayPanelTest, SelectingAStepMovesButtonsAndLampsToItsPattern) {
    form->sequencer().SetRowCount(2);
    form->sequencer().SetRowText(1, "1000000000000001 -    7    ");
    ClickRow(1);
    for (int relay = 1; relay <= 16; ++relay) {
        const bool on = relay == 1 || relay == 16;
        EXPECT_EQ(RelayButton(relay)->y(), on ? 50 : 160) << "relay " << relay;
        EXPECT_EQ(LampIsGreen(relay), on) << "relay " << relay;
    }
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "7");
    EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "1000000000000001");
}

} // namespace
} // namespace ui::testing
