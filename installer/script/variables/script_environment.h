// The variables, `$` substitution and expressions as the script's events reach them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "installer/script/model/error_report.h"
#include "installer/script/variables/messages.h"
#include "installer/script/variables/output_file.h"
#include "installer/script/variables/text_variable.h"
#include "installer/script/variables/variable_table.h"

namespace aw {

// The directories that the install controller knows; each is asked when it is needed, since
// the source directory changes from disk to disk.
class ControllerDirectories {
  public:
    virtual ~ControllerDirectories() = default;
    // The directory that the distribution files are read from, the value of "s".
    virtual std::string SourceDirectory() = 0;
    // The directory of the running installer.
    virtual std::string OwnDirectory() = 0;
};

// Every operation that fails has shown its error message before it returns false, except
// the variable look-ups, which only answer none.
class ScriptEnvironment {
  public:
    ScriptEnvironment(ErrorReport& errors, ControllerDirectories& directories, OutputFiles& files);
    ScriptEnvironment(const ScriptEnvironment&) = delete;
    ScriptEnvironment& operator=(const ScriptEnvironment&) = delete;

    std::int32_t* IntegerVariable(std::string_view name) { return variables_.Integer(name); }
    TextVariable* TextVariableNamed(std::string_view name) { return variables_.Text(name); }

    // The value of the expression; the text is checked whole before anything is evaluated.
    bool Evaluate(std::string_view expression, std::int32_t& value);

    // The substituted text with its terminator in the destination, which is left empty
    // after a failure, including a result that does not fit.
    bool Expand(std::string_view text, std::span<char> destination);
    // The same without a size limit.
    bool Expand(std::string_view text, std::string& result);

    // Stores a text that an event computed; a text over 255 characters is refused.
    bool StoreText(TextVariable& variable, std::string_view text);

    // Expands every text, then writes them, one a line, to "strs" in the own directory.
    // Nothing is written when one of them fails to expand.
    bool WriteStringList(std::span<const std::string> texts);

    void ReportError(const char* format, std::string_view argument) {
        errors_.ReportError(WithArgument(format, argument));
    }

  private:
    bool Substitute(std::string_view text, std::size_t maxLength, std::string& result);

    ErrorReport& errors_;
    ControllerDirectories& directories_;
    OutputFiles& files_;
    VariableTable variables_;
};

}  // namespace aw
