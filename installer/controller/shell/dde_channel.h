// A DDE conversation with Program Manager (application and topic "PROGMAN").
#pragma once

#include <optional>
#include <string>

namespace aw {

class DdeChannel {
  public:
    virtual ~DdeChannel() = default;

    // Finds a server; `mayStartProgramManager` starts "progman.exe" when none answers.
    virtual bool Connect(bool mayStartProgramManager) = 0;
    // Ends the conversation; `closeProgramManager` also asks Program Manager to close.
    virtual void Disconnect(bool closeProgramManager) = 0;
    // True when the server acknowledged the command positively.
    virtual bool Execute(const std::string& command) = 0;
    // The item's text; none when the server refused it or did not answer.
    virtual std::optional<std::string> Request(const std::string& item) = 0;
};

}  // namespace aw
