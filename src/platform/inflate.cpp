#include "platform/inflate.h"

#include <array>

namespace ostrevan {
namespace {

// Reads the bit stream least significant bit first, as deflate stores it.
class BitReader {
public:
    explicit BitReader(ByteView in, size_t start) : in_(in), pos_(start) {}
    // nullopt past the end of the input.
    std::optional<uint32_t> Bits(unsigned count) {
        while (have_ < count) {
            auto b = in_.U8(pos_);
            if (!b) return std::nullopt;
            ++pos_;
            buffer_ |= uint64_t{*b} << have_;
            have_ += 8;
        }
        const uint32_t v = static_cast<uint32_t>(buffer_ & ((uint64_t{1} << count) - 1));
        buffer_ >>= count;
        have_ -= count;
        return v;
    }
    void AlignToByte() {
        buffer_ >>= have_ % 8;
        have_ -= have_ % 8;
    }
    // The byte position after what was consumed (whole bytes only).
    size_t BytePosition() const { return pos_ - have_ / 8; }
    void Skip(size_t bytes) {
        buffer_ = 0;
        have_ = 0;
        pos_ = bytes;
    }

private:
    ByteView in_;
    size_t pos_;
    uint64_t buffer_ = 0;
    unsigned have_ = 0;
};

// A canonical Huffman code: counts of codes per length and the symbols in code order.
struct Huffman {
    std::array<uint16_t, 16> counts{};
    std::array<uint16_t, 288> symbols{};

    // Which codes may leave codes unused: the fixed ones may; a stream's code of the code
    // lengths may not; a stream's literal or distance code only when it is one code of one bit.
    enum class Unused { kAllowed, kRefused, kOneBitCodeOnly };

    // False when the lengths over-subscribe the code, or leave codes unused where `unused`
    // refuses it. A code without any length is built empty: decoding with it fails.
    bool Build(const uint8_t* lengths, size_t n, Unused unused) {
        counts.fill(0);
        for (size_t i = 0; i < n; ++i) ++counts[lengths[i]];
        counts[0] = 0;
        int left = 1, longest = 0;
        for (int len = 1; len < 16; ++len) {
            left <<= 1;
            left -= counts[len];
            if (left < 0) return false;
            if (counts[len]) longest = len;
        }
        if (left > 0 && longest > 0 && (unused == Unused::kRefused || (unused == Unused::kOneBitCodeOnly && longest != 1)))
            return false;
        std::array<uint16_t, 16> offsets{};
        for (int len = 1; len < 15; ++len) offsets[len + 1] = static_cast<uint16_t>(offsets[len] + counts[len]);
        for (size_t i = 0; i < n; ++i)
            if (lengths[i]) symbols[offsets[lengths[i]]++] = static_cast<uint16_t>(i);
        return true;
    }

