// What a translator can get wrong in a catalogue and lupdate does not see: a
// placeholder lost or added (the message would then show "%2" or drop a
// number), an accelerator dropped, a translation left empty.

#include <map>
#include <set>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Entry {
    QString context;
    QString source;
    QStringList translations; // one, or the plural forms
};

std::vector<Entry> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    QString context;
    bool numerus = false;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            entries.push_back({context, {}, {}});
        } else if (name == u"source" && !entries.empty()) {
            entries.back().source = xml.readElementText();
        } else if (name == u"translation" && !entries.empty() && !numerus) {
            entries.back().translations << xml.readElementText();
        } else if (name == u"numerusform" && !entries.empty()) {
            entries.back().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

std::multiset<QString> Placeholders(const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9n]"));
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

bool HasAccelerator(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("&[^&\\s]")));
}

QStringList Catalogues() {
    const QDir folder(QStringLiteral(VW_TRANSLATIONS_DIR));
    QStringList paths;
    for (const QString& name : folder.entryList({QStringLiteral("vaporwright_*.ts")}))
        paths << folder.filePath(name);
    return paths;
}

TEST(Catalogues, ThereIsOneForEveryLanguageButEnglish) {
    EXPECT_EQ(Catalogues().size(), 4);
}

TEST(Catalogues, EveryTranslationKeepsItsPlaceholdersAndAccelerator) {
    for (const QString& path : Catalogues()) {
        const std::vector<Entry> entries = ReadCatalogue(path);
        EXPECT_GT(entries.size(), 100u);
        for (const Entry& entry : entries) {
            const std::string where = QDir(path).dirName().toStdString() + ": " +
                                      entry.context.toStdString() + ": " +
                                      entry.source.toStdString();
            ASSERT_FALSE(entry.translations.isEmpty()) << where;
            for (const QString& translation : entry.translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(entry.source))
                    << where << " -> " << translation.toStdString();
                EXPECT_EQ(HasAccelerator(translation), HasAccelerator(entry.source))
                    << where << " -> " << translation.toStdString();
            }
        }
    }
}

} // namespace
