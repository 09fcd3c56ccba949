// The picture box: a child window of a form (or of another picture box) that is a drawing
// surface with kept drawing and a container for windowless controls and real controls.
// Made when its parent's window exists, so it is placed from Form_Load on.
#pragma once

#include "container.h"

namespace forms {

enum class PanelBorder { None, Single };

class PictureBox : public Container {
public:
    PictureBox(Container& parent, int index = -1, PanelBorder border = PanelBorder::None);
    ~PictureBox() override;

    int index() const { return index_; }
    // Placement in twips relative to the parent's inner area.
    void move(int left, int top, int width, int height);
    void setEnabled(bool enabled);
    // The position in the form's tab order (see focus_order.h).
    void setTabIndex(int tabIndex);

private:
    int index_;
};

}  // namespace forms
