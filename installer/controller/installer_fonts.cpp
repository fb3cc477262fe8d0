// The Installer's font and OLE server operations.
#include "installer/controller/installer.h"
#include "installer/controller/text_case.h"

namespace aw {

bool Installer::InstallFont(const std::string& file) {
    FontTable& fonts = services_.system.fonts;
    if (!fonts.AddFont(file)) {
        ReportError("Unable to install font");
        return false;
    }
    fonts.AnnounceFontChange();
    Log().FontInstalled(file);
    return true;
}

bool Installer::RemoveFont(const std::string& file) {
    FontTable& fonts = services_.system.fonts;
    if (!fonts.RemoveFont(file)) {
        ReportError("Unable to remove font %s", file.c_str());
        return false;
    }
    fonts.AnnounceFontChange();
    return true;
}

// A program registers itself when started with "/reg"; a library through its entry point. What
// either answers is not checked, and nothing is logged: servers are never unregistered.
bool Installer::RegisterOleServer(const std::string& file) {
    ServerRegistration& servers = services_.system.servers;
    const bool started = EndsWithIgnoringCase(file, ".exe") ? servers.StartHidden(file + " /reg")
                                                            : servers.CallRegisterServer(file);
    if (!started) {
        ReportError("Unable to register OLE2 server %s", file.c_str());
        return false;
    }
    return true;
}

}  // namespace aw
