#include <clocale>
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    return vx::cli::Run(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
