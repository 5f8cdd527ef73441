#include "dictionary/model_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>

#include "runtime/core/windows1252.h"

namespace dictionary {

namespace {

constexpr std::size_t kChunkSize = 1 << 16;

bool IsPlainJson(char c);

// A member name, held in a block that is copied whole: names are short and
// written millions of times.
class JsonKey {
  public:
    static constexpr std::size_t kRoom = 16;

    template <std::size_t N>
    consteval JsonKey(const char (&name)[N]) : size_(N - 1) {
        static_assert(N - 1 <= kRoom, "a member name longer than a key holds");
        for (std::size_t i = 0; i + 1 < N; ++i) bytes_[i] = name[i];
    }
    const char* Bytes() const noexcept { return bytes_.data(); }
    std::size_t Size() const noexcept { return size_; }

  private:
    std::array<char, kRoom> bytes_{};
    std::size_t size_;
};

// Builds indented JSON into a buffer that goes to the sink in chunks of
// about kChunkSize.
class JsonWriter {
  public:
    explicit JsonWriter(const JsonSink& sink)
        : sink_(sink),
          buffer_(std::make_unique_for_overwrite<char[]>(2 * kChunkSize)),
          capacity_(2 * kChunkSize),
          at_(buffer_.get()) {}

    void Finish() {
        Put("\n");
        Drain();
    }

    // Objects and arrays. Members and elements after the first are preceded
    // by a comma; every one starts on a line of its own.
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    void Key(const JsonKey& name) {
        Separate(JsonKey::kRoom + 4);
        *at_++ = '"';
        std::memcpy(at_, name.Bytes(), JsonKey::kRoom);
        at_ += name.Size();
        *at_++ = '"';
        *at_++ = ':';
        *at_++ = ' ';
        afterKey_ = true;
    }

    void Null() {
        Value();
        Put("null");
    }
    void Number(std::int64_t value) {
        Value();
        Need(24);
        at_ = std::to_chars(at_, at_ + 24, value).ptr;
    }
    void String(std::string_view value) {
        Value();
        // Mostly printable ASCII, which stands as it is.
        if (std::all_of(value.begin(), value.end(), IsPlainJson)) {
            Need(value.size() + 2);
            *at_++ = '"';
            Copy(value);
            *at_++ = '"';
        } else {
            escaped_.clear();
            AppendJsonString(escaped_, value);
            Put(escaped_);
        }
    }

    void Field(const JsonKey& name, const Text& value) {
        Key(name);
        if (value.IsNull()) {
            Null();
        } else {
            String(value.view());
        }
    }
    void Field(const JsonKey& name, std::int64_t value) {
        Key(name);
        Number(value);
    }

  private:
    static constexpr std::string_view kBlanks = "                                ";

    void Value() {
        if (afterKey_) {
            afterKey_ = false;
        } else {
            Separate();
        }
    }
    // The comma and the new line that go before a member or an element,
    // with room for `more` characters after them.
    void Separate(std::size_t more = 0) {
        if (static_cast<std::size_t>(at_ - buffer_.get()) >= kChunkSize) Drain();
        const std::size_t blanks = 2 * depth_;
        Need(2 + std::max(blanks, kBlanks.size()) + more);
        if (!first_) *at_++ = ',';
        first_ = false;
        if (depth_ > 0) Indent(blanks);
    }
    void NewLine() {
        const std::size_t blanks = 2 * depth_;
        Need(1 + std::max(blanks, kBlanks.size()));
        Indent(blanks);
    }
    // A line feed and `blanks` blanks; there is room for them, and for all
    // of kBlanks.
    void Indent(std::size_t blanks) {
        *at_++ = '\n';
        if (blanks <= kBlanks.size()) {
            std::memcpy(at_, kBlanks.data(), kBlanks.size());
        } else {
            std::memset(at_, ' ', blanks);
        }
        at_ += blanks;
    }
    void Open(char bracket) {
        Value();
        Put(std::string_view(&bracket, 1));
        ++depth_;
        first_ = true;
    }
    void Close(char bracket) {
        --depth_;
        if (!first_) NewLine();
        Put(std::string_view(&bracket, 1));
        first_ = false;
    }

