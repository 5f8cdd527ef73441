// GitHub-flavoured Markdown from dictionary text: escaping that shows it as it
// is, in a line or in a table cell.
#pragma once

#include <string>
#include <string_view>

namespace workflow {

// `text` (Windows-1252) as UTF-8 Markdown that shows it as it is, also inside
// a table cell: markup characters and "|" escaped, control bytes made
// visible, trailing blanks cut.
std::string MarkdownText(std::string_view text);

// A line of a paragraph: as MarkdownText, and a start that Markdown would
// read as a heading, list, quote or rule escaped too.
std::string MarkdownLine(std::string_view text);

}  // namespace workflow
