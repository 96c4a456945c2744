#include "ui/FitCheckPainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <map>

namespace tavo::ui {

namespace {

using engine::decibels;
using engine::FitCheckCell;
using engine::kEars;

constexpr double kLeft = 60;
constexpr double kWidth = 794 - 2 * kLeft;
const QColor kEarColours[] = {QColor(0, 0, 170), QColor(190, 0, 0)};

struct Pen {
    QPainter& painter;
    double y = 50;

    void font(double points, bool bold = false) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        painter.setFont(f);
    }
    // A paragraph wrapped to the page's width.
    void text(const QString& line, double points = 9, bool bold = false,
              const QColor& colour = Qt::black) {
        font(points, bold);
        painter.setPen(colour);
        const QRectF box(kLeft, y, kWidth, 1000);
        const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, line);
        painter.drawText(box, Qt::TextWordWrap, line);
        y += used.height() + 2;
    }
};

// The ear as the chart's legend and the ratings name it.
QString earText(int ear) {
    return ear == engine::kLeftEar ? QCoreApplication::translate("FitCheckPainter", "links")
                                   : QCoreApplication::translate("FitCheckPainter", "rechts");
}

QString cellText(const std::optional<int>& threshold) {
    return threshold ? QString::number(*threshold) : QStringLiteral("–");
}

void drawTable(Pen& pen, const engine::FitCheckReport& report) {
    std::map<int, std::array<const FitCheckCell*, kEars>> rows;
    for (int ear = 0; ear < kEars; ++ear) {
        for (const auto& cell : report.cells[ear]) {
            rows[cell.index][ear] = &cell;
        }
    }
    const QStringList header = {QStringLiteral("Hz"),
                                QCoreApplication::translate("FitCheckPainter", "links 1."),
                                QCoreApplication::translate("FitCheckPainter", "links 2."),
                                QCoreApplication::translate("FitCheckPainter", "Dämpfung"),
                                QCoreApplication::translate("FitCheckPainter", "rechts 1."),
                                QCoreApplication::translate("FitCheckPainter", "rechts 2."),
                                QCoreApplication::translate("FitCheckPainter", "Dämpfung")};
    const double column = kWidth / double(header.size());
    pen.font(8.5, true);
    pen.painter.setPen(Qt::black);
    for (int i = 0; i < header.size(); ++i) {
        pen.painter.drawText(QRectF(kLeft + double(i) * column, pen.y, column, 16), Qt::AlignCenter,
                             header[i]);
    }
    pen.y += 18;
    pen.painter.drawLine(QPointF(kLeft, pen.y - 2), QPointF(kLeft + kWidth, pen.y - 2));
    pen.font(8.5);
    for (const auto& [index, cells] : rows) {
        const int frequency = cells[0] != nullptr ? cells[0]->frequency : cells[1]->frequency;
        QStringList texts = {QString::number(frequency)};
        std::vector<bool> flagged = {false};
        for (const auto* cell : cells) {
            for (int run = 0; run < 2; ++run) {
                texts << (cell != nullptr ? cellText(cell->threshold[run]) : QStringLiteral("–"));
                flagged.push_back(cell != nullptr && cell->flags[run] != 0);
            }
            texts << (cell != nullptr && cell->attenuation
                          ? (cell->atLeast ? QStringLiteral("≥ ") : QString()) +
                                decibels(*cell->attenuation)
                          : QStringLiteral("–"));
            flagged.push_back(false);
        }
        for (int i = 0; i < texts.size(); ++i) {
            pen.painter.setPen(flagged[i] ? QColor(200, 0, 0) : Qt::black);
            pen.painter.drawText(QRectF(kLeft + double(i) * column, pen.y, column, 15),
                                 Qt::AlignCenter,
                                 texts[i] + (flagged[i] ? QStringLiteral("*") : QString()));
        }
        pen.y += 15;
    }
    pen.y += 6;
}

// Attenuation over frequency (logarithmic), one line per ear.
void drawChart(Pen& pen, const engine::FitCheckReport& report) {
    const QRectF area(kLeft + 40, pen.y + 8, kWidth - 60, 180);
    auto& painter = pen.painter;
    double top = 40;
    for (const auto& cells : report.cells) {
        for (const auto& cell : cells) {
            if (cell.attenuation) {
                top = std::max(top, std::ceil(*cell.attenuation / 10.0) * 10.0);
            }
        }
    }
    const double bottom = -10;
    const auto x = [&](int frequency) {
        return area.left() + area.width() * std::log2(frequency / 125.0) / 6.0;
    };
    const auto y = [&](double dB) {
        return area.top() + area.height() * (top - dB) / (top - bottom);
    };
    pen.font(7.5);
    painter.setPen(QColor(170, 170, 170));
    for (double dB = bottom; dB <= top; dB += 10) {
        painter.drawLine(QPointF(area.left(), y(dB)), QPointF(area.right(), y(dB)));
        painter.drawText(QRectF(area.left() - 36, y(dB) - 7, 30, 14),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(int(dB)));
    }
    for (const int frequency : engine::kBandCentres) {
        painter.drawLine(QPointF(x(frequency), area.top()), QPointF(x(frequency), area.bottom()));
        painter.drawText(QRectF(x(frequency) - 25, area.bottom() + 2, 50, 14), Qt::AlignCenter,
                         QString::number(frequency));
    }
    painter.setPen(Qt::black);
    painter.drawRect(area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int ear = 0; ear < kEars; ++ear) {
        QPainterPath path;
        bool started = false;
        painter.setPen(QPen(kEarColours[ear], 2));
        for (const auto& cell : report.cells[ear]) {
            if (!cell.attenuation) {
                continue;
            }
            const QPointF at(x(cell.frequency), y(*cell.attenuation));
            started ? path.lineTo(at) : path.moveTo(at);
            started = true;
            painter.drawEllipse(at, 3, 3);
        }
        painter.drawPath(path);
        painter.drawText(QPointF(area.left() + 8 + ear * 60, area.top() + 14), earText(ear));
    }
    painter.restore();
    pen.y = area.bottom() + 24;
}

