#include "platform/Paths.h"

#include "base/Text.h"

#include <system_error>

namespace pondus {

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
// The entry of folder whose name equals part without regard to case; part
// itself when the folder has it exactly or has no such entry.
std::string matchEntry(const fs::path& folder, const std::string& part) {
    std::error_code error;
    if (part == "." || part == ".." || fs::exists(folder / part, error))
        return part;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
         !error && it != end; it.increment(error)) {
        std::string entry = it->path().filename().string();
        if (equalsNoCase(entry, part))
            return entry;
    }
    return part;
}
#endif

} // namespace

fs::path resolveName(std::string_view name) {
#ifdef _WIN32
    return fs::path(std::string(name));
#else
    std::string text(name);
    for (char& c : text)
        if (c == '\\')
            c = '/';
    fs::path result = startsWith(text, "/") ? fs::path("/") : fs::path();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('/', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            result /= matchEntry(result, text.substr(start, end - start));
        start = end + 1;
    }
    return result;
#endif
}

std::string joinName(std::string_view folder, std::string_view name) {
    return std::string(folder) + "\\" + std::string(name);
}

bool createFolders(std::string_view name) {
    std::error_code error;
    fs::path path = resolveName(name);
    fs::create_directories(path, error);
    return fs::is_directory(path, error);
}

bool fileExists(std::string_view name) {
    std::error_code error;
    return fs::is_regular_file(resolveName(name), error);
}

bool folderExists(std::string_view name) {
    std::error_code error;
    return fs::is_directory(resolveName(name), error);
}

} // namespace pondus
