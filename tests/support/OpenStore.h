#pragma once

#include "FixtureData.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"

#include <gtest/gtest.h>

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

/// The store on FixtureData::smallCounts(), the males of population 0 with cancer 0 loaded.
class SmallCountsStore : public ::testing::Test {
  protected:
    void SetUp() override {
        FixtureData::smallCounts().write(m_dir.str());
        ASSERT_TRUE(m_store.open(m_dir.str()));
        ASSERT_TRUE(m_store.load(0, 0, Sex::Male));
    }

    TempDir m_dir;
    CIncidenceStore m_store;
};

} // namespace orvelan::test
