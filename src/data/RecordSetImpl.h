#pragma once

#include "data/Filter.h"
#include "data/RecordSet.h"
#include "data/Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pondus {

namespace data {
class DetailLink;
}

// A value looked up elsewhere for a row of the set.
using FieldLookup = std::function<data::Value(const RecordSet::Impl& set, uint32_t row)>;

// One field of a record set: a column of its rows, or a looked-up value.
struct FieldBinding {
    std::string name;
    data::FieldType type = data::FieldType::Text;
    size_t column = 0;
    FieldLookup lookup;
};

// The state behind a RecordSet: its rows, the filtered view of them, the
// position, and the detail sets that follow it.
class RecordSet::Impl {
public:
    explicit Impl(std::string name);
    ~Impl();

    std::string name;
    bool open = false;
    std::vector<FieldBinding> fields;
    std::shared_ptr<const data::Table> table;
    std::vector<uint32_t> scope;   // the rows of the set before the filter
    std::vector<uint32_t> visible; // the rows the filter keeps
    size_t position = 0;
    bool atEnd = true;
    std::string filterText;
    bool filtered = false;
    std::string orderedBy; // the column the statement ends ordering by, if any
    std::vector<Impl*> details;
    std::unique_ptr<data::DetailLink> link; // set on a detail set

    void requireOpen() const;
    size_t fieldIndex(std::string_view field) const;
    // The field's value in the current record; NULL when the set is empty.
    const data::Value& value(size_t field) const;

    // Opens the set on these rows: filter applied, first record, details following.
    void show(std::shared_ptr<const data::Table> rows, std::vector<uint32_t> rowsInScope);
    void moveTo(size_t newPosition);
    void applyFilter();
    // Applies a changed filter: a detail set fetches its rows again, since
    // what it holds may have been narrowed by the old filter already.
    void refresh();
    // Closes the set and every detail set that follows it.
    void close();

private:
    struct CompiledFilter {
        size_t field;
        data::Comparison comparison;
        data::Operand operand;
    };
    CompiledFilter compileFilter() const;

    mutable data::Value m_lookedUp;
};

} // namespace pondus
