// The voice sentence report drawn by the Windows canvas on page pictures: every page gets
// ink, a comment too long for the first page moves on, and the pages are saved as PNG
// pictures and one PDF document beside the test program (screenshots\) for a person to read.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "editors/reports/gdicanvas.h"
#include "editors/sentences/sentencereport.h"
#include "model/sysvars.h"
#include "model/vsentence.h"
#include "pageimages.h"
#include "reporttest_util.h"
#include "sentencetest_util.h"

namespace zeph {
namespace {

constexpr int kDotsPerInch = 200;

// A canvas whose page is the picture's size (a memory context reports the screen's).
class PictureCanvas : public GdiCanvas {
 public:
  PictureCanvas(HDC dc, int width, int height) : GdiCanvas(dc), width_(width), height_(height) {}
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }

 private:
  int width_;
  int height_;
};

// A print job that draws each page on a white picture and keeps it when the page ends.
class PictureJob : public ReportJob {
 public:
  PictureJob(int width, int height) : width_(width), height_(height) {
    HDC screen = ::GetDC(nullptr);
    dc_ = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = ::SelectObject(dc_, bitmap_);
    canvas_ = std::make_unique<PictureCanvas>(dc_, width, height);
  }
  ~PictureJob() override {
    canvas_.reset();
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }

  std::string documentName;
  std::vector<test::PageImage> pages;
  int ended = 0;

  bool BeginJob(const std::string& name) override {
    documentName = name;
    return NewPage();
  }
  ReportCanvas& Canvas() override { return *canvas_; }
  bool EndPage() override {
    if (open_) pages.push_back(Capture());
    open_ = false;
    return true;
  }
  // Ends the open page first, as a printer's new page does.
  bool NewPage() override {
    EndPage();
    RECT all{0, 0, width_, height_};
    ::FillRect(dc_, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    open_ = true;
    return true;
  }
  bool EndJob() override {
    EndPage();
    ++ended;
    return true;
  }

 private:
  test::PageImage Capture() const {
    ::GdiFlush();
    test::PageImage page{width_, height_, {}};
    const int stride = (width_ * 3 + 3) & ~3;
    const auto* bytes = static_cast<const unsigned char*>(bits_);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const unsigned char* bgr = bytes + y * stride + x * 3;
        page.Rgb.insert(page.Rgb.end(), {bgr[2], bgr[1], bgr[0]});
      }
    }
    return page;
  }

  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
  bool open_ = false;
  std::unique_ptr<PictureCanvas> canvas_;
};

int Ink(const test::PageImage& page) {
  int n = 0;
  for (std::size_t i = 0; i < page.Rgb.size(); i += 3) {
    if (page.Rgb[i] != 0xFF || page.Rgb[i + 1] != 0xFF || page.Rgb[i + 2] != 0xFF) ++n;
  }
  return n;
}

std::string ArtefactFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of("\\/") + 1);
  folder += "screenshots";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

class SentenceReportPages : public test::ReportProgram {
 protected:
  Symbol* Sentence(const char* name, const std::vector<SentenceComponent*>& components) {
    Symbol* s = test::FileSentence(*program, name, components);
    EXPECT_NE(s, nullptr) << name;
    return s;
  }
  test::StampTable stamps;   // no prompt files
};

TEST_F(SentenceReportPages, PagesAreDrawnAndSavedAsPicturesAndADocument) {
  SymbolTable& t = program->Symbols();
  for (int i = 0; i < 11; ++i) {
    if (Symbol* s = LookupSymbol(FolderVariableName(i), kTypeString, &t)) {
      test::SetVariableText(s, ("C:\\VLX\\DB" + std::to_string(i) + "\\").c_str());
    }
  }
  Sentence("Greeting", {test::Phrase(t, 0, "_PR_SYSTEM", "12", false, "Good morning"),
                        test::DirectPhrase(t, 33, "Welcome to the service")});
  std::string words;
  for (int i = 0; i < 400; ++i) words += "word" + std::to_string(i) + " ";
  std::vector<SentenceComponent*> phrases;
  for (int i = 0; i < 110; ++i) phrases.push_back(test::Phrase(t, 0, "_PR_USER", std::to_string(100 + i).c_str()));
  phrases.push_back(test::Phrase(t, 0, "_PR_USER", "200", false, words.c_str()));
  Sentence("Long", phrases);

  PictureJob job(1700, 2200);   // a letter page at 200 dots per inch
  ASSERT_TRUE(PrintVoiceSentenceReport(t, job));
  EXPECT_EQ(job.documentName, kSentenceReportJobName);
  EXPECT_EQ(job.ended, 1);
  ASSERT_GE(job.pages.size(), 2u);   // the long comment does not fit on the first page
  const std::string folder = ArtefactFolder();
  for (std::size_t p = 0; p < job.pages.size(); ++p) {
    EXPECT_GT(Ink(job.pages[p]), 0) << "page " << p + 1;
    const std::string png = test::PngBytes(job.pages[p]);
    std::ofstream(folder + "report_sentences_page" + std::to_string(p + 1) + ".png", std::ios::binary) << png;
  }
  const std::string pdf = test::PdfBytes(job.pages, kDotsPerInch);
  std::ofstream(folder + "report_sentences.pdf", std::ios::binary) << pdf;
  std::ifstream back(folder + "report_sentences.pdf", std::ios::binary);
  std::string head(8, '\0');
  back.read(head.data(), 8);
  EXPECT_EQ(head, "%PDF-1.4");
}

}  // namespace
}  // namespace zeph
