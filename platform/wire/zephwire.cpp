#include "wire/zephwire.h"

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

bool ReadAll(const char* path, Bytes& out) {
    if (!path) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::uint32_t Le(const Bytes& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

std::uint32_t Be(const Bytes& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

void Put(Bytes& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

bool WriteAll(const char* path, const Bytes& head, const unsigned char* data, std::size_t size) {
    if (!path) return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
    if (size) out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

}  // namespace

int ZephwireWavToVoiceblk(const char* source, const char* target, int coding, int, std::uint32_t flags, int) {
    Bytes wav;
    if (!ReadAll(source, wav) || wav.size() < 12) return kWireNotPcmWav;
    if (std::string(wav.begin(), wav.begin() + 4) != "RIFF" || std::string(wav.begin() + 8, wav.begin() + 12) != "WAVE")
        return kWireNotPcmWav;
    std::size_t at = 12;
    bool haveFormat = false;
    std::uint32_t channels = 0, rate = 0, bits = 0;
    while (at + 8 <= wav.size()) {
        const std::string id(wav.begin() + static_cast<std::ptrdiff_t>(at), wav.begin() + static_cast<std::ptrdiff_t>(at + 4));
        const std::uint32_t size = Le(wav, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > wav.size() - body) return kWireNotPcmWav;
        if (id == "fmt ") {
            if (size < 16 || Le(wav, body, 2) != 1) return kWireNotPcmWav;  // PCM only
            channels = Le(wav, body + 2, 2);
            rate = Le(wav, body + 4, 4);
            bits = Le(wav, body + 14, 2);
            if (channels == 0 || rate == 0 || (bits != 8 && bits != 16)) return kWireNotPcmWav;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return kWireNotPcmWav;
            Bytes head = {'V', 'B', 'L', 'K'};
            Put(head, 1, 2);
            Put(head, channels, 2);
            Put(head, rate, 4);
            Put(head, bits, 2);
            Put(head, static_cast<std::uint32_t>(coding), 2);
            Put(head, flags, 4);
            Put(head, size, 4);
            return WriteAll(target, head, wav.data() + body, size) ? 0 : kWireWriteFailed;
        }
        at = body + size + (size & 1);
    }
    return kWireNotPcmWav;
}

int ZephwireTiff2Faxblk(const char* source, const char* target, int) {
    Bytes tiff;
    if (!ReadAll(source, tiff)) return kWireTiffUnreadable;
    if (tiff.size() < 8) return kWireTiffTooShort;
    bool little;
    if (tiff[0] == 'I' && tiff[1] == 'I') little = true;
    else if (tiff[0] == 'M' && tiff[1] == 'M') little = false;
    else return kWireTiffByteOrder;
    auto read = [&](std::size_t at, int size) { return little ? Le(tiff, at, size) : Be(tiff, at, size); };
    if (read(2, 2) != 42) return kWireTiffMagic;
    std::uint32_t directory = read(4, 4);
    std::set<std::uint32_t> seen;
    std::uint32_t pages = 0;
    while (directory != 0) {
        if (directory < 8 || directory > tiff.size() - 2) return kWireTiffDirectory;
        if (!seen.insert(directory).second) return kWireTiffLoop;
        const std::uint32_t entries = read(directory, 2);
        if (entries == 0) return kWireTiffNoEntries;
        const std::size_t end = static_cast<std::size_t>(directory) + 2 + 12u * entries;
        if (end + 4 > tiff.size()) return kWireTiffTruncated;
        ++pages;
        directory = read(end, 4);
    }
    Bytes head = {'F', 'B', 'L', 'K'};
    Put(head, 1, 2);
    Put(head, little ? 0 : 1, 2);
    Put(head, pages, 4);
    Put(head, static_cast<std::uint32_t>(tiff.size()), 4);
    return WriteAll(target, head, tiff.data(), tiff.size()) ? 0 : kWireWriteFailed;
}
