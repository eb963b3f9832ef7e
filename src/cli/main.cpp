#include "cli/Cli.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return pondus::cli::run(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
