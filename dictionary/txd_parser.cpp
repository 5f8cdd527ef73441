#include "dictionary/txd_parser.h"

#include <limits>
#include <utility>

#include "dictionary/section_headers.h"
#include "runtime/core/blanks.h"

namespace dictionary {

namespace {

// The headers of the annotation sections and the list each one starts.
constexpr std::pair<std::string_view, List<TextLineQueue> AnnotationSections::*>
    kAnnotationSections[] = {
        {header::kLongDesc, &AnnotationSections::LONGDESC},
        {header::kQuickCode, &AnnotationSections::QUICKCODE},
        {header::kUserOption, &AnnotationSections::USEROPTION},
        {header::kScreenControls, &AnnotationSections::SCREENCONTROL},
        {header::kReportControls, &AnnotationSections::REPORTCONTROL},
};

// The header lines and the value each one sets.
constexpr std::pair<std::string_view, Text DictionaryModel::*> kHeaderValues[] = {
    {"VERSION", &DictionaryModel::VERSION},
    {"CREATED", &DictionaryModel::CREATED},
    {"MODIFIED", &DictionaryModel::MODIFIED},
    {"PASSWORD", &DictionaryModel::PASSWORD},
};

template <class Row>
void ShrinkList(List<Row>& list) {
    if (list) list->shrink_to_fit();
}

bool ListBelongsTo(const std::pmr::vector<TextLineQueue>* list, const ObjectText& object) {
    const AnnotationSections& sections = object.Sections();
    for (const auto* section : {&sections.LONGDESC, &sections.QUICKCODE, &sections.USEROPTION,
                                &sections.SCREENCONTROL, &sections.REPORTCONTROL}) {
        if (*section && section->get() == list) return true;
    }
    return false;
}

}  // namespace

// Gives back the spare capacity of a file's lists once they are complete.
void TxdParser::ShrinkFile(FileQueue& file) {
    ShrinkList(file.KEY);
    ShrinkList(file.INDEX);
    ShrinkList(file.MEMO);
    ShrinkList(file.BLOB);
    ShrinkList(file.FIELD);
}

// Replaces the list with a new empty one. The old list is kept until the
// parse ends: the parse state may still refer into its rows.
template <class Row>
void TxdParser::Restart(List<Row>& list) {
    if (list) retired_.emplace_back(std::move(list));
    list = MakeList<Row>(memory_);
}

TxdParser::TxdParser(DictionaryModel& model, std::string_view buffer, std::string dictionaryPath)
    : model_(model),
      memory_(model.storage.Memory()),
      dictionaryPath_(std::move(dictionaryPath)),
      lines_(buffer) {
    // Lines are views into the buffer, which outlives the parser.
    scanner_.KeepLinesInPlace(true);
}

TxdParser::~TxdParser() = default;

bool TxdParser::ParseLines(int maxLines, const ProgressHandler& onProgress) {
    for (int n = 0; n < maxLines && !finished_; ++n) {
        const std::optional<std::string_view> line = lines_.Next();
        if (!line) {
            Finish();
            break;
        }
        ParseLine(*line);
        ++linesDone_;
        if (const std::optional<int> percent = progress_.Advance(lines_.Position(), lines_.Size());
            percent && onProgress) {
            onProgress(*percent);
        }
    }
    return finished_;
}

void TxdParser::Finish() {
    if (FileQueue* file = CurrentFile()) ShrinkFile(*file);
    ShrinkList(model_.FILE);
    ShrinkList(model_.ALIAS);
    ShrinkList(model_.RELATION);
    currentText_ = nullptr;
    currentPairs_ = nullptr;
    pendingFields_ = nullptr;
    pendingMemos_ = nullptr;
    pendingBlobs_ = nullptr;
    pending_ = nullptr;
    ObjectText::GiveBack(std::move(pendingOwned_), memory_);
    retired_.clear();
    scanner_.Dispose();
    finished_ = true;
}

void TxdParser::ParseLine(std::string_view line) {
    line_ = line;
    lineLength_ = rt::TrimTrailingSpaces(line).size();

    // Most lines are classified by their first two tokens; the handlers that
    // need more cut the rest (a text line never does).
    scanner_.SplitFirst(line, 2);
    const std::string_view t1 = scanner_.Item(1);
    const std::string_view t2 = scanner_.Item(2);
    if (ApplyFirstToken(t1, t2)) return;
    if (inRelations_) {
        ApplyRelationLine(t1, t2);
        return;
    }
    if (ApplyDeclaration(t1, t2)) return;
    if (line.front() == '!') ApplyTextLine();
}

// The keywords recognised by the first token, in the order they are tried.
bool TxdParser::ApplyFirstToken(std::string_view t1, std::string_view t2) {
    if (t1.empty()) return false;
    switch (t1.front()) {
        case '[':
            if (t1 == header::kDictionary) return true;
            if (t1 == header::kDescription) {
                model_.DESCRIPTION = MakeList<TextLineQueue>(memory_);
                currentText_ = model_.DESCRIPTION.get();
                return true;
            }
            if (t1 == header::kFiles) {
                StartFiles();
                return true;
            }
            if (t1 == header::kAliases) {
                Restart(model_.ALIAS);
                return true;
            }
            if (t1 == header::kRelations) {
                Restart(model_.RELATION);
                inRelations_ = true;
                return true;
            }
            if (t1 == header::kViews) {
                model_.VIEW = MakeList<ViewQueue>(memory_);
                return true;
            }
            for (const auto& [header, section] : kAnnotationSections) {
                if (t1 == header) {
                    StartAnnotationSection(section);
                    return true;
                }
            }
            return false;
        case 'V':
        case 'C':
        case 'M':
        case 'P':
            for (const auto& [keyword, value] : kHeaderValues) {
                if (t1 == keyword) {
                    SetHeaderValue(model_.*value);
                    return true;
                }
            }
            return false;
        case 'R':
            if (t1 == "RELATION") {
                if (inRelations_) StartRelation(t2);
                return true;
            }
            if (t1 == "RELATED_FILE_TO_KEY") {
                StartPairList(&RelationQueue::RIGHTFIELDS);
                return true;
            }
            return false;
        case 'F':
            if (t1 == "FILE_TO_RELATED_KEY") {
                StartPairList(&RelationQueue::LEFTFIELDS);
                return true;
            }
            if (t1 == "FIELD") {
                if (inRelations_ && currentPairs_ != nullptr) {
                    FieldPairQueue& pair = currentPairs_->emplace_back();
                    pair.LEFT = Keep(scanner_.Argument(1, 1));
                    pair.RIGHT = Keep(scanner_.Argument(1, 2));
                }
                return true;
            }
            return false;
        case '!':
            if (t1 == "!>") {
                ApplyAnnotationLine();
                return true;
            }
            return false;
        case 'E':
            if (t1 == "END") {
                AddGroupEnd();
                return true;
            }
            return false;
        default:
            return false;
    }
}

Text TxdParser::Keep(std::string_view value) {
    if (value.size() <= Text::kInlineCapacity) return Text(value);
    return Text::Borrow(model_.storage.Keep(value));
}

// Most values built from several tokens are found in the line as they are
// (tokens separated by one comma); those are kept where the line is.
Text TxdParser::KeepBuilt(std::string_view built) {
    if (built.size() > Text::kInlineCapacity) {
        if (const std::size_t at = line_.find(built); at != std::string_view::npos) {
            return Keep(line_.substr(at, built.size()));
        }
    }
    return Keep(built);
}

void TxdParser::SetHeaderValue(Text& value) {
    scanner_.Complete();
    scanner_.Join(joined_, 2, 0, true, " ", false);
    value = KeepBuilt(joined_);
}

void TxdParser::StartFiles() {
    std::pmr::vector<TextLineQueue>& description = Ensure(model_.DESCRIPTION, memory_);
    if (!description.empty() && description.back().TEXT.view().starts_with(kDctPathLine)) {
        description.pop_back();
    }
    std::string line(kDctPathLine);
    line += ' ';
    line += dictionaryPath_;
    description.push_back({Keep(line)});

    if (FileQueue* file = CurrentFile()) ShrinkFile(*file);
    Restart(model_.FILE);
}

void TxdParser::StartRelation(std::string_view t2) {
    scanner_.Complete();
    RelationQueue& relation = Ensure(model_.RELATION, memory_).emplace_back();
    relation.TYPE = t2;
    if (const std::int32_t update = scanner_.Find("UPDATE", 2)) {
        relation.RIUPDATE = Keep(FirstArgument(update));
    }
    if (const std::int32_t del = scanner_.Find("DELETE", 2)) {
        relation.RIDELETE = Keep(FirstArgument(del));
    }
}

// The pair list that the following FIELD lines of the relation fill.
void TxdParser::StartPairList(List<FieldPairQueue> RelationQueue::*pairs) {
    RelationQueue* relation = inRelations_ ? CurrentRelation() : nullptr;
    if (relation == nullptr) return;
    List<FieldPairQueue>& list = relation->*pairs;
    list = MakeList<FieldPairQueue>(memory_);
    currentPairs_ = list.get();
}

// A line in the relations section that no first token claimed: the FILE
// and RELATED_FILE lines of the current relation; anything else is ignored.
void TxdParser::ApplyRelationLine(std::string_view t1, std::string_view t2) {
    RelationQueue* relation = CurrentRelation();
    if (relation == nullptr) return;
    if (t2 == "FILE") {
        relation->LEFTFILE = Keep(t1);
        relation->LEFTKEY = Keep(FirstArgument(2));
    } else if (t2 == "RELATED_FILE") {
        relation->RIGHTFILE = Keep(t1);
        relation->RIGHTKEY = Keep(FirstArgument(2));
    }
}

void TxdParser::ApplyTextLine() {
    if (currentText_ == nullptr) return;
    std::string_view text = line_.substr(1, lineLength_ > 0 ? lineLength_ - 1 : 0);
    const std::size_t first = text.find_first_not_of(' ');
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
    currentText_->push_back({Keep(text)});
}

void TxdParser::StartAnnotationSection(List<TextLineQueue> AnnotationSections::*section) {
    List<TextLineQueue>& list = EnsurePendingObject().EnsureSections(memory_).*section;
    list = MakeList<TextLineQueue>(memory_);
    currentText_ = list.get();
}

void TxdParser::ApplyAnnotationLine() {
    scanner_.Complete();
    if (pending_ != nullptr) {
        if (const std::string_view inLine = scanner_.JoinedInLine(2, ','); !inLine.empty()) {
            pending_->KEYWORDS = Keep(inLine);
        } else {
            scanner_.Join(joined_, 2, 0, true, ",", false);
            pending_->KEYWORDS = KeepBuilt(joined_);
        }
        DropPendingObject();
    }
    // The picture is the PICTURE token's last argument.
    const std::int32_t picture = scanner_.Find("PICTURE");
    if (pendingMemos_ != nullptr) {
        if (picture != 0) {
            scanner_.TokenItem(picture);
            pendingMemos_->back().PICTURE = Keep(scanner_.CurrentArgument());
        }
        pendingMemos_ = nullptr;
    }
    pendingBlobs_ = nullptr;
    if (pendingFields_ != nullptr) {
        if (picture != 0) {
            scanner_.TokenItem(picture);
            pendingFields_->back().PICTURE = Keep(scanner_.CurrentArgument());
        }
        pendingFields_ = nullptr;
    }
}

void TxdParser::AddGroupEnd() {
    FileQueue* file = CurrentFile();
    if (groupDepth_ <= 0 || file == nullptr) return;
    FieldQueue& row = Ensure(file->FIELD, memory_).emplace_back();
    row.TEXT = TakeAnnotationObject();
    row.TYPE = "END";
    --groupDepth_;
}

ObjectText& TxdParser::EnsurePendingObject() {
    if (pending_ == nullptr) {
        pendingOwned_ = MakeObjectText(memory_);
        pending_ = pendingOwned_.get();
    }
    return *pending_;
}

// The annotation object for a new declaration row. An object already taken
// by an earlier row stays with that row; this row gets a new one.
ObjectTextRef TxdParser::TakeAnnotationObject() {
    if (pendingOwned_ == nullptr) {
        pendingOwned_ = MakeObjectText(memory_);
        pending_ = pendingOwned_.get();
    }
    pending_->DEFINITION = Keep(Declaration());
    return std::move(pendingOwned_);
}

// The pending object is complete. One that no row took is freed, and text
// lines no longer go into its sections.
void TxdParser::DropPendingObject() {
    if (pendingOwned_ != nullptr) {
        if (ListBelongsTo(currentText_, *pendingOwned_)) currentText_ = nullptr;
        ObjectText::GiveBack(std::move(pendingOwned_), memory_);
    }
    pending_ = nullptr;
}

FileQueue* TxdParser::CurrentFile() noexcept {
    return model_.FILE && !model_.FILE->empty() ? &model_.FILE->back() : nullptr;
}

RelationQueue* TxdParser::CurrentRelation() noexcept {
    return model_.RELATION && !model_.RELATION->empty() ? &model_.RELATION->back() : nullptr;
}

std::string_view TxdParser::FirstArgument(std::int32_t token) noexcept {
    return scanner_.Argument(token, 1);
}

void ParseAll(DictionaryModel& model, std::string_view buffer, std::string_view dictionaryPath) {
    TxdParser parser(model, buffer, std::string(dictionaryPath));
    parser.ParseLines(std::numeric_limits<int>::max());
}

}  // namespace dictionary
