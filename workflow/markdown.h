// GitHub-flavoured Markdown from dictionary text: escaping, and the names of
// the pages the documentation writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"

namespace workflow {

// `text` (Windows-1252) as UTF-8 Markdown that shows it as it is, also inside
// a table cell: markup characters and "|" escaped, control bytes made
// visible, trailing blanks cut.
std::string MarkdownText(std::string_view text);

// A line of a paragraph: as MarkdownText, and a start that Markdown would
// read as a heading, list, quote or rule escaped too.
std::string MarkdownLine(std::string_view text);

// The page name (without ".md") of each file of the model, in its order:
// lower case letters, digits, "-" and "_", other bytes as "_" and two hex
// digits, so that names are safe on every file system; labels that would
// give the same name (they differ only in case) get "-2", "-3"... in the
// model's order.
std::vector<std::string> PageNames(const dictionary::DictionaryModel& model);

}  // namespace workflow
