// Saves a picture of the whole X screen once something is drawn on it and the drawing has
// settled (two looks half a second apart agree).
// Usage: screen-grab OUTPUT.png [SECONDS]  (waits up to SECONDS, 15 by default)
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

// An empty screen is one colour all over.
bool ShowsSomething(const QImage& image) {
    if (image.isNull()) {
        return false;
    }
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            if (image.pixel(x, y) != first) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen-grab OUTPUT.png [SECONDS]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 15;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "no screen\n");
        return 1;
    }
    QElapsedTimer waited;
    waited.start();
    QImage previous;
    QImage picture = screen->grabWindow(0).toImage();
    while (!(ShowsSomething(picture) && picture == previous) &&
           waited.elapsed() < seconds * 1000LL) {
        QThread::msleep(500);
        previous = picture;
        picture = screen->grabWindow(0).toImage();
    }
    if (!ShowsSomething(picture)) {
        std::fprintf(stderr, "nothing appeared on the screen within %d s\n", seconds);
        return 1;
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
