#pragma once

#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"

namespace orvelan::test {

/// A data directory with fixture files, the store opened on it and both user dictionaries of
/// the directory (empty unless the test wrote them first) attached to the store.
struct OpenStore {
    TempDir dir;
    CIncidenceStore store;
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    CUserGroupDictionary registryGroups{GroupKind::Registry};

    /// Writes the data files and opens everything; false when anything fails.
    bool open(const FixtureData& data);
};

} // namespace orvelan::test
