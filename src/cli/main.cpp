#include "COutputBuffer.h"
#include "GraphImage.h"
#include "RunCli.h"
#include "core/io/CAtomicFile.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    orvelan::cli::rememberCommandLine(argc, argv);
    orvelan::CAtomicFile::removeTemporariesOnSignals();
    // Standard output through a buffer that keeps the reason of a failed write; given back
    // before the buffer goes, since the library flushes std::cout once more at exit.
    orvelan::cli::COutputBuffer buffer(STDOUT_FILENO);
    std::streambuf* const standard = std::cout.rdbuf(&buffer);
    const int status = orvelan::cli::runCli(argc, argv, std::cout, std::cerr);
    std::cout.rdbuf(standard);
    return status;
}
