// The declaration lines of an export, recognised by their second token.

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <type_traits>

#include "dictionary/txd_parser.h"
#include "runtime/core/blanks.h"

namespace dictionary {

namespace {

constexpr std::string_view kFieldTypes[] = {"TIME",     "DATE",     "PSTRING", "CSTRING", "STRING",
                                            "PDECIMAL", "DECIMAL",  "BFLOAT8", "BFLOAT4", "REAL",
                                            "SREAL",    "UNSIGNED", "SIGNED",  "ULONG",   "LONG",
                                            "USHORT",   "SHORT",    "BYTE",    "GROUP"};

bool IsFieldType(std::string_view t2) noexcept {
    for (std::string_view type : kFieldTypes) {
        if (t2 == type) return true;
    }
    return false;
}

// The numeric value of a size argument: a decimal number, its fraction
// dropped; 0 when the text is not a finite number or does not fit.
std::int32_t NumericValue(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    text = rt::TrimTrailingSpaces(text.substr(first));
    double value = 0;
    const char* end = text.data() + text.size();
    const std::string_view number = text.starts_with('+') ? text.substr(1) : text;
    const auto [ptr, ec] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return 0;
    value = std::trunc(value);
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

bool TxdParser::ApplyDeclaration(std::string_view t1, std::string_view t2) {
    if (t2.empty()) return false;
    // Every declaration looks beyond its first two tokens.
    if (t2 == "FILE") {
        scanner_.Complete();
        AddFile(t1);
        return true;
    }
    if (t2 == "ALIAS") {
        scanner_.Complete();
        AddAlias(t1);
        return true;
    }
    const bool fieldType = IsFieldType(t2);
    if (!fieldType && t2 != "KEY" && t2 != "INDEX" && t2 != "MEMO" && t2 != "BLOB" &&
        t2 != "RECORD") {
        return false;
    }
    FileQueue* file = CurrentFile();
    if (file == nullptr) return true;  // a declaration before any file
    scanner_.Complete();
    if (fieldType) {
        AddField(*file, t1, t2);
    } else if (t2 == "KEY") {
        AddKeyRow(*file, file->KEY, t1);
    } else if (t2 == "INDEX") {
        AddKeyRow(*file, file->INDEX, t1);
    } else if (t2 == "MEMO") {
        AddMemo(*file, t1);
    } else if (t2 == "BLOB") {
        AddBlob(*file, t1);
    } else {
        file->RECORD = Keep(Declaration());
    }
    return true;
}

void TxdParser::AddFile(std::string_view label) {
    // The previous file is complete.
    if (FileQueue* previous = CurrentFile()) ShrinkFile(*previous);
    FileQueue& file = Ensure(model_.FILE, memory_).emplace_back();
    file.TEXT = TakeAnnotationObject();
    file.LABEL = Keep(label);
    for (std::int32_t n = 3; n <= scanner_.TokenCount(); ++n) {
        const std::string_view item = scanner_.Item(n);
        if (item == "DRIVER") {
            file.DRIVER = Keep(FirstArgument(n));
        } else if (item == "OWNER") {
            file.OWNER = Keep(FirstArgument(n));
        } else if (item == "PRE") {
            file.PREFIX = Keep(FirstArgument(n));
        } else if (item == "NAME") {
            file.NAME = Keep(FirstArgument(n));
        } else if (item == "CREATE") {
            file.CREATE = 1;
        } else if (item == "RECLAIM") {
            file.RECLAIM = 1;
        } else if (item == "ENCRYPT") {
            file.ENCRYPT = 1;
        } else if (item == "BINDABLE") {
            file.BINDABLE = 1;
        } else if (item == "THREAD") {
            file.THREAD = 1;
        } else if (item == "EXTERNAL") {
            file.EXTERNAL = 1;
        } else if (item == "DLL") {
            file.DLL = 1;
        } else if (item == "OEM") {
            file.OEM = 1;
        }
    }
}

void TxdParser::AddAlias(std::string_view label) {
    AliasQueue& alias = Ensure(model_.ALIAS, memory_).emplace_back();
    alias.TEXT = TakeAnnotationObject();
    alias.LABEL = Keep(label);
    // Attributes follow the label and the keyword.
    if (const std::int32_t pre = scanner_.Find("PRE", 3)) alias.PREFIX = Keep(FirstArgument(pre));
    if (scanner_.ArgumentCount(2) > 0) alias.FILE = Keep(FirstArgument(2));
}

// A key or an index: its components, then its attributes from the third
// token on (an index has no DUP or PRIMARY).
template <class Row>
void TxdParser::AddKeyRow(const FileQueue& file, List<Row>& list, std::string_view label) {
    Row& row = Ensure(list, memory_).emplace_back();
    row.TEXT = TakeAnnotationObject();
    row.LABEL = Keep(label);
    AddComponents(file, row.FIELD);
    for (std::int32_t n = 3; n <= scanner_.TokenCount(); ++n) {
        const std::string_view item = scanner_.Item(n);
        if (item == "NAME") {
            row.NAME = Keep(FirstArgument(n));
        } else if (item == "NOCASE") {
            row.NOCASE = 1;
        } else if (item == "OPT") {
            row.OPT = 1;
        } else if constexpr (std::is_same_v<Row, KeyQueue>) {
            if (item == "DUP") {
                row.DUP = 1;
            } else if (item == "PRIMARY") {
                row.PRIMARY = 1;
            }
        }
    }
}

// The components of a key or index, the arguments of token 2 up to the
// first blank one, each without the file's prefix and colon. The prefix is
// cut by its length only. A component too short to hold more than the cut
// is kept whole rather than reduced to nothing.
void TxdParser::AddComponents(const FileQueue& file, List<TextLineQueue>& components) {
    const std::size_t cut =
        file.PREFIX.IsNull() || file.PREFIX.view().empty() ? 0 : file.PREFIX.size() + 1;
    for (std::int32_t n = 1; n <= scanner_.ArgumentCount(2); ++n) {
        const std::string_view argument = scanner_.Argument(2, n);
        const std::size_t first = argument.find_first_not_of(' ');
        if (first == std::string_view::npos) break;
        Text& line = Ensure(components, memory_).emplace_back().TEXT;
        if (cut == 0) {
            line = Keep(argument);  // no prefix: the component is stored whole
        } else if (argument[first] == '-') {
            // "-" and the argument after the cut, counted from position 2.
            if (cut + 1 < argument.size()) {
                joined_.assign(1, '-');
                joined_.append(argument.substr(cut + 1));
                line = KeepBuilt(joined_);
            } else {
                line = Keep(argument);
            }
        } else {
            line = Keep(cut < argument.size() ? argument.substr(cut) : argument);
        }
    }
}

void TxdParser::AddMemo(FileQueue& file, std::string_view label) {
    std::pmr::vector<MemoQueue>& memos = Ensure(file.MEMO, memory_);
    MemoQueue& memo = memos.emplace_back();
    memo.TEXT = TakeAnnotationObject();
    memo.LABEL = Keep(label);
    memo.SIZE = NumericValue(FirstArgument(2));
    pendingMemos_ = &memos;
}

void TxdParser::AddBlob(FileQueue& file, std::string_view label) {
    std::pmr::vector<BlobQueue>& blobs = Ensure(file.BLOB, memory_);
    BlobQueue& blob = blobs.emplace_back();
    blob.TEXT = TakeAnnotationObject();
    blob.LABEL = Keep(label);
    blob.SIZE = NumericValue(FirstArgument(2));
    pendingBlobs_ = &blobs;
}

void TxdParser::AddField(FileQueue& file, std::string_view label, std::string_view type) {
    std::pmr::vector<FieldQueue>& fields = Ensure(file.FIELD, memory_);
    FieldQueue& field = fields.emplace_back();
    field.TEXT = TakeAnnotationObject();
    field.LABEL = Keep(label);
    field.TYPE = Keep(type);
    if (scanner_.ArgumentCount(2) > 0) {
        scanner_.TokenItem(2);
        scanner_.Arguments(joined_);
        field.SIZE = KeepBuilt(joined_);
    }
    // The DIM attribute follows the label and the type.
    if (const std::int32_t dim = scanner_.Find("DIM", 3)) {
        scanner_.TokenItem(dim);
        scanner_.Arguments(joined_);
        field.DIM = KeepBuilt(joined_);
    }
    pendingFields_ = &fields;
    if (type == "GROUP") ++groupDepth_;
}

}  // namespace dictionary
