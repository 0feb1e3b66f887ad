// "Экспорт в Word" on a desktop without the word processor's automation: the report goes to the
// clipboard as rich text (its picture named by its full path, so a word processor pasting it finds
// the file), and into a new OpenDocument text that the desktop's word processor opens.
#pragma once

#include <QString>
#include <filesystem>

class QTextDocument;

namespace balka {

void CopyReportToClipboard(const QTextDocument& report);

// The report with its tables and picture as an OpenDocument text, written whole or not at all.
// Throws FileError (a Russian text naming the file) when it cannot be written.
void WriteReportOdt(const QTextDocument& report, const std::filesystem::path& file);

// Opens the document in the desktop's word processor for its type or, when the desktop names
// none, in the first of the usual word processors that is installed. False when none could be
// started.
bool OpenInWordProcessor(const QString& file);

} // namespace balka
