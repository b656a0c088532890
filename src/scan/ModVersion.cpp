#include "scan/ModVersion.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

#include "platform/ansi_path.h"
#include "platform/byte_reader.h"
#include "platform/version_api.h"
#include "platform/version_block.h"

namespace ostrevan {
namespace {

constexpr uint16_t kUsEnglish = 1033;
constexpr uint16_t kWindows1252 = 1252;
constexpr uint16_t kLastFallbackLanguage = 0xFFF;

std::optional<unsigned> HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return std::nullopt;
}

// The language of a table key that the walk's key for that language matches: eight hex digits
// (either case) ending in the code page 1252, with a language up to 0FFF.
std::optional<uint16_t> FallbackLanguageOf(const std::u16string& key) {
    if (key.size() != 8) return std::nullopt;
    unsigned value[8];
    for (size_t i = 0; i < 8; ++i) {
        auto d = HexDigit(key[i]);
        if (!d) return std::nullopt;
        value[i] = *d;
    }
    const unsigned language = (value[0] << 12) | (value[1] << 8) | (value[2] << 4) | value[3];
    const unsigned codePage = (value[4] << 12) | (value[5] << 8) | (value[6] << 4) | value[7];
    if (codePage != kWindows1252 || language > kLastFallbackLanguage) return std::nullopt;
    return static_cast<uint16_t>(language);
}

}  // namespace

std::string ModVersion::TableKey(uint16_t language, uint16_t codePage) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string key(8, '0');
    for (int i = 0; i < 4; ++i) {
        key[3 - i] = kHex[(language >> (4 * i)) & 0xF];
        key[7 - i] = kHex[(codePage >> (4 * i)) & 0xF];
    }
    return key;
}

void ModVersion::LoadVersionBlock(const std::string& path) {
    path_ = path;
    queries_ = 0;
    indexed_ = false;
    fallbackLanguages_.clear();
    tableKey_.clear();
    // A program the reader cannot find room for is undocumented like one without a block; it
    // never ends the scan.
    bool loaded = false;
    try {
        loaded = ownReader_ ? version::portable::LoadVersionInfo(path, block_)
                            : version::platform::LoadVersionInfo(path, block_);
    } catch (const std::bad_alloc&) {
        loaded = false;
    }
    if (!loaded) block_.assign(2, 0);
}

void ModVersion::LoadVersionBlock(const platform::HostPath& program) {
    LoadVersionBlock(platform::AnsiOpenablePath(program));
}

bool ModVersion::Query(const std::string& subBlock, const uint8_t** value, uint32_t* length) {
    ++queries_;
    return ownReader_ ? version::portable::VerQueryValueA(block_, subBlock, value, length)
                      : version::platform::VerQueryValueA(block_, subBlock, value, length);
}

// The fallback walk tries the keys 000004E4 .. 0FFF04E4 in order and stops at the first under
// which the field exists. A key can only find a field when it names a string table, so the
// tables are listed once per block and the walk visits only the languages that have one.
void ModVersion::IndexTables() {
    indexed_ = true;
    const ByteView view(block_);
    auto info = verblock::Find(view, "\\StringFileInfo");
    if (!info) return;
    const bool sixteen = verblock::IsSixteenBit(view);
    for (const auto& table : verblock::Children(verblock::WalkArea(view), *info, sixteen)) {
        if (auto language = FallbackLanguageOf(table.key)) fallbackLanguages_.push_back(*language);
    }
    std::sort(fallbackLanguages_.begin(), fallbackLanguages_.end());
    fallbackLanguages_.erase(std::unique(fallbackLanguages_.begin(), fallbackLanguages_.end()),
                             fallbackLanguages_.end());
}

std::string ModVersion::GetInfoString(const std::string& fieldName) {
    const uint8_t* value = nullptr;
    uint32_t length = 0;
    if (tableKey_.empty()) {
        // The translation list lies inside the block, which the queries never rewrite: one
        // reading serves every field of the block.
        uint16_t language = kUsEnglish;
        uint16_t codePage = 0;
        if (Query("\\VarFileInfo\\Translation", &value, &length)) {
            language = 0;
            const uint32_t entries = length / 4;
            for (uint32_t i = 0; i < entries; ++i) {
                std::memcpy(&language, value + 4 * i, 2);
                std::memcpy(&codePage, value + 4 * i + 2, 2);
                if (language == kUsEnglish) break;
            }
        }
        tableKey_ = TableKey(language, codePage);
        if (tableKey_ == "00000000") tableKey_ = "04090000";
        if (tableKey_ == "000004E4") tableKey_ = "040904E4";
    }

    bool found = Query("\\StringFileInfo\\" + tableKey_ + "\\" + fieldName, &value, &length);
    if (!found) {
        if (!indexed_) IndexTables();
        for (uint16_t fallback : fallbackLanguages_) {
            if (Query("\\StringFileInfo\\" + TableKey(fallback, kWindows1252) + "\\" + fieldName, &value,
                      &length)) {
                found = true;
                break;
            }
        }
    }
    if (!found) return "None";
    std::string text(reinterpret_cast<const char*>(value), length);
    text.resize(std::strlen(text.c_str()));
    return text.empty() ? "None" : text;
}

}  // namespace ostrevan
