#include "data/DataModule.h"

#include "base/Error.h"
#include "base/Text.h"
#include "support/RecordingFrontend.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using pondus::DateTime;
using pondus::Error;
using pondus::RecordSet;
using pondus::TdmScale;
using pondus::test::Engine;
using pondus::test::RecordingFrontend;
using pondus::test::StoreDatabase;
using pondus::test::TempFolder;

namespace {

const char* const closedSetError = "Cannot perform this operation on a closed dataset";

// Six items, of which L3 is not weighed (M_Type XX) and L4 has a NULL description.
const char* const tillItems = R"(
INSERT INTO Mas_Stock VALUES ('L2', '1002', '2002', 'Pear', NULL, 'PP', 'KG', 1, '2026-03-01 00:00:00');
INSERT INTO Mas_Stock VALUES ('L1', '1001', '2001', 'Apple', NULL, 'PW', 'KG', 1, '2026-02-28 23:59:59');
INSERT INTO Mas_Stock VALUES ('L3', '1003', '2003', 'Bag', NULL, 'XX', 'EA', 1, '2026-03-05 08:00:00');
INSERT INTO Mas_Stock VALUES ('L4', '1004', '2004', NULL, NULL, 'PW', 'KG', 1, '2026-03-01 10:30:00');
INSERT INTO Mas_Stock VALUES ('L5', '1005', NULL, '', NULL, 'PW', 'KG', 1, NULL);
INSERT INTO Mas_Stock VALUES ('L6', '1006', '2006', 'Caf)"
                              "\xC9"
                              R"(', NULL, 'PW', 'KG', 1, '2026-03-02 12:00:00');
INSERT INTO Mas_PriceLevel VALUES ('P2', 'Members', NULL);
INSERT INTO Mas_PriceLevel VALUES ('P1', 'Normal', 'Retail');
INSERT INTO Mas_Stock_Price VALUES ('1001', 2.5, 'L1', 'P1', '2026-03-01 00:00:00', '2026-03-31 00:00:00', 'T', '2026-03-01 09:00:00', '2026-03-01 17:30:00', 'F', 1.99, 1, 1);
INSERT INTO Mas_Stock_Price VALUES ('1001', 2.75, 'L1', 'P2', NULL, NULL, 'F', NULL, NULL, 'F', NULL, 1, 1);
INSERT INTO Mas_Stock_Price VALUES ('1001', 5, 'L1', 'P1', NULL, NULL, 'F', NULL, NULL, 'F', NULL, 2, 1);
INSERT INTO Mas_Stock_Price VALUES ('1002', 4, 'L2', 'P2', NULL, NULL, 'F', NULL, NULL, 'F', NULL, 1, 1);
INSERT INTO Mas_Stock_Price VALUES ('1004', 1.25, 'L4', 'P1', NULL, NULL, 'F', NULL, NULL, 'F', NULL, 1, 1);
INSERT INTO Mas_Stock_Price VALUES ('1006', 9.99, 'L6', 'P1   ', NULL, NULL, 'F', NULL, NULL, 'F', NULL, 1, 1);
INSERT INTO Mas_Stock_Weight VALUES ('L1', '10070');
INSERT INTO Mas_Stock_Weight VALUES ('L2', NULL);
INSERT INTO Mas_Stock_Weight VALUES ('L4', '');
)";

std::vector<std::string> column(RecordSet& set, const char* field) {
    std::vector<std::string> values;
    for (set.first(); !set.eof(); set.next())
        values.push_back(set.isNull(field) ? "NULL" : set.asText(field));
    return values;
}

class DataModuleTest : public testing::TestWithParam<Engine> {
protected:
    bool firebird() const { return GetParam() == Engine::Firebird; }
    // The text a CHAR(6) column gives back: Firebird pads it.
    std::string char6(const std::string& text) const {
        return firebird() ? text + std::string(6 - text.size(), ' ') : text;
    }

    TempFolder app;
    RecordingFrontend frontend;
};

class TillDatabaseTest : public DataModuleTest {
protected:
    void SetUp() override { pos.exec(tillItems); }

