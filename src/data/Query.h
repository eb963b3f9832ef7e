#pragma once

#include "data/Driver.h"
#include "data/RecordSet.h"
#include "data/RecordSetImpl.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Opening record sets on a connection: plain queries, and detail queries that
// follow the current record of a master set.
namespace pondus::data {

// A field a record set declares; a set that declares none offers every column.
// A declared field with a lookup is computed rather than read from a column.
struct FieldDeclaration {
    std::string name;
    FieldType type;
    FieldLookup lookup = {};
};

// How many master records a detail set fetches its rows for at once.
inline constexpr size_t DefaultKeysPerFetch = 1000;

// Runs the statement and opens the set on its rows, at its first record.
// Fails with the engine's message, or naming a declared field the rows lack.
void openQuery(RecordSet& set, Connection& connection, const std::string& sql,
               const std::vector<FieldDeclaration>& fields);

// Opens a detail set whose parameters take the fields of the same names in
// the master's current record. It holds that record's rows after every move
// of the master.
void openDetailQuery(RecordSet& set, Connection& connection, const std::string& sql,
                     const std::vector<FieldDeclaration>& fields, RecordSet& master,
                     size_t keysPerFetch = DefaultKeysPerFetch);

// Fetches the rows of a detail set for the master's current record.
//
// When the master's statement is ordered by the field the detail's only
// parameter takes, and the detail compares it in one place
// ("M_PluLinkID=:M_PluLinkID"), the rows of the next keysPerFetch master
// records are fetched with one statement ("M_PluLinkID BETWEEN ? AND ?", one
// index range in both engines) and kept by key, so that walking the master
// costs one statement per batch instead of one per record. Each record still
// gets exactly its own rows, in the order the statement gives them. Any other
// statement (one with OR, several parameters, ...) runs once per master record.
//
// A detail filter FIELD = 'value' on a text field also goes into the batch
// statement, in the engine's words for the same comparison, so that rows the
// filter drops (other price levels) are not fetched at all; the filter still
// applies to what arrives.
class DetailLink {
public:
    DetailLink(RecordSet::Impl& detail, RecordSet::Impl& master, Connection& connection,
               const std::string& sql, const std::vector<FieldDeclaration>& fields,
               size_t keysPerFetch);
    ~DetailLink();

    void follow();

private:
    struct Batch;
    // A filter condition the batch statement can carry: column = value.
    struct Condition {
        std::string column;
        bool fixedText = false;
        std::string value;
        bool operator==(const Condition&) const = default;
    };
    bool prepareBatched(const std::string& sql, const std::vector<FieldDeclaration>& fields,
                        size_t keysPerFetch);
    std::vector<Parameter> masterParameters() const;
    void followOneByOne();
    void followBatched();
    std::optional<Condition> filterCondition() const;
    Statement* batchStatement(const std::optional<Condition>& condition);
    void fetchBatchFrom(size_t masterPosition, std::optional<Condition> condition);

    RecordSet::Impl& m_detail;
    RecordSet::Impl& m_master;
    Connection& m_connection;
    std::unique_ptr<Statement> m_statement;
    std::vector<size_t> m_masterFields; // the master field of each parameter
    size_t m_keyColumn = 0;
    size_t m_keysPerFetch = 1;
    std::string m_rangedSql; // the batch statement, "?" marking where a condition goes
    std::unordered_map<std::string, std::unique_ptr<Statement>> m_conditionStatements;
    std::unique_ptr<Batch> m_batch;
};

} // namespace pondus::data
