#pragma once

#include <QProxyStyle>

// The desktop's own style, with one saving at start-up: the pictures that Qt's workspace
// sub-windows and menu bars ask for when they are made (the window menu's entries, the menu
// bar's overflow arrow) are read only when one is first drawn. Reading any of them loads
// every image-format plug-in installed, and at start-up none is shown: the worksheet's
// sub-window has no window menu, and the menu bar overflows only in a very narrow frame.
class WorkspaceStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