    StoreDatabase pos{GetParam(), app.path()};
};

TEST_P(TillDatabaseTest, OpensOnTheFirstWeighedItemWithItsDetailRows) {
    TdmScale data("TILLV10", app.str(), frontend);
    EXPECT_TRUE(frontend.boxes.empty());

    RecordSet& stock = data.tblStock();
    EXPECT_EQ(stock.asText("M_PluLinkID"), "L1");
    EXPECT_EQ(stock.asText("m_desc"), "Apple");
    EXPECT_EQ(stock.asFloat("M_Cost"), 1.0);
    EXPECT_EQ(stock.recordCount(), 5);

    RecordSet& prices = data.tblStockPrice();
    ASSERT_EQ(prices.recordCount(), 2); // the row with M_Qty 2 is not one of them
    EXPECT_EQ(prices.asText("M_LEVEL"), char6("P1"));
    EXPECT_EQ(prices.asFloat("M_Price"), 2.5);
    EXPECT_EQ(prices.asFloat("M_DiscPrice"), 1.99);
    EXPECT_EQ(prices.asText("M_DateActive"), "T");
    EXPECT_EQ(prices.asDateTime("M_DateFrom"), (DateTime{2026, 3, 1, 0, 0, 0}));
    EXPECT_EQ(prices.asDateTime("M_TimeTo"), (DateTime{2026, 3, 1, 17, 30, 0}));
    EXPECT_EQ(prices.asText("Description"), "Apple");
    EXPECT_EQ(data.qryWeight().asText("M_STATUS"), "10070");

    EXPECT_EQ(column(data.tblPriceLevel(), "M_CODE"),
              (std::vector<std::string>{char6("P1"), char6("P2")}));
    EXPECT_FALSE(data.tblStockKelp().isOpen());
    EXPECT_FALSE(data.tblStockV8().isOpen());
}

TEST_P(TillDatabaseTest, DetailSetsFollowEveryMoveOfTheStockSet) {
    TdmScale data("TILLV10", app.str(), frontend);
    RecordSet& stock = data.tblStock();
    std::vector<std::string> seen;
    for (stock.first(); !stock.eof(); stock.next()) {
        std::string line = stock.asText("M_PluLinkID") + ":";
        for (data.tblStockPrice().first(); !data.tblStockPrice().eof(); data.tblStockPrice().next())
            line += " " + data.tblStockPrice().asText("M_PluLinkID") + "/" +
                    data.tblStockPrice().asText("M_PRICE");
        line += " |";
        if (!data.qryWeight().isEmpty())
            line += data.qryWeight().isNull("M_STATUS")
                        ? " NULL"
                        : " '" + data.qryWeight().asText("M_STATUS") + "'";
        seen.push_back(line);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"L1: L1/2.5 L1/2.75 | '10070'", "L2: L2/4 | NULL",
                                              "L4: L4/1.25 | ''", "L5: |", "L6: L6/9.99 |"}));
    // eof leaves the set on its last record, with that record's rows.
    EXPECT_EQ(stock.asText("M_PluLinkID"), "L6");
    EXPECT_EQ(data.tblStockPrice().asText("M_PluCode"), "1006");
}

TEST_P(TillDatabaseTest, PriceLevelFilterKeepsOnlyThatLevelForEveryItem) {
    TdmScale data("TILLV10", app.str(), frontend);
    RecordSet& prices = data.tblStockPrice();
    prices.setFilterText(pondus::priceLevelFilter("P1"));
    prices.setFiltered(true);

    RecordSet& stock = data.tblStock();
    ASSERT_EQ(prices.recordCount(), 1);
    EXPECT_EQ(prices.asFloat("M_Price"), 2.5);
    EXPECT_EQ(prices.asText("M_Level"), char6("P1"));

    stock.next(); // L2 has a price at P2 only: the set is at its end at once
    EXPECT_EQ(stock.asText("M_PluLinkID"), "L2");
    EXPECT_TRUE(prices.isEmpty());
    EXPECT_TRUE(prices.eof());
    EXPECT_EQ(prices.recordCount(), 0);
    EXPECT_EQ(prices.filterText(), "M_LEVEL = 'P1'");
    EXPECT_TRUE(prices.filtered());

    stock.next();
    EXPECT_EQ(prices.recordCount(), 1);
    EXPECT_EQ(prices.asFloat("M_Price"), 1.25);

    ASSERT_TRUE(stock.locate("M_PluLinkID", "L6")); // stored as "P1   " on both engines
    EXPECT_EQ(prices.recordCount(), 1);

    stock.first(); // another level: rows narrowed by the old filter must not linger
    prices.setFilterText(pondus::priceLevelFilter("P2"));
    ASSERT_EQ(prices.recordCount(), 1);
    EXPECT_EQ(prices.asFloat("M_Price"), 2.75);

    prices.setFiltered(false);
    EXPECT_EQ(prices.recordCount(), 2);
}

