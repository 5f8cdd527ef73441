#include "printing/core/dictionary_report.h"

#include <algorithm>
#include <utility>

#include "printing/core/report_line.h"
#include "printing/core/sans_width.h"
#include "printing/core/table_fold.h"
#include "runtime/core/blanks.h"
#include "runtime/core/pdf_writer.h"
#include "runtime/core/windows1252.h"

namespace printing {

namespace {

// Widths of the pictures the report's variables are shown through.
constexpr std::size_t kLineShown = kPageColumns;  // @s100
constexpr std::size_t kNameShown = 80;            // @s80
constexpr std::size_t kValueShown = 40;           // @s40
constexpr std::size_t kKindShown = 5;             // @s5
constexpr std::size_t kNameLength = 40;           // PrintList NAME
constexpr std::size_t kTitleLength = 100;         // TitleText

constexpr rt::FontSpec kMono8{rt::FontFace::Mono, 8, false};
constexpr rt::FontSpec kMono10{rt::FontFace::Mono, 10, false};
constexpr rt::FontSpec kSans8{rt::FontFace::Sans, 8, false};
constexpr rt::FontSpec kSans12{rt::FontFace::Sans, 12, false};
constexpr rt::FontSpec kSans12Bold{rt::FontFace::Sans, 12, true};
constexpr rt::FontSpec kSans16Bold{rt::FontFace::Sans, 16, true};

// Band heights and the widths of the page area's rules and boxes.
constexpr int kAreaWidth = 6750;
constexpr int kLineHeight = 146;
constexpr int kRuledLineHeight = 156;
constexpr int kEntryHeadingHeight = 250;
constexpr int kSeparatorHeight = 20;
constexpr int kSummaryHeadingHeight = 510;
constexpr int kLastSummaryRowHeight = 160;
constexpr int kHeadingTextY = 15;
constexpr int kPathX = 3771;
constexpr int kNameX = 521;
constexpr int kNameWidth = 2531;
constexpr int kNameGap = 100;  // between a widened name and the path
constexpr int kSmallestPoints = 6;
const std::string kEllipsis = "\x85";  // …
constexpr int kFooterTextWidth = 5802;
constexpr int kFooterLineHeight = 125;

std::string Shown(std::string_view text, std::size_t width) {
    return std::string(rt::TrimTrailingSpaces(text.substr(0, std::min(text.size(), width))));
}

// Lines of dictionary text one under the other from `y`, each drawn at
// every x of `xs` (a second x strikes the line twice, bolder).
void AddLines(Band& band, const std::vector<std::string>& lines, std::initializer_list<int> xs,
              int y) {
    for (const std::string& line : lines) {
        for (const int x : xs) band.ops.push_back(rt::TextOp(x, y, line, kMono8));
        y += kLineHeight;
    }
}

// The height a band of `height` for one line needs for `lines` lines.
int FoldedHeight(int height, const std::vector<std::string>& lines) {
    return height + kLineHeight * static_cast<int>(lines.size() - 1);
}

// A table row on the lines it folds onto; its text is the whole row.
Band FoldedBand(const std::string& row, const TableFold& fold, int height,
                std::initializer_list<int> xs) {
    const std::vector<std::string> lines = fold.Lines(row);
    Band band;
    band.height = FoldedHeight(height, lines);
    AddLines(band, lines, xs, 10);
    band.text.emplace_back(rt::TrimTrailingSpaces(row));
    return band;
}

Band RowBand(const TableLine& row, const TableFold& fold) {
    switch (row.kind) {
        case RowKind::Row:
            return FoldedBand(row.text, fold, kLineHeight, {10});
        case RowKind::RelationHead:
            return FoldedBand(row.text, fold, kLineHeight, {10, 5});
        case RowKind::LastRow: {
            Band band = FoldedBand(row.text, fold, kRuledLineHeight, {10});
            band.ops.push_back(rt::LineOp(0, band.height - 10, kAreaWidth, 0));
            return band;
        }
        case RowKind::Separator: {
            Band band;
            band.height = kSeparatorHeight;
            band.ops.push_back(rt::LineOp(10, 0, 6729, 0));
            return band;
        }
    }
    return {};
}

// Texts of one band set side by side on the band's one text line.
std::string SideBySide(std::initializer_list<std::string_view> texts) {
    std::string line;
    for (std::string_view text : texts) {
        text = rt::TrimTrailingSpaces(text);
        if (text.empty()) continue;
        if (!line.empty()) line += "  ";
        line += text;
    }
    return line;
}

// Text in the proportional font at (x, y), as it is when it fits `width`.
// A text too wide for that takes `room`, and when it needs more a smaller
// size of the same font, down to 6 points, its baseline kept on the
// line's; it is never cut inside a letter: what does not fit even then
// loses its start, an ellipsis in its place.
rt::DrawOp FittedOp(int x, int y, std::string text, rt::FontSpec font, int width, int room) {
    if (SansFits(text, font, width)) return rt::TextOp(x, y, std::move(text), font, width);
    const int ascent = rt::TextAscent(font);
    while (font.points > kSmallestPoints && !SansFits(text, font, room)) --font.points;
    while (text.size() > 1 && !SansFits(text, font, room)) text = kEllipsis + text.substr(2);
    return rt::TextOp(x, y + ascent - rt::TextAscent(font), std::move(text), font, room);
}

// The footer's path and entry on as many lines as their place needs: the
// path wraps at its slashes, and " - " and the entry follow it on its last
// line when there is room, else on a line of their own; the title line
// moves down under them. The entry's name is never cut off.
std::vector<std::string> FooterLines(std::string_view footer, std::size_t pathLength) {
    auto fits = [](std::string_view piece) { return SansFits(piece, kSans8, kFooterTextWidth); };
    if (fits(footer)) return {std::string(footer)};
    const std::size_t split = std::min(pathLength, footer.size());
    std::vector<std::string> lines = WrapText(footer.substr(0, split), fits);
    const std::string_view entry = footer.substr(split);  // " - " and the name
    if (!lines.empty() && fits(lines.back() + std::string(entry))) {
        lines.back() += entry;
    } else {
        for (std::string& piece : WrapText(TrimLeft(entry), fits))
            lines.push_back(std::move(piece));
    }
    return lines;
}

// The dictionary's path in a heading band.
rt::DrawOp PathOp(const std::string& path) {
    const int width = kAreaWidth - kPathX;
    return FittedOp(kPathX, kHeadingTextY, path, kSans12, width, width);
}

}  // namespace

ProgressStatus ProgressStatusOf(int percent) {
    percent = std::clamp(percent, 0, 100);
    return {"Printing: " + std::string(static_cast<std::size_t>(percent), '|'),
            std::to_string(percent) + "% printed"};
}

DictionaryReport::DictionaryReport(const dictionary::DictionaryModel& model,
                                   const FilesToPrint& entries, PrintFlags flags,
                                   ReportSettings settings, PageSink sink)
    : model_(model),
      entries_(entries),
      flags_(flags),
      settings_(std::move(settings)),
      engine_(
          settings_.metrics, [this](std::int32_t page) { return FooterBand(page); },
          std::move(sink)) {
    engine_.SetGroups({{[this] { return name_; }, [this] { return EntryHeadingBand(); }},
                       {[this] { return tableHeading_; }, [this] { return TableHeadingBand(); }}});
}

const FilesToPrintRow* DictionaryReport::PrintedFile(std::string_view label) const {
    // Rows of printList_ against a name, as SortByName orders them.
    struct ByName {
        bool operator()(const FilesToPrintRow& row, std::string_view name) const {
            return row.NAME.view() < name;
        }
        bool operator()(std::string_view name, const FilesToPrintRow& row) const {
            return name < row.NAME.view();
        }
    };
    const dictionary::FixedString<40> name(label);
    auto [first, last] =
        std::equal_range(printList_.begin(), printList_.end(), name.view(), ByName{});
    auto file = std::find_if(first, last, [](const auto& row) { return row.TYPE == kFileEntry; });
    return file != last ? &*file : nullptr;
}

bool DictionaryReport::Start() {
    if (!model_.FILE || model_.FILE->empty()) return false;
    started_ = true;

    for (const FilesToPrintRow& entry : entries_) {
        if (entry.SELECTED) printList_.push_back({entry.TYPE, entry.NAME, entry.REF, 1});
    }
    SortByName(printList_);
    // An alias is listed under its file when that file is printed, wherever
    // the two fall in label order.
    auto aliases = dictionary::Rows(model_.ALIAS);
    for (const FilesToPrintRow& entry : entries_) {
        if (entry.TYPE != kAliasEntry || entry.REF < 1 ||
            static_cast<std::size_t>(entry.REF) > aliases.size()) {
            continue;
        }
        const dictionary::AliasQueue& alias = aliases[static_cast<std::size_t>(entry.REF - 1)];
        const FilesToPrintRow* printed = PrintedFile(alias.FILE.view());
        if (printed != nullptr) aliasIndex_.emplace_back(printed->REF, alias.LABEL.str());
    }
    std::sort(aliasIndex_.begin(), aliasIndex_.end());
    relationIndex_.emplace(model_, kFileLabelLength);

    if (flags_.PrintTitlePage) {
        PrintTitlePage();
        engine_.PageBreak();
        engine_.SetPageNumber(1);
    }
    if (flags_.PrintSummary) PrintSummary();
    if (printList_.empty()) complete_ = flags_.PrintSummary;
    return true;
}

bool DictionaryReport::Step() {
    if (!started_ || next_ >= printList_.size()) return false;
    percent_ = static_cast<int>((next_ + 1) * 100 / printList_.size());
    PrintEntry(printList_[next_]);
    ++next_;
    if (next_ >= printList_.size()) {
        complete_ = true;
        return false;
    }
    return true;
}

void DictionaryReport::Finish() {
    engine_.Finish();
}

void DictionaryReport::PrintTitlePage() {
    Band band;
    band.height = settings_.metrics.height;
    band.ops.push_back(rt::BoxOp(885, 1344, 5000, 2500, rt::kLightGrey));
    band.ops.push_back(rt::BoxOp(979, 1448, 4802, 2302, rt::kWhite));
    const std::string title = "Velmora Data Dictionary";
    band.ops.push_back(rt::TextOp(2635, 1583, title, kSans16Bold));
    band.text.push_back(title);
    const std::string path = Shown(settings_.dictionaryPath, kNameShown);
    band.ops.push_back(rt::TextOp(1031, 2010, path, kMono10, 4698));
    band.text.push_back(path);

    auto quoted = [](const dictionary::Text& text) {
        return dictionary::RemoveChars(text.view(), "'", false);
    };
    const std::pair<const char*, std::string> values[] = {
        {"Version :", quoted(model_.VERSION)},
        {"Created :", quoted(model_.CREATED)},
        {"Modified:", quoted(model_.MODIFIED)},
        {"Printed :", settings_.printedAt},
    };
    const int ys[] = {2510, 2792, 3094, 3385};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::string value = Shown(values[i].second, kValueShown);
        band.ops.push_back(rt::TextOp(1115, ys[i], values[i].first, kMono10));
        band.ops.push_back(rt::TextOp(1979, ys[i], value, kMono10));
        band.text.push_back(std::string(values[i].first) + " " + value);
    }
    engine_.Print(band);
}

