#include "base/Error.h"
#include "data/Driver.h"
#include "data/FirebirdClient.h"

#include <cstring>
#include <ctime>

namespace pondus::data {

std::string firebirdMessage(const ISC_STATUS* status) {
    std::string message;
    char line[1024];
    const ISC_STATUS* cursor = status;
    while (fb_interpret(line, sizeof line, &cursor)) {
        if (!message.empty())
            message += '\n';
        message += line;
    }
    return message.empty() ? "Firebird error" : message;
}

void stopFirebirdAtExit() {
    struct Stopper {
        ~Stopper() { fb_shutdown(0, fb_shutrsn_app_stopped); }
    };
    static const Stopper stopper;
}

std::string firebirdAttachParameters(const std::string& user, const std::string& password,
                                     const std::string& charset) {
    std::string block(1, char(isc_dpb_version1));
    auto add = [&block](char tag, const std::string& value) {
        block += tag;
        block += char(value.size());
        block += value;
    };
    add(isc_dpb_user_name, user);
    add(isc_dpb_password, password);
    add(isc_dpb_lc_ctype, charset);
    add(isc_dpb_sql_dialect, std::string(1, char(SQL_DIALECT_V6)));
    return block;
}

namespace {

[[noreturn]] void fail(const ISC_STATUS* status) {
    throw Error(firebirdMessage(status));
}

// An XSQLDA with room for n variables.
class Descriptor {
public:
    explicit Descriptor(short n) { resize(n); }
    XSQLDA* get() { return reinterpret_cast<XSQLDA*>(m_storage.data()); }
    const XSQLDA* get() const { return reinterpret_cast<const XSQLDA*>(m_storage.data()); }
    void resize(short n) {
        m_storage.assign(XSQLDA_LENGTH(n < 1 ? 1 : n), 0);
        get()->version = SQLDA_VERSION1;
        get()->sqln = n < 1 ? 1 : n;
    }

private:
    std::vector<char> m_storage;
};

// A little-endian-agnostic copy of a typed value out of a buffer.
template <typename T> T load(const char* data) {
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

FieldType fieldTypeOf(const XSQLVAR& var) {
    switch (var.sqltype & ~1) {
    case SQL_TEXT:
        return FieldType::FixedText;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return var.sqlscale < 0 ? FieldType::Float : FieldType::Integer;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return FieldType::Float;
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
        return FieldType::DateTime;
    case SQL_BOOLEAN:
        return FieldType::Integer;
    default:
        return FieldType::Text;
    }
}

bool supportedType(int type) {
    switch (type) {
    case SQL_TEXT:
    case SQL_VARYING:
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_BLOB:
    case SQL_BOOLEAN:
    case SQL_NULL:
        return true;
    default:
        return false;
    }
}

DateTime fromTm(const std::tm& time, bool withDate) {
    if (!withDate)
        return {1899, 12, 30, time.tm_hour, time.tm_min, time.tm_sec};
    return {time.tm_year + 1900, time.tm_mon + 1, time.tm_mday,
            time.tm_hour,        time.tm_min,     time.tm_sec};
}

class FirebirdStatement : public Statement {
public:
    FirebirdStatement(isc_db_handle* db, isc_tr_handle* transaction, const std::string& sql)
        : m_db(db), m_transaction(transaction), m_output(20), m_input(4) {
        ISC_STATUS_ARRAY status;
        if (isc_dsql_allocate_statement(status, m_db, &m_statement))
            fail(status);
        try {
            describe(sql);
        } catch (...) {
            isc_dsql_free_statement(status, &m_statement, DSQL_drop);
            throw;
        }
    }

    ~FirebirdStatement() override {
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &m_statement, DSQL_drop);
    }

    const std::vector<Column>& columns() const override { return m_columns; }
    size_t parameterCount() const override { return size_t(m_input.get()->sqld); }

    void run(const std::vector<Parameter>& parameters, std::vector<Value>& cells) override {
        bindInput(parameters);
        ISC_STATUS_ARRAY status;
        closeCursor();
        if (isc_dsql_execute(status, m_transaction, &m_statement, 1, m_input.get()))
            fail(status);
        m_cursorOpen = true;
        ISC_STATUS fetched;
        while ((fetched = isc_dsql_fetch(status, &m_statement, 1, m_output.get())) == 0)
            for (short i = 0; i < m_output.get()->sqld; ++i)
                cells.push_back(cell(m_output.get()->sqlvar[i]));
        if (fetched != 100)
            fail(status);
        closeCursor();
    }

private:
    void describe(const std::string& sql) {
        ISC_STATUS_ARRAY status;
        if (isc_dsql_prepare(status, m_transaction, &m_statement, 0, sql.c_str(), SQL_DIALECT_V6,
                             m_output.get()))
            fail(status);
        if (m_output.get()->sqld > m_output.get()->sqln) {
            m_output.resize(m_output.get()->sqld);
            if (isc_dsql_describe(status, &m_statement, 1, m_output.get()))
                fail(status);
        }
        if (isc_dsql_describe_bind(status, &m_statement, 1, m_input.get()))
            fail(status);
        if (m_input.get()->sqld > m_input.get()->sqln) {
            m_input.resize(m_input.get()->sqld);
            if (isc_dsql_describe_bind(status, &m_statement, 1, m_input.get()))
                fail(status);
        }
        bindOutput();
    }

    void closeCursor() {
        if (!m_cursorOpen)
            return;
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &m_statement, DSQL_close);
        m_cursorOpen = false;
    }

