#include "FuzzGroups.h"

#include "FuzzSupport.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/Codes.h"
#include "core/rates/SeriesRates.h"

#include <cstdlib>
#include <string>

namespace orvelan::fuzz {

int runGroups(GroupKind kind, const std::uint8_t* data, std::size_t size) {
    const bool cancers = kind == GroupKind::Cancer;
    const std::string path =
        writeFile(std::string(cancers ? CUserGroupDictionary::kCancerFileName
                                      : CUserGroupDictionary::kRegistryFileName),
                  std::string_view(reinterpret_cast<const char*>(data), size));
    CUserGroupDictionary groups(kind);
    if (!groups.load(path).ok()) {
        std::abort(); // a regular file of any content is read
    }
    if (groups.count() > groups.capacity()) {
        std::abort();
    }
    const CUserGroupDictionary none(cancers ? GroupKind::Registry : GroupKind::Cancer);
    CIncidenceStore store;
    if (!store.open(dataDirectory())) {
        std::abort(); // the scratch data files are whole
    }
    store.setUserGroups(cancers ? &groups : &none, cancers ? &none : &groups);
    for (int k = 0; k < groups.count(); ++k) {
        const std::string line = CUserGroupDictionary::formatLine(groups.group(k));
        if (line.empty() || line.back() != '\n') {
            std::abort();
        }
        if (k >= 4) {
            continue;
        }
        const int population = cancers ? 0 : kFirstRegistryGroup + k;
        const int cancer = cancers ? kFirstCancerGroup + k : 0;
        for (const Sex sex : kAllSexes) {
            if (store.load(population, cancer, sex)) {
                computeRate(store.series(), RateKind::AsrWorld, 0, 17);
                computeRate(store.series(), RateKind::CumulativeRisk, 0, 14);
            }
        }
        store.populationLabelByNumber(population, true);
        store.cancerLabel(cancer);
    }
    return 0;
}

} // namespace orvelan::fuzz