void DictionaryReport::PrintSummary() {
    const ReportTable table = SummaryTable(model_, entries_);
    const TableFold fold(table);
    const std::vector<std::string> columns = fold.Lines(table.heading);
    Band heading;
    heading.height = FoldedHeight(kSummaryHeadingHeight, columns);
    heading.ops.push_back(rt::BoxOp(0, 0, kAreaWidth, 198, rt::kLightGrey));
    heading.ops.push_back(rt::TextOp(52, kHeadingTextY, "Files Summary", kSans12Bold));
    const std::string path = Shown(settings_.dictionaryPath, kNameShown);
    heading.ops.push_back(PathOp(path));
    heading.ops.push_back(
        rt::BoxOp(0, 354, kAreaWidth, FoldedHeight(146, columns), rt::kLightGrey));
    AddLines(heading, columns, {20, 10}, 364);
    heading.text = {SideBySide({"Files Summary", path}),
                    std::string(rt::TrimTrailingSpaces(table.heading))};
    engine_.Print(heading);

    for (const TableLine& row : table.rows) {
        if (row.kind == RowKind::LastRow) {
            Band band = FoldedBand(row.text, fold, kLastSummaryRowHeight, {10});
            band.ops.push_back(rt::LineOp(0, band.height - 10, kAreaWidth, 0));
            engine_.Print(band);
        } else {
            engine_.Print(FoldedBand(row.text, fold, kLineHeight, {10}));
        }
    }
}

