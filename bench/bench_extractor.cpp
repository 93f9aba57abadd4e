// Throughput of the address extractor over UTF-8 text, in bytes of input per
// second: ordinary prose with a few addresses, prose outside ASCII with many
// quoted addresses, and text dense with candidate words (most of them not
// addresses).
#include "extract/ExtractEmails.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using harvelux::extract::ExtractEmails;
using harvelux::extract::SeenAddresses;

std::string prose(std::size_t bytes, int addressEvery) {
    static const char* words[] = {"the",   "quarterly", "report", "was",     "sent", "to",   "our",
                                  "team,", "and",       "we",     "agreed.", "Ms.",  "Doe",  "(sales)",
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

void run(benchmark::State& state, const std::string& text, bool international = false) {
    for (auto _ : state) {
        SeenAddresses seen;
        auto found = ExtractEmails(text, seen, {}, {international});
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ProseFewAddresses(benchmark::State& state) {
    static const std::string text = prose(16 << 20, 2000);
    run(state, text);
}
BENCHMARK(BM_ProseFewAddresses)->Unit(benchmark::kMillisecond);

// The same with "Find International Addresses".
void BM_ProseFewAddressesInternational(benchmark::State& state) {
    static const std::string text = prose(16 << 20, 2000);
    run(state, text, true);
}
BENCHMARK(BM_ProseFewAddressesInternational)->Unit(benchmark::kMillisecond);

void BM_TypographicProseManyAddresses(benchmark::State& state) {
    // Prose outside ASCII (accents, curly quotes, dashes, CJK) with an
    // address every 40 words, quoted or ending a sentence: each one is
    // widened through multi-byte characters.
    static const char* words[] = {"caf\xC3\xA9",
                                  "\xE2\x80\x9Cquoted\xE2\x80\x9D",
                                  "na\xC3\xAFve",
                                  "\xE2\x80\x94",
                                  "\xE9\x82\xAE\xE7\xAE\xB1\xEF\xBC\x9A",
                                  "r\xC3\xA9sum\xC3\xA9",
                                  "the",
                                  "end."};
    static const std::string text = [] {
        std::mt19937 random(42);
        std::string t;
        int count = 0;
        while (t.size() < (16u << 20)) {
            if (++count % 40 == 0)
                t += (count % 80 == 0 ? "\xE2\x80\x9C" : "") + std::string("person") + std::to_string(count % 5000) +
                     "@example.com" + (count % 80 == 0 ? "\xE2\x80\x9D" : ".");
            else
                t += words[random() % (sizeof words / sizeof *words)];
            t += ' ';
        }
        return t;
    }();
    run(state, text);
}
BENCHMARK(BM_TypographicProseManyAddresses)->Unit(benchmark::kMillisecond);

void BM_ManyCandidates(benchmark::State& state) {
    // Every fourth word holds "@" and "."; half of those are valid addresses.
    std::string text;
    int i = 0;
    while (text.size() < (16u << 20)) {
        switch (i++ % 8) {
            case 1:
                text += "user" + std::to_string(i % 20000) + "@mail.example.org ";
                break;
            case 5:
                text += "broken@address. ";
                break;
            default:
                text += "word ";
                break;
        }
    }
    run(state, text, state.range(0) != 0);
}
// 0: as usual; 1: with "Find International Addresses".
BENCHMARK(BM_ManyCandidates)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
