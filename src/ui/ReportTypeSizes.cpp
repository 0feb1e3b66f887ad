// Sizes are set fragment by fragment from formats read beforehand, so calling it again with
// another size starts from the same proportions.
#include "ui/ReportTypeSizes.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>

namespace balka {

namespace {

// The HTML font sizes 1 to 7 as Qt's rich text scales them from the document's font size.
qreal HtmlSizeFactor(int adjustment) {
    constexpr std::array<qreal, 7> factors = {0.7, 0.8, 1.0, 1.2, 1.5, 2.0, 2.4};
    return factors[static_cast<size_t>(std::clamp(adjustment + 2, 0, 6))];
}

} // namespace

std::vector<FragmentFormat> FragmentsBetween(const QTextDocument& document, int from, int to) {
    std::vector<FragmentFormat> fragments;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() >= from && fragment.position() < to) {
                fragments.push_back(
                    {fragment.position(), fragment.length(), fragment.charFormat()});
            }
        }
    }
    return fragments;
}

void SetPointSize(QTextDocument& document, const std::vector<FragmentFormat>& fragments,
                  qreal pointSize, qreal documentPointSize) {
    QTextCursor cursor(&document);
    // One edit for the layout to follow, not one per fragment.
    cursor.beginEditBlock();
    for (const FragmentFormat& fragment : fragments) {
        QTextCharFormat format = fragment.Format;
        qreal size = format.hasProperty(QTextFormat::FontPointSize)
                         ? format.fontPointSize() * pointSize / documentPointSize
                         : pointSize;
        if (format.hasProperty(QTextFormat::FontSizeAdjustment)) {
            size *= HtmlSizeFactor(format.intProperty(QTextFormat::FontSizeAdjustment));
            format.clearProperty(QTextFormat::FontSizeAdjustment);
        }
        format.setFontPointSize(size);
        cursor.setPosition(fragment.Position);
        cursor.setPosition(fragment.Position + fragment.Length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    cursor.endEditBlock();
}

} // namespace balka
