// The operation log of an installation run: every change the Installer reports while the log is
// attached becomes one record appended to the file "awlog3.nnn", stamped with the undo class of
// the script event that caused it.
#pragma once

#include <memory>
#include <string>

#include "installer/oplog/log_files.h"
#include "installer/oplog/log_header.h"
#include "installer/oplog/log_sink.h"
#include "installer/oplog/record_sink.h"

namespace aw {

class OperationLog : public RecordSink {
  public:
    // `installer` is the one the log attaches itself to while it is open.
    OperationLog(LogFiles& files, LogHolder& installer) : files_(files), installer_(installer) {}
    ~OperationLog() override { Close(); }
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;

    // Creates the file anew and writes the header; then attaches the log. False, and nothing
    // attached, when the file cannot be created or the header cannot be written.
    bool Open(const std::string& path, LogHeader header);
    // Detaches the log (the discarding sink becomes current) and closes the file.
    void Close();
    bool IsOpen() const { return attached_; }
    const std::string& Path() const { return path_; }

  protected:
    // Writes the record in one piece. Write errors are not reported: the installation goes on.
    // What a failed write left is cut off, so that the log reads back whole, and the next record
    // follows the last whole one.
    void Append(LogRecord& record) override;

  private:
    void CloseFile();

    LogFiles& files_;
    LogHolder& installer_;
    std::unique_ptr<OutputFile> output_;
    bool attached_ = false;
    std::string path_;
    // Of the header and the whole records written.
    std::size_t size_ = 0;
};

}  // namespace aw
