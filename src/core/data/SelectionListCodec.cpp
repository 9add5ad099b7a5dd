#include "core/data/SelectionListCodec.h"

#include "core/io/LittleEndian.h"

namespace orvelan {

void appendSelectionList(std::string& bytes, const SelectionList& list) {
    for (const int slot : list) {
        appendInt32(bytes, slot);
    }
}

SelectionList readSelectionList(std::string_view bytes, std::size_t offset) {
    SelectionList list{};
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i] = readInt32(bytes, offset + 4 * i);
    }
    return list;
}

} // namespace orvelan
