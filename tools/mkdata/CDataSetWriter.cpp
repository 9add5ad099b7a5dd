#include "CDataSetWriter.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace orvelan::mkdata {

namespace {

constexpr std::size_t kPersonYearsOffset = 8;
constexpr std::size_t kTypeOffset = 84;
constexpr std::size_t kMarkerOffset = 85;
constexpr std::size_t kVerificationOffset = 76;

void putWord(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t word) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<unsigned char>((word >> (8 * i)) & 0xFFU);
    }
}

void putInt(std::vector<unsigned char>& bytes, std::size_t at, std::int32_t value) {
    putWord(bytes, at, static_cast<std::uint32_t>(value));
}

void putFloat(std::vector<unsigned char>& bytes, std::size_t at, float value) {
    putWord(bytes, at, std::bit_cast<std::uint32_t>(value));
}

bool writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes,
               std::string& error) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            error = "Cannot write " + temporary.string() + ": the disk is full or not writable";
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        error = "Cannot replace " + path.string() + ": " + code.message();
        std::filesystem::remove(temporary, code);
        return false;
    }
    return true;
}

} // namespace

std::vector<unsigned char> CDataSetWriter::populationBytes(const DataSet& data) {
    std::vector<unsigned char> bytes(data.populations.size() * kPopulationRecordSize, 0);
    std::size_t at = 0;
    for (const PopulationRecord& record : data.populations) {
        putInt(bytes, at, record.firstYear);
        putInt(bytes, at + 4, record.lastYear);
        for (std::size_t age = 0; age < record.personYears.size(); ++age) {
            putFloat(bytes, at + kPersonYearsOffset + 4 * age, record.personYears[age]);
        }
        bytes[at + kTypeOffset] = static_cast<unsigned char>(record.type);
        bytes[at + kMarkerOffset] = static_cast<unsigned char>(record.marker);
        at += kPopulationRecordSize;
    }
    return bytes;
}

std::vector<unsigned char> CDataSetWriter::casesBytes(const DataSet& data) {
    std::vector<unsigned char> bytes(data.cases.size() * kCasesRecordSize, 0);
    std::size_t at = 0;
    for (const CasesRecord& record : data.cases) {
        for (std::size_t age = 0; age < record.cases.size(); ++age) {
            putFloat(bytes, at + 4 * age, record.cases[age]);
        }
        putFloat(bytes, at + kVerificationOffset, record.verification);
        at += kCasesRecordSize;
    }
    return bytes;
}

bool CDataSetWriter::write(const DataSet& data, const std::string& directory, std::string& error) {
    const std::filesystem::path root(directory);
    std::error_code code;
    for (const auto& folder : {root, root / "Templates", root / "work"}) {
        std::filesystem::create_directories(folder, code);
        if (code) {
            error = "Cannot create the folder " + folder.string() + ": " + code.message();
            return false;
        }
    }
    return writeFile(root / "ORVELAN.POP", populationBytes(data), error) &&
           writeFile(root / "ORVELAN.DAT", casesBytes(data), error);
}

} // namespace orvelan::mkdata
