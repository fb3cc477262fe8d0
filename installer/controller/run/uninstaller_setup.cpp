// Installing the uninstaller: a copy of the engine, its language library and the companion
// files in the back directory, the system's Uninstall key and, when asked, a shortcut. Only the
// back directory and the shortcut are logged; the rest is what the uninstaller stands on, so it
// must not undo it before it has run. When a step fails, what the unlogged steps put down is
// taken away again, since no log will ever say it is there.
#include <algorithm>

#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/controller_texts.h"
#include "installer/controller/run/install_controller.h"
#include "installer/controller/run/language_choice.h"
#include "installer/languages/resource_numbers.h"

namespace aw {

namespace {

RegistryKey UninstallKey(std::string productName) {
    productName.erase(std::remove(productName.begin(), productName.end(), ' '), productName.end());
    return {kLocalMachine,
            "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + productName};
}

}  // namespace

bool InstallController::InstallUninstaller(const UninstallerRequest& request) {
    if (!backDirectory_.empty()) {
        return true;
    }
    if (request.ShowBanner != 0) {
        ShowBanner(BannerKind::Uninstaller);
    }
    std::vector<std::string> placed;
    const RegistryKey key = UninstallKey(productName_);
    const bool keyWasThere = system_.system.registry.KeyExists(key);
    bool installed = installer_.MakeDirectory(request.BackDirectory) == kDirectoryReady;
    if (installed) {
        UnloggedScope unlogged(installer_);
        backDirectory_ = request.BackDirectory;
        installed = CopyUninstallerFiles(request, placed) && RegisterUninstaller(key);
        backDirectory_.clear();
    }
    if (installed && !request.ShortcutGroup.empty()) {
        installed = CreateUninstallerShortcut(request);
    }
    if (!installed) {
        UnloggedScope unlogged(installer_);
        for (const std::string& file : placed) {
            installer_.RemoveFile(file);
        }
        if (!keyWasThere) {
            installer_.DeleteKey(key);
        }
    }
    if (request.ShowBanner != 0) {
        HideBanner(BannerKind::Uninstaller);
    }
    if (!installed) {
        ReportFormatted(message::kNoUninstaller);
        return false;
    }
    backDirectory_ = request.BackDirectory;
    appendLog_ = request.AppendLog != 0;
    return true;
}

bool InstallController::CopyUninstallerFiles(const UninstallerRequest& request,
                                             std::vector<std::string>& placed) {
    const std::string library = "aw" + LanguageCode(language_, *this) + ".dll";
    // Files that were there before are the machine's own and stay.
    auto copy = [&](const std::string& from, const std::string& to) {
        const bool existed = FileExists(to);
        if (!installer_.CopyPlainFile(from, to)) {
            return false;
        }
        if (!existed) {
            placed.push_back(to);
        }
        return true;
    };
    for (const std::string& name : {library, std::string("awmain.exe")}) {
        if (!copy(JoinPath(ownDirectory_, name), JoinPath(backDirectory_, name))) {
            return false;
        }
    }
    const std::pair<const DistributionEntry*, std::string> companions[] = {
        {request.WindowsFile, WindowsDirectory()}, {request.BackFile, backDirectory_}};
    for (const auto& [entry, directory] : companions) {
        if (entry == nullptr) {
            continue;
        }
        const std::string name = FileNamePart(entry->Name);
        if (!copy(JoinPath(ownDirectory_, name), JoinPath(directory, name))) {
            return false;
        }
    }
    return true;
}

bool InstallController::RegisterUninstaller(const RegistryKey& key) {
    return installer_.CreateKey(key) && installer_.SetTextValue(key, "DisplayName", productName_) &&
           installer_.SetTextValue(key, "UninstallString", JoinPath(backDirectory_, "awmain.exe"));
}

bool InstallController::CreateUninstallerShortcut(const UninstallerRequest& request) {
    ItemRequest item;
    item.Group = request.ShortcutGroup;
    item.Item.Name = Text(AW_TXT_UNINSTALL_SHORTCUT);
    item.Item.CommandLine = "\"" + JoinPath(request.BackDirectory, "awmain.exe") + "\"";
    item.Item.IconFile = request.ShortcutIcon;
    return installer_.CreateItem(item);
}

}  // namespace aw
