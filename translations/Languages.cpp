#include "translations/Languages.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

namespace {

// The names of the two translators Install puts on the application, and the
// property that tells the language they speak.
constexpr char kOwnCatalogue[] = "vaporwright-catalogue";
constexpr char kQtCatalogue[] = "qt-catalogue";
constexpr char kCodeProperty[] = "languageCode";

QTranslator* installed(const QCoreApplication& app, const char* name) {
    return app.findChild<QTranslator*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void remove(QCoreApplication& app, const char* name) {
    if (QTranslator* translator = installed(app, name)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

QString LanguageCode(QStringView name) {
    // "es_ES.UTF-8@euro": the encoding and the modifier say nothing of the
    // language.
    const qsizetype end = name.indexOf(QLatin1Char('.'));
    QStringView tag = end < 0 ? name : name.left(end);
    if (const qsizetype at = tag.indexOf(QLatin1Char('@')); at >= 0)
        tag = tag.left(at);
    const QString normal = tag.toString().replace(QLatin1Char('-'), QLatin1Char('_'));
    const QStringList parts = normal.split(QLatin1Char('_'));
    const QString language = parts.constFirst().toLower();
    if (language == u"zh") {
        // Traditional script (Taiwan, Hong Kong, Macao) is no language of ours.
        bool traditional = false;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QString part = parts[i].toLower();
            if (part == u"hans")
                return QStringLiteral("zh_CN");
            if (part == u"hant" || part == u"tw" || part == u"hk" || part == u"mo")
                traditional = true;
        }
        return traditional ? QString() : QStringLiteral("zh_CN");
    }
    for (const Language& known : kLanguages) {
        if (known.code == language)
            return language;
    }
    return {};
}

bool FollowsSystem(QStringView choice) {
    const QStringView trimmed = choice.trimmed();
    return trimmed.isEmpty() || trimmed.compare(u"System", Qt::CaseInsensitive) == 0;
}

QString ChooseLanguage(QStringView choice, const QStringList& uiLanguages) {
    if (const QString code = LanguageCode(choice.trimmed()); !code.isEmpty())
        return code;
    for (const QString& name : uiLanguages) {
        if (const QString code = LanguageCode(name); !code.isEmpty())
            return code;
    }
    return kEnglish.toString();
}

QString CatalogueResource(QStringView code) {
    return QStringLiteral(":/i18n/vaporwright_%1.qm").arg(code);
}

bool Install(QCoreApplication& app, const QString& code) {
    if (code == kEnglish) {
        remove(app, kOwnCatalogue);
        remove(app, kQtCatalogue);
        return true;
    }
    auto own = std::make_unique<QTranslator>(&app);
    if (LanguageCode(code) != code || !own->load(CatalogueResource(code)))
        return false;
    auto qt = std::make_unique<QTranslator>(&app);
    if (!qt->load(QStringLiteral("qtbase_") + code,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt.reset();

    remove(app, kOwnCatalogue);
    remove(app, kQtCatalogue);
    own->setObjectName(QLatin1String(kOwnCatalogue));
    own->setProperty(kCodeProperty, code);
    QCoreApplication::installTranslator(own.release());
    if (qt) {
        qt->setObjectName(QLatin1String(kQtCatalogue));
        QCoreApplication::installTranslator(qt.release());
    }
    return true;
}

QString Spoken(const QCoreApplication& app) {
    const QTranslator* own = installed(app, kOwnCatalogue);
    return own != nullptr ? own->property(kCodeProperty).toString() : kEnglish.toString();
}

} // namespace translations
