// Every control where the design puts it, with its first text or state.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace ui::testing {
namespace {

constexpr QSize kAutoSized{-1, -1};

struct ControlCase {
    std::string name;
    const char* kind;
    const char* parent;
    QPoint position;
    QSize size; // kAutoSized: the label fits its text
    QString text;
    bool visible = true;
};

void PrintTo(const ControlCase& control, std::ostream* out) {
    *out << control.name;
}

std::vector<ControlCase> AllControls() {
    std::vector<ControlCase> cases;
    for (int relay = 1; relay <= 16; ++relay) {
        const int left = 32 + 48 * (relay - 1);
        cases.push_back(
            {"Image" + std::to_string(relay + 2), "QLabel", "ClientArea", {left, 0}, {33, 33}, ""});
        cases.push_back({kRelayButtonNames[static_cast<std::size_t>(relay - 1)],
                         "QPushButton",
                         "ClientArea",
                         {left, 160},
                         {41, 25},
                         QString::number(relay)});
    }
    const std::vector<ControlCase> others{
        {"Image1", "QLabel", "ClientArea", {0, 240}, {33, 33}, "", false},
        {"Image2", "QLabel", "ClientArea", {8, 409}, {33, 33}, "", false},
        {"PerformanceGraph1", "QWidget", "ClientArea", {16, 33}, {785, 161}, ""},
        {"SpeedButton3", "QToolButton", "ClientArea", {16, 200}, {129, 33}, ""},
        {"SpeedButton5", "QToolButton", "ClientArea", {152, 200}, {129, 33}, ""},
        {"SpeedButton4", "QToolButton", "ClientArea", {288, 200}, {129, 33}, ""},
        // The delay field shows the only step's delay from the start.
        {"Edit1", "QLineEdit", "ClientArea", {448, 204}, {93, 32}, "1"},
        {"UpDown1", "QWidget", "ClientArea", {541, 204}, {16, 32}, ""},
        {"Label3", "QLabel", "ClientArea", {460, 232}, kAutoSized, "Delay"},
        {"Label1", "QLabel", "ClientArea", {572, 208}, kAutoSized, "1 = approximate 50 ms"},
        {"StringGrid1", "QListView", "ClientArea", {16, 236}, {305, 253}, ""},
        {"GroupBox1", "QGroupBox", "ClientArea", {359, 252}, {180, 137}, "Current Time"},
        {"Label4", "QLabel", "GroupBox1", {11, 32}, kAutoSized, "0"},
        {"GroupBox2", "QGroupBox", "ClientArea", {576, 256}, {233, 133}, "Total Time (sec)"},
        {"Label2", "QLabel", "GroupBox2", {10, 32}, kAutoSized, "0"},
        {"SpeedButton1", "QToolButton", "ClientArea", {356, 392}, {185, 41}, ""},
        {"SpeedButton2", "QToolButton", "ClientArea", {356, 440}, {185, 41}, ""},
        {"ComboBox1", "QComboBox", "ClientArea", {576, 400}, {233, 32}, "ttyUSB0->Relay Boad 1"},
        {"CheckBox1", "QCheckBox", "ClientArea", {576, 438}, {89, 30}, "Repeat"},
        {"Panel1", "QLabel", "ClientArea", {0, 500}, {541, 29}, "USB Relay Board found"},
        {"Panel2", "QFrame", "ClientArea", {576, 472}, {233, 57}, ""},
        {"Edit2", "QLineEdit", "ClientArea", {4, 348}, {0, 32}, "0000000000000000", false},
    };
    cases.insert(cases.end(), others.begin(), others.end());
    return cases;
}

QString FirstText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        return box->title();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    return {};
}

class ControlLayoutTest : public WindowTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlLayoutTest, SitsWhereTheDesignPutsIt) {
    const ControlCase& expected = GetParam();
    auto* widget = Find<QWidget>(expected.name.c_str());
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->inherits(expected.kind)) << widget->metaObject()->className();
    ASSERT_NE(widget->parentWidget(), nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(expected.parent));
    EXPECT_EQ(widget->pos(), expected.position);
    if (expected.size == kAutoSized) {
        EXPECT_EQ(widget->size(), widget->sizeHint());
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << "runs out of its parent";
    } else {
        EXPECT_EQ(widget->size(), expected.size);
    }
    EXPECT_EQ(FirstText(widget), expected.text);
    EXPECT_EQ(widget->isVisible(), expected.visible);
}

INSTANTIATE_TEST_SUITE_P(Window, ControlLayoutTest, ::testing::ValuesIn(AllControls()),
                         [](const ::testing::TestParamInfo<ControlCase>& info) {
                             return info.param.name;
                         });

using WindowLayoutTest = WindowTest;

TEST_F(WindowLayoutTest, WindowHasFixedClientAreaCaptionAndPlace) {
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), "New.txt");
    EXPECT_EQ(form->centralWidget()->objectName(), "ClientArea");
    EXPECT_EQ(form->centralWidget()->size(), QSize(809, 529));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window must not be resizable";
    EXPECT_EQ(form->pos(), QPoint(285, 125));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->focusWidget(), Find<QWidget>("Edit1"));
}

