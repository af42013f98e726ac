// Where every control of the window sits and how it looks.
#include "ui/tform1.h"

#include "ui/art/art.h"
#include "ui/step_grid.h"
#include "ui/step_list_model.h"
#include "ui/up_down.h"
#include "ui/window_fonts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace ui {

namespace {

constexpr QColor kLime{0x00, 0xff, 0x00};
constexpr QColor kBlack{0x00, 0x00, 0x00};
constexpr QColor kPurple{0x80, 0x00, 0x80};
constexpr QColor kRed{0xff, 0x00, 0x00};

constexpr int RelayLeft(int relay) {
    return 32 + 48 * (relay - 1);
}

// The buttons' names do not follow the relay numbers.
struct RelayButtonDesign {
    const char* name;
    void (TForm1::*click)();
};
constexpr std::array<RelayButtonDesign, 16> kRelayButtons{{
    {"Button4", &TForm1::Button4Click},
    {"Button5", &TForm1::Button5Click},
    {"Button6", &TForm1::Button6Click},
    {"Button3", &TForm1::Button3Click},
    {"Button7", &TForm1::Button7Click},
    {"Button8", &TForm1::Button8Click},
    {"Button9", &TForm1::Button9Click},
    {"Button10", &TForm1::Button10Click},
    {"Button19", &TForm1::Button19Click},
    {"Button18", &TForm1::Button18Click},
    {"Button16", &TForm1::Button16Click},
    {"Button17", &TForm1::Button17Click},
    {"Button15", &TForm1::Button15Click},
    {"Button14", &TForm1::Button14Click},
    {"Button13", &TForm1::Button13Click},
    {"Button12", &TForm1::Button12Click},
}};

template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// Labels size themselves to their text.
QLabel* AutoSizeLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

void SetColours(QWidget* widget, QColor text, QColor background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
}

void SetTextColour(QWidget* widget, QColor text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

QToolButton* PictureButton(QWidget* parent, const char* name, const QString& word,
                           const QRect& geometry, QSize face) {
    auto* button = Place(new QToolButton(parent), name, geometry);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIcon(QIcon(art::PictureButtonFace(word, face)));
    button->setIconSize(face);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

void TForm1::BuildControls() {
    setObjectName(QStringLiteral("Form1"));
    setFont(FormFont());
    setWindowIcon(art::ProgramIcon());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    // Creation order is stacking order: the chart backdrop lies under the relay buttons,
    // and the labels under the fields they touch.
    BuildRelayPanel(client);
    BuildEditingControls(client);
    BuildDisplays(client);
    BuildPortControls(client);
    BuildMenu();
    BuildTimers();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(kLeft, kTop);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TForm1::BuildRelayPanel(QWidget* client) {
    PerformanceGraph1 =
        Place(new art::PerformanceGraph(client), "PerformanceGraph1", QRect(16, 33, 785, 161));

    Image1 = Place(new QLabel(client), "Image1", QRect(0, 240, 33, 33));
    Image1->setPixmap(QPixmap::fromImage(art::GreenLamp()));
    Image1->hide();
    Image2 = Place(new QLabel(client), "Image2", QRect(8, 409, 33, 33));
    Image2->setPixmap(QPixmap::fromImage(art::RedLamp()));
    Image2->hide();

    for (int relay = 1; relay <= 16; ++relay) {
        const QByteArray lampName = "Image" + QByteArray::number(relay + 2);
        QLabel* lamp =
            Place(new QLabel(client), lampName.constData(), QRect(RelayLeft(relay), 0, 33, 33));
        lamp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lamps_[relay - 1] = lamp;

        const RelayButtonDesign& design = kRelayButtons[relay - 1];
        QPushButton* button = Place(new QPushButton(QString::number(relay), client), design.name,
                                    QRect(RelayLeft(relay), sequencer::kButtonTopOff, 41, 25));
        connect(button, &QPushButton::clicked, this, design.click);
        relayButtons_[relay - 1] = button;
    }
}

void TForm1::BuildEditingControls(QWidget* client) {
    SpeedButton3 = PictureButton(client, "SpeedButton3", QStringLiteral("ADD"),
                                 QRect(16, 200, 129, 33), QSize(115, 21));
    SpeedButton5 = PictureButton(client, "SpeedButton5", QStringLiteral("REMOVE"),
                                 QRect(152, 200, 129, 33), QSize(115, 21));
    SpeedButton4 = PictureButton(client, "SpeedButton4", QStringLiteral("CLEAR"),
                                 QRect(288, 200, 129, 33), QSize(115, 21));
    SpeedButton1 = PictureButton(client, "SpeedButton1", QStringLiteral("START"),
                                 QRect(356, 392, 185, 41), QSize(173, 33));
    SpeedButton2 = PictureButton(client, "SpeedButton2", QStringLiteral("STOP"),
                                 QRect(356, 440, 185, 41), QSize(173, 33));
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);

    Label3 = AutoSizeLabel(client, "Label3", QStringLiteral("Delay"), QPoint(460, 232));

    Edit1 = Place(new QLineEdit(client), "Edit1", QRect(448, 204, 93, 32));
    Edit1->setText(QString::fromStdString(sequencer_.delayField()));
    SetColours(Edit1, kLime, kBlack);
    connect(Edit1, &QLineEdit::textEdited, this, &TForm1::Edit1Change);

    UpDown1 = Place(new UpDown(client), "UpDown1", QRect(541, 204, 16, 32));
    connect(UpDown1, &UpDown::stepped, this, &TForm1::UpDown1Click);

    Label1 =
        AutoSizeLabel(client, "Label1", QStringLiteral("1 = approximate 50 ms"), QPoint(572, 208));

    StringGrid1 = Place(new StepGrid(client), "StringGrid1", QRect(16, 236, 305, 253));
    stepModel_ = new StepListModel(sequencer_, StringGrid1);
    StringGrid1->setModel(stepModel_);
    SetColours(StringGrid1, kLime, kBlack);
    StringGrid1->ShowCurrentRow(static_cast<int>(sequencer_.currentRow()));
    connect(StringGrid1, &StepGrid::rowClicked, this, &TForm1::StringGrid1Click);
    connect(StringGrid1, &StepGrid::rowMoved, this, &TForm1::StringGrid1SelectCell);

    Edit2 = Place(new QLineEdit(client), "Edit2", QRect(4, 348, 0, 32));
    Edit2->setReadOnly(true);
    Edit2->setText(QStringLiteral("0"));
    Edit2->hide();
}

void TForm1::BuildDisplays(QWidget* client) {
    GroupBox1 = Place(new QGroupBox(QStringLiteral("Current Time"), client), "GroupBox1",
                      QRect(359, 252, 180, 137));
    Label4 = AutoSizeLabel(GroupBox1, "Label4", QString::fromStdString(sequencer_.countdownText()),
                           QPoint(11, 32));
    Label4->setFont(DisplayFont());
    SetTextColour(Label4, kPurple);
    Label4->adjustSize();

    GroupBox2 = Place(new QGroupBox(QStringLiteral("Total Time (sec)"), client), "GroupBox2",
                      QRect(576, 256, 233, 133));
    Label2 = AutoSizeLabel(GroupBox2, "Label2", QString::fromStdString(sequencer_.secondsText()),
                           QPoint(10, 32));
    Label2->setFont(DisplayFont());
    SetTextColour(Label2, kRed);
    Label2->adjustSize();
}

void TForm1::BuildPortControls(QWidget* client) {
    ComboBox1 = Place(new QComboBox(client), "ComboBox1", QRect(576, 400, 233, 32));
    ComboBox1->setEditable(false);
    ComboBox1->setFont(SelectorFont());
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);

    CheckBox1 = Place(new QCheckBox(QStringLiteral("Repeat"), client), "CheckBox1",
                      QRect(576, 438, 89, 30));
    CheckBox1->setFont(SelectorFont());
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);

    Panel1 = Place(new QLabel(QStringLiteral("Status"), client), "Panel1", QRect(0, 500, 541, 29));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setAutoFillBackground(true);

    auto* credits = Place(new QFrame(client), "Panel2", QRect(576, 472, 233, 57));
    credits->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const QStringList lines{QStringLiteral("Relay Sequencer 1.0"),
                            QStringLiteral("for 16-relay USB boards")};
    for (int line = 0; line < lines.size(); ++line) {
        QLabel* text = AutoSizeLabel(credits, line == 0 ? "Credit1" : "Credit2", lines[line],
                                     QPoint(8, line == 0 ? 10 : 32));
        text->setFont(CreditFont());
        text->adjustSize();
    }
    Panel2 = credits;
}

void TForm1::BuildMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // Menus keep the system's own font, not the window's large one.
    MainMenu1->setFont(QFont());

    QMenu* file = MainMenu1->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    const auto addEntry = [this](QMenu* menu, const QString& text, const char* name,
                                 void (TForm1::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    addEntry(file, QStringLiteral("New"), "New1", &TForm1::New1Click);
    addEntry(file, QStringLiteral("Open"), "Open1", &TForm1::Open1Click);
    addEntry(file, QStringLiteral("Save"), "Save1", &TForm1::Save1Click);
    addEntry(file, QStringLiteral("Close"), "Close1", &TForm1::Close1Click);

    QMenu* help = MainMenu1->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    addEntry(help, QStringLiteral("About us"), "Aboutus2", &TForm1::Aboutus2Click);
}

void TForm1::BuildTimers() {
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    Timer2->setTimerType(Qt::PreciseTimer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
}

} // namespace ui
