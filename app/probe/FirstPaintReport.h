#pragma once

class QWidget;

// Start-up measurement hook. When the environment variable VALMORA_REPORT_FIRST_PAINT is set
// (to anything non-empty), the first time `window` is painted the program writes one line
//     first-paint <microseconds since the Unix epoch> <CPU microseconds used so far>
// to standard output, once the painted frame has been handed to the windowing system (the
// first paint of the window or of any widget in it counts). The
// program runs on as usual. Without the variable nothing is installed.
//
// The benchmark script notes the wall-clock time just before it starts the program, so the
// difference is the time from process start to the first painted frame. Nothing else in
// the program depends on it; it is kept in its own library so that the bare comparison
// program measures itself the same way.
void reportFirstPaintIfAsked(QWidget& window);
