#include "installer/script/model/reference_resolver.h"

namespace aw {

ReferenceResolver::ReferenceResolver(InstallScript& script)
    : FieldVisitor(script, FieldPass::Resolve) {
    SetVersion(script.Version);
}

void ResolveReferences(InstallScript& script) {
    ReferenceResolver resolver(script);
    script.Fields(resolver);
}

}  // namespace aw
