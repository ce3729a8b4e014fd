#include "cli/application_program.h"
#include "cli/command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return rac::cli::runCommandLine(args, std::cin, std::cout, std::cerr,
                                    rac::cli::launchApplication);
}
