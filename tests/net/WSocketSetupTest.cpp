// Address, port and protocol setters, and name look-ups.

#include "tests/net/SocketTestSupport.h"

#include <optional>

using Codes = std::vector<int>;

// A component of the suite's own, its look-up answers in `done` and its
// errors counted once asked for; a listener for it to connect to.
class WSocketSetup : public ListenerEnd {
protected:
    void SetUp() override { socket.OnDnsLookupDone = [this](TObject*, std::uint16_t error) { done.push_back(error); }; }
    void CountErrors() { socket.OnError = [this](TObject*) { ++errors; }; }

    std::optional<ProbeSocket> own { std::in_place, nullptr };
    ProbeSocket& socket = *own;
    Codes done;
    int errors = 0;
};

TEST_F(WSocketSetup, PortTakesDigitsOrAServiceName)
{
    socket.SetPort("ftp");
    EXPECT_EQ(std::tuple(socket.PortNumber(), socket.Port()), std::tuple(21, "ftp"));
    socket.SetPort(" 8080abc");
    EXPECT_EQ(socket.PortNumber(), 8080);
    EXPECT_EQ(ThrownMessage([&] { socket.SetPort("no-such-service"); }),
        "Error 11004 in function SetPort: Cannot convert port 'no-such-service'\r\nNo Data");
    for (const char* tooBig : { "65536", "70000", "99999999999" })
        EXPECT_EQ(ThrownMessage([&] { socket.SetPort(tooBig); }), std::string("SetPort: Cannot convert port '") + tooBig + "'");
    socket.SetPort("65535");
    EXPECT_EQ(socket.PortNumber(), 65535);
    EXPECT_THROW(socket.SetPort("70000"), ESocketException);
    socket.SetAddr("127.0.0.1");
    EXPECT_EQ(ThrownMessage([&] { socket.Connect(); }), "Connect: No Port Specified");
}

TEST_F(WSocketSetup, ProtoSelectsTheSocketType)
{
    EXPECT_EQ(std::tuple(socket.Proto(), socket.Protocol()), std::tuple("tcp", 6));
    for (auto [proto, protocol, type] :
        { std::tuple("udp", 17, SOCK_DGRAM), std::tuple(" 6", 6, SOCK_STREAM), std::tuple("17x", 17, SOCK_DGRAM) }) {
        socket.SetProto(proto);
        EXPECT_EQ(std::tuple(socket.Protocol(), socket.Type()), std::tuple(protocol, type)) << proto;
    }
    CountErrors();
    socket.SetProto("nonsense");
    EXPECT_EQ(errors, 1);
    socket.SetAddr("127.0.0.1");
    socket.SetPort("21");
    socket.Connect();
    // "Connect: No Protocol Specified"
    EXPECT_EQ(std::tuple(errors, socket.State()), std::tuple(2, wsClosed));
}

TEST_F(WSocketSetup, AddrResolvesNamesAndRaisesEvenWithOnError)
{
    socket.SetAddr(" localhost ");
    EXPECT_EQ(socket.Addr(), " localhost ");
    CountErrors();
    EXPECT_EQ(ThrownMessage([&] { socket.SetAddr("  "); }), "SetAddr: Cannot convert host address '  '");
    EXPECT_EQ(errors, 0);
    socket.SetAddr("255.255.255.255");
    socket.SetPort("1");
    socket.OnError = nullptr;
}

TEST_F(WSocketSetup, SettersRefuseWhileOpen)
{
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    EXPECT_EQ(ThrownMessage([&] { socket.SetAddr("10.0.0.1"); }), "Cannot change Addr if not closed");
    EXPECT_EQ(ThrownMessage([&] { socket.SetPort("99"); }), "Cannot change Port if not closed");
    EXPECT_EQ(ThrownMessage([&] { socket.SetProto("udp"); }), "Cannot change Proto if not closed");
    EXPECT_EQ(std::tuple(socket.Addr(), socket.Proto()), std::tuple("127.0.0.1", "tcp"));
    EXPECT_EQ(ThrownMessage([&] { socket.Connect(); }), "Connect: Socket already in use");
}

TEST_F(WSocketSetup, SendFlagsTakeOnlyTheTwoValues)
{
    socket.SetSendFlags(wsSendUrgent);
    EXPECT_EQ(socket.SendFlags(), wsSendUrgent);
    EXPECT_EQ(ThrownMessage([&] { socket.SetSendFlags(TSocketSendFlags(5)); }), "Invalid SendFlags");
    EXPECT_EQ(socket.SendFlags(), wsSendUrgent);
}

TEST_F(WSocketSetup, DottedLookupAnswersInsideTheCall)
{
    socket.DnsLookup("127.0.0.1");
    EXPECT_EQ(std::tuple(done, socket.DnsResult()), std::tuple(Codes { 0 }, "127.0.0.1"));

    CountErrors();
    socket.DnsLookup("");
    EXPECT_EQ(std::tuple(errors, done), std::tuple(1, Codes { 0, 10022 }));
}

TEST_F(WSocketSetup, NameLookupAnswersFromTheLoop)
{
    socket.DnsLookup("localhost");
    EXPECT_TRUE(done.empty());
    ASSERT_TRUE(RunUntil([&] { return !done.empty(); }));
    EXPECT_EQ(std::tuple(done, socket.DnsResult()), std::tuple(Codes { 0 }, "127.0.0.1"));
    ASSERT_FALSE(socket.DnsResultList().empty());
    EXPECT_EQ(socket.DnsResultList().front(), "127.0.0.1");
}

TEST_F(WSocketSetup, CancelledLookupDropsItsAnswer)
{
    socket.DnsLookup("localhost");
    socket.CancelDnsLookup();
    EXPECT_EQ(done, Codes { 10004 });
    RunFor(300);
    EXPECT_EQ(std::tuple(done, socket.DnsResult()), std::tuple(Codes { 10004 }, ""));
    // Nothing pending: nothing to cancel.
    socket.CancelDnsLookup();
    EXPECT_EQ(done.size(), 1u);

    // A component freed with its look-up running hears nothing afterwards.
    auto* gone = new TWSocket(nullptr);
    gone->OnDnsLookupDone = [&](TObject*, std::uint16_t error) { done.push_back(error); };
    gone->DnsLookup("localhost");
    delete gone;
    RunFor(300);
    EXPECT_EQ(done, Codes { 10004 });
}

TEST_F(WSocketSetup, LastComponentStopsWinSock)
{
    own.reset();
    {
        TWSocket a(nullptr), b(nullptr);
        EXPECT_TRUE(winsock::Started());
    }
    EXPECT_FALSE(winsock::Started());
    TWSocket c(nullptr);
    EXPECT_TRUE(winsock::Started());
}
