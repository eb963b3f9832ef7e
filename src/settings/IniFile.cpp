#include "settings/IniFile.h"

#include "base/Error.h"
#include "base/Text.h"
#include "platform/Platform.h"

#include <fstream>
#include <sstream>

namespace pondus {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitLines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        size_t lineEnd = end;
        if (lineEnd > start && content[lineEnd - 1] == '\r')
            --lineEnd;
        lines.emplace_back(content, start, lineEnd - start);
        start = end + 1;
    }
    return lines;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string> sectionOf(const std::string& line) {
    std::string trimmed = trimBlanks(line);
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return std::nullopt;
    size_t close = trimmed.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return trimBlanks(std::string_view(trimmed).substr(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<std::string> keyOf(const std::string& line) {
    size_t equals = line.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return trimBlanks(std::string_view(line).substr(0, equals));
}

std::string valueOf(const std::string& line) {
    std::string value = trimBlanks(std::string_view(line).substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > IniFile::MaxValueLength)
        value.resize(IniFile::MaxValueLength);
    return value;
}

} // namespace

struct IniFile::Lines {
    FileStamp stamp;
    std::vector<std::string> lines;

    // Index of the first "[section]" line of that name, or npos.
    size_t findSection(std::string_view section) const {
        for (size_t i = 0; i < lines.size(); ++i) {
            auto name = sectionOf(lines[i]);
            if (name && equalsNoCase(*name, section))
                return i;
        }
        return std::string::npos;
    }

    // One past the last line of the section that starts at index.
    size_t sectionEnd(size_t index) const {
        size_t i = index + 1;
        while (i < lines.size() && !sectionOf(lines[i]))
            ++i;
        return i;
    }

    size_t findKey(size_t sectionIndex, std::string_view key) const {
        size_t end = sectionEnd(sectionIndex);
        for (size_t i = sectionIndex + 1; i < end; ++i) {
            auto name = keyOf(lines[i]);
            if (name && equalsNoCase(*name, key))
                return i;
        }
        return std::string::npos;
    }
};

IniFile::IniFile(fs::path path) : m_path(std::move(path)) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

IniFile::Lines& IniFile::load() const {
    FileStamp stamp = fileStamp(m_path);
    if (m_cache && m_cache->stamp == stamp)
        return *m_cache;
    auto fresh = std::make_unique<Lines>();
    fresh->stamp = stamp;
    if (stamp.exists) {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        fresh->lines = splitLines(content.str());
    }
    m_cache = std::move(fresh);
    return *m_cache;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const Lines& file = load();
    size_t sectionIndex = file.findSection(section);
    if (sectionIndex == std::string::npos)
        return std::string(defaultValue);
    size_t keyIndex = file.findKey(sectionIndex, key);
    if (keyIndex == std::string::npos)
        return std::string(defaultValue);
    return valueOf(file.lines[keyIndex]);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return parseWholeNumber(readString(section, key, "")).value_or(defaultValue);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

int IniFile::readWholeNumberText(std::string_view section, std::string_view key,
                                 std::string_view defaultText) const {
    return toWholeNumber(readString(section, key, defaultText));
}

bool IniFile::sectionExists(std::string_view section) const {
    return load().findSection(section) != std::string::npos;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const std::string& line : load().lines)
        if (auto name = sectionOf(line))
            names.push_back(*name);
    return names;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    auto hasLineBreak = [](std::string_view text) {
        return text.find_first_of("\r\n") != std::string_view::npos;
    };
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
        throw Error("Cannot store a line break in [" + std::string(section) + "] " +
                    std::string(key) + " of " + m_path.string());

    std::vector<std::string> lines = load().lines;
    std::string entry = std::string(key) + "=" + std::string(value);
    Lines view{{}, lines};
    size_t sectionIndex = view.findSection(section);
    if (sectionIndex == std::string::npos) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else if (size_t keyIndex = view.findKey(sectionIndex, key); keyIndex != std::string::npos) {
        lines[keyIndex] = entry;
    } else {
        // After the section's last non-empty line, so that a blank line that
        // separates it from the next section stays where it is.
        size_t insertAt = view.sectionEnd(sectionIndex);
        while (insertAt > sectionIndex + 1 && trimBlanks(lines[insertAt - 1]).empty())
            --insertAt;
        lines.insert(lines.begin() + long(insertAt), entry);
    }

    std::string content;
    for (const std::string& line : lines)
        content += line + "\r\n";

    // A file without write permission is read-only for everyone, root included,
    // as a read-only file is on the shops' PCs.
    std::error_code error;
    fs::file_status status = fs::status(m_path, error);
    bool readOnly =
        fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    if (readOnly || !replaceFileContent(m_path, content))
        throw Error("Unable to write to " + m_path.string());
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::flush() {
    // Every store is synced before it replaces the file; what is left to make
    // durable is the folder entry of the last switch.
    syncFolder(m_path.parent_path());
}

} // namespace pondus