    std::optional<int> Decode(BitReader& bits) const {
        int code = 0, first = 0, index = 0;
        for (int len = 1; len < 16; ++len) {
            auto b = bits.Bits(1);
            if (!b) return std::nullopt;
            code |= static_cast<int>(*b);
            const int count = counts[len];
            if (code - count < first) return symbols[static_cast<size_t>(index + (code - first))];
            index += count;
            first += count;
            first <<= 1;
            code <<= 1;
        }
        return std::nullopt;
    }
};

constexpr uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t kDistBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

bool InflateBlock(BitReader& bits, const Huffman& lit, const Huffman& dist, std::vector<uint8_t>& out,
                  size_t maxOutput) {
    for (;;) {
        auto sym = lit.Decode(bits);
        if (!sym) return false;
        if (*sym < 256) {
            if (out.size() >= maxOutput) return false;
            out.push_back(static_cast<uint8_t>(*sym));
        } else if (*sym == 256) {
            return true;
        } else {
            const int l = *sym - 257;
            if (l >= 29) return false;
            auto extra = bits.Bits(kLengthExtra[l]);
            if (!extra) return false;
            const size_t length = kLengthBase[l] + *extra;
            auto d = dist.Decode(bits);
            if (!d || *d >= 30) return false;
            auto dextra = bits.Bits(kDistExtra[*d]);
            if (!dextra) return false;
            const size_t distance = kDistBase[*d] + *dextra;
            if (distance > out.size() || length > maxOutput - out.size()) return false;
            const size_t from = out.size() - distance;
            for (size_t i = 0; i < length; ++i) out.push_back(out[from + i]);
        }
    }
}

bool FixedTables(Huffman& lit, Huffman& dist) {
    uint8_t lengths[288];
    int i = 0;  // one run through the symbols, each range where the last one ended
    for (; i < 144; ++i) lengths[i] = 8;
    for (; i < 256; ++i) lengths[i] = 9;
    for (; i < 280; ++i) lengths[i] = 7;
    for (; i < 288; ++i) lengths[i] = 8;
    uint8_t dl[30];
    for (auto& x : dl) x = 5;
    return lit.Build(lengths, 288, Huffman::Unused::kAllowed) && dist.Build(dl, 30, Huffman::Unused::kAllowed);
}

bool DynamicTables(BitReader& bits, Huffman& lit, Huffman& dist) {
    auto hlit = bits.Bits(5), hdist = bits.Bits(5), hclen = bits.Bits(4);
    if (!hlit || !hdist || !hclen) return false;
    const unsigned nlit = *hlit + 257, ndist = *hdist + 1, nclen = *hclen + 4;
    if (nlit > 286 || ndist > 30) return false;
    static constexpr uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    uint8_t clen[19] = {};
    for (unsigned i = 0; i < nclen; ++i) {
        auto v = bits.Bits(3);
        if (!v) return false;
        clen[kOrder[i]] = static_cast<uint8_t>(*v);
    }
    Huffman codeLengths;
    if (!codeLengths.Build(clen, 19, Huffman::Unused::kRefused)) return false;
    uint8_t lengths[286 + 30] = {};
    unsigned n = 0;
    while (n < nlit + ndist) {
        auto sym = codeLengths.Decode(bits);
        if (!sym) return false;
        if (*sym < 16) {
            lengths[n++] = static_cast<uint8_t>(*sym);
            continue;
        }
        uint8_t value = 0;
        unsigned repeat = 0;
        if (*sym == 16) {
            if (n == 0) return false;
            value = lengths[n - 1];
            auto r = bits.Bits(2);
            if (!r) return false;
            repeat = 3 + *r;
        } else if (*sym == 17) {
            auto r = bits.Bits(3);
            if (!r) return false;
            repeat = 3 + *r;
        } else {
            auto r = bits.Bits(7);
            if (!r) return false;
            repeat = 11 + *r;
        }
        if (n + repeat > nlit + ndist) return false;
        while (repeat--) lengths[n++] = value;
    }
    if (lengths[256] == 0) return false;  // no end-of-block code
    return lit.Build(lengths, nlit, Huffman::Unused::kOneBitCodeOnly) &&
           dist.Build(lengths + nlit, ndist, Huffman::Unused::kOneBitCodeOnly);
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

}  // namespace

std::optional<std::vector<uint8_t>> ZlibInflate(ByteView stream, size_t maxOutput) {
    auto cmf = stream.U8(0), flg = stream.U8(1);
    if (!cmf || !flg || (*cmf & 0x0F) != 8 || (*cmf >> 4) > 7 || ((*cmf << 8) | *flg) % 31 != 0 || (*flg & 0x20))
        return std::nullopt;
    std::vector<uint8_t> out;
    BitReader bits(stream, 2);
    for (;;) {
        auto last = bits.Bits(1), type = bits.Bits(2);
        if (!last || !type) return std::nullopt;
        if (*type == 0) {
            bits.AlignToByte();
            const size_t at = bits.BytePosition();
            auto len = stream.U16(at), nlen = stream.U16(at + 2);
            if (!len || !nlen || *len != static_cast<uint16_t>(~*nlen)) return std::nullopt;
            auto data = stream.Sub(at + 4, *len);
            if (!data || *len > maxOutput - out.size()) return std::nullopt;
            out.insert(out.end(), data->data(), data->data() + data->size());
            bits.Skip(at + 4 + *len);
        } else if (*type == 1 || *type == 2) {
            Huffman lit, dist;
            if (!(*type == 1 ? FixedTables(lit, dist) : DynamicTables(bits, lit, dist))) return std::nullopt;
            if (!InflateBlock(bits, lit, dist, out, maxOutput)) return std::nullopt;
        } else {
            return std::nullopt;
        }
        if (*last) break;
    }
    bits.AlignToByte();
    const size_t at = bits.BytePosition();
    auto check = stream.Sub(at, 4);
    if (!check) return std::nullopt;
    const uint32_t expected = (uint32_t{check->data()[0]} << 24) | (uint32_t{check->data()[1]} << 16) |
                              (uint32_t{check->data()[2]} << 8) | check->data()[3];
    if (expected != Adler32(out)) return std::nullopt;
    return out;
}

}  // namespace ostrevan
