#pragma once

#include <QLocale>

// Makes `name` the default QLocale for the life of the object and puts the
// previous default back afterwards, so no test leaks its locale into another.
class ScopedDefaultLocale {
public:
    explicit ScopedDefaultLocale(const char* name) { QLocale::setDefault(QLocale(name)); }
    ~ScopedDefaultLocale() { QLocale::setDefault(saved_); }
    ScopedDefaultLocale(const ScopedDefaultLocale&) = delete;
    ScopedDefaultLocale& operator=(const ScopedDefaultLocale&) = delete;

private:
    QLocale saved_;
};
