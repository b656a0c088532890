// The drive page's arithmetic and the handling of drives that are not ready.
#include <gtest/gtest.h>

#include "platform/drive_info.h"
#include "platform/drive_map.h"
#include "platform/vb_error.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::platform;

TEST(DriveInfoArithmetic, MebibytesRoundHalvesToEven) {
    struct Case { uint64_t clusters; uint32_t spc, bps; int32_t want; } cases[] = {
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
    EXPECT_EQ(ostrevan::testing::ErrorOf([] { ClustersToMebibytes(1, 65536, 65536); }), kErrOverflow);    // bytes per cluster
    EXPECT_EQ(ostrevan::testing::ErrorOf([] { ClustersToMebibytes(1ull << 40, 8, 4096); }), kErrOverflow);  // size past 32 bits
}


TEST(DriveMap, DesignatorsAndMappedRoots) {
    EXPECT_EQ((std::vector{DriveDesignator("c:"), DriveDesignator("D:\\"), DriveDesignator("C:\\x"), DriveDesignator("1:"),
                           DriveDesignator("/tmp"), DriveDesignator("Z:"), DriveDesignator("a:/"), DriveDesignator("[:")}),
              (std::vector<decltype(DriveDesignator(""))>{"C:", "D:", std::nullopt, std::nullopt, std::nullopt, "Z:",
                                                          "A:", std::nullopt}));
    DriveMap map;
    map.Map('x', HostPath("/somewhere"));
    EXPECT_TRUE(map.IsMapped('X'));
    EXPECT_EQ(map.Root("X:\\whatever"), HostPath("/somewhere"));
    EXPECT_EQ(map.Root("x:"), HostPath("/somewhere"));
    map.Map('c', HostPath("/c"));
    map.Map('z', HostPath("/z"));
    const auto drives = map.Drives();
#if defined(_WIN32)
    EXPECT_NE(std::find(drives.begin(), drives.end(), "X:"), drives.end());
#else
    EXPECT_EQ(drives, (std::vector<std::string>{"C:", "X:", "Z:"})) << "a machine without drive letters";
#endif
}
