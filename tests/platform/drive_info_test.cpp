// The drive page's arithmetic and the handling of drives that are not ready.
#include <gtest/gtest.h>

#include "platform/drive_info.h"
#include "platform/drive_map.h"
#include "platform/vb_error.h"

using namespace ostrevan;
using namespace ostrevan::platform;

TEST(DriveInfoArithmetic, MebibytesRoundHalvesToEven) {
    struct Case {
        uint64_t clusters;
        uint32_t spc, bps;
        int32_t want;
    } cases[] = {
        {65526, 64, 512, 2048},                // 2047.6875
        {32000, 64, 512, 1000},                // exactly 1000
        {1023ull * 2048 + 512, 1, 512, 1023},   // 1023.25
        {4093, 1, 1 << 19, 2046},              // 2046.5 -> 2046
        {4095, 1, 1 << 19, 2048},              // 2047.5 -> 2048
        {0, 0, 0, 0},                          // a failed query
        // 20 TiB in 4 KiB clusters: more clusters than 32 bits hold
        {5368709120ull, 8, 512, 20971520},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClustersToMebibytes(c.clusters, c.spc, c.bps), c.want) << c.clusters;
}

TEST(DriveInfoArithmetic, OverflowsAreReportedNotWrapped) {
    for (auto f : {+[] { ClustersToMebibytes(1, 65536, 65536); },              // bytes per cluster
                   +[] { ClustersToMebibytes(1ull << 40, 8, 4096); }}) {  // size past 32 bits
        try {
            f();
            ADD_FAILURE();
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
        }
    }
}

namespace {

std::optional<VolumeNames> NotReadyVolume(const HostPath&) { return std::nullopt; }
std::optional<ClusterCounts> NotReadyClusters(const HostPath&) { return std::nullopt; }
int Removable(const HostPath&) { return kDriveRemovable; }
int Unknown(const HostPath&) { return kDriveUnknown; }
std::optional<VolumeNames> Named(const HostPath&) { return VolumeNames{"", "FAT"}; }
std::optional<ClusterCounts> Floppy(const HostPath&) { return ClusterCounts{1, 512, 713, 2847}; }

}  // namespace

TEST(DriveInfo, NotReadyDriveShowsOnlyItsType) {
    std::string label = "old", fsys = "old", type;
    int32_t size = 7, free = 7;
    GetDriveInfo(HostPath("A:\\"), label, fsys, size, free, type, {NotReadyVolume, NotReadyClusters, Removable});
    EXPECT_EQ(label, "old");
    EXPECT_EQ(fsys, "old");
    EXPECT_EQ(size, 0);
    EXPECT_EQ(free, 0);
    EXPECT_EQ(type, "Removable");
}

TEST(DriveInfo, ReadyDriveFillsEveryFactAndUnknownTypeLeavesTheName) {
    std::string label = "x", fsys, type = "kept";
    int32_t size = 0, free = 0;
    GetDriveInfo(HostPath("A:\\"), label, fsys, size, free, type, {Named, Floppy, Unknown});
    EXPECT_EQ(label, "");
    EXPECT_EQ(fsys, "FAT");
    EXPECT_EQ(size, 1);   // 1.39 MiB
    EXPECT_EQ(free, 0);   // 0.35 MiB
    EXPECT_EQ(type, "kept");
}

TEST(DriveInfo, LetterThatIsNoDriveLeavesTheTexts) {
    DriveMap map;
    std::string label = "a", fsys = "b", type = "c";
    int32_t size = 5, free = 5;
    GetDriveInfo(map.Root("Q:"), label, fsys, size, free, type);
    EXPECT_EQ(label + fsys + type, "abc");
    EXPECT_EQ(size + free, 0);
}

TEST(DriveMap, DesignatorsAndMappedRoots) {
    EXPECT_EQ(DriveDesignator("c:"), "C:");
    EXPECT_EQ(DriveDesignator("D:\\"), "D:");
    EXPECT_FALSE(DriveDesignator("C:\\x"));
    EXPECT_FALSE(DriveDesignator("1:"));
    EXPECT_FALSE(DriveDesignator("/tmp"));
    DriveMap map;
    map.Map('x', HostPath("/somewhere"));
    EXPECT_TRUE(map.IsMapped('X'));
    EXPECT_EQ(map.Root("X:\\whatever"), HostPath("/somewhere"));
    EXPECT_EQ(map.Root("x:"), HostPath("/somewhere"));
    const auto drives = map.Drives();
    EXPECT_NE(std::find(drives.begin(), drives.end(), "X:"), drives.end());
}
