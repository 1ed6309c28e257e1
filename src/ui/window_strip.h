#pragma once

class QFrame;
class QWidget;

namespace zelmora {

// A button strip with the look of the main window's top strip: a light
// panel set off from the pane above it by a thin line. name is its
// objectName ("pnBottom"); a strip at the top of a window goes without
// the line.
QFrame* MakeWindowStrip(QWidget* parent, const char* name, bool lineAbove = true);

// A text pane keeps showing its selection when it loses the focus (to the
// window's buttons, say), so the user sees what Copy or Save takes.
void KeepSelectionVisible(QWidget* pane);

}  // namespace zelmora