    // Room for `bytes` more characters after at_.
    void Need(std::size_t bytes) {
        if (bytes <= capacity_ - static_cast<std::size_t>(at_ - buffer_.get())) return;
        Drain();
        if (bytes > capacity_) {
            buffer_ = std::make_unique_for_overwrite<char[]>(bytes);
            capacity_ = bytes;
            at_ = buffer_.get();
        }
    }
    void Copy(std::string_view text) {
        std::memcpy(at_, text.data(), text.size());
        at_ += text.size();
    }
    void Put(std::string_view text) {
        Need(text.size());
        Copy(text);
    }
    // Hands what the buffer holds to the sink.
    void Drain() {
        if (at_ == buffer_.get()) return;
        sink_(std::string_view(buffer_.get(), static_cast<std::size_t>(at_ - buffer_.get())));
        at_ = buffer_.get();
    }

    const JsonSink& sink_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    char* at_;
    std::string escaped_;  // a string value that needs escapes
    std::size_t depth_ = 0;
    bool first_ = true;
    bool afterKey_ = false;
};

class ModelJson {
  public:
    explicit ModelJson(JsonWriter& json) : json_(json) {}

    void Model(const DictionaryModel& model) {
        json_.BeginObject();
        json_.Field("VERSION", model.VERSION);
        json_.Field("CREATED", model.CREATED);
        json_.Field("MODIFIED", model.MODIFIED);
        json_.Field("PASSWORD", model.PASSWORD);
        Lines("DESCRIPTION", model.DESCRIPTION);
        Rows("FILE", model.FILE, &ModelJson::File);
        Rows("VIEW", model.VIEW, &ModelJson::View);
        Rows("ALIAS", model.ALIAS, &ModelJson::Alias);
        Rows("RELATION", model.RELATION, &ModelJson::Relation);
        json_.EndObject();
    }

  private:
    template <class Row>
    void Rows(const JsonKey& name, const List<Row>& list, void (ModelJson::*write)(const Row&)) {
        json_.Key(name);
        if (!list) {
            json_.Null();
            return;
        }
        json_.BeginArray();
        for (const Row& row : *list) {
            json_.BeginObject();
            (this->*write)(row);
            json_.EndObject();
        }
        json_.EndArray();
    }

    void Lines(const JsonKey& name, const List<TextLineQueue>& list) {
        json_.Key(name);
        if (!list) {
            json_.Null();
            return;
        }
        json_.BeginArray();
        for (const TextLineQueue& line : *list) {
            if (line.TEXT.IsNull()) {
                json_.Null();
            } else {
                json_.String(line.TEXT.view());
            }
        }
        json_.EndArray();
    }

    void Annotation(const ObjectTextRef& text) {
        json_.Key("TEXT");
        if (!text) {
            json_.Null();
            return;
        }
        json_.BeginObject();
        Lines("LONGDESC", text->Sections().LONGDESC);
        Lines("QUICKCODE", text->Sections().QUICKCODE);
        Lines("USEROPTION", text->Sections().USEROPTION);
        Lines("SCREENCONTROL", text->Sections().SCREENCONTROL);
        Lines("REPORTCONTROL", text->Sections().REPORTCONTROL);
        json_.Field("DEFINITION", text->DEFINITION);
        json_.Field("KEYWORDS", text->KEYWORDS);
        json_.EndObject();
    }

    // The members every declaration row starts with.
    template <class Row>
    void Declaration(const Row& row) {
        json_.Field("ID", row.ID);
        Annotation(row.TEXT);
        json_.Field("LABEL", row.LABEL);
    }

    void File(const FileQueue& row) {
        Declaration(row);
        json_.Field("DRIVER", row.DRIVER);
        json_.Field("PREFIX", row.PREFIX);
        json_.Field("NAME", row.NAME);
        json_.Field("CREATE", row.CREATE);
        json_.Field("RECLAIM", row.RECLAIM);
        json_.Field("THREAD", row.THREAD);
        json_.Field("BINDABLE", row.BINDABLE);
        json_.Field("EXTERNAL", row.EXTERNAL);
        json_.Field("OWNER", row.OWNER);
        json_.Field("ENCRYPT", row.ENCRYPT);
        json_.Field("DLL", row.DLL);
        json_.Field("OEM", row.OEM);
        Rows("KEY", row.KEY, &ModelJson::KeyOrIndex<KeyQueue>);
        Rows("INDEX", row.INDEX, &ModelJson::KeyOrIndex<IndexQueue>);
        Rows("MEMO", row.MEMO, &ModelJson::MemoOrBlob<MemoQueue>);
        Rows("BLOB", row.BLOB, &ModelJson::MemoOrBlob<BlobQueue>);
        Rows("FIELD", row.FIELD, &ModelJson::Field);
        json_.Field("RECORD", row.RECORD);
    }

