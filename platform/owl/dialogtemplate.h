#pragma once
// Dialog templates (both the plain and the extended form) rewritten to name a window class,
// so that a dialog runs our window procedure from its first message.
#include <cstddef>
#include <string>
#include <vector>

// A copy of the template whose window class is className; empty when the template cannot
// be read.
std::vector<unsigned char> DialogTemplateWithClass(const void* dialogTemplate, size_t size,
                                                   const std::string& className);

// The window class a template names (empty for the standard dialog class or an ordinal).
std::string DialogTemplateClass(const void* dialogTemplate, size_t size);
