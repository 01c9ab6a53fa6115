// The seven field kinds. Each is built from a name (value all zero bytes) or from a name
// and initial value bytes (copied over the field's length).
#pragma once

#include <cstdint>
#include <string>

#include "foundation/kvrecfld.h"

// Unsigned 8-bit integer; text: decimal 0 to 255.
class UCHAR_Field : public AbstrField {
public:
    explicit UCHAR_Field(const char* name);
    UCHAR_Field(const char* name, const void* initial);
    std::string FormatText() override;
    void ParseText(const std::string& text) override;
    AbstrField* Clone() const override;
};

// Signed 16-bit integer; text "%hd". Reading keeps the low 16 bits of -32768..65535 and
// stores 0 for any other number.
class SHORT_Field : public AbstrField {
public:
    explicit SHORT_Field(const char* name);
    SHORT_Field(const char* name, const void* initial);
    std::string FormatText() override;
    void ParseText(const std::string& text) override;
    AbstrField* Clone() const override;
};

// Signed 32-bit integer; text in decimal.
class LONG_Field : public AbstrField {
public:
    explicit LONG_Field(const char* name);
    LONG_Field(const char* name, const void* initial);
    std::string FormatText() override;
    void ParseText(const std::string& text) override;
    AbstrField* Clone() const override;
};

// 32-bit flag, 0 or 1; text: the low 16 bits in decimal; any non-zero number reads as 1.
class BOOL_Field : public AbstrField {
public:
    explicit BOOL_Field(const char* name);
    BOOL_Field(const char* name, const void* initial);
    std::string FormatText() override;
    void ParseText(const std::string& text) override;
    AbstrField* Clone() const override;
};

// IEEE single; text "%f" followed by the letter d, as "1.500000d"; a value that six
// decimals would change is written "%.9g" and d instead ("1.00000001e-07d").
class FLOAT_Field : public AbstrField {
public:
    explicit FLOAT_Field(const char* name);
    FLOAT_Field(const char* name, const void* initial);
    std::string FormatText() override;
    void ParseText(const std::string& text) override;
    AbstrField* Clone() const override;
};

// IEEE double; text as FLOAT_Field, with "%.17g" for values six decimals would change.
class DOUBLE_Field : public AbstrField {
public:
    explicit DOUBLE_Field(const char* name);
    DOUBLE_Field(const char* name, const void* initial);
    std::string FormatText() override;
    void ParseText(const std::string& text) override;
    AbstrField* Clone() const override;
};

// Text of at most length-1 characters, zero-terminated and zero-filled inside the field.
// The text form escapes "," and line ends (kvtextesc.h).
class STRING_Field : public AbstrField {
public:
    STRING_Field(const char* name, std::uint16_t length);
    STRING_Field(const char* name, std::uint16_t length, const void* initial);

    // Copies the zero-terminated text at src, at most length-1 characters.
    void SetValue(const void* src) override;
    // Clears length bytes at dst and copies the text.
    void GetValue(void* dst) const override;
    void LoadFrom(const void* src) override;
    std::string FormatText() override;
    void ParseText(const std::string& text) override;
    AbstrField* Clone() const override;

    // The text held, up to its terminator.
    std::string GetText() const;
    void SetText(const std::string& text);
};
