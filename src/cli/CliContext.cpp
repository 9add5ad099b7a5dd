#include "CliContext.h"

#include "Arguments.h"
#include "CliError.h"
#include "core/data/Codes.h"
#include "core/data/Validation.h"
#include "core/io/TextEncoding.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

/// The same document with every text made UTF-8, keys included.
nlohmann::json utf8Json(const nlohmann::json& json) {
    if (json.is_string()) {
        return displayUtf8(json.get_ref<const std::string&>());
    }
    if (json.is_array()) {
        nlohmann::json array = nlohmann::json::array();
        for (const auto& item : json) {
            array.push_back(utf8Json(item));
        }
        return array;
    }
    if (json.is_object()) {
        nlohmann::json object = nlohmann::json::object();
        for (const auto& [key, value] : json.items()) {
            object[displayUtf8(key)] = utf8Json(value);
        }
        return object;
    }
    return json;
}

} // namespace

CliContext::CliContext(std::ostream& out, std::ostream& err) : m_out(&out), m_err(&err) {}

std::string CliContext::dataPath(const std::string& name) const {
    if (dataDir.empty() || dataDir.back() == '/') {
        return dataDir + name;
    }
    return dataDir + "/" + name;
}

void CliContext::loadGroups() {
    if (m_cancerGroups) {
        return;
    }
    m_cancerGroups = std::make_unique<CUserGroupDictionary>(GroupKind::Cancer);
    m_registryGroups = std::make_unique<CUserGroupDictionary>(GroupKind::Registry);
    for (CUserGroupDictionary* groups : {m_cancerGroups.get(), m_registryGroups.get()}) {
        const std::string_view name = groups->kind() == GroupKind::Cancer
                                          ? CUserGroupDictionary::kCancerFileName
                                          : CUserGroupDictionary::kRegistryFileName;
        if (const IoResult loaded = groups->load(dataPath(std::string(name))); !loaded.ok()) {
            *m_err << "orvelan-cli: warning: " << loaded.message << " (no user groups)\n";
        }
    }
}

const CUserGroupDictionary& CliContext::cancerGroups() {
    loadGroups();
    return *m_cancerGroups;
}

const CUserGroupDictionary& CliContext::registryGroups() {
    loadGroups();
    return *m_registryGroups;
}

bool CliContext::hasData() {
    if (!m_storeTried) {
        m_storeTried = true;
        loadGroups();
        m_store = std::make_unique<CIncidenceStore>();
        m_store->open(dataDir);
        m_store->setUserGroups(m_cancerGroups.get(), m_registryGroups.get());
        for (const auto& warning : m_store->warnings()) {
            *m_err << "orvelan-cli: warning: " << warning << '\n';
        }
    }
    return m_store->isOpen();
}

CIncidenceStore& CliContext::store() {
    if (!hasData()) {
        std::string message;
        for (const auto& problem : m_store->problems()) {
            message += message.empty() ? problem : "; " + problem;
        }
        throw dataError(message.empty() ? "cannot open the data files in " + dataDir : message);
    }
    return *m_store;
}

int CliContext::checkPopulation(int population) {
    if (isDictionaryPopulation(population)) {
        return population;
    }
    // Compared before subtracting, so that the most negative int cannot overflow.
    if (population >= kFirstRegistryGroup &&
        population - kFirstRegistryGroup < registryGroups().count()) {
        return population;
    }
    unknownPopulation(std::to_string(population));
}

void CliContext::unknownPopulation(const std::string& number) {
    throw usageError("unknown population " + number + " (0-228, or 272 and up for the " +
                     std::to_string(registryGroups().count()) + " user-defined registry groups)");
}

int CliContext::checkCancer(int cancer) {
    if (isDictionaryCancer(cancer)) {
        return cancer;
    }
    if (cancer >= kFirstCancerGroup && cancer - kFirstCancerGroup < cancerGroups().count()) {
        return cancer;
    }
    unknownCancer(std::to_string(cancer));
}

void CliContext::unknownCancer(const std::string& number) {
    throw usageError("unknown cancer " + number + " (0-251, or 252 and up for the " +
                     std::to_string(cancerGroups().count()) + " user-defined cancer groups)");
}

// The ends of a range are checked before it is expanded and its numbers after: a range between
// two valid ends may still hold numbers between the data's and the groups' (0-272).
std::vector<int> CliContext::populationList(const std::string& text) {
    const auto check = [this](int population) { checkPopulation(population); };
    std::vector<int> populations = parseNumberList(
        text, check, [this](const std::string& number) { unknownPopulation(number); });
    std::for_each(populations.begin(), populations.end(), check);
    return populations;
}

std::vector<int> CliContext::cancerList(const std::string& text) {
    const auto check = [this](int cancer) { checkCancer(cancer); };
    std::vector<int> cancers =
        parseNumberList(text, check, [this](const std::string& number) { unknownCancer(number); });
    std::for_each(cancers.begin(), cancers.end(), check);
    return cancers;
}

CliError CliContext::loadFailure(const std::string& what) {
    if (m_store && !m_store->loadError().empty()) {
        return dataError(m_store->loadError());
    }
    return dataError("cannot load " + what + " from " + dataDir);
}

void CliContext::printJson(const nlohmann::json& document) {
    // The replacing handler is a last guard: after utf8Json no text should need it.
    *m_out << utf8Json(document).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
           << '\n';
}

void CliContext::checkAgeRange(int from, int to) {
    if (from < 0 || from > kTopAgeGroup || to < 0 || to > kTopAgeGroup) {
        throw usageError("age groups run from 0 (0-4) to 17 (85+)");
    }
    if (const std::optional<std::string> problem = ValidateAgeRange(from, to, -1)) {
        throw usageError(*problem);
    }
}

nlohmann::json numberOrNull(bool available, double value) {
    return available ? nlohmann::json(value) : nlohmann::json(nullptr);
}

} // namespace orvelan::cli
