// The inflater of the PNG decoder against zlib: on streams zlib writes (every level and strategy,
// blocks ended at random points so that references reach back across them), on a stream that
// uses every length and distance code, on damaged and truncated copies of them and on random
// block headers, both must accept with the same bytes, or both reject.
#include <functional>
#include <gtest/gtest.h>
#include <zlib.h>

#include <optional>

#include "differential/differential.h"
#include "platform/inflate.h"

namespace ostrevan::testing {
namespace {

using Bytes = std::vector<uint8_t>;

// What zlib makes of a stream: its data when it ends properly within `maxOutput` bytes.
std::optional<Bytes> ZlibReference(const Bytes& in, size_t maxOutput) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return std::nullopt;
    Bytes out(maxOutput + 1);
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const size_t produced = z.total_out;
    inflateEnd(&z);
    if (rc != Z_STREAM_END || produced > maxOutput) return std::nullopt;
    out.resize(produced);
    return out;
}

std::optional<Bytes> Ours(const Bytes& in, size_t maxOutput) { return ZlibInflate(ByteView(in), maxOutput); }

// Compresses in pieces, ending a block (or flushing the whole state) between some of them.
Bytes Deflate(std::mt19937& rng, const Bytes& data, int level, int windowBits, int strategy) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, windowBits, 8, strategy), Z_OK);
    Bytes out(deflateBound(&z, data.size()) + 64 * (data.size() / 100 + 16));
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    size_t at = 0;
    static constexpr int kFlushes[] = {Z_NO_FLUSH, Z_SYNC_FLUSH, Z_FULL_FLUSH, Z_BLOCK, Z_PARTIAL_FLUSH};
    while (at < data.size()) {
        const size_t piece = std::min(data.size() - at, size_t{std::uniform_int_distribution<size_t>(1, 20000)(rng)});
        z.next_in = const_cast<Bytef*>(data.data() + at);
        z.avail_in = static_cast<uInt>(piece);
        at += piece;
        EXPECT_EQ(deflate(&z, kFlushes[std::uniform_int_distribution<int>(0, 4)(rng)]), Z_OK);
    }
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// Writes a deflate stream bit by bit, least significant first; Huffman codes go most
// significant bit first, as deflate stores them.
struct BitWriter {
    Bytes bytes{0x78, 0x01};
    uint32_t acc = 0;
    int have = 0;
    void Put(uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            acc |= ((v >> i) & 1u) << have;
            if (++have == 8) bytes.push_back(static_cast<uint8_t>(acc)), acc = 0, have = 0;
        }
    }
    void Code(uint32_t code, int n) {
        for (int i = n - 1; i >= 0; --i) Put((code >> i) & 1u, 1);
    }
    void FixedSymbol(int s) {
        if (s < 144) Code(0x30 + s, 8);
        else if (s < 256) Code(0x190 + s - 144, 9);
        else if (s < 280) Code(s - 256, 7);
        else Code(0xC0 + s - 280, 8);
    }
    Bytes Finish() {
        if (have) bytes.push_back(static_cast<uint8_t>(acc));
        return bytes;
    }
};

// Appends the Adler-32 of what zlib inflates from the raw deflate data after the header.
Bytes WithChecksum(Bytes stream) {
    z_stream z{};
    EXPECT_EQ(inflateInit2(&z, -15), Z_OK);
    Bytes out(1 << 20);
    z.next_in = stream.data() + 2;
    z.avail_in = static_cast<uInt>(stream.size() - 2);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const uLong sum = adler32(adler32(0, nullptr, 0), out.data(), static_cast<uInt>(z.total_out));
    inflateEnd(&z);
    if (rc != Z_STREAM_END) return stream;  // an invalid stream keeps no check: both must refuse it
    for (int shift = 24; shift >= 0; shift -= 8) stream.push_back(static_cast<uint8_t>(sum >> shift));
    return stream;
}

struct Counts {
    int accepted = 0, rejected = 0;
};

void ExpectSame(const Bytes& stream, size_t maxOutput, Counts& counts, const std::string& what) {
    const auto theirs = ZlibReference(stream, maxOutput);
    const auto ours = Ours(stream, maxOutput);
    ASSERT_EQ(ours.has_value(), theirs.has_value()) << what << ": zlib " << (theirs ? "accepts" : "rejects")
                                                    << ", ours " << (ours ? "accepts" : "rejects");
    if (theirs) {
        ASSERT_EQ(ours->size(), theirs->size()) << what;
        ASSERT_TRUE(*ours == *theirs) << what;
        ++counts.accepted;
    } else {
        ++counts.rejected;
    }
}

// Damaged copies: cut short, a few bits flipped, a byte overwritten.
void ExpectSameWhenDamaged(std::mt19937& rng, const Bytes& stream, size_t maxOutput, Counts& counts) {
    auto at = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    for (int k = 0; k < 6; ++k) {
        Bytes cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(at(stream.size())));
        ExpectSame(cut, maxOutput, counts, "cut to " + std::to_string(cut.size()));
        Bytes flipped = stream;
        for (int f = 0, n = 1 + k % 3; f < n; ++f) flipped[at(flipped.size())] ^= static_cast<uint8_t>(1u << at(8));
        ExpectSame(flipped, maxOutput, counts, "bits flipped");
        Bytes overwritten = stream;
        overwritten[at(overwritten.size())] = static_cast<uint8_t>(at(256));
        ExpectSame(overwritten, maxOutput, counts, "byte overwritten");
    }
}