TEST_P(TillDatabaseTest, ChangedSinceKeepsItemsUpdatedOnOrAfterTheDay) {
    TdmScale data("TILLV10", app.str(), frontend);
    RecordSet& stock = data.tblStock();
    stock.setFilterText("M_UPDATE >= '01/03/2026'");
    stock.setFiltered(true);
    EXPECT_EQ(stock.recordCount(), 3);
    EXPECT_EQ(column(stock, "M_PluLinkID"), (std::vector<std::string>{"L2", "L4", "L6"}));
    stock.first();
    EXPECT_EQ(data.tblStockPrice().asText("M_PluLinkID"), "L2"); // details follow the filter

    struct Case {
        const char* filter;
        std::vector<std::string> kept;
    } cases[] = {
        {"M_UPDATE < '01/03/2026'", {"L1"}},
        {"M_UPDATE = '01/03/2026'", {"L2", "L4"}},
        {"M_UPDATE > '01/03/2026'", {"L6"}},
        {"M_UPDATE >= '01/03/2026 10:30'", {"L4", "L6"}},
        {"M_UPDATE >= '01/01/2030'", {}},
        {"M_Desc = ''", {"L5"}},
        {"M_Desc <> 'Apple'", {"L2", "L5", "L6"}},
        {"M_Type = 'PW '", {"L1", "L4", "L5", "L6"}},
        {"M_Cost <= '1'", {"L1", "L2", "L4", "L5", "L6"}},
    };
    for (const Case& c : cases) {
        stock.setFilterText(c.filter);
        EXPECT_EQ(column(stock, "M_PluLinkID"), c.kept) << c.filter;
        EXPECT_EQ(stock.recordCount(), int(c.kept.size())) << c.filter;
        EXPECT_EQ(stock.isEmpty(), c.kept.empty()) << c.filter;
    }
    stock.setFiltered(false);
    EXPECT_EQ(stock.recordCount(), 5);
}

TEST_P(TillDatabaseTest, NullIsNotEmptyText) {
    TdmScale data("TILLV10", app.str(), frontend);
    RecordSet& stock = data.tblStock();
    ASSERT_TRUE(stock.locate("M_PluLinkID", "L4"));
    EXPECT_TRUE(stock.isNull("M_Desc"));
    EXPECT_THROW(stock.asText("M_Desc"), Error);
    EXPECT_THROW(stock.asFloat("M_ODesc"), Error);
    EXPECT_FALSE(stock.isNull("M_Barcode"));

    ASSERT_TRUE(stock.locate("M_PluLinkID", "L5"));
    EXPECT_FALSE(stock.isNull("M_Desc"));
    EXPECT_EQ(stock.asText("M_Desc"), "");
    EXPECT_TRUE(stock.isNull("M_Update"));
    EXPECT_EQ(stock.asDateTime("M_Update"), DateTime{}); // 30/12/1899 00:00

    stock.first(); // L1's price at P2 has NULL dates and discount
    ASSERT_TRUE(data.tblStockPrice().locate("M_Level", "P2"));
    EXPECT_TRUE(data.tblStockPrice().isNull("M_DiscPrice"));
    EXPECT_THROW(data.tblStockPrice().asFloat("M_DiscPrice"), Error);
    EXPECT_EQ(data.tblStockPrice().asDateTime("M_DateFrom"), DateTime{});
}

