#pragma once

#include "data/RecordSet.h"

#include <memory>
#include <string>
#include <string_view>

namespace pondus {

class Frontend;

// Whether Alias.ini in the app folder knows the alias: a section of that name
// (without regard to case) with a non-empty DRIVER.
bool aliasKnown(const std::string& appFolder, const std::string& alias);

// The data module: the POS, KELP and V8 connections and their ten record sets.
// Which of them it opens depends on the source system text it is created for:
// - "KELP_ERR": the KELP connection (alias KelpMas), tblStockKelp, tblMenuGroup;
// - "TILLV8_ERR": only the defaults table, in the app folder;
// - "KELP": the POS connection (alias POSAPP) with tblStock, tblPriceLevel,
//   tblStockPrice, qryWeight when POSAPP is known, then the KELP connection
//   with tblStockKelp and tblMenuGroup;
// - "MARTEN POS V8": likewise, then the V8 connection (alias MartenV8) with
//   tblStockV8, tblPriceLevelV8, tblStockPriceV8, qryWeightV8;
// - any other text: the POS connection and its four sets.
// Connection errors and statements the database rejects are reported through
// the frontend's general error report; creation completes with the sets of
// that connection from the failing one on closed. A set stands on its first
// record after creation, and detail sets hold the rows of their master's
// current record after every move, filter change or locate of the master.
class TdmScale {
public:
    TdmScale(const std::string& source, const std::string& appFolder, Frontend& frontend);
    // Releases the data module (closes the connections, touches Default.db).
    ~TdmScale();
    TdmScale(const TdmScale&) = delete;
    TdmScale& operator=(const TdmScale&) = delete;

    RecordSet& tblStock();
    RecordSet& tblPriceLevel();
    RecordSet& tblStockPrice();
    RecordSet& qryWeight();
    RecordSet& tblStockKelp();
    RecordSet& tblMenuGroup();
    RecordSet& tblStockV8();
    RecordSet& tblPriceLevelV8();
    RecordSet& tblStockPriceV8();
    RecordSet& qryWeightV8();

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

// The current data module: the start-up instance, the send instance during a
// send, or none.
extern TdmScale* dmScale;

// The price query's filter for a price level: M_LEVEL = 'P1' (a quote inside
// the code is doubled).
std::string priceLevelFilter(std::string_view code);

// The start-up step of the price level: looks the code up in column M_Code of
// tblPriceLevel and, when it is there, narrows tblStockPrice to that level.
// A closed tblPriceLevel fails with the closed-set error.
void applyStartupPriceLevel(TdmScale& data, const std::string& code);

} // namespace pondus
