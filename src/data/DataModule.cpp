#include "data/DataModule.h"

#include "base/Error.h"
#include "base/Text.h"
#include "data/Alias.h"
#include "data/Query.h"
#include "platform/Paths.h"
#include "shell/Frontend.h"

#include <fstream>
#include <functional>
#include <unordered_map>

namespace pondus {

using data::FieldDeclaration;
using data::FieldType;

TdmScale* dmScale = nullptr;

namespace {

// The folder in which the defaults table is looked for: the working folder
// until an instance for "TILLV8_ERR" sets the app folder.
std::string defaultsTableFolder;

std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

const std::string stockSql = joinLines({"Select", "*", "From", "Mas_Stock", "Where",
                                        "M_Type='PW' or M_Type='PP'", "Order By", "M_PluLinkID"});
const std::string priceLevelSql =
    joinLines({"Select", "*", "From Mas_PriceLevel", "Order By", "M_Code"});
const std::string stockPriceSql = joinLines(
    {"Select", "M_PluCode, M_Price, M_PluLinkID, M_Level,", "M_DateFrom, M_DateTo, M_DateActive, ",
     "M_TimeFrom, M_TimeTo, M_TimeActive,", "M_DiscPrice", "From", "Mas_Stock_Price", "Where",
     "(M_Qty = 1) and ", "(M_OfQty = 1) and", "(M_PluLinkID=:M_PluLinkID)"});
const std::string weightSql =
    joinLines({"Select", "* ", "From", "Mas_Stock_Weight", "Where", "M_PluLinkID=:M_PluLinkID"});
const std::string stockKelpSql = joinLines(
    {"Select", "*", "From", "Mas_Scan_Plu", "Where", "M_Scale = 'T'", "Order By", "M_Scan_Code"});
const std::string menuGroupSql =
    joinLines({"Select", "*", "From Mas_Menu_Group", "Order By", "M_Code"});
const std::string stockV8Sql =
    joinLines({"Select", "*", "From", "Mas_Stock", "Where",
               "M_Stock_Type='PW' or M_Stock_Type='PP'", "Order By", "M_Stock_ID"});
const std::string priceLevelV8Sql =
    joinLines({"Select", "*", "From Mas_Price_Level", "Order By", "M_Code"});
const std::string stockPriceV8Sql =
    joinLines({"Select", "M_Stock_Code, M_P_S1, M_Stock_ID, M_Price_Level", "From",
               "Mas_Stock_Price", "Where", "M_Stock_ID=:M_Stock_ID"});
const std::string weightV8Sql =
    joinLines({"Select", "* ", "From", "Mas_Stock_Scale", "Where", "M_Stock_ID=:M_Stock_ID"});

const std::vector<FieldDeclaration> priceLevelFields = {
    {"M_CODE", FieldType::FixedText}, {"M_DESC", FieldType::Text}, {"M_ODESC", FieldType::Text}};
const std::vector<FieldDeclaration> weightFields = {{"M_PLULINKID", FieldType::Text},
                                                    {"M_STATUS", FieldType::Text}};
const std::vector<FieldDeclaration> menuGroupFields = {{"M_CODE", FieldType::Text},
                                                       {"M_NAME", FieldType::Text}};
const std::vector<FieldDeclaration> priceLevelV8Fields = {
    {"M_CODE", FieldType::FixedText}, {"M_DESC", FieldType::Text}, {"M_DESC2", FieldType::Text}};
const std::vector<FieldDeclaration> stockPriceV8Fields = {{"M_STOCK_CODE", FieldType::Text},
                                                          {"M_P_S1", FieldType::Float},
                                                          {"M_STOCK_ID", FieldType::Text},
                                                          {"M_PRICE_LEVEL", FieldType::Text}};
const std::vector<FieldDeclaration> weightV8Fields = {{"M_STOCK_ID", FieldType::Text},
                                                      {"M_SALES_MODE", FieldType::FixedText},
                                                      {"M_SHELF_LIFE", FieldType::Integer},
                                                      {"M_DATE_FLAG", FieldType::FixedText}};

// The M_DESC of the stock record whose M_PLULINKID equals the price row's.
FieldLookup stockDescriptionLookup(RecordSet& stock) {
    struct Index {
        const data::Table* table = nullptr;
        std::unordered_map<std::string, uint32_t> rowByLink;
        size_t descColumn = 0;
    };
    auto index = std::make_shared<Index>();
    RecordSet::Impl* stockImpl = &stock.impl();
    return [index, stockImpl](const RecordSet::Impl& prices, uint32_t row) -> data::Value {
        if (!stockImpl->open)
            return {};
        if (index->table != stockImpl->table.get()) {
            index->table = stockImpl->table.get();
            index->rowByLink.clear();
            size_t link = stockImpl->fields[stockImpl->fieldIndex("M_PLULINKID")].column;
            index->descColumn = stockImpl->fields[stockImpl->fieldIndex("M_DESC")].column;
            for (uint32_t i = 0; i < index->table->rowCount(); ++i) {
                const data::Value& key = index->table->at(i, link);
                if (!data::isNullValue(key))
                    index->rowByLink.try_emplace(data::valueAsText(key), i);
            }
        }
        size_t linkColumn = prices.fields[prices.fieldIndex("M_PLULINKID")].column;
        const data::Value& link = prices.table->at(row, linkColumn);
        if (data::isNullValue(link))
            return {};
        auto found = index->rowByLink.find(data::valueAsText(link));
        if (found == index->rowByLink.end())
            return {};
        return index->table->at(found->second, index->descColumn);
    };
}

std::vector<FieldDeclaration> stockPriceFields(RecordSet& stock) {
    return {{"M_PLUCODE", FieldType::Text},
            {"Description", FieldType::Text, stockDescriptionLookup(stock)},
            {"M_PRICE", FieldType::Float},
            {"M_PLULINKID", FieldType::Text},
            {"M_LEVEL", FieldType::FixedText},
            {"M_DATEFROM", FieldType::DateTime},
            {"M_DATETO", FieldType::DateTime},
            {"M_DATEACTIVE", FieldType::FixedText},
            {"M_DISCPRICE", FieldType::Float},
            {"M_TIMEFROM", FieldType::DateTime},
            {"M_TIMETO", FieldType::DateTime},
            {"M_TIMEACTIVE", FieldType::FixedText}};
}

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
            data::openQuery(tblStock, *pos, stockSql, {});
            data::openQuery(tblPriceLevel, *pos, priceLevelSql, priceLevelFields);
            data::openDetailQuery(tblStockPrice, *pos, stockPriceSql, stockPriceFields(tblStock),
                                  tblStock);
            data::openDetailQuery(qryWeight, *pos, weightSql, weightFields, tblStock);
        });
    }

    void openKelp() {
        openStep([this] {
            kelp = data::connectAlias(appFolder, "KelpMas");
            data::openQuery(tblStockKelp, *kelp, stockKelpSql, {});
            data::openQuery(tblMenuGroup, *kelp, menuGroupSql, menuGroupFields);
        });
    }

    void openV8() {
        openStep([this] {
            v8 = data::connectAlias(appFolder, "MartenV8");
            data::openQuery(tblStockV8, *v8, stockV8Sql, {});
            data::openQuery(tblPriceLevelV8, *v8, priceLevelV8Sql, priceLevelV8Fields);
            data::openDetailQuery(tblStockPriceV8, *v8, stockPriceV8Sql, stockPriceV8Fields,
                                  tblStockV8);
            data::openDetailQuery(qryWeightV8, *v8, weightV8Sql, weightV8Fields, tblStockV8);
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