TEST_P(TillDatabaseTest, TextsAreTheBytesTheDatabaseHolds) {
    TdmScale data("TILLV10", app.str(), frontend);
    ASSERT_TRUE(data.tblStock().locate("M_PluLinkID", "L6"));
    EXPECT_EQ(data.tblStock().asText("M_Desc"), "Caf\xC9");
    EXPECT_EQ(data.tblStockPrice().asText("Description"), "Caf\xC9");
}

TEST_P(TillDatabaseTest, SetsWithDeclaredFieldsOfferOnlyThose) {
    TdmScale data("TILLV10", app.str(), frontend);
    try {
        data.tblStockPrice().asText("M_Qty");
        FAIL() << "M_Qty is not a field of tblStockPrice";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "tblStockPrice: Field 'M_Qty' not found");
    }
    EXPECT_THROW(data.qryWeight().asText("M_Unit"), Error);
    EXPECT_EQ(data.tblPriceLevel().asText("M_ODESC"), "Retail");
}

TEST_P(TillDatabaseTest, StartupPriceLevelNarrowsThePriceSetWhenTheCodeIsListed) {
    TdmScale data("TILLV10", app.str(), frontend);
    pondus::applyStartupPriceLevel(data, "P2");
    EXPECT_EQ(data.tblPriceLevel().asText("M_Desc"), "Members");
    EXPECT_TRUE(data.tblStockPrice().filtered());
    EXPECT_EQ(data.tblStockPrice().filterText(), "M_LEVEL = 'P2'");
    EXPECT_EQ(data.tblStockPrice().asFloat("M_Price"), 2.75);

    TdmScale other("", app.str(), frontend);
    pondus::applyStartupPriceLevel(other, "P9");
    EXPECT_FALSE(other.tblStockPrice().filtered());
    EXPECT_EQ(other.tblStockPrice().filterText(), "");
    EXPECT_TRUE(frontend.boxes.empty());
}

TEST_P(TillDatabaseTest, KelpOpensThePosAndTheKelpConnection) {
    StoreDatabase kelp(GetParam(), app.path(), "KelpMas", "kelp");
    kelp.exec("INSERT INTO Mas_Scan_Plu VALUES ('B2', 'Ham', 'T', '1', 7, '0', 'M1');\n"
              "INSERT INTO Mas_Scan_Plu VALUES ('A1', 'Veal', 'T', '0', NULL, '1', 'M1');\n"
              "INSERT INTO Mas_Scan_Plu VALUES ('A0', 'Bread', 'F', '0', 1, '1', 'M2');\n"
              "INSERT INTO Mas_Menu_Group VALUES ('M1', 'Meat');");
    TdmScale data("KELP", app.str(), frontend);
    EXPECT_TRUE(frontend.boxes.empty());
    EXPECT_TRUE(data.tblStock().isOpen());
    EXPECT_EQ(column(data.tblStockKelp(), "M_Scan_Code"), (std::vector<std::string>{"A1", "B2"}));
    EXPECT_EQ(data.tblStockKelp().asInteger("M_Scale_Shelf_Life"), 7);
    EXPECT_EQ(data.tblMenuGroup().asText("M_NAME"), "Meat");
    EXPECT_FALSE(data.tblStockV8().isOpen());
}

TEST_P(TillDatabaseTest, AKelpSetIsClosedForTheTillSource) {
    TdmScale data("TILLV10", app.str(), frontend);
    RecordSet& kelp = data.tblStockKelp();
    kelp.setFilterText("M_Scale = 'T'"); // setting a filter is allowed
    kelp.setFiltered(true);
    for (auto use : std::vector<std::function<void()>>{
             [&] { kelp.recordCount(); }, [&] { kelp.first(); }, [&] { kelp.eof(); },
             [&] { kelp.asText("M_Name"); }, [&] { kelp.locate("M_Name", "x"); }}) {
        try {
            use();
            FAIL() << "a closed set was used";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), closedSetError);
        }
    }
}

