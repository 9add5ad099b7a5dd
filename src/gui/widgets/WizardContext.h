#pragma once

#include <QString>

namespace orvelan {

class CIncidenceStore;
class CUserGroupDictionary;

/// What the statistics, report and graph wizards read besides their remembered choices.
struct WizardContext {
    CIncidenceStore& store;
    CUserGroupDictionary& registryGroups;
    CUserGroupDictionary& cancerGroups;
    /// The templates folder lies below it.
    QString dataDirectory;
};

} // namespace orvelan