void DictionaryReport::PrintTextLine(const std::string& text) {
    Band band;
    band.height = kLineHeight;
    std::string shown = Shown(text, kLineShown);
    band.ops.push_back(rt::TextOp(0, 10, shown, kMono8));
    band.text.push_back(std::move(shown));
    engine_.Print(band, 1);
}

void DictionaryReport::PrintTable(const ReportTable& table) {
    PrintTextLine({});
    const TableFold fold(table);
    tableHeading_ = table.heading;
    tableHeadingLines_ = fold.Lines(table.heading);
    for (const TableLine& row : table.rows) engine_.Print(RowBand(row, fold), 2);
}

void DictionaryReport::PrintEntry(const FilesToPrintRow& entry) {
    const bool isFile = entry.TYPE == kFileEntry;
    entryKind_ = isFile ? "File" : "Alias";
    name_ = std::string(entry.NAME.view());
    PrintTextLine({});
    footerText_ = settings_.dictionaryPath + " - " + Fixed(name_, kNameLength);

    const auto index = static_cast<std::size_t>(entry.REF - 1);
    if (isFile) {
        auto files = dictionary::Rows(model_.FILE);
        if (entry.REF < 1 || index >= files.size()) return;
        const dictionary::FileQueue& file = files[index];
        std::vector<std::string> aliases;
        for (auto it = std::lower_bound(aliasIndex_.begin(), aliasIndex_.end(),
                                        std::pair(entry.REF, std::string()));
             it != aliasIndex_.end() && it->first == entry.REF; ++it) {
            aliases.push_back(it->second);
        }
        for (const std::string& line : FileHeadingLines(file, aliases)) PrintTextLine(line);
        if (flags_.PrintKeys) {
            if (auto keys = KeysTable(file)) PrintTable(*keys);
        }
        if (auto fields = FieldsTable(file, scanner_)) PrintTable(*fields);
    } else {
        auto aliases = dictionary::Rows(model_.ALIAS);
        if (entry.REF < 1 || index >= aliases.size()) return;
        for (const std::string& line : AliasHeadingLines(aliases[index])) PrintTextLine(line);
    }
    if (flags_.PrintRelations) {
        if (auto relations =
                RelationsTable(RelationsOf(model_, *relationIndex_, entry.NAME.view()))) {
            PrintTable(*relations);
        }
    }
}

