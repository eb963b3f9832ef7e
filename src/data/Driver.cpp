#include "data/Driver.h"

namespace pondus::data {

namespace {

bool identifierStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool identifierPart(char c) {
    return identifierStart(c) || (c >= '0' && c <= '9') || c == '$';
}

} // namespace

PositionalSql toPositionalParameters(std::string_view sql) {
    PositionalSql result;
    char quote = 0;
    for (size_t i = 0; i < sql.size(); ++i) {
        char c = sql[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ':' && i + 1 < sql.size() && identifierStart(sql[i + 1])) {
            size_t end = i + 1;
            while (end < sql.size() && identifierPart(sql[end]))
                ++end;
            result.names.emplace_back(sql.substr(i + 1, end - i - 1));
            result.sql += '?';
            i = end - 1;
            continue;
        }
        result.sql += c;
    }
    return result;
}

} // namespace pondus::data
