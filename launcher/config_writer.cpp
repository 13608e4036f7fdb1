// OnSetButtonClicked: builds the target path, fills in the template and writes the file whole.
#include "launcher/config_writer.h"

#include <windows.h>

#include "launcher/config_template.h"
#include "launcher/texts.h"
#include "runtime/system/files.h"
#include "runtime/system/notice.h"
#include "runtime/text/concat_text.h"
#include "runtime/text/program_directory.h"
#include "runtime/text/replace_subtext.h"
#include "runtime/text/text_to_bytes.h"

namespace {

TemplateReader g_readTemplate = nullptr;

// The file's contents: the holder's text with every placeholder replaced by the program
// directory. One scan from left to right, so a directory that itself holds 路径 goes in unchanged.
Bytes FillInTemplate() {
    Text result;
    {
        const Text directory = GetProgramDirectory();
        const Text templateText = g_readTemplate ? g_readTemplate() : Text();
        result = ReplaceSubtext(templateText.c_str(), kPlaceholder, directory.c_str(),
                                std::nullopt, std::nullopt, true);
    }
    return TextToBytes(result);
}

}  // namespace

void SetTemplateReader(TemplateReader reader) { g_readTemplate = reader; }

void OnSetButtonClicked() {
    bool written;
    {
        const Text targetPath = ConcatText(GetProgramDirectory(), kConfigFileSuffix);
        const Bytes contents = FillInTemplate();
        written = WriteBytesToFile(targetPath.c_str(), {&contents});
    }
    // A failed write is reported as such; the file stays as the write left it.
    if (written)
        ShowNotice(kSavedNotice);
    else
        ShowNotice(kSaveFailedNotice, MB_ICONERROR);
}
