#include "display/core/file_list.h"

#include <algorithm>

#include "dictionary/labels.h"
#include "dictionary/scanner.h"
#include "runtime/core/blanks.h"

namespace display {

namespace {

constexpr std::string_view kAliasDriver = "ALIAS";

void SetCell(FileListRow& row, FileColumn column, std::string_view text, std::size_t size) {
    row.cells[column].text = std::string(Cut(text, size));
}

}  // namespace

rt::ListRows FileList::ControlRows() const {
    rt::ListRows out;
    out.reserve(rows.size());
    for (const FileListRow& row : rows) out.push_back(row.cells);
    return out;
}

std::string FileAttributes(const dictionary::FileQueue& file) {
    std::string text;
    if (file.CREATE) text += "C,";
    if (file.RECLAIM) text += "R,";
    if (file.THREAD) text += "T,";
    if (file.BINDABLE) text += "B,";
    if (file.EXTERNAL) text += "E,";
    if (file.DLL) text += "D,";
    if (file.OEM) text += "O,";
    if (file.OWNER.has_value()) text += "OWNER(" + file.OWNER.str() + "),";
    if (file.ENCRYPT) text += "ENCRYPT,";
    if (!rt::TrimTrailingSpaces(text).empty()) text.pop_back();
    return std::string(Cut(text, kFileAttributesSize));
}

FileList BuildFileList(const dictionary::DictionaryModel& model, const TextWidth& measure) {
    FileList list;
    ColumnWidths widths(measure, kFileListColumns);
    std::int32_t position = 0;
    for (const dictionary::FileQueue& file : dictionary::Rows(model.FILE)) {
        FileListRow row;
        SetCell(row, kFileName, file.LABEL.view(), kFileNameSize);
        SetCell(row, kFilePrefix, file.PREFIX.view(), kFileNameSize);
        if (file.DRIVER.has_value()) {
            SetCell(row, kFileDriver, dictionary::RemoveChars(file.DRIVER.view(), "'", false),
                    kFileNameSize);
        }
        if (file.NAME.has_value()) SetCell(row, kFilePath, file.NAME.view(), kFilePathSize);
        SetCell(row, kFileAttributes, FileAttributes(file), kFileAttributesSize);
        row.ID = ++position;
        widths.Widen(row.cells, kFileName, kFileAttributes);
        list.rows.push_back(std::move(row));
    }
    for (const dictionary::AliasQueue& alias : dictionary::Rows(model.ALIAS)) {
        FileListRow row;
        SetCell(row, kFileName, alias.LABEL.view(), kFileNameSize);
        SetCell(row, kFilePrefix, alias.PREFIX.view(), kFileNameSize);
        SetCell(row, kFileDriver, kAliasDriver, kFileNameSize);
        SetCell(row, kFilePath, alias.FILE.view(), kFilePathSize);
        widths.Widen(row.cells, kFileName, kFilePath);
        list.rows.push_back(std::move(row));
    }
    // Character-code order (bytes compare unsigned), equal names keep
    // their order.
    std::stable_sort(list.rows.begin(), list.rows.end(),
                     [](const FileListRow& a, const FileListRow& b) {
                         return rt::TrimTrailingSpaces(a.Text(kFileName)) <
                                rt::TrimTrailingSpaces(b.Text(kFileName));
                     });
    for (std::size_t p = 0; p < list.rows.size(); ++p) {
        ShadeRow(list.rows[p].cells, p % 2 == 0 ? kShadeColour : kDefaultColour);
    }
    list.nameWidth = widths[kFileName];
    list.format = ListFormat(kFileListColumns,
                             std::array{widths[kFileName], widths[kFilePrefix], widths[kFileDriver],
                                        widths[kFilePath], widths[kFileAttributes]});
    return list;
}

std::int32_t FindFileRow(const FileList& list, std::string_view name) noexcept {
    name = Cut(name, kFileNameSize);
    for (std::size_t p = 0; p < list.rows.size(); ++p) {
        if (dictionary::SameLabel(list.rows[p].Text(kFileName), name)) {
            return static_cast<std::int32_t>(p + 1);
        }
    }
    return 0;
}

}  // namespace display
