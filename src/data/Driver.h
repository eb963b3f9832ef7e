#pragma once

#include "data/Value.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The database drivers behind the record sets: SQLite and Firebird, read only.
namespace pondus::data {

// A parameter value: a text, or NULL.
using Parameter = std::optional<std::string>;

// A prepared read-only statement whose parameters are marked with "?".
class Statement {
public:
    virtual ~Statement() = default;
    virtual const std::vector<Column>& columns() const = 0;
    virtual size_t parameterCount() const = 0;
    // Runs the statement and appends every row it gives to cells, column by column.
    virtual void run(const std::vector<Parameter>& parameters, std::vector<Value>& cells) = 0;
};

class Connection {
public:
    virtual ~Connection() = default;
    // Fails with the engine's message when the database rejects the statement.
    virtual std::unique_ptr<Statement> prepare(const std::string& sql) = 0;
    // The form in which two texts are equal for this engine's "=": Firebird
    // ignores trailing blanks, SQLite compares every byte.
    virtual std::string comparisonForm(std::string_view text) const = 0;
    // A condition with one "?" that keeps at least the rows whose text column
    // equals the value as a record-set filter compares them (fixed text
    // without trailing blanks).
    virtual std::string textEquality(const std::string& column, bool fixedText) const = 0;
};

struct ConnectionSettings {
    std::string driver;   // SQLITE or FIREBIRD
    std::string database; // a file name, or Firebird's attach string
    std::string charset;  // Firebird's connection character set
    std::string user;
    std::string password;
};

// Opens the database read-only; fails with an Error naming the database.
std::unique_ptr<Connection> openSqlite(const std::string& file);
std::unique_ptr<Connection> openFirebird(const ConnectionSettings& settings);

// A statement with named parameters (":M_PluLinkID") in the "?" form of the
// drivers, with the parameter names in order of appearance.
struct PositionalSql {
    std::string sql;
    std::vector<std::string> names;
};
PositionalSql toPositionalParameters(std::string_view sql);

} // namespace pondus::data
