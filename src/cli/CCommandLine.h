#pragma once

#include "CliContext.h"

#include <iosfwd>
#include <memory>

namespace CLI {
class App;
}

namespace orvelan::cli {

/// orvelan-cli's commands and options, built once and run on any number of command lines.
/// Every run starts from a fresh context and from every option's default, so that it prints,
/// writes and exits exactly as a process of its own would; building the table costs more than
/// most commands (the fuzz targets run it hundreds of thousands of times).
class CCommandLine {
  public:
    CCommandLine();
    ~CCommandLine();
    CCommandLine(const CCommandLine&) = delete;
    CCommandLine& operator=(const CCommandLine&) = delete;

    /// Parses the arguments and runs one command, writing to out and err; returns the exit
    /// status (0, 1: data or output file, 2: bad argument). Never throws.
    int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

  private:
    int runCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

    CliContext m_context; // every command holds on to it; each run assigns a fresh one
    std::unique_ptr<CLI::App> m_app;
};

} // namespace orvelan::cli
