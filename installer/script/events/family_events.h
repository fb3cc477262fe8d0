// The event classes built from the shared layouts alone.
#pragma once

#include "installer/script/events/event_families.h"

namespace aw {

class CustomStep : public PlainEvent<2> {
  public:
    bool Custom() const override { return true; }
};
class GetWindowsDir : public OneVariableEvent<14> {};
class GetSystemDir : public OneVariableEvent<15> {};
class GetOwnDir : public OneVariableEvent<16> {};
class GetRequiredSpace : public OneVariableEvent<18> {};
class SetText : public TwoTextEvent<19> {};
class SetInteger : public TwoTextEvent<20> {};
class IntegerToText : public TwoTextEvent<25> {};
class TextToInteger : public TwoTextEvent<26> {};
class GetWindowsVersion : public TwoTextEvent<29> {};
class GetProcessor : public OneVariableEvent<30> {};
class QueryOne : public OneVariableEvent<31> {};
class QueryTwo : public OneVariableEvent<32> {};
class EndProgress : public PlainEvent<34> {};
class ShowBanner1 : public PlainEvent<35> {};
class HideBanner1 : public PlainEvent<36> {};
class ShowBanner2 : public PlainEvent<37> {};
class HideBanner2 : public PlainEvent<38> {};
class ShowBanner3 : public PlainEvent<39> {};
class HideBanner3 : public PlainEvent<40> {};
class GetLanguage : public OneVariableEvent<46> {};
class HideMessageWindow : public PlainEvent<50> {};
class GetArgCount : public OneVariableEvent<51> {};
class GetArg : public TwoTextEvent<52> {};

}  // namespace aw
