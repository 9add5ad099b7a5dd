#include "CliContext.h"
#include "Commands.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/Codes.h"

#include <CLI/CLI.hpp>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

// Labels carry the marker and registration years only when the data files are there.
std::string registryLabel(CliContext& context, int row) {
    if (CRegistryDictionary::populationNumber(row) == CRegistryDictionary::kNoPopulation) {
        return std::string(CRegistryDictionary::caption(row));
    }
    if (context.hasData()) {
        return context.store().populationLabel(row, true);
    }
    return CRegistryDictionary::label(row, PopulationFacts{}, false);
}

void printRegistries(CliContext& context) {
    nlohmann::json rows = nlohmann::json::array();
    std::ostream& out = context.out();
    if (!context.json) {
        out << " row  pop  level  label\n";
    }
    for (int row = 0; row < kRegistryRowCount; ++row) {
        const int population = CRegistryDictionary::populationNumber(row);
        const bool hasPopulation = population != CRegistryDictionary::kNoPopulation;
        const int level = CRegistryDictionary::level(row);
        const std::string label = registryLabel(context, row);
        if (context.json) {
            rows.push_back(
                {{"row", row},
                 {"population", hasPopulation ? nlohmann::json(population) : nullptr},
                 {"level", level},
                 {"label", label},
                 {"flagged", hasPopulation && CRegistryDictionary::isFlagged(population)}});
            continue;
        }
        out << std::setw(4) << row << ' ' << std::setw(4)
            << (hasPopulation ? std::to_string(population) : std::string("-")) << "  "
            << std::setw(5) << level << "  "
            << std::string(static_cast<std::size_t>(2 * level), ' ') << label << '\n';
    }
    const auto& groups = context.registryGroups();
    for (int k = 0; k < groups.count(); ++k) {
        const std::string name = groups.group(k).trimmedName();
        if (context.json) {
            rows.push_back({{"row", nullptr},
                            {"population", kFirstRegistryGroup + k},
                            {"level", nullptr},
                            {"label", name},
                            {"flagged", false}});
        } else {
            out << "   - " << std::setw(4) << kFirstRegistryGroup + k << "  group  " << name
                << '\n';
        }
    }
    if (context.json) {
        context.printJson(rows);
    }
}

void printCancers(CliContext& context) {
    nlohmann::json rows = nlohmann::json::array();
    std::ostream& out = context.out();
    if (!context.json) {
        out << "cancer  level  sexes  std  code                 label\n";
    }
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        const bool males = CCancerDictionary::appliesToMales(cancer);
        const bool females = CCancerDictionary::appliesToFemales(cancer);
        const int standardRow = CCancerDictionary::standardRow(cancer);
        const std::string code(CCancerDictionary::code(cancer));
        const std::string label = CCancerDictionary::label(cancer);
        const int level = CCancerDictionary::level(cancer);
        if (context.json) {
            rows.push_back(
                {{"cancer", cancer},
                 {"level", level},
                 {"males", males},
                 {"females", females},
                 {"code", code},
                 {"morphology", CCancerDictionary::isMorphology(cancer)},
                 {"standard_row", standardRow >= 0 ? nlohmann::json(standardRow) : nullptr},
                 {"label", label}});
            continue;
        }
        const std::string sexes = std::string(males ? "M" : "-") + (females ? "F" : "-");
        out << std::setw(6) << cancer << "  " << std::setw(5) << level << "  " << std::setw(5)
            << sexes << "  " << std::setw(3)
            << (standardRow >= 0 ? std::to_string(standardRow) : std::string("-")) << "  "
            << std::left << std::setw(20) << code.substr(0, 20) << std::right << " "
            << std::string(static_cast<std::size_t>(2 * level), ' ') << label << '\n';
    }
    const auto& groups = context.cancerGroups();
    for (int k = 0; k < groups.count(); ++k) {
        const auto& group = groups.group(k);
        if (context.json) {
            rows.push_back({{"cancer", kFirstCancerGroup + k},
                            {"level", nullptr},
                            {"males", group.malesFlag == '1'},
                            {"females", group.femalesFlag == '1'},
                            {"code", nullptr},
                            {"morphology", false},
                            {"standard_row", nullptr},
                            {"label", group.trimmedName()}});
        } else {
            out << std::setw(6) << kFirstCancerGroup + k << "  group  "
                << (group.malesFlag == '1' ? "M" : "-") << (group.femalesFlag == '1' ? "F" : "-")
                << "  " << group.trimmedName() << '\n';
        }
    }
    if (context.json) {
        context.printJson(rows);
    }
}

} // namespace

void registerDictCommand(CLI::App& app, CliContext& context) {
    CLI::App* dict = app.add_subcommand("dict", "Print the registry or cancer dictionary");
    dict->require_subcommand(1);
    dict->add_subcommand("registries", "Registry rows with population numbers, levels and labels")
        ->callback([&context] { printRegistries(context); });
    dict->add_subcommand("cancers", "Cancer rows with levels, sexes, codes and labels")
        ->callback([&context] { printCancers(context); });
}

} // namespace orvelan::cli
