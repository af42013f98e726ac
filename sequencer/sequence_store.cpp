#include "sequencer/sequence_store.h"

#include "sequence/sequence_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace sequencer {

namespace {
// Over twenty times the largest show anyone has asked for (100,000 steps, 3 MB).
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

FileProblem Problem(const QString& what, const QString& path, const QString& reason) {
    return {QStringLiteral("%1 \"%2\": %3").arg(what, path, reason)};
}
} // namespace

std::optional<FileProblem> SaveSequence(const QString& path,
                                        const std::vector<std::string>& steps) {
    const std::string bytes = sequence::EncodeSequenceFile(steps);
    QSaveFile file(path);
    const QString what = QStringLiteral("Could not save");
    if (!file.open(QIODevice::WriteOnly)) {
        return Problem(what, path, file.errorString());
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Problem(what, path, reason);
    }
    if (!file.commit()) {
        return Problem(what, path, file.errorString());
    }
    return std::nullopt;
}

LoadedSequence LoadSequence(const QString& path) {
    const QString what = QStringLiteral("Could not open");
    // A pipe or a device would block the window or never end; a show is a plain file of a
    // few megabytes at most.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return {{}, Problem(what, path, QStringLiteral("it is not a plain file"))};
    }
    if (info.size() > kMaxFileBytes) {
        return {{},
                Problem(what, path,
                        QStringLiteral("it is too large for a sequence (%1 bytes, at most %2)")
                            .arg(info.size())
                            .arg(kMaxFileBytes))};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, Problem(what, path, file.errorString())};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {{}, Problem(what, path, file.errorString())};
    }
    return {sequence::DecodeSequenceFile(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))),
            std::nullopt};
}

} // namespace sequencer
