#include "ui/art/art.h"

#include <QFile>

namespace ui::art {

namespace {

// The pictures are kept as JFIF files, as the window design carries them, and decoded here.
QImage LoadLamp(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return DecodeJpeg(file.readAll());
}

} // namespace

QImage GreenLamp() {
    return LoadLamp(QStringLiteral(":/lamps/green.jpg"));
}

QImage RedLamp() {
    return LoadLamp(QStringLiteral(":/lamps/red.jpg"));
}

} // namespace ui::art
