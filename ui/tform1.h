#pragma once

#include "board/port_handling.h"
#include "sequencer/sequencer.h"
#include "sequencer/view.h"
#include "ui/dialogs.h"

#include <QMainWindow>

#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimer;
class QToolButton;

namespace ui {

class StepGrid;
class StepListModel;
class UpDown;

// The program's one window. Its controls show the sequencer's state and forward the user's
// actions to it; the port handling behind it talks to the board. Every handler catches at
// its edge, so an error ends that handler only and is shown in the error box.
class TForm1 : public QMainWindow, private sequencer::View {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 809;
    static constexpr int kClientHeight = 529;
    static constexpr int kLeft = 285;
    static constexpr int kTop = 125;

    TForm1(board::SerialSystem& system, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    sequencer::Sequencer& sequencer() { return sequencer_; }
    const sequencer::Sequencer& sequencer() const { return sequencer_; }
    board::PortHandling& portHandling() { return portHandling_; }
    const std::vector<board::SelectorEntry>& selectorEntries() const { return entries_; }
    Dialogs& dialogs() { return dialogs_; }

    // --- handlers ---
    void FormCreate();
    void FormClose();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button18Click();
    void Button19Click();
    void SpeedButton1Click();            // Start
    void SpeedButton2Click();            // Stop
    void SpeedButton3Click();            // Add
    void SpeedButton4Click();            // Clear
    void SpeedButton5Click();            // Remove
    void StringGrid1Click(int row);      // a mouse click on a row
    void StringGrid1SelectCell(int row); // a keyboard move to a row
    void Edit1Change(const QString& text);
    void UpDown1Click(int direction);
    void ComboBox1Change(int index);
    void CheckBox1Click(bool checked);
    void New1Click();
    void Open1Click();
    void Save1Click();
    void Close1Click();
    void Aboutus2Click();
    void Timer1Timer();
    void Timer2Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // sequencer::View
    void RowCountChanged(std::size_t count) override;
    void RowTextChanged(std::size_t row) override;
    void AllRowsChanged() override;
    void CurrentRowChanged(std::size_t row) override;
    void RelayButtonMoved(int relay, int top) override;
    void LampChanged(int relay, bool green) override;
    void PatternFieldChanged(const std::string& text) override;
    void DelayFieldChanged(const std::string& text) override;
    void CountdownTextChanged(const std::string& text) override;
    void SecondsTextChanged(const std::string& text) override;
    void TimersChanged(bool stepTimerOn, bool secondsTimerOn) override;

    // built in tform1_layout.cpp
    void BuildControls();
    void BuildRelayPanel(QWidget* client);
    void BuildEditingControls(QWidget* client);
    void BuildDisplays(QWidget* client);
    void BuildPortControls(QWidget* client);
    void BuildMenu();
    void BuildTimers();

    // The shared routine behind the sixteen relay buttons.
    void RelayButtonClick(int relay);
    void ShowStatus(const board::BoardStatus& status);
    void ShowLamp(int relay, bool green);
    template <typename Handler> void Guarded(Handler&& handler);
    void ReportError(const QString& message);

    Dialogs& dialogs_;
    board::PortHandling portHandling_;
    sequencer::Sequencer sequencer_;
    std::vector<board::SelectorEntry> entries_;
    bool built_ = false;
    bool showingError_ = false;
    QString lastOpenName_; // the open dialog starts with the name chosen last time

    // The controls, named as the user-visible design names them.
    std::array<QLabel*, 16> lamps_{};             // Image3..Image18, by relay
    std::array<QPushButton*, 16> relayButtons_{}; // by relay
    QLabel* Image1 = nullptr;                     // the green lamp, hidden
    QLabel* Image2 = nullptr;                     // the red lamp, hidden
    QWidget* PerformanceGraph1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    StepGrid* StringGrid1 = nullptr;
    StepListModel* stepModel_ = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};

} // namespace ui
