#include "cli/Cli.h"

#include "platform/Platform.h"
#include "shell/Startup.h"

#include <functional>
#include <map>
#include <ostream>

namespace pondus::cli {

namespace {

constexpr const char* Usage =
    "usage: pondus-cli [--app-dir DIR] send [OPTIONS]\n"
    "       pondus-cli [--app-dir DIR] convert [OPTIONS]\n"
    "       pondus-cli [--app-dir DIR] config get SECTION KEY [--default TEXT]\n"
    "       pondus-cli [--app-dir DIR] config set SECTION KEY VALUE\n";

using Command = std::function<int(Context&, const std::vector<std::string>&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"config", runConfig},
        {"convert", runConvertCommand},
        {"send", runSendCommand},
    };
    return table;
}

} // namespace

std::unique_ptr<InstanceLock> takeInstanceLock(Context& context) {
    std::unique_ptr<InstanceLock> lock = InstanceLock::acquire(InstanceLockName);
    if (!lock)
        context.err << "Another instance of Pondus is running (lock " << InstanceLockName
                    << " is held)\n";
    return lock;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        bool errIsTerminal) {
    size_t next = 0;
    std::string appFolder;
    if (next < args.size() && args[next] == "--app-dir") {
        if (next + 1 >= args.size()) {
            err << Usage;
            return UsageError;
        }
        appFolder = normaliseAppFolder(args[next + 1]);
        next += 2;
    } else {
        appFolder = appFolderFromEnvironment();
    }
    if (next >= args.size() || !commands().count(args[next])) {
        err << Usage;
        return UsageError;
    }
    if (!changeCurrentFolder(appFolder.empty() ? "/" : appFolder)) {
        err << "Cannot open the app folder " << appFolder << "\n";
        return Failure;
    }
    Context context{appFolder, out, err, errIsTerminal};
    const Command& command = commands().at(args[next]);
    return command(context, std::vector<std::string>(args.begin() + long(next) + 1, args.end()));
}

} // namespace pondus::cli
