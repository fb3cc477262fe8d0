// The install screen's picture buttons: which bitmaps and command each has, and how a press
// turns into a command.
#pragma once

namespace aw {

inline constexpr int kExitCommand = 1000;
inline constexpr int kHelpCommand = 1001;
inline constexpr int kMinimiseCommand = 1002;

struct PictureButtonKind {
    const char* UpBitmap;
    const char* DownBitmap;
    int Command;
};

inline constexpr PictureButtonKind kExitButton{"BMEXITUP", "BMEXITDN", kExitCommand};
inline constexpr PictureButtonKind kHelpButton{"BMHELPUP", "BMHELPDN", kHelpCommand};
inline constexpr PictureButtonKind kMinimiseButton{"BMMINZUP", "BMMINZDN", kMinimiseCommand};

// 0 released; 1 pressed with the pointer over the button; 2 pressed with the pointer moved
// off it. Only a release over the button sends the command.
class PictureButtonPress {
  public:
    enum class State { Released = 0, Pressed = 1, PressedOutside = 2 };

    State Current() const { return state_; }
    bool DrawnDown() const { return state_ == State::Pressed; }

    // A left press: the button captures the pointer.
    void Press() { state_ = State::Pressed; }
    // The pointer moved while the button holds it; true when the drawing changes.
    bool Move(bool overButton);
    // The button lets the pointer go; true when the command is to be sent.
    bool Release();

  private:
    State state_ = State::Released;
};

}  // namespace aw
