#include "Caught.h"
#include "DemoData.h"
#include "FormulaStore.h"
#include "ScriptedPrompts.h"
#include "SimulatedDevice.h"
#include "TestFiles.h"
#include "TranslationTable.h"
#include "WorkbenchHost.h"
#include "WorkbenchOptions.h"

#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace orvo;
using namespace orvo::workbench;
using test::contentOf;

CalibrationFormula formulaFor(int16_t measurement, int16_t grade, float a1, float b) {
    CalibrationFormula formula;
    formula.formula = measurement;
    formula.Grade = grade;
    formula.a1 = a1;
    formula.a6 = -0.25f;
    formula.b = b;
    return formula;
}

TEST(TranslationTable, HasARealTextForEveryKeyInBothLanguages) {
    EXPECT_EQ(TranslationTable::keyCount(), static_cast<int>(key::all.size()));
    const TranslationTable english(Language::English);
    const TranslationTable german(Language::German);
    for (const key::KeyUse& use : key::all) {
        const QString name = QString::fromLatin1(use.key);
        EXPECT_TRUE(TranslationTable::covers(name)) << use.key;
        EXPECT_NE(english.text(name), name) << use.key;
        EXPECT_NE(german.text(name), name) << use.key;
    }
    EXPECT_EQ(german.text(QStringLiteral("cancel")), "Abbrechen");
    EXPECT_EQ(english.text(QStringLiteral("no such key")), "no such key");
}

TEST(WorkbenchOptions, ReadsLanguageAndFileAndRefusesWhatItDoesNotKnow) {
    const auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("orvo-workbench"));
        return WorkbenchOptions::parse(arguments);
    };
    const auto german = std::get<WorkbenchOptions>(parse({"--language", "de", "a.cal"}));
    EXPECT_EQ(german.language, Language::German);
    EXPECT_EQ(german.dataFile, "a.cal");
    EXPECT_FALSE(std::get<WorkbenchOptions>(parse({})).language);
    EXPECT_EQ(std::get<WorkbenchOptions>(parse({"--screenshots", "out"})).screenshotDirectory,
              "out");
    for (const QStringList& wrong :
         {QStringList{"--language", "fr"}, QStringList{"a", "b"}, QStringList{"--colour"}}) {
        const auto usage = std::get<WorkbenchOptions::Usage>(parse(wrong));
        EXPECT_TRUE(usage.isError) << wrong.join(' ').toStdString();
        EXPECT_FALSE(usage.text.isEmpty());
    }
    EXPECT_FALSE(std::get<WorkbenchOptions::Usage>(parse({"--help"})).isError);
    EXPECT_EQ(TranslationTable::languageOf(QLocale(QLocale::German, QLocale::Austria)),
              Language::German);
    EXPECT_EQ(TranslationTable::languageOf(QLocale(QLocale::French)), Language::English);
}

class WorkbenchFiles : public testing::Test {
protected:
    QString path(const char* name) const { return QDir(directory.path()).filePath(name); }
    QTemporaryDir directory;
};

TEST_F(WorkbenchFiles, FormulasOutliveTheStoreAndNeitherABadFileNorAFailedWriteLosesOne) {
    FormulaStore written(path("formulas.json"));
    written.store(formulaFor(0, 1, 2.5f, 1.0f));
    written.store(formulaFor(1, 2, -3.0f, 12.0f));
    written.store(formulaFor(0, 1, 4.0f, 0.5f));

    FormulaStore reread(path("formulas.json"));
    reread.load();
    ASSERT_TRUE(reread.formula(0, 1));
    EXPECT_EQ(reread.formula(0, 1)->a1, 4.0f);
    EXPECT_EQ(reread.formula(0, 1)->a6, -0.25f);
    EXPECT_EQ(reread.formula(1, 2)->b, 12.0f);
    EXPECT_FALSE(reread.formula(1, 1));

    test::writeFile(path("formulas.json"), "[{\"formula\": 0");
    EXPECT_TRUE(test::caught([&] { reread.load(); }).second.contains("formulas.json.unreadable"));
    EXPECT_EQ(contentOf(path("formulas.json.unreadable")), "[{\"formula\": 0");
    EXPECT_FALSE(reread.formula(0, 1));

    ASSERT_TRUE(QDir().mkpath(path("blocked.json")));
    FormulaStore blocked(path("blocked.json"));
    EXPECT_THROW(blocked.store(formulaFor(0, 1, 1.0f, 0.0f)), CalibrationError);
    EXPECT_FALSE(blocked.formula(0, 1));
}

