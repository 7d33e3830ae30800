#include "TranslationTable.h"

#include <array>

namespace orvo::workbench {

namespace {

struct Entry {
    const char* key;
    const char* english;
    const char* german;
};

// Some callers append a digit or "%" to a text: those texts end in a space.
constexpr std::array<Entry, 60> entries{{
    {"data", "Data", "Daten"},
    {"multiRegression", "Multi regression", "Mehrfachregression"},
    {"followUp", "Follow-up", "Verlaufskontrolle"},
    {"calibration", "Calibration", "Kalibrierung"},
    {"calculationResultTable", "Calculation results", "Berechnungsergebnisse"},
    {"noLabValues", "Not enough samples with lab values in the chosen range and grades.",
     "Im gewählten Bereich und in den gewählten Sorten gibt es nicht genug Proben mit "
     "Laborwerten."},
    {"illegalValues", "Illegal values: please check the numbers you entered.",
     "Ungültige Werte: Bitte prüfen Sie die eingegebenen Zahlen."},
    {"correlation", "Correlation", "Korrelation"},
    {"measurement", "Measurement", "Messgröße"},
    {"variables", "Variables", "Variablen"},
    {"calculationFormulas", "Calculation formulas", "Berechnungsformeln"},
    {"startPoint", "Start point", "Startpunkt"},
    {"endPoint", "End point", "Endpunkt"},
    {"stdErr", "Std. error", "Standardfehler"},
    {"grade", "Grade ", "Sorte "},
    {"calculate", "Calculate", "Berechnen"},
    {"results", "Results", "Ergebnisse"},
    {"previous", "Previous", "Zurück"},
    {"next", "Next", "Weiter"},
    {"enablePoint", "Enable point", "Punkt aktivieren"},
    {"disablePoint", "Disable point", "Punkt deaktivieren"},
    {"laboratoryMeasurement", "Laboratory measurement", "Labormessung"},
    {"estimatedValue", "Estimated value", "Schätzwert"},
    {"date", "Date", "Datum"},
    {"time", "Time", "Uhrzeit"},
    {"floc", "Floc", "Flockung"},
    {"temp", "Temp.", "Temp."},
    {"labCons", "Lab Cons", "Labor-Konsistenz"},
    {"labAsh", "Lab Ash", "Labor-Asche"},
    {"labRes", "Lab Res ", "Labor-Res. "},
    {"line", "Line", "Linie"},
    {"cons", "Cons", "Konsistenz"},
    {"ash", "Ash", "Asche"},
    {"calibrationFormula", "Calibration formula", "Kalibrierformel"},
    {"calculationFormula", "Calculation formula", "Berechnungsformel"},
    {"formula", "Formula", "Formel"},
    {"measurementNum", "Sample no.", "Proben-Nr."},
    {"labValue", "Lab value", "Laborwert"},
    {"estValue", "Estimated value", "Schätzwert"},
    {"difference", "Difference ", "Differenz "},
    {"showDisabledPoints", "Show disabled points", "Deaktivierte Punkte anzeigen"},
    {"calibrationTable", "Calibration table", "Kalibriertabelle"},
    {"save", "Save changes", "Änderungen speichern"},
    {"update", "Update data", "Daten abrufen"},
    {"import", "Import", "Importieren"},
    {"export", "Export", "Exportieren"},
    {"clearLabs", "Clear table", "Tabelle leeren"},
    {"areyousureclearlabs",
     "Clear the table? All samples are removed from the table and from the working data file.",
     "Tabelle wirklich leeren? Alle Proben werden aus der Tabelle und aus der Arbeitsdatei "
     "entfernt."},
    {"allFiles", "All files", "Alle Dateien"},
    {"calibrationFile", "Calibration data file", "Kalibrierdatei"},
    {"formulaFile", "Formula file", "Formeldatei"},
    {"sourceFile", "Open file", "Datei öffnen"},
    {"destinationFile", "Save file as", "Datei speichern unter"},
    {"noValidData", "The file holds no valid data.", "Die Datei enthält keine gültigen Daten."},
    {"read", "Read", "Lesen"},
    {"write", "Write", "Schreiben"},
    {"ok", "OK", "OK"},
    {"cancel", "Cancel", "Abbrechen"},
    {"onlyFiveCoefficientsAllowed", "At most five coefficients may be non-zero.",
     "Höchstens fünf Koeffizienten dürfen ungleich null sein."},
    {"readnotpossiblewithbothgrades",
     "A formula can be read for one grade only: choose grade 1 or 2.",
     "Eine Formel kann nur für eine Sorte gelesen werden: Wählen Sie Sorte 1 oder 2."},
}};

struct AppEntry {
    const char* english;
    const char* german;
};

constexpr std::array<AppEntry, static_cast<std::size_t>(AppText::Count)> appEntries{{
    {"&File", "&Datei"},
    {"&Open...", "Ö&ffnen..."},
    {"&Quit", "&Beenden"},
    {"&Device", "&Gerät"},
    {"&Online", "&Online"},
    {"&Help", "&Hilfe"},
    {"&About", "Ü&ber"},
    {"Calibration workbench %1\n\nFits calibration formulas for the online measuring "
     "instrument from laboratory samples. This stand-alone workbench simulates the device: it "
     "records a new sample every three hours and keeps the formulas written to it.",
     "Kalibrier-Werkbank %1\n\nErmittelt aus Laborproben Kalibrierformeln für das "
     "Online-Messgerät. Diese eigenständige Werkbank simuliert das Gerät: Sie zeichnet alle drei "
     "Stunden eine neue Probe auf und speichert die geschriebenen Formeln."},
    {"The device is offline.", "Das Gerät ist offline."},
    {"Device online", "Gerät online"},
    {"Device offline", "Gerät offline"},
    {"The calibration table holds changes that are not saved. Discard them?",
     "Die Kalibriertabelle enthält nicht gespeicherte Änderungen. Verwerfen?"},
    {"%1 could not be read completely: %2\nThe samples read before the fault are shown.",
     "%1 konnte nicht vollständig gelesen werden: %2\nDie bis zum Fehler gelesenen Proben werden "
     "angezeigt."},
}};

const Entry* find(const QString& key) {
    for (const Entry& entry : entries)
        if (key == QLatin1String(entry.key))
            return &entry;
    return nullptr;
}

} // namespace

std::optional<Language> TranslationTable::languageNamed(const QString& name) {
    if (name == QLatin1String("en"))
        return Language::English;
    if (name == QLatin1String("de"))
        return Language::German;
    return std::nullopt;
}

Language TranslationTable::languageOf(const QLocale& locale) {
    return locale.language() == QLocale::German ? Language::German : Language::English;
}

QString TranslationTable::text(const QString& key) const {
    const Entry* entry = find(key);
    if (!entry)
        return key;
    return QString::fromUtf8(m_language == Language::German ? entry->german : entry->english);
}

bool TranslationTable::covers(const QString& key) {
    const Entry* entry = find(key);
    return entry && *entry->english && *entry->german;
}

QString TranslationTable::appText(AppText id) const {
    const AppEntry& entry = appEntries[static_cast<std::size_t>(id)];
    return QString::fromUtf8(m_language == Language::German ? entry.german : entry.english);
}

int TranslationTable::keyCount() {
    return static_cast<int>(entries.size());
}

} // namespace orvo::workbench
