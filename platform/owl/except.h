#pragma once
// Errors the layer raises.
#include <stdexcept>

class TXOwl : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The application's instance initialisation ended without a main window.
class TXInvalidMainWindow : public TXOwl {
 public:
  TXInvalidMainWindow() : TXOwl("Invalid main window") {}
};
