#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pondus {

class IniFile;

// The two files the View Log action shows, named as the app folder, "\" and the
// value of the target model's section, joined as they are.
struct ScaleLogNames {
    std::string logFile;      // TARGET_LOG_FILE
    std::string sentDataFile; // TARGET_FILE_2
};

ScaleLogNames scaleLogNames(const IniFile& settings, const std::string& target,
                            const std::string& appFolder);

// The viewer's lines: the sent-data file, one empty line, then the log file when
// that exists; else the sent-data file and one empty line; nothing when neither
// file exists. A file that cannot be read fails with a file error.
std::optional<std::vector<std::string>> collectScaleLog(const ScaleLogNames& names);

// The error message when neither file exists.
std::string scaleLogNotFoundText(const ScaleLogNames& names);

// The lines of a text file: a line ends at LF or CR LF, the byte 1A ends the text.
std::vector<std::string> readTextLines(const std::string& name);

} // namespace pondus
