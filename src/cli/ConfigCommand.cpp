#include "base/Error.h"
#include "cli/Cli.h"
#include "shell/Frontend.h"
#include "shell/Startup.h"

#include <ostream>

namespace pondus::cli {

namespace {

constexpr const char* ConfigUsage =
    "usage: pondus-cli [--app-dir DIR] config get SECTION KEY [--default TEXT]\n"
    "       pondus-cli [--app-dir DIR] config set SECTION KEY VALUE\n";

} // namespace

int runConfig(Context& context, const std::vector<std::string>& args) {
    bool isGet = !args.empty() && args[0] == "get" &&
                 (args.size() == 3 || (args.size() == 5 && args[3] == "--default"));
    bool isSet = !args.empty() && args[0] == "set" && args.size() == 4;
    if (!isGet && !isSet) {
        context.err << ConfigUsage;
        return UsageError;
    }
    IniFile settings = openSettingsFile(context.appFolder);
    if (isGet) {
        std::string defaultValue = args.size() == 5 ? args[4] : "";
        context.out << settings.readString(args[1], args[2], defaultValue) << "\n";
        return Success;
    }
    try {
        settings.writeString(args[1], args[2], args[3]);
        settings.flush();
    } catch (const Error& error) {
        context.err << generalErrorText(error.what()) << "\n";
        return Failure;
    }
    return Success;
}

} // namespace pondus::cli
