// The section-size catalogue as a record, its text in sortament.txt and the changes made to it.
// Widths (rows) and heights (columns) are whole millimetres above zero; Marks holds one line per
// width with one mark per height, so Marks[j][k] is the size Widths[j] x Heights[k]. The changes
// keep every mark with its own width and height and leave both lists in ascending order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace balka {

// The characters of the file's availability lines.
enum class SizeMark : char { None = '0', Available = '1', Unavailable = '2' };

struct SectionCatalogue {
    std::vector<int32_t> Widths;
    std::vector<int32_t> Heights;
    std::vector<std::vector<SizeMark>> Marks;
};

// A catalogue read from its text, or where and why the text departs from its format.
struct CatalogueReading {
    std::optional<SectionCatalogue> Catalogue;
    // Without a catalogue: "строка 3: ..." naming the first faulty line (counted from 1).
    std::string Fault;
};

// The file's text: "N(w1,...,wN)", "M(h1,...,hM)", then N lines of M mark digits (a single "0"
// when there are no heights). No catalogue when the text does not follow it: a count that
// disagrees with its list, a size that is no whole number within the range of section widths or
// heights, a missing line or mark, a foreign mark digit. Extra lines and characters beyond the
// marks are ignored.
CatalogueReading ParseCatalogue(std::string_view text);
// Exactly 2 + N lines, each ended by CR LF; plain ASCII.
std::string FormatCatalogue(const SectionCatalogue& catalogue);

bool HasWidth(const SectionCatalogue& catalogue, int32_t width);
bool HasHeight(const SectionCatalogue& catalogue, int32_t height);
// A new width or height is not available with any size of the other list.
void InsertWidth(SectionCatalogue& catalogue, int32_t width);
void InsertHeight(SectionCatalogue& catalogue, int32_t height);
// `index` counts from 0 and must be inside its list.
void RemoveWidth(SectionCatalogue& catalogue, size_t index);
void RemoveHeight(SectionCatalogue& catalogue, size_t index);

} // namespace balka
