#include "FigureStream.h"

#include "COutputBuffer.h"
#include "CliError.h"
#include "core/data/Codes.h"
#include "core/io/NumberText.h"
#include "core/io/TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

namespace orvelan::cli {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;
/// More than the longest row: keys, names and four numbers with their JSON keys.
constexpr std::size_t kRowRoom = 512;
constexpr const char* kColumns[] = {"population", "cancer", "sex",   "kind",
                                    "value",      "se",     "lower", "upper"};

/// The JSON keys of the series and the kind, with their quotes and colon.
constexpr std::string_view kJsonKeyNames[] = {
    "\"population\":", "\"cancer\":", "\"sex\":", "\"kind\":"};
/// The JSON keys of the four numbers, with their quotes and colon.
constexpr std::string_view kJsonKeys[] = {"\"value\":", "\"se\":", "\"lower\":", "\"upper\":"};

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

FigureStream::FigureStream(std::ostream& out, StreamFormat format, bool withMethod,
                           bool withStandard)
    : m_out(out), m_format(format), m_withMethod(withMethod), m_withStandard(withStandard),
      m_separator(format == StreamFormat::Tsv ? '\t' : ','), m_buffer(kFlushBytes + kRowRoom) {
    if (m_format == StreamFormat::JsonLines) {
        return;
    }
    std::string header;
    for (const char* column : kColumns) {
        if (column != kColumns[0]) {
            header += m_separator;
        }
        header += column;
    }
    if (m_withMethod) {
        header += m_separator;
        header += "method";
    }
    if (m_withStandard) {
        header += m_separator;
        header += "standard";
    }
    header += '\n';
    put(header);
}

// A failure left at destruction is the caller's to see on the stream: a destructor never throws.
FigureStream::~FigureStream() { write(); }

void FigureStream::write() {
    m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_used));
    m_used = 0;
}

void FigureStream::flush() {
    write();
    checkOutput(m_out);
}

void FigureStream::put(std::string_view text) {
    if (m_used + text.size() > m_buffer.size()) {
        flush();
    }
    if (text.size() > m_buffer.size()) {
        m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    std::copy(text.begin(), text.end(), m_buffer.data() + m_used);
    m_used += text.size();
}

void FigureStream::number(bool available, double value, bool last) {
    char* at = m_buffer.data() + m_used;
    if (available && std::isfinite(value)) {
        at = writeShortest(at, value);
    } else if (m_format == StreamFormat::JsonLines) {
        at = std::copy_n("null", 4, at);
    }
    if (!last) {
        *at++ = m_separator;
    }
    m_used = static_cast<std::size_t>(at - m_buffer.data());
}

void FigureStream::keys(int population, int cancer, Sex sex, int kind) {
    const bool json = m_format == StreamFormat::JsonLines;
    if (population != m_keyPopulation || cancer != m_keyCancer || indexOf(sex) != m_keySex) {
        m_keyPopulation = population;
        m_keyCancer = cancer;
        m_keySex = indexOf(sex);
        const int values[] = {population, cancer, indexOf(sex)};
        char* at = m_seriesKeys.data();
        if (json) {
            *at++ = '{';
        }
        for (std::size_t i = 0; i < 3; ++i) {
            if (json) {
                at = std::copy(kJsonKeyNames[i].begin(), kJsonKeyNames[i].end(), at);
            }
            at = writeInteger(at, values[i]);
            *at++ = json ? ',' : m_separator;
        }
        if (json) {
            at = std::copy(kJsonKeyNames[3].begin(), kJsonKeyNames[3].end(), at);
        }
        m_seriesKeysLength = static_cast<std::size_t>(at - m_seriesKeys.data());
    }
    // One fixed block copies faster than the exact length; the row's room takes the rest.
    char* at = m_buffer.data() + m_used;
    std::memcpy(at, m_seriesKeys.data(), m_seriesKeys.size());
    at += m_seriesKeysLength;
    if (kind >= 0 && kind <= 9) {
        *at++ = static_cast<char>('0' + kind);
    } else {
        at = writeInteger(at, kind);
    }
    *at++ = json ? ',' : m_separator;
    m_used = static_cast<std::size_t>(at - m_buffer.data());
}

void FigureStream::endRow(std::string_view standard) {
    if (m_withStandard) {
        // A user standard's name is the user's text: quoted as each format needs.
        if (m_format == StreamFormat::JsonLines) {
            put(",\"standard\":");
            put(standard.empty() ? std::string("null")
                                 : nlohmann::json(displayUtf8(standard)).dump());
        } else {
            m_buffer[m_used++] = m_separator;
            if (standard.find_first_of(std::string{m_separator, '"'}) == std::string_view::npos) {
                put(standard);
            } else {
                std::string quoted = "\"";
                for (const char c : standard) {
                    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
                }
                put(quoted + "\"");
            }
        }
    }
    if (m_format == StreamFormat::JsonLines) {
        m_buffer[m_used++] = '}';
    }
    m_buffer[m_used++] = '\n';
    if (m_used >= kFlushBytes) {
        flush();
    }
}

void FigureStream::row(int population, int cancer, Sex sex, int kind, const RateResult& result,
                       std::string_view standard) {
    const bool json = m_format == StreamFormat::JsonLines;
    const bool hasSe = result.ok && kind != static_cast<int>(RateKind::NumberOfCases);
    keys(population, cancer, sex, kind);
    const double values[] = {result.value, result.se, result.lower(), result.upper()};
    for (std::size_t i = 0; i < 4; ++i) {
        if (json) {
            put(kJsonKeys[i]);
        }
        number(i == 0 ? result.ok : hasSe, values[i], i == 3);
    }
    endRow(standard);
}

void FigureStream::row(int population, int cancer, Sex sex, int kind,
                       const RateWithInterval& figure, std::string_view standard) {
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
            put(kJsonKeys[i]);
        }
        number(available[i], values[i], false);
    }
    const std::string method =
        hasLimits ? std::string(intervalMethodName(figure.interval.method)) : std::string();
    if (json) {
        put("\"method\":");
        put(hasLimits ? "\"" + method + "\"" : std::string("null"));
    } else {
        put(method);
    }
    endRow(standard);
}

} // namespace orvelan::cli
