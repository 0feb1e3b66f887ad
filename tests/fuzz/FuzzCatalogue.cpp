// The catalogue file from its bytes: read as the catalogue window reads it at start, then its
// grid, sizes and the design dialog's lists. A catalogue that was read must come back the same
// from the text the window would write for it, or a save would change the user's catalogue.
#include "FuzzSupport.h"

#include "model/MessageSink.h"
#include "refdata/CatalogueEditor.h"
#include "refdata/SectionCatalogue.h"

#include <optional>

namespace {

using namespace balka;

class QuietMessages : public MessageSink {
  public:
    void ShowMessage(const std::string&) override {}
};

bool SameCatalogue(const SectionCatalogue& a, const SectionCatalogue& b) {
    return a.Widths == b.Widths && a.Heights == b.Heights && a.Marks == b.Marks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path file =
        fuzz::TheInputFolder().Write("sortament.txt", fuzz::Bytes(data, size));
    QuietMessages messages;
    CatalogueEditor editor(file, messages);
    editor.LoadCatalogue();
    (void)editor.Sizes();
    const std::vector<std::string> widths = editor.WidthTexts();
    const std::vector<std::string> heights = editor.HeightTexts();
    for (const std::string& width : widths) {
        for (const std::string& height : heights) {
            (void)editor.IsAvailable(width, height);
        }
    }
    const SectionCatalogue& read = editor.Catalogue();
    const std::optional<SectionCatalogue> again = ParseCatalogue(FormatCatalogue(read)).Catalogue;
    fuzz::Require(again && SameCatalogue(*again, read), "the written catalogue reads back");
    return fuzz::kKeepInput;
}
