// The language of the calculator window: View > Language, and the one place
// where every text of the window is set, again at each change of language.

#include "calculator/frmMain.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "translations/Languages.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

void frmMain::retranslate() {
    captionControls();
    captionMenus();
    applyAccessibleTexts();
    showWhy();
}

void frmMain::mnuViewLanguage_Click(const QString& choice) {
    useLanguage(choice, true);
}

void frmMain::useLanguage(const QString& choice, bool remember) {
    const QString code = translations::LanguageCode(choice);
    if (remember) {
        // Stored at once, like keep-on-top's tick: a run that ends badly
        // still starts the next one in the language chosen.
        storedLanguage = code.isEmpty() ? settings::kLanguageSystem.toString() : code;
        settings::SaveSetting(settings::kLanguage, *storedLanguage);
    }
    tickLanguage(code);
    const QString spoken = translations::ChooseLanguage(code, QLocale::system().uiLanguages());
    if (spoken != translations::Spoken(*QCoreApplication::instance()))
        translations::Install(*QCoreApplication::instance(), spoken);
}

void frmMain::tickLanguage(const QString& code) {
    if (code.isEmpty()) {
        menuView.mnuViewLanguageSystem->setChecked(true);
        return;
    }
    for (QAction* item : menuView.mnuViewLanguageItem) {
        if (item->data().toString() == code)
            item->setChecked(true);
    }
}
