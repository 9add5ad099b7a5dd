#pragma once

#include "core/data/CIncidenceStore.h"

#include <iosfwd>
#include <string>

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
    FigureStream(std::ostream& out, StreamFormat format);
    ~FigureStream();
    FigureStream(const FigureStream&) = delete;
    FigureStream& operator=(const FigureStream&) = delete;

    void row(int population, int cancer, int sex, int kind, const RateResult& result);
    /// Writes what is still buffered; also done by the destructor.
    void flush();

  private:
    void number(bool available, double value, bool last);

    std::ostream& m_out;
    StreamFormat m_format;
    char m_separator;
    std::string m_buffer;
};

} // namespace orvelan::cli
