// Points every reference of a loaded script at its element, once all lists are complete.
#pragma once

#include "installer/script/model/install_script.h"
#include "installer/script/model/record_fields.h"

namespace aw {

// Resolving after the whole file is read lets a component name children that come after it.
class ReferenceResolver : public FieldVisitor {
  public:
    ReferenceResolver(InstallScript& script);

    using FieldVisitor::CharText;
    using FieldVisitor::Int;
    void Int(const char*, std::int32_t&) override {}
    void Uint(const char*, std::uint32_t&) override {}
    void Long(const char*, std::int32_t&) override {}
    void Text(const char*, std::string&) override {}
    void CharText(const char*, char*, std::size_t) override {}
};

void ResolveReferences(InstallScript& script);

}  // namespace aw
