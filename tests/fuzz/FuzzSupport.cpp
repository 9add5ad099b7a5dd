#include "FuzzSupport.h"

#include "core/data/CIncidenceStore.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace orvelan::fuzz {

namespace {

void putUint32(std::string& bytes, std::size_t offset, std::uint32_t word) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((word >> (8 * i)) & 0xFFu);
    }
}

/// Population 0 of both sexes: 1990-1994, 1,000 person-years a group; cancers 0-3 with
/// 2 cases a group, 1 of unknown age and 80% verified.
std::string fixtureHead(bool cases) {
    if (!cases) {
        std::string bytes(2 * CIncidenceStore::kPopulationRecordSize, '\0');
        for (std::size_t sex = 0; sex < 2; ++sex) {
            const std::size_t base = sex * CIncidenceStore::kPopulationRecordSize;
            putUint32(bytes, base, 1990);
            putUint32(bytes, base + 4, 1994);
            for (std::size_t age = 0; age < 18; ++age) {
                putUint32(bytes, base + 8 + 4 * age, std::bit_cast<std::uint32_t>(1000.0f));
            }
            bytes[base + 84] = 'g';
            bytes[base + 85] = ' ';
        }
        return bytes;
    }
    constexpr std::size_t kRecordsPerSex = 252;
    std::string bytes((kRecordsPerSex + 4) * CIncidenceStore::kCasesRecordSize, '\0');
    for (std::size_t sex = 0; sex < 2; ++sex) {
        for (std::size_t cancer = 0; cancer < 4; ++cancer) {
            const std::size_t base =
                (sex * kRecordsPerSex + cancer) * CIncidenceStore::kCasesRecordSize;
            for (std::size_t age = 0; age < 19; ++age) {
                putUint32(bytes, base + 4 * age,
                          std::bit_cast<std::uint32_t>(age == 18 ? 1.0f : 2.0f));
            }
            putUint32(bytes, base + 76, std::bit_cast<std::uint32_t>(80.0f));
        }
    }
    return bytes;
}

std::size_t layoutSize(std::string_view name) {
    return name == CIncidenceStore::kCasesFileName ? CIncidenceStore::kCasesFileSize
                                                   : CIncidenceStore::kPopulationFileSize;
}

void writeAt(const std::string& path, std::string_view bytes, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0) {
        std::abort();
    }
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0 ||
        ::pwrite(fd, bytes.data(), std::min(bytes.size(), size), 0) < 0) {
        std::abort();
    }
    ::close(fd);
}

void resetDataFile(const std::string& directory, std::string_view name,
                   std::size_t previouslyWritten) {
    const std::string path = directory + "/" + std::string(name);
    const std::string head = fixtureHead(name == CIncidenceStore::kCasesFileName);
    // Zero what an earlier input wrote, then put the fixture's records back.
    const std::size_t size = layoutSize(name);
    writeAt(path, std::string(std::min(std::max(previouslyWritten, head.size()), size), '\0'),
            size);
    writeAt(path, head, size);
}

// The scratch folder's name, kept outside any object so that it is still there when the exit
// handler removes the folder. In memory where the system has such a folder: every input is
// written there, and a disk file rewritten after truncation is flushed on close (hundreds of
// inputs a second would wait on the disk).
char s_scratch[] = "/dev/shm/orvelan-fuzz-XXXXXX";

void removeScratch() {
    std::error_code ignored;
    std::filesystem::current_path("/", ignored);
    std::filesystem::remove_all(s_scratch, ignored);
}

} // namespace

const std::string& dataDirectory() {
    static const std::string directory = [] {
        if (::mkdtemp(s_scratch) == nullptr) {
            std::strcpy(s_scratch, "/tmp/orvelan-fuzz-XXXXXX"); // shorter: it fits
            if (::mkdtemp(s_scratch) == nullptr) {
                std::abort();
            }
        }
        std::atexit(removeScratch);
        const std::string made = s_scratch;
        std::filesystem::create_directory(made + "/scratch");
        std::filesystem::current_path(made + "/scratch");
        return made;
    }();
    static const bool filled = [] {
        resetDataFile(directory, CIncidenceStore::kCasesFileName, 0);
        resetDataFile(directory, CIncidenceStore::kPopulationFileName, 0);
        return true;
    }();
    (void)filled;
    return directory;
}

std::string writeFile(const std::string& name, std::string_view bytes) {
    const std::string path = dataDirectory() + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) < 0) {
        std::abort();
    }
    ::close(fd);
    return path;
}

void patchDataFile(std::string_view name, std::string_view bytes, long sizeDelta) {
    static std::size_t written = 0;
    resetDataFile(dataDirectory(), name, written);
    const long size = static_cast<long>(layoutSize(name)) + sizeDelta;
    writeAt(dataDirectory() + "/" + std::string(name), bytes,
            static_cast<std::size_t>(std::max(size, 0L)));
    written = bytes.size();
}

void requireFiniteText(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* word : {"inf", "nan"}) {
        for (std::size_t at = lowered.find(word); at != std::string::npos;
             at = lowered.find(word, at + 1)) {
            // A word such as "Infant" or "Financial" is text, not a figure.
            const bool letterBefore =
                at > 0 && std::isalpha(static_cast<unsigned char>(lowered[at - 1]));
            const bool letterAfter = at + 3 < lowered.size() &&
                                     std::isalpha(static_cast<unsigned char>(lowered[at + 3]));
            if (!letterBefore && !letterAfter) {
                std::abort();
            }
        }
    }
}

} // namespace orvelan::fuzz
