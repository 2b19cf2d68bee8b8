#pragma once

#include <QIcon>

// The program's icon at every size its drawing comes in (16 to 128 pixels): a window, a task
// bar or a dialog gets the size nearest to what it asks for, so a high-DPI screen gets the
// larger drawings rather than a blown-up small one.
QIcon programIcon();
