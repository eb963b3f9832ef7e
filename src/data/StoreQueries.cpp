#include "data/StoreQueries.h"

#include "data/RecordSetImpl.h"
#include "data/Value.h"

#include <memory>
#include <unordered_map>

namespace pondus::data {

namespace {

std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

} // namespace

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
namespace {

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

} // namespace

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

} // namespace pondus::data
