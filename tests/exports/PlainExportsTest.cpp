#include "exports/ExportFixture.h"

using namespace pondus;
using namespace pondus::test;

namespace {

constexpr const char* Bc3000 = "ISHIDA BC-3000";
constexpr const char* Bc815 = "BIZERBA BC-815";
constexpr const char* V3 = "SCALELINK PRO V3";
constexpr const char* V31I = "SCALELINK PRO V31I";

const std::string Esc = "\x1b";
const std::string Wings = "CHICKEN WINGS       "; // 20 bytes

class PlainExport : public ExportTest {
protected:
    // The sample record of the plain files: 20415, a promotion of 9.90 in force by
    // its date window alone, divided by 10.
    void sampleRecord() {
        setScaling(false, 10);
        item("L1", "20415", "2041500000017", "CHICKEN WINGS");
        price("L1", {.price = "12.90",
                     .discPrice = "9.90",
                     .dateActive = "T",
                     .dateFrom = "2026-03-01 00:00:00",
                     .dateTo = "2026-03-31 00:00:00",
                     .timeActive = "F"});
    }
    void targetFields(const std::string& target) {
        setWidths(target, 6, 6, 20);
        set(target, "TARGET_FIELD1", "1");
        set(target, "TARGET_FIELD2", "0");
        set(target, "TARGET_FIELD3", "A");
    }
    void expectLogs(const std::string& memo1, const std::string& line) {
        EXPECT_EQ(frontend.memo1, (std::vector<std::string>{"# 1", memo1}));
        EXPECT_EQ(frontend.memo2, (std::vector<std::string>{"# 1", line}));
        EXPECT_EQ(frontend.boxes, std::vector<std::string>{"Message: Data Export Completed"});
        EXPECT_TRUE(frontend.restored());
    }
};

} // namespace

TEST_P(PlainExport, IshidaBc3000SampleRecord) {
    sampleRecord();
    targetFields(Bc3000);
    ASSERT_EQ(send(Bc3000), SendResult::Completed);
    std::string line = "20415,1,000099,000099,0,\"" + Wings +
                       "\",\"020415\",\"2041500000\",\"A\"," + Esc + Wings + "\"";
    EXPECT_EQ(output(), line + "\r\n");
    expectLogs("20415 " + Wings + " 000099", line);
}

TEST_P(PlainExport, ScaleLinkProV3SampleRecord) {
    sampleRecord();
    targetFields(V3);
    ASSERT_EQ(send(V3), SendResult::Completed);
    std::string line =
        "20415,1,000099,0,\"" + Wings + "\",20415,\"2041500000\",A," + Esc + Wings + "\"";
    EXPECT_EQ(output(), line + "\r\n");
    expectLogs("20415 " + Wings + " 000099", line);
}

TEST_P(PlainExport, ScaleLinkProV31ISampleRecordAndWeightStatus) {
    sampleRecord();
    setWidths(V31I, 6, 6, 20);
    set(V31I, "TARGET_WEIGHT", "W");
    set(V31I, "TARGET_FIXED_PRICE", "F");
    set(V31I, "TARGET_FIELD1", ",");
    set(V31I, "TARGET_FIELD2", ",");
    set(V31I, "TARGET_FIELD3", ",");
    weight("L1", "00071");
    // Further items share the price of the example; each has its own weight status.
    struct Case {
        const char* link;
        const char* status; // nullptr: no weight row
        bool nullStatus;
        const char* modeFlagLife;
    } cases[] = {
        {"L2", "10051", false, "F,1,5,"},   {"L3", "00000", false, "W,0,0,"},
        {"L4", "01201", false, "W,1,120,"}, {"L5", "", false, "W,0,0,"},
        {"L6", nullptr, true, "W,0,0,"},    {"L7", nullptr, false, "W,0,0,"},
        {"L8", "20071", false, "W,1,7,"},
    };
    for (const Case& c : cases) {
        item(c.link, "20415", "2041500000017", "CHICKEN WINGS");
        price(c.link, {.price = "12.90",
                       .discPrice = "9.90",
                       .dateActive = "T",
                       .dateFrom = "2026-03-01 00:00:00",
                       .dateTo = "2026-03-31 00:00:00"});
        if (c.status || c.nullStatus)
            weight(c.link, c.status);
    }
    ASSERT_EQ(send(V31I), SendResult::Completed);
    std::string line = "20415,W,1,7,000099,,20415,\"2041500000\",," + Esc + Wings + "\"";
    std::string expected = line + "\r\n";
    for (const Case& c : cases)
        expected += "20415," + std::string(c.modeFlagLife) + "000099,,20415,\"2041500000\",," +
                    Esc + Wings + "\"\r\n";
    EXPECT_EQ(output(), expected);
    ASSERT_GE(frontend.memo1.size(), 2u);
    EXPECT_EQ(frontend.memo1[1], "20415 " + Wings + " 000099");
    ASSERT_GE(frontend.memo2.size(), 2u);
    EXPECT_EQ(frontend.memo2[1], line);
}

