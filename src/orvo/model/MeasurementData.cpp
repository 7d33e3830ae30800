#include <orvo/engine/BlockLayout.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/FieldText.h>
#include <orvo/model/LocaleNumber.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>
#include <orvo/model/Rounding.h>
#include <orvo/model/TextFile.h>

#include <algorithm>

namespace orvo {

using fieldtext::partAt;
using fieldtext::partsOf;
using fieldtext::trimmedBlanks;

namespace {

const QString lineEnd = QStringLiteral("\r\n");

constexpr int16_t isoLayout = 1;
constexpr int16_t dottedDayFirst = 2;
constexpr int16_t dottedMonthFirst = 3;
constexpr int16_t slashedWithoutSeconds = 4;
constexpr int16_t slashedTwelveHour = 5;
constexpr int16_t dashedDayFirst = 6;
constexpr int16_t dashedMonthFirst = 7;

// Matches a whole text against a pattern in which "#" is one digit, "*" any
// run of characters including none and "[..]" one of the listed characters;
// every other character stands for itself. Greedy with one backtracking
// point, so the cost stays proportional to text length times pattern length
// whatever the text.
bool matchesPattern(QStringView text, QStringView pattern) {
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype starPattern = -1;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starPattern = ++p;
            starText = t;
            continue;
        }
        if (p < pattern.size()) {
            const QChar token = pattern[p];
            bool matched = false;
            qsizetype tokenLength = 1;
            if (token == QLatin1Char('#')) {
                matched = text[t] >= QLatin1Char('0') && text[t] <= QLatin1Char('9');
            } else if (token == QLatin1Char('[')) {
                const qsizetype close = pattern.indexOf(QLatin1Char(']'), p);
                matched = pattern.sliced(p + 1, close - p - 1).contains(text[t]);
                tokenLength = close - p + 1;
            } else {
                matched = text[t] == token;
            }
            if (matched) {
                ++t;
                p += tokenLength;
                continue;
            }
        }
        if (starPattern < 0)
            return false;
        p = starPattern;
        t = ++starText;
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

double earliestAcceptedDate() {
    static const double date = OleDate::fromParts(1970, 1, 1, 0, 0, 0);
    return date;
}

double placeholderDeviceDate() {
    static const double date = OleDate::fromParts(1901, 1, 1, 0, 0, 0);
    return date;
}

} // namespace

const PointPtr& MeasurementData::getMeasurementPoints(int16_t index) const {
    if (index < 0 || index >= Capacity)
        throw CalibrationError::outOfRange(QStringLiteral("no point slot %1").arg(index));
    return m_points[static_cast<std::size_t>(index)];
}

void MeasurementData::AddMeasurementPoint(const PointPtr& mspoint) {
    if (!mspoint)
        throw CalibrationError::missingObject(QStringLiteral("no point to add"));
    if (mspoint->MeasurementDate < earliestAcceptedDate())
        return;
    if (m_pointCount >= Capacity)
        throw CalibrationError::outOfRange(
            QStringLiteral("the set already holds %1 points").arg(Capacity));
    m_points[static_cast<std::size_t>(m_pointCount)] = mspoint;
    mspoint->modified = false;
    ++m_pointCount;
}

void MeasurementData::ReadFile(const QString& FileName, const DayFirstQuestion& askDayFirst) {
    m_pointCount = 0;
    readText(TextFile::readAll(FileName), askDayFirst);
}

void MeasurementData::readText(const QString& text, const DayFirstQuestion& askDayFirst) {
    m_pointCount = 0;
    const QStringList lines = fieldtext::linesOf(text);
    const qsizetype lastLine = lines.size() - 1;
    if (lastLine < 1)
        throw CalibrationError::outOfRange(QStringLiteral("the file has no line after the header"));
    const qsizetype dataLines = lastLine < Capacity + 1 ? lastLine - 1 : Capacity;

    QStringList firstFields = lines[1].split(QLatin1Char('\t'));
    int16_t layout = 0;
    if (firstFields.size() > 4)
        layout = detectDateLayout(firstFields[0]);
    if (layout == dottedMonthFirst || layout == dashedDayFirst)
        layout = decideDayOrMonth(lines, dataLines, layout, askDayFirst);

    const QString layoutSuffix = QLatin1Char(' ') + QString::number(layout);
    for (qsizetype i = 1; i <= dataLines; ++i) {
        QString line = lines[i] + layoutSuffix;
        auto point = std::make_shared<MeasurementPoint>();
        try {
            point->ParseString(line);
            AddMeasurementPoint(point);
        } catch (const CalibrationError& error) {
            throw error.atFileLine(static_cast<int>(i + 1));
        }
    }
    sortByDate();
}

int16_t MeasurementData::decideDayOrMonth(const QStringList& lines, qsizetype count, int16_t layout,
                                          const DayFirstQuestion& askDayFirst) {
    const bool dotted = layout == dottedMonthFirst;
    const QChar separator = dotted ? QLatin1Char('.') : QLatin1Char('-');
    const int16_t dayFirst = dotted ? dottedDayFirst : dashedDayFirst;
    const int16_t monthFirst = dotted ? dottedMonthFirst : dashedMonthFirst;
    for (qsizetype i = 1; i <= count; ++i) {
        try {
            const QStringList fields = partsOf(lines[i], QLatin1Char('\t'));
            const QString dateText = trimmedBlanks(partAt(fields, 0, QStringLiteral("the line")));
            const QStringList parts = partsOf(dateText, separator);
            const QString what = QStringLiteral("date \"%1\"").arg(dateText);
            const double first = toDoubleStrict(partAt(parts, 0, what));
            const double second = toDoubleStrict(partAt(parts, 1, what));
            if (first > 12 && second > 12)
                return 0;
            if (first > 12)
                return dayFirst;
            if (second > 12)
                return monthFirst;
        } catch (const CalibrationError& error) {
            throw error.atFileLine(static_cast<int>(i + 1));
        }
    }
    const QString question = dotted ? QStringLiteral("Is it 'dd.mm.yyyy' date format?")
                                    : QStringLiteral("Is it 'dd-mm-yyyy' date format?");
    return askDayFirst && askDayFirst(question) ? dayFirst : monthFirst;
}

int16_t MeasurementData::detectDateLayout(QString& text) {
    struct Layout {
        QStringView pattern;
        int16_t code;
    };
    // Order matters: a slashed text with seconds but no AM/PM already matches
    // the pattern without seconds.
    static constexpr Layout layouts[] = {
        {u"####-##-## ##:##:##", isoLayout},
        {u"*#.*#.#### *#:##:##", dottedMonthFirst},
        {u"*#/*#/#### *#:##", slashedWithoutSeconds},
        {u"*#-*#-#### *#:##:##", dashedDayFirst},
        {u"*#/*#/#### *#:##:## [AP]M", slashedTwelveHour},
    };
    text = trimmedBlanks(text);
    for (const Layout& layout : layouts)
        if (matchesPattern(text, layout.pattern))
            return layout.code;
    return 0;
}

void MeasurementData::SaveFile(const QString& FileName) const {
    QString text = MeasurementPoint::headerLine() + lineEnd;
    for (int16_t i = 0; i < m_pointCount; ++i)
        text += m_points[static_cast<std::size_t>(i)]->toLine() + lineEnd;
    TextFile::write(FileName, text);
}

void MeasurementData::ClearFile(const QString& FileName) const {
    TextFile::write(FileName, lineEnd);
}

void MeasurementData::AddNewData(const std::vector<PointPtr>& newpoints) {
    const std::size_t previousCount = static_cast<std::size_t>(m_pointCount);
    std::vector<double> previousDates;
    previousDates.reserve(previousCount);
    for (std::size_t slot = 0; slot < previousCount; ++slot)
        previousDates.push_back(m_points[slot]->MeasurementDate);

    std::size_t skipped = 0;
    for (std::size_t i = 0; i < newpoints.size(); ++i) {
        const PointPtr& point = newpoints[i];
        if (!point)
            throw CalibrationError::missingObject(QStringLiteral("new sample %1 is empty").arg(i));
        const double date = point->MeasurementDate;
        if (date == placeholderDeviceDate() ||
            std::find(previousDates.begin(), previousDates.end(), date) != previousDates.end()) {
            ++skipped;
            continue;
        }
        // Past the capacity new samples overwrite the oldest points.
        std::size_t slot = i + previousCount - skipped;
        if (slot >= Capacity)
            slot -= Capacity;
        if (slot >= Capacity)
            throw CalibrationError::outOfRange(
                QStringLiteral("too many new samples: slot %1 does not exist").arg(slot));
        m_points[slot] = point;
        point->modified = true;
        point->enabled = true;
    }
    m_pointCount = static_cast<int16_t>(
        std::min<std::size_t>(newpoints.size() + previousCount - skipped, Capacity));
    sortByDate();
}

std::vector<float> MeasurementData::GetDataMatrix() const {
    if (m_pointCount == 0)
        throw CalibrationError::outOfRange(QStringLiteral("the data matrix of an empty set"));
    std::vector<float> matrix(static_cast<std::size_t>(m_pointCount) * MatrixColumns, 0.0f);
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_pointCount); ++i) {
        const MeasurementPoint& point = *m_points[i];
        float* row = matrix.data() + i * MatrixColumns;
        const DateParts date = OleDate::split(point.MeasurementDate);
        row[0] = static_cast<float>(date.day);
        row[1] = static_cast<float>(date.month);
        row[2] = static_cast<float>(date.year);
        row[3] = static_cast<float>(date.hour);
        // The month again, not the minute: the engine reads this layout.
        row[4] = static_cast<float>(date.month);
        for (int k = 0; k < block::SignalCount; ++k)
            row[block::FirstSignalColumn + k] = toFloatChecked(point.signal(k + 1));
        if (point.enabled) {
            float* lab = row + block::FirstLabColumn;
            lab[0] = toFloatChecked(point.LabCons);
            lab[1] = toFloatChecked(point.LabAsh);
            lab[2] = toFloatChecked(point.LabRes1);
            lab[3] = toFloatChecked(point.LabRes2);
        }
        row[block::GradeColumn] = toFloatChecked(point.Grade);
        row[block::LineColumn] = toFloatChecked(point.line);
    }
    return matrix;
}

void MeasurementData::sortByDate() {
    const int count = m_pointCount;
    int gap = 1;
    while (gap <= count)
        gap = 3 * gap + 1;
    while (gap > 1) {
        gap /= 3;
        for (int i = gap; i < count; ++i) {
            PointPtr moving = m_points[static_cast<std::size_t>(i)];
            int j = i;
            while (m_points[static_cast<std::size_t>(j - gap)]->MeasurementDate >
                   moving->MeasurementDate) {
                m_points[static_cast<std::size_t>(j)] = m_points[static_cast<std::size_t>(j - gap)];
                j -= gap;
                if (j - gap < 0)
                    break;
            }
            m_points[static_cast<std::size_t>(j)] = std::move(moving);
        }
    }
}

} // namespace orvo
