#pragma once
// Points and sizes as the message handlers receive them.
#include <windows.h>

struct TPoint : POINT {
  TPoint(int px = 0, int py = 0) { x = px; y = py; }
};

struct TSize : SIZE {
  TSize(int width = 0, int height = 0) { cx = width; cy = height; }
};
