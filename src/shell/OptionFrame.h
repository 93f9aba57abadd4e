// The option frame (Frame1): a classic group frame whose caption sits on the
// top border line. It paints with its own palette, so a changed window colour
// (a skin) shows inside it.
#pragma once

#include <QGroupBox>

namespace harvelux::shell {

class OptionFrame final : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace harvelux::shell