TEST_P(PlainExport, ScaleLinkProV31IWithEveryTargetKeyMissing) {
    sampleRecord();
    setWidths(V31I, 6, 6, 20);
    weight("L1", "01201");
    ASSERT_EQ(send(V31I), SendResult::Completed);
    EXPECT_EQ(output(), "20415,1,120,000099,20415,\"2041500000\"," + Esc + Wings + "\"\r\n");
}

TEST_P(PlainExport, ScaleLinkProV31IBadWeightStatusStopsAtThatRecord) {
    setWidths(V31I, 6, 6, 0);
    struct Case {
        const char* status;
        const char* report;
    } cases[] = {{"1234", "Pondus: '' is not a valid integer value."},
                 {"0ab12", "Pondus: 'ab1' is not a valid integer value."},
                 {"0007x", "Pondus: 'x' is not a valid integer value."}};
    int n = 0;
    for (const Case& c : cases) {
        std::string good = "A" + std::to_string(n), bad = "B" + std::to_string(n++);
        item(good, "1", "1", "GOOD");
        weight(good, "00071");
        item(bad, "2", "2", "BAD");
        weight(bad, c.status);
        ASSERT_EQ(send(V31I), SendResult::Failed) << c.status;
        EXPECT_EQ(frontend.boxes, std::vector<std::string>{c.report});
        EXPECT_EQ(output(), "1,1,7,000000,1,\"1\",\x1b\"\r\n") << c.status;
        EXPECT_TRUE(frontend.restored());
        db.exec("DELETE FROM Mas_Stock;");
        db.exec("DELETE FROM Mas_Stock_Weight;");
    }
}

TEST_P(PlainExport, BizerbaBc815SampleRecord) {
    setScaling(false, 10);
    setWidths(Bc815, 6, 6, 20);
    item("L1", "20415", nullptr, "CHICKEN WINGS"); // the barcode is not read
    price("L1", {.price = "12.90", .discPrice = "9.90"});
    ASSERT_EQ(send(Bc815), SendResult::Completed);
    std::string line = "20415," + Wings + ",000129,W";
    EXPECT_EQ(output(), line + "\r\n");
    expectLogs("20415 " + Wings + " 000129", line);
}

TEST_P(PlainExport, EmptyStockQueryGivesAnEmptyFile) {
    for (const char* target : {Bc3000, Bc815, V3, V31I}) {
        app.write("Out.txt", "old contents\r\n");
        item("X1", "1", "1", "NOT WEIGHED");
        db.exec("UPDATE Mas_Stock SET M_Type = 'PC';");
        ASSERT_EQ(send(target), SendResult::Completed) << target;
        EXPECT_TRUE(std::filesystem::exists(app.path() / "Out.txt"));
        EXPECT_EQ(output(), "") << target;
        EXPECT_TRUE(frontend.memo1.empty());
        EXPECT_TRUE(frontend.memo2.empty());
        EXPECT_EQ(frontend.boxes, std::vector<std::string>{"Message: Data Export Completed"});
        db.exec("DELETE FROM Mas_Stock;");
    }
}

