#include "dictionary/txd_parser.h"

#include <limits>
#include <utility>

namespace dict {

namespace {

constexpr std::string_view kDctPath = "DCT Path:";

template <class Row>
void ShrinkList(List<Row>& list) {
    if (list) list->shrink_to_fit();
}

bool ListBelongsTo(const std::vector<TextLineQueue>* list, const ObjectText& object) {
    for (const auto* section : {&object.LONGDESC, &object.QUICKCODE, &object.USEROPTION,
                                &object.SCREENCONTROL, &object.REPORTCONTROL}) {
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

struct TxdParser::Retired {
    std::vector<List<FileQueue>> files;
    std::vector<List<AliasQueue>> aliases;
    std::vector<List<RelationQueue>> relations;
};

TxdParser::TxdParser(DictionaryModel& model, std::string_view buffer, std::string dictionaryPath)
    : model_(model), dictionaryPath_(std::move(dictionaryPath)), lines_(buffer) {}

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
    pendingOwned_.reset();
    retired_.reset();
    scanner_.Dispose();
    finished_ = true;
}

void TxdParser::ParseLine(std::string_view line) {
    line_ = line;
    const std::size_t last = line.find_last_not_of(' ');
    lineLength_ = last == std::string_view::npos ? 0 : last + 1;

    scanner_.Split(line);
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
            if (t1 == "[DICTIONARY]") return true;
            if (t1 == "[DESCRIPTION]") {
                model_.DESCRIPTION = std::make_unique<std::vector<TextLineQueue>>();
                currentText_ = model_.DESCRIPTION.get();
                return true;
            }
            if (t1 == "[FILES]") {
                StartFiles();
                return true;
            }
            if (t1 == "[ALIASES]") {
                if (model_.ALIAS) {
                    if (!retired_) retired_ = std::make_unique<Retired>();
                    retired_->aliases.push_back(std::move(model_.ALIAS));
                }
                model_.ALIAS = std::make_unique<std::vector<AliasQueue>>();
                return true;
            }
            if (t1 == "[RELATIONS]") {
                if (model_.RELATION) {
                    if (!retired_) retired_ = std::make_unique<Retired>();
                    retired_->relations.push_back(std::move(model_.RELATION));
                }
                model_.RELATION = std::make_unique<std::vector<RelationQueue>>();
                inRelations_ = true;
                return true;
            }
            if (t1 == "[VIEWS]") {
                model_.VIEW = std::make_unique<std::vector<ViewQueue>>();
                return true;
            }
            if (t1 == "[LONGDESC]") {
                StartAnnotationSection(&ObjectText::LONGDESC);
                return true;
            }
            if (t1 == "[QUICKCODE]") {
                StartAnnotationSection(&ObjectText::QUICKCODE);
                return true;
            }
            if (t1 == "[USEROPTION]") {
                StartAnnotationSection(&ObjectText::USEROPTION);
                return true;
            }
            if (t1 == "[SCREENCONTROLS]") {
                StartAnnotationSection(&ObjectText::SCREENCONTROL);
                return true;
            }
            if (t1 == "[REPORTCONTROLS]") {
                StartAnnotationSection(&ObjectText::REPORTCONTROL);
                return true;
            }
            return false;
        case 'V':
            if (t1 == "VERSION") {
                SetHeaderValue(model_.VERSION);
                return true;
            }
            return false;
        case 'C':
            if (t1 == "CREATED") {
                SetHeaderValue(model_.CREATED);
                return true;
            }
            return false;
        case 'M':
            if (t1 == "MODIFIED") {
                SetHeaderValue(model_.MODIFIED);
                return true;
            }
            return false;
        case 'P':
            if (t1 == "PASSWORD") {
                SetHeaderValue(model_.PASSWORD);
                return true;
            }
            return false;
        case 'R':
            if (t1 == "RELATION") {
                if (inRelations_) StartRelation(t2);
                return true;
            }
            if (t1 == "RELATED_FILE_TO_KEY") {
                RelationQueue* relation = inRelations_ ? CurrentRelation() : nullptr;
                if (relation != nullptr) {
                    relation->RIGHTFIELDS = std::make_unique<std::vector<FieldPairQueue>>();
                    currentPairs_ = relation->RIGHTFIELDS.get();
                }
                return true;
            }
            return false;
        case 'F':
            if (t1 == "FILE_TO_RELATED_KEY") {
                RelationQueue* relation = inRelations_ ? CurrentRelation() : nullptr;
                if (relation != nullptr) {
                    relation->LEFTFIELDS = std::make_unique<std::vector<FieldPairQueue>>();
                    currentPairs_ = relation->LEFTFIELDS.get();
                }
                return true;
            }
            if (t1 == "FIELD") {
                if (inRelations_ && currentPairs_ != nullptr) {
                    FieldPairQueue& pair = currentPairs_->emplace_back();
                    pair.LEFT = scanner_.Argument(1, 1);
                    pair.RIGHT = scanner_.Argument(1, 2);
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

void TxdParser::SetHeaderValue(Text& value) {
    scanner_.Join(joined_, 2, 0, true, " ", false);
    value = joined_;
}

void TxdParser::StartFiles() {
    std::vector<TextLineQueue>& description = Ensure(model_.DESCRIPTION);
    if (!description.empty() && description.back().TEXT.view().starts_with(kDctPath)) {
        description.pop_back();
    }
    std::string line(kDctPath);
    line += ' ';
    line += dictionaryPath_;
    description.push_back({Text(line)});

    if (model_.FILE) {
        if (FileQueue* file = CurrentFile()) ShrinkFile(*file);
        if (!retired_) retired_ = std::make_unique<Retired>();
        retired_->files.push_back(std::move(model_.FILE));
    }
    model_.FILE = std::make_unique<std::vector<FileQueue>>();
}

void TxdParser::StartRelation(std::string_view t2) {
    RelationQueue& relation = Ensure(model_.RELATION).emplace_back();
    relation.TYPE = t2;
    if (const std::int32_t update = scanner_.Find("UPDATE", 2)) {
        relation.RIUPDATE = FirstArgument(update);
    }
    if (const std::int32_t del = scanner_.Find("DELETE", 2)) {
        relation.RIDELETE = FirstArgument(del);
    }
}

// A line in the relations section that no first token claimed: the FILE
// and RELATED_FILE lines of the current relation; anything else is ignored.
void TxdParser::ApplyRelationLine(std::string_view t1, std::string_view t2) {
    RelationQueue* relation = CurrentRelation();
    if (relation == nullptr) return;
    if (t2 == "FILE") {
        relation->LEFTFILE = t1;
        relation->LEFTKEY = FirstArgument(2);
    } else if (t2 == "RELATED_FILE") {
        relation->RIGHTFILE = t1;
        relation->RIGHTKEY = FirstArgument(2);
    }
}

void TxdParser::ApplyTextLine() {
    if (currentText_ == nullptr) return;
    std::string_view text = line_.substr(1, lineLength_ > 0 ? lineLength_ - 1 : 0);
    const std::size_t first = text.find_first_not_of(' ');
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
    currentText_->push_back({Text(text)});
}

void TxdParser::StartAnnotationSection(List<TextLineQueue> ObjectText::*section) {
    List<TextLineQueue>& list = EnsurePendingObject().*section;
    list = std::make_unique<std::vector<TextLineQueue>>();
    currentText_ = list.get();
}

void TxdParser::ApplyAnnotationLine() {
    if (pending_ != nullptr) {
        scanner_.Join(joined_, 2, 0, true, ",", false);
        pending_->KEYWORDS = joined_;
        DropPendingObject();
    }
    // The picture is the PICTURE token's last argument.
    const std::int32_t picture = scanner_.Find("PICTURE");
    if (pendingMemos_ != nullptr) {
        if (picture != 0) {
            scanner_.TokenItem(picture);
            pendingMemos_->back().PICTURE = scanner_.CurrentArgument();
        }
        pendingMemos_ = nullptr;
    }
    pendingBlobs_ = nullptr;
    if (pendingFields_ != nullptr) {
        if (picture != 0) {
            scanner_.TokenItem(picture);
            pendingFields_->back().PICTURE = scanner_.CurrentArgument();
        }
        pendingFields_ = nullptr;
    }
}

void TxdParser::AddGroupEnd() {
    FileQueue* file = CurrentFile();
    if (groupDepth_ <= 0 || file == nullptr) return;
    FieldQueue& row = Ensure(file->FIELD).emplace_back();
    row.TEXT = TakeAnnotationObject();
    row.TYPE = "END";
    --groupDepth_;
}

ObjectText& TxdParser::EnsurePendingObject() {
    if (pending_ == nullptr) {
        pendingOwned_ = std::make_unique<ObjectText>();
        pending_ = pendingOwned_.get();
    }
    return *pending_;
}

// The annotation object for a new declaration row. An object already taken
// by an earlier row stays with that row; this row gets a new one.
ObjectTextRef TxdParser::TakeAnnotationObject() {
    if (pendingOwned_ == nullptr) {
        pendingOwned_ = std::make_unique<ObjectText>();
        pending_ = pendingOwned_.get();
    }
    pending_->DEFINITION = Declaration();
    return std::move(pendingOwned_);
}

// The pending object is complete. One that no row took is freed, and text
// lines no longer go into its sections.
void TxdParser::DropPendingObject() {
    if (pendingOwned_ != nullptr) {
        if (ListBelongsTo(currentText_, *pendingOwned_)) currentText_ = nullptr;
        pendingOwned_.reset();
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

}  // namespace dict
