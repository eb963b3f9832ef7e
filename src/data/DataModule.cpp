#include "data/DataModule.h"

#include "base/Error.h"
#include "base/Text.h"
#include "data/Alias.h"
#include "data/Query.h"
#include "data/StoreQueries.h"
#include "platform/Paths.h"
#include "shell/Frontend.h"

#include <fstream>
#include <functional>

namespace pondus {

TdmScale* dmScale = nullptr;

namespace {

// The folder in which the defaults table is looked for: the working folder
// until an instance for "TILLV8_ERR" sets the app folder.
std::string defaultsTableFolder;

} // namespace

class TdmScale::Impl {
public:
    Impl(const std::string& folder, Frontend& errors) : appFolder(folder), frontend(errors) {}

    std::string appFolder;
    Frontend& frontend;
    std::unique_ptr<data::Connection> pos;
    std::unique_ptr<data::Connection> kelp;
    std::unique_ptr<data::Connection> v8;
    RecordSet tblStock{"tblStock"};
    RecordSet tblPriceLevel{"tblPriceLevel"};
    RecordSet tblStockPrice{"tblStockPrice"};
    RecordSet qryWeight{"qryWeight"};
    RecordSet tblStockKelp{"tblStockKelp"};
    RecordSet tblMenuGroup{"tblMenuGroup"};
    RecordSet tblStockV8{"tblStockV8"};
    RecordSet tblPriceLevelV8{"tblPriceLevelV8"};
    RecordSet tblStockPriceV8{"tblStockPriceV8"};
    RecordSet qryWeightV8{"qryWeightV8"};

    void open(const std::string& source) {
        if (source == "KELP_ERR") {
            openKelp();
        } else if (source == "TILLV8_ERR") {
            defaultsTableFolder = appFolder;
            openDefaultsTable();
        } else if (source == "KELP") {
            if (aliasKnown(appFolder, "POSAPP"))
                openPos();
            openKelp();
        } else if (source == "MARTEN POS V8") {
            if (aliasKnown(appFolder, "POSAPP"))
                openPos();
            openV8();
        } else {
            openPos();
        }
    }

    void release() {
        close(pos, {&tblStock, &tblPriceLevel});
        close(v8, {&tblStockV8, &tblPriceLevelV8});
        close(kelp, {&tblStockKelp, &tblMenuGroup});
        if (fileExists(joinName(appFolder, "Default.db")))
            openDefaultsTable();
    }

private:
    // Reports what fails; the sets after the failing step stay closed.
    void openStep(const std::function<void()>& step) {
        try {
            step();
        } catch (const Error& error) {
            reportError(frontend, error.what());
        }
    }

    void openPos() {
        openStep([this] {
            pos = data::connectAlias(appFolder, "POSAPP");
            data::openQuery(tblStock, *pos, data::stockSql, {});
            data::openQuery(tblPriceLevel, *pos, data::priceLevelSql, data::priceLevelFields);
            data::openDetailQuery(tblStockPrice, *pos, data::stockPriceSql,
                                  data::stockPriceFields(tblStock), tblStock);
            data::openDetailQuery(qryWeight, *pos, data::weightSql, data::weightFields, tblStock);
        });
    }

    void openKelp() {
        openStep([this] {
            kelp = data::connectAlias(appFolder, "KelpMas");
            data::openQuery(tblStockKelp, *kelp, data::stockKelpSql, {});
            data::openQuery(tblMenuGroup, *kelp, data::menuGroupSql, data::menuGroupFields);
        });
    }

    void openV8() {
        openStep([this] {
            v8 = data::connectAlias(appFolder, "MartenV8");
            data::openQuery(tblStockV8, *v8, data::stockV8Sql, {});
            data::openQuery(tblPriceLevelV8, *v8, data::priceLevelV8Sql, data::priceLevelV8Fields);
            data::openDetailQuery(tblStockPriceV8, *v8, data::stockPriceV8Sql,
                                  data::stockPriceV8Fields, tblStockV8);
            data::openDetailQuery(qryWeightV8, *v8, data::weightV8Sql, data::weightV8Fields,
                                  tblStockV8);
        });
    }

    // The local table DEFAULT.DB: only opened, never read.
    void openDefaultsTable() {
        std::string name = defaultsTableFolder.empty()
                               ? std::string("DEFAULT.DB")
                               : joinName(defaultsTableFolder, "DEFAULT.DB");
        std::ifstream table(resolveName(name), std::ios::binary);
        if (!table)
            reportError(frontend, "Cannot open the defaults table " + name);
    }

    // Closing a connection closes its sets (and their detail sets) first.
    static void close(std::unique_ptr<data::Connection>& connection,
                      std::initializer_list<RecordSet*> sets) {
        for (RecordSet* set : sets)
            set->impl().close();
        connection.reset();
    }
};

TdmScale::TdmScale(const std::string& source, const std::string& appFolder, Frontend& frontend)
    : m_impl(std::make_unique<Impl>(appFolder, frontend)) {
    m_impl->open(source);
}

TdmScale::~TdmScale() {
    m_impl->release();
}

RecordSet& TdmScale::tblStock() {
    return m_impl->tblStock;
}
RecordSet& TdmScale::tblPriceLevel() {
    return m_impl->tblPriceLevel;
}
RecordSet& TdmScale::tblStockPrice() {
    return m_impl->tblStockPrice;
}
RecordSet& TdmScale::qryWeight() {
    return m_impl->qryWeight;
}
RecordSet& TdmScale::tblStockKelp() {
    return m_impl->tblStockKelp;
}
RecordSet& TdmScale::tblMenuGroup() {
    return m_impl->tblMenuGroup;
}
RecordSet& TdmScale::tblStockV8() {
    return m_impl->tblStockV8;
}
RecordSet& TdmScale::tblPriceLevelV8() {
    return m_impl->tblPriceLevelV8;
}
RecordSet& TdmScale::tblStockPriceV8() {
    return m_impl->tblStockPriceV8;
}
RecordSet& TdmScale::qryWeightV8() {
    return m_impl->qryWeightV8;
}

std::string priceLevelFilter(std::string_view code) {
    std::string filter = "M_LEVEL = '";
    for (char c : code) {
        filter += c;
        if (c == '\'')
            filter += '\'';
    }
    return filter + "'";
}

void applyStartupPriceLevel(TdmScale& data, const std::string& code) {
    if (!data.tblPriceLevel().locate("M_Code", code))
        return;
    data.tblStockPrice().setFilterText(priceLevelFilter(code));
    data.tblStockPrice().setFiltered(true);
}

} // namespace pondus
