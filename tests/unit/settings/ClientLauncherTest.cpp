#include "settings/ClientLauncher.h"
#include "ScratchCurrentUser.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

bool WriteInstallPath(const std::string& folder)
{
    return WriteUserValue(kClientKeyPath, kClientInstallPathValue, REG_SZ, folder.c_str(),
                          static_cast<DWORD>(folder.size() + 1));
}

TEST(ClientPath, FolderIsTakenVerbatim)
{
    EXPECT_EQ(ClientExePath("C:\\Program Files\\Zendry"), "C:\\Program Files\\Zendry\\Zendry.exe");
    EXPECT_EQ(ClientExePath("C:\\Zendry\\"), "C:\\Zendry\\\\Zendry.exe");
    EXPECT_EQ(ClientExePath(""), "\\Zendry.exe");
}

TEST(ClientPath, BufferWithoutTerminatorDoesNotFit)
{
    // The bytes after the buffer would end a string if they were read.
    char memory[kInstallPathBufferSize + 8];
    std::memset(memory, 'a', kInstallPathBufferSize);
    std::memcpy(memory + kInstallPathBufferSize, "tail\0\0\0", 8);
    EXPECT_FALSE(InstallFolderFromBuffer(memory, kInstallPathBufferSize));

    memory[kInstallPathBufferSize - 1] = '\0';
    EXPECT_EQ(InstallFolderFromBuffer(memory, kInstallPathBufferSize), std::string(kInstallPathBufferSize - 1, 'a'));
}

TEST(ClientPath, NotFoundMessageNamesTheWholePath)
{
    const std::string path = "C:\\" + std::string(300, 'x') + "\\Zendry.exe";
    EXPECT_EQ(ClientNotFoundMessage(path), "THERE IS NO Zendry installed IN\n[" + path + "].");
}

class ClientLookup : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_user.Valid()); }
    ScratchCurrentUser m_user;
};

TEST_F(ClientLookup, MissingKeyMeansNotInstalled)
{
    const ClientLocation client = LocateClient();
    EXPECT_EQ(client.status, ClientStatus::NotInstalled);
    EXPECT_FALSE(UserKeyExists(kClientKeyPath));
}

TEST_F(ClientLookup, KeyWithoutInstallPathHasNoUsablePath)
{
    ASSERT_TRUE(WriteUserValue(kClientKeyPath, "Version", REG_SZ, "1.0", 4));
    EXPECT_EQ(LocateClient().status, ClientStatus::NoUsablePath);
}

TEST_F(ClientLookup, FolderLongerThanTheBufferHasNoUsablePath)
{
    ASSERT_TRUE(WriteInstallPath("C:\\" + std::string(297, 'z')));
    EXPECT_EQ(LocateClient().status, ClientStatus::NoUsablePath);

    ASSERT_TRUE(WriteInstallPath(std::string(kInstallPathBufferSize, 'z')));
    EXPECT_EQ(LocateClient().status, ClientStatus::NoUsablePath);
}

TEST_F(ClientLookup, DataFillingTheWholeBufferHasNoUsablePath)
{
    const std::string full(kInstallPathBufferSize, 'z');
    ASSERT_TRUE(WriteUserValue(kClientKeyPath, kClientInstallPathValue, REG_BINARY, full.data(),
                               static_cast<DWORD>(full.size())));
    EXPECT_EQ(LocateClient().status, ClientStatus::NoUsablePath);
}

TEST_F(ClientLookup, LongestFittingFolderIsUsedWhole)
{
    const std::string folder = "C:\\" + std::string(kInstallPathBufferSize - 4, 'z');
    ASSERT_TRUE(WriteInstallPath(folder));
    const ClientLocation client = LocateClient();
    EXPECT_EQ(client.status, ClientStatus::Located);
    EXPECT_EQ(client.exePath, folder + "\\Zendry.exe");
}

TEST_F(ClientLookup, FolderEndingInBackslashGivesTwo)
{
    ASSERT_TRUE(WriteInstallPath("C:\\Zendry\\"));
    const ClientLocation client = LocateClient();
    EXPECT_EQ(client.status, ClientStatus::Located);
    EXPECT_EQ(client.exePath, "C:\\Zendry\\\\Zendry.exe");
}

TEST_F(ClientLookup, EmptyFolderGivesAPathThatDoesNotStart)
{
    ASSERT_TRUE(WriteInstallPath(""));
    const ClientLocation client = LocateClient();
    EXPECT_EQ(client.status, ClientStatus::Located);
    EXPECT_EQ(client.exePath, "\\Zendry.exe");
    EXPECT_EQ(LaunchClient(client.exePath), StartResult::Failed);
}

} // namespace
