#pragma once

#include <QLocale>

namespace orvo::test {

// Makes a locale the default for the lifetime of the scope.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    explicit LocaleScope(const char* name) : LocaleScope(QLocale(QString::fromLatin1(name))) {}
    ~LocaleScope() { QLocale::setDefault(m_previous); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale m_previous;
};

// A decimal-comma locale with "." grouping, and a decimal-point one.
inline QLocale commaLocale() {
    return QLocale(QLocale::German, QLocale::Germany);
}
inline QLocale pointLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace orvo::test
