#pragma once

#include "exports/SendContext.h"
#include "settings/IniFile.h"
#include "shell/SendWorkflow.h"
#include "support/RecordingFrontend.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pondus::test {

// A TILLV10 store database on one engine, the settings file beside it and the
// window stand-in; send() runs SEND for a target model into Out.txt.
class ExportTest : public ::testing::TestWithParam<Engine> {
protected:
    TempFolder app;
    StoreDatabase db{GetParam(), app.path()};
    IniFile settings{app.path() / "Scale.ini"};
    RecordingFrontend frontend;

    // Price rows are written at level P1, the default price level of the send.
    ExportTest() { settings.writeString("GENERAL", "DEFAULT_PRICE", "P1"); }

    void set(const std::string& section, const std::string& key, const std::string& value) {
        settings.writeString(section, key, value);
    }
    void setWidths(const std::string& target, int code, int price, int description) {
        set(target, "SOURCE_PLUL", std::to_string(code));
        set(target, "SOURCE_PRICEL", std::to_string(price));
        set(target, "SOURCE_DESCL", std::to_string(description));
    }
    // CALCULATION_SCALE below CALCULATION_PLU gives MULTIPLE, else DIVIDE.
    void setScaling(bool multiple, int factor) {
        set("GENERAL", "CALCULATION_PLU", multiple ? "1" : "0");
        set("GENERAL", "CALCULATION_SCALE", multiple ? "0" : "1");
        set("GENERAL", "CALCULATION_VALUE", std::to_string(factor));
    }

    // SQL literals: text in quotes, or NULL.
    static std::string sql(const char* text) {
        return text ? "'" + std::string(text) + "'" : std::string("NULL");
    }
    void item(const std::string& link, const char* plu, const char* barcode, const char* desc) {
        db.exec("INSERT INTO Mas_Stock (M_PluLinkID, M_PluCode, M_Barcode, M_Desc, M_Type) "
                "VALUES ('" +
                link + "', " + sql(plu) + ", " + sql(barcode) + ", " + sql(desc) + ", 'PW');");
    }
    struct PriceRow {
        const char* price = "0";
        const char* discPrice = "0";
        const char* dateActive = "F";
        const char* dateFrom = nullptr;
        const char* dateTo = nullptr;
        const char* timeActive = "F";
        const char* timeFrom = nullptr;
        const char* timeTo = nullptr;
        const char* level = "P1";
    };
    void price(const std::string& link, const PriceRow& row) {
        auto number = [](const char* text) { return text ? std::string(text) : "NULL"; };
        db.exec("INSERT INTO Mas_Stock_Price (M_PluLinkID, M_Price, M_DiscPrice, M_DateActive, "
                "M_DateFrom, M_DateTo, M_TimeActive, M_TimeFrom, M_TimeTo, M_Level, M_Qty, "
                "M_OfQty) VALUES ('" +
                link + "', " + number(row.price) + ", " + number(row.discPrice) + ", " +
                sql(row.dateActive) + ", " + sql(row.dateFrom) + ", " + sql(row.dateTo) + ", " +
                sql(row.timeActive) + ", " + sql(row.timeFrom) + ", " + sql(row.timeTo) + ", " +
                sql(row.level) + ", 1, 1);");
    }
    void weight(const std::string& link, const char* status) {
        db.exec("INSERT INTO Mas_Stock_Weight (M_PluLinkID, M_Status) VALUES ('" + link + "', " +
                sql(status) + ");");
    }

    std::string targetFile() const { return (app.path() / "Out.txt").string(); }
    std::string output() const { return app.read("Out.txt"); }
    // The file's lines without their CR LF.
    std::vector<std::string> outputLines() const {
        std::vector<std::string> lines;
        std::string text = output();
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find("\r\n", start);
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    static DateTime at(int year, int month, int day, int hour, int minute) {
        DateTime value;
        value.year = year;
        value.month = month;
        value.day = day;
        value.hour = hour;
        value.minute = minute;
        return value;
    }

    SendResult send(const std::string& target, DateTime clock = at(2026, 3, 15, 10, 0)) {
        struct NoStart : ProgramStarter {
            void start(const std::string&, const std::vector<std::string>&) override {
                ADD_FAILURE() << "a plain file export started a program";
            }
        } starter;
        SendRequest request;
        request.targetLabel = target;
        request.source = "TILLV10";
        request.target = target;
        request.targetFile = targetFile();
        request.clock = clock;
        Session session{app.str(), settings, ""};
        frontend.boxes.clear();
        return runSend(request, session, frontend, starter);
    }
};

inline std::string engineTestName(const ::testing::TestParamInfo<Engine>& info) {
    return engineName(info.param);
}

} // namespace pondus::test
