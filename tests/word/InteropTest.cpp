// The saved planner in the hands of two independent readers: python-docx
// reads its rows, cells, spans, fills and texts; LibreOffice converts it and
// the converted document still shows the table. Skipped only where the
// readers are not installed.
#include "PlannerRun.h"
#include "LibreOffice.h"
#include "WordTestSupport.h"

#include "word/Word.h"
#include "word/model/PageSetup.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace word;

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");
const QString DumpScript = QStringLiteral(DORVANE_WORD_TEST_DIR "/docx_dump.py");
constexpr int ConversionTimeoutMs = 300000;

// What python-docx reads; sets `skip` when python-docx is not there.
QJsonObject readWithPythonDocx(const QString& path, bool& skip)
{
    skip = false;
    if (!QFile::exists(Python)) {
        skip = true;
        return {};
    }
    QProcess process;
    process.start(Python, {DumpScript, path});
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "python-docx did not finish";
        return {};
    }
    if (process.exitCode() == 3) {
        skip = true;
        return {};
    }
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(process.readAllStandardOutput(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return json.object();
}

// Texts typed as a user might: markup, control characters, very long texts,
// right-to-left scripts, emoji with joiners and modifiers, outer blanks.
QStringList badInputs()
{
    return {
        QStringLiteral("<w:t>&amp; </w:t><![CDATA[x]]> \"quoted\" 'single' & < >"),
        QString::fromUtf8("ctrl\x01\x02\x03\x08\x0C\x1B\x1F" "chars\x7F"),
        QString(10000, QLatin1Char('L')).replace(4000, 5, QStringLiteral(" mid ")),
        QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD8\xB9\xD8\xA7\xD9\x84\xD9\x85 mixed \xD7\x90\xD7\x91 123"),
        QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7 \xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"),
        QStringLiteral("   blanks around   "),
        QStringLiteral("tab\tinside"),
    };
}

// What the readers give back: the text as typed, control characters but the tab left out.
QString readable(const QString& typed)
{
    QString kept;
    for (const QChar c : typed) {
        if (c == QLatin1Char('\t') || c.unicode() >= 0x20)
            kept += c;
    }
    return kept;
}

class InteropTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString save(const week::Week& week, const QString& name)
    {
        const QString path = folder.filePath(name);
        EXPECT_EQ(plannertest::keepPlanner(week, path), QString());
        return path;
    }

    // Converts with LibreOffice in a profile of this run; the converted file's path, or empty.
    QString convert(const QString& path, const QString& format)
    {
        if (!libreoffice::installed())
            return {};
        QByteArray log;
        const QString converted =
            libreoffice::convert(path, format, folder.filePath(QStringLiteral("converted")), &log, ConversionTimeoutMs);
        const QString output = QString::fromLocal8Bit(log);
        EXPECT_FALSE(converted.isEmpty()) << output.toStdString();
        EXPECT_FALSE(output.contains(QLatin1String("Error"), Qt::CaseInsensitive)) << output.toStdString();
        return converted;
    }

    static bool libreOfficeMissing() { return QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(); }

    QTemporaryDir folder;
};

QString odtParagraphTexts(const QByteArray& content)
{
    QXmlStreamReader xml(content);
    QString all;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            all += xml.text();
        else if (xml.isStartElement() && xml.qualifiedName() == u"text:s") {
            const QStringView count = xml.attributes().value(QLatin1String("text:c"));
            all += QString(count.isEmpty() ? 1 : count.toInt(), QLatin1Char(' '));
        } else if (xml.isStartElement() && xml.qualifiedName() == u"text:tab")
            all += QLatin1Char('\t');
    }
    return all;
}

