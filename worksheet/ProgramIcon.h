#pragma once

#include <QIcon>

// The program's icon, drawn as a scalable picture: Qt renders it at whatever size and device
// pixel ratio a window, a task bar or a dialog asks for, so it stays crisp on high-DPI
// screens.
QIcon programIcon();
