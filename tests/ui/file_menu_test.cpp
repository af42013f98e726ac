// File > Save and File > Open: the bytes on disk, the caption, and lists that survive failures.
#include "window_fixture.h"

#include "support/file_bytes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace ui::testing {
namespace {

const std::string kA = "1000000000000001 -    7    ";
const std::string kB = "0101010101010101 -   25    ";
const std::string kC = "0010000000000000 -    2    ";

using testsupport::ReadAll;
using testsupport::WriteAll;

class FileMenuTest : public WindowTest {
protected:
    void SetRows(const std::vector<std::string>& rows) {
        auto& sequencer = form->sequencer();
        sequencer.SetRowCount(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            sequencer.SetRowText(i, rows[i]);
        }
    }
    std::vector<std::string> Rows() const { return form->sequencer().steps().rows(); }
    void Trigger(const char* action) const { Find<QAction>(action)->trigger(); }
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(FileMenuTest, SaveWritesTheStepsAndOpenBringsThemBack) {
    SetRows({kA, kB, kC});
    dialogs.saveAnswer = Path("show");
    Trigger("Save1");
    EXPECT_EQ(dialogs.saveAsked, QStringList{"New"});
    // Written by hand: each step, CR, and a CR LF line break.
    EXPECT_EQ(ReadAll(Path("show.txt")), "1000000000000001 -    7    \r\r\n"
                                         "0101010101010101 -   25    \r\r\n"
                                         "0010000000000000 -    2    \r\r\n");
    EXPECT_EQ(form->windowTitle(), Path("show"));
    EXPECT_TRUE(dialogs.fileProblems.isEmpty());

    Trigger("New1");
    EXPECT_EQ(form->windowTitle(), "New.txt");
    system.TakeCommands();

    dialogs.openAnswer = Path("show.txt");
    Trigger("Open1");
    EXPECT_EQ(dialogs.openAsked, QStringList{""});
    EXPECT_EQ(Rows(), (std::vector<std::string>{kA, kB, kC}));
    EXPECT_EQ(form->windowTitle(), Path("show.txt"));
    EXPECT_EQ(form->sequencer().currentRow(), 0u);
    EXPECT_EQ(ViewCurrentRow(), 0);
    EXPECT_EQ(Grid()->model()->rowCount(), 3);
    // The editing state follows the loaded list, and its first step went to the board.
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{PatternCommand(kA.substr(0, 16))});
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "7");
    EXPECT_TRUE(LampIsGreen(1));
    Click(RelayButton(2));
    EXPECT_EQ(Row(0), "1100000000000001 -    7    ");

    // The dialogs start as before: Save with "New", Open with the name chosen last.
    dialogs.saveAnswer = Path("again.txt");
    Trigger("Save1");
    dialogs.openAnswer = std::nullopt;
    Trigger("Open1");
    EXPECT_EQ(dialogs.saveAsked, (QStringList{"New", "New"}));
    EXPECT_EQ(dialogs.openAsked, (QStringList{"", Path("show.txt")}));
    EXPECT_TRUE(QFile::exists(Path("again.txt")));
    EXPECT_FALSE(QFile::exists(Path("again.txt.txt")));
    EXPECT_EQ(form->windowTitle(), Path("again.txt"));
}

TEST_F(FileMenuTest, CancelledDialogsChangeNothing) {
    SetRows({kA, kB});
    Trigger("Save1");
    Trigger("Open1");
    EXPECT_EQ(Rows(), (std::vector<std::string>{kA, kB}));
    EXPECT_EQ(form->windowTitle(), "New.txt");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(dialogs.fileProblems.isEmpty());
}

TEST_F(FileMenuTest, AFailedSaveSaysWhyAndKeepsCaptionAndFile) {
    SetRows({kA, kB});
    WriteAll(Path("folder-is-a-file"), "old");
    const QString targets[] = {Path("missing/show"), Path("folder-is-a-file/show")};
    for (const QString& target : targets) {
        dialogs.saveAnswer = target;
        Trigger("Save1");
    }
    ASSERT_EQ(dialogs.fileProblems.size(), 2);
    EXPECT_TRUE(dialogs.fileProblems[0].contains(Path("missing/show.txt")));
    EXPECT_TRUE(dialogs.fileProblems[1].contains(Path("folder-is-a-file/show.txt")));
    EXPECT_EQ(form->windowTitle(), "New.txt");
    EXPECT_EQ(ReadAll(Path("folder-is-a-file")), "old");
    EXPECT_EQ(Rows(), (std::vector<std::string>{kA, kB}));
}

TEST_F(FileMenuTest, AFailedOpenKeepsListCurrentStepAndCaption) {
    SetRows({kA, kB, kC});
    ClickRow(2);
    system.TakeCommands();
    dialogs.openAnswer = Path("missing.txt");
    Trigger("Open1");
    ASSERT_EQ(dialogs.fileProblems.size(), 1);
    EXPECT_TRUE(dialogs.fileProblems[0].contains(Path("missing.txt")));
    EXPECT_EQ(Rows(), (std::vector<std::string>{kA, kB, kC}));
    EXPECT_EQ(form->sequencer().currentRow(), 2u);
    EXPECT_EQ(form->windowTitle(), "New.txt");
    EXPECT_TRUE(system.TakeCommands().empty());
}

TEST_F(FileMenuTest, OpenDuringPlaybackGoesOnFromTheFirstLoadedRow) {
    WriteAll(Path("loaded.txt"), "0000000000000001 -    1    \r\r\n"
                                 "0000000000000010 -    1    \r\r\n");
    SetRows({kA, kB, kC});
    StartWithoutClock(); // step 0 with the delay field's 10
    form->Timer1Timer();
    const long running = form->sequencer().stepCountdown();
    system.TakeCommands();

    dialogs.openAnswer = Path("loaded.txt");
    Trigger("Open1");
    EXPECT_EQ(form->sequencer().currentRow(), 0u);
    EXPECT_EQ(form->sequencer().stepCountdown(), running); // not reloaded
    EXPECT_TRUE(form->sequencer().stepTimerOn());
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{PatternCommand("0000000000000001")});

    // The running count finishes on the loaded first row; then the second row follows.
    for (long tick = 1; tick < running; ++tick) {
        form->Timer1Timer();
    }
    EXPECT_EQ(form->sequencer().currentRow(), 0u);
    form->Timer1Timer();
    EXPECT_EQ(form->sequencer().currentRow(), 1u);
    EXPECT_EQ(system.TakeCommands(), std::vector<std::string>{PatternCommand("0000000000000010")});
}

} // namespace
} // namespace ui::testing