    void Field(const FieldQueue& row) {
        Declaration(row);
        json_.Field("TYPE", row.TYPE);
        json_.Field("SIZE", row.SIZE);
        json_.Field("DIM", row.DIM);
        json_.Field("PICTURE", row.PICTURE);
    }

    // An index is a key without DUP and PRIMARY.
    template <class Row>
    void KeyOrIndex(const Row& row) {
        Declaration(row);
        json_.Field("NAME", row.NAME);
        if constexpr (requires { row.DUP; }) json_.Field("DUP", row.DUP);
        json_.Field("NOCASE", row.NOCASE);
        json_.Field("OPT", row.OPT);
        if constexpr (requires { row.PRIMARY; }) json_.Field("PRIMARY", row.PRIMARY);
        Lines("FIELD", row.FIELD);
    }

    // A blob is a memo without PICTURE.
    template <class Row>
    void MemoOrBlob(const Row& row) {
        Declaration(row);
        json_.Field("SIZE", row.SIZE);
        if constexpr (requires { row.PICTURE; }) json_.Field("PICTURE", row.PICTURE);
    }

    void Alias(const AliasQueue& row) {
        Declaration(row);
        json_.Field("PREFIX", row.PREFIX);
        json_.Field("FILE", row.FILE);
    }

    void Pair(const FieldPairQueue& row) {
        json_.Field("LEFT", row.LEFT);
        json_.Field("RIGHT", row.RIGHT);
    }

    void Relation(const RelationQueue& row) {
        json_.Key("TYPE");
        json_.String(row.TYPE.view());
        json_.Field("LEFTFILE", row.LEFTFILE);
        json_.Field("LEFTKEY", row.LEFTKEY);
        Rows("LEFTFIELDS", row.LEFTFIELDS, &ModelJson::Pair);
        json_.Field("RIGHTFILE", row.RIGHTFILE);
        json_.Field("RIGHTKEY", row.RIGHTKEY);
        Rows("RIGHTFIELDS", row.RIGHTFIELDS, &ModelJson::Pair);
        json_.Field("RIUPDATE", row.RIUPDATE);
        json_.Field("RIDELETE", row.RIDELETE);
    }

    void View(const ViewQueue& row) {
        json_.Field("ID", row.ID);
        Annotation(row.TEXT);
    }

    JsonWriter& json_;
};

}  // namespace

namespace {

constexpr std::array<bool, 256> MakePlainJson() {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x7F; ++byte) plain[byte] = byte != '"' && byte != '\\';
    return plain;
}
constexpr std::array<bool, 256> kPlainJson = MakePlainJson();

bool IsPlainJson(char c) {
    return kPlainJson[static_cast<unsigned char>(c)];
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A run of printable ASCII other than quote and backslash is itself.
        std::size_t plain = i;
        while (plain < text.size() && IsPlainJson(text[plain])) ++plain;
        if (plain > i) {
            out.append(text.data() + i, plain - i);
            i = plain;
            if (i == text.size()) break;
        }
        auto byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
            case '"':
                out.append("\\\"");
                break;
            case '\\':
                out.append("\\\\");
                break;
            case '\b':
                out.append("\\b");
                break;
            case '\f':
                out.append("\\f");
                break;
            case '\n':
                out.append("\\n");
                break;
            case '\r':
                out.append("\\r");
                break;
            case '\t':
                out.append("\\t");
                break;
            default: {
                char32_t code = rt::Windows1252ToUnicode(byte);
                if (code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F)) {
                    // Other controls, also the code page's undefined bytes.
                    out.append("\\u00");
                    out.push_back(kHex[code >> 4]);
                    out.push_back(kHex[code & 0xF]);
                } else {
                    rt::AppendUtf8(out, code);
                }
            }
        }
    }
    out.push_back('"');
}

void WriteModelJson(const DictionaryModel& model, const JsonSink& sink) {
    JsonWriter json(sink);
    ModelJson(json).Model(model);
    json.Finish();
}

std::string ModelToJson(const DictionaryModel& model) {
    std::string out;
    WriteModelJson(model, [&out](std::string_view piece) { out.append(piece); });
    return out;
}

}  // namespace dictionary
