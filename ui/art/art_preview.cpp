// Writes every picture of the library as PNG into a folder, to look at the artwork without
// starting the program: art_preview <folder>.

#include "ui/art/art.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

struct Face {
    const char* word;
    QSize size;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const Face faces[] = {{"START", {173, 33}},
                          {"STOP", {173, 33}},
                          {"ADD", {115, 21}},
                          {"CLEAR", {115, 21}},
                          {"REMOVE", {115, 21}}};
    constexpr int kGap = 8;
    const QImage green = ui::art::GreenLamp();
    const QImage red = ui::art::RedLamp();
    // Everything side by side on one sheet, as well as one file per picture.
    QImage sheet(173 + 115 + 2 * green.width() + 4 * kGap, 3 * 33 + 4 * kGap, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter painter(&sheet);
    bool ok = true;
    int row = 0;
    for (const Face& face : faces) {
        const QPixmap pixmap =
            ui::art::PictureButtonFace(QString::fromLatin1(face.word), face.size);
        const QString name = QString::fromLatin1(face.word).toLower() + QStringLiteral(".png");
        ok &= pixmap.save(folder.filePath(name));
        const bool large = face.size.height() == 33;
        const int x = large ? kGap : 173 + 2 * kGap;
        painter.drawPixmap(x, kGap + (large ? row : row - 2) * (33 + kGap), pixmap);
        ++row;
    }
    const int lampsLeft = 173 + 115 + 3 * kGap;
    painter.drawImage(lampsLeft, kGap, green);
    painter.drawImage(lampsLeft + green.width() + kGap, kGap, red);
    painter.end();
    ok &= green.save(folder.filePath(QStringLiteral("lamp-green.png")));
    ok &= red.save(folder.filePath(QStringLiteral("lamp-red.png")));
    ok &= sheet.save(folder.filePath(QStringLiteral("sheet.png")));
    ok &= sheet.scaled(sheet.size() * 4).save(folder.filePath(QStringLiteral("sheet-x4.png")));

    const QIcon icon = ui::art::ProgramIcon();
    ok &= icon.pixmap(48, 48).save(folder.filePath(QStringLiteral("icon-48.png")));
    ok &= icon.pixmap(128, 128).save(folder.filePath(QStringLiteral("icon-128.png")));

    ui::art::PerformanceGraph graph;
    graph.resize(785, 161);
    ok &= graph.grab().save(folder.filePath(QStringLiteral("graph.png")));

    if (!ok) {
        std::fprintf(stderr, "some pictures could not be written\n");
    }
    return ok ? 0 : 1;
}
