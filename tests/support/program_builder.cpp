#include "support/program_builder.h"

#include <algorithm>
#include <map>

namespace ostrevan::testing {

void Put16(Bytes& b, size_t at, uint32_t v) {
    if (b.size() < at + 2) b.resize(at + 2);
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

namespace {
void Append16(Bytes& b, uint32_t v) { Put16(b, b.size(), v); }
void Align4(Bytes& b, size_t base = 0) {
    while ((b.size() - base) % 4) b.push_back(0);
}

}  // namespace

std::string HostPath(const std::string& path) {
#if defined(_WIN32)
    std::string p = "Z:" + path;
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
#else
    return path;
#endif
}

std::string FixturePath(const std::string& name) {
    return HostPath(std::string(OSTREVAN_BINARY_DIR) + "/tests/fixtures/" + name + ".exe");
}

Bytes BuildPe(const std::vector<Resource>& resources, bool pe32plus, PeLayout* layout) {
    constexpr uint32_t kFileAlign = 0x200, kSectionRva = 0x1000;
    // Resource section: directories first, then data entries, then names, then data.
    // type -> names in order (text names first, as the platform's compilers store them) -> languages.
    std::vector<uint16_t> types;
    for (const auto& r : resources)
        if (std::find(types.begin(), types.end(), r.type) == types.end()) types.push_back(r.type);
    std::sort(types.begin(), types.end());
    struct NameGroup { const Resource* first; std::vector<const Resource*> langs; };
    std::map<uint16_t, std::vector<NameGroup>> groups;
    for (uint16_t t : types) {
        auto& g = groups[t];
        for (const auto& r : resources) {
            if (r.type != t) continue;
            auto it = std::find_if(g.begin(), g.end(), [&](const NameGroup& n) {
                return n.first->name == r.name && (r.name.size() || n.first->id == r.id);
            });
            if (it == g.end()) g.push_back({&r, {&r}});
            else it->langs.push_back(&r);
        }
        std::stable_sort(g.begin(), g.end(), [](const NameGroup& a, const NameGroup& b) {
            return !a.first->name.empty() && b.first->name.empty();
        });
    }
    // Sizes of the directory part.
    size_t dirBytes = 16 + 8 * types.size();
    size_t dataEntries = 0;
    for (auto t : types) {
        dirBytes += 16 + 8 * groups[t].size();
        for (auto& n : groups[t]) {
            dirBytes += 16 + 8 * n.langs.size();
            dataEntries += n.langs.size();
        }
    }
    Bytes rsrc(dirBytes + 16 * dataEntries, 0);
    size_t nextDir = 16 + 8 * types.size();
    size_t nextData = dirBytes;
    std::vector<std::pair<size_t, const Resource*>> pendingData;  // data entry offset -> resource
    std::vector<std::pair<size_t, std::u16string>> pendingNames;  // entry offset -> name
    Put16(rsrc, 14, static_cast<uint32_t>(types.size()));
    for (size_t ti = 0; ti < types.size(); ++ti) {
        auto& g = groups[types[ti]];
        const size_t typeDir = nextDir;
        Put32(rsrc, 16 + 8 * ti, types[ti]);
        Put32(rsrc, 16 + 8 * ti + 4, 0x80000000u | static_cast<uint32_t>(typeDir));
        nextDir += 16 + 8 * g.size();
        size_t namedCount = 0;
        for (auto& n : g) namedCount += n.first->name.empty() ? 0 : 1;
        Put16(rsrc, typeDir + 12, static_cast<uint32_t>(namedCount));
        Put16(rsrc, typeDir + 14, static_cast<uint32_t>(g.size() - namedCount));
        for (size_t ni = 0; ni < g.size(); ++ni) {
            const size_t entry = typeDir + 16 + 8 * ni;
            if (g[ni].first->name.empty()) Put32(rsrc, entry, g[ni].first->id);
            else pendingNames.push_back({entry, g[ni].first->name});
            const size_t langDir = nextDir;
            Put32(rsrc, entry + 4, 0x80000000u | static_cast<uint32_t>(langDir));
            nextDir += 16 + 8 * g[ni].langs.size();
            Put16(rsrc, langDir + 14, static_cast<uint32_t>(g[ni].langs.size()));
            for (size_t li = 0; li < g[ni].langs.size(); ++li) {
                Put32(rsrc, langDir + 16 + 8 * li, g[ni].langs[li]->language);
                Put32(rsrc, langDir + 16 + 8 * li + 4, static_cast<uint32_t>(nextData));
                pendingData.push_back({nextData, g[ni].langs[li]});
                nextData += 16;
            }
        }
    }
    for (auto& [entry, name] : pendingNames) {
        Align4(rsrc);
        Put32(rsrc, entry, 0x80000000u | static_cast<uint32_t>(rsrc.size()));
        Append16(rsrc, static_cast<uint32_t>(name.size()));
        for (char16_t c : name) Append16(rsrc, c);
    }
    for (auto& [entry, r] : pendingData) {
        Align4(rsrc);
        Put32(rsrc, entry, kSectionRva + static_cast<uint32_t>(rsrc.size()));
        Put32(rsrc, entry + 4, static_cast<uint32_t>(r->data.size()));
        rsrc.insert(rsrc.end(), r->data.begin(), r->data.end());
    }
    const uint32_t rawSize = static_cast<uint32_t>((rsrc.size() + kFileAlign - 1) / kFileAlign * kFileAlign);
    const uint32_t virtualSize = static_cast<uint32_t>(rsrc.size());

    Bytes f(kFileAlign, 0);
    f[0] = 'M', f[1] = 'Z';
    Put32(f, 0x3C, 0x40);
    f[0x40] = 'P', f[0x41] = 'E';
    const size_t coff = 0x44;
    const uint32_t optSize = pe32plus ? 240 : 224;
    Put16(f, coff, pe32plus ? 0x8664 : 0x14C);
    Put16(f, coff + 2, 1);
    Put16(f, coff + 16, optSize);
    Put16(f, coff + 18, pe32plus ? 0x0022 : 0x0102);
    const size_t opt = coff + 20;
    Put16(f, opt, pe32plus ? 0x20B : 0x10B);
    Put32(f, opt + 16, 0);  // no entry point: only a resource container
    if (pe32plus) {
        Put32(f, opt + 24, 0x00400000), Put32(f, opt + 28, 0);
    } else {
        Put32(f, opt + 28, 0x00400000);
    }
    Put32(f, opt + 32, 0x1000);
    Put32(f, opt + 36, kFileAlign);
    Put16(f, opt + 40, 4), Put16(f, opt + 48, 4);  // OS and subsystem version 4.0
    Put32(f, opt + 56, kSectionRva + ((virtualSize + 0xFFF) & ~0xFFFu));
    Put32(f, opt + 60, kFileAlign);
    Put16(f, opt + 68, 2);  // graphical subsystem
    const size_t counts = pe32plus ? opt + 108 : opt + 92;
    if (pe32plus) {
        Put32(f, opt + 72, 0x100000), Put32(f, opt + 80, 0x1000), Put32(f, opt + 88, 0x100000),
            Put32(f, opt + 96, 0x1000);
    } else {
        Put32(f, opt + 72, 0x100000), Put32(f, opt + 76, 0x1000), Put32(f, opt + 80, 0x100000),
            Put32(f, opt + 84, 0x1000);
    }
    Put32(f, counts, 16);
    Put32(f, counts + 4 + 16, kSectionRva);
    Put32(f, counts + 8 + 16, virtualSize);
    const size_t sec = opt + optSize;
    const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
    std::copy(name, name + 8, f.begin() + static_cast<long>(sec));
    Put32(f, sec + 8, virtualSize);
    Put32(f, sec + 12, kSectionRva);
    Put32(f, sec + 16, rawSize);
    Put32(f, sec + 20, kFileAlign);
    Put32(f, sec + 36, 0x40000040);  // initialised data, readable
    f.resize(kFileAlign);
    rsrc.resize(rawSize, 0);
    f.insert(f.end(), rsrc.begin(), rsrc.end());
    if (layout) *layout = PeLayout{kFileAlign, kSectionRva};
    return f;
}

Bytes BuildNe(const std::vector<NeResource>& resources, unsigned shift) {
    Bytes f(0x40, 0);
    f[0] = 'M', f[1] = 'Z';
    Put32(f, 0x3C, 0x40);
    Bytes h(64, 0);
    h[0] = 'N', h[1] = 'E';
    h[0x36] = 2;  // Windows
    Put16(h, 0x3E, 0x030A);
    // Resource table right after the header; group resources by type in the order given.
    Bytes table;
    Append16(table, shift);
    std::vector<uint16_t> types;
    for (auto& r : resources)
        if (std::find(types.begin(), types.end(), r.type) == types.end()) types.push_back(r.type);
    std::vector<std::pair<size_t, const NeResource*>> slots;
    for (auto t : types) {
        Append16(table, 0x8000u | t);
        size_t n = 0;
        for (auto& r : resources) n += r.type == t;
        Append16(table, static_cast<uint32_t>(n));
        Append16(table, 0), Append16(table, 0);
        for (auto& r : resources) {
            if (r.type != t) continue;
            slots.push_back({table.size(), &r});
            for (int i = 0; i < 6; ++i) Append16(table, 0);
        }
    }
    Append16(table, 0);
    table.push_back(0);  // empty resident-name table
    Put16(h, 0x24, 64);
    Put16(h, 0x26, static_cast<uint32_t>(64 + table.size() - 1));
    Put16(h, 0x28, static_cast<uint32_t>(64 + table.size()));
    Put16(h, 0x2A, static_cast<uint32_t>(64 + table.size()));
    Put16(h, 0x2C, static_cast<uint32_t>(64 + table.size()));
    f.insert(f.end(), h.begin(), h.end());
    const size_t tableAt = f.size();
    f.insert(f.end(), table.begin(), table.end());
    const size_t unit = size_t{1} << shift;
    for (auto& [slot, r] : slots) {
        while (f.size() % unit) f.push_back(0);
        const size_t at = f.size();
        f.insert(f.end(), r->data.begin(), r->data.end());
        while (f.size() % unit) f.push_back(0);
        Put16(f, tableAt + slot, static_cast<uint32_t>(at >> shift));
        Put16(f, tableAt + slot + 2, static_cast<uint32_t>((f.size() - at) >> shift));
        Put16(f, tableAt + slot + 4, 0x0030);
        Put16(f, tableAt + slot + 6, 0x8000u | r->id);
    }
    return f;
}

VerNode Str(const std::string& key, const std::u16string& text, bool terminate) {
    return VerNode{key, true, terminate ? text + u'\0' : text, {}, -1, {}};
}

VerNode Block(const std::string& key, std::vector<VerNode> children) {
    return VerNode{key, true, u"", {}, -1, std::move(children)};
}

VerNode Translation(const std::vector<std::pair<uint16_t, uint16_t>>& pairs) {
    VerNode n;
    n.key = "Translation";
    for (auto [lang, cp] : pairs) {
        Append16(n.binaryValue, lang);
        Append16(n.binaryValue, cp);
    }
    return n;
}

VerNode VersionRoot(std::vector<VerNode> children) {
    VerNode n;
    n.key = "VS_VERSION_INFO";
    Bytes fixed(52, 0);
    Put32(fixed, 0, 0xFEEF04BD);
    Put32(fixed, 4, 0x00010000);
    n.binaryValue = fixed;
    n.children = std::move(children);
    return n;
}

namespace {

// A node of a 32-bit block (UTF-16 keys and text, a type word) or of a 16-bit one (8-bit).
Bytes Node(const VerNode& n, bool wide) {
    Bytes b(wide ? 6 : 4, 0);
    auto put = [&](uint32_t c) { wide ? Append16(b, c) : b.push_back(static_cast<uint8_t>(c)); };
    for (char c : n.key) put(static_cast<unsigned char>(c));
    put(0);
    Align4(b);
    uint32_t stored = 0;
    if (n.text) {
        for (char16_t c : n.textValue) put(c);
        stored = static_cast<uint32_t>(n.textValue.size());
    } else {
        b.insert(b.end(), n.binaryValue.begin(), n.binaryValue.end());
        stored = static_cast<uint32_t>(n.binaryValue.size());
    }
    for (auto& c : n.children) {
        Align4(b);
        Bytes child = Node(c, wide);
        b.insert(b.end(), child.begin(), child.end());
    }
    Put16(b, 0, static_cast<uint32_t>(b.size()));
    Put16(b, 2, n.valueLength >= 0 ? static_cast<uint32_t>(n.valueLength) : stored);
    if (wide) Put16(b, 4, n.text ? 1 : 0);
    return b;
}

}  // namespace

Bytes BuildVersionBlock32(const VerNode& root) { return Node(root, true); }
Bytes BuildVersionBlock16(const VerNode& root) { return Node(root, false); }

std::vector<Resource> IconResources(const std::string& ico, uint16_t groupId, uint16_t firstIconId,
                                    const std::u16string& groupName) {
    auto u16 = [&](size_t at) { return static_cast<uint32_t>(static_cast<uint8_t>(ico[at]) | (static_cast<uint8_t>(ico[at + 1]) << 8)); };
    auto u32 = [&](size_t at) { return u16(at) | (u16(at + 2) << 16); };
    std::vector<Resource> out;
    Resource group{14, groupId, groupName, 0x0409, {}};
    const uint32_t count = u16(4);
    Append16(group.data, 0);
    Append16(group.data, 1);
    Append16(group.data, count);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t e = 6 + 16 * i;
        for (size_t k = 0; k < 8; ++k) group.data.push_back(static_cast<uint8_t>(ico[e + k]));  // sizes, colours, planes, bits
        const uint32_t bytes = u32(e + 8), offset = u32(e + 12);
        Append16(group.data, bytes & 0xFFFF);
        Append16(group.data, bytes >> 16);
        Append16(group.data, static_cast<uint32_t>(firstIconId + i));
        out.push_back(Resource{3, static_cast<uint16_t>(firstIconId + i), u"", 0x0409,
                               Bytes(ico.begin() + offset, ico.begin() + offset + bytes)});
    }
    out.push_back(group);
    return out;
}

Bytes PeWithVersion(const Bytes& block) { return BuildPe({Resource{16, 1, u"", 0x0409, block}}); }

}  // namespace ostrevan::testing
