#pragma once

#include <QWidget>
#include <array>

namespace rac::gui {

class PaintedItem;

// The system diagram: the supply duct above, the extract duct below, each with its coil, and the
// pumped loop between them. The ducts take the colours of their shapes; the loop pipes show the
// lit segments of WhiteLineUp (extract coil to supply coil) and WhiteLineDown (supply coil to
// extract coil).
class SchematicView final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kSegments = 6;
    using Pipe = std::array<PaintedItem*, kSegments>;

    SchematicView(PaintedItem& supplyDuct, PaintedItem& extractDuct, const Pipe& up,
                  const Pipe& down, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void watch(PaintedItem& item);

    PaintedItem& supplyDuct_;
    PaintedItem& extractDuct_;
    Pipe up_;
    Pipe down_;
};

} // namespace rac::gui