TEST_P(DataModuleTest, MartenV8OpensTheV8ConnectionWithItsDetailSets) {
    StoreDatabase v8(GetParam(), app.path(), "MartenV8", "v8");
    v8.exec("INSERT INTO Mas_Stock VALUES ('S2', 'C2', '222', 'Lamb', 12.5, 'PW', NULL);\n"
            "INSERT INTO Mas_Stock VALUES ('S1', 'C1', '111', 'Beef', 10, 'PP', NULL);\n"
            "INSERT INTO Mas_Stock VALUES ('S0', 'C0', '000', 'Box', 1, 'EA', NULL);\n"
            "INSERT INTO Mas_Price_Level VALUES ('L1', 'Level 1', NULL);\n"
            "INSERT INTO Mas_Stock_Price VALUES ('C1', 9.5, 'S1', 'L1');\n"
            "INSERT INTO Mas_Stock_Price VALUES ('C2', 11, 'S2', 'L1');\n"
            "INSERT INTO Mas_Stock_Scale VALUES ('S2', '1', NULL, '2');");
    // Without POSAPP the POS connection is not even tried.
    TdmScale data("MARTEN POS V8", app.str(), frontend);
    EXPECT_TRUE(frontend.boxes.empty());
    EXPECT_FALSE(data.tblStock().isOpen());

    RecordSet& stock = data.tblStockV8();
    EXPECT_EQ(stock.asText("M_Stock_Code"), "C1");
    EXPECT_EQ(data.tblStockPriceV8().asFloat("M_P_S1"), 9.5);
    EXPECT_TRUE(data.qryWeightV8().isEmpty());
    stock.next();
    EXPECT_EQ(stock.asFloat("M_P1_S1"), 12.5);
    EXPECT_EQ(data.tblStockPriceV8().asFloat("M_P_S1"), 11.0);
    EXPECT_EQ(data.qryWeightV8().asText("M_SALES_MODE"), "1");
    EXPECT_TRUE(data.qryWeightV8().isNull("M_SHELF_LIFE"));
    EXPECT_EQ(data.qryWeightV8().asInteger("M_DATE_FLAG"), 2);
    EXPECT_EQ(data.tblPriceLevelV8().asText("M_CODE"),
              firebird() ? std::string("L1") + std::string(10, ' ') : std::string("L1"));
    stock.next();
    EXPECT_TRUE(stock.eof());
}

TEST_P(DataModuleTest, AMissingAliasIsReportedAndLeavesTheSetsClosed) {
    TdmScale data("TILLV10", app.str(), frontend);
    ASSERT_EQ(frontend.boxes.size(), 1u);
    EXPECT_NE(frontend.boxes[0].find("POSAPP"), std::string::npos) << frontend.boxes[0];
    EXPECT_FALSE(data.tblStock().isOpen());
    EXPECT_FALSE(data.tblPriceLevel().isOpen());
    try {
        pondus::applyStartupPriceLevel(data, "P1");
        FAIL() << "the closed price-level list was searched";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), closedSetError);
    }
}

TEST_P(DataModuleTest, AMissingDatabaseFileIsReportedAndNotCreated) {
    const char* driver = firebird() ? "FIREBIRD" : "SQLITE";
    app.write("Alias.ini",
              std::string("[POSAPP]\nDRIVER=") + driver + "\nDATABASE=Data\\none.db\n");
    TdmScale data("TILLV10", app.str(), frontend);
    ASSERT_EQ(frontend.boxes.size(), 1u);
    EXPECT_NE(frontend.boxes[0].find("none.db"), std::string::npos) << frontend.boxes[0];
    EXPECT_FALSE(data.tblStock().isOpen());
    EXPECT_FALSE(std::filesystem::exists(app.path() / "Data" / "none.db"));
}

TEST_P(DataModuleTest, AStatementTheDatabaseRejectsIsReportedWithTheEnginesMessage) {
    // A KELP database under the POS alias has no Mas_Stock table.
    StoreDatabase wrong(GetParam(), app.path(), "POSAPP", "kelp");
    TdmScale data("TILLV10", app.str(), frontend);
    ASSERT_EQ(frontend.boxes.size(), 1u);
    EXPECT_NE(pondus::toUpperAscii(frontend.boxes[0]).find("MAS_STOCK"), std::string::npos)
        << frontend.boxes[0];
    EXPECT_FALSE(data.tblStock().isOpen());
    EXPECT_FALSE(data.qryWeight().isOpen());
}

