#include "exports/OutputFile.h"

#include "base/Error.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cstring>

namespace pondus {

namespace {

std::string fileError(const char* what, const std::string& name) {
    return std::string(what) + " \"" + name + "\". " + std::strerror(errno);
}

} // namespace

OutputFile::OutputFile(const std::string& name) : m_name(name) {
    if (name.empty())
        throw Error("Cannot create file \"\". No file name is given");
    m_file = std::fopen(resolveName(name).c_str(), "wb");
    if (!m_file)
        throw Error(fileError("Cannot create file", name));
}

OutputFile::~OutputFile() {
    if (m_file)
        std::fclose(m_file);
}

void OutputFile::writeLine(std::string_view line) {
    if (std::fwrite(line.data(), 1, line.size(), m_file) != line.size() ||
        std::fwrite("\r\n", 1, 2, m_file) != 2 || std::fflush(m_file) != 0)
        throw Error(fileError("Cannot write to file", m_name));
}

void OutputFile::close() {
    std::FILE* file = m_file;
    m_file = nullptr;
    if (file && std::fclose(file) != 0)
        throw Error(fileError("Cannot close file", m_name));
}

} // namespace pondus