// The effective price at three moments of the run's clock: promotion 1.00, normal 2.00.
TEST_P(PlainExport, PromotionRulesAtTheEdges) {
    setWidths(Bc815, 3, 6, 0);
    struct Case {
        const char* name;
        PriceRow row;
        bool hasPrice;
        const char* at1700; // 31 March 2026 17:00
        const char* at1701; // 31 March 2026 17:01
        const char* april;  // 1 April 2026 23:00
    } cases[] = {
        {"no price row", {}, false, "000000", "000000", "000000"},
        {"date window, both ends inclusive",
         {"2", "1", "T", "2026-03-01 00:00:00", "2026-03-31 00:00:00", "F"},
         true,
         "000100",
         "000100",
         "000200"},
        {"date window starting on the day",
         {"2", "1", "T", "2026-03-31 23:59:00", "2026-04-30 00:00:00", "F"},
         true,
         "000100",
         "000100",
         "000100"},
        {"date and time windows, time end inclusive",
         {"2", "1", "T", "2026-03-01 00:00:00", "2026-04-30 00:00:00", "T", "1899-12-30 09:00:00",
          "1899-12-30 17:00:00"},
         true,
         "000100",
         "000200",
         "000200"},
        {"time window across midnight never holds",
         {"2", "1", "F", nullptr, nullptr, "T", "2000-01-01 22:00:00", "2000-01-01 02:00:00"},
         true,
         "000200",
         "000200",
         "000200"},
        {"time window alone",
         {"2", "1", "F", nullptr, nullptr, "T", "2000-01-01 17:01:00", "2000-01-01 23:59:00"},
         true,
         "000200",
         "000100",
         "000100"},
        {"both flags F",
         {"2", "1", "F", "2026-01-01 00:00:00", "2026-12-31 00:00:00", "F", "2000-01-01 00:00:00",
          "2000-01-01 23:59:00"},
         true,
         "000200",
         "000200",
         "000200"},
        {"empty date flag with a holding time window",
         {"2", "1", "", nullptr, nullptr, "T", "2000-01-01 00:00:00", "2000-01-01 23:59:00"},
         true,
         "000200",
         "000200",
         "000200"},
        {"null date flag",
         {"2", "1", nullptr, nullptr, nullptr, "T", "2000-01-01 00:00:00", "2000-01-01 23:59:00"},
         true,
         "000200",
         "000200",
         "000200"},
        {"lower-case flag",
         {"2", "1", "t", "2026-01-01 00:00:00", "2026-12-31 00:00:00", "F"},
         true,
         "000200",
         "000200",
         "000200"},
        {"other letter as time flag",
         {"2", "1", "T", "2026-01-01 00:00:00", "2026-12-31 00:00:00", "X"},
         true,
         "000200",
         "000200",
         "000200"},
        {"null window ends count as 30 December 1899",
         {"2", "1", "T", nullptr, nullptr, "F"},
         true,
         "000200",
         "000200",
         "000200"},
        {"only the first price row counts", {"2", "1", "F"}, true, "000200", "000200", "000200"},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string link = "L" + std::to_string(10 + n++);
        item(link, std::to_string(n).c_str(), "", "");
        if (c.hasPrice)
            price(link, c.row);
    }
    // A later row of the last item would give the promotion; the first row decides.
    price("L" + std::to_string(10 + n - 1),
          {"9", "1", "T", "2026-01-01 00:00:00", "2026-12-31 00:00:00", "F"});
    struct Moment {
        DateTime clock;
        const char* Case::*expected;
    } moments[] = {{at(2026, 3, 31, 17, 0), &Case::at1700},
                   {at(2026, 3, 31, 17, 1), &Case::at1701},
                   {at(2026, 4, 1, 23, 0), &Case::april}};
    for (const Moment& moment : moments) {
        ASSERT_EQ(send(Bc815, moment.clock), SendResult::Completed);
        std::vector<std::string> lines = outputLines();
        ASSERT_EQ(lines.size(), std::size(cases));
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], std::to_string(i + 1) + ",," + cases[i].*moment.expected + ",W")
                << cases[i].name << " at " << formatYYYYMMDD(moment.clock)
                << formatHHMM(moment.clock);
    }
}

