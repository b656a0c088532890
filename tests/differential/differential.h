#pragma once
// Shared by the differential tests: one seed per run, printed so that a failure can be replayed
// (OSTREVAN_SEED=N), and a generator of the inputs that decoders meet.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace ostrevan::testing {

inline uint32_t DifferentialSeed(const char* what) {
    uint32_t seed = 20261207;
    if (const char* s = std::getenv("OSTREVAN_SEED")) seed = static_cast<uint32_t>(std::strtoul(s, nullptr, 10));
    std::printf("%s: seed %u (replay with OSTREVAN_SEED=%u)\n", what, seed, seed);
    return seed;
}

// Bytes of the kinds that compress differently: random, a few symbols, runs, repeated patterns
// whose periods reach across the whole window, and text.
inline std::vector<uint8_t> SampleBytes(std::mt19937& rng, size_t n) {
    std::vector<uint8_t> out(n);
    auto pick = [&](uint32_t lo, uint32_t hi) { return std::uniform_int_distribution<uint32_t>(lo, hi)(rng); };
    switch (pick(0, 4)) {
        case 0:
            for (auto& b : out) b = static_cast<uint8_t>(pick(0, 255));
            break;
        case 1: {
            const uint32_t symbols = pick(1, 4);
            for (auto& b : out) b = static_cast<uint8_t>('a' + pick(0, symbols - 1));
            break;
        }
        case 2:
            for (size_t i = 0; i < n;) {
                const uint8_t v = static_cast<uint8_t>(pick(0, 3));
                for (size_t run = pick(1, 600); run-- && i < n;) out[i++] = v;
            }
            break;
        case 3: {
            const size_t period = pick(1, 40000);
            std::vector<uint8_t> unit(period);
            for (auto& b : unit) b = static_cast<uint8_t>(pick(0, 255));
            for (size_t i = 0; i < n; ++i) out[i] = unit[i % period] ^ (pick(0, 50) == 0 ? 1 : 0);
            break;
        }
        default: {
            static const char* words[] = {"the ", "year ", "2000 ", "ready ", "program ", "\r\n", "version "};
            std::string s;
            while (s.size() < n) s += words[pick(0, 6)];
            out.assign(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
        }
    }
    return out;
}

}  // namespace ostrevan::testing
