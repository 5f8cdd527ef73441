#pragma once

// The parser of a dictionary text export (TXD).
//
// Each non-blank line is split by a Scanner and classified by its first
// token's item, then by its second; the recognised lines fill the model.
// Lines that match nothing are ignored: there are no syntax errors.
//
// The parser works incrementally so that a window can parse in slices:
//
//     std::string buffer = ...;               // the whole export
//     TxdParser parser(*model, buffer, dictionaryPath);
//     while (!parser.ParseLines(TxdParser::kLinesPerSlice, showPercent)) { ... }
//
// The buffer and the model must outlive the parser. The parser keeps
// references into the model while it works: destroy it before the model is
// released.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/line_cutter.h"
#include "dictionary/model.h"
#include "dictionary/parse_progress.h"
#include "dictionary/scanner.h"

namespace dictionary {

// The start of the description line the parser adds after the export's own,
// naming the dictionary path it was given.
inline constexpr std::string_view kDctPathLine = "DCT Path:";

class TxdParser {
  public:
    static constexpr int kLinesPerSlice = 200;

    // Called with the new whole percentage each time it grows.
    using ProgressHandler = std::function<void(int percent)>;

    TxdParser(DictionaryModel& model, std::string_view buffer, std::string dictionaryPath);
    TxdParser(const TxdParser&) = delete;
    TxdParser& operator=(const TxdParser&) = delete;
    ~TxdParser();

    // Parses up to maxLines non-blank lines. Returns true when the buffer
    // is exhausted (the parse is complete); once true, always true.
    bool ParseLines(int maxLines, const ProgressHandler& onProgress = {});

    bool Finished() const noexcept { return finished_; }
    // Non-blank lines parsed so far.
    std::int64_t LinesDone() const noexcept { return linesDone_; }
    // The whole percentage last reported (0 before the first report).
    int Percent() const noexcept { return progress_.Shown(); }
    std::size_t Position() const noexcept { return lines_.Position(); }
    std::size_t Size() const noexcept { return lines_.Size(); }

  private:
    void ParseLine(std::string_view line);
    bool ApplyFirstToken(std::string_view t1, std::string_view t2);
    void ApplyRelationLine(std::string_view t1, std::string_view t2);
    bool ApplyDeclaration(std::string_view t1, std::string_view t2);
    void ApplyTextLine();

    void SetHeaderValue(Text& value);
    void StartFiles();
    void StartRelation(std::string_view t2);
    void StartPairList(List<FieldPairQueue> RelationQueue::*pairs);
    void StartAnnotationSection(List<TextLineQueue> AnnotationSections::*section);
    void ApplyAnnotationLine();
    void AddGroupEnd();

    void AddFile(std::string_view label);
    void AddAlias(std::string_view label);
    template <class Row>
    void AddKeyRow(const FileQueue& file, List<Row>& list, std::string_view label);
    void AddMemo(FileQueue& file, std::string_view label);
    void AddBlob(FileQueue& file, std::string_view label);
    void AddField(FileQueue& file, std::string_view label, std::string_view type);
    void AddComponents(const FileQueue& file, List<TextLineQueue>& components);

    template <class Row>
    void Restart(List<Row>& list);
    static void ShrinkFile(FileQueue& file);
    ObjectTextRef TakeAnnotationObject();
    ObjectText& EnsurePendingObject();
    void DropPendingObject();
    FileQueue* CurrentFile() noexcept;
    RelationQueue* CurrentRelation() noexcept;
    std::string_view Declaration() const noexcept { return line_.substr(0, lineLength_); }
    std::string_view FirstArgument(std::int32_t token) noexcept;
    // A text of the model: `value`'s characters kept in the model's storage.
    Text Keep(std::string_view value);
    // A value built from parts of the line, kept as Keep() does.
    Text KeepBuilt(std::string_view built);
    void Finish();

    DictionaryModel& model_;
    std::pmr::memory_resource* memory_;  // the model's, for its lists and objects
    std::string dictionaryPath_;
    LineCutter lines_;
    Scanner scanner_;
    ParseProgress progress_;
    std::string joined_;  // reused for built values

    // The line being parsed and its length without trailing blanks.
    std::string_view line_;
    std::size_t lineLength_ = 0;

    bool inRelations_ = false;
    int groupDepth_ = 0;
    std::pmr::vector<FieldPairQueue>* currentPairs_ = nullptr;

    // Where text lines go, and the annotation object and lists that the
    // next annotation line completes.
    std::pmr::vector<TextLineQueue>* currentText_ = nullptr;
    ObjectText* pending_ = nullptr;
    ObjectTextRef pendingOwned_;  // the pending object while no row owns it
    std::pmr::vector<FieldQueue>* pendingFields_ = nullptr;
    std::pmr::vector<MemoQueue>* pendingMemos_ = nullptr;
    std::pmr::vector<BlobQueue>* pendingBlobs_ = nullptr;

    // Lists replaced by a repeated section header: no longer reachable from
    // the model, kept until the parse ends because the state above may
    // still refer into them.
    std::vector<std::shared_ptr<void>> retired_;

    std::int64_t linesDone_ = 0;
    bool finished_ = false;
};

// Parses the whole export into the model.
void ParseAll(DictionaryModel& model, std::string_view buffer, std::string_view dictionaryPath);

}  // namespace dictionary