TEST_F(WindowLayoutTest, StartsWithRedLampsOneDefaultStepAndTimersOff) {
    ASSERT_NE(Find<QLabel>("Image1")->pixmap().toImage(),
              Find<QLabel>("Image2")->pixmap().toImage());
    for (int relay = 1; relay <= 16; ++relay) {
        EXPECT_TRUE(LampIsRed(relay)) << "relay " << relay;
    }
    EXPECT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_EQ(Grid()->model()->index(0, 0).data().toString().toStdString(), kDefaultStep);
    EXPECT_EQ(ViewCurrentRow(), 0);
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1")->isChecked());
    for (const auto& [name, interval] : {std::pair{"Timer1", 50}, std::pair{"Timer2", 1000}}) {
        auto* timer = form->findChild<QTimer*>(QString::fromLatin1(name));
        ASSERT_NE(timer, nullptr) << name;
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
        EXPECT_FALSE(timer->isActive());
    }
}

TEST_F(WindowLayoutTest, RelayButtonsLieAboveTheChartBackdrop) {
    QWidget* client = form->centralWidget();
    for (int relay = 1; relay <= 16; ++relay) {
        QPushButton* button = RelayButton(relay);
        EXPECT_EQ(client->childAt(button->geometry().center()), button) << "relay " << relay;
        Click(button);
        EXPECT_EQ(client->childAt(button->geometry().center()), button) << "relay " << relay;
    }
}

TEST_F(WindowLayoutTest, PictureButtonsShowTheirFacesAtTheDesignSizes) {
    for (const auto& [name, face] :
         {std::pair{"SpeedButton1", QSize(173, 33)}, std::pair{"SpeedButton2", QSize(173, 33)},
          std::pair{"SpeedButton3", QSize(115, 21)}, std::pair{"SpeedButton4", QSize(115, 21)},
          std::pair{"SpeedButton5", QSize(115, 21)}}) {
        auto* button = Find<QToolButton>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->iconSize(), face) << name;
        EXPECT_FALSE(button->icon().pixmap(face).isNull()) << name;
    }
}

struct FontCase {
    const char* name;
    int pixelSize;
    bool bold;
    QColor text;       // invalid: not checked
    QColor background; // invalid: not checked
};

TEST_F(WindowLayoutTest, FontsAndColoursFollowTheDesign) {
    const QColor none;
    const FontCase cases[] = {
        {"Edit1", 20, true, QColor(0, 255, 0), QColor(0, 0, 0)},
        {"StringGrid1", 20, true, QColor(0, 255, 0), QColor(0, 0, 0)},
        {"Label4", 60, true, QColor(0x80, 0, 0x80), none},
        {"Label2", 60, true, QColor(255, 0, 0), none},
        {"ComboBox1", 20, false, none, none},
        {"CheckBox1", 20, false, none, none},
        {"Label1", 20, true, none, none},
        {"Button3", 20, true, none, none},
        {"Panel1", 20, true, none, QColor(0, 255, 0)},
    };
    for (const FontCase& expected : cases) {
        auto* widget = Find<QWidget>(expected.name);
        ASSERT_NE(widget, nullptr) << expected.name;
        EXPECT_EQ(widget->font().pixelSize(), expected.pixelSize) << expected.name;
        EXPECT_EQ(widget->font().bold(), expected.bold) << expected.name;
        if (expected.text.isValid()) {
            const QPalette::ColorRole role =
                qobject_cast<QLabel*>(widget) ? QPalette::WindowText : QPalette::Text;
            EXPECT_EQ(widget->palette().color(role), expected.text) << expected.name;
        }
        if (expected.background.isValid()) {
            const QPalette::ColorRole role =
                qobject_cast<QLabel*>(widget) ? QPalette::Window : QPalette::Base;
            EXPECT_EQ(widget->palette().color(role), expected.background) << expected.name;
        }
    }
    for (auto* line : Find<QWidget>("Panel2")->findChildren<QLabel*>()) {
        EXPECT_EQ(line->font().pixelSize(), 13);
        EXPECT_FALSE(line->text().isEmpty());
    }
    EXPECT_EQ(Find<QWidget>("Panel2")->findChildren<QLabel*>().size(), 2);
}

TEST_F(WindowLayoutTest, StepListHasOneColumnWiderThanItselfAndIsNotEditable) {
    QListView* grid = Grid();
    const QModelIndex first = grid->model()->index(0, 0);
    EXPECT_EQ(grid->model()->data(first, Qt::SizeHintRole).toSize().width(), 310);
    EXPECT_FALSE(grid->model()->flags(first).testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
}

TEST_F(WindowLayoutTest, MenuHoldsFileAndHelpEntries) {
    auto* bar = Find<QMenuBar>("MainMenu1");
    ASSERT_NE(bar, nullptr);
    QStringList seen;
    for (QAction* menu : bar->actions()) {
        QStringList entries;
        for (QAction* entry : menu->menu()->actions()) {
            entries.append(entry->text() + "=" + entry->objectName());
        }
        seen.append(menu->text() + ": " + entries.join(", "));
    }
    EXPECT_EQ(seen, QStringList({"File: New=New1, Open=Open1, Save=Save1, Close=Close1",
                                 "Help: About us=Aboutus2"}));
}

TEST_F(WindowLayoutTest, AboutUsChangesNothing) {
    Click(RelayButton(2));
    const std::string before = Row(0);
    form->findChild<QAction*>("Aboutus2")->trigger();
    EXPECT_EQ(Row(0), before);
    EXPECT_EQ(form->windowTitle(), "New.txt");
    EXPECT_TRUE(system.TakeLog().empty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(form->isVisible());
}

} // namespace
} // namespace ui::testing
