#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The window's fonts. The faces it was designed with are rarely installed outside Windows;
// then a bold sans face takes their place at the same pixel size, so the layout holds.
QFont DesignFont(const QString& family, int pixelSize, bool bold);

QFont FormFont();     // "MS Sans Serif", 20 px, bold: every control unless said otherwise
QFont DisplayFont();  // "Shruti", 60 px, bold: the countdown and the seconds
QFont SelectorFont(); // 20 px regular: the port selector and the Repeat box
QFont CreditFont();   // 13 px regular: the two credit lines

} // namespace ui
