#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sequence {

// The bytes of a sequence file, the same on every platform so files move between copies of
// the program: per step the first 28 characters of its row form (text + CR LF), then a line
// break, every LF written as CR LF. A normal step is its 27 characters, CR, CR, LF. A step
// too short to give 28 characters is written whole.
std::string EncodeSequenceFile(const std::vector<std::string>& steps);

// The steps a file holds, read line by line: every CR is dropped, each line gives one step of
// at most its first 27 characters, a NUL ends a line's text, empty lines are skipped, a last
// line without a line feed counts. A file with no steps gives the default step.
std::vector<std::string> DecodeSequenceFile(std::string_view bytes);

// The file Save writes for a chosen name: ".txt" appended unless it already ends in it
// (in any case).
std::string SequenceFilePath(const std::string& chosenName);

} // namespace sequence
