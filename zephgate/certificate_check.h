#pragma once
// A structural check of a DER-encoded X.509 certificate (the outer sequence of the signed
// part, the signature algorithm and the signature), for builds without the platform's
// certificate parser.
#include <string>

namespace gate {

bool IsX509Der(const std::string& bytes);

}  // namespace gate
