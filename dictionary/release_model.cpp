#include "dictionary/release_model.h"

#include "dictionary/writeback_file.h"

namespace dictionary {

namespace {

constexpr std::string_view kBlanks23 = "                       ";
constexpr std::string_view kBlanks25 = "                         ";
constexpr std::string_view kBlanks27 = "                           ";
constexpr std::size_t kLabelWidth = 25;

// Writes the lines of one model; every part is freed once written.
class ExportWriter {
  public:
    explicit ExportWriter(WritebackFile& out) : out_(out) {}

    void Write(DictionaryModel& model) {
        Line("[DICTIONARY]");
        HeaderLine("VERSION ", model.VERSION);
        HeaderLine("CREATED ", model.CREATED);
        HeaderLine("MODIFIED ", model.MODIFIED);
        HeaderLine("PASSWORD ", model.PASSWORD);
        if (model.DESCRIPTION) {
            Line("[DESCRIPTION]");
            for (const TextLineQueue& row : *model.DESCRIPTION) Join("!", row.TEXT.view());
            model.DESCRIPTION.reset();
        }
        if (model.FILE) {
            SectionHeader("[FILES]");
            for (FileQueue& file : *model.FILE) {
                WriteFile(file);
                file = FileQueue{};
            }
            model.FILE.reset();
        }
        if (model.ALIAS) {
            Line("[ALIASES]");
            Line("");
            for (AliasQueue& alias : *model.ALIAS) Annotation(alias.TEXT);
            model.ALIAS.reset();
        }
        if (model.RELATION) {
            SectionHeader("[RELATIONS]");
            for (RelationQueue& relation : *model.RELATION) {
                WriteRelation(relation);
                relation = RelationQueue{};
            }
            model.RELATION.reset();
        }
        // The views list is not written.
        model = DictionaryModel{};
    }

  private:
    void Line(std::string_view value) { out_.Add(value); }

    void Join(std::string_view a, std::string_view b) {
        line_.assign(a);
        line_.append(b);
        out_.Add(line_);
    }

    void HeaderLine(std::string_view keyword, const Text& value) {
        if (!value.IsNull()) Join(keyword, value.view());
    }

    void SectionHeader(std::string_view header) {
        Line("");
        Line(header);
        Line("");
    }

    void WriteFile(FileQueue& file) {
        Annotation(file.TEXT);
        for (KeyQueue& key : Mutable(file.KEY)) Annotation(key.TEXT);
        for (IndexQueue& index : Mutable(file.INDEX)) Annotation(index.TEXT);
        for (MemoQueue& memo : Mutable(file.MEMO)) Annotation(memo.TEXT);
        for (BlobQueue& blob : Mutable(file.BLOB)) Annotation(blob.TEXT);
        if (!file.RECORD.IsNull()) Line(file.RECORD.view());
        for (FieldQueue& field : Mutable(file.FIELD)) Annotation(field.TEXT);
        Join(kBlanks25, "END");
        Join(kBlanks23, "END");
        Line("");
    }

    void WriteRelation(const RelationQueue& relation) {
        line_.assign(kBlanks23);
        line_.append("RELATION,");
        line_.append(relation.TYPE.Trimmed());
        if (!relation.RIUPDATE.IsNull()) Wrapped(",UPDATE(", relation.RIUPDATE);
        if (!relation.RIDELETE.IsNull()) Wrapped(",DELETE(", relation.RIDELETE);
        out_.Add(line_);
        if (!relation.LEFTFILE.IsNull()) {
            Labelled(relation.LEFTFILE);
            Wrapped("FILE(", relation.LEFTKEY);
            out_.Add(line_);
        }
        if (!relation.RIGHTFILE.IsNull()) {
            Labelled(relation.RIGHTFILE);
            Wrapped("RELATED_FILE(", relation.RIGHTKEY);
            out_.Add(line_);
        }
        Pairs("FILE_TO_RELATED_KEY", relation.LEFTFIELDS);
        Pairs("RELATED_FILE_TO_KEY", relation.RIGHTFIELDS);
        Join(kBlanks23, "END");
        Line("");
    }

    // Starts a line with `label` left-justified in exactly 25 characters.
    void Labelled(const Text& label) {
        std::string_view value = label.view().substr(0, kLabelWidth);
        line_.assign(value);
        line_.append(kLabelWidth - value.size(), ' ');
    }

    // Appends `opening` + value + ")" to the line being built.
    void Wrapped(std::string_view opening, const Text& value) {
        line_.append(opening);
        line_.append(value.view());
        line_.push_back(')');
    }

    void Pairs(std::string_view header, const List<FieldPairQueue>& pairs) {
        if (!pairs) return;
        Join(kBlanks25, header);
        for (const FieldPairQueue& pair : *pairs) {
            line_.assign(kBlanks27);
            line_.append("FIELD(");
            line_.append(pair.LEFT.view());
            line_.push_back(',');
            line_.append(pair.RIGHT.view());
            line_.push_back(')');
            out_.Add(line_);
        }
        Join(kBlanks25, "END");
    }

    void TextLines(std::string_view header, const List<TextLineQueue>& lines) {
        if (!lines) return;
        Line(header);
        for (const TextLineQueue& row : *lines) Join("! ", row.TEXT.view());
    }

    // Writes a row's annotation object and frees it.
    void Annotation(ObjectTextRef& text) {
        if (!text) return;
        TextLines("[LONGDESC]", text->Sections().LONGDESC);
        TextLines("[QUICKCODE]", text->Sections().QUICKCODE);
        TextLines("[USEROPTION]", text->Sections().USEROPTION);
        TextLines("[SCREENCONTROLS]", text->Sections().SCREENCONTROL);
        TextLines("[REPORTCONTROLS]", text->Sections().REPORTCONTROL);
        if (!text->DEFINITION.IsNull()) Line(text->DEFINITION.view());
        if (!text->KEYWORDS.IsNull()) Join("!!> ", text->KEYWORDS.view());
        text.reset();
    }

    template <class Row>
    static std::span<Row> Mutable(List<Row>& list) {
        if (!list) return {};
        return {list->data(), list->size()};
    }

    WritebackFile& out_;
    std::string line_;
};

}  // namespace

void ReleaseModelInto(DictionaryModel& model, WritebackFile& out) {
    ExportWriter(out).Write(model);
}

void ReleaseModelTo(DictionaryModel& model, const std::string& path) {
    WritebackFile out;
    // The program's own file: never a pipe or device that could keep the
    // release waiting. When it cannot be written every line is refused, and
    // lost.
    out.Create(path, rt::WriteTarget::Own);
    ReleaseModelInto(model, out);
    out.Close();
}

void ReleaseModel(DictionaryModel& model) {
    ReleaseModelTo(model, std::string(kReleaseExportName));
}

}  // namespace dictionary
