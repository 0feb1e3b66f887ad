// The report's type sizes made explicit. Qt's rich text sizes the report's "<font size>" text
// (the subscripts, the title) in proportion to the document's font; where a part of the report
// gets a type size of its own (a narrowed table on paper, the word processor's document, which
// knows no such proportions) every fragment is given its size in points, the proportions kept.
#pragma once

#include <QTextCharFormat>
#include <vector>

class QTextDocument;

namespace balka {

struct FragmentFormat {
    int Position = 0;
    int Length = 0;
    QTextCharFormat Format;
};

// The fragments of the text from `from` to `to` with their formats as they stand.
std::vector<FragmentFormat> FragmentsBetween(const QTextDocument& document, int from, int to);

// Gives the fragments `pointSize`, each in the proportion its original format set to the
// document's font of `documentPointSize`.
void SetPointSize(QTextDocument& document, const std::vector<FragmentFormat>& fragments,
                  qreal pointSize, qreal documentPointSize);

} // namespace balka
