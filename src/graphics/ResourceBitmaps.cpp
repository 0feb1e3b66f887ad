// The names of the pictures and their sizes; the template names spell the scheme: "K" for a
// left cantilever, "L" and the number of spans, "K" for a right cantilever.
#include "graphics/ResourceBitmaps.h"

#include "graphics/CommandPictures.h"
#include "graphics/EmblemPictures.h"
#include "graphics/LoadPictures.h"
#include "graphics/TemplatePictures.h"

#include <array>
#include <utility>

namespace balka {
namespace {

constexpr TextExtent LoadPictureSize{193, 65};
constexpr TextExtent HolePictureSize{193, 100};
constexpr TextExtent TemplatePictureSize{411, 75};
constexpr TextExtent LogoSize{225, 77};
constexpr TextExtent IconSize{48, 48};
constexpr TextExtent CommandSize{CommandPictureSize, CommandPictureSize};

struct NamedCommandPicture {
    const char* Name;
    CommandPicture Picture;
};

constexpr std::array<NamedCommandPicture, 18> CommandPictureNames = {{
    {"CMD_NEW", CommandPicture::NewProject},
    {"CMD_OPEN", CommandPicture::Open},
    {"CMD_SAVE", CommandPicture::Save},
    {"CMD_SAVEAS", CommandPicture::SaveAs},
    {"CMD_DIAGRAMS", CommandPicture::Diagrams},
    {"CMD_REPORT", CommandPicture::Report},
    {"CMD_PREVIEW", CommandPicture::Preview},
    {"CMD_PRINT", CommandPicture::Print},
    {"CMD_PDF", CommandPicture::ExportPdf},
    {"CMD_WORD", CommandPicture::ExportWord},
    {"CMD_GEOMETRY", CommandPicture::Geometry},
    {"CMD_LOADS", CommandPicture::Loads},
    {"CMD_TEMPLATE", CommandPicture::Template},
    {"CMD_HOLES", CommandPicture::Holes},
    {"CMD_DESIGN", CommandPicture::Design},
    {"CMD_REACTIONS", CommandPicture::Reactions},
    {"CMD_CATALOGUE", CommandPicture::Catalogue},
    {"CMD_MATERIAL", CommandPicture::Material},
}};

std::optional<CommandPicture> ParseCommandPictureName(const std::string& name) {
    for (const NamedCommandPicture& named : CommandPictureNames) {
        if (name == named.Name) {
            return named.Picture;
        }
    }
    return std::nullopt;
}

std::optional<TemplateScheme> ParseTemplateName(const std::string& name) {
    std::string_view rest = name;
    TemplateScheme scheme;
    if (rest.starts_with('K')) {
        scheme.Left = Cantilever::Present;
        rest.remove_prefix(1);
    }
    if (rest.ends_with('K')) {
        scheme.Right = Cantilever::Present;
        rest.remove_suffix(1);
    }
    if (rest.size() != 2 || rest[0] != 'L' || rest[1] < '1' || rest[1] > '5') {
        return std::nullopt;
    }
    scheme.SpanCount = rest[1] - '0';
    return scheme;
}

} // namespace

std::optional<TextExtent> ResourceBitmapSize(const std::string& name) {
    if (name == "GLL" || name == "PLL" || name == "DL") {
        return LoadPictureSize;
    }
    if (name == "HOLES") {
        return HolePictureSize;
    }
    if (name == "LOGO") {
        return LogoSize;
    }
    if (name == "LVL") {
        return IconSize;
    }
    if (ParseTemplateName(name)) {
        return TemplatePictureSize;
    }
    if (ParseCommandPictureName(name)) {
        return CommandSize;
    }
    return std::nullopt;
}

std::vector<std::string> ResourceBitmapNames() {
    std::vector<std::string> names = {"GLL", "PLL", "DL", "HOLES"};
    const std::pair<const char*, const char*> ends[] = {{"", ""}, {"K", ""}, {"", "K"}, {"K", "K"}};
    for (const auto& [left, right] : ends) {
        for (int spans = 1; spans <= 5; ++spans) {
            names.push_back(std::string(left) + "L" + std::to_string(spans) + right);
        }
    }
    names.insert(names.end(), {"LOGO", "LVL"});
    for (const NamedCommandPicture& named : CommandPictureNames) {
        names.emplace_back(named.Name);
    }
    return names;
}

bool DrawResourceBitmap(const std::string& name, Canvas& target) {
    if (name == "GLL") {
        DrawUniformLoadPicture(target);
    } else if (name == "PLL") {
        DrawPartLoadPicture(target);
    } else if (name == "DL") {
        DrawPointLoadPicture(target);
    } else if (name == "HOLES") {
        DrawHolePicture(target);
    } else if (name == "LOGO") {
        DrawLogoPicture(target);
    } else if (name == "LVL") {
        DrawFileIconPicture(target);
    } else if (const std::optional<TemplateScheme> scheme = ParseTemplateName(name)) {
        DrawTemplatePicture(target, *scheme);
    } else if (const std::optional<CommandPicture> command = ParseCommandPictureName(name)) {
        DrawCommandPicture(target, *command);
    } else {
        return false;
    }
    return true;
}

} // namespace balka
