#include <orvo/host/Prompts.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/views/GuardedCall.h>

#include <QCoreApplication>

namespace orvo {

namespace {

void showFailure(const QString& text) {
    Prompts::instance().messageBox(text, Prompts::Buttons::Ok, Prompts::Icon::Critical,
                                   QCoreApplication::applicationName());
}

} // namespace

void guardedCall(const std::function<void()>& work) {
    try {
        work();
    } catch (const CalibrationError& error) {
        showFailure(QStringLiteral("Error %1: %2")
                        .arg(static_cast<int>(error.number()))
                        .arg(error.description()));
    } catch (const std::exception& error) {
        showFailure(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace orvo
