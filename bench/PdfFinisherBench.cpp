// PDF finishing benchmark: times reading the facts of a large PDF and writing
// it again with a new outline of one entry per named destination.
//
//   pellin_pdf_finisher_bench [file.pdf] [benchmark options]
//
// Without a file it builds a 3,000-page PDF with three named destinations per
// page (kept in the temporary folder between runs).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "PdfBuilder.h"
#include "platform/pdf/QpdfFinisher.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPages = 3000;
constexpr int kPerPage = 3;
constexpr std::size_t kEntriesPerChapter = 20;

std::string SyntheticPdf() {
    const std::string path = (fs::temp_directory_path() / "pellin-finisher-bench.pdf").string();
    if (fs::exists(path)) return path;
    pdftest::PdfBuilder builder(kPages);
    for (int page = 0; page < kPages; ++page)
        for (int n = 0; n < kPerPage; ++n)
            builder.AddNamedDestination("topic-" + std::to_string(page) + "-" + std::to_string(n),
                                        page, 800 - 250 * n);
    builder.Write(path);
    return path;
}

// Chapters of twenty entries, one entry per destination.
std::vector<platform::PdfOutlineItem> OutlineOf(const std::vector<std::string>& names) {
    std::vector<platform::PdfOutlineItem> chapters;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i % kEntriesPerChapter == 0)
            chapters.push_back({"Chapter " + std::to_string(chapters.size() + 1), "", {}});
        chapters.back().Children.push_back({"Глава " + names[i], names[i], {}});
    }
    return chapters;
}

std::string input;

void Inspect(benchmark::State& state) {
    platform::QpdfFinisher finisher;
    for (auto _ : state) benchmark::DoNotOptimize(finisher.Inspect(input));
    const auto facts = finisher.Inspect(input);
    state.counters["pages"] = facts.Pages;
    state.counters["names"] = static_cast<double>(facts.NamedDestinations.size());
}

void Finish(benchmark::State& state) {
    platform::QpdfFinisher finisher;
    platform::PdfFinish finish;
    finish.Title = "Руководство";
    finish.Creator = "Pellin Convertor";
    finish.Language = "ru-RU";
    finish.Outline = OutlineOf(finisher.Inspect(input).NamedDestinations);
    const std::string output = input + ".finished.pdf";
    for (auto _ : state) finisher.Finish(input, output, finish);
    state.counters["bytes_in"] = static_cast<double>(fs::file_size(input));
    state.counters["bytes_out"] = static_cast<double>(fs::file_size(output));
    fs::remove(output);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && argv[1][0] != '-') {
        input = argv[1];
        argv[1] = argv[0];  // the benchmark options follow the program name
        --argc;
        ++argv;
    } else {
        input = SyntheticPdf();
    }
    benchmark::RegisterBenchmark("Inspect", Inspect)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Finish", Finish)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
}
