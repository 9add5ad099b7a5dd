#include "OpenStore.h"

namespace orvelan::test {

bool OpenStore::open(const FixtureData& data) {
    data.write(dir.str());
    if (!store.open(dir.str()) || !cancerGroups.load(dir.file("ICDuser.dic")).ok() ||
        !registryGroups.load(dir.file("POPuser.dic")).ok()) {
        return false;
    }
    store.setUserGroups(&cancerGroups, &registryGroups);
    return true;
}

} // namespace orvelan::test
