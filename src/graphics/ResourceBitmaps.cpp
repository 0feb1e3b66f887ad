// The names of the pictures and their sizes; the template names spell the scheme: "K" for a
// left cantilever, "L" and the number of spans, "K" for a right cantilever.
#include "graphics/ResourceBitmaps.h"

#include "graphics/EmblemPictures.h"
#include "graphics/LoadPictures.h"
#include "graphics/TemplatePictures.h"

#include <utility>

namespace balka {
namespace {

constexpr TextExtent LoadPictureSize{193, 65};
constexpr TextExtent HolePictureSize{193, 100};
constexpr TextExtent TemplatePictureSize{411, 75};
constexpr TextExtent LogoSize{225, 77};
constexpr TextExtent IconSize{48, 48};

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
    } else {
        return false;
    }
    return true;
}

} // namespace balka
