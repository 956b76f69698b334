#include "ScratchFolder.h"
#include "settings/Settings.h"
#include "tests/DefaultIniFile.h"
#include <gtest/gtest.h>
#include <string>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest()
        : m_folder(::testing::UnitTest::GetInstance()->current_test_info()->name())
        , m_ini(m_folder.File("Corvane.ini"))
    {
    }

    // A run of the program over the file: read at the start, written at the end.
    void Run() { CSettings settings(m_ini); }

    // The value the file holds for `key` of [log] or [main] after a run over
    // `contents`.
    std::string RoundTrip(const std::string& contents, const std::string& key)
    {
        EXPECT_TRUE(WriteFileBytes(m_ini, contents));
        Run();
        const std::string file = ReadFileBytes(m_ini);
        const std::string::size_type at = file.find("\n" + key + "=");
        if (at == std::string::npos)
            return "<no " + key + ">";
        const std::string::size_type start = at + key.size() + 2;
        return file.substr(start, file.find('\r', start) - start);
    }

    ScratchFolder m_folder;
    std::string m_ini;
};

TEST_F(SettingsTest, FirstRunReadsDefaultsAndWritesEveryKeyInOrder)
{
    {
        CSettings settings(m_ini);
        EXPECT_EQ(settings.m_dwIdleTime, 10000u);
        EXPECT_EQ(settings.m_nWindowStatus, -1);
        EXPECT_EQ(settings.m_nColumnSourceAddress, 120);
        EXPECT_EQ(settings.m_nColumnProtocol, 50);
        EXPECT_EQ(settings.m_nLogSizeLimit, 1);
        EXPECT_EQ(settings.m_strLogFile, "");
        EXPECT_EQ(ReadFileBytes(m_ini), "<missing>") << "nothing is written before the end";
    }
    EXPECT_EQ(ReadFileBytes(m_ini), kDefaultIniFile);
}

TEST_F(SettingsTest, SecondRunLeavesTheFileAsItWas)
{
    Run();
    Run();
    EXPECT_EQ(ReadFileBytes(m_ini), kDefaultIniFile);
}

TEST_F(SettingsTest, StoredValuesAreReadAndWrittenBack)
{
    ASSERT_TRUE(WriteFileBytes(m_ini, "[filters]\r\nfilterudp=1\r\nfiltertcp=-7\r\n"
                                      "[list]\r\nabs=33\r\n[log]\r\nlogfile=C:\\logs\\traffic.log\r\n"));
    {
        CSettings settings(m_ini);
        EXPECT_EQ(settings.m_nFilterUdp, 1);
        EXPECT_EQ(settings.m_nFilterTcp, -7);
        EXPECT_EQ(settings.m_nFilterIcmp, 0);
        EXPECT_EQ(settings.m_nColumnAbs, 33);
        EXPECT_EQ(settings.m_strLogFile, "C:\\logs\\traffic.log");
        settings.m_nAlwaysOnTop = 1;
    }
    // The keys already there keep their places; the missing ones join their sections.
    EXPECT_EQ(ReadFileBytes(m_ini),
              "[filters]\r\nfilterudp=1\r\nfiltertcp=-7\r\nfiltericmp=0\r\n"
              "[list]\r\nabs=33\r\nsrcaddr=120\r\ndestaddr=120\r\nsrcport=80\r\ndestport=80\r\n"
              "proto=50\r\ntraffic=100\r\nbs=80\r\n"
              "[log]\r\nlogfile=C:\\logs\\traffic.log\r\nuselogfile=0\r\nautodelete=0\r\nmbdelete=1\r\nlogtype=0\r\n"
              "[main]\r\nalwaysontop=1\r\nnsresolve=0\r\nportresolve=0\r\nidleseconds=10\r\n"
              "[mainwindow]\r\nstatus=-1\r\ntop=-1\r\nbottom=-1\r\nleft=-1\r\nright=-1\r\n");
}

