// Reads every document of a list on N threads, each thread taking the next
// unread document, in no particular order and handing the texts to no one:
// what N threads of the document engine can do on this machine at best, to
// set the read-ahead pipeline's figures against.
//
//     parallel_read LIST-FILE [THREADS...]     (default: 1 and 2 threads)
#include "common/LocalTimeZone.h"
#include "extract/DocumentReadout.h"
#include "wordproc/BuiltInEngine.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    harvelux::pinLocalTimeZone();  // as both programs do
    if (argc < 2) {
        std::fprintf(stderr, "usage: parallel_read LIST-FILE [THREADS...]\n");
        return 2;
    }
    std::vector<std::string> paths;
    std::ifstream in(argv[1]);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) paths.push_back(line);
    std::vector<unsigned> counts;
    for (int i = 2; i < argc; ++i) counts.push_back(static_cast<unsigned>(std::max(1, std::atoi(argv[i]))));
    if (counts.empty()) counts = {1, 2};

    harvelux::wordproc::BuiltInEngineFactory engine;
    for (const unsigned threads : counts) {
        std::atomic<std::size_t> next{0};
        std::atomic<std::size_t> bytes{0};
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::thread> readers;
        for (unsigned t = 0; t < threads; ++t)
            readers.emplace_back([&] {
                for (std::size_t i; (i = next++) < paths.size();)
                    bytes += harvelux::extract::readDocument(engine, paths[i]).text.size();
            });
        for (std::thread& reader : readers) reader.join();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%u threads: %.3f s, %.0f documents/s, %zu bytes of text\n", threads, seconds,
                    static_cast<double>(paths.size()) / seconds, bytes.load());
    }
    return 0;
}
