#include "ui/window_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace ui {

namespace {

// Narrow faces first: the design fonts are compact, and the labels and the selector must
// keep their texts inside the fixed layout.
const QStringList& FallbackFamilies() {
    static const QStringList families{
        "Microsoft Sans Serif", "Liberation Sans Narrow", "Arial",
        "Liberation Sans",      "DejaVu Sans Condensed",  "DejaVu Sans"};
    return families;
}

QString InstalledFamily(const QString& wanted) {
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(wanted, Qt::CaseInsensitive)) {
        return wanted;
    }
    for (const QString& family : FallbackFamilies()) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return {};
}

// In the design's own face the label "1 = approximate 50 ms" is 212 pixels wide at 20 px
// bold. A stand-in face is narrowed until it fits that width too, so the selector entries and
// the labels keep to the space the layout gives them.
int StandInStretch(const QFont& standIn) {
    constexpr int kDesignWidth = 212;
    const QString sample = QStringLiteral("1 = approximate 50 ms");
    QFont probe = standIn;
    probe.setPixelSize(20);
    probe.setBold(true);
    for (const int stretch : {100, 94, 88, 82, 76}) {
        probe.setStretch(stretch);
        if (QFontMetrics(probe).horizontalAdvance(sample) <= kDesignWidth) {
            return stretch;
        }
    }
    return 76;
}

} // namespace

QFont DesignFont(const QString& family, int pixelSize, bool bold) {
    QFont font;
    const QString installed = InstalledFamily(family);
    if (installed.isEmpty()) {
        font.setStyleHint(QFont::SansSerif);
        font.setFamily(QStringLiteral("Sans Serif"));
    } else {
        font.setFamily(installed);
    }
    if (installed.compare(family, Qt::CaseInsensitive) != 0) {
        font.setStretch(StandInStretch(font));
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont FormFont() {
    return DesignFont(QStringLiteral("MS Sans Serif"), 20, true);
}

QFont DisplayFont() {
    return DesignFont(QStringLiteral("Shruti"), 60, true);
}

QFont SelectorFont() {
    return DesignFont(QStringLiteral("MS Sans Serif"), 20, false);
}

QFont CreditFont() {
    return DesignFont(QStringLiteral("MS Sans Serif"), 13, false);
}

} // namespace ui
