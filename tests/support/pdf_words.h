#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace testing_support {

// One word of a PDF as pdftotext -bbox places it, in inches from the page's top-left corner.
struct PdfWord {
    int page = 0;  // 1-based
    QRectF box;
    QString text;
};

// The words of every page; fails the test when pdftotext cannot read the file.
std::vector<PdfWord> pdf_words(const QString& pdf_path);
// The number of pages, from the same reading.
int pdf_page_count(const QString& pdf_path);
// What keeps a printed page from reading right, one line per fault: two word boxes of a page
// that overlap, a word within margin (inches) of the US Letter page's edge, a word that is none
// of the words of the texts printed (two texts run together, or a text cut). Empty when none.
QStringList layout_faults(const std::vector<PdfWord>& words, const QStringList& texts,
                          double margin = 0.125);
// The size of the first page, in inches.
QSizeF pdf_page_size(const QString& pdf_path);
// Renders one page to a PNG (for looking at it), 72 dpi unless given.
bool pdf_page_png(const QString& pdf_path, int page, const QString& png_path, int dpi = 72);

}  // namespace testing_support
