// The section headers of a dictionary export, and the search for one: what
// tells an export from any other text file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dictionary/scanner.h"

namespace dictionary {

// The section headers of an export, as the first token of their line.
namespace header {
inline constexpr std::string_view kDictionary = "[DICTIONARY]";
inline constexpr std::string_view kDescription = "[DESCRIPTION]";
inline constexpr std::string_view kFiles = "[FILES]";
inline constexpr std::string_view kAliases = "[ALIASES]";
inline constexpr std::string_view kRelations = "[RELATIONS]";
inline constexpr std::string_view kViews = "[VIEWS]";
inline constexpr std::string_view kLongDesc = "[LONGDESC]";
inline constexpr std::string_view kQuickCode = "[QUICKCODE]";
inline constexpr std::string_view kUserOption = "[USEROPTION]";
inline constexpr std::string_view kScreenControls = "[SCREENCONTROLS]";
inline constexpr std::string_view kReportControls = "[REPORTCONTROLS]";
}  // namespace header

// The headers of the annotation sections, which belong to the declaration
// that follows them.
inline constexpr std::array<std::string_view, 5> kAnnotationHeaders = {
    header::kLongDesc, header::kQuickCode, header::kUserOption, header::kScreenControls,
    header::kReportControls};

// Every first token TxdParser starts (or, for "[DICTIONARY]", accepts) a
// section at.
inline constexpr std::array<std::string_view, 11> kSectionHeaders = {
    header::kDictionary, header::kDescription,    header::kFiles,          header::kAliases,
    header::kRelations,  header::kViews,          header::kLongDesc,       header::kQuickCode,
    header::kUserOption, header::kScreenControls, header::kReportControls,
};

// Looks for a line whose first token is a section header in an export fed
// block by block, with the lines cut as LineCutter cuts them and their first
// token found as the parser finds it, so that a file the parser would start
// no section in is never taken for an export.
class SectionHeaderSearch {
  public:
    // The export's next bytes.
    void Feed(std::string_view block);
    // After the last block: true when a line of the export is a header.
    bool Found();

  private:
    // The line under way by one way of cutting lines (at a carriage return
    // and line feed, or at each line feed): its first kMaxLine bytes, as many
    // as the parser looks at.
    struct Cut {
        std::string line;
        std::size_t length = 0;    // its whole length so far
        bool endMarksOnly = true;  // every byte past the ones kept is Ctrl+Z
        bool found = false;
        void Append(std::string_view bytes);
        void Clear();
    };

    void EndLine(Cut& cut, std::string_view line);
    bool HoldsHeader(std::string_view line);

    Cut crLf_;
    Cut lineFeeds_;
    bool sawCrLf_ = false;
    bool lastWasCr_ = false;
    Scanner scanner_;
};

}  // namespace dictionary