TEST_F(InteropTest, PythonDocxReadsThePlannersTableAsBuilt)
{
    week::Week week = plannertest::fullWeek(QStringLiteral("March 3"));
    week.stores[3].reset();  // Thursday without a store
    plannertest::PlannerRun run;
    run.generate(week);
    const QString path = folder.filePath(QStringLiteral("kelvas41977253.doc"));
    ASSERT_EQ(run.keep(path), QString());
    ASSERT_TRUE(run.savedModel.has_value());
    bool skip = false;
    const QJsonObject read = readWithPythonDocx(path, skip);
    if (skip)
        GTEST_SKIP() << "python-docx is not installed for /usr/bin/python3";

    // The heading, the table, the paragraph after it.
    EXPECT_EQ(read["body"].toArray(), QJsonArray({"p", "tbl", "p", "sectPr"}));
    const QJsonObject heading = read["paragraphs"].toArray()[0].toObject();
    EXPECT_EQ(heading["text"].toString(), "Week of March 3");
    EXPECT_EQ(heading["alignment"].toInt(), 1);
    const QJsonObject headingRun = heading["runs"].toArray()[0].toObject();
    EXPECT_TRUE(headingRun["bold"].toBool());
    EXPECT_EQ(headingRun["font"].toString(), "Trebuchet MS");
    EXPECT_EQ(headingRun["size"].toDouble(), 11.0);

    const model::PageSetup page = model::PageSetup::forLocale();
    EXPECT_EQ(read["page"]["width"].toInt(), page.widthTwips);
    EXPECT_EQ(read["page"]["height"].toInt(), page.heightTwips);
    EXPECT_EQ(read["page"]["left"].toInt(), 1440);

    const QJsonArray tables = read["tables"].toArray();
    ASSERT_EQ(tables.size(), 1);
    const QJsonObject table = tables[0].toObject();
    EXPECT_EQ(table["style"].toString(), "Table Grid");
    EXPECT_EQ(table["grid"].toArray(), QJsonArray({1000, 3600, 400, 3600, 1000}));
    const QJsonArray rows = table["rows"].toArray();
    ASSERT_EQ(rows.size(), 36);

    const char* fills[6] = {"CCFFFF", "FA9682", "E4C9FF", "CCFFCC", "FFBDDE", "FF9900"};
    for (int block = 0; block < 3; ++block) {
        const QJsonArray headingRow = rows[12 * block].toArray();
        ASSERT_EQ(headingRow.size(), 3);
        for (int side = 0; side < 2; ++side) {
            const QJsonObject day = headingRow[2 * side].toObject();
            const int index = 2 * block + side;
            EXPECT_EQ(day["width"].toInt(), 4600);
            EXPECT_EQ(day["shd"]["fill"].toString(), fills[index]);
            EXPECT_EQ(day["shd"]["val"].toString(), "clear");
            EXPECT_EQ(day["shd"]["color"].toString(), "auto");
        }
        EXPECT_EQ(headingRow[1]["shd"]["fill"].toString(), "FFFFBD");

    }

    // Every cell reads as the generator built it: text, span, bold and size.
    const model::Table& built = *run.savedModel->table(0);
    ASSERT_EQ(built.rows.size(), 36u);
    for (int r = 0; r < 36; ++r) {
        const QJsonArray row = rows[r].toArray();
        ASSERT_EQ(size_t(row.size()), built.rows[size_t(r)].cells.size()) << r;
        for (int c = 0; c < row.size(); ++c) {
            const model::Cell& cell = built.rows[size_t(r)].cells[size_t(c)];
            EXPECT_EQ(row[c]["text"].toString(), cell.text()) << r << "," << c;
            EXPECT_EQ(row[c]["span"].toInt(), cell.gridSpan) << r << "," << c;
            const auto& runs = cell.paragraphs.front().runs;
            if (runs.empty())
                continue;
            const QJsonObject first = row[c]["paragraphs"][0]["runs"][0].toObject();
            EXPECT_EQ(first["bold"].toBool(), runs.front().format.bold) << r << "," << c;
            EXPECT_EQ(first["size"].toDouble(), runs.front().format.halfPoints / 2.0) << r << "," << c;
        }
    }
}

TEST_F(InteropTest, BadInputComesBackFromPythonDocxAsTyped)
{
    const QStringList inputs = badInputs();
    week::Week week;
    week.title = inputs.join(QLatin1String(" | "));
    for (int row = 0; row < 10; ++row)
        week.setEntry(0, row, {QStringLiteral("8"), QString::number(row), inputs.value(row % inputs.size())});
    const QString path = save(week, QStringLiteral("bad-input.doc"));
    bool skip = false;
    const QJsonObject read = readWithPythonDocx(path, skip);
    if (skip)
        GTEST_SKIP() << "python-docx is not installed for /usr/bin/python3";

    EXPECT_EQ(read["paragraphs"][0]["text"].toString(), readable(QStringLiteral("Week of ") + week.title));
    const QJsonArray rows = read["tables"][0]["rows"].toArray();
    ASSERT_EQ(rows.size(), 36);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(rows[2 + row][1]["text"].toString(), readable(inputs.value(row % inputs.size()))) << row;
}

TEST_F(InteropTest, LibreOfficeTakesBadInputWithoutComplaint)
{
    if (libreOfficeMissing())
        GTEST_SKIP() << "LibreOffice is not installed";
    const QStringList inputs = badInputs();
    week::Week week;
    week.title = inputs.join(QLatin1String(" | "));
    const QString path = save(week, QStringLiteral("bad-input-lo.doc"));
    const QString odt = convert(path, QStringLiteral("odt"));
    const std::optional<QByteArray> content = wordtest::readZipPart(odt, QStringLiteral("content.xml"));
    ASSERT_TRUE(content.has_value());
    const QString texts = odtParagraphTexts(*content);
    for (const QString& input : inputs)
        EXPECT_TRUE(texts.contains(readable(input).trimmed())) << readable(input).left(60).toStdString();
    EXPECT_EQ(content->count("<table:table-row"), 36);
}

}  // namespace
