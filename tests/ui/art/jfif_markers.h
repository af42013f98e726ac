#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <vector>

namespace art_test {

inline QByteArray ReadResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One marker segment of a JPEG stream before the entropy-coded data.
struct Segment {
    unsigned char marker = 0; // the byte after 0xFF
    qsizetype offset = 0;     // of the 0xFF
    qsizetype length = 0;     // the length field: payload plus its own two bytes
};

// Walks the segments from the one after SOI up to and including SOS. Stops early, leaving
// what it found, when the stream does not follow the marker syntax.
inline std::vector<Segment> HeaderSegments(const QByteArray& jpeg) {
    std::vector<Segment> segments;
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(jpeg[i]); };
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && byte(at) == 0xFF) {
        const Segment segment{byte(at + 1), at, byte(at + 2) * 256 + byte(at + 3)};
        segments.push_back(segment);
        if (segment.marker == 0xDA) {
            break;
        }
        at += 2 + segment.length;
    }
    return segments;
}

inline const QString kGreenLampPath = QStringLiteral(":/lamps/green.jpg");
inline const QString kRedLampPath = QStringLiteral(":/lamps/red.jpg");

} // namespace art_test
