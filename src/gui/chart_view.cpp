#include "gui/chart_view.h"

#include "gui/qt_text.h"

#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace rac::gui {

namespace {

QColor seriesColour(std::size_t series) {
    static const QColor colours[] = {QColor(0x2f, 0x6f, 0xb4), QColor(0xd9, 0x6c, 0x2b),
                                     QColor(0x4c, 0x9a, 0x4a), QColor(0x8e, 0x5a, 0xa8)};
    return colours[series % std::size(colours)];
}

} // namespace

ChartView::ChartView(QWidget* parent) : QChartView(new QChart, parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(480, 320);
    chart()->legend()->setAlignment(Qt::AlignBottom);
}

// Series on different value axes are separate bar series, which Qt would draw over each other.
// Each bar series therefore holds a bar set for every series of the chart, empty but for its own
// axis's: the bars of a category stand side by side, each measured against its axis.
void ChartView::showChart(const platform::ChartData& chartData) {
    shown_ = chartData;
    QChart& shownChart = *chart();
    shownChart.removeAllSeries();
    for (QAbstractAxis* axis : shownChart.axes()) {
        shownChart.removeAxis(axis);
        delete axis;
    }
    shownChart.setTitle(toQt(chartData.title));

    auto* categories = new QBarCategoryAxis;
    for (const std::string& category : chartData.categories) {
        categories->append(toQt(category));
    }
    shownChart.addAxis(categories, Qt::AlignBottom);

    for (int axis = 0; axis < static_cast<int>(chartData.axisTitles.size()); ++axis) {
        auto* values = new QValueAxis;
        values->setTitleText(toQt(chartData.axisTitles[static_cast<std::size_t>(axis)]));
        shownChart.addAxis(values, axis == 0 ? Qt::AlignLeft : Qt::AlignRight);
        auto* bars = new QBarSeries;
        QList<QBarSet*> placeholders;
        double highest = 0;
        double lowest = 0;
        for (std::size_t i = 0; i < chartData.series.size(); ++i) {
            const platform::ChartSeries& series = chartData.series[i];
            auto* set = new QBarSet(toQt(series.name));
            set->setColor(seriesColour(i)); // one colour per series, whichever axis group
            const bool own = series.axis == axis;
            for (const double value : series.values) {
                *set << (own ? value : 0.0);
                if (own) {
                    highest = std::max(highest, value);
                    lowest = std::min(lowest, value);
                }
            }
            if (!own) {
                placeholders << set;
            }
            bars->append(set);
        }
        shownChart.addSeries(bars);
        bars->attachAxis(categories);
        bars->attachAxis(values);
        values->setRange(lowest, highest > lowest ? highest : lowest + 1);
        values->applyNiceNumbers();
        // Ticks a whole number apart are labelled without a decimal ("40000", not "40000.0").
        const double step = (values->max() - values->min()) / (values->tickCount() - 1);
        values->setLabelFormat(step >= 1 && step == std::floor(step) ? QStringLiteral("%.0f")
                                                                     : QStringLiteral("%.1f"));
        // The legend names each series once, beside the bars that carry its values.
        for (QLegendMarker* marker : shownChart.legend()->markers(bars)) {
            auto* bar = qobject_cast<QBarLegendMarker*>(marker);
            marker->setVisible(bar == nullptr || !placeholders.contains(bar->barset()));
        }
    }
}

} // namespace rac::gui