TEST_P(PlainExport, ScalingModesFactorsAndRounding) {
    setWidths(Bc815, 3, 6, 0);
    item("L1", "1", "", "");
    price("L1", {.price = "12.5"});
    item("L2", "2", "", "");
    price("L2", {.price = "0.235"});
    item("L3", "3", "", "");
    price("L3", {.price = "0.245"});
    item("L4", "4", "", "");
    price("L4", {.price = "0.255"});
    item("L5", "5", "", ""); // no price row: no scaling at all
    struct Case {
        bool multiple;
        int factor;
        std::vector<std::string> priceFields;
    } cases[] = {
        {false, 1, {"001250", "000024", "000024", "000026", "000000"}},
        {false, 10, {"000125", "000002", "000002", "000003", "000000"}},
        {true, 10, {"012500", "000235", "000245", "000255", "000000"}},
        {false, 1000, {"000001", "000000", "000000", "000000", "000000"}},
        {true, 1000, {"125000", "023500", "024500", "025500", "000000"}},
        {true, 0, {"000000", "000000", "000000", "000000", "000000"}},
    };
    for (const Case& c : cases) {
        setScaling(c.multiple, c.factor);
        ASSERT_EQ(send(Bc815), SendResult::Completed);
        std::vector<std::string> lines = outputLines();
        ASSERT_EQ(lines.size(), 5u);
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], std::to_string(i + 1) + ",," + c.priceFields[i] + ",W")
                << (c.multiple ? "MULTIPLE " : "DIVIDE ") << c.factor;
    }
}

TEST_P(PlainExport, PriceLongerThanItsWidthKeepsItsLeftmostDigits) {
    setWidths(Bc815, 6, 4, 0);
    item("L1", "20415", "", "");
    price("L1", {.price = "1234.56"});
    ASSERT_EQ(send(Bc815), SendResult::Completed);
    EXPECT_EQ(output(), "20415,,1234,W\r\n");
    EXPECT_EQ(frontend.memo1[1], "20415  123456");
}

TEST_P(PlainExport, DivisionByZeroEndsTheExportWithTheWindowRestored) {
    setWidths(Bc815, 6, 6, 0);
    setScaling(false, 0);
    item("L1", "1", "", "");
    item("L2", "2", "", "");
    price("L2", {.price = "1"});
    ASSERT_EQ(send(Bc815), SendResult::Failed);
    EXPECT_EQ(output(), "1,,000000,W\r\n"); // the item without a price row is not scaled
    EXPECT_EQ(frontend.boxes, std::vector<std::string>{"Pondus: Floating point division by zero."});
    EXPECT_TRUE(frontend.restored());
}

TEST_P(PlainExport, WidthsCutTheFieldsAndTheLogShowsWholeValues) {
    struct Case {
        int code, price, description;
        bool barcodeIsPluCode;
        const char* line;
        const char* memo1;
    } cases[] = {
        {0, 0, 0, false, ",,,,,\"\",\"0\",\"2041500000\",\"\",\x1b\"", "20415 CHICKEN WINGS 099"},
        {3, 6, 5, false,
         "204,,000099,000099,,\"CHICK\",\"0204\",\"2041500000\",\"\",\x1b"
         "CHICK\"",
         "20415 CHICKEN WINGS 000099"},
        {8, 6, 0, true, "20415,,000099,000099,,\"\",\"020415\",\"20415\",\"\",\x1b\"",
         "20415 CHICKEN WINGS 000099"},
    };
    sampleRecord();
    for (const Case& c : cases) {
        setWidths(Bc3000, c.code, c.price, c.description);
        set("GENERAL", "BARCODE_PLUCODE", c.barcodeIsPluCode ? "1" : "0");
        ASSERT_EQ(send(Bc3000), SendResult::Completed);
        EXPECT_EQ(output(), std::string(c.line) + "\r\n");
        EXPECT_EQ(frontend.memo1[1], c.memo1);
    }
}

TEST_P(PlainExport, ShortBarcodeAndLongPluCodeAsItemCode) {
    setWidths(Bc3000, 4, 3, 0);
    set(Bc3000, "TARGET_SYMBOL", "");
    item("L1", "123456789012", "77", "X");
    set("GENERAL", "BARCODE_PLUCODE", "0");
    ASSERT_EQ(send(Bc3000), SendResult::Completed);
    EXPECT_EQ(output(), "1234,,000,000,,\"\",\"01234\",\"77\",\"\",\"\r\n");
    set("GENERAL", "BARCODE_PLUCODE", "1");
    ASSERT_EQ(send(Bc3000), SendResult::Completed);
    EXPECT_EQ(output(), "1234,,000,000,,\"\",\"01234\",\"1234567890\",\"\",\"\r\n");
}

TEST_P(PlainExport, TargetTextsGoIntoTheLineUnescaped) {
    setWidths(V3, 2, 2, 2);
    set(V3, "TARGET_FIELD3", "X,Y");
    set(V3, "TARGET_SYMBOL", "\"");
    item("L1", "12", "34", "AB");
    ASSERT_EQ(send(V3), SendResult::Completed);
    EXPECT_EQ(output(), "12,,00,,\"AB\",12,\"34\",X,Y,\"AB\"\r\n");
}

