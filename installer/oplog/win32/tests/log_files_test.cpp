// The operation log on real files: written record by record, readable while it is written,
// appended to, and read back.
#include "installer/oplog/win32/log_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "installer/oplog/log_encoding.h"
#include "installer/oplog/log_loading.h"
#include "installer/oplog/operation_log.h"
#include "installer/oplog/tests/fakes/log_holder.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Read with the C++ library, not with the adapter under test.
Bytes Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class LogFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        directory = std::string(temp) + "oplog_test_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
        path = directory + "\\awlog3.nnn";
    }
    void TearDown() override {
        for (const char* name : {"awlog3.nnn", "awlog3.000", "other"}) {
            DeleteFileA((directory + "\\" + name).c_str());
        }
        RemoveDirectoryA(directory.c_str());
    }

    // dialog style 2, language 3, version 1 / 2, pacing 100, product "LW"
    LogHeader header{2, 3, 1, 2, kUndoPacing, "LW"};
    const Bytes headerBytes = {2, 0, 0, 0, 3,   0, 0, 0, 1, 0,   0,  0,
                               2, 0, 0, 0, 100, 0, 0, 0, 2, 'L', 'W'};
    std::string directory;
    std::string path;
    Win32LogFiles files;
    testing::FakeLogHolder installer;
    testing::FakeReport report;
};

TEST_F(LogFilesTest, EachRecordIsInTheFileAsSoonAsItIsReportedWhileOthersMayRead) {
    OperationLog log(files, installer);
    ASSERT_TRUE(log.Open(path, header));
    EXPECT_EQ(Contents(path), headerBytes);
    log.SetUndoClass(1);
    log.DirectoryCreated("C:\\LW");
    Bytes expected = headerBytes;
    const Bytes record = {0, 0, 0, 0, 1, 0, 0, 0, 5, 'C', ':', '\\', 'L', 'W'};
    expected.insert(expected.end(), record.begin(), record.end());
    EXPECT_EQ(Contents(path), expected);
    log.Close();
    EXPECT_EQ(Contents(path), expected);
}

TEST_F(LogFilesTest, OpeningReplacesAnOldLogOfTheSameName) {
    Put(path, Bytes(5000, 0xEE));
    OperationLog log(files, installer);
    ASSERT_TRUE(log.Open(path, header));
    log.Close();
    EXPECT_EQ(Contents(path), headerBytes);
}

TEST_F(LogFilesTest, ALogInAMissingDirectoryIsNotOpened) {
    OperationLog log(files, installer);
    EXPECT_FALSE(log.Open(directory + "\\missing\\awlog3.nnn", header));
    EXPECT_EQ(installer.attached, &installer.discarding);
}

TEST_F(LogFilesTest, AppendingWritesAtTheEndOfAnExistingFileOnly) {
    EXPECT_EQ(files.OpenForAppend(directory + "\\other"), nullptr);
    Put(path, {1, 2, 3});
    std::unique_ptr<OutputFile> output = files.OpenForAppend(path);
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->Write("\x04\x05"));
    EXPECT_TRUE(output->Close());
    EXPECT_EQ(Contents(path), (Bytes{1, 2, 3, 4, 5}));
}

TEST_F(LogFilesTest, ASecondInstallationsRecordsFollowTheFirstsInTheArchive) {
    const std::string archive = directory + "\\awlog3.000";
    {
        OperationLog log(files, installer);
        ASSERT_TRUE(log.Open(archive, header));
        log.FileCreated("C:\\LW\\LINEWINK.EXE");
    }
    {
        OperationLog log(files, installer);
        ASSERT_TRUE(log.Open(path, {0, 1, 9, 9, kUndoPacing, "Other"}));
        for (int i = 0; i < 100; ++i) {
            log.ValueCreated({kLocalMachine, "Software\\LW"}, "Value" + std::to_string(i));
        }
    }
    ASSERT_TRUE(AppendLogRecords(files, path, archive));
    const std::optional<LoadedLog> loaded = LoadLog(files, archive, report);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->Header, header);
    ASSERT_EQ(loaded->Records.size(), 101u);
    EXPECT_EQ(loaded->Records[0].Kind(), LogKind::FileCreated);
    EXPECT_EQ(loaded->Records[100].Payload,
              LogPayload(logrec::ValueCreated{{kLocalMachine, "Software\\LW"}, "Value99"}));
    EXPECT_TRUE(LogHasRecords(files, archive));
}

TEST_F(LogFilesTest, AMissingLogCannotBeOpenedAndAHeaderOnlyLogHasNoRecords) {
    EXPECT_FALSE(LoadLog(files, path, report).has_value());
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to open " + path});
    EXPECT_FALSE(LogHasRecords(files, path));
    Put(path, headerBytes);
    EXPECT_FALSE(LogHasRecords(files, path));
}

TEST_F(LogFilesTest, AFileIsCutBackToAGivenSizeOnlyWhenItIsThatLong) {
    Put(path, {1, 2, 3, 4, 5});
    ASSERT_TRUE(files.CutBack(path, 2));
    EXPECT_EQ(Contents(path), (Bytes{1, 2}));
    EXPECT_FALSE(files.CutBack(directory + "\\other", 0));
}

}  // namespace
}  // namespace aw
