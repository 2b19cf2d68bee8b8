#pragma once

#include <QString>

class QWidget;

// The names by which scenarios know the windows and controls.
namespace ControlNames {

inline constexpr char conversionsDialog[] = "Conversionform";
inline constexpr char noticeDialog[] = "Noticeform";

// The open top-level window `objectName`, or nullptr.
QWidget* openWindow(const char* objectName);

// The scenario name of `widget` as a focus owner: "Entry" for the editor, "Thegrid",
// "Detailgrid", "Yieldlist", "Picture1" to "Picture3" on the worksheet; "Conversionbox0",
// "Conversionbox1", "Thebutton0", "Thebutton1" in the conversions dialog; "Noticeclose" in
// the notice dialog. Empty for nullptr and for any other widget.
QString focusName(const QWidget* widget);

} // namespace ControlNames
