#include "core/io/CTemplateFolder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

namespace orvelan {

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

std::tm localTime(std::time_t seconds) {
    std::tm result{};
    localtime_r(&seconds, &result);
    return result;
}

/// Creation and last-write times; the creation time falls back to the last status change on
/// file systems that do not record a birth time.
std::pair<std::time_t, std::time_t> fileTimes(const std::string& path) {
    struct statx info {};
    if (statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME | STATX_CTIME, &info) != 0) {
        return {0, 0};
    }
    const auto modified = static_cast<std::time_t>(info.stx_mtime.tv_sec);
    const auto created = (info.stx_mask & STATX_BTIME) != 0
                             ? static_cast<std::time_t>(info.stx_btime.tv_sec)
                             : static_cast<std::time_t>(info.stx_ctime.tv_sec);
    return {created, modified};
}

} // namespace

std::string CTemplateFolder::folderOf(const std::string& dataDirectory) {
    if (dataDirectory.empty()) {
        return std::string(kFolderName);
    }
    std::string folder = dataDirectory;
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder + std::string(kFolderName);
}

bool CTemplateFolder::hasExtension(std::string_view path, std::string_view extension) {
    if (path.size() < extension.size()) {
        return false;
    }
    const auto tail = path.substr(path.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::vector<std::string> CTemplateFolder::find(const std::string& folder,
                                               std::string_view extension) {
    std::vector<std::string> paths;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const auto name = it->path().filename().string();
        // A file named only ".RPT" has an empty name but is still a template the user saved.
        if (hasExtension(name, extension) && it->is_regular_file(error)) {
            paths.push_back(it->path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool CTemplateFolder::hasAny(const std::string& folder, std::string_view extension) {
    return !find(folder, extension).empty();
}

std::optional<int> CTemplateFolder::readKind(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::array<unsigned char, 4> bytes{};
    const bool complete = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    if (!complete) {
        return std::nullopt;
    }
    const std::uint32_t word = std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) |
                               (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
    return static_cast<int>(static_cast<std::int32_t>(word));
}

std::string CTemplateFolder::formatTime(const std::tm& time) {
    const auto weekday = static_cast<std::size_t>(std::clamp(time.tm_wday, 0, 6));
    const auto month = static_cast<std::size_t>(std::clamp(time.tm_mon, 0, 11));
    char text[96];
    std::snprintf(text, sizeof text, "%s %02d %s %4d-%02d:%02d", kWeekdays[weekday], time.tm_mday,
                  kMonths[month], time.tm_year + 1900, time.tm_hour, time.tm_min);
    return text;
}

std::vector<TemplateListRow> CTemplateFolder::list(const std::string& folder,
                                                   std::string_view extension,
                                                   std::string (*typeName)(int kind)) {
    std::vector<TemplateListRow> rows;
    for (const auto& path : find(folder, extension)) {
        const auto kind = readKind(path);
        if (!kind) {
            continue;
        }
        TemplateListRow row;
        const auto fileName = std::filesystem::path(path).filename().string();
        row.name = fileName.substr(0, fileName.size() - extension.size());
        row.path = path;
        row.kind = *kind;
        row.type = typeName(*kind);
        const auto [created, modified] = fileTimes(path);
        row.created = formatTime(localTime(created));
        row.modified = formatTime(localTime(modified));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace orvelan
