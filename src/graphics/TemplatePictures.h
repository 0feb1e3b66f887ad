// The pictures of the template dialog, 411 x 75: a beam of one to five spans, with a
// cantilever at either end or not, under a uniform load on the whole beam, each span and
// cantilever named below it ("L1" ... "L5", "Lк").
#pragma once

#include "graphics/Canvas.h"

#include <cstdint>

namespace balka {

enum class Cantilever { None, Present };

struct TemplateScheme {
    int32_t SpanCount = 1; // 1 to 5
    Cantilever Left = Cantilever::None;
    Cantilever Right = Cantilever::None;
};

void DrawTemplatePicture(Canvas& target, const TemplateScheme& scheme);

} // namespace balka
