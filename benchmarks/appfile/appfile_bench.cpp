// Saving and loading a whole application file (model part and layout) of a large program
// through the editor's writer and reader, against writing and reading the same lines with
// plain buffered file I/O in the same run.
#include "../bench_common.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/programfile.h"
#include "editor/support/headlesshost.h"

namespace {

constexpr int kPages = 50;
constexpr int kLineType = 404;   // a block with one "Done" output

std::string TempPath(const char* name) { return std::string("appfile_bench_") + name + ".ed"; }

// The program: blocks spread over 50 pages on a grid, each page's blocks joined in a chain
// by their "Done" lines, each line with the segments of a routed course.
struct Fixture {
  ed::HeadlessHost host;
  ed::VlxModel model;
  std::unique_ptr<ed::PaletteIconList> palette;
  std::unique_ptr<ed::Program> program;
  std::string text;
  std::vector<std::string> lines;
  int gotoLines = 0;

  explicit Fixture(int blocks) {
    program = std::make_unique<ed::Program>(host, model, nullptr, "Bench", 0);
    program->Activate();
    zeph::IconInfoTable table;
    if (vlxGetVavurOrezoList(&table, 0, 0, 0, 0, 0) == 0) palette = std::make_unique<ed::PaletteIconList>(table, &host);
    for (auto*& group : table.Groups) {
      delete group;
      group = nullptr;
    }
    host.SetPalette(palette.get());
    std::shared_ptr<ed::VavurOrezoIcon> icon = palette ? palette->FindIconShared(kLineType) : nullptr;
    if (!icon) return;
    std::vector<ed::Page*> pages;
    for (int i = 0; i < kPages; ++i) {
      auto* page = new ed::Page(program.get(), i == 0 ? "Main" : ("Page" + std::to_string(i)).c_str(),
                                i == 0 ? ed::kPageMain : ed::kPageSuperBlock, 0);
      program->AddPage(page);
      pages.push_back(page);
    }
    std::vector<ed::VavurOrezo*> previous(kPages, nullptr);
    for (int i = 0; i < blocks; ++i) {
      ed::Page* page = pages[static_cast<std::size_t>(i % kPages)];
      const int slot = i / kPages;
      int refused = 0;
      auto* block = new ed::VavurOrezo(page, ("B" + std::to_string(i)).c_str(), icon->Record(), icon,
                                       50 + 200 * (slot % 10), 50 + 130 * (slot / 10), refused);
      if (block->Handle() == nullptr) {
        delete block;
        continue;
      }
      page->AddVavurOrezo(block);
      block->CreateGotoBlocks();
      ed::VavurOrezo*& before = previous[static_cast<std::size_t>(i % kPages)];
      if (before != nullptr) {
        program->Activate();
        if (ed::Goto* line = before->CreateGoto(block, "Done", 0)) {
          const std::int32_t midX = (before->X() + block->X()) / 2;
          line->AddSegment(before->X() + 90, before->Y() + 25, midX, before->Y() + 25, 0);
          line->AddSegment(midX, before->Y() + 25, midX, block->Y() + 25, 0);
          line->AddSegment(midX, block->Y() + 25, block->X(), block->Y() + 25, 0);
          ++gotoLines;
        }
      }
      before = block;
    }
    std::ostringstream log;
    if (ed::ProgramFile::Save(TempPath("fixture"), *program, &log, "") != 1) return;
    std::ifstream in(TempPath("fixture"), std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    std::istringstream split(text);
    for (std::string line; std::getline(split, line);) lines.push_back(line + "\n");
  }
};

Fixture& ProgramOf(int blocks) {
  static std::unique_ptr<Fixture> fixture;
  if (!fixture) fixture = std::make_unique<Fixture>(blocks);
  return *fixture;
}

bool Made(const Fixture& f, benchmark::State& state) {
  if (!f.text.empty()) return true;
  state.SkipWithError("the program could not be made");
  return false;
}

void Save(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  if (!Made(f, state)) return;
  std::ostringstream log;
  for (auto _ : state) benchmark::DoNotOptimize(ed::ProgramFile::Save(TempPath("save"), *f.program, &log, ""));
  state.counters["lines"] = f.gotoLines;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

void PlainWrite(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  for (auto _ : state) bench::PlainWriteLines(TempPath("plain"), f.lines);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

void Load(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  if (!Made(f, state)) return;
  std::ostringstream log;
  for (auto _ : state) {
    std::unique_ptr<ed::Program> loaded = ed::ProgramFile::Load(TempPath("fixture"), &log, f.host, f.model, nullptr);
    if (!loaded) {
      state.SkipWithError("the file did not load");
      return;
    }
    state.PauseTiming();
    loaded.reset();
    f.program->Activate();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

void PlainRead(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(bench::PlainReadLines(TempPath("fixture")));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

BENCHMARK(Save)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWrite)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::QuietLibrary library;
  benchmark::Initialize(&argc, argv);
  bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Ratio("Save/10000", "PlainWrite/10000", 3.0);
  reporter.Ratio("Load/10000", "PlainRead/10000", 3.0);
  for (const char* name : {"fixture", "save", "plain"}) {
    std::remove(TempPath(name).c_str());
    const std::string backup = std::string("appfile_bench_") + name + ".BAK";
    std::remove(backup.c_str());
  }
  return 0;
}
