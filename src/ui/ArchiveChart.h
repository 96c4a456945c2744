#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace tavo::ui {

// A person's OSPL, OSPR and APV over time, oldest test on the left: one
// line each, a test without a figure leaves a gap.
class ArchiveChart final : public QWidget {
public:
    struct Point {
        QString date;
        std::optional<int> ospl;
        std::optional<int> ospr;
        std::optional<int> apv;
    };
    explicit ArchiveChart(QWidget* parent = nullptr);
    void setPoints(std::vector<Point> points);
    const std::vector<Point>& points() const { return points_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Point> points_;
};

} // namespace tavo::ui
