#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pondus {

// One sectioned key-value file (ScaleB.ini, Scale.ini, Setup.ini, Register.ini,
// Alias.ini). Sections and keys match without regard to letter case. Every read
// takes the file as it is on disk at that moment; every store reaches the disk
// at once, by writing a new file beside the old one and renaming it over it, so
// that a failed store never leaves a half-written file.
class IniFile {
public:
    // The longest value a read returns; longer values are cut.
    static constexpr size_t MaxValueLength = 2047;

    explicit IniFile(std::filesystem::path path);
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    const std::filesystem::path& path() const { return m_path; }

    // Text: trimmed of blanks, one pair of enclosing double or single quotes
    // removed. A missing file, section or key gives the default; a key with an
    // empty value gives the empty text.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Whole number read directly: decimal, or hexadecimal after "0x"; anything
    // that is not a whole number gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Yes/no: a whole number, 0 is no and any other number yes.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // Whole number (text): read as text with the default text, then converted;
    // fails with "'%s' is not a valid integer value".
    int readWholeNumberText(std::string_view section, std::string_view key,
                            std::string_view defaultText) const;

    bool sectionExists(std::string_view section) const;
    std::vector<std::string> sectionNames() const;

    // Stores fail with "Unable to write to %s" naming the file.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    // Makes every stored value durable on disk.
    void flush();

private:
    struct Lines;
    Lines& load() const;

    std::filesystem::path m_path;
    mutable std::unique_ptr<Lines> m_cache;
};

} // namespace pondus
