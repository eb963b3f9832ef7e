#pragma once

#include "data/RecordSet.h"

#include <memory>
#include <string>

namespace pondus {

class Frontend;

// Whether Alias.ini in the app folder knows the alias: a section of that name
// (without regard to case) with a non-empty DRIVER.
bool aliasKnown(const std::string& appFolder, const std::string& alias);

// The data module: the POS, KELP and V8 connections and their ten record sets.
// Which of them it opens depends on the source system text it is created for.
// Connection errors are reported through the frontend's general error report;
// creation completes with those sets closed.
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

} // namespace pondus
