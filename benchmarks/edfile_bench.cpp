// Saving and loading the model part of a large program, against writing and reading the
// same lines with plain buffered file I/O in the same run; and how the times grow from
// 5,000 to 10,000 VavurOrezos.
#include "bench_common.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/kvlserr.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/program/program.h"
#include "programfile/edfile/edfile.h"

namespace {

using zeph::TProgram;

constexpr int kPages = 50;

// 50 pages and the given number of VavurOrezos of the catalogue's types, spread over the
// pages, each with every edit field given a value.
std::unique_ptr<TProgram> MakeProgram(int blocks) {
  auto p = std::make_unique<TProgram>();
  std::vector<zeph::Symbol*> pages;
  for (int i = 0; i < kPages; ++i) {
    zeph::Symbol* page = nullptr;
    p->AddNamedSymbol(&page, i == 0 ? "Main" : ("Page" + std::to_string(i)).c_str(), zeph::kTypeSuperBlock, 1, 1, 0,
                      false, i == 0 ? 0 : 1);
    pages.push_back(page);
  }
  zeph::Symbol* count = nullptr;
  p->AddNamedSymbol(&count, "Count", zeph::kTypeInteger, 1, 1, 0, false);
  std::vector<int> types;
  for (int t = 0; t < zeph::kPBCatalogueSize; ++t) {
    const zeph::PBType* slot = zeph::GetPBType(t);
    if (slot != nullptr && slot->InternalName != nullptr && slot->FieldTable != nullptr && t != 181) types.push_back(t);
  }
  int made = 0;
  int userError = 0;
  for (int i = 0; made < blocks && i < blocks * 4; ++i) {
    p->SetCurrentPage(pages[static_cast<std::size_t>(i % kPages)]);
    const int type = types[static_cast<std::size_t>(i) % types.size()];
    zeph::PBInstance* b = p->AddVavurOrezo(type, ("B" + std::to_string(i)).c_str(), "", &userError);
    if (b == nullptr) continue;
    ++made;
    zeph::PBFieldAccessor fields(b, 0, nullptr, 0, &p->Symbols());
    for (int f = 0; f < fields.Count(); ++f) {
      const zeph::PBFieldDef& def = fields.Fields()[f];
      if (def.UIElement == 3 && !def.IsGoto()) fields.SetEntryText(f, def.FieldRepresentation == 1 ? "'12, 3'" : "Count");
    }
    b->X = static_cast<std::int16_t>(i);
    b->Y = static_cast<std::int16_t>(i / 3);
  }
  return p;
}

struct Fixture {
  std::unique_ptr<TProgram> program;
  std::string text;
  std::vector<std::string> lines;
};

Fixture& ProgramOf(int blocks) {
  static std::map<int, Fixture> fixtures;
  Fixture& f = fixtures[blocks];
  if (!f.program) {
    f.program = MakeProgram(blocks);
    std::stringstream out;
    zeph::DiskWriteProgram(*f.program, &out, kKvLoadSaveLogAndContinue);
    f.text = out.str();
    std::istringstream in(f.text);
    for (std::string line; std::getline(in, line);) f.lines.push_back(line + "\n");
  }
  return f;
}

std::string TempPath(const char* name) { return (std::string("edfile_bench_") + name + ".tmp"); }

void Save(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::fstream out(TempPath("save"), std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    benchmark::DoNotOptimize(zeph::DiskWriteProgram(*f.program, &out, kKvLoadSaveLogAndContinue));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

void PlainWrite(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  for (auto _ : state) bench::PlainWriteLines(TempPath("plain"), f.lines);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

void Load(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  {
    std::ofstream out(TempPath("load"), std::ios::binary);
    out << f.text;
  }
  TProgram target;
  std::FILE* file = std::tmpfile();
  for (auto _ : state) {
    state.PauseTiming();
    target.Reset();
    target.Symbols().SymbolPageCheck = 0;
    std::fstream in(TempPath("load"), std::ios::in | std::ios::out | std::ios::binary);
    state.ResumeTiming();
    benchmark::DoNotOptimize(zeph::DiskReadProgram(target, file, &in, kKvLoadSaveLogAndContinue));
  }
  std::fclose(file);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

void PlainRead(benchmark::State& state) {
  Fixture& f = ProgramOf(static_cast<int>(state.range(0)));
  {
    std::ofstream out(TempPath("plainread"), std::ios::binary);
    out << f.text;
  }
  for (auto _ : state) benchmark::DoNotOptimize(bench::PlainReadLines(TempPath("plainread")));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}

BENCHMARK(Save)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWrite)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Refusals while the program is made (types that need a companion) are not shown.
  bench::QuietLibrary library;
  benchmark::Initialize(&argc, argv);
  bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Ratio("Save/5000", "PlainWrite/5000", 3.0);
  reporter.Ratio("Load/5000", "PlainRead/5000", 3.0);
  reporter.Ratio("Save/10000", "Save/5000", 2.2);
  reporter.Ratio("Load/10000", "Load/5000", 2.2);
  for (const char* name : {"save", "plain", "load", "plainread"}) std::remove(TempPath(name).c_str());
  return 0;
}
