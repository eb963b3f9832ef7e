#pragma once

#include "data/Driver.h"

#include <memory>
#include <string>

// The database aliases: sections of Alias.ini in the app folder.
//
//   [POSAPP]
//   DRIVER=SQLITE            ; or FIREBIRD
//   DATABASE=Data\Pos\tillv10.db
//   CHARSET=NONE             ; Firebird only
//   USER=SYSDBA              ; optional
//   PASSWORD=...             ; optional
namespace pondus::data {

// The settings of the alias; fails with an Error naming the alias when
// Alias.ini does not define it or names no database or an unknown driver.
ConnectionSettings readAlias(const std::string& appFolder, const std::string& alias);

// Opens the alias's database read-only.
std::unique_ptr<Connection> connectAlias(const std::string& appFolder, const std::string& alias);

} // namespace pondus::data
