#include "ui/tform1.h"

#include "board/board_command.h"
#include "sequence/sequence_file.h"
#include "sequencer/sequence_store.h"
#include "ui/step_grid.h"
#include "ui/step_list_model.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <exception>
#include <optional>
#include <utility>

namespace ui {

namespace {

QString FromBytes(const std::string& text) {
    return QString::fromStdString(text);
}

// Selector entries end in an ordinal byte that runs on through the whole 8-bit character
// set, so they are shown byte for byte.
QString EntryText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void RunTimer(QTimer* timer, bool on) {
    if (on && !timer->isActive()) {
        timer->start();
    } else if (!on) {
        timer->stop();
    }
}

} // namespace

TForm1::TForm1(board::SerialSystem& system, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), portHandling_(system),
      sequencer_(portHandling_, *this) {
    BuildControls();
    built_ = true;
    portHandling_.SetStatusHandler(
        [this](const board::BoardStatus& status) { ShowStatus(status); });
    Guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    // The port handling outlives the controls' owner only briefly; it must not reach them.
    portHandling_.SetStatusHandler({});
    built_ = false;
}

template <typename Handler> void TForm1::Guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ReportError(QString());
    }
}

void TForm1::ReportError(const QString& message) {
    // The error box keeps events flowing, so the timers can fail again while it is open; one
    // box at a time keeps the nested boxes from piling up without end.
    if (showingError_) {
        return;
    }
    showingError_ = true;
    try {
        dialogs_.ShowError(message);
    } catch (...) {
    }
    showingError_ = false;
}

// --- start-up and shut-down ---

void TForm1::FormCreate() {
    for (int relay = 1; relay <= 16; ++relay) {
        ShowLamp(relay, false);
    }
    setWindowTitle(QStringLiteral("New.txt"));
    RunTimer(Timer1, false);
    Edit2->setText(FromBytes(sequencer_.patternField()));
    RunTimer(Timer2, false);
    RowCountChanged(sequencer_.rowCount());
    // The delay field shows the only step's delay from the start, not its design text, so the
    // first edit does not rewrite the default step with another delay. Nothing is sent.
    sequencer_.LoadEditingState(0);

    entries_ = portHandling_.ScanPorts();
    ComboBox1->clear();
    for (const board::SelectorEntry& entry : entries_) {
        ComboBox1->addItem(EntryText(entry.text));
    }
    if (!entries_.empty()) {
        ComboBox1->setCurrentIndex(0);
    }
    // Panel1 follows through the status handler.
    portHandling_.OpenStartupPort();
}

void TForm1::FormClose() {
    portHandling_.Send(board::kAllOffCommand);
    portHandling_.ClosePort();
}

void TForm1::closeEvent(QCloseEvent* event) {
    Guarded([this] { FormClose(); });
    event->accept();
}

// --- relay panel ---

void TForm1::RelayButtonClick(int relay) {
    Guarded([this, relay] { sequencer_.ToggleRelay(relay); });
}

void TForm1::Button4Click() {
    RelayButtonClick(1);
}
void TForm1::Button5Click() {
    RelayButtonClick(2);
}
void TForm1::Button6Click() {
    RelayButtonClick(3);
}
void TForm1::Button3Click() {
    RelayButtonClick(4);
}
void TForm1::Button7Click() {
    RelayButtonClick(5);
}
void TForm1::Button8Click() {
    RelayButtonClick(6);
}
void TForm1::Button9Click() {
    RelayButtonClick(7);
}
void TForm1::Button10Click() {
    RelayButtonClick(8);
}
void TForm1::Button19Click() {
    RelayButtonClick(9);
}
void TForm1::Button18Click() {
    RelayButtonClick(10);
}
void TForm1::Button16Click() {
    RelayButtonClick(11);
}
void TForm1::Button17Click() {
    RelayButtonClick(12);
}
void TForm1::Button15Click() {
    RelayButtonClick(13);
}
void TForm1::Button14Click() {
    RelayButtonClick(14);
}
void TForm1::Button13Click() {
    RelayButtonClick(15);
}
void TForm1::Button12Click() {
    RelayButtonClick(16);
}

// --- list, delay field and playback ---

void TForm1::SpeedButton1Click() {
    Guarded([this] { sequencer_.Start(); });
}

void TForm1::SpeedButton2Click() {
    Guarded([this] { sequencer_.Stop(); });
}

void TForm1::SpeedButton3Click() {
    Guarded([this] { sequencer_.Add(); });
}

void TForm1::SpeedButton4Click() {
    Guarded([this] { sequencer_.Clear(); });
}

void TForm1::SpeedButton5Click() {
    Guarded([this] { sequencer_.Remove(); });
}

void TForm1::StringGrid1Click(int row) {
    Guarded([this, row] { sequencer_.ClickRow(static_cast<std::size_t>(row)); });
}

void TForm1::StringGrid1SelectCell(int row) {
    Guarded([this, row] { sequencer_.SetCurrentRow(static_cast<std::size_t>(row)); });
}

