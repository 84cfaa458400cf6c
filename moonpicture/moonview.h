#pragma once

class QWidget;
class TImageWidget;
class TMoon;

// Shows the moon picture in a window (fixed to the picture's size) and builds its icons for the
// desktop's large icon size.
TImageWidget* BindMoon(TMoon& moon, QWidget* parent = nullptr);
