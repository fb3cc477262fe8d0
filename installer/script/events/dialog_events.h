// The events that ask the user something or show a message.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "installer/script/events/event_families.h"

namespace aw {

// The user-information dialog fills the text variables that the non-empty names give.
class AskUserInfo : public CodedEvent<1> {
  public:
    static constexpr std::size_t VariableCount = 6;
    void ClassFields(FieldVisitor& v) override {
        v.Int("firstOption", FirstOption);
        v.Int("secondOption", SecondOption);
        for (auto& name : Variables) {
            v.Text("variable", name);
        }
    }
    std::int32_t FirstOption = 0;
    std::int32_t SecondOption = 0;
    std::array<std::string, VariableCount> Variables{"user", "comp"};
};

class ShowMessage : public CodedEvent<11> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("style", Style);
        v.Text("text", Text);
    }
    std::int32_t Style = 0;
    std::string Text = "line1\r\nline2\r\nline3\r\nline4\r\nline5";
};

class PromptText : public CodedEvent<12> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("first", First);
        v.Int("second", Second);
        v.Int("third", Third);
        v.Int("fourth", Fourth);
        v.Text("initialText", InitialText);
        v.Text("prompt", Prompt);
        v.Text("variable", Variable);
        v.Text("caption", Caption);
        v.Text("lengthExpression", LengthExpression);
    }
    // The length expression counts only when Second is 1 and Fourth is not 0.
    std::int32_t First = 0;
    std::int32_t Second = 0;
    std::int32_t Third = 0;
    std::int32_t Fourth = 0;
    std::string InitialText;
    std::string Prompt =
        "Please enter a text string\r\nrequired by\r\nthis program in the edit control\r\nThanks";
    std::string Variable = "str";
    std::string Caption = "Query";
    std::string LengthExpression;
};

// A question with three buttons; the answer goes into an integer variable.
class AskYesNo : public CodedEvent<28> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("style", Style);
        v.Text("question", Question);
        v.Text("variable", Variable);
    }
    std::int32_t Style = 0;
    std::string Question =
        "Please select yes or no\r\nby clicking\r\non one of the buttons\r\nThanks";
    std::string Variable = "isyes";
};

// Runs one of the script's user dialogs, found by its name.
class ShowUserDialog : public CodedEvent<48> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Text("resultVariable", ResultVariable);
        v.Text("dialogName", DialogName);
    }
    std::string ResultVariable;
    std::string DialogName;
};

}  // namespace aw
