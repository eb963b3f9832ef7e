#include "data/Query.h"

#include "base/Error.h"
#include "base/Text.h"

#include <regex>

namespace pondus::data {

namespace {

std::vector<FieldBinding> bindFields(const std::vector<Column>& columns,
                                     const std::vector<FieldDeclaration>& fields,
                                     const std::string& setName) {
    std::vector<FieldBinding> bindings;
    if (fields.empty()) {
        for (size_t i = 0; i < columns.size(); ++i)
            bindings.push_back({columns[i].name, columns[i].type, i, {}});
        return bindings;
    }
    for (const FieldDeclaration& field : fields) {
        if (field.lookup) {
            bindings.push_back({field.name, field.type, 0, field.lookup});
            continue;
        }
        size_t column = 0;
        while (column < columns.size() && !equalsNoCase(columns[column].name, field.name))
            ++column;
        if (column == columns.size())
            throw Error(setName + ": Field '" + field.name + "' not found");
        bindings.push_back({field.name, field.type, column, {}});
    }
    return bindings;
}

std::vector<uint32_t> allRows(const Table& table) {
    std::vector<uint32_t> rows(table.rowCount());
    for (uint32_t i = 0; i < rows.size(); ++i)
        rows[i] = i;
    return rows;
}

// The column a statement ends by ordering on ("Order By M_PluLinkID"), if any.
std::string orderingColumn(const std::string& sql) {
    static const std::regex ordering("order\\s+by\\s+([A-Za-z_][A-Za-z0-9_$]*)\\s*$",
                                     std::regex::icase);
    std::smatch match;
    return std::regex_search(sql, match, ordering) ? match[1].str() : std::string();
}

// The batch statement with " AND condition" at the marked place, or without.
std::string withCondition(const std::string& ranged, const std::string& condition) {
    std::string sql = ranged;
    size_t mark = sql.find('\x01');
    sql.replace(mark, 1, condition.empty() ? std::string() : " AND " + condition);
    return sql;
}

bool isIdentifier(const std::string& name) {
    static const std::regex identifier("[A-Za-z_][A-Za-z0-9_$]*");
    return std::regex_match(name, identifier);
}

std::shared_ptr<Table> emptyTable(const Statement& statement) {
    auto table = std::make_shared<Table>();
    table->columns = statement.columns();
    return table;
}

} // namespace

void openQuery(RecordSet& set, Connection& connection, const std::string& sql,
               const std::vector<FieldDeclaration>& fields) {
    RecordSet::Impl& impl = set.impl();
    PositionalSql positional = toPositionalParameters(sql);
    std::unique_ptr<Statement> statement = connection.prepare(positional.sql);
    impl.fields = bindFields(statement->columns(), fields, impl.name);
    auto table = emptyTable(*statement);
    statement->run(std::vector<Parameter>(statement->parameterCount()), table->cells);
    std::vector<uint32_t> rows = allRows(*table);
    impl.orderedBy = orderingColumn(sql);
    impl.show(std::move(table), std::move(rows));
}

void openDetailQuery(RecordSet& set, Connection& connection, const std::string& sql,
                     const std::vector<FieldDeclaration>& fields, RecordSet& master,
                     size_t keysPerFetch) {
    RecordSet::Impl& detail = set.impl();
    RecordSet::Impl& masterImpl = master.impl();
    masterImpl.requireOpen();
    auto link =
        std::make_unique<DetailLink>(detail, masterImpl, connection, sql, fields, keysPerFetch);
    detail.link = std::move(link);
    detail.open = true;
    masterImpl.details.push_back(&detail);
    try {
        detail.link->follow();
    } catch (...) {
        detail.close();
        std::erase(masterImpl.details, &detail);
        throw;
    }
}

// The rows fetched for a run of master records, by the key's comparison form.
struct DetailLink::Batch {
    std::optional<Condition> condition;
    std::shared_ptr<const Table> table;
    std::unordered_map<std::string, std::vector<uint32_t>> rowsByKey;
};

DetailLink::DetailLink(RecordSet::Impl& detail, RecordSet::Impl& master, Connection& connection,
                       const std::string& sql, const std::vector<FieldDeclaration>& fields,
                       size_t keysPerFetch)
    : m_detail(detail), m_master(master), m_connection(connection) {
    if (keysPerFetch > 1 && prepareBatched(sql, fields, keysPerFetch))
        return;
    PositionalSql positional = toPositionalParameters(sql);
    m_statement = connection.prepare(positional.sql);
    m_detail.fields = bindFields(m_statement->columns(), fields, m_detail.name);
    for (const std::string& name : positional.names)
        m_masterFields.push_back(m_master.fieldIndex(name));
}

DetailLink::~DetailLink() = default;

bool DetailLink::prepareBatched(const std::string& sql, const std::vector<FieldDeclaration>& fields,
                                size_t keysPerFetch) {
    // Rows of one record must be found by the key alone: no OR around it.
    static const std::regex anyOr("\\bor\\b", std::regex::icase);
    PositionalSql positional = toPositionalParameters(sql);
    if (positional.names.size() != 1 || !equalsNoCase(m_master.orderedBy, positional.names[0]) ||
        std::regex_search(sql, anyOr))
        return false;
    std::string pattern;
    for (char c : positional.names[0])
        pattern += c == '$' ? std::string("\\$") : std::string(1, c);
    std::regex comparison("([A-Za-z_][A-Za-z0-9_$]*)\\s*=\\s*:" + pattern + "\\b");
    std::smatch match;
    if (!std::regex_search(sql, match, comparison))
        return false;
    std::string keyColumn = match[1];
    m_rangedSql = toPositionalParameters(match.prefix().str()).sql + keyColumn +
                  " BETWEEN ? AND ?\x01" + toPositionalParameters(match.suffix().str()).sql;
    auto statement = m_connection.prepare(withCondition(m_rangedSql, ""));
    const std::vector<Column>& columns = statement->columns();
    size_t column = 0;
    while (column < columns.size() && !equalsNoCase(columns[column].name, keyColumn))
        ++column;
    if (column == columns.size() || columns[column].type == FieldType::Float ||
        columns[column].type == FieldType::DateTime)
        return false;
    size_t masterField = m_master.fieldIndex(positional.names[0]);
    if (m_master.fields[masterField].lookup)
        return false;
    m_statement = std::move(statement);
    m_detail.fields = bindFields(columns, fields, m_detail.name);
    m_masterFields.push_back(masterField);
    m_keyColumn = column;
    m_keysPerFetch = keysPerFetch;
    return true;
}

std::vector<Parameter> DetailLink::masterParameters() const {
    std::vector<Parameter> parameters;
    for (size_t field : m_masterFields) {
        const Value& value = m_master.value(field);
        parameters.push_back(isNullValue(value) ? Parameter() : Parameter(valueAsText(value)));
    }
    return parameters;
}

void DetailLink::follow() {
    if (m_keysPerFetch > 1)
        followBatched();
    else
        followOneByOne();
}

void DetailLink::followOneByOne() {
    auto table = emptyTable(*m_statement);
    m_statement->run(masterParameters(), table->cells);
    std::vector<uint32_t> rows = allRows(*table);
    m_detail.show(std::move(table), std::move(rows));
}

void DetailLink::followBatched() {
    Parameter key = masterParameters().front();
    if (!key) {
        m_detail.show(emptyTable(*m_statement), {});
        return;
    }
    std::string form = m_connection.comparisonForm(*key);
    std::optional<Condition> condition = filterCondition();
    if (!m_batch || m_batch->condition != condition || !m_batch->rowsByKey.contains(form))
        fetchBatchFrom(m_master.position, condition);
    m_detail.show(m_batch->table, m_batch->rowsByKey.at(form));
}

std::optional<DetailLink::Condition> DetailLink::filterCondition() const {
    if (!m_detail.filtered)
        return std::nullopt;
    auto filter = parseFilterText(m_detail.filterText);
    if (!filter || filter->comparison != Comparison::Equal)
        return std::nullopt;
    for (const FieldBinding& field : m_detail.fields)
        if (equalsNoCase(field.name, filter->field) && !field.lookup && isIdentifier(field.name) &&
            (field.type == FieldType::Text || field.type == FieldType::FixedText))
            return Condition{field.name, field.type == FieldType::FixedText, filter->value};
    return std::nullopt;
}

// The batch statement for the condition; null when the database does not take it.
Statement* DetailLink::batchStatement(const std::optional<Condition>& condition) {
    if (!condition)
        return m_statement.get();
    std::string sql = withCondition(
        m_rangedSql, m_connection.textEquality(condition->column, condition->fixedText));
    auto [entry, added] = m_conditionStatements.try_emplace(sql);
    if (added) {
        try {
            entry->second = m_connection.prepare(sql);
        } catch (const Error&) {
            entry->second.reset();
        }
    }
    return entry->second.get();
}

// Fetches the rows for the keys of the master's visible records from
// masterPosition on, up to keysPerFetch different keys. The master is ordered
// by its key, so those keys run from the first to the last of them in the
// database's own order; rows of keys in that range that the master does not
// show are dropped.
void DetailLink::fetchBatchFrom(size_t masterPosition, std::optional<Condition> condition) {
    Statement* statement = batchStatement(condition);
    if (!statement) {
        condition.reset();
        statement = m_statement.get();
    }
    auto batch = std::make_unique<Batch>();
    batch->condition = condition;
    std::vector<Parameter> range;
    const std::vector<uint32_t>& masterRows = m_master.visible;
    const FieldBinding& keyField = m_master.fields[m_masterFields.front()];
    size_t keys = 0;
    for (size_t i = masterPosition; i < masterRows.size() && keys < m_keysPerFetch; ++i) {
        const Value& value = m_master.table->at(masterRows[i], keyField.column);
        if (isNullValue(value))
            continue;
        std::string key = valueAsText(value);
        if (batch->rowsByKey.try_emplace(m_connection.comparisonForm(key)).second)
            ++keys;
        if (range.empty())
            range.emplace_back(key);
        if (range.size() < 2)
            range.emplace_back(key);
        else
            range[1] = std::move(key);
    }
    auto table = emptyTable(*statement);
    if (condition) {
        range.emplace_back(condition->value);
        try {
            statement->run(range, table->cells);
        } catch (const Error&) {
            // A value the column cannot hold: fetch without the condition.
            range.pop_back();
            batch->condition.reset();
            table = emptyTable(*m_statement);
            m_statement->run(range, table->cells);
        }
    } else {
        statement->run(range, table->cells);
    }
    for (uint32_t row = 0; row < table->rowCount(); ++row) {
        const Value& value = table->at(row, m_keyColumn);
        if (isNullValue(value))
            continue;
        auto entry = batch->rowsByKey.find(m_connection.comparisonForm(valueAsText(value)));
        if (entry != batch->rowsByKey.end())
            entry->second.push_back(row);
    }
    batch->table = std::move(table);
    m_batch = std::move(batch);
}

} // namespace pondus::data
