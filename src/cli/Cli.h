#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace pondus {
class InstanceLock;
}

namespace pondus::cli {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// What every subcommand works with: the app folder (already the current folder)
// and the two output streams, swappable so that tests compare them byte for byte.
struct Context {
    std::string appFolder;
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

// Runs "pondus-cli [--app-dir DIR] COMMAND ..."; args excludes the program name.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        bool errIsTerminal = false);

// The subcommands; args are those after the command's own name.
int runConfig(Context& context, const std::vector<std::string>& args);
int runSendCommand(Context& context, const std::vector<std::string>& args);
int runConvertCommand(Context& context, const std::vector<std::string>& args);

// The single-instance lock that send and convert hold like the window does;
// nothing, after saying so on standard error, when another instance holds it.
std::unique_ptr<InstanceLock> takeInstanceLock(Context& context);

} // namespace pondus::cli
