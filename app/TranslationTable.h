#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace orvo::workbench {

enum class Language { English, German };

// The workbench's own texts around the control: menus and its messages.
enum class AppText {
    FileMenu,
    Open,
    Quit,
    DeviceMenu,
    Online,
    HelpMenu,
    About,
    AboutText,
    DeviceOffline,
    DeviceIsOnline,
    DeviceIsOffline,
    UnsavedChanges,
    FileNotRead,
    Count
};

// The workbench's texts for every translation key, in English and German.
class TranslationTable {
public:
    explicit TranslationTable(Language language) : m_language(language) {}

    // "en" or "de"; nothing for any other name.
    static std::optional<Language> languageNamed(const QString& name);
    // German for a German-speaking locale, English otherwise.
    static Language languageOf(const QLocale& locale);

    Language language() const { return m_language; }
    // The text of a key; an unknown key is returned as it stands, so a
    // missing entry shows rather than hides.
    QString text(const QString& key) const;
    // Whether both languages have a text for the key.
    static bool covers(const QString& key);
    QString appText(AppText id) const;
    static int keyCount();

private:
    Language m_language;
};

} // namespace orvo::workbench
