#pragma once

// The in-memory dictionary: a tree of ordered lists of fixed-layout rows.
//
// Every list is owned by the row or object that refers to it and is null
// until its first row is needed; a null list and an empty list are different
// states (consumers treat them alike, see Rows()). Texts are kept as written
// in the export, quotes included; a null Text means the value was absent.
// Rows keep the order of the export.

#include <cstdint>
#include <memory>
#include <memory_resource>
#include <span>
#include <stdexcept>
#include <vector>

#include "dictionary/fixed_string.h"
#include "dictionary/model_storage.h"
#include "dictionary/text.h"

namespace dictionary {

struct ObjectText;

// Frees a list into the memory it came from, or an annotation object (see
// ObjectText).
struct ModelDelete {
    template <class Row>
    void operator()(std::pmr::vector<Row>* rows) const noexcept {
        std::pmr::memory_resource* memory = rows->get_allocator().resource();
        std::destroy_at(rows);
        memory->deallocate(rows, sizeof *rows, alignof(std::pmr::vector<Row>));
    }
    void operator()(ObjectText* object) const noexcept;
};

using ObjectTextRef = std::unique_ptr<ObjectText, ModelDelete>;

// An owned list of rows; null until the first row is needed. Its rows live
// in the memory the list was made with: a parsed model's own (see
// ModelStorage), or the program's heap.
template <class Row>
using List = std::unique_ptr<std::pmr::vector<Row>, ModelDelete>;

// A new empty list whose rows go into `memory`.
template <class Row>
List<Row> MakeList(std::pmr::memory_resource* memory = std::pmr::new_delete_resource()) {
    std::pmr::polymorphic_allocator<> allocator(memory);
    return List<Row>(allocator.new_object<std::pmr::vector<Row>>());
}

// The rows of a list; no rows for a null list.
template <class Row>
std::span<const Row> Rows(const List<Row>& list) noexcept {
    if (!list) return {};
    return {list->data(), list->size()};
}

// The list, created empty (in `memory`) when it is null.
template <class Row>
std::pmr::vector<Row>& Ensure(List<Row>& list,
                              std::pmr::memory_resource* memory = std::pmr::new_delete_resource()) {
    if (!list) list = MakeList<Row>(memory);
    return *list;
}

using Flag = std::uint8_t;  // 1 when the attribute was present, else 0

// One line of text.
struct TextLineQueue {
    Text TEXT;
};

// The annotation sections of one declaration; each is null until its
// section header is read.
struct AnnotationSections {
    List<TextLineQueue> LONGDESC;
    List<TextLineQueue> QUICKCODE;
    List<TextLineQueue> USEROPTION;
    List<TextLineQueue> SCREENCONTROL;
    List<TextLineQueue> REPORTCONTROL;
};

// The annotations the export places around one declaration. Most
// declarations have no annotation sections: theirs are made on first use.
//
// A model has hundreds of thousands of these, so an object does not record
// the memory it was made in, only whether that was the heap. Objects and
// sections made in a model's memory are given back with the whole memory
// (or by GiveBack); those made on the heap are freed one by one.
struct ObjectText {
    ObjectText() = default;
    ObjectText(const ObjectText&) = delete;
    ObjectText& operator=(const ObjectText&) = delete;
    ~ObjectText() { FreeSections(); }

    Text DEFINITION;  // the declaration line, leading blanks kept, trailing blanks cut
    Text KEYWORDS;    // tokens of the "!!>" line from the second on, joined by commas

    // The sections; every one null when the declaration has none.
    const AnnotationSections& Sections() const noexcept {
        static const AnnotationSections none;
        const AnnotationSections* sections = SectionsMade();
        return sections != nullptr ? *sections : none;
    }
    // The sections, made when there are none yet, in `memory`: the memory
    // this object was made in.
    AnnotationSections& EnsureSections(
        std::pmr::memory_resource* memory = std::pmr::new_delete_resource()) {
        if (InModelMemory() != (memory != std::pmr::new_delete_resource()))
            throw std::invalid_argument("annotation sections made apart from their object");
        if (SectionsMade() == nullptr) {
            std::pmr::polymorphic_allocator<> allocator(memory);
            AnnotationSections* made = allocator.new_object<AnnotationSections>();
            sections_ = reinterpret_cast<std::uintptr_t>(made) | (sections_ & kInModelMemory);
        }
        return *SectionsMade();
    }
    bool InModelMemory() const noexcept { return (sections_ & kInModelMemory) != 0; }

    // Frees `object` into `memory`, the memory it was made in, for reuse.
    static void GiveBack(ObjectTextRef object, std::pmr::memory_resource* memory) noexcept;

  private:
    friend ObjectTextRef MakeObjectText(std::pmr::memory_resource* memory);

    static constexpr std::uintptr_t kInModelMemory = 1;

    AnnotationSections* SectionsMade() const noexcept {
        return reinterpret_cast<AnnotationSections*>(sections_ & ~kInModelMemory);
    }
    // Destroys the sections; frees them too when they are the heap's.
    void FreeSections() noexcept {
        AnnotationSections* sections = SectionsMade();
        if (sections == nullptr) return;
        std::destroy_at(sections);
        if (!InModelMemory())
            std::pmr::new_delete_resource()->deallocate(sections, sizeof *sections,
                                                        alignof(AnnotationSections));
        sections_ &= kInModelMemory;
    }

