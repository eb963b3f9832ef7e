#pragma once

#include <iosfwd>
#include <string>
#include <vector>

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

} // namespace pondus::cli