    void bindOutput() {
        XSQLDA* output = m_output.get();
        m_buffers.resize(size_t(output->sqld));
        m_indicators.assign(size_t(output->sqld), 0);
        for (short i = 0; i < output->sqld; ++i) {
            XSQLVAR& var = output->sqlvar[i];
            if (!supportedType(var.sqltype & ~1)) {
                var.sqltype = SQL_VARYING | 1;
                var.sqllen = 64;
                var.sqlscale = 0;
            }
            size_t size = size_t(var.sqllen) + ((var.sqltype & ~1) == SQL_VARYING ? 2 : 0);
            m_buffers[size_t(i)].assign(size < 8 ? 8 : size, 0);
            var.sqldata = m_buffers[size_t(i)].data();
            var.sqltype |= 1;
            var.sqlind = &m_indicators[size_t(i)];
            m_columns.push_back(
                {std::string(var.aliasname, size_t(var.aliasname_length)), fieldTypeOf(var)});
        }
    }

    // Every parameter goes in as text; the engine converts it to the type it needs.
    void bindInput(const std::vector<Parameter>& parameters) {
        XSQLDA* input = m_input.get();
        if (parameters.size() != size_t(input->sqld))
            throw Error("The statement needs " + std::to_string(input->sqld) + " parameters, not " +
                        std::to_string(parameters.size()));
        m_inputIndicators.assign(parameters.size(), 0);
        for (size_t i = 0; i < parameters.size(); ++i) {
            XSQLVAR& var = input->sqlvar[i];
            int type = var.sqltype & ~1;
            if (type != SQL_TEXT && type != SQL_VARYING)
                var.sqlsubtype = 0;
            var.sqltype = SQL_TEXT | 1;
            var.sqlscale = 0;
            const Parameter& parameter = parameters[i];
            var.sqllen = parameter ? short(parameter->size()) : 0;
            var.sqldata = parameter ? const_cast<char*>(parameter->data()) : nullptr;
            m_inputIndicators[i] = parameter ? 0 : -1;
            var.sqlind = &m_inputIndicators[i];
        }
    }

