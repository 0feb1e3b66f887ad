#include "refdata/SectionCatalogue.h"

#include "model/Ranges.h"
#include "refdata/TextLines.h"

#include <algorithm>
#include <numeric>

namespace balka {

namespace {

std::optional<int32_t> ParseWhole(std::string_view text) {
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

struct SizeList {
    std::vector<int32_t> Sizes;
    std::string Fault; // empty when the line is a list
};

// "N(a,b,c)" with exactly N sizes within the quantity's range.
SizeList ParseSizeList(std::string_view line, Quantity range) {
    const size_t open = line.find('(');
    if (open == std::string_view::npos || line.empty() || line.back() != ')') {
        return {{}, "нет списка размеров вида N(a,b,c)"};
    }
    const auto count = ParseWhole(line.substr(0, open));
    if (!count) {
        return {{}, "количество размеров не является целым числом"};
    }
    std::string_view items = line.substr(open + 1, line.size() - open - 2);
    SizeList list;
    while (!items.empty()) {
        const size_t comma = items.find(',');
        const std::string_view item = items.substr(0, comma);
        const auto size = ParseWhole(item);
        if (!size) {
            return {{}, "размер \"" + std::string(item) + "\" не является целым числом"};
        }
        if (!IsWithin(range, static_cast<float>(*size))) {
            return {{},
                    "размер " + std::to_string(*size) + " недопустим: " + RangeRequirement(range)};
        }
        list.Sizes.push_back(*size);
        if (comma == std::string_view::npos) {
            break;
        }
        items.remove_prefix(comma + 1);
        if (items.empty()) {
            return {{}, "после последней запятой нет размера"};
        }
    }
    if (list.Sizes.size() != static_cast<size_t>(*count)) {
        return {{},
                "количество размеров " + std::to_string(*count) + " не совпадает со списком (" +
                    std::to_string(list.Sizes.size()) + ")"};
    }
    return list;
}

CatalogueReading Fault(size_t lineIndex, const std::string& reason) {
    return {std::nullopt, "строка " + std::to_string(lineIndex + 1) + ": " + reason};
}

std::string FormatSizeList(const std::vector<int32_t>& sizes) {
    std::string line = std::to_string(sizes.size()) + "(";
    for (size_t i = 0; i < sizes.size(); ++i) {
        line += (i == 0 ? "" : ",") + std::to_string(sizes[i]);
    }
    return line + ")";
}

// Reorders the widths ascending, each carrying its line of marks.
void SortWidths(SectionCatalogue& catalogue) {
    std::vector<size_t> order(catalogue.Widths.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return catalogue.Widths[a] < catalogue.Widths[b]; });
    SectionCatalogue sorted{{}, catalogue.Heights, {}};
    for (const size_t i : order) {
        sorted.Widths.push_back(catalogue.Widths[i]);
        sorted.Marks.push_back(catalogue.Marks[i]);
    }
    catalogue = std::move(sorted);
}

// Reorders the heights ascending, each carrying its mark in every line.
void SortHeights(SectionCatalogue& catalogue) {
    std::vector<size_t> order(catalogue.Heights.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return catalogue.Heights[a] < catalogue.Heights[b];
    });
    std::vector<int32_t> heights;
    for (const size_t i : order) {
        heights.push_back(catalogue.Heights[i]);
    }
    for (std::vector<SizeMark>& line : catalogue.Marks) {
        std::vector<SizeMark> sorted;
        for (const size_t i : order) {
            sorted.push_back(line[i]);
        }
        line = std::move(sorted);
    }
    catalogue.Heights = std::move(heights);
}

} // namespace

CatalogueReading ParseCatalogue(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    const char* const missing = "строки нет";
    if (lines.empty()) {
        return Fault(0, missing);
    }
    SizeList widths = ParseSizeList(lines[0], Quantity::SectionWidth);
    if (!widths.Fault.empty()) {
        return Fault(0, widths.Fault);
    }
    if (lines.size() < 2) {
        return Fault(1, missing);
    }
    SizeList heights = ParseSizeList(lines[1], Quantity::SectionHeight);
    if (!heights.Fault.empty()) {
        return Fault(1, heights.Fault);
    }
    SectionCatalogue catalogue{std::move(widths.Sizes), std::move(heights.Sizes), {}};
    for (size_t j = 0; j < catalogue.Widths.size(); ++j) {
        if (lines.size() <= 2 + j) {
            return Fault(2 + j, missing);
        }
        const std::string& line = lines[2 + j];
        if (line.size() < catalogue.Heights.size()) {
            return Fault(2 + j, "меньше отметок, чем высот в списке");
        }
        std::vector<SizeMark> marks;
        for (size_t k = 0; k < catalogue.Heights.size(); ++k) {
            const char c = line[k];
            if (c != '0' && c != '1' && c != '2') {
                const bool printable = c >= ' ' && c <= '~';
                return Fault(2 + j, "отметка " +
                                        (printable ? "\"" + std::string(1, c) + "\" " : "") +
                                        "не 0, 1 или 2");
            }
            marks.push_back(static_cast<SizeMark>(c));
        }
        catalogue.Marks.push_back(std::move(marks));
    }
    return {std::move(catalogue), {}};
}

std::string FormatCatalogue(const SectionCatalogue& catalogue) {
    std::vector<std::string> lines = {FormatSizeList(catalogue.Widths),
                                      FormatSizeList(catalogue.Heights)};
    for (const std::vector<SizeMark>& marks : catalogue.Marks) {
        std::string line;
        for (const SizeMark mark : marks) {
            line += static_cast<char>(mark);
        }
        lines.push_back(line.empty() ? "0" : line);
    }
    return JoinLinesCrLf(lines);
}

bool HasWidth(const SectionCatalogue& catalogue, int32_t width) {
    return std::find(catalogue.Widths.begin(), catalogue.Widths.end(), width) !=
           catalogue.Widths.end();
}

bool HasHeight(const SectionCatalogue& catalogue, int32_t height) {
    return std::find(catalogue.Heights.begin(), catalogue.Heights.end(), height) !=
           catalogue.Heights.end();
}

void InsertWidth(SectionCatalogue& catalogue, int32_t width) {
    catalogue.Widths.push_back(width);
    catalogue.Marks.emplace_back(catalogue.Heights.size(), SizeMark::Unavailable);
    SortWidths(catalogue);
}

void InsertHeight(SectionCatalogue& catalogue, int32_t height) {
    catalogue.Heights.push_back(height);
    for (std::vector<SizeMark>& line : catalogue.Marks) {
        line.push_back(SizeMark::Unavailable);
    }
    SortHeights(catalogue);
}

void RemoveWidth(SectionCatalogue& catalogue, size_t index) {
    catalogue.Widths.erase(catalogue.Widths.begin() + static_cast<std::ptrdiff_t>(index));
    catalogue.Marks.erase(catalogue.Marks.begin() + static_cast<std::ptrdiff_t>(index));
}

void RemoveHeight(SectionCatalogue& catalogue, size_t index) {
    catalogue.Heights.erase(catalogue.Heights.begin() + static_cast<std::ptrdiff_t>(index));
    for (std::vector<SizeMark>& line : catalogue.Marks) {
        line.erase(line.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

} // namespace balka