TEST(InflateAgainstZlib, StreamsZlibWritesAndTheirDamagedCopies) {
    std::mt19937 rng(DifferentialSeed("InflateAgainstZlib.StreamsZlibWritesAndTheirDamagedCopies"));
    static constexpr int kStrategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED};
    Counts counts;
    for (int trial = 0; trial < 100; ++trial) {
        const size_t n = trial % 5 == 0 ? std::uniform_int_distribution<size_t>(0, 64)(rng)
                                        : std::uniform_int_distribution<size_t>(1, 50000)(rng);
        const Bytes data = SampleBytes(rng, n);
        const int level = trial % 10;  // level 0 writes stored blocks
        const int windowBits = std::uniform_int_distribution<int>(9, 15)(rng);
        const Bytes stream = Deflate(rng, data, level, windowBits, kStrategies[trial % 5]);
        ExpectSame(stream, n + 10, counts, "level " + std::to_string(level));
        if (HasFailure()) return;
        auto ours = Ours(stream, n);
        ASSERT_TRUE(ours && *ours == data) << "the data zlib compressed, back in full";
        // One byte less room than the data needs is a refusal, never a cut result.
        if (n > 0) {
            EXPECT_FALSE(Ours(stream, n - 1));
        }
        ExpectSameWhenDamaged(rng, stream, n + 10, counts);
        if (HasFailure()) return;
    }
    EXPECT_GT(counts.accepted, 100);
    EXPECT_GT(counts.rejected, 100);
}

TEST(InflateAgainstZlib, EveryLengthAndDistanceCode) {
    std::mt19937 rng(DifferentialSeed("InflateAgainstZlib.EveryLengthAndDistanceCode"));
    static constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static constexpr int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                           6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    Counts counts;
    for (int round = 0; round < 8; ++round) {
        BitWriter w;
        // A first block of 33,000 literals, so that every distance reaches back into it; the
        // references then sit in later blocks.
        w.Put(0, 1), w.Put(1, 2);
        for (int i = 0; i < 33000; ++i) w.FixedSymbol(std::uniform_int_distribution<int>(0, 255)(rng));
        w.FixedSymbol(256);
        w.Put(1, 1), w.Put(1, 2);
        for (int l = 0; l < 29; ++l)
            for (int d = 0; d < 30; ++d) {
                w.FixedSymbol(257 + l);
                // Extra bits at both ends of their range and in between.
                const int lx = round == 0 ? 0 : round == 1 ? (1 << kLengthExtra[l]) - 1
                                                           : std::uniform_int_distribution<int>(0, (1 << kLengthExtra[l]) - 1)(rng);
                w.Put(static_cast<uint32_t>(lx), kLengthExtra[l]);
                w.Code(static_cast<uint32_t>(d), 5);
                const int dx = round == 0 ? 0 : round == 1 ? (1 << kDistExtra[d]) - 1
                                                           : std::uniform_int_distribution<int>(0, (1 << kDistExtra[d]) - 1)(rng);
                w.Put(static_cast<uint32_t>(dx), kDistExtra[d]);
            }
        // Rounds past the first two end with a symbol deflate reserves (286, 287 or a distance
        // code of 30 or 31), which both must refuse, though the check of what came before it
        // follows it as if it ended the stream.
        Bytes stream;
        if (round >= 2) {
            BitWriter ended = w;
            ended.FixedSymbol(256);
            const Bytes valid = WithChecksum(ended.Finish());
            const int bad = round < 6 ? round - 2 : std::uniform_int_distribution<int>(0, 3)(rng);
            if (bad < 2) {
                w.FixedSymbol(286 + bad);
            } else {
                // A reader looking for a longer code reads on to 15 bits: zeros up to there.
                w.FixedSymbol(257), w.Code(static_cast<uint32_t>(28 + bad), 5), w.Put(0, 10);
            }
            stream = w.Finish();
            stream.insert(stream.end(), valid.end() - 4, valid.end());
        } else {
            w.FixedSymbol(256);
            stream = WithChecksum(w.Finish());
        }
        ExpectSame(stream, 1 << 20, counts, "round " + std::to_string(round));
        if (round < 2) {
            EXPECT_EQ(counts.accepted, round + 1) << "every code, valid extra bits";
        }
        ExpectSameWhenDamaged(rng, stream, 1 << 20, counts);
    }
}

