#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "core/analysis/AnalysisFile.h"
#include "core/analysis/CurveTable.h"
#include "core/io/ReadFile.h"
#include "core/io/TextEncoding.h"
#include "core/io/TextFile.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

struct AnalysisFileOptions {
    std::string from;
    std::string out;
    std::string name;
    bool nameGiven = false;
};

/// The curve's title as the analysis file keeps it: the name given, or the table file's name
/// without its folder and extension.
std::string curveTitle(const AnalysisFileOptions& options) {
    const std::string text =
        options.nameGiven ? options.name : std::filesystem::path(options.from).stem().string();
    std::optional<std::string> title = fileText(text);
    if (!title) {
        throw usageError("the name '" + text +
                         "' has a character an analysis file cannot keep (only Latin-1 text)");
    }
    if (title->size() > UserCurve::kMaxTitleLength) {
        throw usageError("the name is longer than " + std::to_string(UserCurve::kMaxTitleLength) +
                         " characters");
    }
    return *std::move(title);
}

/// An analysis file from a table of 18 rows of cases and person-years, as the typed-in curve
/// page's Paste reads it.
void makeAnalysisFile(CliContext& context, const AnalysisFileOptions& options) {
    if (!hasExtension(options.out, ".STA")) {
        throw usageError(std::string(kUnsupportedFormatMessage) + " '" + options.out +
                         "' (an analysis file is a .STA file)");
    }
    const std::string title = curveTitle(options);
    std::string bytes;
    if (const IoResult read = readFileBytes(options.from, bytes); !read.ok()) {
        throw dataError(read.message);
    }
    const CurveTableRead table = parseCurveTable(bytes);
    if (!table.rows) {
        throw usageError(options.from + ": " + table.message);
    }
    const UserCurve curve = userCurveOfTable(*table.rows, title);
    if (const IoResult written = writeAnalysisFile(options.out, curve); !written.ok()) {
        throw dataError(written.message);
    }
    if (context.json) {
        context.printJson({{"file", options.out}, {"type", "analysis file"}, {"title", title}});
        return;
    }
    context.out() << "Saved " << options.out << " (analysis file)\n";
}

} // namespace

void registerStaCommand(CLI::App& app, CliContext& context) {
    CLI::App* sta = app.add_subcommand("sta", "Analysis files (.STA) of a typed-in curve");
    sta->require_subcommand(1);
    auto options = std::make_shared<AnalysisFileOptions>();
    CLI::App* make = sta->add_subcommand(
        "make", "Write an analysis file from a table of 18 rows of cases and person-years "
                "(0-4 ... 85+; tab-, comma- or semicolon-separated, an optional header row and "
                "age-group column), as Paste on the typed-in curve page reads it");
    make->add_option("--from", options->from, "The table (.csv or text)")->required();
    make->add_option("--out", options->out, "The analysis file to write (.STA)")->required();
    make->add_option("--name", options->name,
                     "The curve's title (default: the table file's name without extension)");
    restoreAtEachParse(*make, options);
    make->callback([&context, options, make] {
        options->nameGiven = make->count("--name") > 0;
        makeAnalysisFile(context, *options);
    });
}

} // namespace orvelan::cli
