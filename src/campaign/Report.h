#pragma once

// After-action reports: one mission or a whole tour written up from its journal, as Markdown, as
// plain text or as one self-contained HTML page. The summary, the crew, the bomber's damage at
// the end and the whole record, read off the mission replayed to its last action.

#include "Journal.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

enum class ReportFormat { Markdown, Text, Html };

// "md", "txt", "html".
std::optional<ReportFormat> ReportFormatNamed(std::string_view name);
// From a file's extension: .md or .markdown, .txt, .html or .htm.
std::optional<ReportFormat> ReportFormatOf(const std::filesystem::path& file);

// The report of the missions, in order, under the title ("Mission 22: St. Omer", "Doris' Tour").
std::string AfterActionReport(const GameDatabase& database, const std::vector<const JournalMission*>& missions,
                              std::string_view title, ReportFormat format);

// A report that could not be written: "FILE: PROBLEM".
class ReportError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes the text beside the file and renames it into place, so that the file is either as it
// was or whole. Throws ReportError, leaving nothing behind.
void WriteReport(const std::filesystem::path& file, const std::string& text);

} // namespace halvard
