// The window of a script's own dialog: a frame from the language library with one child
// window per control of the description, bound to the script's variables and files.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "installer/ui/user_dialog.h"

namespace aw {

// What a dialog window needs from the engine.
class UserDialogHost {
  public:
    virtual ~UserDialogHost() = default;
    // The language library: the frames and the engine-dialog button's text.
    virtual HINSTANCE ResourceInstance() = 0;
    // The engine dialog that a kind-4 button opens, owned by `owner`.
    virtual void RunEngineDialog(HWND owner) = 0;
    // Each control once it is made, for the optional 3-D control library to subclass.
    virtual void PrepareControl(HWND) {}
};

// Shows the dialog over `owner` until a closing button ends it, and answers that button's
// value; none when the window could not be made. A dialog without any closing button ends
// with Escape, answering -1 and writing nothing back.
std::optional<int> RunUserDialog(HWND owner, const DialogDescription& dialog, UserDialogHost& host);

// A billboard: the same window, shown without waiting, until it is closed.
class Billboard {
  public:
    Billboard();
    ~Billboard();
    Billboard(const Billboard&) = delete;
    Billboard& operator=(const Billboard&) = delete;

    // Closes any billboard shown before; false when the window could not be made.
    bool Show(HWND owner, const DialogDescription& dialog, UserDialogHost& host);
    void Close();
    // The window, or none when nothing is shown.
    HWND Window() const;

  private:
    struct Shown;
    std::unique_ptr<Shown> shown_;
};

}  // namespace aw
