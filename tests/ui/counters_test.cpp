// Black-box test of the byte counters past 4 GiB, where the platform's
// 32-bit counters have wrapped. Run whole by run-in-netns.sh inside a network
// namespace of its own: its loopback interface is the only interface there,
// and carries this test's traffic alone.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/LinuxInterfaces.h"
#include "tests/ui/driver/RawSockets.h"
#include <cstdint>
#include <vector>

namespace {

using namespace driver;

constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;

// Sends 64 KB datagrams to a port nobody listens on (each crosses lo once:
// it is counted as sent and as received), a thousand at a time, until lo has
// sent more than `total` bytes. False when one cannot be sent.
bool PushThroughLoopback(std::uint64_t total)
{
    while (LinuxByteCounter("lo", "tx_bytes") <= total) {
        if (!SendDatagrams("127.0.0.1", 1000, 65000))
            return false;
    }
    return true;
}

using CountersPast4GiB = CorvaneTest;

} // namespace

TEST_F(CountersPast4GiB, BothCountersOfTheLoopbackAreShownWhole)
{
    const std::vector<LinuxInterface> interfaces = LinuxInterfaces();
    ASSERT_EQ(interfaces.size(), 1u) << "not in a network namespace of its own: run it with tests/ui/run-in-netns.sh";
    ASSERT_EQ(interfaces[0].name, "lo");
    // 100 MB past the wrap: a counter cut to 32 bits shows some 100 million.
    ASSERT_TRUE(PushThroughLoopback(k4GiB + 100000000));
    ASSERT_GT(LinuxByteCounter("lo", "rx_bytes"), k4GiB);

    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ComboItems(window, kNetworkBox), std::vector<std::string>{ " lo 0 Mb" });
    ExpectCountersOf(window, "lo");
}
