#include "FormulaStore.h"

#include <orvo/model/CalibrationError.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace orvo::workbench {

namespace {

constexpr int CoefficientCount = 10;

QString slotName(int measurement, int grade) {
    return QStringLiteral("%1/%2").arg(measurement).arg(grade);
}

QJsonObject toJson(const CalibrationFormula& formula) {
    QJsonArray coefficients;
    for (int k = 1; k <= CoefficientCount; ++k)
        coefficients.append(static_cast<double>(formula.coefficient(k)));
    return {{QStringLiteral("formula"), formula.formula},
            {QStringLiteral("Grade"), formula.Grade},
            {QStringLiteral("a"), coefficients},
            {QStringLiteral("b"), static_cast<double>(formula.b)}};
}

std::optional<CalibrationFormula> fromJson(const QJsonObject& object) {
    const QJsonArray coefficients = object.value(QStringLiteral("a")).toArray();
    if (coefficients.size() != CoefficientCount || !object.value(QStringLiteral("b")).isDouble())
        return std::nullopt;
    CalibrationFormula formula;
    formula.formula = static_cast<int16_t>(object.value(QStringLiteral("formula")).toInt(-1));
    formula.Grade = static_cast<int16_t>(object.value(QStringLiteral("Grade")).toInt(-1));
    if (formula.formula < 0 || formula.formula > 3 || formula.Grade < 1 || formula.Grade > 2)
        return std::nullopt;
    for (int k = 1; k <= CoefficientCount; ++k) {
        if (!coefficients[k - 1].isDouble())
            return std::nullopt;
        formula.setCoefficient(k, static_cast<float>(coefficients[k - 1].toDouble()));
    }
    formula.b = static_cast<float>(object.value(QStringLiteral("b")).toDouble());
    return formula;
}

} // namespace

void FormulaStore::load() {
    m_formulas.clear();
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        throw CalibrationError(ErrorNumber::FileAccess,
                               QStringLiteral("Cannot read %1: %2")
                                   .arg(QDir::toNativeSeparators(m_path), file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    file.close();
    if (!document.isArray())
        return setAside(parseError.error == QJsonParseError::NoError ? QStringLiteral("not a list")
                                                                     : parseError.errorString());
    for (const QJsonValue& value : document.array()) {
        const auto formula = fromJson(value.toObject());
        if (!formula)
            return setAside(QStringLiteral("an entry is not a complete formula"));
        m_formulas.insert(slotName(formula->formula, formula->Grade), *formula);
    }
}

void FormulaStore::setAside(const QString& reason) {
    m_formulas.clear();
    const QString aside = m_path + QStringLiteral(".unreadable");
    QFile::remove(aside);
    const bool moved = QFile::rename(m_path, aside);
    const QString where =
        moved ? QStringLiteral("it was moved to %1").arg(QDir::toNativeSeparators(aside))
              : QStringLiteral("it could not be moved aside and is left as it is");
    throw CalibrationError(ErrorNumber::TypeMismatch,
                           QStringLiteral("The device formulas in %1 cannot be read (%2); %3.")
                               .arg(QDir::toNativeSeparators(m_path), reason, where));
}

std::optional<CalibrationFormula> FormulaStore::formula(int16_t measurement, int16_t grade) const {
    const auto found = m_formulas.constFind(slotName(measurement, grade));
    if (found == m_formulas.constEnd())
        return std::nullopt;
    return *found;
}

void FormulaStore::store(const CalibrationFormula& formula) {
    QHash<QString, CalibrationFormula> updated = m_formulas;
    updated.insert(slotName(formula.formula, formula.Grade), formula);
    QJsonArray list;
    for (const CalibrationFormula& each : std::as_const(updated))
        list.append(toJson(each));

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    const auto fail = [&](const QString& what) {
        throw CalibrationError(
            ErrorNumber::FileAccess,
            QStringLiteral("Cannot %1 %2: %3")
                .arg(what, QDir::toNativeSeparators(m_path), file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("open"));
    file.write(QJsonDocument(list).toJson());
    if (!file.commit())
        fail(QStringLiteral("write"));
    m_formulas = std::move(updated);
}

} // namespace orvo::workbench
