#include "FigureStream.h"

#include "CliError.h"
#include "core/data/Codes.h"
#include "core/io/NumberText.h"

#include <cmath>
#include <ostream>

namespace orvelan::cli {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;
constexpr const char* kColumns[] = {"population", "cancer", "sex",   "kind",
                                    "value",      "se",     "lower", "upper"};

} // namespace

StreamFormat parseStreamFormat(const std::string& text) {
    if (text == "csv") {
        return StreamFormat::Csv;
    }
    if (text == "tsv") {
        return StreamFormat::Tsv;
    }
    if (text == "jsonl") {
        return StreamFormat::JsonLines;
    }
    throw usageError("invalid format '" + text + "' (use csv, tsv or jsonl)");
}

FigureStream::FigureStream(std::ostream& out, StreamFormat format, bool withMethod)
    : m_out(out), m_format(format), m_withMethod(withMethod),
      m_separator(format == StreamFormat::Tsv ? '\t' : ',') {
    m_buffer.reserve(kFlushBytes + 256);
    if (m_format == StreamFormat::JsonLines) {
        return;
    }
    for (const char* column : kColumns) {
        if (column != kColumns[0]) {
            m_buffer += m_separator;
        }
        m_buffer += column;
    }
    if (m_withMethod) {
        m_buffer += m_separator;
        m_buffer += "method";
    }
    m_buffer += '\n';
}

FigureStream::~FigureStream() { flush(); }

void FigureStream::flush() {
    m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_buffer.clear();
}

void FigureStream::number(bool available, double value, bool last) {
    const bool shown = available && std::isfinite(value);
    if (shown) {
        appendShortest(m_buffer, value);
    } else if (m_format == StreamFormat::JsonLines) {
        m_buffer += "null";
    }
    if (!last) {
        m_buffer += m_separator;
    }
}

void FigureStream::keys(int population, int cancer, Sex sex, int kind) {
    const bool json = m_format == StreamFormat::JsonLines;
    const int values[] = {population, cancer, indexOf(sex), kind};
    if (json) {
        m_buffer += '{';
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (json) {
            m_buffer += '"';
            m_buffer += kColumns[i];
            m_buffer += "\":";
        }
        appendInteger(m_buffer, values[i]);
        m_buffer += json ? ',' : m_separator;
    }
}

void FigureStream::endRow() {
    m_buffer += m_format == StreamFormat::JsonLines ? "}\n" : "\n";
    if (m_buffer.size() >= kFlushBytes) {
        flush();
    }
}

void FigureStream::row(int population, int cancer, Sex sex, int kind, const RateResult& result) {
    const bool json = m_format == StreamFormat::JsonLines;
    const bool hasSe = result.ok && kind != static_cast<int>(RateKind::NumberOfCases);
    keys(population, cancer, sex, kind);
    const double values[] = {result.value, result.se, result.lower(), result.upper()};
    for (std::size_t i = 0; i < 4; ++i) {
        if (json) {
            m_buffer += '"';
            m_buffer += kColumns[4 + i];
            m_buffer += "\":";
        }
        number(i == 0 ? result.ok : hasSe, values[i], i == 3);
    }
    endRow();
}

void FigureStream::row(int population, int cancer, Sex sex, int kind,
                       const RateWithInterval& figure) {
    const bool json = m_format == StreamFormat::JsonLines;
    const RateResult& result = figure.rate;
    const bool hasSe = result.ok && kind != static_cast<int>(RateKind::NumberOfCases);
    const bool hasLimits = result.ok && figure.interval.ok;
    keys(population, cancer, sex, kind);
    const double values[] = {result.value, result.se, figure.interval.limits.lower,
                             figure.interval.limits.upper};
    const bool available[] = {result.ok, hasSe, hasLimits, hasLimits};
    for (std::size_t i = 0; i < 4; ++i) {
        if (json) {
            m_buffer += '"';
            m_buffer += kColumns[4 + i];
            m_buffer += "\":";
        }
        number(available[i], values[i], false);
    }
    const std::string method =
        hasLimits ? std::string(intervalMethodName(figure.interval.method)) : std::string();
    if (json) {
        m_buffer += "\"method\":";
        m_buffer += hasLimits ? "\"" + method + "\"" : std::string("null");
    } else {
        m_buffer += method;
    }
    endRow();
}

} // namespace orvelan::cli