TEST_F(WorkbenchFiles, TheDemoCopyIsMadeOnceAndKeepsTheUsersEdits) {
    const QString copy = demoDataCopy(path("data"));
    MeasurementData data;
    data.ReadFile(copy);
    EXPECT_EQ(data.pointCount(), 200);
    const QByteArray edited = contentOf(copy) + "\n";
    test::writeFile(copy, edited);
    EXPECT_EQ(demoDataCopy(path("data")), copy);
    EXPECT_EQ(contentOf(copy), edited);
}

TEST(SimulatedDevice, DeliversTheSameRecentSamplesWheneverAsked) {
    FormulaStore formulas(QStringLiteral("unused"));
    const SimulatedDevice device(formulas);
    const double now = 45500.3;
    const double interval = SimulatedDevice::RecordingInterval;
    const auto all = device.samplesAfter(45000.0, now);
    ASSERT_EQ(all.size(), static_cast<std::size_t>(SimulatedDevice::MaximumDelivery));
    const auto again = device.samplesAfter(45000.0, now);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_LE(all[i]->MeasurementDate, now);
        EXPECT_EQ(all[i]->SIG1, again[i]->SIG1);
        EXPECT_EQ(all[i]->LabCons, 0.0) << "lab values come from the laboratory";
        EXPECT_TRUE(all[i]->enabled);
        if (i > 0)
            EXPECT_NEAR(all[i]->MeasurementDate - all[i - 1]->MeasurementDate, interval, 1e-9);
    }
    EXPECT_GT(all.back()->MeasurementDate, now - interval);
    const auto newer = device.samplesAfter(all[7]->MeasurementDate, now);
    ASSERT_EQ(newer.size(), 2u);
    EXPECT_EQ(newer[0]->MeasurementDate, all[8]->MeasurementDate);
    EXPECT_TRUE(device.samplesAfter(now, now).empty());
}

TEST_F(WorkbenchFiles, TheHostAnswersThroughPromptsAndTheDeviceOnlyWhileOnline) {
    test::ScriptedPrompts prompts;
    FormulaStore formulas(path("formulas.json"));
    SimulatedDevice device(formulas);
    const TranslationTable texts(Language::English);
    WorkbenchHost host(texts, device);

    host.writeFormula(formulaFor(2, 1, 1.5f, 0.0f));
    EXPECT_EQ(host.getFormula(2, 1)->a1, 1.5f);
    EXPECT_FALSE(host.getFormula(2, 2));
    EXPECT_FALSE(host.getCalibrationData(0.0).empty());

    prompts.answers = {Prompts::Answer::Cancel, Prompts::Answer::Ok};
    EXPECT_EQ(host.showDialog(1, QStringLiteral("sure?")), 2);
    EXPECT_EQ(host.showDialog(1, QStringLiteral("sure?")), 1);
    EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::OkCancel);

    host.setOnline(false);
    EXPECT_FALSE(host.getFormula(2, 1));
    EXPECT_THROW(host.getCalibrationData(0.0), CalibrationError);
    host.writeFormula(formulaFor(2, 1, 9.0f, 0.0f));
    EXPECT_EQ(prompts.messages.back().text, "The device is offline.");
    EXPECT_EQ(formulas.formula(2, 1)->a1, 1.5f);
}

} // namespace
