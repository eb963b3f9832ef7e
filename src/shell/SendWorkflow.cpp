#include "shell/SendWorkflow.h"

#include "base/Error.h"
#include "base/Text.h"
#include "data/DataModule.h"
#include "exports/Exports.h"
#include "exports/SendContext.h"
#include "settings/IniFile.h"
#include "shell/Frontend.h"

#include <exception>
#include <memory>
#include <string_view>

namespace pondus {

namespace {

using ExportRoutine = void (*)(SendContext&);

struct TargetModel {
    std::string_view text;
    ExportRoutine routine;
    bool tillv10Only;
};

// The target models in the order SEND tests them and the selector lists them;
// compared exactly, letter case included.
constexpr TargetModel targetModels[] = {
    {"ISHIDA BC-3000", exportIshidaBc3000, true},
    {"BIZERBA BC-815", exportBizerbaBc815, true},
    {"SCALELINK PRO V3", exportScaleLinkProV3, true},
    {"SCALELINK PRO V31I", exportScaleLinkProV31I, true},
    {"ISHIDA ASTRA XT (DIRECT SEND)", exportIshidaAstraXt, true},
    {"ISHIDA BC4000 (DIRECT SEND)", exportIshidaBc4000, false},
    {"CAS CL5000J", exportCasCl5000J, false},
    {"CAS CL5500J", exportCasCl5500J, false},
    {"CAS CL5200J", exportCasCl5200J, false},
};

const TargetModel* findTargetModel(std::string_view target) {
    for (const TargetModel& model : targetModels)
        if (model.text == target)
            return &model;
    return nullptr;
}

// The checks before anything changes; false when a message box refused the send.
bool passesChecks(const SendRequest& request, const Session& session, Frontend& frontend) {
    if (request.source == "TILLV10" && !aliasKnown(session.appFolder, "POSAPP")) {
        frontend.showErrorMessage("No Alias : [POSAPP]");
        return false;
    }
    const TargetModel* model = findTargetModel(request.target);
    if (model && model->tillv10Only && request.source != "TILLV10") {
        frontend.showErrorMessage(std::string("Model No Supported") + " !");
        return false;
    }
    return true;
}

void storeSendDefaults(const SendRequest& request, IniFile& settings) {
    settings.writeString("GENERAL", "DEFAULT_SOURCE", request.source);
    settings.writeString("GENERAL", "DEFAULT_TARGET", request.target);
    settings.writeString(request.source, "SOURCE_FILE", request.sourceFile);
    settings.writeString(request.target, "TARGET_FILE", request.targetFile);
}

// The send data module is the current one while it exists; after its release
// no data module is current.
class SendDataModule {
public:
    SendDataModule(const SendRequest& request, const Session& session, Frontend& frontend)
        : m_module(std::make_unique<TdmScale>(request.source, session.appFolder, frontend)) {
        dmScale = m_module.get();
    }
    ~SendDataModule() {
        m_module.reset();
        dmScale = nullptr;
    }
    SendDataModule(const SendDataModule&) = delete;
    SendDataModule& operator=(const SendDataModule&) = delete;

    TdmScale& module() { return *m_module; }

private:
    std::unique_ptr<TdmScale> m_module;
};

void narrowToPriceLevel(TdmScale& data, const std::string& code) {
    RecordSet& price = data.tblStockPrice();
    price.setFiltered(false);
    price.setFilterText(priceLevelFilter(code));
    price.setFiltered(true);
}

// Everything SEND does after its checks; errors leave here.
void prepareAndExport(const SendRequest& request, Session& session, Frontend& frontend,
                      ProgramStarter& starter) {
    storeSendDefaults(request, session.settings);
    SendDataModule send(request, session, frontend);
    session.settings.flush();

    SendContext context{
        .appFolder = session.appFolder,
        .settings = session.settings,
        .frontend = frontend,
        .data = send.module(),
        .starter = starter,
        .source = request.source,
        .target = request.target,
        .sourceFile = request.sourceFile,
        .targetFile = request.targetFile,
        .changedSince = request.changedSince,
        .changedSinceText = "'" + formatDayMonthYear(request.changedSinceDate) + "'",
        .defaultPriceLevel = session.settings.readString("GENERAL", "DEFAULT_PRICE", ""),
        .v8PriceLevel = session.settings.readString("GENERAL", "V8_DEFAULT_PRICE", ""),
        .flagCode = session.flagCode,
        .clock = request.clock,
    };

    if (request.source == "TILLV10")
        narrowToPriceLevel(send.module(), context.defaultPriceLevel);
    if (const TargetModel* model = findTargetModel(request.target))
        model->routine(context);
    frontend.setSendEnabled(true);
}

} // namespace

std::vector<std::string_view> targetModelNames() {
    std::vector<std::string_view> names;
    for (const TargetModel& model : targetModels)
        names.push_back(model.text);
    return names;
}

SendResult runSend(const SendRequest& request, Session& session, Frontend& frontend,
                   ProgramStarter& starter) {
    if (trimBlanks(request.targetLabel).empty())
        return SendResult::NothingToDo;
    if (!passesChecks(request, session, frontend))
        return SendResult::Refused;

    frontend.setSendEnabled(false);
    try {
        prepareAndExport(request, session, frontend, starter);
        return SendResult::Completed;
    } catch (const std::exception& error) {
        // The send data module is released by now; SEND becomes usable again.
        frontend.setSendEnabled(true);
        reportError(frontend, error.what());
        return SendResult::Failed;
    }
}

} // namespace pondus
