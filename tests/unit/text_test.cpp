// The program heap's release rule, watched on a private heap.
#include <gtest/gtest.h>
#include <windows.h>

#include "launcher/config_template.h"
#include "runtime/text/concat_text.h"
#include "runtime/text/heap_handle.h"
#include "runtime/text/replace_subtext.h"
#include "runtime/text/text_to_bytes.h"

namespace {

// Makes a fresh private heap the program heap for one test, and counts its live blocks.
class PrivateHeapTest : public testing::Test {
protected:
    void SetUp() override {
        heap_ = HeapCreate(0, 0, 0);
        UseProgramHeap(heap_);
    }
    void TearDown() override {
        TakeProgramHeap();
        HeapDestroy(heap_);
    }
    int LiveBlocks() const {
        int live = 0;
        PROCESS_HEAP_ENTRY entry{};
        HeapLock(heap_);
        while (HeapWalk(heap_, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++live;
        HeapUnlock(heap_);
        return live;
    }
    HANDLE heap_ = nullptr;
};

}  // namespace

TEST_F(PrivateHeapTest, ReleasingAbsentOrConstantDataChangesNothing) {
    const int before = LiveBlocks();
    ReleaseBlock(nullptr);
    ReleaseBlock(kTemplate);
    ReleaseBlock(kPlaceholder);
    EXPECT_EQ(LiveBlocks(), before);
    EXPECT_TRUE(HeapValidate(heap_, 0, nullptr));
    EXPECT_EQ(std::string(kTemplate).size(), kTemplateLength);
}

TEST_F(PrivateHeapTest, EveryResultIsReleasedByItsOwnerAndNothingElseStays) {
    const int before = LiveBlocks();
    {
        const Text joined = ConcatText("", nullptr);
        EXPECT_FALSE(joined.absent());
        const Text replaced = ReplaceSubtext(kTemplate, kPlaceholder, "D:\\Games\\G2", {}, {}, true);
        const Bytes bytes = TextToBytes(replaced);
        EXPECT_EQ(LiveBlocks(), before + 3);  // the working buffer is gone already
    }
    EXPECT_EQ(LiveBlocks(), before);
    EXPECT_TRUE(HeapValidate(heap_, 0, nullptr));
}
