// ICDuser.dic, the user's cancer groups.
#include "FuzzGroups.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return orvelan::fuzz::runGroups(orvelan::GroupKind::Cancer, data, size);
}
