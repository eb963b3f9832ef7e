#include "data/Alias.h"

#include "base/Error.h"
#include "base/Text.h"
#include "data/DataModule.h"
#include "platform/Paths.h"
#include "settings/IniFile.h"

namespace pondus {

namespace {

// The user and password every connection uses unless its alias gives others.
constexpr const char* FixedUser = "SYSDBA";
constexpr const char* FixedPassword = "quillbint";

IniFile aliasFile(const std::string& appFolder) {
    return IniFile(resolveName(joinName(appFolder, "Alias.ini")));
}

bool isAbsoluteName(std::string_view name) {
    return startsWith(name, "/") || startsWith(name, "\\") || (name.size() >= 2 && name[1] == ':');
}

std::string localFile(const std::string& appFolder, const std::string& name) {
    return resolveName(isAbsoluteName(name) ? name : joinName(appFolder, name)).string();
}

// "host:path", "host/port:path" and "inet://..." reach a server; anything
// else is a file for the embedded engine.
bool isServerName(const std::string& name) {
    size_t colon = name.find(':');
    return colon != std::string::npos && colon > 1;
}

} // namespace

bool aliasKnown(const std::string& appFolder, const std::string& alias) {
    return !aliasFile(appFolder).readString(alias, "DRIVER", "").empty();
}

namespace data {

ConnectionSettings readAlias(const std::string& appFolder, const std::string& alias) {
    IniFile file = aliasFile(appFolder);
    ConnectionSettings settings;
    settings.driver = toUpperAscii(file.readString(alias, "DRIVER", ""));
    if (settings.driver.empty())
        throw Error("The database alias " + alias + " is not defined (no [" + alias +
                    "] section with a DRIVER in " + file.path().string() + ")");
    if (settings.driver != "SQLITE" && settings.driver != "FIREBIRD")
        throw Error("The database alias " + alias + " names the unknown DRIVER " + settings.driver +
                    " (SQLITE or FIREBIRD)");
    std::string database = file.readString(alias, "DATABASE", "");
    if (database.empty())
        throw Error("The database alias " + alias + " names no DATABASE in " +
                    file.path().string());
    bool server = settings.driver == "FIREBIRD" && isServerName(database);
    settings.database = server ? database : localFile(appFolder, database);
    settings.charset = file.readString(alias, "CHARSET", "");
    if (settings.charset.empty())
        settings.charset = "NONE";
    settings.user = file.readString(alias, "USER", "");
    if (settings.user.empty())
        settings.user = FixedUser;
    settings.password = file.readString(alias, "PASSWORD", "");
    if (settings.password.empty())
        settings.password = FixedPassword;
    return settings;
}

std::unique_ptr<Connection> connectAlias(const std::string& appFolder, const std::string& alias) {
    ConnectionSettings settings = readAlias(appFolder, alias);
    if (settings.driver == "SQLITE")
        return openSqlite(settings.database);
    return openFirebird(settings);
}

} // namespace data

} // namespace pondus
