#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace ui::art {

// Decodes a baseline JFIF image with libjpeg itself; a null image when the data is not one.
QImage DecodeJpeg(const QByteArray& jfif);

// The two 32 x 33 lamp pictures shipped as JFIF resources, decoded at run time.
QImage GreenLamp();
QImage RedLamp();

// The face of a picture button: the word in yellow capitals on a grey textured field between
// yellow-and-black diagonal stripes, at the given size (173 x 33 for START/STOP, 115 x 21 else).
QPixmap PictureButtonFace(const QString& word, QSize size);

// The program's icon (48 x 48 and 128 x 128).
QIcon ProgramIcon();

// The decorative chart backdrop behind the relay buttons: a plain grid, nothing plotted.
class PerformanceGraph : public QWidget {
    Q_OBJECT
public:
    explicit PerformanceGraph(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui::art