    // The sections' address, and kInModelMemory in its lowest bit.
    std::uintptr_t sections_ = 0;
};

// A new empty annotation object made in `memory`.
inline ObjectTextRef MakeObjectText(
    std::pmr::memory_resource* memory = std::pmr::new_delete_resource()) {
    std::pmr::polymorphic_allocator<> allocator(memory);
    ObjectTextRef object(allocator.new_object<ObjectText>());
    if (memory != std::pmr::new_delete_resource()) object->sections_ = ObjectText::kInModelMemory;
    return object;
}

inline void ModelDelete::operator()(ObjectText* object) const noexcept {
    const bool onHeap = !object->InModelMemory();
    std::destroy_at(object);
    if (onHeap)
        std::pmr::new_delete_resource()->deallocate(object, sizeof *object, alignof(ObjectText));
}

inline void ObjectText::GiveBack(ObjectTextRef object, std::pmr::memory_resource* memory) noexcept {
    if (object == nullptr) return;
    if (AnnotationSections* sections = object->SectionsMade()) {
        std::destroy_at(sections);
        memory->deallocate(sections, sizeof *sections, alignof(AnnotationSections));
        object->sections_ &= kInModelMemory;
    }
    ObjectText* raw = object.release();
    std::destroy_at(raw);
    memory->deallocate(raw, sizeof *raw, alignof(ObjectText));
}

// Listings indent a GROUP's members one step per enclosing GROUP, up to this
// many steps; deeper members line up with the deepest step, so that a
// listing's width, and what it costs, does not grow with the nesting.
inline constexpr std::size_t kMaxGroupIndent = 16;

// One field of a file, or the END row that closes a GROUP.
struct FieldQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
    Text LABEL;  // null for a group end
    Text TYPE;   // data type keyword, "GROUP", or "END"
    Text SIZE;   // type arguments joined with ","
    Text DIM;    // DIM arguments joined with ","
    Text PICTURE;
};

struct KeyQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
    Text LABEL;
    Text NAME;
    Flag DUP = 0;
    Flag NOCASE = 0;
    Flag OPT = 0;
    Flag PRIMARY = 0;
    List<TextLineQueue> FIELD;  // components, file prefix cut off
};

struct IndexQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
    Text LABEL;
    Text NAME;
    Flag NOCASE = 0;
    Flag OPT = 0;
    List<TextLineQueue> FIELD;
};

struct MemoQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
    Text LABEL;
    std::int32_t SIZE = 0;
    Text PICTURE;
};

struct BlobQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
    Text LABEL;
    std::int32_t SIZE = 0;
};

struct FileQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
    Text LABEL;
    Text DRIVER;
    Text PREFIX;
    Text NAME;
    Flag CREATE = 0;
    Flag RECLAIM = 0;
    Flag THREAD = 0;
    Flag BINDABLE = 0;
    Flag EXTERNAL = 0;
    Text OWNER;
    Flag ENCRYPT = 0;
    Flag DLL = 0;
    Flag OEM = 0;
    List<KeyQueue> KEY;
    List<IndexQueue> INDEX;
    List<MemoQueue> MEMO;
    List<BlobQueue> BLOB;
    List<FieldQueue> FIELD;  // declaration order, group ends included
    Text RECORD;             // the RECORD line, leading blanks kept, trailing blanks cut
};

struct AliasQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
    Text LABEL;
    Text PREFIX;
    Text FILE;  // label of the aliased file
};

struct FieldPairQueue {
    Text LEFT;
    Text RIGHT;
};

struct RelationQueue {
    FixedString<8> TYPE;
    Text LEFTFILE;
    Text LEFTKEY;
    List<FieldPairQueue> LEFTFIELDS;
    Text RIGHTFILE;
    Text RIGHTKEY;
    List<FieldPairQueue> RIGHTFIELDS;
    Text RIUPDATE;
    Text RIDELETE;
};

// Whether a relation's TYPE makes its left file the "one" side: "ONE:MANY"
// and the cardinality exports write, "1:MANY". Any other TYPE ("MANY:1",
// "MANY:ONE", ...) makes the left file the "many" side.
inline bool LeftSideIsOne(const RelationQueue& relation) noexcept {
    const std::string_view type = relation.TYPE.view();
    return type.starts_with('O') || type.starts_with('1');
}

struct ViewQueue {
    std::int32_t ID = 0;
    ObjectTextRef TEXT;
};

// The loaded dictionary. A new model has every text and list null.
struct DictionaryModel {
    DictionaryModel() = default;
    DictionaryModel(DictionaryModel&& other) noexcept = default;
    // The lists and objects go before the storage they may live in.
    DictionaryModel& operator=(DictionaryModel&& other) noexcept {
        if (this != &other) {
            ClearContents();
            storage = std::move(other.storage);
            VERSION = std::move(other.VERSION);
            CREATED = std::move(other.CREATED);
            MODIFIED = std::move(other.MODIFIED);
            PASSWORD = std::move(other.PASSWORD);
            DESCRIPTION = std::move(other.DESCRIPTION);
            FILE = std::move(other.FILE);
            VIEW = std::move(other.VIEW);
            ALIAS = std::move(other.ALIAS);
            RELATION = std::move(other.RELATION);
        }
        return *this;
    }
    ~DictionaryModel() { ClearContents(); }

    // Makes every text and list null; the storage is kept.
    void ClearContents() noexcept {
        VERSION.reset();
        CREATED.reset();
        MODIFIED.reset();
        PASSWORD.reset();
        DESCRIPTION.reset();
        FILE.reset();
        VIEW.reset();
        ALIAS.reset();
        RELATION.reset();
    }

    // The characters of the texts the parser made, and the memory of its
    // lists and annotation objects; freed at once with the model, after
    // every text and list.
    ModelStorage storage;
    Text VERSION;
    Text CREATED;
    Text MODIFIED;
    Text PASSWORD;
    List<TextLineQueue> DESCRIPTION;
    List<FileQueue> FILE;
    List<ViewQueue> VIEW;  // created by a views section; never holds rows
    List<AliasQueue> ALIAS;
    List<RelationQueue> RELATION;
};

}  // namespace dictionary
