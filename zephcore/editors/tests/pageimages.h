#pragma once
// Printed pages as files for a person to look at: each page a PNG picture and all pages in
// one PDF document (one picture per page). The pictures are compressed by a small deflate
// of fixed codes that sends runs of a byte as matches, so no compression library is needed.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace zeph::test {

// One page: rows from the top, three bytes (red, green, blue) per pixel.
struct PageImage {
  int Width = 0;
  int Height = 0;
  std::vector<unsigned char> Rgb;
};

namespace detail {

inline std::uint32_t Crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline void Big32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

// Writes bits from the lowest up, as deflate packs them.
class BitWriter {
 public:
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1u);
  }
  // A Huffman code, sent from its highest bit.
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1u);
  }
  std::string Finish() {
    if (used_ > 0) out_ += static_cast<char>(byte_);
    return out_;
  }

 private:
  void Bit(std::uint32_t bit) {
    byte_ |= bit << used_;
    if (++used_ == 8) {
      out_ += static_cast<char>(byte_);
      byte_ = 0;
      used_ = 0;
    }
  }
  std::string out_;
  std::uint32_t byte_ = 0;
  int used_ = 0;
};

// The fixed Huffman code of a literal or length symbol.
inline void FixedSymbol(BitWriter& w, int symbol) {
  if (symbol < 144) w.Code(0x30 + symbol, 8);
  else if (symbol < 256) w.Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) w.Code(symbol - 256, 7);
  else w.Code(0xC0 + symbol - 280, 8);
}

// A run of `length` (3..258) copies of the byte before it: a match at distance 1.
inline void RepeatPrevious(BitWriter& w, int length) {
  static const int kBase[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                              35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                               3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  int code = 28;
  while (kBase[code] > length) --code;
  FixedSymbol(w, 257 + code);
  w.Bits(static_cast<std::uint32_t>(length - kBase[code]), kExtra[code]);
  w.Code(0, 5);   // distance 1
}

// A zlib stream in one block of fixed codes, runs of a repeated byte sent as matches (the
// white of a page shrinks to almost nothing).
inline std::string Zlib(const std::string& data) {
  BitWriter w;
  w.Bits(1, 1);   // the last block
  w.Bits(1, 2);   // fixed codes
  std::size_t i = 0;
  while (i < data.size()) {
    const auto c = static_cast<unsigned char>(data[i]);
    FixedSymbol(w, c);
    std::size_t run = 0;
    while (i + 1 + run < data.size() && run < 258 && static_cast<unsigned char>(data[i + 1 + run]) == c) ++run;
    if (run >= 3) {
      RepeatPrevious(w, static_cast<int>(run));
      i += 1 + run;
    } else {
      ++i;
    }
  }
  FixedSymbol(w, 256);   // end of block
  std::string out("\x78\x01", 2);
  out += w.Finish();
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : data) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Big32(out, (b << 16) | a);
  return out;
}

inline void Chunk(std::string& png, const char* type, const std::string& body) {
  Big32(png, static_cast<std::uint32_t>(body.size()));
  const std::string typed = std::string(type, 4) + body;
  png += typed;
  Big32(png, Crc32(typed));
}

}  // namespace detail

inline std::string PngBytes(const PageImage& page) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string header;
  detail::Big32(header, static_cast<std::uint32_t>(page.Width));
  detail::Big32(header, static_cast<std::uint32_t>(page.Height));
  header += std::string("\x08\x02\x00\x00\x00", 5);   // 8-bit RGB
  detail::Chunk(png, "IHDR", header);
  std::string rows;
  const std::size_t stride = static_cast<std::size_t>(page.Width) * 3;
  for (int y = 0; y < page.Height; ++y) {
    rows += '\0';   // no filter
    rows.append(reinterpret_cast<const char*>(page.Rgb.data()) + stride * static_cast<std::size_t>(y), stride);
  }
  detail::Chunk(png, "IDAT", detail::Zlib(rows));
  detail::Chunk(png, "IEND", std::string());
  return png;
}

// Pages of 72 units per inch at the given resolution of the pictures.
inline std::string PdfBytes(const std::vector<PageImage>& pages, int dotsPerInch) {
  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  auto object = [&](const std::string& body) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
  };
  const int n = static_cast<int>(pages.size());
  // 1 catalogue, 2 page tree, then for page i: 3 + 3i page, 4 + 3i contents, 5 + 3i picture.
  object("<< /Type /Catalog /Pages 2 0 R >>");
  std::ostringstream kids;
  for (int i = 0; i < n; ++i) kids << 3 + 3 * i << " 0 R ";
  object("<< /Type /Pages /Kids [" + kids.str() + "] /Count " + std::to_string(n) + " >>");
  for (int i = 0; i < n; ++i) {
    const PageImage& p = pages[static_cast<std::size_t>(i)];
    const int w = p.Width * 72 / dotsPerInch;
    const int h = p.Height * 72 / dotsPerInch;
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(w) + " " + std::to_string(h) +
           "] /Resources << /XObject << /P" + std::to_string(i) + " " + std::to_string(5 + 3 * i) +
           " 0 R >> >> /Contents " + std::to_string(4 + 3 * i) + " 0 R >>");
    const std::string draw = "q " + std::to_string(w) + " 0 0 " + std::to_string(h) + " 0 0 cm /P" +
                             std::to_string(i) + " Do Q";
    object("<< /Length " + std::to_string(draw.size()) + " >>\nstream\n" + draw + "\nendstream");
    const std::string data = detail::Zlib(std::string(p.Rgb.begin(), p.Rgb.end()));
    object("<< /Type /XObject /Subtype /Image /Width " + std::to_string(p.Width) + " /Height " +
           std::to_string(p.Height) + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode /Length " +
           std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream");
  }
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t off : offsets) {
    char line[24];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", off);
    pdf += line;
  }
  pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

}  // namespace zeph::test
