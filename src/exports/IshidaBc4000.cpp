#include "base/Text.h"
#include "data/DataModule.h"
#include "data/RecordSet.h"
#include "exports/DirectSend.h"
#include "exports/ExportRun.h"
#include "exports/Exports.h"
#include "exports/IshidaCommon.h"
#include "settings/IniFile.h"

#include <vector>

namespace pondus {

namespace {

constexpr IshidaDefaults bc4000Defaults{
    "Log\\Temp\\SendPluBC4000.txt",
    "Log\\Temp\\SendPlu2BC4000.txt",
    "ScaleSetupBC4000.txt",
    "Log\\Temp\\IshidaDrvLogBC4000.log",
    "IshidaDriverSlpV.exe",
    "Plu_No,SalesMode,MarkFlag,DateFlag,TimeFlag,PosSelect,OpenPrice,ExpTimeFlag,ForcedTare,"
    "WrappingMode,WrappingSpeed,Volume,LabellingPos,Rotate,LabelFormat,BarCodeNum,BestBeforeFlag,"
    "PackQuant,Tare,ShelfLife,LabelFormatNo1,",
};

// Each header key gives at most 100 column names; empty names give no column.
constexpr int maxColumnsPerKey = 100;

std::vector<std::string> columnList(std::string_view header) {
    std::vector<std::string> names;
    for (int i = 0; i < maxColumnsPerKey; ++i)
        if (std::string name = TakeSegment(header, ",", i); !name.empty())
            names.push_back(std::move(name));
    return names;
}

// One record as the header-driven columns see it. The stock type is empty on
// the KELP path, which never computes BarCodeNum, LabelFormatNo1 or PackQuant.
struct Bc4000Record {
    PluRecord plu;
    ScaleFields fields;
    std::string stockType;
};

class Bc4000Line {
public:
    Bc4000Line(const IniFile& settings, std::string section, const IshidaSettings& keys,
               std::string descValue)
        : m_settings(settings), m_section(std::move(section)), m_first(columnList(keys.header1)),
          m_second(columnList(keys.header2)), m_descValue(std::move(descValue)) {}

    std::string of(const Bc4000Record& record) const {
        std::string line;
        for (const std::string& name : m_first)
            line += firstListValue(name, record) + ",";
        for (const std::string& name : m_second)
            line += secondListValue(name, record) + ",";
        if (!line.empty())
            line.pop_back();
        return line;
    }

private:
    // The value stored under the name as spelled in the header key, read anew
    // for every record.
    std::string lookedUp(const std::string& name) const {
        return m_settings.readString(m_section, name, "");
    }

    std::string firstListValue(const std::string& name, const Bc4000Record& record) const {
        const ScaleFields& fields = record.fields;
        bool weighed = record.stockType == "PW";
        if (equalsNoCase(name, "Plu_No"))
            return record.plu.codeField;
        if (equalsNoCase(name, "SalesMode"))
            return fields.salesMode;
        if (equalsNoCase(name, "DateFlag"))
            return fields.dateFlag;
        if (equalsNoCase(name, "ShelfLife"))
            return fields.shelfLife;
        if (equalsNoCase(name, "BarCodeNum") && weighed)
            return fields.salesMode == "1" ? "31" : "16";
        if (equalsNoCase(name, "LabelFormatNo1") && weighed)
            return "32";
        if (equalsNoCase(name, "PackQuant") && weighed && fields.salesMode == "0")
            return "0";
        return lookedUp(name);
    }

    std::string secondListValue(const std::string& name, const Bc4000Record& record) const {
        if (equalsNoCase(name, "UnitPrice"))
            return record.plu.priceField;
        if (equalsNoCase(name, "ItemCode"))
            return record.plu.codeField;
        if (equalsNoCase(name, "PosCode"))
            return record.plu.barcodeField;
        if (equalsNoCase(name, "Desc"))
            return m_descValue + "\"" + record.plu.descriptionField + "\"";
        return lookedUp(name);
    }

    const IniFile& m_settings;
    std::string m_section;
    std::vector<std::string> m_first;
    std::vector<std::string> m_second;
    std::string m_descValue;
};

Bc4000Record tillv10Record(ExportRun& run, const PathSets& sets, const ScaleFields& defaults) {
    PluRecord plu = run.prepareStockRecord(sets.stock, *sets.price);
    return {std::move(plu), ishidaScaleFields(*sets.weight, defaults), sets.stock.asText("M_Type")};
}

Bc4000Record v8Record(ExportRun& run, const PathSets& sets, ScaleFields fields) {
    PluRecord plu = prepareV8Record(run, sets.stock, *sets.price);
    const RecordSet& weight = *sets.weight;
    if (!weight.isEmpty()) {
        if (v8FixedPrice(weight))
            fields.salesMode = "1";
        fields.shelfLife = v8ShelfLife(weight);
        fields.dateFlag = std::to_string(decimalOrError(weight.asText("M_DATE_FLAG")));
    }
    return {std::move(plu), std::move(fields), sets.stock.asText("M_Stock_Type")};
}

Bc4000Record kelpRecord(ExportRun& run, const PathSets& sets) {
    const RecordSet& stock = sets.stock;
    PluRecord plu = prepareKelpRecord(run, stock);
    ScaleFields fields{stock.asText("M_Scale_Sales_Mode"),
                       std::to_string(stock.asInteger("M_Scale_Shelf_Life")),
                       stock.asText("M_Scale_Date_Flag")};
    return {std::move(plu), std::move(fields), ""};
}

} // namespace

void exportIshidaBc4000(SendContext& context) {
    ExportRun run(context);
    run.readWidths();
    IshidaSettings settings = readIshidaSettings(run, bc4000Defaults);
    const IniFile& ini = context.settings;
    ScaleFields defaults{ini.readString(run.section(), "SalesMode", ""),
                         ini.readString(run.section(), "ShelfLife", ""),
                         ini.readString(run.section(), "DateFlag", "")};
    Bc4000Line line(ini, run.section(), settings, ini.readString(run.section(), "Desc", "2,"));
    ensureLogTempFolder(context);
    run.clearLogs();

    SourcePath path = sourcePathOf(context.source);
    PathSets sets = pathSetsOf(context.data, path);
    applyChangedSince(context, path);
    run.start(sets.stock);
    PluFiles files(context.targetFile, settings.listFile);
    files.writeHeader(settings.headerLine());
    if (sets.price)
        sets.price->first();
    for (sets.stock.first(); !sets.stock.eof(); sets.stock.next()) {
        run.advance();
        Bc4000Record record = path == SourcePath::Kelp       ? kelpRecord(run, sets)
                              : path == SourcePath::MartenV8 ? v8Record(run, sets, defaults)
                                                             : tillv10Record(run, sets, defaults);
        run.logRecord(record.plu);
        files.writeRecord(run, line.of(record),
                          pluListLine(record.plu.codeField, record.plu.descriptionField,
                                      record.plu.formattedPrice));
    }
    files.close();
    removeChangedSince(context.data);
    startIshidaDriver(run, settings);
    run.finish();
}

} // namespace pondus
