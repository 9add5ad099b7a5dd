#include "GraphImage.h"
#include "RunCli.h"

#include <iostream>

int main(int argc, char** argv) {
    orvelan::cli::rememberCommandLine(argc, argv);
    return orvelan::cli::runCli(argc, argv, std::cout, std::cerr);
}
