#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>
#include <orvo/regression/DiagnosticsText.h>

namespace orvo::diagnosticsText {

namespace {

constexpr int kSignificantDigits = 4;

QString line(const char* caption, const QString& value) {
    return QStringLiteral("%1: %2").arg(QString::fromUtf8(caption), value);
}

} // namespace

QString number(std::optional<double> value, const QLocale& locale) {
    if (!value)
        return QStringLiteral("n/a");
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(*value, 'g', kSignificantDigits);
}

QStringList candidateCaptions() {
    return {QStringLiteral("Candidate"), QStringLiteral("n"),       QStringLiteral("p"),
            QStringLiteral("R²"),        QStringLiteral("Adj. R²"), QStringLiteral("St.Err."),
            QStringLiteral("PRESS"),     QStringLiteral("RMSECV"),  QStringLiteral("Pred. R²"),
            QStringLiteral("Cp"),        QStringLiteral("Max VIF")};
}

QStringList candidateCells(const CandidateDiagnostics& d, const QLocale& locale) {
    return {QString::number(d.row + 1),
            QString::number(d.sampleCount),
            QString::number(d.parameterCount),
            number(d.rSquared, locale),
            number(d.adjustedRSquared, locale),
            number(d.stdError, locale),
            number(d.press, locale),
            number(d.rmsecv, locale),
            number(d.predictedRSquared, locale),
            number(d.mallowsCp, locale),
            number(d.maxVif, locale)};
}

QString candidateSummary(const CandidateDiagnostics& d, const QLocale& locale) {
    return QStringList{line("RMSECV", number(d.rmsecv, locale)),
                       line("Predicted R²", number(d.predictedRSquared, locale)),
                       line("Adjusted R²", number(d.adjustedRSquared, locale)),
                       line("Cp", number(d.mallowsCp, locale)),
                       line("Largest VIF", number(d.maxVif, locale))}
        .join(QLatin1Char('\n'));
}

QString flagWords(const PointInfluence& influence) {
    QStringList words;
    if (influence.outlier)
        words << QStringLiteral("outlier");
    if (influence.highLeverage)
        words << QStringLiteral("high leverage");
    if (influence.influential)
        words << QStringLiteral("influential");
    return words.join(QStringLiteral(", "));
}

QString pointSummary(const MeasurementPoint& point, int index, double lab, double estimate,
                     const std::optional<PointInfluence>& fit, const QLocale& locale) {
    QStringList lines{
        line("Sample", QString::number(index + 1)),
        line("Date", OleDate::dateText(point.MeasurementDate, locale) + QLatin1Char(' ') +
                         OleDate::timeText(point.MeasurementDate, locale)),
        line("Lab value", number(lab, locale)), line("Estimate", number(estimate, locale))};
    if (!fit) {
        lines << line("Residual", number(lab - estimate, locale))
              << QStringLiteral("Not in the fit");
        return lines.join(QLatin1Char('\n'));
    }
    lines << line("Residual", number(fit->residual, locale))
          << line("Leverage", number(fit->leverage, locale))
          << line("Studentized residual", number(fit->studentizedResidual, locale))
          << line("Cook's distance", number(fit->cooksDistance, locale));
    if (const QString flags = flagWords(*fit); !flags.isEmpty())
        lines << line("Flagged", flags);
    return lines.join(QLatin1Char('\n'));
}

} // namespace orvo::diagnosticsText
