// 100,000 steps must load, scroll, select and play without the window bogging down.
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QScrollBar>

namespace ui::testing {
namespace {

constexpr int kRows = 100'000;
// Generous: a per-row widget list takes minutes here, the model view milliseconds.
constexpr qint64 kBoundMs = 5000;

using LargeListTest = WindowTest;

TEST_F(LargeListTest, HundredThousandRowsLoadScrollSelectAndPlayQuickly) {
    std::vector<std::string> rows(kRows, "0000000000000000 -    1    ");
    rows.back() = "1111111111111111 -    1    ";
    QElapsedTimer clock;

    clock.start();
    form->sequencer().ReplaceSteps(std::move(rows));
    QApplication::processEvents();
    EXPECT_LT(clock.elapsed(), kBoundMs) << "loading";
    ASSERT_EQ(Grid()->model()->rowCount(), kRows);

    clock.restart();
    ClickRow(kRows - 1);
    QApplication::processEvents();
    EXPECT_LT(clock.elapsed(), kBoundMs) << "scrolling to the end and clicking";
    EXPECT_EQ(form->sequencer().currentRow(), static_cast<std::size_t>(kRows - 1));
    EXPECT_TRUE(LampIsGreen(16));

    clock.restart();
    Grid()->setFocus();
    for (int page = 0; page < 50; ++page) {
        QTest::keyClick(Grid(), Qt::Key_PageUp);
    }
    QTest::keyClick(Grid(), Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_LT(clock.elapsed(), kBoundMs) << "paging";
    EXPECT_EQ(form->sequencer().currentRow(), 0u);
    EXPECT_EQ(Grid()->verticalScrollBar()->value(), 0);

    clock.restart();
    StartWithoutClock();
    for (int tick = 0; tick < 2000; ++tick) {
        form->Timer1Timer();
    }
    QApplication::processEvents();
    EXPECT_LT(clock.elapsed(), kBoundMs) << "playing";
    EXPECT_EQ(form->sequencer().currentRow(), 2000u);
    EXPECT_EQ(ViewCurrentRow(), 2000);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
} // namespace ui::testing
