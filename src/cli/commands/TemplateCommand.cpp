#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "ReportOptions.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/io/CTemplateFolder.h"
#include "core/reports/CReportTemplate.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

using Field = std::pair<const char*, int>;

std::vector<int> selectedSlots(const SelectionList& list) {
    std::vector<int> slots;
    for (int slot = 0; slot < kSelectionListSize; ++slot) {
        if (list[static_cast<std::size_t>(slot)] >= 0) {
            slots.push_back(slot);
        }
    }
    return slots;
}

std::string registryName(CliContext& context, int slot) {
    if (slot >= kFirstRegistryGroup) {
        return context.registryGroups().group(slot - kFirstRegistryGroup).trimmedName();
    }
    const int population = CRegistryDictionary::populationNumber(slot);
    return "population " + std::to_string(population) + ", " +
           std::string(CRegistryDictionary::caption(slot));
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
    out << "Registries (" << selectedSlots(registries).size() << "):\n";
    for (const int slot : selectedSlots(registries)) {
        out << "  " << slot << "  " << registryName(context, slot) << '\n';
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
    json["registries"] = selectedSlots(registries);
    json["cancers"] = selectedSlots(cancers);
    if (title != nullptr) {
        json["title"] = *title;
    }
    context.out() << json.dump(2) << '\n';
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

struct MakeOptions {
    std::string out;
    std::string title;
    ReportChoiceOptions report;
};

void makeTemplate(CliContext& context, const MakeOptions& options) {
    if (CTemplateFolder::hasExtension(options.out, CGraphTemplate::kExtension)) {
        throw usageError("graph templates (.GPH) cannot be made here yet; make them in the "
                         "desktop program's graph wizard");
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
    if (auto error = CReportTemplate::write(options.out, choices, context.registryGroups().count(),
                                            context.cancerGroups().count())) {
        throw dataError(*error);
    }
    if (context.json) {
        context.out() << nlohmann::json{{"file", options.out},
                                        {"type",
                                         CReportTemplate::typeName(choices.block.reportKind)},
                                        {"bytes", CReportTemplate::kFileSize}}
                             .dump(2)
                      << '\n';
        return;
    }
    context.out() << "Saved " << options.out << " ("
                  << CReportTemplate::typeName(choices.block.reportKind) << ")\n";
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

    auto make = std::make_shared<MakeOptions>();
    CLI::App* maker = templates->add_subcommand(
        "make", "Write a report template (.RPT) from the choices of report, as the wizard's "
                "template button does");
    maker->add_option("--out", make->out, "The FILE.RPT to write")->required();
    maker->add_option("--title", make->title, "Title (graph templates only)");
    addReportChoiceOptions(*maker, make->report);
    maker->callback([&context, make] { makeTemplate(context, *make); });
}

} // namespace orvelan::cli
