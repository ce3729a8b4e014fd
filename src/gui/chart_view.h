#pragma once

#include "platform/rich_content.h"

#include <QChartView>

// A category chart of the model as bars: one group of bars per category, a bar per series, each
// series drawn against its own value axis (the first on the left, the others on the right).
namespace rac::gui {

class ChartView final : public QChartView {
    Q_OBJECT

  public:
    explicit ChartView(QWidget* parent = nullptr);

    void showChart(const platform::ChartData& chartData);
    const platform::ChartData& shown() const { return shown_; }

  private:
    platform::ChartData shown_;
};

} // namespace rac::gui
