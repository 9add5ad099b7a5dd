#pragma once

#include "core/data/CIncidenceStore.h"
#include "core/rates/RateIntervals.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Streams summary figures one row per (population, cancer, sex, kind) for scripts: CSV, TSV or
// JSON lines with the keys population, cancer, sex, kind, value, se, lower, upper. Numbers are
// the shortest text that reads back as the same double; a figure that cannot be computed is an
// empty field (null in JSON lines), and so are the SE and limits of a number of cases.
namespace orvelan::cli {

enum class StreamFormat { Csv, Tsv, JsonLines };

/// "csv", "tsv" or "jsonl"; a usage error otherwise.
StreamFormat parseStreamFormat(const std::string& text);

class FigureStream {
  public:
    /// withMethod: limits come from a chosen interval method, named in a "method" column.
    /// withStandard: a last "standard" column names the standard of each ASR row.
    FigureStream(std::ostream& out, StreamFormat format, bool withMethod = false,
                 bool withStandard = false);
    ~FigureStream();
    FigureStream(const FigureStream&) = delete;
    FigureStream& operator=(const FigureStream&) = delete;

    /// standard: what the standard column shows (empty for every row but an ASR's).
    void row(int population, int cancer, Sex sex, int kind, const RateResult& result,
             std::string_view standard = {});
    /// A row whose limits are those of the interval, with its method named.
    void row(int population, int cancer, Sex sex, int kind, const RateWithInterval& figure,
             std::string_view standard = {});
    /// Writes what is still buffered (also done by the destructor); a data error when the
    /// stream has failed, so that rows nobody can read are not computed.
    void flush();

  private:
    void write();
    void put(std::string_view text);
    void number(bool available, double value, bool last);
    void keys(int population, int cancer, Sex sex, int kind);
    void endRow(std::string_view standard);

    std::ostream& m_out;
    StreamFormat m_format;
    bool m_withMethod;
    bool m_withStandard;
    char m_separator;
    // Rows are written straight into the buffer; a row never needs more than its room.
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
    // The keys before the kind are the same for the six kinds of a series: kept written.
    // Three numbers of at most 11 characters and their JSON names fit with room to spare.
    std::array<char, 96> m_seriesKeys{};
    std::size_t m_seriesKeysLength = 0;
    int m_keyPopulation = -1;
    int m_keyCancer = -1;
    int m_keySex = -1;
};

} // namespace orvelan::cli
