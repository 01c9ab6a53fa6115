#pragma once
// A start-up window: a bitmap in a borderless window in the middle of the screen, with an
// optional line of text and progress bar, that closes itself after a time.
#include "owl/window.h"

class TDib;

class TSplashWindow : public TWindow {
 public:
  enum TStyle {
    None = 0,
    ShrinkToFit = 1,   // the window takes the bitmap's size when that is smaller
    MakeGauge = 2,     // a progress bar along the bottom
    MakeStatic = 4,    // a line of text above it
    CaptureMouse = 8,  // a click closes the window
  };

  // width, height: the picture area (the window adds its border around it).
  // timeOut: milliseconds from creation to closing (0: stays until destroyed).
  TSplashWindow(TDib& dib, int width, int height, int style = None, UINT timeOut = 0,
                const char* title = nullptr, TModule* module = nullptr);

  void SetText(const char* text);
  const char* GetText() const { return Text.c_str(); }
  // 0 to 100; repaints at once.
  void SetPercentDone(int percent);
  int GetPercentDone() const { return PercentDone; }
  int GetStyle() const { return Style; }

  void SetupWindow() override;
  void Paint(HDC dc, bool erase, RECT& rect) override;

  void EvTimer(UINT timerId);
  void EvLButtonDown(UINT modKeys, const TPoint& point);

 private:
  RECT TextBand() const;
  RECT GaugeBand() const;

  TDib& Dib;
  int Style;
  UINT TimeOut;
  std::string Text;
  int PercentDone = 0;

  DECLARE_RESPONSE_TABLE(TSplashWindow);
};