TEST_P(PlainExport, FailingRecordKeepsTheLinesBeforeItAndRestoresTheWindow) {
    setWidths(Bc3000, 6, 6, 6);
    item("L1", "1", "11", "ONE");
    item("L2", "2", "22", nullptr);
    item("L3", "3", "33", "THREE");
    ASSERT_EQ(send(Bc3000), SendResult::Failed);
    EXPECT_EQ(output(), "1,,000000,000000,,\"ONE   \",\"01\",\"11\",\"\",\x1bONE   \"\r\n");
    EXPECT_EQ(frontend.memo2.size(), 2u);
    EXPECT_EQ(frontend.progress, (std::vector<int>{33, 67}));
    ASSERT_EQ(frontend.boxes.size(), 1u);
    EXPECT_TRUE(frontend.boxes[0].starts_with("Pondus: Field 'M_")) << frontend.boxes[0];
    EXPECT_TRUE(frontend.boxes[0].ends_with("' is NULL and cannot be read as text."));
    EXPECT_TRUE(frontend.restored());
}

TEST_P(PlainExport, NullBarcodeFailsOnlyWhereTheBarcodeIsRead) {
    setWidths(Bc3000, 6, 6, 6);
    setWidths(Bc815, 6, 6, 6);
    item("L1", "1", nullptr, "ONE");
    EXPECT_EQ(send(Bc3000), SendResult::Failed);
    EXPECT_EQ(send(Bc815), SendResult::Completed);
    set("GENERAL", "BARCODE_PLUCODE", "1");
    EXPECT_EQ(send(Bc3000), SendResult::Completed);
}

TEST_P(PlainExport, SettingThatIsNotAWholeNumberFailsBeforeTheFileIsOpened) {
    item("L1", "1", "1", "ONE");
    app.write("Out.txt", "old\r\n");
    struct Case {
        const char* section;
        const char* key;
    } cases[] = {{"GENERAL", "CALCULATION_VALUE"}, {Bc3000, "SOURCE_PRICEL"}};
    for (const Case& c : cases) {
        set(c.section, c.key, "ten");
        EXPECT_EQ(send(Bc3000), SendResult::Failed);
        EXPECT_EQ(frontend.boxes,
                  std::vector<std::string>{"Pondus: 'ten' is not a valid integer value."});
        EXPECT_EQ(output(), "old\r\n");
        EXPECT_TRUE(frontend.restored());
        set(c.section, c.key, "1");
    }
}

TEST_P(PlainExport, SecondRunRewritesTheFile) {
    setWidths(Bc815, 6, 6, 3);
    item("L1", "1", "1", "ONE");
    item("L2", "2", "2", "TWO");
    ASSERT_EQ(send(Bc815), SendResult::Completed);
    ASSERT_EQ(send(Bc815), SendResult::Completed);
    EXPECT_EQ(output(), "1,ONE,000000,W\r\n2,TWO,000000,W\r\n");
    EXPECT_EQ(frontend.memo1,
              (std::vector<std::string>{"# 1", "1 ONE 000000", "# 2", "2 TWO 000000"}));
    EXPECT_EQ(frontend.progress, (std::vector<int>{50, 100, 50, 100}));
}

TEST_P(PlainExport, UnwritableTargetFileEndsTheExport) {
    setWidths(Bc815, 6, 6, 3);
    item("L1", "1", "1", "ONE");
    app.write("Blocker", "");
    SendRequest request;
    request.targetLabel = request.target = Bc815;
    request.source = "TILLV10";
    request.targetFile = (app.path() / "Blocker" / "Out.txt").string();
    Session session{app.str(), settings, ""};
    struct : ProgramStarter {
        void start(const std::string&, const std::vector<std::string>&) override {}
    } starter;
    ASSERT_EQ(runSend(request, session, frontend, starter), SendResult::Failed);
    EXPECT_EQ(frontend.boxes,
              std::vector<std::string>{"Pondus: Cannot create file \"" + request.targetFile +
                                       "\". Not a directory."});
    EXPECT_TRUE(frontend.restored());
}

INSTANTIATE_TEST_SUITE_P(Engines, PlainExport, ::testing::Values(Engine::Sqlite, Engine::Firebird),
                         engineTestName);
