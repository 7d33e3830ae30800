#include <orvo/model/CalibrationError.h>
#include <orvo/model/NumberText.h>
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

QString cell(const QString& text, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString table(const QStringList& captions, const QList<QStringList>& rows) {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>");
    for (const QString& caption : captions)
        html += cell(caption, "th");
    html += QStringLiteral("</tr>");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& text : row)
            html += cell(text);
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString dateTimeText(double date) {
    return OleDate::isoText(date);
}

QString dataSection(const CalibrationRecord& r) {
    const QString fileDate =
        r.fileDate.isValid() ? r.fileDate.toString(Qt::ISODate) : QStringLiteral("unknown");
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
        values << generalText(value, QLocale::c());
    }
    return QStringLiteral("<h2>Formula</h2><p>%1</p><h2>Statistics</h2>")
               .arg(r.formulaText.toHtmlEscaped()) +
           table(captions, {values});
}

QString diagnosticsSection(const CalibrationRecord& r) {
    using namespace diagnostics;
    const QString rules =
        QStringLiteral("Flags: outlier when |studentized residual| &gt; %1, high leverage when "
                       "h &gt; %2 p / n, influential when Cook's distance &gt; %3 / n.")
            .arg(kOutlierStudentizedResidual)
            .arg(kHighLeverageFactor)
            .arg(kInfluentialCookFactor);
    return QStringLiteral("<h2>Diagnostics</h2>") +
           table(diagnosticsText::candidateCaptions(),
                 {diagnosticsText::candidateCells(r.diagnostics, QLocale::c())}) +
           QStringLiteral("<p>%1</p><h2>Laboratory value against estimate</h2>"
                          "<p><img src=\"%2\" width=\"480\"></p>")
               .arg(rules, kChartUrl.toString());
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
           table({QStringLiteral("Sample"), QStringLiteral("Residual"), QStringLiteral("Leverage"),
                  QStringLiteral("Studentized residual"), QStringLiteral("Cook's distance"),
                  QStringLiteral("Flags")},
                 rows);
}

QString excludedSection(const CalibrationRecord& r) {
    QList<QStringList> rows;
    for (const CalibrationRecord::Excluded& e : r.excluded)
        rows << QStringList{QString::number(e.index + 1), dateTimeText(e.date),
                            CalibrationRecord::reasonText(e.status)};
    return QStringLiteral("<h2>Excluded samples</h2>") +
           (rows.isEmpty() ? QStringLiteral("<p>None.</p>")
                           : table({QStringLiteral("Sample"), QStringLiteral("Date"),
                                    QStringLiteral("Reason")},
                                   rows));
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
           statisticsSection(record) + diagnosticsSection(record) + influenceSection(record) +
           excludedSection(record) + QStringLiteral("</body></html>");
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
