// Throughput of the address extractor over UTF-8 text, in bytes of input per
// second: ordinary prose with a few addresses, and text dense with candidate
// words (most of them not addresses).
#include "extract/ExtractEmails.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using harvelux::extract::ExtractEmails;
using harvelux::extract::SeenAddresses;

std::string prose(std::size_t bytes, int addressEvery) {
    static const char* words[] = {"the",   "quarterly", "report", "was",     "sent", "to",  "our",
                                  "team,", "and",       "we",     "agreed.", "Ms.",  "Doe", "(sales)",
                                  "will",  "follow",    "up",     "on",      "all",  "open", "items;"};
    std::mt19937 random(42);
    std::string text;
    int count = 0;
    while (text.size() < bytes) {
        if (addressEvery > 0 && ++count % addressEvery == 0)
            text += "person" + std::to_string(count % 5000) + "@example.com";
        else
            text += words[random() % (sizeof words / sizeof *words)];
        text += (random() % 12 == 0) ? "\r" : " ";
    }
    return text;
}

void run(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        SeenAddresses seen;
        auto found = ExtractEmails(text, seen);
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ProseFewAddresses(benchmark::State& state) {
    static const std::string text = prose(16 << 20, 2000);
    run(state, text);
}
BENCHMARK(BM_ProseFewAddresses)->Unit(benchmark::kMillisecond);

void BM_ManyCandidates(benchmark::State& state) {
    // Every fourth word holds "@" and "."; half of those are valid addresses.
    std::string text;
    int i = 0;
    while (text.size() < (16u << 20)) {
        switch (i++ % 8) {
            case 1: text += "user" + std::to_string(i % 20000) + "@mail.example.org "; break;
            case 5: text += "broken@address. "; break;
            default: text += "word "; break;
        }
    }
    run(state, text);
}
BENCHMARK(BM_ManyCandidates)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
