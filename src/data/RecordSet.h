#pragma once

#include "base/DateTime.h"

#include <memory>
#include <string>
#include <string_view>

namespace pondus {

// One read-only record set of the data module (tblStock, tblStockPrice, ...).
// Texts are the bytes the database holds. Every operation on a closed set but
// setting the filter fails with "Cannot perform this operation on a closed dataset".
class RecordSet {
public:
    class Impl;

    explicit RecordSet(std::string name);
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    const std::string& name() const;
    bool isOpen() const;

    void first();
    void next();
    bool eof() const;
    bool isEmpty() const;
    int recordCount() const;

    // Fields by name, without regard to letter case. An unknown field is an
    // error naming it; so is a NULL read as text, whole number or floating
    // point. A NULL date-time reads as the zero DateTime.
    bool isNull(std::string_view field) const;
    std::string asText(std::string_view field) const;
    int asInteger(std::string_view field) const;
    double asFloat(std::string_view field) const;
    DateTime asDateTime(std::string_view field) const;

    // The filter: an expression such as M_LEVEL = 'P1' or
    // M_UPDATE >= '01/03/2026', and its switch. A text that cannot be parsed
    // fails when the filter is switched on.
    void setFilterText(std::string text);
    const std::string& filterText() const;
    void setFiltered(bool on);
    bool filtered() const;

    // Moves to the first record whose field equals value; false when none does.
    bool locate(std::string_view field, std::string_view value);

    Impl& impl() { return *m_impl; }

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace pondus
