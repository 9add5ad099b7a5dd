#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "core/io/CTemplateFolder.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/ReportItems.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

using Field = std::pair<const char*, int>;

/// The cancer slots a report runs: those holding a number (cancers are run by their slot).
std::vector<int> selectedSlots(const SelectionList& list) {
    std::vector<int> slots;
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        if (list[static_cast<std::size_t>(slot)] >= 0) {
            slots.push_back(slot);
        }
    }
    return slots;
}

/// The registries a report runs: the values stored in the slots (dictionary rows become
/// population numbers, 272 + k stays a group), so that a damaged slot shows what it runs.
std::vector<int> selectedRegistries(const SelectionList& list) { return registryItems(list); }

std::string registryName(CliContext& context, int population) {
    if (population >= kFirstRegistryGroup) {
        const int group = population - kFirstRegistryGroup;
        return group < context.registryGroups().count()
                   ? context.registryGroups().group(group).trimmedName()
                   : "(no such registry group)";
    }
    const auto row = CRegistryDictionary::rowOfPopulation(population);
    return "population " + std::to_string(population) +
           (row ? ", " + std::string(CRegistryDictionary::caption(*row)) : std::string());
}

std::string cancerName(CliContext& context, int slot) {
    if (slot >= kFirstCancerGroup) {
        return context.cancerGroups().group(slot - kFirstCancerGroup).trimmedName();
    }
    return CCancerDictionary::label(slot);
}

void printText(CliContext& context, const std::string& heading, const std::vector<Field>& fields,
               const SelectionList& registries, const SelectionList& cancers,
               const std::string* title) {
    std::ostream& out = context.out();
    out << heading << '\n';
    for (const auto& [name, value] : fields) {
        out << "  " << name << ": " << value << '\n';
    }
    const std::vector<int> populations = selectedRegistries(registries);
    out << "Registries (" << populations.size() << "):\n";
    for (const int population : populations) {
        out << "  " << population << "  " << registryName(context, population) << '\n';
    }
    out << "Cancers (" << selectedSlots(cancers).size() << "):\n";
    for (const int slot : selectedSlots(cancers)) {
        out << "  " << slot << "  " << cancerName(context, slot) << '\n';
    }
    if (title != nullptr) {
        out << "Title: " << *title << '\n';
    }
}

void printJson(CliContext& context, const std::string& file, const std::string& type,
               const std::vector<Field>& fields, const SelectionList& registries,
               const SelectionList& cancers, const std::string* title) {
    nlohmann::json json = {{"file", file}, {"type", type}};
    nlohmann::json block = nlohmann::json::object();
    for (const auto& [name, value] : fields) {
        block[name] = value;
    }
    json["block"] = block;
    json["registries"] = selectedRegistries(registries);
    json["cancers"] = selectedSlots(cancers);
    if (title != nullptr) {
        json["title"] = *title;
    }
    context.printJson(json);
}

void showReport(CliContext& context, const std::string& path) {
    ReportChoices choices;
    const int registryGroups = context.registryGroups().count();
    const int cancerGroups = context.cancerGroups().count();
    if (auto error = CReportTemplate::read(path, choices, registryGroups, cancerGroups)) {
        throw dataError(*error);
    }
    const ReportBlock& b = choices.block;
    const std::vector<Field> fields = {{"report_kind", b.reportKind},
                                       {"interval", b.interval},
                                       {"arrangement", b.arrangement},
                                       {"fixed_cancer", b.fixedCancer},
                                       {"fixed_registry", b.fixedRegistry},
                                       {"age_from", b.ageFrom},
                                       {"age_to", b.ageTo},
                                       {"rate_kind", b.rateKind},
                                       {"sexes", b.sexes},
                                       {"male", b.male},
                                       {"female", b.female}};
    const auto type = CReportTemplate::typeName(b.reportKind);
    if (context.json) {
        printJson(context, path, type, fields, choices.registries, choices.cancers, nullptr);
    } else {
        printText(context, "Report template " + path + " (" + type + ")", fields,
                  choices.registries, choices.cancers, nullptr);
    }
}

void showGraph(CliContext& context, const std::string& path) {
    GraphSettings s;
    const int registryGroups = context.registryGroups().count();
    const int cancerGroups = context.cancerGroups().count();
    if (auto error = CGraphTemplate::read(path, s, registryGroups, cancerGroups)) {
        throw dataError(*error);
    }
    const std::vector<Field> fields = {
        {"kind", s.kind},           {"bar_chart_type", s.barChartType},
        {"cancer", s.cancer},       {"population", s.population},
        {"age_from", s.ageFrom},    {"age_to", s.ageTo},
        {"rate_kind", s.rateKind},  {"sex", s.sex},
        {"reserved1", s.reserved1}, {"reserved2", s.reserved2}};
    const auto type = CGraphTemplate::typeName(s.kind);
    if (context.json) {
        printJson(context, path, type, fields, s.registries, s.cancers, &s.title);
    } else {
        printText(context, "Graph template " + path + " (" + type + ")", fields, s.registries,
                  s.cancers, &s.title);
    }
}

void showTemplate(CliContext& context, const std::string& path) {
    if (CTemplateFolder::hasExtension(path, CReportTemplate::kExtension)) {
        showReport(context, path);
    } else if (CTemplateFolder::hasExtension(path, CGraphTemplate::kExtension)) {
        showGraph(context, path);
    } else {
        throw usageError(std::string(CTemplateFolder::kUnsupportedFormat) + " '" + path +
                         "' (use a .RPT or .GPH file)");
    }
}

} // namespace

void registerTemplateCommand(CLI::App& app, CliContext& context) {
    CLI::App* templates = app.add_subcommand("template", "Report and graph template files");
    templates->require_subcommand(1);
    auto path = std::make_shared<std::string>();
    CLI::App* show = templates->add_subcommand(
        "show", "Print a .RPT or .GPH template: its block, selection lists and title");
    show->add_option("file", *path, "The template file")->required();
    show->callback([&context, path] { showTemplate(context, *path); });
}

} // namespace orvelan::cli
