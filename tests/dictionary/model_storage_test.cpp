// The model's storage for its texts, and texts that borrow their characters.
#include "dictionary/model_storage.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dictionary/model_json.h"
#include "dictionary/model_memory.h"
#include "dictionary/txd_parser.h"
#include "tests/dictionary/worked_example.h"

namespace dictionary {
namespace {

const std::string kLong = "a value too long to be held inline";

TEST(TextBorrowTest, LongValuesPointAtTheirSourceShortOnesAreHeldInline) {
    const std::string shortValue = "SHORT";
    const Text borrowedShort = Text::Borrow(shortValue);
    EXPECT_EQ(borrowedShort, "SHORT");
    EXPECT_NE(borrowedShort.view().data(), shortValue.data());

    const Text borrowed = Text::Borrow(kLong);
    EXPECT_EQ(borrowed, kLong);
    EXPECT_EQ(borrowed.view().data(), kLong.data());

    // A copy owns its characters; a move keeps pointing at the source.
    const Text copy = borrowed;
    EXPECT_EQ(copy, kLong);
    EXPECT_NE(copy.view().data(), kLong.data());
    Text moved = Text::Borrow(kLong);
    const Text target = std::move(moved);
    EXPECT_EQ(target.view().data(), kLong.data());
    EXPECT_TRUE(moved.IsNull());

    // Empty stays present, not null.
    const Text empty = Text::Borrow("");
    EXPECT_FALSE(empty.IsNull());
    EXPECT_EQ(empty, "");
}

TEST(ModelStorageTest, ViewsIntoTheAdoptedExportAreKeptInPlaceOthersAreCopied) {
    ModelStorage storage;
    const std::string_view adopted = storage.Adopt("[DICTIONARY]\r\n" + kLong);
    const std::string_view inside = adopted.substr(14);
    EXPECT_EQ(storage.Keep(inside).data(), inside.data());

    const std::string outside = kLong;
    const std::string_view kept = storage.Keep(outside);
    EXPECT_EQ(kept, kLong);
    EXPECT_NE(kept.data(), outside.data());
    // The export's last bytes are inside it too.
    const std::string_view straddling(adopted.data() + adopted.size() - 3, 3);
    EXPECT_EQ(storage.Keep(straddling).data(), straddling.data());
}

TEST(ModelStorageTest, CopiesOfEverySizeKeepTheirCharacters) {
    ModelStorage storage;
    std::vector<std::pair<std::string, std::string_view>> kept;
    for (std::size_t size : {1u, 17u, 5000u, 8193u, 70000u, 64u * 1024u, 30u}) {
        for (int copy = 0; copy < 20; ++copy) {
            std::string value(size, static_cast<char>('a' + copy));
            const std::string_view view = storage.Keep(value);
            kept.emplace_back(std::move(value), view);
        }
    }
    ModelStorage moved = std::move(storage);
    for (const auto& [value, view] : kept) EXPECT_EQ(view, value);
    // The storage moved from starts again with nothing.
    EXPECT_EQ(storage.Keep(kLong), kLong);
}

// The same export parsed from a buffer the caller keeps and from one the
// model adopts gives the same model, before and after the model is moved.
TEST(ModelStorageTest, AnAdoptedExportParsesToTheSameModel) {
    const std::string json = ModelToJson(dict_test::WorkedExampleModel("ORDERS.TXD"));

    DictionaryModel copied;
    ParseAll(copied, std::string(dict_test::kWorkedExampleExport), "ORDERS.TXD");
    EXPECT_EQ(ModelToJson(copied), json);

    auto adopted = std::make_unique<DictionaryModel>();
    const std::string_view bytes =
        adopted->storage.Adopt(std::string(dict_test::kWorkedExampleExport));
    ParseAll(*adopted, bytes, "ORDERS.TXD");
    EXPECT_EQ(ModelToJson(*adopted), json);

    DictionaryModel moved = std::move(*adopted);
    adopted.reset();
    EXPECT_EQ(ModelToJson(moved), json);

    // Assigned over a parsed model, and assigned away: each model's lists go
    // before the memory they live in (the sanitizer build checks the order).
    DictionaryModel assigned;
    ParseAll(assigned, std::string(dict_test::kWorkedExampleExport), "OTHER.TXD");
    assigned = std::move(moved);
    EXPECT_EQ(ModelToJson(assigned), json);
    assigned = DictionaryModel{};
    EXPECT_EQ(ModelToJson(assigned), ModelToJson(DictionaryModel{}));
}

// Blocks given back are used again for the same size; large blocks go back
// to the heap at once; all of it goes with the memory.
TEST(ModelMemoryTest, BlocksAreReusedAndLargeOnesReturned) {
    ModelMemory memory;
    for (const std::size_t bytes :
         {std::size_t{1}, std::size_t{16}, std::size_t{24}, std::size_t{1024}}) {
        SCOPED_TRACE(bytes);
        void* first = memory.allocate(bytes, 8);
        memory.deallocate(first, bytes, 8);
        EXPECT_EQ(memory.allocate(bytes, 8), first);
    }
    const std::size_t held = memory.HeldBytes();
    void* large = memory.allocate(100000, 8);
    EXPECT_GE(memory.HeldBytes(), held + 100000);
    static_cast<char*>(large)[99999] = 'x';
    memory.deallocate(large, 100000, 8);
    EXPECT_EQ(memory.HeldBytes(), held);
    EXPECT_NE(memory.allocate(200000, 8), nullptr);  // still held: freed with the memory
    EXPECT_THROW(static_cast<void>(memory.allocate(64, 64)), std::bad_alloc);
}

// Annotation objects and their sections live where they were made: a model's
// memory takes them back for reuse, and sections cannot be made elsewhere.
TEST(ModelMemoryTest, AnnotationObjectsAndSectionsStayInTheirMemory) {
    ModelMemory memory;
    ObjectTextRef inModel = MakeObjectText(&memory);
    EXPECT_TRUE(inModel->InModelMemory());
    EXPECT_EQ(inModel->Sections().LONGDESC, nullptr);
    EXPECT_THROW(inModel->EnsureSections(), std::invalid_argument);
    Ensure(inModel->EnsureSections(&memory).LONGDESC, &memory).push_back({Text(kLong)});
    EXPECT_EQ(inModel->Sections().LONGDESC->front().TEXT, kLong);
    const void* place = inModel.get();
    ObjectText::GiveBack(std::move(inModel), &memory);
    EXPECT_EQ(MakeObjectText(&memory).get(), place);

    ObjectTextRef onHeap = MakeObjectText();
    EXPECT_FALSE(onHeap->InModelMemory());
    EXPECT_THROW(onHeap->EnsureSections(&memory), std::invalid_argument);
    onHeap->EnsureSections().QUICKCODE = MakeList<TextLineQueue>();
    EXPECT_NE(onHeap->Sections().QUICKCODE, nullptr);
}

}  // namespace
}  // namespace dictionary
