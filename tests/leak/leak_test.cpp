// A thousand clicks through the real handler, every block of the program heap accounted for.
// The notice is replaced by one that returns at once (silent_notice.cpp), so nothing waits.
#include <gtest/gtest.h>
#include <windows.h>

#include "launcher/config_template.h"
#include "launcher/config_writer.h"
#include "runtime/text/concat_text.h"
#include "runtime/text/heap_handle.h"
#include "runtime/text/program_directory.h"
#include "tests/leak/heap_watch.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"

namespace {

Text ReadTemplateCopy() { return ConcatText(kTemplate); }

}  // namespace

TEST(Clicks, EveryBlockHandedOutIsReleasedExactlyOnceAndConstantsNever) {
    TempDir dir;
    StoreProgramDirectory((dir / "Tallowmere.exe").c_str());
    SetTemplateReader(ReadTemplateCopy);
    HANDLE heap = HeapCreate(0, 0, 0);
    UseProgramHeap(heap);
    std::size_t allocations;
    std::size_t resizes;
    std::size_t releases;
    std::set<void*> live;
    std::vector<std::string> faults;
    {
        HeapWatch watch(heap);
        ASSERT_TRUE(watch.installed());
        for (int click = 0; click < 1000; ++click) OnSetButtonClicked();
        allocations = watch.allocations();
        resizes = watch.resizes();
        releases = watch.releases();
        live = watch.live();
        faults = watch.faults();
    }
    TakeProgramHeap();
    HeapDestroy(heap);

    // Per click: target path, two directory copies, the holder's text, the working buffer (cut
    // to size as the result) and the file contents.
    EXPECT_EQ(allocations, 6000u);
    EXPECT_EQ(resizes, 1000u);
    EXPECT_EQ(releases, allocations);
    EXPECT_TRUE(live.empty()) << live.size() << " blocks never released";
    for (const std::string& fault : faults) ADD_FAILURE() << fault;
    const std::string written = ReadFileBytes(dir / "Nadeo.ini");
    EXPECT_EQ(written.size(), 204 + 2 * dir.path().size());
}
