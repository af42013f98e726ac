#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace sequencer {

// Why a save or an open failed, in words for the user: the file and the system's reason.
struct FileProblem {
    QString message;
};

// Writes the steps to path through a temporary file beside it, moved over the target only
// when every byte was written; on failure the target is left as it was.
std::optional<FileProblem> SaveSequence(const QString& path, const std::vector<std::string>& steps);

// Reads the whole file before anything else changes; nothing is returned on failure.
struct LoadedSequence {
    std::vector<std::string> steps;
    std::optional<FileProblem> problem;
};
LoadedSequence LoadSequence(const QString& path);

} // namespace sequencer
