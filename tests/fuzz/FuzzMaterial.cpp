// The material file from its bytes: read as the material window reads it at start, under either
// decimal separator, then every type's name and values asked for as the design asks. A value
// that does not convert ends the design with its ConversionError; anything else is a fault.
#include "FuzzSupport.h"

#include "model/ConversionError.h"
#include "model/MessageSink.h"
#include "model/Numbers.h"
#include "refdata/MaterialEditor.h"

namespace {

using namespace balka;

class QuietMessages : public MessageSink {
  public:
    void ShowMessage(const std::string&) override {}
};

void ReadUnder(char separator, const std::filesystem::path& file) {
    SetDecimalSeparator(separator);
    QuietMessages messages;
    MaterialEditor editor(file, messages);
    editor.LoadMaterials();
    for (int index = 0; index < MaterialEditor::MaterialCount; ++index) {
        (void)editor.Name(index);
        try {
            (void)editor.Values(index);
        } catch (const ConversionError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path file =
        fuzz::TheInputFolder().Write("material.txt", fuzz::Bytes(data, size));
    ReadUnder(',', file);
    ReadUnder('.', file);
    return fuzz::kKeepInput;
}
