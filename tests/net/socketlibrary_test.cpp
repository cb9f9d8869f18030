// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the socket library: counted loads, the start-up record and the failing stand-ins.
#include "net/socketerrors.h"
#include "net/socketlibrary.h"
#include "tests/support/scratchruntime.h"

#include <gtest/gtest.h>

namespace {

class SocketLibraryTest : public testing::Test
{
protected:
    void SetUp() override { runtime.source().addModule("WSOCK32.DLL"); }
    void TearDown() override
    {
        while (library.loadCount() > 0)
            library.unload();
        library.setPath("");
    }
    testing_support::ScratchRuntime runtime;
    net::SocketLibrary& library = net::SocketLibrary::instance();
};

TEST_F(SocketLibraryTest, FailsEveryCallWith10093WhileNotLoaded)
{
    const auto& f = library.functions();
    EXPECT_EQ(f.socket(win::AF_INET_, win::SOCK_STREAM_, 0), win::INVALID_SOCKET);
    EXPECT_EQ(f.connect(1, nullptr, 0), win::SOCKET_ERROR);
    EXPECT_EQ(f.gethostbyname("localhost"), nullptr);
    EXPECT_EQ(f.WSAGetLastError(), win::WSANOTINITIALISED);
    EXPECT_EQ(net::describeSocketError(f.WSAGetLastError()),
        "[10093] Winsock not loaded yet (WSANOTINITIALISED)");
    EXPECT_EQ(library.status(), "Down");
}

TEST_F(SocketLibraryTest, LoadsVersionOneOneAndReportsTheLibrarysRecord)
{
    ASSERT_TRUE(library.load()) << library.info();
    EXPECT_FALSE(library.info().empty());
    EXPECT_EQ(library.status(), "Running");
    EXPECT_GT(library.maxSockets(), 0);
    EXPECT_EQ(library.path(), "WSOCK32.DLL");

    const auto& f = library.functions();
    const win::SOCKET s = f.socket(win::AF_INET_, win::SOCK_STREAM_, 0);
    EXPECT_NE(s, win::INVALID_SOCKET) << "entry points resolved by ordinal work";
    EXPECT_EQ(f.closesocket(s), 0);
    EXPECT_EQ(f.htons(0x1234), win::htons_(0x1234));
}

TEST_F(SocketLibraryTest, StaysUpUntilTheLastLoadIsGivenBack)
{
    ASSERT_TRUE(library.load());
    ASSERT_TRUE(library.load());
    library.unload();
    EXPECT_EQ(library.status(), "Running") << "another transport still holds the library";
    EXPECT_NE(library.functions().socket(win::AF_INET_, win::SOCK_STREAM_, 0), win::INVALID_SOCKET);
    library.unload();
    EXPECT_EQ(library.status(), "Down");
    EXPECT_EQ(library.info(), "");
    EXPECT_EQ(library.maxSockets(), 0);
    EXPECT_EQ(library.functions().socket(win::AF_INET_, win::SOCK_STREAM_, 0), win::INVALID_SOCKET);
    EXPECT_EQ(library.functions().WSAGetLastError(), win::WSANOTINITIALISED);
    library.unload(); // one too many is harmless
    EXPECT_EQ(library.loadCount(), 0);
}

TEST_F(SocketLibraryTest, KeepsTheFailingStandInForAnEntryPointTheLibraryLacks)
{
    runtime.source().removeEntryPoint("gethostname");
    ASSERT_TRUE(library.load());
    char name[64] {};
    EXPECT_EQ(library.functions().gethostname(name, sizeof name), win::SOCKET_ERROR);
    EXPECT_NE(library.functions().socket(win::AF_INET_, win::SOCK_STREAM_, 0), win::INVALID_SOCKET);
}

TEST_F(SocketLibraryTest, SaysWhyALibraryThatIsNotThereDidNotLoad)
{
    library.setPath("NOSUCH.DLL");
    EXPECT_FALSE(library.load());
    EXPECT_EQ(library.info(), "Could not load Winsock DLL.");
    EXPECT_EQ(library.loadCount(), 0);
    EXPECT_EQ(library.functions().WSAGetLastError(), win::WSANOTINITIALISED);

    library.setPath(std::string(300, 'x'));
    EXPECT_EQ(library.path().size(), 200u) << "the name is bounded";
    library.setPath("");
    EXPECT_TRUE(library.load()) << "an empty name means the default library";
}

} // namespace
