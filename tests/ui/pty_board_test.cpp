// The whole window against boards on pseudo-terminals, through the real serial back end.
#include "recording_dialogs.h"
#include "support/listed_ports_system.h"
#include "support/test_board.h"
#include "ui/tform1.h"

#include "board/board_command.h"
#include "board/qt_serial_system.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace ui::testing {
namespace {

using namespace std::chrono_literals;
using testsupport::Received;
using testsupport::TestBoard;

Received Relays(const char* pattern) {
    return Received::Of(board::SetRelaysCommand(pattern));
}
const Received kOff = Received::Of(board::kAllOffCommand);
const Received kQuery = Received::Of(board::kQueryCommand);

class PtyBoardTest : public ::testing::Test {
protected:
    void Open(std::vector<std::string> names) {
        system = std::make_unique<testsupport::ListedPortsSystem>(*real, std::move(names));
        form = std::make_unique<TForm1>(*system, dialogs);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    template <typename Widget> Widget* Find(const char* name) const {
        return form->findChild<Widget*>(QString::fromLatin1(name));
    }
    void Click(const char* name) const { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    void ClickArrow(const char* arrow) const {
        QTest::mouseClick(Find<QWidget>("UpDown1")->findChild<QToolButton*>(arrow), Qt::LeftButton);
    }
    void ClickRow(int row) const {
        auto* grid = Find<QListView>("StringGrid1");
        const QPoint cell = grid->visualRect(grid->model()->index(row, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    }
    // Whether another program could take the port now.
    bool Free(const TestBoard& board) const {
        auto probe = real->CreatePort(board.SlavePath());
        const bool opened = probe->Open().ok();
        probe->Close();
        return opened;
    }
    static std::vector<Received> Take(TestBoard& board, std::size_t count) {
        auto received = board.WaitForReceived(count, 2s);
        board.Clear();
        return received;
    }
    QString Status() const { return Find<QLabel>("Panel1")->text(); }

    std::unique_ptr<board::SerialSystem> real = board::MakeQtSerialSystem();
    std::unique_ptr<board::SerialSystem> system;
    RecordingDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

TEST_F(PtyBoardTest, StepsBuiltByClicksPlayStopAndCloseOnTheWire) {
    TestBoard board;
    Open({board.SlaveName()});
    EXPECT_EQ(Take(board, 1), std::vector<Received>{kQuery}) << "the scan's query";
    EXPECT_EQ(Status(), "USB Relay Board found");
    EXPECT_FALSE(Free(board)) << "the window holds its port";

    // Relay 1 for 3 ticks, relay 2 for 1, relay 3 for 2.
    Click("Button4");
    ClickArrow("UpArrow");
    ClickArrow("UpArrow");
    Click("SpeedButton3");
    Click("Button4");
    Click("Button5");
    ClickArrow("DownArrow");
    ClickArrow("DownArrow");
    Click("SpeedButton3");
    Click("Button5");
    Click("Button6");
    ClickArrow("UpArrow");
    const auto& sequencer = form->sequencer();
    ASSERT_EQ(sequencer.rowCount(), 3u);
    EXPECT_EQ(sequencer.rowText(0), "1000000000000000 -    3    ");
    EXPECT_EQ(sequencer.rowText(1), "0100000000000000 -    1    ");
    EXPECT_EQ(sequencer.rowText(2), "0010000000000000 -    2    ");
    // Each Add selected its new copy, which sends; relay presses send nothing.
    EXPECT_EQ(Take(board, 2),
              (std::vector<Received>{Relays("1000000000000000"), Relays("0100000000000000")}));

    ClickRow(0);
    EXPECT_EQ(Take(board, 1), std::vector<Received>{Relays("1000000000000000")});
    Click("SpeedButton1");
    ASSERT_TRUE(Find<QTimer>("Timer1")->isActive());
    Find<QTimer>("Timer1")->stop(); // the test ticks by itself
    Find<QTimer>("Timer2")->stop();
    EXPECT_EQ(Take(board, 1), std::vector<Received>{Relays("1000000000000000")});

    struct Tick {
        const char* display;
        std::vector<Received> sent;
    };
    const std::vector<Tick> ticks{
        {"2", {}},
        {"1", {}},
        {"1", {Relays("0100000000000000")}},
        {"2", {Relays("0010000000000000")}},
        {"1", {}},
        {"0", {}},
        {"0", {}},
    };
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        form->Timer1Timer();
        EXPECT_EQ(Find<QLabel>("Label4")->text(), ticks[i].display) << "tick " << i + 1;
        EXPECT_EQ(Take(board, ticks[i].sent.size()), ticks[i].sent) << "tick " << i + 1;
    }

    Click("SpeedButton2");
    EXPECT_EQ(Take(board, 2), (std::vector<Received>{Relays("1000000000000000"), kOff}));

    form->close();
    EXPECT_EQ(Take(board, 1), std::vector<Received>{kOff});
    EXPECT_TRUE(Free(board)) << "closing the window releases the port";
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PtyBoardTest, PickingAnEntryMovesToThatBoardAndTheStatusFollows) {
    TestBoard first;
    TestBoard second;
    Open({first.SlaveName(), second.SlaveName()});
    auto* selector = Find<QComboBox>("ComboBox1");
    ASSERT_EQ(selector->count(), 2);
    Take(first, 1);
    Take(second, 1);

    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down);
    EXPECT_TRUE(Free(first)) << "the old port is closed";
    EXPECT_FALSE(Free(second)) << "the new port is open";
    EXPECT_EQ(Status(), "USB Relay Board found");
    ClickRow(0);
    EXPECT_EQ(Take(second, 1), std::vector<Received>{Relays("0000000000000000")});
    EXPECT_TRUE(first.received().empty());

    // Another program holds the first board's port: picking it fails and says so.
    auto holder = real->CreatePort(first.SlavePath());
    ASSERT_TRUE(holder->Open().ok());
    emit selector->activated(0);
    EXPECT_EQ(Status(), "USB Relay Board not found");
    EXPECT_TRUE(Free(second));

    holder->Close();
    emit selector->activated(0);
    EXPECT_EQ(Status(), "USB Relay Board found");
    ClickRow(0);
    EXPECT_EQ(Take(first, 1), std::vector<Received>{Relays("0000000000000000")});
}

} // namespace
} // namespace ui::testing
