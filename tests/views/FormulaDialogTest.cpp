#include "ChildWidget.h"
#include "FakeHost.h"
#include "LocaleScope.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"

#include <orvo/views/FormFormulaEditor.h>
#include <orvo/views/UCFormulaEditor.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace orvo;

CalibrationFormula sampleFormula(int terms, int16_t grade = 1) {
    CalibrationFormula formula;
    formula.formula = 2;
    formula.Grade = grade;
    for (int k = 1; k <= terms; ++k)
        formula.setCoefficient(k, 0.5f * static_cast<float>(k));
    formula.b = -1.25f;
    return formula;
}

QString described(const CalibrationFormula& f) {
    return f.GetFormulaString() + QStringLiteral(" grade %1").arg(f.Grade);
}

class FormulaDialogTest : public testing::Test {
protected:
    void SetUp() override { open(host, sampleFormula(2)); }

    void open(IDTMCommunication& link, const CalibrationFormula& formula) {
        dialog = std::make_unique<FormFormulaEditor>();
        dialog->setCommunication(&link);
        dialog->SetFormula(formula);
        dialog->setOnlineMode(true);
        dialog->translate(link);
    }
    template <typename T = QPushButton> T* child(const char* name) {
        return orvo::test::childOf<T>(*dialog, name);
    }
    void click(const char* name) { child(name)->click(); }
    void type(const char* box, const char* text) { child<QLineEdit>(box)->setText(text); }
    QString editorShows() {
        return described(*child<UCFormulaEditor>("UCFormulaEditor1")->getFormula());
    }

    test::FakeHost host;
    test::ScriptedPrompts prompts;
    std::unique_ptr<FormFormulaEditor> dialog;
    QTemporaryDir dir;
};

TEST(UCFormulaEditor, ShowsAFormulaAndGivesItBackAtSevenDigits) {
    test::LocaleScope comma(test::commaLocale());
    UCFormulaEditor editor;
    EXPECT_EQ(std::pair(editor.getFormula()->formula, editor.getFormula()->Grade),
              std::pair(int16_t(-1), int16_t(0)));
    CalibrationFormula formula = sampleFormula(0, 3);
    formula.a1 = 1.23456789f;
    formula.a7 = -3.5e-7f;
    editor.SetFormula(formula);
    EXPECT_EQ(editor.findChild<QLineEdit*>("TextA1")->text(), "1,234568");
    const CalibrationFormula back = *editor.getFormula();
    EXPECT_EQ(std::tuple(back.formula, back.Grade, back.a1, back.a7, back.b),
              std::tuple(int16_t(2), int16_t(3), 1.234568f, -3.5e-7f, -1.25f));
    editor.findChild<QLineEdit*>("TextB")->clear();
    EXPECT_FALSE(editor.getFormula());
}

TEST_F(FormulaDialogTest, UnreadableOrSixTermFormulasAreRefusedByOkWriteAndExport) {
    open(host, sampleFormula(5));
    for (const auto& [box, text, before] : {std::tuple("TextA4", "x", "2"), {"TextA9", "1", "0"}}) {
        type(box, text);
        for (const char* command : {"CommandOK", "CommandWrite", "ExportButton"})
            click(command);
        type(box, before);
    }
    EXPECT_EQ(host.errorMessages,
              QStringList({"illegalValues", "illegalValues", "illegalValues",
                           "onlyFiveCoefficientsAllowed", "onlyFiveCoefficientsAllowed",
                           "onlyFiveCoefficientsAllowed"}));
    EXPECT_FALSE(dialog->formulaAccepted());
    EXPECT_TRUE(host.writtenFormulas.empty() && prompts.fileDialogs.empty());
}

TEST_F(FormulaDialogTest, BothGradesAreWrittenInTurnAndNeverReadAndOfflineNeitherIsOffered) {
    child<QComboBox>("ComboGrade")->setCurrentIndex(2);
    click("CommandWrite");
    click("CommandRead");
    EXPECT_EQ(host.callsWithoutTranslations(),
              QStringList({"writeFormula(2,1)", "writeFormula(2,2)",
                           "showErrorMessage(readnotpossiblewithbothgrades)"}));

    dialog->setOnlineMode(false);
    for (const char* name : {"CommandRead", "CommandWrite"})
        EXPECT_FALSE(child(name)->isEnabled()) << name;
    for (const char* name : {"ImportButton", "ExportButton", "CommandOK", "CommandCancel"})
        EXPECT_TRUE(child(name)->isEnabled()) << name;
}

TEST_F(FormulaDialogTest, ReadShowsTheDevicesFormulaAndOnlyOkTakesWhatTheBoxesHold) {
    host.formulasToRead = {std::nullopt, sampleFormula(4, 2)};
    type("TextA1", "?");
    click("CommandRead");
    EXPECT_EQ(host.callsWithoutTranslations(), QStringList({"getFormula(1,1)"}));
    child<QComboBox>("ComboGrade")->setCurrentIndex(1);
    type("TextA1", "0");
    click("CommandRead");
    EXPECT_EQ(host.callsWithoutTranslations().last(), "getFormula(2,2)");
    EXPECT_EQ(editorShows(), described(sampleFormula(4, 2)));
    type("TextA3", "4");
    click("CommandCancel");
    EXPECT_FALSE(dialog->formulaAccepted());
    EXPECT_EQ(described(dialog->getFormula()), described(sampleFormula(2)));

    open(host, sampleFormula(5));
    type("TextB", "7");
    click("CommandOK");
    EXPECT_TRUE(dialog->formulaAccepted());
    EXPECT_EQ(dialog->getFormula().b, 7.0f);
}

TEST_F(FormulaDialogTest, ImportShowsOnlyValidFilesOfAtMostFiveTerms) {
    const QString header = QStringLiteral("Measurement\tGrade\tDLed\tALed\tSLed\tALaser\tSLaser\t"
                                          "DpLed\tS7\tS8\tS9\tS10\t(offset)\r\n");
    for (const QString& text : {header, header + "Ash\t2\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n",
                                header + "Ash\t2\t1\t1\t1\t1\t1\t1\t0\t0\t0\t0\t0\r\n",
                                header + "Ash\t1&2\t0\t0\t3\t0\t0\t0\t0\t0\t0\t0\t0.5\r\n"}) {
        test::writeFile(dir.filePath("f.par"), text.toLatin1());
        prompts.fileNames.push_back(dir.filePath("f.par"));
        click("ImportButton");
    }
    EXPECT_EQ(host.errorMessages,
              QStringList({"noValidData", "noValidData", "onlyFiveCoefficientsAllowed"}));
    EXPECT_EQ(editorShows(), "Ash = 3 * SLed  + 0.5 grade 3");
    EXPECT_EQ(prompts.fileDialogs[0].filter, "allFiles (*.*);;formulaFile (*.par)");
    EXPECT_EQ(prompts.fileDialogs[0].selectedFilter, "formulaFile (*.par)");
    EXPECT_EQ(described(dialog->getFormula()), described(sampleFormula(2)));
}

TEST_F(FormulaDialogTest, ExportWritesAFileThatReadsBackAndSaysWhenItCannot) {
    prompts.fileNames = {dir.filePath("out.par"), dir.filePath("missing/out.par")};
    click("ExportButton");
    click("ExportButton");
    CalibrationFormula back;
    EXPECT_TRUE(back.ReadFile(dir.filePath("out.par")));
    EXPECT_EQ(described(back), described(sampleFormula(2)));
    ASSERT_EQ(host.errorMessages.size(), 1);
    EXPECT_TRUE(host.errorMessages[0].startsWith("Error 75:"));
}

} // namespace
