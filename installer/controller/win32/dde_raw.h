// The DDE conversation with Program Manager in raw DDE messages, answered to a hidden window of
// class "AWDDEHiddenWindowClass". Replies are waited for while window messages keep running, each
// for at most the reply time.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "installer/controller/shell/dde_channel.h"
#include "installer/controller/shell/os_record.h"

namespace aw {

class DdeRawChannel : public DdeChannel {
  public:
    explicit DdeRawChannel(const OsRecord& os, DWORD replyMilliseconds = 10000);
    ~DdeRawChannel() override;
    DdeRawChannel(const DdeRawChannel&) = delete;
    DdeRawChannel& operator=(const DdeRawChannel&) = delete;

    bool Connect(bool mayStartProgramManager) override;
    void Disconnect(bool closeProgramManager) override;
    bool Execute(const std::string& command) override;
    std::optional<std::string> Request(const std::string& item) override;

  private:
    // What the window waits for.
    enum class Waiting { Nothing, Server, Acknowledgement, Data, Termination };

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    void OnAcknowledgement(HWND from, LPARAM lParam);
    void OnData(HWND from, LPARAM lParam);
    void OnTerminate(HWND from);

    bool Initiate();
    // Runs window messages until the awaited reply came or the reply time is up.
    bool WaitForReply();
    void SetProgramManagerWindow(int showCommand);

    OsRecord os_;
    DWORD replyMilliseconds_;
    HWND window_ = nullptr;
    HWND server_ = nullptr;
    Waiting waiting_ = Waiting::Nothing;
    // The execute's command handle or the request's item, as the reply must carry them.
    HGLOBAL command_ = nullptr;
    ATOM item_ = 0;
    bool positive_ = false;
    std::string data_;
};

}  // namespace aw
