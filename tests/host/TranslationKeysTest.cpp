#include <orvo/host/TranslationKeys.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The host's translation tables are keyed by exactly these texts; a renamed,
// lost or added key would leave a caption untranslated.
const std::set<std::string> expectedKeys = {"data",
                                            "multiRegression",
                                            "followUp",
                                            "calibration",
                                            "calculationResultTable",
                                            "noLabValues",
                                            "illegalValues",
                                            "correlation",
                                            "measurement",
                                            "variables",
                                            "calculationFormulas",
                                            "startPoint",
                                            "endPoint",
                                            "stdErr",
                                            "grade",
                                            "calculate",
                                            "results",
                                            "previous",
                                            "next",
                                            "enablePoint",
                                            "disablePoint",
                                            "laboratoryMeasurement",
                                            "estimatedValue",
                                            "date",
                                            "time",
                                            "floc",
                                            "temp",
                                            "labCons",
                                            "labAsh",
                                            "labRes",
                                            "line",
                                            "cons",
                                            "ash",
                                            "calibrationFormula",
                                            "calculationFormula",
                                            "formula",
                                            "measurementNum",
                                            "labValue",
                                            "estValue",
                                            "difference",
                                            "showDisabledPoints",
                                            "calibrationTable",
                                            "save",
                                            "update",
                                            "import",
                                            "export",
                                            "clearLabs",
                                            "areyousureclearlabs",
                                            "allFiles",
                                            "calibrationFile",
                                            "formulaFile",
                                            "sourceFile",
                                            "destinationFile",
                                            "noValidData",
                                            "read",
                                            "write",
                                            "ok",
                                            "cancel",
                                            "onlyFiveCoefficientsAllowed",
                                            "readnotpossiblewithbothgrades"};

TEST(TranslationKeys, TableHoldsExactlyTheSixtyHostKeysOnceEach) {
    std::set<std::string> seen;
    for (const auto& use : orvo::key::all) {
        EXPECT_TRUE(seen.insert(use.key).second) << "twice: " << use.key;
        EXPECT_NE(std::string(use.usedBy), "") << use.key;
    }
    EXPECT_EQ(seen, expectedKeys);
    EXPECT_EQ(orvo::key::all.size(), 60u);
}

} // namespace
