// A deterministic mutation run over the reader: thousands of seeded random
// damages to a valid planner package, to its zip bytes and, re-zipped, to
// its main part's XML. Each must either be read into a model that keeps the
// model's rules or be refused with DocumentError; a crash, a hang or any
// other exception fails. (The libFuzzer target FuzzReader.cpp explores the
// same ground without a fixed seed.)
#include "ReaderTestFiles.h"

#include "word/model/DocumentError.h"
#include "word/package/PackageReader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace word;

namespace {

enum class Outcome { Read, Refused };

// Reads the bytes; a model that breaks the model's rules fails the test.
Outcome readChecked(const QByteArray& bytes, const std::string& what)
{
    try {
        const model::DocumentModel document = package::readPackageData(bytes);
        const QString faults = readertest::modelFaults(document);
        EXPECT_TRUE(faults.isEmpty()) << what << ": " << faults.toStdString();
        return Outcome::Read;
    } catch (const DocumentError& error) {
        EXPECT_FALSE(error.description().isEmpty()) << what;
        return Outcome::Refused;
    }
}

class ReaderMutationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("planner.docx"));
        readertest::savePlanner(path, QStringLiteral("Mutations"));
        planner = readertest::readFile(path);
        parts = readertest::unzip(planner);
        ASSERT_FALSE(parts.empty());
    }

    QTemporaryDir folder;
    QByteArray planner;
    std::vector<package::PackagePart> parts;
};

TEST_F(ReaderMutationTest, DamagedZipBytesNeverCrashTheReader)
{
    std::mt19937 random(20261207);
    int refused = 0;
    constexpr int Rounds = 2500;
    for (int round = 0; round < Rounds; ++round) {
        QByteArray bytes = planner;
        const int kind = int(random() % 4);
        const int count = 1 + int(random() % 8);
        for (int i = 0; i < count; ++i) {
            const qsizetype at = qsizetype(random() % quint32(bytes.size()));
            switch (kind) {
            case 0: bytes[at] = char(bytes[at] ^ (1 << (random() % 8))); break;       // bit flips
            case 1: bytes[at] = char(random()); break;                                 // random bytes
            case 2: bytes.remove(at, qsizetype(random() % 64)); break;                 // holes
            default: bytes.insert(at, QByteArray(qsizetype(random() % 16), char(random()))); break;  // inserts
            }
            if (bytes.isEmpty())
                break;
        }
        if (readChecked(bytes, "zip round " + std::to_string(round)) == Outcome::Refused)
            ++refused;
    }
    // Damage almost always shows: most rounds must have been refused.
    EXPECT_GT(refused, Rounds / 2);
}

TEST_F(ReaderMutationTest, DamagedDocumentXmlNeverCrashesTheReader)
{
    const auto main = std::find_if(parts.begin(), parts.end(), [](const package::PackagePart& part) {
        return part.name == QLatin1String("word/document.xml");
    });
    ASSERT_NE(main, parts.end());
    const QByteArray xml = main->data;
    const QByteArray tokens[] = {"<", ">", "/", "\"", "=", "&", "0", "-1", "99999999999", "w:", "<w:tbl>", "</w:tr>",
                                 "<w:tc>", "<w:p>", "</w:p>", "<w:gridSpan w:val=\"63\"/>", "<w:tr>", "<![CDATA[", "<!--"};
    std::mt19937 random(7);
    int read = 0;
    constexpr int Rounds = 2500;
    for (int round = 0; round < Rounds; ++round) {
        QByteArray mutated = xml;
        const int count = 1 + int(random() % 4);
        for (int i = 0; i < count; ++i) {
            const qsizetype at = qsizetype(random() % quint32(mutated.size()));
            const qsizetype length = qsizetype(random() % 200);
            switch (random() % 4) {
            case 0: mutated.remove(at, length); break;
            case 1: mutated.insert(at, mutated.mid(qsizetype(random() % quint32(mutated.size())), length)); break;
            case 2: mutated.insert(at, tokens[random() % std::size(tokens)]); break;
            default: {
                // A number somewhere replaced by another, possibly absurd one.
                const qsizetype quote = mutated.indexOf("w:val=\"", at);
                if (quote >= 0)
                    mutated.insert(quote + 7, QByteArray::number(qint64(random()) * (random() % 3 == 0 ? -1 : 1)));
            }
            }
            if (mutated.isEmpty())
                break;
        }
        std::vector<package::PackagePart> edited = parts;
        for (package::PackagePart& part : edited) {
            if (part.name == QLatin1String("word/document.xml"))
                part.data = mutated;
        }
        if (readChecked(readertest::rezip(edited), "xml round " + std::to_string(round)) == Outcome::Read)
            ++read;
    }
    // Some damage is harmless (inside text, or in what is passed over): both outcomes must occur.
    EXPECT_GT(read, 0);
    EXPECT_LT(read, Rounds);
}

}  // namespace
