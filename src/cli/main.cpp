#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return murvane::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
