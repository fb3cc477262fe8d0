#include "installer/controller/shell/shell_connection.h"

#include "installer/controller/shell/os_record.h"

namespace aw {

ShellConnection::~ShellConnection() {
    if (shell_) {
        shell_->Close(false);
    }
}

std::unique_ptr<ShellInterface> ShellConnection::Choose() {
    if (auto client = factory_.NewProgramManagerClient(); client && client->Open(false)) {
        return client;
    }
    if (platform_ == kWindows95Family) {
        if (auto writer = factory_.NewShellLinkWriter(); writer && writer->Open(false)) {
            return writer;
        }
    }
    if (auto client = factory_.NewProgramManagerClient(); client && client->Open(true)) {
        startedProgramManager_ = true;
        return client;
    }
    return nullptr;
}

bool ShellConnection::Begin() {
    if (nesting_ == 0) {
        startedProgramManager_ = false;
        shell_ = Choose();
        if (!shell_) {
            return false;
        }
    }
    ++nesting_;
    return true;
}

void ShellConnection::End(bool closeShell) {
    if (nesting_ == 0) {
        return;
    }
    if (--nesting_ == 0) {
        shell_->Close(startedProgramManager_ && closeShell);
        shell_.reset();
    }
}

}  // namespace aw