TEST_F(SettingsTest, LogSizeLimitOutsideOneTo999BecomesOne)
{
    EXPECT_EQ(RoundTrip("[log]\r\nmbdelete=0\r\n", "mbdelete"), "1");
    EXPECT_EQ(RoundTrip("[log]\r\nmbdelete=1000\r\n", "mbdelete"), "1");
    EXPECT_EQ(RoundTrip("[log]\r\nmbdelete=-5\r\n", "mbdelete"), "1");
    EXPECT_EQ(RoundTrip("[log]\r\nmbdelete=999\r\n", "mbdelete"), "999");
}

TEST_F(SettingsTest, LogTypeOutsideZeroToSixBecomesZero)
{
    EXPECT_EQ(RoundTrip("[log]\r\nlogtype=7\r\n", "logtype"), "0");
    EXPECT_EQ(RoundTrip("[log]\r\nlogtype=-1\r\n", "logtype"), "0");
    EXPECT_EQ(RoundTrip("[log]\r\nlogtype=6\r\n", "logtype"), "6");
}

TEST_F(SettingsTest, IdleSecondsAreHeldAsWrappingMilliseconds)
{
    ASSERT_TRUE(WriteFileBytes(m_ini, "[main]\r\nidleseconds=4294968\r\n"));
    EXPECT_EQ(CSettings(m_ini).m_dwIdleTime, 704u);
    EXPECT_EQ(RoundTrip("[main]\r\nidleseconds=4294968\r\n", "idleseconds"), "0");
    EXPECT_EQ(RoundTrip("[main]\r\nidleseconds=4294967\r\n", "idleseconds"), "4294967");
    EXPECT_EQ(RoundTrip("[main]\r\nidleseconds=soon\r\n", "idleseconds"), "0");
    EXPECT_EQ(RoundTrip("[main]\r\nidleseconds=25s\r\n", "idleseconds"), "25");
}

TEST_F(SettingsTest, KeysAndSectionsOutsideTheListAreLeftAlone)
{
    ASSERT_TRUE(WriteFileBytes(m_ini, "[other]\r\nkept=yes\r\n"
                                      "[main]\r\nplugin=C:\\x.dll\r\nalwaysontop=1\r\n"
                                      "[zlast]\r\nn=5\r\n"));
    Run();
    const std::string file = ReadFileBytes(m_ini);
    EXPECT_EQ(file.find("[other]\r\nkept=yes\r\n[main]\r\nplugin=C:\\x.dll\r\nalwaysontop=1\r\nnsresolve=0\r\n"), 0u)
        << file;
    EXPECT_NE(file.find("[zlast]\r\nn=5\r\n"), std::string::npos) << file;
}

TEST_F(SettingsTest, LongLogFilePathIsCarriedWhole)
{
    const std::string path = "D:\\" + std::string(400, 'p') + "\\traffic.log";
    EXPECT_EQ(RoundTrip("[log]\r\nlogfile=" + path + "\r\n", "logfile"), path);
}

TEST_F(SettingsTest, MissingFolderGetsNothingWritten)
{
    const std::string ini = m_folder.File("gone\\Corvane.ini");
    {
        CSettings settings(ini);
        EXPECT_EQ(settings.m_nColumnTraffic, 100);
    }
    EXPECT_EQ(ListFiles(m_folder.Path()), "");
}

// The platform's INI functions stop at MAX_PATH (260): beyond it reading gives the
// defaults and writing reports success but writes nothing. The file there is
// therefore never changed, and no file at some shortened path is touched.
TEST_F(SettingsTest, FileBeyondMaxPathIsLeftAsItWas)
{
    std::string folder = m_folder.Path();
    while (folder.size() <= 260) {
        folder += "\\" + std::string(60, 'd');
        ASSERT_TRUE(CreateFolder(folder)) << folder;
    }
    const std::string ini = folder + "\\Corvane.ini";
    const std::string stored = "[log]\r\nlogtype=3\r\n[other]\r\nkept=yes\r\n";
    ASSERT_TRUE(WriteFileBytes(ini, stored));
    {
        CSettings settings(ini);
        EXPECT_EQ(settings.m_nLogType, 0);
    }
    EXPECT_EQ(ReadFileBytes(ini), stored);
    EXPECT_EQ(ListFiles(m_folder.Path()), ini.substr(m_folder.Path().size() + 1) + "\n");
}

} // namespace
