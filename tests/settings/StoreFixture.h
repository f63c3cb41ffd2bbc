#pragma once

#include "settings/SettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points the store at a fresh temporary folder and fixes the default locale to
// en_US for the test, putting the previous locale back afterwards.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(savedLocale_); }

    // Puts `bytes` in place of the store's file, as a damaged disk or an editor would.
    static void WriteRawStore(const QByteArray& bytes) {
        const QString path = settings::StoreFilePath();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray ReadRawStore() {
        QFile file(settings::StoreFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every entry in the store's folder, hidden ones included.
    static QStringList StoreFolderEntries() {
        return QFileInfo(settings::StoreFilePath())
            .dir()
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;

private:
    QLocale savedLocale_;
};
