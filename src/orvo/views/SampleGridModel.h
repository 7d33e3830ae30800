#pragma once

#include <orvo/model/MeasurementData.h>

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace orvo {

// The data editor's grid over the shared sample set: one row per sample in
// set order, 23 columns, the captions as the horizontal header. Column 0
// holds a check box per sample, columns 15 to 18 the editable lab values;
// the values are read from the samples whenever they are shown.
class SampleGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int ColumnCount = 23;
    static constexpr int CheckColumn = 0;

    explicit SampleGridModel(QObject* parent = nullptr);

    // Shows data (none: no rows), the boxes as the samples' enabled flags,
    // no lab value marked as changed.
    void refill(std::shared_ptr<MeasurementData> data);
    const std::shared_ptr<MeasurementData>& samples() const { return m_data; }
    int sampleCount() const { return static_cast<int>(m_checked.size()); }

    // The boxes alone; samples keep their enabled flags.
    bool isChecked(int sample) const;
    void setChecked(int sample, bool checked);
    // Sets every box to its sample's enabled flag.
    void updateCheckBoxes();
    // The header click: every sample enabled turns all off, otherwise all on,
    // boxes included.
    void switchAllSamples();

    // Captions from the translation of each column's key; the columns
    // without a key keep their fixed caption.
    void translateCaptions(const std::function<QString(const char* key)>& translation);
    // Column widths in grid width units.
    static QList<int> columnWidths();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // Samples changed in place (enabled flag, lab value), by index in the set.
    void samplesChanged(const QList<int>& indexes);
    // A typed lab value was not legal; the cell shows the stored value again.
    void labValueRefused();

private:
    PointPtr pointAt(int row) const;
    void readEnabledFlags();
    QVariant displayed(const MeasurementPoint& point, const QModelIndex& index) const;
    QVariant foreground(const MeasurementPoint& point, const QModelIndex& index) const;
    bool toggle(int row, const QVariant& state);
    bool commitLabValue(const QModelIndex& index, const QString& text);
    void refuseLabValue(const QModelIndex& index);

    std::shared_ptr<MeasurementData> m_data;
    std::vector<bool> m_checked;
    // Lab cells whose value was changed since the last refill, per sample.
    std::vector<std::array<bool, 4>> m_changedLabValues;
    QStringList m_captions;
    bool m_refusing = false;
};

} // namespace orvo
