// ORVELAN.POP as the store reads it.
#include "FuzzDataFile.h"
#include "core/data/CIncidenceStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return orvelan::fuzz::runDataFile(orvelan::CIncidenceStore::kPopulationFileName, data, size);
}
