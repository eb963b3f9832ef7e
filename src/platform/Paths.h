#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pondus {

// Turns a name from the settings, a default or a file field ("Scale\Cas\CasLink.exe",
// "/srv/pos\Log\Temp\SendPlu.txt") into a path on this machine. A backslash
// separates folders; a relative name is taken from the current folder. On a file
// system where letter case matters, each part matches an existing entry without
// regard to case; a part that does not exist yet is kept as spelled.
std::filesystem::path resolveName(std::string_view name);

// The app folder joined to a relative name with "\", as the program forms the
// names of its own files (app folder C:\Pos and "Log\Temp" give C:\Pos\Log\Temp).
std::string joinName(std::string_view folder, std::string_view name);

// Creates the folder with all missing parents; false when that fails.
bool createFolders(std::string_view name);

bool fileExists(std::string_view name);
bool folderExists(std::string_view name);

} // namespace pondus
