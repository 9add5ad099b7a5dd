#include "GraphImage.h"
#include "RunCli.h"
#include "core/io/CAtomicFile.h"

#include <iostream>

int main(int argc, char** argv) {
    orvelan::cli::rememberCommandLine(argc, argv);
    orvelan::CAtomicFile::removeTemporariesOnSignals();
    return orvelan::cli::runCli(argc, argv, std::cout, std::cerr);
}
