#pragma once
// Default field values of the parameter records that system variables own.

#include <cstddef>

namespace zeph {

// Writes the default values of a parameter record of the type into its packed image
// (the image is zeroed by the caller; fields without a listed default stay 0).
void ApplyParameterDefaults(int type, unsigned char* record, std::size_t size);

}  // namespace zeph