Band DictionaryReport::EntryHeadingBand() const {
    Band band;
    band.height = kEntryHeadingHeight;
    band.ops.push_back(rt::BoxOp(0, 0, kAreaWidth, 198, rt::kLightGrey));
    const std::string kind = Shown(entryKind_, kKindShown);
    const std::string name = Shown(name_, kNameShown);
    const std::string path = Shown(settings_.dictionaryPath, kNameShown);
    band.ops.push_back(rt::TextOp(52, kHeadingTextY, kind, kSans12));
    band.ops.push_back(
        FittedOp(kNameX, kHeadingTextY, name, kSans12Bold, kNameWidth, kPathX - kNameX - kNameGap));
    band.ops.push_back(PathOp(path));
    band.text.push_back(SideBySide({kind + " " + name, path}));
    return band;
}

Band DictionaryReport::TableHeadingBand() const {
    Band band;
    band.height = FoldedHeight(kRuledLineHeight, tableHeadingLines_);
    const int ruled = band.height - 10;
    band.ops.push_back(rt::BoxOp(0, 0, kAreaWidth, ruled, rt::kLightGrey));
    AddLines(band, tableHeadingLines_, {0, 8}, 10);
    band.ops.push_back(rt::LineOp(0, ruled, kAreaWidth, 0));
    band.text.emplace_back(rt::TrimTrailingSpaces(tableHeading_));
    return band;
}

Band DictionaryReport::FooterBand(std::int32_t page) const {
    Band band;
    band.height = settings_.metrics.footerHeight;
    band.ops.push_back(rt::LineOp(0, 0, kAreaWidth, 0));
    const std::string_view footer = rt::TrimTrailingSpaces(footerText_);
    const std::vector<std::string> lines = FooterLines(footer, settings_.dictionaryPath.size());
    int y = 0;
    for (const std::string& line : lines) {
        band.ops.push_back(rt::TextOp(0, y, line, kSans8, kFooterTextWidth));
        y += kFooterLineHeight;
    }
    const std::string title = Shown(Fixed(settings_.titleText, kTitleLength), kNameShown);
    band.ops.push_back(rt::TextOp(0, std::max(y, kFooterLineHeight), title, kSans8, 3156));
    const std::string number =
        "Page " + (page == 0 ? std::string() : std::to_string(page % 100000000));
    band.ops.push_back(rt::TextOp(6188, 0, number, kSans8));
    band.text.push_back(SideBySide({footer, title, number}));
    return band;
}

bool RunReport(const dictionary::DictionaryModel& model, const FilesToPrint& entries,
               PrintFlags flags, ReportSettings settings, PageSink sink,
               const std::function<void(int percent)>& onEntry) {
    DictionaryReport report(model, entries, flags, std::move(settings), std::move(sink));
    if (!report.Start()) return false;
    bool more = report.EntryCount() > 0;
    while (more) {
        more = report.Step();
        if (onEntry) onEntry(report.Percent());
    }
    report.Finish();
    return true;
}

std::vector<ReportPage> BuildReport(const dictionary::DictionaryModel& model,
                                    const FilesToPrint& entries, PrintFlags flags,
                                    ReportSettings settings,
                                    const std::function<void(int percent)>& onEntry) {
    std::vector<ReportPage> pages;
    RunReport(
        model, entries, flags, std::move(settings),
        [&](ReportPage&& page) { pages.push_back(std::move(page)); }, onEntry);
    return pages;
}

std::string ReportText(const std::vector<ReportPage>& pages) {
    std::string out;
    for (const ReportPage& page : pages) {
        for (const std::string& line : page.text) {
            out += rt::ShowControlBytes(rt::TrimTrailingSpaces(line));
            out += '\n';
        }
        out += "\f\n";
    }
    return out;
}

}  // namespace printing
