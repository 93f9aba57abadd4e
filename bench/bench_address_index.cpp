// The address index of a large run: 1 million occurrences of 100,000
// addresses over 20,000 documents, each address in about 10 documents and a
// name with a third of them. Reports the time per occurrence and the memory
// the index holds (resident set growth), which should stay under 200 MB.
#include "extract/AddressIndex.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using harvelux::extract::AddressIndex;

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

void BM_IndexOneMillionOccurrences(benchmark::State& state) {
    constexpr std::size_t kAddresses = 100'000;
    constexpr std::size_t kOccurrences = 1'000'000;
    constexpr std::size_t kDocuments = 20'000;
    std::vector<std::string> addresses;
    addresses.reserve(kAddresses);
    for (std::size_t i = 0; i < kAddresses; ++i)
        addresses.push_back("person" + std::to_string(i) + "@domain" + std::to_string(i % 997) + ".example.com");
    const std::vector<std::string> names = {"Jane Doe", "John Smith", "Accounts Department", "Support"};
    double megabytes = 0;
    for (auto _ : state) {
        const long before = residentKiB();
        auto index = std::make_unique<AddressIndex>();
        std::size_t next = 0;
        for (std::size_t d = 0; d < kDocuments; ++d) {
            index->beginDocument(
                "/archive/folder" + std::to_string(d % 100) + "/document" + std::to_string(d) + ".docx", d + 1);
            for (std::size_t k = 0; k < kOccurrences / kDocuments; ++k, ++next) {
                const std::size_t a = (next * 7919) % kAddresses;
                const auto story =
                    next % 5 == 0 ? harvelux::wordproc::StoryKind::HeadersFooters : harvelux::wordproc::StoryKind::Main;
                index->add(addresses[a], story, next % 3 == 0 ? names[a % names.size()] : std::string());
            }
        }
        benchmark::DoNotOptimize(index->size());
        // The first pass shows the growth; later ones reuse the memory freed.
        megabytes = std::max(megabytes, static_cast<double>(residentKiB() - before) / 1024.0);
        state.PauseTiming();
        index.reset();
        state.ResumeTiming();
    }
    state.counters["index_MB"] = megabytes;
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kOccurrences));
}
BENCHMARK(BM_IndexOneMillionOccurrences)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
