#include <orvo/model/CalibrationError.h>
#include <orvo/model/OleDate.h>
#include <orvo/regression/DiagnosticThresholds.h>
#include <orvo/regression/DiagnosticsText.h>
#include <orvo/report/CalibrationReport.h>
#include <orvo/report/ReportChart.h>

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <QUrl>

namespace orvo {

namespace {

const QUrl kChartUrl(QStringLiteral("orvo-report://chart.png"));
constexpr QSize kChartSize(900, 600);
// Points of an A4 page inside 15 mm margins: the layout unit of the document.
constexpr QSizeF kPageBody(510, 757);

// Excluded samples stand this many to a table row, so the list stays short.
constexpr int kExcludedPerRow = 2;

// Data cells do not wrap: a wrapped number reads as two, and a wrapped row
// may be split over two pages. Captions wrap to keep the table on the page.
QString cell(const QString& text, const char* tag = "td") {
    const QLatin1String name(tag);
    const QLatin1String style(name == QLatin1String("td") ? " style=\"white-space: nowrap\"" : "");
    return QStringLiteral("<%1%2>%3</%1>").arg(name, style, text.toHtmlEscaped());
}

QString table(const QStringList& captions, const QList<QStringList>& rows) {
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    for (const QString& caption : captions)
        html += cell(caption, "th");
    // A caption row in the head is repeated on every page the table runs over.
    html += QStringLiteral("</tr></thead>");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& text : row)
            html += cell(text);
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString dataSection(const CalibrationRecord& r) {
    const QString fileDate = r.fileDate.isValid()
                                 ? r.fileDate.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                                 : QStringLiteral("unknown");
    QList<QStringList> rows{
        {QStringLiteral("Data file"), QDir::toNativeSeparators(r.fileName)},
        {QStringLiteral("File date"), fileDate},
        {QStringLiteral("Quantity"), r.quantity},
        {QStringLiteral("Grades"), r.grades},
        {QStringLiteral("Range"), QStringLiteral("%1 to %2").arg(r.first).arg(r.last)},
        {QStringLiteral("Usable samples"), QString::number(r.usableCount)},
        {QStringLiteral("Excluded samples"), QString::number(r.excluded.size())}};
    return QStringLiteral("<h2>Data</h2>") +
           table({QStringLiteral("Item"), QStringLiteral("Value")}, rows);
}

QString statisticsSection(const CalibrationRecord& r) {
    QStringList captions;
    QStringList values;
    for (const auto& [caption, value] : r.statistics) {
        captions << caption;
        values << value;
    }
    return QStringLiteral(
               "<h2>Formula</h2><p style=\"white-space: pre-wrap\">%1</p><h2>Statistics</h2>")
               .arg(r.formulaText.toHtmlEscaped()) +
           table(captions, {values});
}

QString chartSection() {
    return QStringLiteral("<h2>Laboratory value against estimate</h2>"
                          "<p><img src=\"%1\" width=\"420\"></p>")
        .arg(kChartUrl.toString());
}

QString diagnosticsSection(const CalibrationRecord& r) {
    using namespace diagnostics;
    const QString rules =
        QStringLiteral("Flags: outlier when |studentized residual| &gt; %1, high leverage when "
                       "h &gt; %2 p / n, influential when Cook's distance &gt; %3 / n.")
            .arg(kOutlierStudentizedResidual)
            .arg(kHighLeverageFactor)
            .arg(kInfluentialCookFactor);
    const QStringList captions = diagnosticsText::candidateCaptions();
    const QStringList cells = diagnosticsText::candidateCells(r.diagnostics, QLocale::c());
    QList<QStringList> rows;
    for (qsizetype k = 0; k < captions.size(); ++k)
        rows << QStringList{captions[k], cells.value(k)};
    return QStringLiteral("<h2>Diagnostics</h2>") +
           table({QStringLiteral("Measure"), QStringLiteral("Value")}, rows) +
           QStringLiteral("<p>%1</p>").arg(rules);
}

QString influenceSection(const CalibrationRecord& r) {
    const QLocale c = QLocale::c();
    QList<QStringList> rows;
    for (const PointInfluence& p : r.influence)
        rows << QStringList{QString::number(p.index + 1),
                            diagnosticsText::number(p.residual, c),
                            diagnosticsText::number(p.leverage, c),
                            diagnosticsText::number(p.studentizedResidual, c),
                            diagnosticsText::number(p.cooksDistance, c),
                            diagnosticsText::flagWords(p)};
    return QStringLiteral("<h2>Influence of each usable sample</h2>") +
           table({QStringLiteral("No."), QStringLiteral("Residual"), QStringLiteral("Leverage"),
                  QStringLiteral("Studentized residual"), QStringLiteral("Cook's distance"),
                  QStringLiteral("Flags")},
                 rows);
}

QString excludedSection(const CalibrationRecord& r) {
    if (r.excluded.empty())
        return QStringLiteral("<h2>Excluded samples</h2><p>None.</p>");
    QStringList captions;
    for (int k = 0; k < kExcludedPerRow; ++k)
        captions << QStringLiteral("No.") << QStringLiteral("Date") << QStringLiteral("Reason");
    QList<QStringList> rows;
    for (std::size_t k = 0; k < r.excluded.size(); ++k) {
        if (k % kExcludedPerRow == 0)
            rows.append(QStringList());
        const CalibrationRecord::Excluded& e = r.excluded[k];
        // To the minute: two samples to a row fit across the page so.
        rows.back() << QString::number(e.index + 1) << OleDate::isoText(e.date).left(16)
                    << CalibrationRecord::reasonText(e.status);
    }
    return QStringLiteral("<h2>Excluded samples</h2>") + table(captions, rows);
}

} // namespace

CalibrationReport::CalibrationReport(const CalibrationRecord& record) {
    m_document.setPageSize(kPageBody);
    m_document.setDefaultStyleSheet(QStringLiteral("body { font-size: 9pt; } th { background: "
                                                   "#e0e0e0; } h1 { font-size: 16pt; }"));
    m_document.addResource(QTextDocument::ImageResource, kChartUrl,
                           ReportChart::render(record, kChartSize));
    m_document.setHtml(html(record));
}

QString CalibrationReport::html(const CalibrationRecord& record) {
    return QStringLiteral("<html><body><h1>Calibration report</h1>") + dataSection(record) +
           statisticsSection(record) + chartSection() + diagnosticsSection(record) +
           influenceSection(record) + excludedSection(record) + QStringLiteral("</body></html>");
}

int CalibrationReport::writePdf(const QString& path) {
    const QString nativePath = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw CalibrationError::fileAccess(
            QStringLiteral("%1: %2").arg(nativePath, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Calibration report"));
        m_document.print(&writer);
    }
    if (!file.commit())
        throw CalibrationError::fileAccess(
            QStringLiteral("%1: %2").arg(nativePath, file.errorString()));
    return m_document.pageCount();
}

} // namespace orvo
