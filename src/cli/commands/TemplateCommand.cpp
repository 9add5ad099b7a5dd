#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "GraphOptions.h"
#include "ReportOptions.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/io/CTemplateFolder.h"
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

/// The registries the slots name: the values stored in them (dictionary rows become population
/// numbers, 272 + k stays a group), so that a damaged slot shows what it holds.
std::vector<int> selectedRegistries(const SelectionList& list) { return registryValues(list); }

std::string registryName(CliContext& context, int population) {
    const int groups = context.registryGroups().count();
    if (isMissingRegistryGroup(population, groups)) {
        return kNoSuchRegistryGroup;
    }
    if (population >= kFirstRegistryGroup) {
        return context.registryGroups().group(population - kFirstRegistryGroup).trimmedName();
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
    if (const IoResult read = CReportTemplate::read(path, choices, registryGroups, cancerGroups);
        !read.ok()) {
        throw dataError(read.message);
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
    if (const IoResult read = CGraphTemplate::read(path, s, registryGroups, cancerGroups);
        !read.ok()) {
        throw dataError(read.message);
    }
    const std::vector<Field> fields = {{"kind", indexOf(s.kind)},
                                       {"bar_chart_type", indexOf(s.barChartType)},
                                       {"cancer", s.cancer},
                                       {"population", s.population},
                                       {"age_from", s.ageFrom},
                                       {"age_to", s.ageTo},
                                       {"rate_kind", indexOf(s.rateKind)},
                                       {"sex", indexOf(s.sex)},
                                       {"reserved1", s.reserved1},
                                       {"reserved2", s.reserved2}};
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

struct TemplateMakeOptions {
    std::string out;
    std::string title;
    ReportChoiceOptions report;
};

void printMade(CliContext& context, const std::string& path, const std::string& type,
               std::size_t bytes) {
    if (context.json) {
        context.printJson({{"file", path}, {"type", type}, {"bytes", bytes}});
        return;
    }
    context.out() << "Saved " << path << " (" << type << ")\n";
}

/// A graph template of one kind from the options of `graph`.
void makeGraphTemplate(CliContext& context, const std::string& out, GraphKind kind,
                       const GraphOptions& options) {
    if (!CTemplateFolder::hasExtension(out, CGraphTemplate::kExtension)) {
        throw usageError(std::string(CTemplateFolder::kUnsupportedFormat) + " '" + out +
                         "' (a graph template is a .GPH file)");
    }
    const GraphSettings settings = makeGraphSettings(context, kind, options);
    if (const IoResult written = CGraphTemplate::write(
            out, settings, context.registryGroups().count(), context.cancerGroups().count());
        !written.ok()) {
        throw dataError(written.message);
    }
    printMade(context, out, CGraphTemplate::typeName(settings.kind), CGraphTemplate::kFileSize);
}

void makeTemplate(CliContext& context, const TemplateMakeOptions& options) {
    if (CTemplateFolder::hasExtension(options.out, CGraphTemplate::kExtension)) {
        throw usageError("a graph template needs its kind after the options of make: "
                         "curves, bars, pie or pyramid");
    }
    if (!CTemplateFolder::hasExtension(options.out, CReportTemplate::kExtension)) {
        throw usageError(std::string(CTemplateFolder::kUnsupportedFormat) + " '" + options.out +
                         "' (use a .RPT file)");
    }
    if (!options.title.empty()) {
        throw usageError("a report template (.RPT) keeps no title");
    }
    if (options.report.kind.empty()) {
        throw usageError("template make --out FILE.RPT needs --kind summary, age-specific or user");
    }
    const ReportChoices choices = reportChoicesFromOptions(context, options.report);
    if (const IoResult written = CReportTemplate::write(
            options.out, choices, context.registryGroups().count(), context.cancerGroups().count());
        !written.ok()) {
        throw dataError(written.message);
    }
    printMade(context, options.out, CReportTemplate::typeName(choices.block.reportKind),
              CReportTemplate::kFileSize);
}

} // namespace

void registerTemplateCommand(CLI::App& app, CliContext& context) {
    CLI::App* templates = app.add_subcommand("template", "Report and graph template files");
    templates->require_subcommand(1);
    auto path = std::make_shared<std::string>();
    CLI::App* show = templates->add_subcommand(
        "show", "Print a .RPT or .GPH template: its block, selection lists and title");
    show->add_option("file", *path, "The template file")->required();
    restoreAtEachParse(*show, path);
    show->callback([&context, path] { showTemplate(context, *path); });

    auto make = std::make_shared<TemplateMakeOptions>();
    CLI::App* maker = templates->add_subcommand(
        "make", "Write a report template (.RPT) from the choices of report, or a graph template "
                "(.GPH) from the options of graph after its kind, as the wizards' template "
                "buttons do");
    maker->add_option("--out", make->out, "The FILE.RPT or FILE.GPH to write")->required();
    maker->add_option("--title", make->title, "Title: only graph templates keep one");
    addReportChoiceOptions(*maker, make->report);
    maker->fallthrough();
    // Graph templates: `template make --out FILE.GPH KIND` with the options of `graph KIND`.
    struct Kind {
        const char* name;
        const char* help;
        GraphKind kind;
        void (*addOptions)(CLI::App&, GraphOptions&);
    };
    const Kind kinds[] = {
        {"curves", "A graph template of age-specific curves", GraphKind::AgeSpecific,
         addCurvesOptions},
        {"bars", "A graph template of a bar chart", GraphKind::BarChart, addBarOptions},
        {"pie", "A graph template of a pie chart", GraphKind::PieChart, addPieOptions},
        {"pyramid", "A graph template of a population pyramid", GraphKind::Pyramid,
         addPyramidOptions}};
    for (const Kind& kind : kinds) {
        auto graph = std::make_shared<GraphOptions>();
        CLI::App* command = maker->add_subcommand(kind.name, kind.help);
        command->fallthrough();
        kind.addOptions(*command, *graph);
        restoreAtEachParse(*command, graph);
        const GraphKind graphKind = kind.kind;
        command->callback([&context, make, graphKind, graph] {
            // A --title given before the kind is the graph's too; one after it wins.
            GraphOptions options = *graph;
            if (options.title.empty()) {
                options.title = make->title;
            }
            makeGraphTemplate(context, make->out, graphKind, options);
        });
    }
    restoreAtEachParse(*maker, make);
    maker->callback([&context, make, maker] {
        if (maker->get_subcommands().empty()) {
            makeTemplate(context, *make);
        }
    });
}

} // namespace orvelan::cli
