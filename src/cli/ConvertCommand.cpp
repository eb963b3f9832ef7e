#include "cli/Cli.h"
#include "cli/CommandOptions.h"
#include "cli/TerminalFrontend.h"
#include "platform/Platform.h"
#include "shell/SendWorkflow.h"
#include "shell/Startup.h"

#include <ostream>

namespace pondus::cli {

namespace {

constexpr const char* ConvertUsage =
    "usage: pondus-cli [--app-dir DIR] convert [--target TEXT] [--target-file PATH]\n"
    "           [--source-file PATH] [--log]\n";

// The text conversion belongs to this source system; its section holds the cutting.
constexpr const char* TextSource = "BRAVUS";

ConvertRequest startupRequest(IniFile& settings, const CommandOptions& options,
                              const std::string& appFolder) {
    ConvertRequest request;
    request.source = TextSource;
    request.target = options.target.value_or(settings.readString("GENERAL", "DEFAULT_TARGET", ""));
    request.sourceFile = options.sourceFile
                             ? *options.sourceFile
                             : startupSourceFile(settings, request.source, appFolder);
    request.targetFile = options.targetFile
                             ? *options.targetFile
                             : startupTargetFile(settings, request.target, appFolder);
    return request;
}

} // namespace

int runConvertCommand(Context& context, const std::vector<std::string>& args) {
    TerminalCommand command{
        "convert", {"--target", "--target-file", "--source-file", "--log"}, ConvertUsage};
    return runTerminalCommand(
        context, args, command, [&](const CommandOptions& options, TerminalFrontend& frontend) {
            IniFile settings = openSettingsFile(context.appFolder);
            ConvertRequest request = startupRequest(settings, options, context.appFolder);
            Session session{context.appFolder, settings, ""};
            return runTextConversion(request, session, frontend);
        });
}

} // namespace pondus::cli
