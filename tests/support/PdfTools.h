#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Reading a PDF back with poppler's tools (pdftotext, pdffonts, pdfinfo), for
// tests that check what the program printed or exported.
namespace pdftools {

// A word of a PDF page as pdftotext -bbox finds it, in points from the page's top left.
struct PdfWord {
    QString text;
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

struct PdfText {
    QSizeF pageSize;
    QList<PdfWord> words;
};

PdfText readWords(const QString& pdf);

// What `program` printed on standard output and error, or empty when it failed.
QString output(const QString& program, const QStringList& arguments);
// How far apart two words are placed, in points.
double distance(const PdfWord& a, const PdfWord& b);
// The words of `ours` missing from, extra to or placed further than `tolerance`
// points from `reference`; empty when they agree. `worst` gets the largest distance.
QString compareWords(const QList<PdfWord>& ours, const QList<PdfWord>& reference, double tolerance, double* worst);
// The lines of pdffonts for fonts not embedded; `fonts` gets the number of fonts.
QStringList unembeddedFonts(const QString& pdf, int* fonts);
// One field of pdfinfo ("Pages", "Title", ...), empty when absent.
QString pdfInfo(const QString& pdf, const QString& field);

}  // namespace pdftools
