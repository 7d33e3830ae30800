#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/LabValueText.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/OleDate.h>
#include <orvo/views/SampleGridModel.h>
#include <orvo/views/controls/GridSetup.h>

#include <QColor>
#include <QLocale>
#include <QScopedValueRollback>

namespace orvo {

namespace {

using Field = double MeasurementPoint::*;

enum class Shown { CheckBox, Sequence, Date, Fixed4, Plain };

struct GridColumn {
    const char* caption;
    // nullptr: the caption is never translated.
    const char* key;
    const char* keySuffix;
    Shown shown;
    Field value;
};

using P = MeasurementPoint;
const std::array<GridColumn, SampleGridModel::ColumnCount> gridColumns{{
    {"*", nullptr, "", Shown::CheckBox, nullptr},
    {"", nullptr, "", Shown::Sequence, nullptr},
    {"Date", key::date, "", Shown::Date, &P::MeasurementDate},
    {"DLed", nullptr, "", Shown::Fixed4, &P::SIG1},
    {"ALed", nullptr, "", Shown::Fixed4, &P::SIG2},
    {"SLed", nullptr, "", Shown::Fixed4, &P::SIG3},
    {"ALaser", nullptr, "", Shown::Fixed4, &P::SIG4},
    {"SLaser", nullptr, "", Shown::Fixed4, &P::SIG5},
    {"DpLed", nullptr, "", Shown::Fixed4, &P::SIG6},
    {"S7", nullptr, "", Shown::Fixed4, &P::SIG7},
    {"S8", nullptr, "", Shown::Fixed4, &P::SIG8},
    {"S9", nullptr, "", Shown::Fixed4, &P::SIG9},
    {"S10", nullptr, "", Shown::Fixed4, &P::SIG10},
    {"Floc", key::floc, "", Shown::Fixed4, &P::Floc},
    {"Temp", key::temp, "", Shown::Fixed4, &P::temp},
    {"Lab.Cons.", key::labCons, "", Shown::Fixed4, &P::LabCons},
    {"Lab.Ash.", key::labAsh, "", Shown::Fixed4, &P::LabAsh},
    {"Lab.Res1", key::labRes, "1", Shown::Fixed4, &P::LabRes1},
    {"Lab.Res2", key::labRes, "2", Shown::Fixed4, &P::LabRes2},
    {"Grade", key::grade, "", Shown::Plain, &P::Grade},
    {"Line", key::line, "", Shown::Plain, &P::line},
    {"Cons", key::cons, "", Shown::Fixed4, &P::ConsMeas},
    {"Ash", key::ash, "", Shown::Fixed4, &P::AshMeas},
}};

// The editable lab columns and the previous value each is compared with.
constexpr int firstLabColumn = 15;
struct LabField {
    Field lab;
    Field previous;
};
constexpr std::array<LabField, 4> labFields{{{&P::LabCons, &P::OldLabCons},
                                             {&P::LabAsh, &P::OldLabAsh},
                                             {&P::LabRes1, &P::OldLabRes1},
                                             {&P::LabRes2, &P::OldLabRes2}}};
// Columns from here on show values in the samples' colour.
constexpr int firstValueColumn = 3;

const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);

bool isLabColumn(int column) {
    return column >= firstLabColumn && column < firstLabColumn + int(labFields.size());
}

const LabField& labFieldOf(int column) {
    return labFields[static_cast<std::size_t>(column - firstLabColumn)];
}

QString dateTimeText(double date, const QLocale& locale) {
    try {
        return OleDate::dateText(date, locale) + QLatin1Char(' ') + OleDate::timeText(date, locale);
    } catch (const CalibrationError&) {
        // A date beyond the calendar shows as its day count.
        return generalText(date, locale);
    }
}

} // namespace

SampleGridModel::SampleGridModel(QObject* parent) : QAbstractTableModel(parent) {
    for (const GridColumn& column : gridColumns)
        m_captions << QString::fromLatin1(column.caption);
}

void SampleGridModel::refill(std::shared_ptr<MeasurementData> data) {
    beginResetModel();
    m_data = std::move(data);
    const std::size_t count = m_data ? static_cast<std::size_t>(m_data->pointCount()) : 0;
    m_checked.assign(count, false);
    m_changedLabValues.assign(count, {});
    readEnabledFlags();
    endResetModel();
}

bool SampleGridModel::isChecked(int sample) const {
    return m_checked.at(static_cast<std::size_t>(sample));
}

