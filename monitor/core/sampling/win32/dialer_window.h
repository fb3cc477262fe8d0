// The dialog of the system's dial-up program "RNAAPP.EXE" and its private data.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/core/sampling/sampling_sources.h"

namespace lw {

class DialerProcessWindow : public DialerWindow {
  public:
    DialerProcessWindow() = default;
    DialerProcessWindow(const DialerProcessWindow&) = delete;
    DialerProcessWindow& operator=(const DialerProcessWindow&) = delete;
    ~DialerProcessWindow() override { Forget(); }

    bool Find() override;
    std::uint64_t UserValue() override;
    void ReadPrivateData(std::uint64_t address, std::array<std::uint8_t, 36>& data) override;

  private:
    void Forget();

    HWND window_ = nullptr;
    HANDLE process_ = nullptr;
};

// The full image path of a process, for systems whose snapshot gives only the file name.
std::string ProcessImagePath(DWORD processId);

}  // namespace lw
