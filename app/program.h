#pragma once
// The whole program behind main(): its command line answered without a display, or its windows
// created in their order and the event loop run until the calculator closes.

#include <functional>

class QWidget;

// `beforeShowing`, when given, receives the calculator window just before it is first shown; the
// start-up benchmark watches the window's first painting from there.
int RunShutterly(int argc, char** argv, const std::function<void(QWidget& calculator)>& beforeShowing = {});