void SampleGridModel::setChecked(int sample, bool checked) {
    m_checked.at(static_cast<std::size_t>(sample)) = checked;
    const QModelIndex cell = index(sample, CheckColumn);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void SampleGridModel::readEnabledFlags() {
    for (int i = 0; i < sampleCount(); ++i)
        if (const PointPtr point = pointAt(i))
            m_checked[static_cast<std::size_t>(i)] = point->enabled;
}

void SampleGridModel::updateCheckBoxes() {
    readEnabledFlags();
    if (sampleCount() > 0)
        emit dataChanged(index(0, CheckColumn), index(sampleCount() - 1, CheckColumn),
                         {Qt::CheckStateRole});
}

void SampleGridModel::switchAllSamples() {
    bool allEnabled = true;
    for (int i = 0; i < sampleCount(); ++i)
        if (const PointPtr point = pointAt(i))
            allEnabled = allEnabled && point->enabled;
    QList<int> switched;
    for (int i = 0; i < sampleCount(); ++i) {
        if (const PointPtr point = pointAt(i)) {
            point->enabled = !allEnabled;
            m_checked[static_cast<std::size_t>(i)] = !allEnabled;
            switched << i;
        }
    }
    if (switched.isEmpty())
        return;
    emit dataChanged(index(0, CheckColumn), index(sampleCount() - 1, CheckColumn),
                     {Qt::CheckStateRole});
    emit samplesChanged(switched);
}

void SampleGridModel::translateCaptions(
    const std::function<QString(const char* key)>& translation) {
    for (int c = 0; c < ColumnCount; ++c) {
        const GridColumn& column = gridColumns[static_cast<std::size_t>(c)];
        if (column.key)
            m_captions[c] = translation(column.key) + QString::fromLatin1(column.keySuffix);
    }
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

QList<int> SampleGridModel::columnWidths() {
    QList<int> widths{30, 30, 130};
    widths.resize(ColumnCount, 80);
    return widths;
}

int SampleGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : sampleCount();
}

int SampleGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

PointPtr SampleGridModel::pointAt(int row) const {
    if (!m_data || row < 0 || row >= sampleCount() || row >= m_data->pointCount())
        return nullptr;
    return m_data->getMeasurementPoints(static_cast<int16_t>(row));
}

QVariant SampleGridModel::data(const QModelIndex& index, int role) const {
    const PointPtr point = pointAt(index.row());
    if (!point || !index.isValid())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return displayed(*point, index);
    case Qt::EditRole:
        return isLabColumn(column) ? displayed(*point, index) : QVariant();
    case Qt::CheckStateRole:
        if (column != CheckColumn)
            return {};
        return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    case Qt::ForegroundRole:
        return foreground(*point, index);
    case Qt::BackgroundRole:
        return column <= 1 ? QVariant(gridCaptionColor()) : QVariant();
    case Qt::TextAlignmentRole:
        return gridColumns[static_cast<std::size_t>(column)].shown == Shown::Date
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant SampleGridModel::displayed(const MeasurementPoint& point, const QModelIndex& index) const {
    const GridColumn& shown = gridColumns[static_cast<std::size_t>(index.column())];
    const QLocale locale;
    switch (shown.shown) {
    case Shown::CheckBox:
        return {};
    case Shown::Sequence:
        return QString::number(index.row() + 1);
    case Shown::Date:
        return dateTimeText(point.*shown.value, locale);
    case Shown::Fixed4:
        return fixedText(point.*shown.value, 4, locale);
    case Shown::Plain:
        return generalText(point.*shown.value, locale);
    }
    return {};
}

QVariant SampleGridModel::foreground(const MeasurementPoint& point,
                                     const QModelIndex& index) const {
    const int column = index.column();
    if (column < firstValueColumn)
        return {};
    if (isLabColumn(column) && m_changedLabValues[static_cast<std::size_t>(
                                   index.row())][static_cast<std::size_t>(column - firstLabColumn)])
        return blue;
    return point.modified ? blue : black;
}

QVariant SampleGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_captions[section];
    if (role == Qt::BackgroundRole)
        return gridCaptionColor();
    return {};
}

Qt::ItemFlags SampleGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!pointAt(index.row()))
        return flags;
    if (index.column() == CheckColumn)
        flags |= Qt::ItemIsUserCheckable;
    if (isLabColumn(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool SampleGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!pointAt(index.row()))
        return false;
    if (role == Qt::CheckStateRole && index.column() == CheckColumn)
        return toggle(index.row(), value);
    if (role == Qt::EditRole && isLabColumn(index.column()))
        return commitLabValue(index, value.toString());
    return false;
}

bool SampleGridModel::toggle(int row, const QVariant& state) {
    const bool checked = state.value<Qt::CheckState>() == Qt::Checked;
    pointAt(row)->enabled = checked;
    setChecked(row, checked);
    emit samplesChanged({row});
    return true;
}

bool SampleGridModel::commitLabValue(const QModelIndex& index, const QString& text) {
    // The refusal's message box takes the focus from the cell editor, which
    // then commits the same text once more.
    if (m_refusing)
        return false;
    const std::optional<double> value = labValueFromText(text);
    if (!value) {
        refuseLabValue(index);
        return false;
    }
    MeasurementPoint& point = *pointAt(index.row());
    const LabField& field = labFieldOf(index.column());
    const bool changed = point.*field.lab != *value;
    point.*field.lab = *value;
    if (point.*field.previous != *value) {
        point.*field.previous = *value;
        m_changedLabValues[static_cast<std::size_t>(index.row())]
                          [static_cast<std::size_t>(index.column() - firstLabColumn)] = true;
    }
    emit dataChanged(index, index);
    if (changed)
        emit samplesChanged({index.row()});
    return true;
}

void SampleGridModel::refuseLabValue(const QModelIndex& index) {
    {
        const QScopedValueRollback<bool> refusing(m_refusing, true);
        emit labValueRefused();
    }
    emit dataChanged(index, index);
}

} // namespace orvo
