// Conversions of media files into the blocks the server stores as multimedia records.
//
// Voice block (little-endian): "VBLK", u16 version 1, u16 channels, u32 sample rate,
// u16 bits per sample, u16 coding (the caller's coding argument), u32 flags (the caller's
// 32-bit value), u32 data length, then the PCM samples as the WAV file held them.
// Fax block (little-endian): "FBLK", u16 version 1, u16 byte order of the TIFF (0 II,
// 1 MM), u32 pages, u32 length, then the TIFF file unchanged.
#pragma once
#include <cstdint>

// WAV files that are not plain PCM RIFF/WAVE files (or cannot be read).
inline constexpr int kWireNotPcmWav = 43875;
// TIFF refusals by kind.
enum : int {
    kWireTiffUnreadable = 43828,   // the file cannot be opened or read
    kWireTiffTooShort = 43829,     // shorter than its header
    kWireTiffByteOrder = 43830,    // neither "II" nor "MM"
    kWireTiffMagic = 43831,        // not 42
    kWireTiffDirectory = 43832,    // the first directory lies outside the file
    kWireTiffNoEntries = 43833,    // a directory without entries
    kWireTiffTruncated = 43834,    // a directory runs past the end of the file
    kWireTiffLoop = 43835,         // the directories form a loop
};
// A block that cannot be written.
inline constexpr int kWireWriteFailed = 43900;

int ZephwireWavToVoiceblk(const char* source, const char* target, int coding, int reserved, std::uint32_t flags,
                          int mode);
int ZephwireTiff2Faxblk(const char* source, const char* target, int mode);
