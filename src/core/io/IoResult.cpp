#include "core/io/IoResult.h"

#include <utility>

namespace orvelan {

IoResult IoResult::failure(std::string file, std::string what, std::string reason) {
    IoResult result;
    result.status = IoStatus::Failed;
    result.message = "File '" + file + "' " + what + (reason.empty() ? "" : ": " + reason);
    result.file = std::move(file);
    result.what = std::move(what);
    result.reason = std::move(reason);
    return result;
}

IoResult IoResult::refusal(IoStatus status, std::string_view text) {
    IoResult result;
    result.status = status;
    result.message = std::string(text);
    return result;
}

} // namespace orvelan
