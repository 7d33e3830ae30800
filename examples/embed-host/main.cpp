// A minimal host: it answers the control's translations with the keys
// themselves, shows messages on stderr and has no device. With --check it
// reads the data file given, shows the control once and prints how many
// samples the set holds.
#include <orvo/host/IDTMCommunication.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/views/OrvoCalibrationGUI.h>
#include <orvo/views/QtPrompts.h>

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

class MinimalHost : public orvo::IDTMCommunication {
public:
    std::optional<orvo::CalibrationFormula> getFormula(int16_t, int16_t) override { return {}; }
    QVariant writeFormula(const orvo::CalibrationFormula&) override { return {}; }
    std::vector<std::shared_ptr<orvo::MeasurementPoint>> getCalibrationData(double) override {
        return {};
    }
    QString getTranslation(const QString& key) override { return key; }
    void showErrorMessage(const QString& message) override {
        QTextStream(stderr) << message << '\n';
    }
    int16_t showDialog(int16_t, const QString& message) override {
        QTextStream(stderr) << message << '\n';
        return 1;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool check = arguments.contains(QStringLiteral("--check"));
    const QString file = arguments.size() > 1 ? arguments.last() : QString();

    orvo::QtPrompts prompts;
    orvo::Prompts::install(&prompts);
    MinimalHost host;
    orvo::OrvoCalibrationGUI control;
    control.setCommunication(&host);
    if (!file.startsWith(QLatin1String("--")))
        control.setDataFile(file);
    control.setOnlineMode(false);
    control.translate();
    control.resize(1000, 700);
    control.show();

    if (!check)
        return app.exec();
    app.processEvents();
    orvo::MeasurementData data;
    data.ReadFile(control.FileName());
    QTextStream(stdout) << "samples: " << data.pointCount() << '\n';
    return control.isVisible() && data.pointCount() > 0 ? 0 : 1;
}
