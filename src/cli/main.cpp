#include "RunCli.h"

#include <iostream>

int main(int argc, char** argv) { return orvelan::cli::runCli(argc, argv, std::cout, std::cerr); }