    Value cell(const XSQLVAR& var) {
        if (*var.sqlind < 0)
            return {};
        const char* data = var.sqldata;
        switch (var.sqltype & ~1) {
        case SQL_TEXT:
            return std::string(data, size_t(var.sqllen));
        case SQL_VARYING:
            return std::string(data + 2, size_t(load<short>(data)));
        case SQL_SHORT:
            return scaled(load<short>(data), var.sqlscale);
        case SQL_LONG:
            return scaled(load<ISC_LONG>(data), var.sqlscale);
        case SQL_INT64:
            return scaled(load<ISC_INT64>(data), var.sqlscale);
        case SQL_FLOAT:
            return double(load<float>(data));
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
            return load<double>(data);
        case SQL_BOOLEAN:
            return std::int64_t(*data ? 1 : 0);
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP stamp = load<ISC_TIMESTAMP>(data);
            std::tm time{};
            isc_decode_timestamp(&stamp, &time);
            return fromTm(time, true);
        }
        case SQL_TYPE_DATE: {
            ISC_DATE date = load<ISC_DATE>(data);
            std::tm time{};
            isc_decode_sql_date(&date, &time);
            return fromTm(time, true);
        }
        case SQL_TYPE_TIME: {
            ISC_TIME clock = load<ISC_TIME>(data);
            std::tm time{};
            isc_decode_sql_time(&clock, &time);
            return fromTm(time, false);
        }
        case SQL_BLOB:
            return readBlob(load<ISC_QUAD>(data));
        default:
            return {};
        }
    }

    static Value scaled(std::int64_t value, short scale) {
        if (scale >= 0)
            return value;
        double result = double(value);
        for (short i = scale; i < 0; ++i)
            result /= 10;
        return result;
    }

    std::string readBlob(ISC_QUAD id) {
        ISC_STATUS_ARRAY status;
        isc_blob_handle blob = 0;
        if (isc_open_blob2(status, m_db, m_transaction, &blob, &id, 0, nullptr))
            fail(status);
        std::string bytes;
        char segment[8192];
        unsigned short length = 0;
        ISC_STATUS result;
        while ((result = isc_get_segment(status, &blob, &length, sizeof segment, segment)) == 0 ||
               status[1] == isc_segment)
            bytes.append(segment, length);
        bool failed = status[1] != isc_segstr_eof;
        std::string message = failed ? firebirdMessage(status) : std::string();
        isc_close_blob(status, &blob);
        if (failed)
            throw Error(message);
        return bytes;
    }

    isc_db_handle* m_db;
    isc_tr_handle* m_transaction;
    isc_stmt_handle m_statement = 0;
    bool m_cursorOpen = false;
    Descriptor m_output;
    Descriptor m_input;
    std::vector<std::vector<char>> m_buffers;
    std::vector<short> m_indicators;
    std::vector<short> m_inputIndicators;
    std::vector<Column> m_columns;
};

class FirebirdConnection : public Connection {
public:
    explicit FirebirdConnection(const ConnectionSettings& settings) {
        stopFirebirdAtExit();
        std::string parameters =
            firebirdAttachParameters(settings.user, settings.password, settings.charset);
        ISC_STATUS_ARRAY status;
        if (isc_attach_database(status, 0, settings.database.c_str(), &m_db,
                                short(parameters.size()), parameters.data()))
            throw Error("Cannot open the database " + settings.database + ": " +
                        firebirdMessage(status));
        // One read-only, read-committed transaction: every run sees what the
        // POS has committed by then, and nothing can be written.
        static const char transactionParameters[] = {isc_tpb_version3, isc_tpb_read,
                                                     isc_tpb_read_committed, isc_tpb_rec_version,
                                                     isc_tpb_nowait};
        if (isc_start_transaction(status, &m_transaction, 1, &m_db,
                                  short(sizeof transactionParameters), transactionParameters)) {
            std::string message = firebirdMessage(status);
            isc_detach_database(status, &m_db);
            throw Error(message);
        }
    }

    ~FirebirdConnection() override {
        ISC_STATUS_ARRAY status;
        isc_rollback_transaction(status, &m_transaction);
        isc_detach_database(status, &m_db);
    }

    std::unique_ptr<Statement> prepare(const std::string& sql) override {
        return std::make_unique<FirebirdStatement>(&m_db, &m_transaction, sql);
    }

    // Firebird's "=" ignores trailing blanks of every text.
    std::string textEquality(const std::string& column, bool) const override {
        return column + " = ?";
    }

    std::string comparisonForm(std::string_view text) const override {
        size_t end = text.find_last_not_of(' ');
        return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
    }

private:
    isc_db_handle m_db = 0;
    isc_tr_handle m_transaction = 0;
};

} // namespace

std::unique_ptr<Connection> openFirebird(const ConnectionSettings& settings) {
    return std::make_unique<FirebirdConnection>(settings);
}

} // namespace pondus::data
