#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace pondus {

// A scale file or list file, recreated empty when opened. Every line is ended
// by CR LF and flushed at once, so that the file always ends with a whole line.
// A file that cannot be created or written fails with the file system's error;
// the lines written before stay in it.
class OutputFile {
public:
    // name: as typed in a file field or read from the settings.
    explicit OutputFile(const std::string& name);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void writeLine(std::string_view line);
    void close();

private:
    std::string m_name;
    std::FILE* m_file = nullptr;
};

} // namespace pondus
