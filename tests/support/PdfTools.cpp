#include "PdfTools.h"

#include "RunProgram.h"

#include <QRegularExpression>

#include <cmath>

namespace pdftools {

QString output(const QString& program, const QStringList& arguments)
{
    QByteArray text;
    return runProgram(program, arguments, 60000, &text) ? QString::fromUtf8(text) : QString();
}


PdfText readWords(const QString& pdf)
{
    PdfText result;
    const QString html = output("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression pageTag(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression wordTag(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = -1;
    qsizetype at = 0;
    for (;;) {
        const QRegularExpressionMatch nextPage = pageTag.match(html, at);
        const QRegularExpressionMatch nextWord = wordTag.match(html, at);
        if (!nextWord.hasMatch())
            break;
        if (nextPage.hasMatch() && nextPage.capturedStart() < nextWord.capturedStart()) {
            ++page;
            result.pageSize = QSizeF(nextPage.captured(1).toDouble(), nextPage.captured(2).toDouble());
            at = nextPage.capturedEnd();
            continue;
        }
        result.words.append({nextWord.captured(5), page, nextWord.captured(1).toDouble(), nextWord.captured(2).toDouble(),
                             nextWord.captured(3).toDouble(), nextWord.captured(4).toDouble()});
        at = nextWord.capturedEnd();
    }
    return result;
}

double distance(const PdfWord& a, const PdfWord& b)
{
    return std::max({std::abs(a.xMin - b.xMin), std::abs(a.yMin - b.yMin), std::abs(a.xMax - b.xMax),
                     std::abs(a.yMax - b.yMax)});
}

// Pairs every reference word with the nearest unpaired word of the same text
// in `ours`; returns a description of what is missing, extra or further than
// `tolerance` points off, empty when all match.
QString compareWords(const QList<PdfWord>& ours, const QList<PdfWord>& reference, double tolerance, double* worst)
{
    QStringList problems;
    QList<bool> used(ours.size(), false);
    *worst = 0;
    for (const PdfWord& word : reference) {
        qsizetype best = -1;
        for (qsizetype i = 0; i < ours.size(); ++i)
            if (!used[i] && ours[i].text == word.text && ours[i].page == word.page &&
                (best < 0 || distance(ours[i], word) < distance(ours[best], word)))
                best = i;
        if (best < 0) {
            problems << QStringLiteral("missing \"%1\"").arg(word.text);
            continue;
        }
        used[best] = true;
        const double off = distance(ours[best], word);
        *worst = std::max(*worst, off);
        if (off > tolerance)
            problems << QStringLiteral("\"%1\" %2 pt off (ours %3,%4 theirs %5,%6)")
                            .arg(word.text)
                            .arg(off, 0, 'f', 2)
                            .arg(ours[best].xMin, 0, 'f', 1)
                            .arg(ours[best].yMin, 0, 'f', 1)
                            .arg(word.xMin, 0, 'f', 1)
                            .arg(word.yMin, 0, 'f', 1);
    }
    for (qsizetype i = 0; i < ours.size(); ++i)
        if (!used[i])
            problems << QStringLiteral("extra \"%1\"").arg(ours[i].text);
    return problems.join(QStringLiteral("; "));
}

// Lines of `pdffonts`: one per font, "emb" the third column from the right.
QStringList unembeddedFonts(const QString& pdf, int* fonts)
{
    const QStringList lines = output("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QStringList missing;
    *fonts = int(lines.size());
    for (const QString& line : lines) {
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        if (columns.size() < 5 || columns[columns.size() - 5] != QLatin1String("yes"))
            missing << line;
    }
    return missing;
}

QString pdfInfo(const QString& pdf, const QString& field)
{
    static const QRegularExpression line(QStringLiteral("^([^:]+):\\s*(.*)$"), QRegularExpression::MultilineOption);
    auto matches = line.globalMatch(output("pdfinfo", {pdf}));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (match.captured(1) == field)
            return match.captured(2).trimmed();
    }
    return {};
}

}  // namespace pdftools
