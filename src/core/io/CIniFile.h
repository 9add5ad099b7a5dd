#pragma once

#include "core/io/IoResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A private profile file: "[Section]" headers and "Key=Value" lines. Section and key names
// match without regard to case; sections and keys keep the order in which they were first read
// or set, so rewriting a file changes only the values that changed. Comment and other lines are
// kept as they stand.
namespace orvelan {

class CIniFile {
  public:
    /// Reads a file. A missing file is an empty profile, not an error; a file that exists but
    /// cannot be read is a failure and leaves the profile unchanged.
    IoResult load(const std::string& path);
    /// Writes the profile through a temporary file renamed over path; after a failure the old
    /// file is left as it was.
    IoResult save(const std::string& path) const;

    /// Replaces the profile by the content of a text ("\n" or "\r\n" line ends).
    void parse(std::string_view text);
    /// The profile as written to its file, "\n" line ends.
    std::string text() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string string(std::string_view section, std::string_view key,
                       std::string_view fallback) const;
    /// The leading whole number of a value (an optional sign, then digits); fallback when the
    /// key is missing or the value does not start with a number.
    int integer(std::string_view section, std::string_view key, int fallback) const;

    /// Sets a key, appending the section and the key when they do not exist yet.
    void setString(std::string_view section, std::string_view key, std::string_view value);
    void setInteger(std::string_view section, std::string_view key, int value);
    /// Removes a section with all its keys; a later set appends it at the end again.
    void removeSection(std::string_view section);

    std::vector<std::string> sectionNames() const;
    /// The keys of a section in file order.
    std::vector<std::string> keys(std::string_view section) const;

  private:
    struct Line {
        std::string key; // empty: a line kept verbatim (comment, blank, unparsable)
        std::string value;
        std::string raw;
    };
    struct Section {
        std::string name; // empty for the lines before the first header
        std::vector<Line> lines;
    };

    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);

    std::vector<Section> m_sections;
};

} // namespace orvelan
