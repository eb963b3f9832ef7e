#include "cli/Cli.h"
#include "cli/CommandOptions.h"
#include "cli/TerminalFrontend.h"
#include "platform/Platform.h"
#include "shell/DetachedStarter.h"
#include "shell/SendWorkflow.h"
#include "shell/Startup.h"

#include <ostream>

namespace pondus::cli {

namespace {

constexpr const char* SendUsage =
    "usage: pondus-cli [--app-dir DIR] send [--source TEXT] [--target TEXT]\n"
    "           [--target-file PATH] [--source-file PATH] [--changed-since DD/MM/YYYY]\n"
    "           [--at YYYY-MM-DDTHH:MM] [--no-launch] [--log]\n";

// --no-launch: the command line the send would have started, on standard output.
class PrintingStarter : public ProgramStarter {
public:
    explicit PrintingStarter(std::ostream& out) : m_out(out) {}
    void start(const std::string& program, const std::vector<std::string>& words) override {
        m_out << program;
        for (const std::string& word : words)
            m_out << " " << word;
        m_out << "\n";
    }

private:
    std::ostream& m_out;
};

// What the window holds after start-up, replaced by the options given.
SendRequest startupRequest(IniFile& settings, const CommandOptions& options,
                           const std::string& appFolder) {
    SendRequest request;
    request.source = options.source.value_or(settings.readString("GENERAL", "DEFAULT_SOURCE", ""));
    request.target = options.target.value_or(settings.readString("GENERAL", "DEFAULT_TARGET", ""));
    request.targetLabel = request.target;
    request.sourceFile = options.sourceFile
                             ? *options.sourceFile
                             : startupSourceFile(settings, request.source, appFolder);
    request.targetFile = options.targetFile
                             ? *options.targetFile
                             : startupTargetFile(settings, request.target, appFolder);
    DateTime now = currentDateTime();
    request.changedSince = options.changedSince.has_value();
    request.changedSinceDate = options.changedSince.value_or(now);
    request.clock = options.at.value_or(now);
    return request;
}

} // namespace

int runSendCommand(Context& context, const std::vector<std::string>& args) {
    TerminalCommand command{"send",
                            {"--source", "--target", "--target-file", "--source-file",
                             "--changed-since", "--at", "--no-launch", "--log"},
                            SendUsage};
    return runTerminalCommand(
        context, args, command, [&](const CommandOptions& options, TerminalFrontend& frontend) {
            DetachedStarter detached;
            PrintingStarter printing(context.out);
            ProgramStarter& starter =
                options.noLaunch ? static_cast<ProgramStarter&>(printing) : detached;
            IniFile settings = openSettingsFile(context.appFolder);
            SendRequest request = startupRequest(settings, options, context.appFolder);
            Session session{context.appFolder, settings,
                            readRegisterValues(context.appFolder).flagCode};
            SendResult result = runSend(request, session, frontend, starter);
            if (result == SendResult::NothingToDo)
                context.err << "No target model is selected\n";
            return result == SendResult::Completed;
        });
}

} // namespace pondus::cli