QString ratingText(const QString& name, const engine::Rating& rating) {
    if (!rating.par) {
        return QCoreApplication::translate("FitCheckPainter",
                                           "PAR %1: keine (weniger als %n Bänder)", nullptr,
                                           engine::kMinimumBands)
            .arg(name);
    }
    const QString atLeast = rating.atLeast ? QStringLiteral("≥ ") : QString();
    return QStringLiteral("PAR %1: %2%3 dB   PAR₈₄ %2%4 dB   PAR₉₅ %2%5 dB   (U %6 dB)")
        .arg(name, atLeast, decibels(*rating.par), decibels(*rating.par84()),
             decibels(*rating.par95()), decibels(rating.uncertainty));
}

} // namespace

void paintFitCheck(QPainter& painter, const engine::FitCheckDocument& document) {
    const auto& record = document.record;
    const auto& report = document.report;
    painter.fillRect(QRectF(QPointF(0, 0), kFitCheckPage), Qt::white);
    Pen pen{painter};
    pen.text(QCoreApplication::translate("FitCheckPainter", "Prüfbericht Gehörschutz"), 16, true);
    pen.y += 4;
    pen.text(QCoreApplication::translate("FitCheckPainter", "Testperson: %1      Testort: %2")
                 .arg(record.data.person, record.data.location),
             10);
    pen.text(QCoreApplication::translate("FitCheckPainter",
                                         "1. Durchlauf: %1 %2      2. Durchlauf: %3 %4")
                 .arg(record.Test1Result.TestDate, record.Test1Result.TestTime,
                      record.Test2Result.TestDate, record.Test2Result.TestTime));
    if (!document.calibration.isEmpty()) {
        pen.text(QCoreApplication::translate("FitCheckPainter", "Kalibrierung: %1")
                     .arg(document.calibration));
    }
    pen.y += 8;
    pen.text(
        QCoreApplication::translate(
            "FitCheckPainter", "Hörschwellen (dB HL) und Dämpfung (dB); * markiert einen Hinweis"),
        10, true);
    drawTable(pen, report);
    drawChart(pen, report);
    pen.text(ratingText(earText(engine::kLeftEar), report.ears[engine::kLeftEar]), 10);
    pen.text(ratingText(earText(engine::kRightEar), report.ears[engine::kRightEar]), 10);
    pen.text(
        ratingText(QCoreApplication::translate("FitCheckPainter", "beidohrig"), report.binaural),
        10, true);
    pen.y += 6;
    const auto& p = report.parameters;
    pen.text(
        p.exposure
            ? QCoreApplication::translate("FitCheckPainter",
                                          "Lärmexposition L_EX %1 dB(A), Zielpegel am Ohr "
                                          "%2 dB(A): benötigte Dämpfung %3 dB")
                  .arg(decibels(*p.exposure), decibels(p.wantedAtEar), decibels(*report.required))
            : QCoreApplication::translate("FitCheckPainter", "Keine Lärmexposition angegeben."),
        10);
    const QColor verdictColour = report.verdict == engine::Verdict::Sufficient ? QColor(0, 130, 0)
                                 : report.verdict == engine::Verdict::Insufficient
                                     ? QColor(200, 0, 0)
                                     : QColor(90, 90, 90);
    pen.text(QCoreApplication::translate("FitCheckPainter", "Bewertung: %1")
                 .arg(engine::verdictText(report.verdict)),
             13, true, verdictColour);
    if (report.overprotection) {
        pen.text(
            QCoreApplication::translate(
                "FitCheckPainter", "Überprotektion möglich: geschätzter Pegel am Ohr %1 dB(A).")
                .arg(decibels(*report.levelAtEar)),
            10, true, QColor(200, 120, 0));
    }
    for (const QString& caution : report.cautions) {
        pen.text(QStringLiteral("• ") + caution, 8.5, false, QColor(170, 90, 0));
    }
    pen.y += 8;
    pen.text(engine::fitCheckMethodText(p.practiceDeviation), 7.5, false, QColor(60, 60, 60));
}

QByteArray fitCheckPdf(const engine::FitCheckDocument& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QCoreApplication::translate("FitCheckPainter", "Prüfbericht Gehörschutz"));
        QPainter painter(&writer);
        paintFitCheck(painter, document);
    }
    return bytes;
}

} // namespace tavo::ui
