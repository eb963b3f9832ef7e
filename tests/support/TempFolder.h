#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pondus::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }

    // Writes bytes to a file under the folder, creating its parent folders.
    std::filesystem::path write(std::string_view relative, std::string_view bytes) const;
    // The bytes of a file under the folder ("" when missing).
    std::string read(std::string_view relative) const;

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path& path);

} // namespace pondus::test
