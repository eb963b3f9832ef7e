#include "data/Alias.h"
#include "data/Query.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using pondus::RecordSet;
using pondus::data::Connection;
using pondus::data::FieldType;
using pondus::test::Engine;
using pondus::test::StoreDatabase;
using pondus::test::TempFolder;

namespace {

// Detail rows fetched for many master records at once must be exactly what
// one statement per master record gives, whatever the batch size and the
// master's filter.
class DetailFollowTest : public testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        std::string sql;
        // Items I00..I11; item i has i % 4 price rows.
        for (int i = 0; i < 12; ++i) {
            char link[8];
            std::snprintf(link, sizeof link, "I%02d", i);
            sql += std::string("INSERT INTO Mas_Stock (M_PluLinkID, M_Type, M_Update) VALUES ('") +
                   link + "', 'PW', '2026-03-" + (i % 2 ? "01" : "02") + " 00:00:00');\n";
            for (int p = 0; p < i % 4; ++p)
                sql += std::string("INSERT INTO Mas_Stock_Price (M_PluLinkID, M_Level, M_Price, "
                                   "M_Qty, M_OfQty) VALUES ('") +
                       link + "', 'P" + std::to_string(p % 2 + 1) + "', " +
                       std::to_string(i * 10 + p) + ", 1, 1);\n";
        }
        db.exec(sql);
        connection = pondus::data::connectAlias(app.str(), "POSAPP");
    }

    // Walks the stock set and lists, for each record, the prices of its detail rows.
    std::vector<std::string> walk(size_t keysPerFetch, const std::string& stockFilter,
                                  const std::string& priceFilter) {
        RecordSet stock("tblStock");
        RecordSet prices("tblStockPrice");
        stock.setFilterText(stockFilter);
        stock.setFiltered(!stockFilter.empty());
        prices.setFilterText(priceFilter);
        prices.setFiltered(!priceFilter.empty());
        pondus::data::openQuery(stock, *connection, "Select * From Mas_Stock Order By M_PluLinkID",
                                {});
        pondus::data::openDetailQuery(prices, *connection,
                                      "Select M_PluLinkID, M_Price, M_Level From Mas_Stock_Price\n"
                                      "Where (M_Qty = 1) and (M_PluLinkID=:M_PluLinkID)",
                                      {{"M_PLULINKID", FieldType::Text},
                                       {"M_PRICE", FieldType::Float},
                                       {"M_LEVEL", FieldType::FixedText}},
                                      stock, keysPerFetch);
        std::vector<std::string> seen;
        for (stock.first(); !stock.eof(); stock.next()) {
            std::string line = stock.asText("M_PluLinkID") + ":";
            for (prices.first(); !prices.eof(); prices.next())
                line += " " + prices.asText("M_Price");
            seen.push_back(line + " (" + std::to_string(prices.recordCount()) + ")");
        }
        // Jumping back must find the rows again.
        if (stock.locate("M_PluLinkID", "I03"))
            seen.push_back("back to I03: " + std::to_string(prices.recordCount()));
        pondus::data::openQuery(stock, *connection, "Select * From Mas_Stock Where 1 = 0", {});
        return seen;
    }

    TempFolder app;
    StoreDatabase db{GetParam(), app.path()};
    std::unique_ptr<Connection> connection;
};

TEST_P(DetailFollowTest, BatchesGiveEachRecordExactlyItsOwnRows) {
    const std::vector<std::pair<std::string, std::string>> filters = {
        {"", ""},
        {"M_UPDATE = '01/03/2026'", ""},
        {"", "M_LEVEL = 'P1'"},
        {"M_UPDATE = '02/03/2026'", "M_LEVEL = 'P2'"},
    };
    for (const auto& [stockFilter, priceFilter] : filters) {
        std::vector<std::string> oneByOne = walk(1, stockFilter, priceFilter);
        ASSERT_FALSE(oneByOne.empty());
        for (size_t keys : {2u, 5u, 12u, 500u})
            EXPECT_EQ(walk(keys, stockFilter, priceFilter), oneByOne)
                << keys << " keys, filters " << stockFilter << " / " << priceFilter;
    }
    EXPECT_EQ(walk(3, "", "").front(), "I00: (0)");
    EXPECT_EQ(walk(3, "", "")[3], "I03: 30 31 32 (3)");
}

INSTANTIATE_TEST_SUITE_P(Engines, DetailFollowTest,
                         testing::Values(Engine::Sqlite, Engine::Firebird),
                         [](const auto& info) { return pondus::test::engineName(info.param); });

} // namespace
