#include "installer/controller/copy/copy_completions.h"

#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/copy/replacement_criteria.h"
#include "installer/controller/installer.h"

namespace aw {

void VersionWriter::Run() {
    if (Job().State != FileState::Installed) {
        return;
    }
    Installer& installer = Job().Owner();
    const std::string& destination = Job().DestinationPath;
    installer.Services().files.WriteProfileEntry(AwverFile(destination), kAwverSection, destination,
                                                 VersionText(installer.GetProductVersion()));
}

void SharedCountIncrement::Run() {
    if (Job().State != FileState::Installed && Job().State != FileState::Skipped) {
        return;
    }
    Installer& installer = Job().Owner();
    UnloggedScope unlogged(installer);
    installer.IncrementSharedCount(Job().DestinationPath);
}

}  // namespace aw
