// The goto-line router on generated pages of 100, 200 and 400 blocks (200, 400 and 800
// lines): time of a page build's routing, and the courses' length, bends, crossings and
// segments through blocks, over 20 seeds.
//   router_bench                       the benchmark and its figures
//   router_bench --page N SEED         writes the page of N blocks to stdout
//   router_bench --route PAGE          writes our courses of the page to stdout
//   router_bench --measure PAGE COURSES   the figures of another router's courses
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "../bench_common.h"
#include "measure.h"
#include "pagetext.h"
#include "routedpage.h"
#include "shell/memory/searchheap.h"

namespace routebench {
namespace {

constexpr int kSizes[] = {100, 200, 400};
constexpr int kSeeds = 20;

ed::SearchPoolMaker HeapPool() { return [] { return BlockHeapSearchPool::Make(); }; }

struct Outcome {
  Figures figures;
  int fixed = 0;
  long pops = 0;
  double ms = 0;
};

Outcome RoutePage(const PageSpec& spec) {
  QuietUi ui;
  ed::SmartRoute router(HeapPool(), ui);
  RoutedPage page(spec);
  const auto t0 = std::chrono::steady_clock::now();
  Outcome o;
  o.fixed = page.RouteAll(router);
  o.pops = page.Pops();
  o.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  o.figures = Measure(spec, page.Courses());
  return o;
}

void BM_RoutePage(benchmark::State& state) {
  const PageSpec spec = GeneratePage(static_cast<int>(state.range(0)), 1);
  QuietUi ui;
  ed::SmartRoute router(HeapPool(), ui);
  for (auto _ : state) {
    state.PauseTiming();
    auto page = std::make_unique<RoutedPage>(spec);
    state.ResumeTiming();
    benchmark::DoNotOptimize(page->RouteAll(router));
    state.PauseTiming();
    page.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RoutePage)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

bool ReadFile(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return true;
}

bool LoadPage(const char* path, PageSpec& page) {
  std::string text, error;
  if (!ReadFile(path, text)) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
  }
  if (!ReadPage(text, page, error)) {
    std::fprintf(stderr, "%s: %s\n", path, error.c_str());
    return false;
  }
  return true;
}

void PrintFigures(const char* what, const Figures& f) {
  std::printf("%-28s length %8lld  bends %6ld  crossings %6ld  through blocks %4ld%s\n", what, f.length, f.bends,
              f.crossings, f.throughBlocks, f.oblique != 0 ? "  (oblique segments!)" : "");
}

int Tool(int argc, char** argv) {
  if (std::strcmp(argv[1], "--page") == 0 && argc == 4) {
    std::fputs(WritePage(GeneratePage(std::atoi(argv[2]), std::strtoull(argv[3], nullptr, 10))).c_str(), stdout);
    return 0;
  }
  PageSpec page;
  if (std::strcmp(argv[1], "--route") == 0 && argc == 3) {
    if (!LoadPage(argv[2], page)) return 1;
    QuietUi ui;
    ed::SmartRoute router(HeapPool(), ui);
    RoutedPage routed(page);
    routed.RouteAll(router);
    std::fputs(WriteCourses(routed.Courses()).c_str(), stdout);
    return 0;
  }
  if (std::strcmp(argv[1], "--measure") == 0 && argc == 4) {
    if (!LoadPage(argv[2], page)) return 1;
    std::string text, error;
    std::vector<Polyline> courses;
    if (!ReadFile(argv[3], text) || !ReadCourses(text, courses, error)) {
      std::fprintf(stderr, "%s: %s\n", argv[3], error.empty() ? "cannot read" : error.c_str());
      return 1;
    }
    if (courses.size() != page.lines.size()) {
      std::fprintf(stderr, "%zu courses for %zu lines\n", courses.size(), page.lines.size());
      return 1;
    }
    PrintFigures(argv[3], Measure(page, courses));
    return 0;
  }
  std::fprintf(stderr, "usage: router_bench [--page N SEED | --route PAGE | --measure PAGE COURSES]\n");
  return 2;
}

}  // namespace
}  // namespace routebench

int main(int argc, char** argv) {
  using namespace routebench;
  if (argc > 1 && std::strncmp(argv[1], "--", 2) == 0 && std::strncmp(argv[1], "--benchmark", 11) != 0) {
    return Tool(argc, argv);
  }
  benchmark::Initialize(&argc, argv);
  bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\nCourses over %d seeds (seed 1 in full):\n", kSeeds);
  for (int n : kSizes) {
    const Outcome first = RoutePage(GeneratePage(n, 1));
    char what[64];
    std::snprintf(what, sizeof what, "%d blocks / %d lines, %.0f ms", n, 2 * n, first.ms);
    PrintFigures(what, first.figures);
    std::printf("  %.0f paths taken per line\n", double(first.pops) / double(std::max<std::size_t>(1, 2 * n)));
    long through = 0, fixed = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
      const Outcome o = RoutePage(GeneratePage(n, static_cast<std::uint64_t>(seed)));
      through += o.figures.throughBlocks;
      fixed += o.fixed;
    }
    std::printf("  all seeds: %ld segments through blocks, %ld lines in the fixed form\n", through, fixed);
  }
  std::printf("\nTimes against their limits:\n");
  const double t200 = reporter.Time("BM_RoutePage/200");
  const double t400 = reporter.Time("BM_RoutePage/400");
  if (t200 > 0) std::printf("200 blocks  %7.1f ms  (under 200 ms: %s)\n", t200, t200 < 200 ? "yes" : "no");
  if (t400 > 0) std::printf("400 blocks  %7.1f ms  (under 500 ms: %s)\n", t400, t400 < 500 ? "yes" : "no");
  reporter.Ratio("BM_RoutePage/400", "BM_RoutePage/200", 2.4);
  benchmark::Shutdown();
  return 0;
}
