// POPuser.dic, the user's registry groups.
#include "FuzzGroups.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return orvelan::fuzz::runGroups(orvelan::GroupKind::Registry, data, size);
}
