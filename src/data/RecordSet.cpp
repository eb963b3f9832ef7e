#include "data/RecordSet.h"

#include "base/Error.h"
#include "base/Text.h"
#include "data/Query.h"
#include "data/RecordSetImpl.h"

#include <limits>

namespace pondus {

using data::Value;

namespace {

const Value nullValue;

std::string nullFieldMessage(const std::string& field, const char* kind) {
    return "Field '" + field + "' is NULL and cannot be read as " + kind;
}

void applyFilterOrSwitchOff(RecordSet::Impl& set) {
    try {
        set.refresh();
    } catch (const Error&) {
        set.filtered = false;
        set.refresh();
        throw;
    }
}

} // namespace

RecordSet::Impl::Impl(std::string setName) : name(std::move(setName)) {}
RecordSet::Impl::~Impl() = default;

void RecordSet::Impl::requireOpen() const {
    if (!open)
        throw Error("Cannot perform this operation on a closed dataset");
}

size_t RecordSet::Impl::fieldIndex(std::string_view field) const {
    for (size_t i = 0; i < fields.size(); ++i)
        if (equalsNoCase(fields[i].name, field))
            return i;
    throw Error(name + ": Field '" + std::string(field) + "' not found");
}

const Value& RecordSet::Impl::value(size_t field) const {
    if (visible.empty())
        return nullValue;
    uint32_t row = visible[position];
    const FieldBinding& binding = fields[field];
    if (binding.lookup) {
        m_lookedUp = binding.lookup(*this, row);
        return m_lookedUp;
    }
    return table->at(row, binding.column);
}

void RecordSet::Impl::show(std::shared_ptr<const data::Table> rows,
                           std::vector<uint32_t> rowsInScope) {
    table = std::move(rows);
    scope = std::move(rowsInScope);
    open = true;
    applyFilter();
}

void RecordSet::Impl::moveTo(size_t newPosition) {
    position = newPosition;
    atEnd = visible.empty();
    for (Impl* detail : details)
        if (detail->open && detail->link)
            detail->link->follow();
}

RecordSet::Impl::CompiledFilter RecordSet::Impl::compileFilter() const {
    auto parts = data::parseFilterText(filterText);
    std::string context = "Cannot apply the filter \"" + filterText + "\" to " + name + ": ";
    if (!parts)
        throw Error(context + "write it as a field name, one of = <> < <= > >= and a value in "
                              "single quotes");
    size_t field = fields.size();
    for (size_t i = 0; i < fields.size(); ++i)
        if (equalsNoCase(fields[i].name, parts->field))
            field = i;
    if (field == fields.size())
        throw Error(context + "there is no field " + parts->field);
    try {
        return {field, parts->comparison, data::makeOperand(fields[field].type, parts->value)};
    } catch (const Error& error) {
        throw Error(context + error.what());
    }
}

void RecordSet::Impl::applyFilter() {
    if (!filtered) {
        visible = scope;
    } else {
        CompiledFilter filter = compileFilter();
        visible.clear();
        const FieldBinding& binding = fields[filter.field];
        for (uint32_t row : scope) {
            const Value& stored = binding.lookup ? (m_lookedUp = binding.lookup(*this, row))
                                                 : table->at(row, binding.column);
            if (data::satisfies(stored, filter.comparison, filter.operand))
                visible.push_back(row);
        }
    }
    moveTo(0);
}

void RecordSet::Impl::refresh() {
    if (link)
        link->follow();
    else
        applyFilter();
}

void RecordSet::Impl::close() {
    for (Impl* detail : details)
        detail->close();
    open = false;
    link.reset();
    table.reset();
    scope.clear();
    visible.clear();
    position = 0;
    atEnd = true;
}

RecordSet::RecordSet(std::string name) : m_impl(std::make_unique<Impl>(std::move(name))) {}
RecordSet::~RecordSet() = default;

const std::string& RecordSet::name() const {
    return m_impl->name;
}
bool RecordSet::isOpen() const {
    return m_impl->open;
}

void RecordSet::first() {
    m_impl->requireOpen();
    m_impl->moveTo(0);
}

void RecordSet::next() {
    m_impl->requireOpen();
    if (m_impl->position + 1 < m_impl->visible.size())
        m_impl->moveTo(m_impl->position + 1);
    else
        m_impl->atEnd = true;
}

bool RecordSet::eof() const {
    m_impl->requireOpen();
    return m_impl->atEnd;
}

bool RecordSet::isEmpty() const {
    m_impl->requireOpen();
    return m_impl->visible.empty();
}

int RecordSet::recordCount() const {
    m_impl->requireOpen();
    return int(m_impl->visible.size());
}

bool RecordSet::isNull(std::string_view field) const {
    m_impl->requireOpen();
    return data::isNullValue(m_impl->value(m_impl->fieldIndex(field)));
}

std::string RecordSet::asText(std::string_view field) const {
    m_impl->requireOpen();
    size_t index = m_impl->fieldIndex(field);
    const Value& value = m_impl->value(index);
    if (data::isNullValue(value))
        throw Error(nullFieldMessage(m_impl->fields[index].name, "text"));
    return data::valueAsText(value);
}

int RecordSet::asInteger(std::string_view field) const {
    m_impl->requireOpen();
    size_t index = m_impl->fieldIndex(field);
    const Value& value = m_impl->value(index);
    if (data::isNullValue(value))
        throw Error(nullFieldMessage(m_impl->fields[index].name, "a whole number"));
    std::int64_t whole = data::valueAsInteger(value);
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        throw Error("'" + data::valueAsText(value) + "' is not a valid integer value");
    return int(whole);
}

double RecordSet::asFloat(std::string_view field) const {
    m_impl->requireOpen();
    size_t index = m_impl->fieldIndex(field);
    const Value& value = m_impl->value(index);
    if (data::isNullValue(value))
        throw Error(nullFieldMessage(m_impl->fields[index].name, "a number"));
    return data::valueAsFloat(value);
}

DateTime RecordSet::asDateTime(std::string_view field) const {
    m_impl->requireOpen();
    const Value& value = m_impl->value(m_impl->fieldIndex(field));
    return data::isNullValue(value) ? DateTime{} : data::valueAsDateTime(value);
}

// A filter that cannot be applied is switched off again, so that the set does
// not stay narrowed by a filter nobody can see.
void RecordSet::setFilterText(std::string text) {
    m_impl->filterText = std::move(text);
    if (m_impl->open && m_impl->filtered)
        applyFilterOrSwitchOff(*m_impl);
}

const std::string& RecordSet::filterText() const {
    return m_impl->filterText;
}

void RecordSet::setFiltered(bool on) {
    if (m_impl->filtered == on)
        return;
    m_impl->filtered = on;
    if (m_impl->open)
        applyFilterOrSwitchOff(*m_impl);
}

bool RecordSet::filtered() const {
    return m_impl->filtered;
}

bool RecordSet::locate(std::string_view field, std::string_view value) {
    m_impl->requireOpen();
    size_t index = m_impl->fieldIndex(field);
    data::Operand operand = data::makeOperand(m_impl->fields[index].type, value);
    const FieldBinding& binding = m_impl->fields[index];
    for (size_t i = 0; i < m_impl->visible.size(); ++i) {
        uint32_t row = m_impl->visible[i];
        Value stored =
            binding.lookup ? binding.lookup(*m_impl, row) : m_impl->table->at(row, binding.column);
        if (data::satisfies(stored, data::Comparison::Equal, operand)) {
            m_impl->moveTo(i);
            return true;
        }
    }
    return false;
}

} // namespace pondus
