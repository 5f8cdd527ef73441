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
#include <vector>

#include "dictionary/fixed_string.h"
#include "dictionary/model_storage.h"
#include "dictionary/text.h"

namespace dict {

// Frees a list or an annotation object into the memory it came from.
struct ModelDelete {
    template <class Object>
    void operator()(Object* object) const noexcept {
        std::pmr::memory_resource* memory = ResourceOf(*object);
        std::destroy_at(object);
        memory->deallocate(object, sizeof(Object), alignof(Object));
    }

  private:
    template <class Row>
    static std::pmr::memory_resource* ResourceOf(const std::pmr::vector<Row>& rows) noexcept {
        return rows.get_allocator().resource();
    }
    template <class Object>
    static std::pmr::memory_resource* ResourceOf(const Object& object) noexcept {
        return object.memory;
    }
};

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

// The annotations the export places around one declaration.
struct ObjectText {
    List<TextLineQueue> LONGDESC;
    List<TextLineQueue> QUICKCODE;
    List<TextLineQueue> USEROPTION;
    List<TextLineQueue> SCREENCONTROL;
    List<TextLineQueue> REPORTCONTROL;
    Text DEFINITION;  // the declaration line, leading blanks kept, trailing blanks cut
    Text KEYWORDS;    // tokens of the "!!>" line from the second on, joined by commas
    // Where the object itself was made (see MakeObjectText).
    std::pmr::memory_resource* memory = std::pmr::new_delete_resource();
};

using ObjectTextRef = std::unique_ptr<ObjectText, ModelDelete>;

// A new empty annotation object made in `memory`.
inline ObjectTextRef MakeObjectText(
    std::pmr::memory_resource* memory = std::pmr::new_delete_resource()) {
    std::pmr::polymorphic_allocator<> allocator(memory);
    ObjectTextRef object(allocator.new_object<ObjectText>());
    object->memory = memory;
    return object;
}

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

}  // namespace dict