TEST_P(DataModuleTest, KelpErrOpensOnlyTheKelpConnection) {
    StoreDatabase pos(GetParam(), app.path());
    StoreDatabase kelp(GetParam(), app.path(), "KelpMas", "kelp");
    TdmScale data("KELP_ERR", app.str(), frontend);
    EXPECT_TRUE(frontend.boxes.empty());
    EXPECT_FALSE(data.tblStock().isOpen());
    EXPECT_TRUE(data.tblStockKelp().isOpen());
    EXPECT_TRUE(data.tblStockKelp().isEmpty());
    EXPECT_TRUE(data.tblMenuGroup().isOpen());
}

TEST_P(TillDatabaseTest, AFilterThatCannotBeAppliedFailsWhenSwitchedOn) {
    TdmScale data("TILLV10", app.str(), frontend);
    RecordSet& stock = data.tblStock();
    struct Case {
        const char* filter;
        const char* message;
    } cases[] = {
        {"M_UPDATE >= 01/03/2026",
         "Cannot apply the filter \"M_UPDATE >= 01/03/2026\" to tblStock: write it as a field "
         "name, one of = <> < <= > >= and a value in single quotes"},
        {"M_UPDATED >= '01/03/2026'",
         "Cannot apply the filter \"M_UPDATED >= '01/03/2026'\" to tblStock: there is no field "
         "M_UPDATED"},
        {"M_UPDATE >= '2026/03/01x'",
         "Cannot apply the filter \"M_UPDATE >= '2026/03/01x'\" to tblStock: '2026/03/01x' is "
         "not a valid date (dd/mm/yyyy)"},
    };
    for (const Case& c : cases) {
        stock.setFilterText(c.filter);
        try {
            stock.setFiltered(true);
            FAIL() << c.filter;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        // Never a silently narrowed set: the filter is off again.
        EXPECT_FALSE(stock.filtered());
        EXPECT_EQ(stock.recordCount(), 5);
    }
    // The price-level filter names a field tblStock does not have.
    data.tblStockPrice().setFilterText("M_LEVELS = 'P1'");
    EXPECT_THROW(data.tblStockPrice().setFiltered(true), Error);
}

INSTANTIATE_TEST_SUITE_P(Engines, TillDatabaseTest,
                         testing::Values(Engine::Sqlite, Engine::Firebird),
                         [](const auto& info) { return pondus::test::engineName(info.param); });
INSTANTIATE_TEST_SUITE_P(Engines, DataModuleTest, testing::Values(Engine::Sqlite, Engine::Firebird),
                         [](const auto& info) { return pondus::test::engineName(info.param); });

TEST(DefaultsTable, IsOpenedInTheFolderLastSetForIt) {
    TempFolder app;
    RecordingFrontend frontend;
    // TILLV8_ERR opens only the defaults table, in the app folder.
    {
        TdmScale data("TILLV8_ERR", app.str(), frontend);
        EXPECT_FALSE(data.tblStock().isOpen());
        ASSERT_EQ(frontend.boxes.size(), 1u);
        EXPECT_NE(frontend.boxes[0].find("DEFAULT.DB"), std::string::npos) << frontend.boxes[0];
        app.write("Default.db", "table");
    }
    EXPECT_EQ(frontend.boxes.size(), 1u); // released: found in the app folder
}

TEST(PriceLevelFilter, QuotesTheCodeAndDoublesItsQuotes) {
    EXPECT_EQ(pondus::priceLevelFilter("P1"), "M_LEVEL = 'P1'");
    EXPECT_EQ(pondus::priceLevelFilter("O'K"), "M_LEVEL = 'O''K'");
    EXPECT_EQ(pondus::priceLevelFilter(""), "M_LEVEL = ''");
}

} // namespace
