#pragma once
// The designer's named-field stream of the application file: a read and write file stream
// whose lines the designer's sections and the model part take turns with. The model part
// reads and writes it as the current text stream.

#include <fstream>

class fstreams : public std::fstream {
 public:
  using std::fstream::fstream;
};
