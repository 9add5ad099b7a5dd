#include "CliContext.h"

#include "CliError.h"
#include "core/data/Codes.h"

#include <ostream>

namespace orvelan::cli {

CliContext::CliContext(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

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
    m_cancerGroups->load(dataPath(std::string(CUserGroupDictionary::kCancerFileName)));
    m_registryGroups->load(dataPath(std::string(CUserGroupDictionary::kRegistryFileName)));
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
    if (population >= 0 && population < kPopulationCount) {
        return population;
    }
    const int group = population - kFirstRegistryGroup;
    if (group >= 0 && group < registryGroups().count()) {
        return population;
    }
    throw usageError("unknown population " + std::to_string(population) +
                     " (0-228, or 272 and up for the " +
                     std::to_string(registryGroups().count()) + " user-defined registry groups)");
}

int CliContext::checkCancer(int cancer) {
    if (cancer >= 0 && cancer < kCancerCount) {
        return cancer;
    }
    const int group = cancer - kFirstCancerGroup;
    if (group >= 0 && group < cancerGroups().count()) {
        return cancer;
    }
    throw usageError("unknown cancer " + std::to_string(cancer) +
                     " (0-251, or 252 and up for the " + std::to_string(cancerGroups().count()) +
                     " user-defined cancer groups)");
}

void CliContext::checkAgeRange(int from, int to) {
    if (from < 0 || from > kTopAgeGroup || to < 0 || to > kTopAgeGroup) {
        throw usageError("age groups run from 0 (0-4) to 17 (85+)");
    }
    if (to < from) {
        throw usageError("Invalid age range");
    }
}

} // namespace orvelan::cli
