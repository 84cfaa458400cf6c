#pragma once
// What a start-up benchmark child tells its launcher: one line on standard output once its window
// has painted for the first time, after which the child ends its event loop.

class QWidget;

// The line the launcher waits for.
inline constexpr char FirstPaintLine[] = "painted\n";

// Watches `window` from now on; once its first paint event has been handled and the frame flushed
// to the screen, writes FirstPaintLine and quits the application.
void ReportFirstPaint(QWidget& window);