void TForm1::Edit1Change(const QString& text) {
    Guarded([this, &text] { sequencer_.SetDelayField(text.toStdString()); });
}

void TForm1::UpDown1Click(int direction) {
    Guarded([this, direction] { sequencer_.StepDelay(direction); });
}

void TForm1::Timer1Timer() {
    Guarded([this] { sequencer_.StepTick(); });
}

void TForm1::Timer2Timer() {
    Guarded([this] { sequencer_.SecondsTick(); });
}

void TForm1::CheckBox1Click(bool checked) {
    Guarded([this, checked] { sequencer_.SetRepeat(checked); });
}

// --- port selector ---

void TForm1::ComboBox1Change(int index) {
    Guarded([this, index] {
        if (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) {
            portHandling_.ComboBox1Change(entries_[static_cast<std::size_t>(index)]);
        }
    });
}

void TForm1::ShowStatus(const board::BoardStatus& status) {
    if (!built_) {
        return;
    }
    Panel1->setText(QString::fromStdString(status.text()));
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(status.rgb()));
    Panel1->setPalette(palette);
}

// --- menu ---

void TForm1::New1Click() {
    Guarded([this] {
        sequencer_.New();
        setWindowTitle(QStringLiteral("New.txt"));
    });
}

void TForm1::Open1Click() {
    Guarded([this] {
        const std::optional<QString> chosen = dialogs_.AskOpenFileName(lastOpenName_);
        if (!chosen) {
            return;
        }
        lastOpenName_ = *chosen;
        // The whole file is read before the list changes, so a failed open costs nothing.
        sequencer::LoadedSequence loaded = sequencer::LoadSequence(*chosen);
        if (loaded.problem) {
            dialogs_.ShowFileProblem(QStringLiteral("Open"), loaded.problem->message);
            return;
        }
        setWindowTitle(*chosen);
        sequencer_.ReplaceSteps(std::move(loaded.steps));
    });
}

void TForm1::Save1Click() {
    Guarded([this] {
        const std::optional<QString> chosen = dialogs_.AskSaveFileName(QStringLiteral("New"));
        if (!chosen) {
            return;
        }
        const QString path =
            QString::fromStdString(sequence::SequenceFilePath(chosen->toStdString()));
        if (const auto problem = sequencer::SaveSequence(path, sequencer_.steps().rows())) {
            dialogs_.ShowFileProblem(QStringLiteral("Save"), problem->message);
            return;
        }
        setWindowTitle(*chosen);
    });
}

void TForm1::Close1Click() {
    Guarded([this] { close(); });
}

void TForm1::Aboutus2Click() {}

// --- what the sequencer reports ---

void TForm1::RowCountChanged(std::size_t count) {
    if (!built_) {
        return;
    }
    StringGrid1->WithoutEcho([this, count] { stepModel_->SetRowCount(static_cast<int>(count)); });
    StringGrid1->ShowCurrentRow(static_cast<int>(sequencer_.currentRow()));
}

void TForm1::RowTextChanged(std::size_t row) {
    if (built_) {
        stepModel_->RowChanged(static_cast<int>(row));
    }
}

void TForm1::AllRowsChanged() {
    if (built_) {
        stepModel_->AllRowsChanged();
    }
}

void TForm1::CurrentRowChanged(std::size_t row) {
    if (built_) {
        StringGrid1->ShowCurrentRow(static_cast<int>(row));
    }
}

void TForm1::RelayButtonMoved(int relay, int top) {
    if (built_ && relay >= 1 && relay <= 16) {
        QPushButton* button = relayButtons_[static_cast<std::size_t>(relay - 1)];
        button->move(button->x(), top);
    }
}

void TForm1::LampChanged(int relay, bool green) {
    if (built_) {
        ShowLamp(relay, green);
    }
}

void TForm1::ShowLamp(int relay, bool green) {
    if (relay >= 1 && relay <= 16) {
        lamps_[static_cast<std::size_t>(relay - 1)]->setPixmap((green ? Image1 : Image2)->pixmap());
    }
}

void TForm1::PatternFieldChanged(const std::string& text) {
    if (built_) {
        Edit2->setText(FromBytes(text));
    }
}

void TForm1::DelayFieldChanged(const std::string& text) {
    if (!built_) {
        return;
    }
    // While the user types, the field already holds the text; setting it again would move
    // the cursor to the end.
    const QString shown = FromBytes(text);
    if (Edit1->text() != shown) {
        Edit1->setText(shown);
    }
}

void TForm1::CountdownTextChanged(const std::string& text) {
    if (built_) {
        Label4->setText(FromBytes(text));
        Label4->adjustSize();
    }
}

void TForm1::SecondsTextChanged(const std::string& text) {
    if (built_) {
        Label2->setText(FromBytes(text));
        Label2->adjustSize();
    }
}

void TForm1::TimersChanged(bool stepTimerOn, bool secondsTimerOn) {
    if (built_) {
        RunTimer(Timer1, stepTimerOn);
        RunTimer(Timer2, secondsTimerOn);
    }
}

} // namespace ui
