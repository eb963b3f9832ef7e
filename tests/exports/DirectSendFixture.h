#pragma once

#include "data/DataModule.h"
#include "exports/SendContext.h"
#include "settings/IniFile.h"
#include "support/RecordingFrontend.h"
#include "support/StoreDatabase.h"
#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// What the direct-send and CAS export tests share: an app folder that is the
// current folder (as the programs make it), the settings file, store databases
// on both engines, a recording window and a recording program starter.
namespace pondus::test {

struct ProgramStart {
    std::string program;
    std::vector<std::string> words;
    std::filesystem::path folder;
    // Whether the driver log named by the test existed at the moment of the start.
    bool logPresent = false;
};

class RecordingStarter : public ProgramStarter {
public:
    std::vector<ProgramStart> starts;
    std::filesystem::path watchedLog;

    void start(const std::string& program, const std::vector<std::string>& words) override {
        bool present = !watchedLog.empty() && std::filesystem::exists(watchedLog);
        starts.push_back({program, words, std::filesystem::current_path(), present});
    }
};

// The folder of the link-program stand-ins in the source tree.
inline std::filesystem::path standinFolder() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "tools" /
           "standins";
}

// Waits (at most half a minute, for a loaded machine) until the file holds the text, since the
// stand-ins run detached; gives what the file holds then.
inline std::string waitForText(const std::filesystem::path& file, std::string_view text) {
    for (int i = 0; i < 3000; ++i) {
        std::string content = readFile(file);
        if (content.find(text) != std::string::npos)
            return content;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return readFile(file);
}

inline std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class DirectSendExport : public ::testing::TestWithParam<Engine> {
protected:
    DirectSendExport() : m_previousFolder(std::filesystem::current_path()) {
        std::filesystem::current_path(app.path());
    }
    ~DirectSendExport() override {
        data.reset();
        std::filesystem::current_path(m_previousFolder);
    }

    // The TILLV10 database under POSAPP, the KELP one under KelpMas, the
    // MARTEN POS V8 one under MartenV8.
    StoreDatabase& pos() { return database(m_pos, "POSAPP", "tillv10"); }
    StoreDatabase& kelp() { return database(m_kelp, "KelpMas", "kelp"); }
    StoreDatabase& v8() { return database(m_v8, "MartenV8", "v8"); }

    // A TILLV10 item: its Mas_Stock row, a price row at level P1 without an
    // active promotion unless price is empty, and a Mas_Stock_Weight row
    // unless status is empty. price and status are SQL literals ("25.9",
    // "'10071'", "NULL").
    struct Item {
        std::string link;
        std::string pluCode;
        std::string barcode;
        std::string description;
        std::string type = "PW";
        std::string update = "2026-03-05 08:00:00";
        std::string price = "25.9";
        std::string status = "'10071'";
    };
    void addItem(const Item& item) {
        std::string sql = "INSERT INTO Mas_Stock (M_PluLinkID, M_PluCode, M_Barcode, M_Desc, "
                          "M_Type, M_Update) VALUES ('" +
                          item.link + "', '" + item.pluCode + "', '" + item.barcode + "', '" +
                          item.description + "', '" + item.type + "', '" + item.update + "');\n";
        if (!item.price.empty())
            sql += "INSERT INTO Mas_Stock_Price (M_PluCode, M_Price, M_PluLinkID, M_Level, "
                   "M_DateActive, M_TimeActive, M_DiscPrice, M_Qty, M_OfQty) VALUES ('" +
                   item.pluCode + "', " + item.price + ", '" + item.link +
                   "', 'P1', 'F', 'F', 1.0, 1, 1);\n";
        if (!item.status.empty())
            sql +=
                "INSERT INTO Mas_Stock_Weight VALUES ('" + item.link + "', " + item.status + ");\n";
        pos().exec(sql);
    }

    void set(std::string_view section, std::string_view key, std::string_view value) {
        settings.writeString(section, key, value);
    }

    // The send data module for the source, then the context SEND prepares,
    // with the Changed Since date 01/03/2026 (not ticked) and the clock at
    // 10 March 2026, 12:00.
    SendContext& context(const std::string& source, const std::string& target,
                         const std::string& targetFile, ProgramStarter* programStarter = nullptr) {
        data = std::make_unique<TdmScale>(source, app.str(), frontend);
        ProgramStarter& chosen = programStarter ? *programStarter : starter;
        m_context.emplace(SendContext{app.str(), settings, frontend, *data, chosen, source, target,
                                      "", targetFile, false, "'01/03/2026'", "", "", "",
                                      DateTime{2026, 3, 10, 12, 0, 0}});
        return *m_context;
    }

    std::string file(std::string_view relative) const { return app.read(relative); }

    TempFolder app;
    IniFile settings{app.path() / "ScaleB.ini"};
    RecordingFrontend frontend;
    RecordingStarter starter;
    std::unique_ptr<TdmScale> data;

private:
    StoreDatabase& database(std::unique_ptr<StoreDatabase>& slot, const char* alias,
                            const char* schema) {
        if (!slot)
            slot = std::make_unique<StoreDatabase>(GetParam(), app.path(), alias, schema);
        return *slot;
    }

    std::filesystem::path m_previousFolder;
    std::unique_ptr<StoreDatabase> m_pos;
    std::unique_ptr<StoreDatabase> m_kelp;
    std::unique_ptr<StoreDatabase> m_v8;
    std::optional<SendContext> m_context;
};

} // namespace pondus::test