TEST(InflateAgainstZlib, RandomBlockHeadersAndHeaders) {
    std::mt19937 rng(DifferentialSeed("InflateAgainstZlib.RandomBlockHeadersAndHeaders"));
    auto byte = [&] { return static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(rng)); };
    Counts counts;
    // Random code-length tables behind a valid header: over-subscribed, incomplete and unusable
    // codes, repeats across the two tables.
    for (int trial = 0; trial < 20000; ++trial) {
        Bytes s{0x78, 0x9C, static_cast<uint8_t>((byte() & 0xF8) | (trial % 2 ? 0x5 : 0x4))};
        for (int i = 0, n = std::uniform_int_distribution<int>(1, 80)(rng); i < n; ++i) s.push_back(byte());
        ExpectSame(s, 4096, counts, "random dynamic block");
        if (HasFailure()) return;
    }
    // Codes that leave codes unused or promise more codes than their lengths have room for, in
    // blocks that would decode all the same: zlib refuses them all but a distance code of one
    // single bit. The lengths go in with the code-length code 0, 1, 2 and the zero run 18, two
    // bits each (codes 00, 01, 10 and 11), given in the order 16, 17, 18, 0, 8, ..., 2, 14, 1.
    auto block = [&](std::vector<int> lengths, size_t nlit, const std::function<void(BitWriter&)>& data,
                     uint32_t check, const std::string& what) {
        BitWriter w;
        w.Put(1, 1), w.Put(2, 2);
        w.Put(static_cast<uint32_t>(nlit - 257), 5), w.Put(static_cast<uint32_t>(lengths.size() - nlit - 1), 5);
        w.Put(14, 4);
        for (int i = 0; i < 18; ++i) w.Put(i == 2 || i == 3 || i == 15 || i == 17 ? 2 : 0, 3);
        for (size_t i = 0; i < lengths.size();) {
            size_t run = 0;
            while (i + run < lengths.size() && lengths[i + run] == 0 && run < 138) ++run;
            if (run >= 11) {
                w.Code(3, 2), w.Put(static_cast<uint32_t>(run - 11), 7);
                i += run;
            } else {
                w.Code(static_cast<uint32_t>(lengths[i++]), 2);
            }
        }
        data(w);
        Bytes stream = w.Finish();
        for (int shift = 24; shift >= 0; shift -= 8) stream.push_back(static_cast<uint8_t>(check >> shift));
        ExpectSame(stream, 16, counts, what);
    };
    // Blocks that declare more codes than deflate has (287 or 288 literal and length codes, 31
    // or 32 distance codes) and would otherwise decode to "A".
    for (auto [nlit, ndist] : {std::pair{287, 1}, {288, 1}, {257, 31}, {257, 32}}) {
        const int eob = nlit > 257 ? 2 : 1;  // with 257 or more a complete code
        std::vector<int> lengths(static_cast<size_t>(nlit + ndist), 0);
        lengths['A'] = 1, lengths[256] = eob, lengths[257] = eob == 2 ? 2 : 0, lengths[static_cast<size_t>(nlit)] = 1;
        block(lengths, static_cast<size_t>(nlit), [eob](BitWriter& w) { w.Code(0, 1), w.Code(eob == 1 ? 1 : 2, eob); },
              0x00420042, std::to_string(nlit) + " literal, " + std::to_string(ndist) + " distance codes");
    }
    // "A" one bit, the end of the block `eob` bits, "Z" `z` bits (0: none); one distance code.
    for (auto [eob, z, dist] : {std::array{2, 0, 1}, {1, 0, 2}, {1, 0, 1}, {1, 2, 1}, {2, 2, 1}}) {
        std::vector<int> lengths(257, 0);
        lengths['A'] = 1, lengths['Z'] = z, lengths[256] = eob;
        lengths.push_back(dist);
        block(lengths, 257, [eob = eob](BitWriter& w) { w.Code(0, 1), w.Code(eob == 1 ? 1 : 2, eob); }, 0x00420042,
              "\"A\": end of block " + std::to_string(eob) + " bits, Z " + std::to_string(z) + ", distance " +
                  std::to_string(dist));
    }
    // "A" and three more from one bit back, with three distance codes of one bit, or two.
    for (int ndist : {3, 2}) {
        std::vector<int> lengths(258, 0);
        lengths['A'] = 1, lengths[256] = 2, lengths[257] = 2;  // 257: a length of 3
        lengths.insert(lengths.end(), static_cast<size_t>(ndist), 1);
        block(lengths, 258, [](BitWriter& w) { w.Code(0, 1), w.Code(3, 2), w.Code(0, 1), w.Code(2, 2); },
              0x028E0105, "\"AAAA\" with " + std::to_string(ndist) + " one-bit distance codes");
    }
    // Every two-byte header before a valid deflate body.
    const Bytes body = {0x03, 0x00, 0x00, 0x00, 0x00, 0x01};  // an empty fixed block and its check
    for (int h = 0; h < 65536; ++h) {
        Bytes s{static_cast<uint8_t>(h >> 8), static_cast<uint8_t>(h)};
        s.insert(s.end(), body.begin(), body.end());
        ExpectSame(s, 16, counts, "header " + std::to_string(h));
    }
    EXPECT_GT(counts.accepted, 0);
}

}  // namespace
}  // namespace ostrevan::testing
