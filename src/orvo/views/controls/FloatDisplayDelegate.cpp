#include <orvo/views/controls/FloatDisplayDelegate.h>

#include <QLocale>

#include <array>
#include <charconv>

namespace orvo {

namespace {

QString shortestFloatText(float value, const QLocale& locale) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    text.replace(QLatin1Char('-'), locale.negativeSign());
    return text;
}

} // namespace

QString FloatDisplayDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    if (value.typeId() == QMetaType::Float)
        return shortestFloatText(value.toFloat(), locale);
    return QStyledItemDelegate::displayText(value, locale);
}

} // namespace orvo
