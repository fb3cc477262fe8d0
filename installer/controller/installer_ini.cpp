// The Installer's INI operations. A change is written as a complete new file beside the old one
// ("iniNNN.NNN", numbered for the whole run), which takes the old file's place only once it is
// closed: whatever fails, either the old file or the whole new one is left.
#include <cstdio>
#include <limits>

#include "installer/controller/ini/ini_document.h"
#include "installer/controller/installer.h"
#include "installer/controller/text_case.h"
#include "installer/oplog/log_fields.h"

namespace aw {

struct Installer::IniFile {
    std::string Path;
    bool Existed = false;
    IniDocument Document;
};

namespace {

constexpr std::int32_t kTemporaryNames = 1000 * 1000;
constexpr std::size_t kAppend = std::numeric_limits<std::size_t>::max();

// Everything up to and including the last separator: where the file's neighbours go.
std::string DirectoryPrefix(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::size_t Index(std::int32_t number) {
    return number < 0 ? kAppend : static_cast<std::size_t>(number);
}

}  // namespace

std::optional<Installer::IniFile> Installer::ReadIni(const std::string& file) {
    IniFiles& files = services_.system.iniFiles;
    IniFile ini;
    ini.Path = DirectoryPrefix(file).empty() ? files.WindowsDirectory() + "\\" + file : file;
    if (ini.Path.size() > kLogFixedTextLength) {
        return std::nullopt;
    }
    const IniFileRead read = files.Read(ini.Path);
    if (!read.Readable) {
        return std::nullopt;
    }
    ini.Existed = read.Exists;
    ini.Document = IniDocument(read.Text);
    return ini;
}

// The new text is written beside the file; the old file is set aside until the new one has its
// name, and comes back when anything fails.
bool Installer::SaveIni(IniFile& ini) {
    IniFiles& files = services_.system.iniFiles;
    const std::optional<std::string> temporary = FreeIniName(ini.Path);
    if (!temporary) {
        return false;
    }
    if (!files.WriteNew(*temporary, ini.Document.Text())) {
        files.Delete(*temporary);
        return false;
    }
    if (!ini.Existed) {
        if (files.Rename(*temporary, ini.Path)) {
            return true;
        }
        files.Delete(*temporary);
        return false;
    }
    const std::optional<std::string> aside = FreeIniName(ini.Path);
    if (!aside || !files.Rename(ini.Path, *aside)) {
        files.Delete(*temporary);
        return false;
    }
    if (files.Rename(*temporary, ini.Path)) {
        if (files.Delete(*aside)) {
            return true;
        }
        files.Rename(ini.Path, *temporary);
    }
    files.Rename(*aside, ini.Path);
    files.Delete(*temporary);
    return false;
}

// A name in the file's directory that nothing has yet.
std::optional<std::string> Installer::FreeIniName(const std::string& path) {
    IniFiles& files = services_.system.iniFiles;
    const std::string directory = DirectoryPrefix(path);
    for (; iniTemporaryNumber_ < kTemporaryNames; ++iniTemporaryNumber_) {
        char name[32];
        std::snprintf(name, sizeof name, "ini%03d.%03d", iniTemporaryNumber_ / 1000,
                      iniTemporaryNumber_ % 1000);
        if (!files.Exists(directory + name)) {
            return directory + name;
        }
    }
    return std::nullopt;
}

void Installer::NoteIniWrite(const std::string& path) {
    std::string windows = services_.system.iniFiles.WindowsDirectory();
    while (windows.ends_with('\\')) {
        windows.pop_back();
    }
    if (EqualIgnoringCase(path, windows + "\\system.ini")) {
        systemIniChanged_ = true;
    }
}

bool Installer::AddIniSection(const std::string& file, const std::string& section) {
    std::optional<IniFile> ini = ReadIni(file);
    if (ini && ini->Document.HasSection(section)) {
        return true;
    }
    if (ini) {
        ini->Document.AddSection(section);
    }
    if (!ini || !SaveIni(*ini)) {
        ReportError("Unable to add INI section %s in file %s", section.c_str(), file.c_str());
        return false;
    }
    if (!ini->Existed) {
        Log().FileCreated(ini->Path);
    }
    Log().IniSectionAdded(ini->Path, section);
    return true;
}

bool Installer::DeleteIniSection(const std::string& file, const std::string& section) {
    std::optional<IniFile> ini = ReadIni(file);
    if (ini && !ini->Document.HasSection(section)) {
        return true;
    }
    const std::vector<IniEntry> entries =
        ini ? ini->Document.Entries(section) : std::vector<IniEntry>();
    if (!ini || !ini->Document.DeleteSection(section) || !SaveIni(*ini)) {
        ReportError("Unable to del INI section %s in file %s", section.c_str(), file.c_str());
        return false;
    }
    // Taken away first to last, each entry is the first of its name left when it goes.
    for (const IniEntry& entry : entries) {
        Log().IniEntryDeleted(ini->Path, section, entry.Name, entry.Value, 0);
    }
    Log().IniSectionDeleted(ini->Path, section);
    NoteIniWrite(ini->Path);
    return true;
}

bool Installer::InsertIniEntry(const std::string& file, const std::string& section,
                               const std::string& entry, const std::string& value,
                               std::int32_t position) {
    return InsertIni(file, section, entry, value, position < 0 ? 0 : Index(position),
                     "Unable to insert INI entry %s");
}

bool Installer::InsertIni(const std::string& file, const std::string& section,
                          const std::string& entry, const std::string& value, std::size_t position,
                          const char* failure) {
    std::optional<IniFile> ini = ReadIni(file);
    bool sectionAdded = false;
    std::size_t occurrence = 0;
    if (ini) {
        sectionAdded = !ini->Document.HasSection(section);
        if (sectionAdded) {
            ini->Document.AddSection(section);
        }
        occurrence = ini->Document.InsertEntry(section, entry, value, position);
    }
    if (!ini || !SaveIni(*ini)) {
        ReportError(failure, entry.c_str());
        return false;
    }
    if (!ini->Existed) {
        Log().FileCreated(ini->Path);
    }
    if (sectionAdded) {
        Log().IniSectionAdded(ini->Path, section);
    }
    Log().IniEntryAdded(ini->Path, section, entry, static_cast<std::int32_t>(occurrence));
    NoteIniWrite(ini->Path);
    return true;
}

bool Installer::SetIniEntry(const std::string& file, const std::string& section,
                            const std::string& entry, const std::string& value,
                            std::int32_t occurrence) {
    std::optional<IniFile> ini = ReadIni(file);
    const std::optional<std::string> old =
        ini ? ini->Document.Value(section, entry, Index(occurrence)) : std::nullopt;
    if (!old) {
        return InsertIni(file, section, entry, value, kAppend, "Unable to set INI entry %s");
    }
    ini->Document.SetEntry(section, entry, Index(occurrence), value);
    if (!SaveIni(*ini)) {
        ReportError("Unable to set INI entry %s", entry.c_str());
        return false;
    }
    Log().IniEntryChanged(ini->Path, section, entry, *old, occurrence);
    NoteIniWrite(ini->Path);
    return true;
}

bool Installer::DeleteIniEntry(const std::string& file, const std::string& section,
                               const std::string& entry, std::int32_t occurrence) {
    std::optional<IniFile> ini = ReadIni(file);
    const std::optional<std::string> old =
        ini ? ini->Document.Value(section, entry, Index(occurrence)) : std::nullopt;
    if (ini && !old) {
        return true;
    }
    if (!ini || !ini->Document.DeleteEntry(section, entry, Index(occurrence)) || !SaveIni(*ini)) {
        ReportError("Unable to del INI entry %s", entry.c_str());
        return false;
    }
    Log().IniEntryDeleted(ini->Path, section, entry, *old, occurrence);
    NoteIniWrite(ini->Path);
    return true;
}

bool Installer::IniSectionHasEntries(const std::string& file, const std::string& section) {
    const std::optional<IniFile> ini = ReadIni(file);
    return ini && !ini->Document.Entries(section).empty();
}

bool Installer::WriteIni(const IniRequest& request) {
    const std::optional<IniFile> ini = ReadIni(request.File);
    if (request.Mode == 0) {
        if (ini && ini->Document.Occurrences(request.Section, request.Entry) > 0 &&
            request.ReplaceExisting == 0) {
            return true;
        }
        return SetIniEntry(request.File, request.Section, request.Entry, request.Value, 0);
    }
    if (ini && request.SkipIfValuePresent != 0) {
        for (const IniEntry& entry : ini->Document.Entries(request.Section)) {
            if (EqualIgnoringCase(entry.Name, request.Entry) &&
                EqualIgnoringCase(entry.Value, request.Value)) {
                return true;
            }
        }
    }
    return InsertIniEntry(request.File, request.Section, request.Entry, request.Value,
                          request.Position);
}

}  // namespace aw
